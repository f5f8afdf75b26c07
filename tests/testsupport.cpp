#include "testsupport.h"

#include "appsettings.h"
#include "messagebox.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace TestSupport {

void useTemporarySettings()
{
    static QTemporaryDir folder;
    QVERIFY(folder.isValid());
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
}

void clearSettings()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    settings.clear();
    settings.sync();
}

void setStoredCommPort(const QString &text)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    settings.setValue(QStringLiteral("Properties/CommPort"), text);
    settings.sync();
}

QString storedCommPort()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    return settings.value(QStringLiteral("Properties/CommPort")).toString();
}

void mapPort(int port, const QString &path)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    settings.setValue(QStringLiteral("Ports/COM%1").arg(port), path);
    settings.sync();
}

QString missingDevicePath(int port)
{
    return QStringLiteral("/nonexistent/glyphsmith-test/COM%1").arg(port);
}

void mapAllPortsToMissing()
{
    for (int port = AppSettings::FirstPort; port <= AppSettings::LastPort; ++port)
        mapPort(port, missingDevicePath(port));
}

QString caption(const QWidget *widget)
{
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QPushButton *>(widget))
        return button->text();
    if (auto *list = qobject_cast<const QComboBox *>(widget))
        return list->currentText();
    if (auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    return {};
}

QByteArray hex(const char *text)
{
    QByteArray digits(text);
    digits.replace(' ', "");
    const QByteArray bytes = QByteArray::fromHex(digits);
    if (bytes.toHex().toUpper() != digits.toUpper())
        qFatal("malformed hex in test data: %s", text);
    return bytes;
}

Pty::Pty()
{
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    termios raw{};
    tcgetattr(m_slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_slave, TCSANOW, &raw);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

Pty::~Pty()
{
    closeMaster();
    if (m_slave >= 0)
        ::close(m_slave);
}

QByteArray Pty::read(int count, int timeoutMs)
{
    QByteArray got;
    QDeadlineTimer deadline(timeoutMs);
    while (got.size() < count && !deadline.hasExpired() && m_master >= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd pfd{m_master, POLLIN, 0};
        if (poll(&pfd, 1, 5) > 0 && (pfd.revents & POLLIN)) {
            char buffer[512];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, n);
        }
    }
    return got;
}

QByteArray Pty::readAll(int quietMs)
{
    QByteArray got;
    for (;;) {
        const QByteArray more = read(1 << 16, quietMs);
        if (more.isEmpty())
            return got;
        got += more;
    }
}

void Pty::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size() && m_master >= 0) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else
            QTest::qWait(1);
    }
}

void Pty::closeMaster()
{
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

Pty *startOnNewPty(QStringList *messages)
{
    clearSettings();
    mapAllPortsToMissing();
    auto *pty = new Pty;
    mapPort(1, pty->slavePath());
    messages->clear();
    prompter().reset();
    prompter().onMessage = [messages](QWidget *, const QString &text) { messages->append(text); };
    return pty;
}

FileProposal proposedFile(const std::function<void()> &opens)
{
    prompter().realFileChooser = true;
    FileProposal proposal;
    // Owned here, so that a dialog that never came up leaves no timer behind to read it.
    QObject reader;
    QTimer::singleShot(0, &reader, [&proposal] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        proposal.folder = dialog->directory().absolutePath();
        proposal.file = dialog->selectedFiles().value(0);
        dialog->reject();
    });
    opens();
    prompter().realFileChooser = false;
    return proposal;
}

void TestPrompter::message(QWidget *parent, const QString &text, const QString &detail)
{
    if (onMessageDetail)
        onMessageDetail(parent, text, detail);
    if (onMessage)
        onMessage(parent, text);
}

SaveQuestion::Answer TestPrompter::askSave(QWidget *parent, const QString &document)
{
    return onSave ? onSave(parent, document) : SaveQuestion::Answer::Cancel;
}

FileChooser::Choice TestPrompter::chooseFile(QWidget *parent, FileChooser::Purpose purpose,
                                             const QString &caption, const QString &folder,
                                             const QStringList &filters,
                                             const QString &selectedFilter, const QString &fileName)
{
    if (realFileChooser)
        return Prompter::chooseFile(parent, purpose, caption, folder, filters, selectedFilter,
                                    fileName);
    return onFile ? onFile(purpose, caption, filters) : FileChooser::Choice();
}

std::optional<int> TestPrompter::choose(QWidget *, const QString &text, const QString &detail,
                                        const QStringList &choices)
{
    return onChoice ? onChoice(text, detail, choices) : std::nullopt;
}

int TestPrompter::exec(QDialog &dialog)
{
    return onDialog ? onDialog(dialog) : int(QDialog::Rejected);
}

void TestPrompter::reset()
{
    onMessage = {};
    onMessageDetail = {};
    onSave = {};
    onFile = {};
    onChoice = {};
    onDialog = {};
    realFileChooser = false;
}

TestPrompter &prompter()
{
    static TestPrompter instance;
    return instance;
}

} // namespace TestSupport
