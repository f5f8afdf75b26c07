#include "frmconfig.h"
#include "frmmain.h"
#include "workspace.h"
#include "messagebox.h"
#include "testsupport.h"
#include "twips.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSocketNotifier>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include <unistd.h>

using namespace TestSupport;

namespace {

using Reply = std::optional<QByteArray>; // nullopt: the module stays silent
const Reply Silent;

const QString NoModule = QStringLiteral("No Module Found");
const QString PortUnavailable = QStringLiteral("Selected Comm Port Not Available");

Reply reply(const char *hexText)
{
    return hex(hexText);
}

QByteArray bytesOf(const QString &latin1)
{
    return latin1.toLatin1();
}

// Types any text, one key event per character.
void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QTimer *timer1(FrmConfig *dialog)
{
    return dialog->findChild<QTimer *>(QStringLiteral("Timer1"));
}

// Plays the display module at the master end of a pty. It records every byte the program writes
// and answers each request once the request is complete, at once or after a number of ticks of
// the dialog's timer, the way a slow module would.
class FakeModule : public QObject
{
public:
    explicit FakeModule(Pty &pty)
        : m_pty(pty)
        , m_notifier(pty.masterFd(), QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &FakeModule::readMaster);
    }

    // The next request, `length` bytes long, gets `reply`.
    void answer(int length, const Reply &reply, int afterTicks = 0)
    {
        m_answers.push_back({length, reply, afterTicks});
    }
    void setClock(QTimer *clock) { m_clock = clock; }
    void detach() { m_notifier.setEnabled(false); }
    // Everything written so far, once the line has been quiet for a moment.
    QByteArray settle()
    {
        QTest::qWait(30);
        return received;
    }

    QByteArray received;
    std::function<void(const QByteArray &request)> onRequest;

private:
    struct Answer
    {
        int length;
        Reply reply;
        int afterTicks;
    };

    void readMaster()
    {
        char buffer[256];
        ssize_t n;
        while ((n = ::read(m_pty.masterFd(), buffer, sizeof buffer)) > 0)
            received.append(buffer, n);
        while (!m_answers.empty() && received.size() - m_answered >= m_answers.front().length) {
            const Answer next = m_answers.front();
            m_answers.pop_front();
            const QByteArray request = received.mid(m_answered, next.length);
            m_answered += next.length;
            if (onRequest)
                onRequest(request);
            if (next.reply)
                send(*next.reply, next.afterTicks);
        }
    }

    void send(const QByteArray &bytes, int afterTicks)
    {
        if (afterTicks == 0 || !m_clock) {
            m_pty.write(bytes);
            return;
        }
        auto *countdown = new QObject(this);
        auto ticks = std::make_shared<int>(afterTicks);
        connect(m_clock, &QTimer::timeout, countdown, [this, bytes, ticks, countdown] {
            if (--*ticks > 0)
                return;
            m_pty.write(bytes);
            countdown->deleteLater();
        });
    }

    Pty &m_pty;
    QSocketNotifier m_notifier;
    QTimer *m_clock = nullptr;
    std::deque<Answer> m_answers;
    qsizetype m_answered = 0;
};

} // namespace

// The configuration dialog against a pty: its window and controls, the bytes of its four
// exchanges, its reading of the module's replies, and how it copes with closing, late replies
// and a port that is not open.
class TestConfigDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void window();
    void controls_data();
    void controls();
    void tabOrder();
    void keys_data();
    void keys();
    void load_data();
    void load();
    void ticks_data();
    void ticks();
    void buttons_data();
    void buttons();
    void nothingSent_data();
    void nothingSent();
    void lateReplyNotTaken_data();
    void lateReplyNotTaken();
    void buttonsDisabledDuringExchange_data();
    void buttonsDisabledDuringExchange();
    void closeDuringWait_data();
    void closeDuringWait();
    void closeMainWindowDuringWait_data();
    void closeMainWindowDuringWait();
    void portLostDuringWait();
    void oneInstanceWhileOpen();

private:
    FrmConfig *openDialog(const Reply &settings = hex("FF FF FF"));
    FrmConfig *createDialog();
    void trackTicks(FrmConfig *dialog);
    void run(FrmConfig *dialog, const QString &handler);
    template<typename T> T *control(const char *name)
    {
        return m_dialog ? m_dialog->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    QList<bool> buttonsEnabled();

    Pty *m_pty = nullptr;
    FakeModule *m_module = nullptr;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    QPointer<FrmConfig> m_dialog;
    QStringList m_messages;
    QList<int> m_ticksAtMessage;
    QList<bool> m_dialogVisibleAtMessage;
    int m_ticks = 0;
};

void TestConfigDialog::initTestCase()
{
    useTemporarySettings();
}

void TestConfigDialog::init()
{
    clearSettings();
    mapAllPortsToMissing();
    m_pty = new Pty;
    QVERIFY(m_pty->isValid());
    mapPort(1, m_pty->slavePath());
    m_module = new FakeModule(*m_pty);
    m_messages.clear();
    m_ticksAtMessage.clear();
    m_dialogVisibleAtMessage.clear();
    prompter().onMessage = [this](QWidget *, const QString &text) {
        m_messages.append(text);
        m_ticksAtMessage.append(m_ticks);
        m_dialogVisibleAtMessage.append(m_dialog && m_dialog->isVisible());
    };
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    QVERIFY(m_window->serialPort().isOpen());
}

void TestConfigDialog::cleanup()
{
    delete m_program;
    m_program = nullptr;
    delete m_module;
    delete m_pty;
    prompter().reset();
}

// Opens the dialog from the menu, the module answering its request with `settings`.
FrmConfig *TestConfigDialog::openDialog(const Reply &settings)
{
    m_module->answer(1, settings);
    m_module->onRequest = [this](const QByteArray &) {
        m_dialog = m_window->configDialog();
        trackTicks(m_dialog);
    };
    m_window->mnuConfig_Click();
    m_dialog = m_window->configDialog();
    // The load reads the module's settings in the background; the dialog shows once it is over.
    if (!QTest::qWaitFor([this] { return !m_dialog || !m_dialog->isBusy(); }, 5000))
        qWarning("the exchange did not end");
    m_module->onRequest = nullptr;
    m_ticks = 0;
    return m_dialog;
}

// A dialog made the way the menu makes it, but not yet loaded, so that its ticks can be counted
// from the start.
FrmConfig *TestConfigDialog::createDialog()
{
    m_dialog = new FrmConfig(m_window->serialPort(), prompter(), m_window);
    trackTicks(m_dialog);
    return m_dialog;
}

void TestConfigDialog::trackTicks(FrmConfig *dialog)
{
    m_ticks = 0;
    m_module->setClock(timer1(dialog));
    connect(timer1(dialog), &QTimer::timeout, this, [this] { ++m_ticks; });
}

// Runs a handler as a click would, and returns once its exchange is over: the dialog reads and
// writes in the background.
void TestConfigDialog::run(FrmConfig *dialog, const QString &handler)
{
    QPointer<FrmConfig> guard(dialog);
    if (handler == QLatin1String("Form_Load"))
        dialog->Form_Load();
    else if (auto *button = dialog->findChild<QPushButton *>(handler); button->isEnabled())
        QTest::mouseClick(button, Qt::LeftButton);
    else if (handler == QLatin1String("cmdChangeSU"))
        dialog->cmdChangeSU_Click(); // a disabled button takes no click; its handler runs anyway
    else if (handler == QLatin1String("cmdChangeSpeed"))
        dialog->cmdChangeSpeed_Click();
    else
        dialog->cmdMessage_Click();
    QTRY_VERIFY_WITH_TIMEOUT(!guard || !guard->isBusy(), 5000);
}

QList<bool> TestConfigDialog::buttonsEnabled()
{
    QList<bool> enabled;
    for (const char *name : {"cmdChangeSU", "cmdChangeSpeed", "cmdMessage"})
        enabled.append(control<QPushButton>(name)->isEnabled());
    return enabled;
}

void TestConfigDialog::window()
{
    FrmConfig *dialog = openDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isWindow());
    QCOMPARE(dialog->objectName(), QStringLiteral("frmConfig"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Configure Kaldor88"));
    QCOMPARE(dialog->windowType(), Qt::Dialog);
    const Qt::WindowFlags flags = dialog->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!dialog->isModal());
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));

    const QSize client(Twips::toPixels(6270), Twips::toPixels(3090));
    QCOMPARE(dialog->size(), client);
    QCOMPARE(dialog->minimumSize(), client);
    QCOMPARE(dialog->maximumSize(), client);
    const QPoint screenCentre = dialog->screen()->availableGeometry().center();
    QVERIFY((dialog->frameGeometry().center() - screenCentre).manhattanLength() <= 2);
    QCOMPARE(dialog->windowIcon().cacheKey(), m_window->windowIcon().cacheKey());
    // Unlike the main window, the platform's colours; the same dialog font as the main window.
    QCOMPARE(dialog->palette().color(QPalette::Window),
             QApplication::palette(dialog).color(QPalette::Window));
    QCOMPARE(dialog->font(), m_window->font());

    for (auto *button : dialog->findChildren<QPushButton *>()) {
        QVERIFY(!button->autoDefault());
        QVERIFY(!button->isDefault());
    }
    auto *txtAniS = control<QLineEdit>("txtAniS");
    QCOMPARE(txtAniS->maxLength(), 20);
    typeText(txtAniS, QStringLiteral("A\u20ACB\u0101\u00E9"));
    QCOMPARE(txtAniS->text(), QStringLiteral("AB\u00E9"));
    typeText(txtAniS, QStringLiteral("CDEFGHIJKLMNOPQRSTUVWXYZ"));
    QCOMPARE(txtAniS->text(), QStringLiteral("AB\u00E9CDEFGHIJKLMNOPQRS"));

    QStringList modes, speeds;
    for (int i = 0; i < control<QComboBox>("cboMode")->count(); ++i)
        modes << control<QComboBox>("cboMode")->itemText(i);
    for (int i = 0; i < control<QComboBox>("cboSpeed")->count(); ++i)
        speeds << control<QComboBox>("cboSpeed")->itemText(i);
    QCOMPARE(modes,
             QStringList({"Mode 0", "Mode 1", "Mode 2", "Mode 3", "Mode 4", "Mode 5", "Mode 6"}));
    QCOMPARE(speeds, QStringList({"1", "2", "3", "4"}));
}

void TestConfigDialog::controls_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("Frame1") << "frmConfig"
                            << "Current Setting" << QRect(360, 360, 5415, 2415);
    QTest::newRow("Label1") << "Frame1"
                            << "Start Up Mode" << QRect(240, 360, 1095, 255);
    QTest::newRow("cboMode") << "Frame1" << QString() << QRect(1560, 360, 1095, 315);
    QTest::newRow("cmdChangeSU") << "Frame1"
                                 << "Change Startup Mode" << QRect(3000, 360, 1815, 255);
    QTest::newRow("Label2") << "Frame1"
                            << "Speed" << QRect(240, 840, 855, 255);
    QTest::newRow("cboSpeed") << "Frame1" << QString() << QRect(1560, 840, 1095, 315);
    QTest::newRow("cmdChangeSpeed") << "Frame1"
                                    << "Change Speed" << QRect(3000, 840, 1815, 255);
    QTest::newRow("Label3") << "Frame1"
                            << "Animation/Scrolling Message" << QRect(240, 1440, 2175, 255);
    QTest::newRow("txtAniS") << "Frame1" << QString() << QRect(240, 1920, 2415, 285);
    QTest::newRow("cmdMessage") << "Frame1"
                                << "Save Message" << QRect(3000, 1800, 1815, 375);
}

void TestConfigDialog::controls()
{
    QFETCH(QString, parent);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);

    openDialog(Silent);
    auto *widget = m_dialog->findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    const QRect expected = Twips::rect(twips.left(), twips.top(), twips.width(), twips.height());
    if (qobject_cast<QLabel *>(widget)) {
        // A label grows to the right when its caption needs more room.
        QCOMPARE(widget->pos(), expected.topLeft());
        QCOMPARE(widget->height(), expected.height());
        QVERIFY(widget->width() >= expected.width());
        QVERIFY(widget->width() >= widget->sizeHint().width());
    } else {
        QCOMPARE(widget->geometry(), expected);
    }
    QCOMPARE(TestSupport::caption(widget), caption);
}

void TestConfigDialog::tabOrder()
{
    openDialog();
    m_dialog->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_dialog.data());
    QStringList order;
    for (int step = 0; step < 7; ++step) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        // An editable list's edit field stands for the list.
        if (qobject_cast<QComboBox *>(focus->parentWidget()))
            focus = focus->parentWidget();
        order << focus->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"cboMode", "cmdChangeSU", "cboSpeed", "cmdChangeSpeed", "txtAniS",
                                 "cmdMessage", "cboMode"}));
}

// No default and no cancel button: Return and Escape do nothing, only Space presses a button.
void TestConfigDialog::keys_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("Return on Change Speed") << "cmdChangeSpeed" << int(Qt::Key_Return) << hex("");
    QTest::newRow("Enter on Save Message") << "cmdMessage" << int(Qt::Key_Enter) << hex("");
    QTest::newRow("Return in the mode list") << "cboMode" << int(Qt::Key_Return) << hex("");
    QTest::newRow("Return in the text box") << "txtAniS" << int(Qt::Key_Return) << hex("");
    QTest::newRow("Escape") << "cmdChangeSU" << int(Qt::Key_Escape) << hex("");
    QTest::newRow("Space on Change Speed")
        << "cmdChangeSpeed" << int(Qt::Key_Space) << hex("F6 29");
}

void TestConfigDialog::keys()
{
    QFETCH(QString, target);
    QFETCH(int, key);
    QFETCH(QByteArray, sent);

    openDialog();
    const QByteArray request = m_module->settle();
    QTest::keyClick(m_dialog->findChild<QWidget *>(target), Qt::Key(key));
    QCOMPARE(m_module->settle().mid(request.size()), sent);
    QVERIFY(m_dialog && m_dialog->isVisible());
}

void TestConfigDialog::load_data()
{
    QTest::addColumn<Reply>("settings");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    QTest::newRow("no module") << Silent << -1 << -1 << "" << QStringList{NoModule};
    QTest::newRow("nothing stored") << reply("FF FF FF") << 0 << 2 << "" << none;
    QTest::newRow("mode 3, speed 2, HELLO")
        << reply("03 31 05 48 45 4C 4C 4F") << 3 << 1 << "HELLO" << none;
    QTest::newRow("mode 6, speed 1") << reply("06 39 00") << 6 << 0 << "" << none;
    QTest::newRow("mode 0, speed 4, one character")
        << reply("00 21 01 5A") << 0 << 3 << "Z" << none;
    QTest::newRow("mode 5, speed 3") << reply("05 29 00") << 5 << 2 << "" << none;
    QTest::newRow("message of 20")
        << std::make_optional(hex("01 29 14") + bytesOf("ABCDEFGHIJKLMNOPQRST")) << 1 << 2
        << "ABCDEFGHIJKLMNOPQRST" << none;
    QTest::newRow("message length 21")
        << std::make_optional(hex("01 29 15") + bytesOf("ABCDEFGHIJKLMNOPQRSTU")) << 1 << 2 << ""
        << none;
    QTest::newRow("message length 255") << reply("02 29 FF") << 2 << 2 << "" << none;
    QTest::newRow("Latin-1 message") << reply("00 29 02 E9 FC") << 0 << 2 << "\u00E9\u00FC" << none;
    QTest::newRow("speed byte 0") << reply("00 00 00") << 0 << -1 << "" << none;
    QTest::newRow("speed byte 50") << reply("00 32 00") << 0 << -1 << "" << none;
    QTest::newRow("mode byte 7") << reply("07 29 00") << -1 << 2 << "" << none;
    QTest::newRow("mode byte 254") << reply("FE 39 00") << -1 << 0 << "" << none;
    QTest::newRow("short: mode only") << reply("04") << 4 << -1 << "" << none;
    QTest::newRow("short: no message length") << reply("05 21") << 5 << 3 << "" << none;
    QTest::newRow("short: message cut off") << reply("02 31 05 48 45 4C") << 2 << 1 << "" << none;
    QTest::newRow("record and stray bytes after it")
        << reply("03 31 02 48 49 AA AA") << 3 << 1 << "HI" << none;
}

void TestConfigDialog::load()
{
    QFETCH(Reply, settings);
    QFETCH(int, mode);
    QFETCH(int, speed);
    QFETCH(QString, message);
    QFETCH(QStringList, messages);

    openDialog(settings);
    QVERIFY(m_dialog);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_module->settle(), hex("F0"));
    QCOMPARE(m_messages, messages);
    // "No Module Found" comes before the dialog is shown.
    QCOMPARE(m_dialogVisibleAtMessage, QList<bool>(messages.size(), false));

    auto *cboMode = control<QComboBox>("cboMode");
    auto *cboSpeed = control<QComboBox>("cboSpeed");
    QCOMPARE(cboMode->count(), 7);
    QCOMPARE(cboSpeed->count(), 4);
    QCOMPARE(cboMode->currentIndex(), mode);
    QCOMPARE(cboSpeed->currentIndex(), speed);
    QCOMPARE(cboMode->currentText(), mode < 0 ? QString() : QStringLiteral("Mode %1").arg(mode));
    QCOMPARE(cboSpeed->currentText(), speed < 0 ? QString() : QString::number(speed + 1));
    QCOMPARE(control<QLineEdit>("txtAniS")->text(), message);
    QCOMPARE(m_dialog->replyData(), settings.value_or(QByteArray()));
    QCOMPARE(buttonsEnabled(), QList<bool>({true, true, true}));
}

// Ticks counted from the request to the report; the module answers some time into the wait.
void TestConfigDialog::ticks_data()
{
    QTest::addColumn<QString>("handler");
    QTest::addColumn<int>("requestLength");
    QTest::addColumn<int>("answerAfterTicks"); // 0: no answer
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("ticks");

    QTest::newRow("load") << "Form_Load" << 1 << 0 << NoModule << 10;
    QTest::newRow("change startup mode") << "cmdChangeSU" << 2 << 0 << NoModule << 10;
    QTest::newRow("change speed") << "cmdChangeSpeed" << 2 << 0 << NoModule << 10;
    QTest::newRow("save message") << "cmdMessage" << 3 << 0 << NoModule << 20;
    QTest::newRow("change speed, answer at tick 7")
        << "cmdChangeSpeed" << 2 << 7 << "Speed Changed" << 10;
    QTest::newRow("change speed, answer at tick 15")
        << "cmdChangeSpeed" << 2 << 15 << NoModule << 10;
    QTest::newRow("save message, answer at tick 15")
        << "cmdMessage" << 3 << 15 << "Message Saved" << 20;
}

void TestConfigDialog::ticks()
{
    QFETCH(QString, handler);
    QFETCH(int, requestLength);
    QFETCH(int, answerAfterTicks);
    QFETCH(QString, message);
    QFETCH(int, ticks);

    FrmConfig *dialog = handler == QLatin1String("Form_Load") ? createDialog() : openDialog();
    m_messages.clear();
    m_ticksAtMessage.clear();
    m_ticks = 0;
    control<QComboBox>("cboMode")->setCurrentIndex(1);
    control<QComboBox>("cboSpeed")->setCurrentIndex(1);
    control<QLineEdit>("txtAniS")->setText(QStringLiteral("HI"));
    if (answerAfterTicks > 0)
        m_module->answer(requestLength, hex("AA"), answerAfterTicks);

    run(dialog, handler);
    QCOMPARE(m_messages, QStringList{message});
    QCOMPARE(m_ticksAtMessage, QList<int>{ticks});
    QVERIFY(!timer1(dialog)->isActive());
    const int ticksAfter = m_ticks;
    QTest::qWait(50);
    QCOMPARE(m_ticks, ticksAfter);
}

void TestConfigDialog::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("text"); // typed into txtAniS
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<Reply>("answer");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QStringList modeChanged{"Startup Mode Changed"};
    const QStringList speedChanged{"Speed Changed"};
    const QStringList saved{"Message Saved"};
    const QStringList noModule{NoModule};

    QTest::newRow("mode 3, ACK") << "cmdChangeSU" << 3 << 2 << "" << hex("F7 03") << reply("AA")
                                 << modeChanged;
    QTest::newRow("mode 0, ACK and more")
        << "cmdChangeSU" << 0 << 2 << "" << hex("F7 00") << reply("AA 01 55") << modeChanged;
    QTest::newRow("mode 6, NAK") << "cmdChangeSU" << 6 << 2 << "" << hex("F7 06") << reply("55")
                                 << none;
    QTest::newRow("mode 3, reply 00 AA")
        << "cmdChangeSU" << 3 << 2 << "" << hex("F7 03") << reply("00 AA") << none;
    QTest::newRow("mode 3, no reply")
        << "cmdChangeSU" << 3 << 2 << "" << hex("F7 03") << Silent << noModule;
    QTest::newRow("speed 1, ACK") << "cmdChangeSpeed" << 0 << 0 << "" << hex("F6 39") << reply("AA")
                                  << speedChanged;
    QTest::newRow("speed 2, ACK") << "cmdChangeSpeed" << 0 << 1 << "" << hex("F6 31") << reply("AA")
                                  << speedChanged;
    QTest::newRow("speed 3, ACK and more")
        << "cmdChangeSpeed" << 0 << 2 << "" << hex("F6 29") << reply("AA AA FF") << speedChanged;
    QTest::newRow("speed 4, NAK") << "cmdChangeSpeed" << 0 << 3 << "" << hex("F6 21") << reply("55")
                                  << none;
    QTest::newRow("speed 2, no reply")
        << "cmdChangeSpeed" << 0 << 1 << "" << hex("F6 31") << Silent << noModule;
    QTest::newRow("message HELLO, ACK")
        << "cmdMessage" << 0 << 2 << "HELLO" << hex("F5 48 45 4C 4C 4F") << reply("AA") << saved;
    QTest::newRow("message empty, ACK")
        << "cmdMessage" << 0 << 2 << "" << hex("F5") << reply("AA") << saved;
    QTest::newRow("message of 20, ACK and more")
        << "cmdMessage" << 0 << 2 << "ABCDEFGHIJKLMNOPQRST"
        << hex("F5 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54") << reply("AA 00")
        << saved;
    QTest::newRow("message Latin-1, ACK")
        << "cmdMessage" << 0 << 2 << "\u00E9t\u00E9" << hex("F5 E9 74 E9") << reply("AA") << saved;
    QTest::newRow("message HI, NAK")
        << "cmdMessage" << 0 << 2 << "HI" << hex("F5 48 49") << reply("55") << none;
    QTest::newRow("message HI, no reply")
        << "cmdMessage" << 0 << 2 << "HI" << hex("F5 48 49") << Silent << noModule;
}

void TestConfigDialog::buttons()
{
    QFETCH(QString, button);
    QFETCH(int, mode);
    QFETCH(int, speed);
    QFETCH(QString, text);
    QFETCH(QByteArray, request);
    QFETCH(Reply, answer);
    QFETCH(QStringList, messages);

    openDialog(hex("FF FF 00"));
    const QByteArray load = m_module->settle();
    m_messages.clear();
    control<QComboBox>("cboMode")->setCurrentIndex(mode);
    control<QComboBox>("cboSpeed")->setCurrentIndex(speed);
    typeText(control<QLineEdit>("txtAniS"), text);
    m_module->answer(int(request.size()), answer);

    run(m_dialog, button);
    QCOMPARE(m_module->settle().mid(load.size()), request);
    QCOMPARE(m_messages, messages);
    QCOMPARE(m_dialog->replyData(), answer ? *answer : hex("FF FF 00"));
    QCOMPARE(m_window->serialPort().inBufferCount(), 0);
    QCOMPARE(buttonsEnabled(), QList<bool>({true, true, true}));
    // A change is not read back, and a failed one does not undo the controls.
    QCOMPARE(control<QComboBox>("cboMode")->currentIndex(), mode);
    QCOMPARE(control<QComboBox>("cboSpeed")->currentIndex(), speed);
    QCOMPARE(control<QLineEdit>("txtAniS")->text(), text);
}

// Nothing to send, or nowhere to send it: a message, and no request and no wait. The port is
// closed under the open dialog by a failed change of port.
void TestConfigDialog::nothingSent_data()
{
    QTest::addColumn<QString>("handler");
    QTest::addColumn<QString>("list"); // cleared, or typed into
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("portClosed");
    QTest::addColumn<QString>("message");

    const QString mode = QStringLiteral("cboMode");
    const QString speed = QStringLiteral("cboSpeed");
    const QString noMode = QStringLiteral("No Mode Selected");
    const QString noSpeed = QStringLiteral("No Speed Selected");
    QTest::newRow("no mode selected") << "cmdChangeSU" << mode << QString() << false << noMode;
    QTest::newRow("mode typed") << "cmdChangeSU" << mode << "Mode 9" << false << noMode;
    QTest::newRow("no speed selected")
        << "cmdChangeSpeed" << speed << QString() << false << noSpeed;
    QTest::newRow("speed typed") << "cmdChangeSpeed" << speed << "5" << false << noSpeed;
    QTest::newRow("load, port closed")
        << "Form_Load" << QString() << QString() << true << PortUnavailable;
    QTest::newRow("mode, port closed")
        << "cmdChangeSU" << QString() << QString() << true << PortUnavailable;
    QTest::newRow("speed, port closed")
        << "cmdChangeSpeed" << QString() << QString() << true << PortUnavailable;
    QTest::newRow("message, port closed")
        << "cmdMessage" << QString() << QString() << true << PortUnavailable;
}

void TestConfigDialog::nothingSent()
{
    QFETCH(QString, handler);
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(bool, portClosed);
    QFETCH(QString, message);

    FrmConfig *dialog = openDialog(hex("03 31 00"));
    const QByteArray load = m_module->settle();
    if (portClosed) {
        m_window->mnuCOM_Click(2);
        QVERIFY(!m_window->serialPort().isOpen());
    }
    if (handler == QLatin1String("Form_Load")) {
        dialog->close();
        dialog = createDialog();
    }
    if (!list.isEmpty()) {
        auto *combo = m_dialog->findChild<QComboBox *>(list);
        combo->setCurrentIndex(-1);
        QTest::keyClicks(combo->lineEdit(), typed);
        QCOMPARE(combo->currentIndex(), -1);
    }
    m_module->answer(2, reply("AA"));
    m_messages.clear();
    m_ticks = 0;

    run(dialog, handler);
    QCOMPARE(m_messages, QStringList{message});
    QCOMPARE(m_ticks, 0);
    QCOMPARE(m_module->settle(), load);
    // A dialog whose port went away stores nothing until it has read the settings of the module
    // its connection reaches once it is open again.
    QCOMPARE(buttonsEnabled(), QList<bool>(3, !portClosed));
}

// Bytes that arrive after a wait has ended are dropped before the next request goes out.
void TestConfigDialog::lateReplyNotTaken_data()
{
    QTest::addColumn<QByteArray>("late");
    QTest::addColumn<bool>("stillInDriver");
    QTest::addColumn<Reply>("secondAnswer");
    QTest::addColumn<QStringList>("secondMessages");

    QTest::newRow("late ACK, read in") << hex("AA") << false << Silent << QStringList{NoModule};
    QTest::newRow("late ACK, still in the driver")
        << hex("AA") << true << Silent << QStringList{NoModule};
    QTest::newRow("late ACK, then a refusal") << hex("AA") << false << reply("55") << QStringList{};
    QTest::newRow("late ACK in the driver, then a refusal")
        << hex("AA") << true << reply("55") << QStringList{};
    QTest::newRow("late settings record, then an ACK")
        << hex("55 31 00") << false << reply("AA") << QStringList{"Startup Mode Changed"};
}

void TestConfigDialog::lateReplyNotTaken()
{
    QFETCH(QByteArray, late);
    QFETCH(bool, stillInDriver);
    QFETCH(Reply, secondAnswer);
    QFETCH(QStringList, secondMessages);

    openDialog(hex("03 31 00"));
    const QByteArray load = m_module->settle();
    m_messages.clear();
    m_module->answer(2, Silent);
    run(m_dialog, QStringLiteral("cmdChangeSpeed"));
    QCOMPARE(m_messages, QStringList{NoModule});

    m_pty->write(late);
    if (stillInDriver)
        QThread::msleep(50); // lets the pty pass the bytes on, with no event to read them
    else
        QTRY_COMPARE(m_window->serialPort().inBufferCount(), late.size());
    m_messages.clear();
    m_module->answer(2, secondAnswer);
    run(m_dialog, QStringLiteral("cmdChangeSU"));
    QCOMPARE(m_messages, secondMessages);
    QCOMPARE(m_module->settle(), load + hex("F6 31 F7 03"));
}

void TestConfigDialog::buttonsDisabledDuringExchange_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<Reply>("answer");

    QTest::newRow("change startup mode, ACK") << "cmdChangeSU" << hex("F7 03") << reply("AA");
    QTest::newRow("change startup mode, no reply") << "cmdChangeSU" << hex("F7 03") << Silent;
    QTest::newRow("change speed, NAK") << "cmdChangeSpeed" << hex("F6 31") << reply("55");
    QTest::newRow("save message, ACK") << "cmdMessage" << hex("F5 48 49") << reply("AA");
    QTest::newRow("save message, no reply") << "cmdMessage" << hex("F5 48 49") << Silent;
}

void TestConfigDialog::buttonsDisabledDuringExchange()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, request);
    QFETCH(Reply, answer);

    openDialog(hex("03 31 02 48 49"));
    const QByteArray load = m_module->settle();
    QList<bool> duringRequest;
    QList<bool> duringMessage;
    prompter().onMessage = [&](QWidget *, const QString &) { duringMessage = buttonsEnabled(); };
    m_module->answer(int(request.size()), answer);
    m_module->onRequest = [&](const QByteArray &) {
        duringRequest = buttonsEnabled();
        // Clicks during the wait start nothing.
        for (const char *name : {"cmdChangeSU", "cmdChangeSpeed", "cmdMessage"})
            QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
    };

    run(m_dialog, button);
    QCOMPARE(duringRequest, QList<bool>({false, false, false}));
    QCOMPARE(m_module->settle(), load + request);
    if (!duringMessage.isEmpty())
        QCOMPARE(duringMessage, QList<bool>({false, false, false}));
    QCOMPARE(buttonsEnabled(), QList<bool>({true, true, true}));
}

void TestConfigDialog::closeDuringWait_data()
{
    QTest::addColumn<QString>("handler");
    QTest::addColumn<int>("requestLength");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("closeAtTick");
    QTest::addColumn<bool>("fromBox"); // closed while a box of the main window runs its loop

    QTest::newRow("load") << "Form_Load" << 1 << hex("03 31 00") << 5 << false;
    QTest::newRow("change startup mode") << "cmdChangeSU" << 2 << hex("AA") << 5 << false;
    QTest::newRow("change speed, first tick") << "cmdChangeSpeed" << 2 << hex("AA") << 1 << false;
    QTest::newRow("save message, first wait") << "cmdMessage" << 3 << hex("AA") << 4 << false;
    QTest::newRow("save message, second wait") << "cmdMessage" << 3 << hex("AA") << 15 << false;
    QTest::newRow("load, from a box") << "Form_Load" << 1 << hex("03 31 00") << 2 << true;
    QTest::newRow("change speed, from a box") << "cmdChangeSpeed" << 2 << hex("AA") << 3 << true;
}

// Closing ends the wait; the handler stops there, leaves the reply unread, and the dialog goes
// once the handler has returned.
void TestConfigDialog::closeDuringWait()
{
    QFETCH(QString, handler);
    QFETCH(int, requestLength);
    QFETCH(QByteArray, answer);
    QFETCH(int, closeAtTick);
    QFETCH(bool, fromBox);

    FrmConfig *dialog = handler == QLatin1String("Form_Load") ? createDialog() : openDialog();
    if (handler != QLatin1String("Form_Load"))
        dialog->findChild<QLineEdit *>(QStringLiteral("txtAniS"))->setText(QStringLiteral("HI"));
    m_module->settle();
    m_messages.clear();
    m_ticks = 0;
    m_module->answer(requestLength, answer);
    connect(timer1(dialog), &QTimer::timeout, this, [&] {
        if (m_ticks != closeAtTick)
            return;
        if (!fromBox) {
            dialog->close();
            return;
        }
        QEventLoop box;
        QTimer::singleShot(0, &box, [&] { dialog->close(); });
        QTimer::singleShot(50, &box, &QEventLoop::quit);
        box.exec();
    });

    run(dialog, handler);
    QCOMPARE(m_ticks, closeAtTick);
    // The exchange ends with the dialog: nothing is said, nothing more is read.
    QVERIFY(!m_dialog || !m_dialog->isVisible());
    QTest::qWait(200);
    QCOMPARE(m_ticks, closeAtTick);
    QVERIFY(m_messages.isEmpty());
    QTRY_VERIFY(m_dialog.isNull());
    QCOMPARE(m_window->configDialog(), nullptr);
    QCOMPARE(m_window->serialPort().inBufferCount(), answer.size());

    // The next Configure starts afresh.
    m_window->serialPort().discardInput();
    QVERIFY(openDialog(hex("05 21 00")));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(control<QComboBox>("cboMode")->currentIndex(), 5);
}

void TestConfigDialog::closeMainWindowDuringWait_data()
{
    QTest::addColumn<QString>("handler"); // "menu": the load run by Configure
    QTest::addColumn<int>("requestLength");
    QTest::addColumn<int>("closeAtTick");

    QTest::newRow("load") << "menu" << 1 << 3;
    QTest::newRow("change speed") << "cmdChangeSpeed" << 2 << 3;
    QTest::newRow("save message, second wait") << "cmdMessage" << 1 << 12;
}

// Closing the main window takes the dialog with it, and the program ends once the interrupted
// handler has returned.
void TestConfigDialog::closeMainWindowDuringWait()
{
    QFETCH(QString, handler);
    QFETCH(int, requestLength);
    QFETCH(int, closeAtTick);

    if (handler != QLatin1String("menu"))
        openDialog();
    m_messages.clear();
    int ticks = 0;
    m_module->answer(requestLength, reply("AA"));
    m_module->onRequest = [&](const QByteArray &) {
        m_dialog = m_window->configDialog();
        connect(timer1(m_dialog), &QTimer::timeout, m_window, [&] {
            if (++ticks == closeAtTick)
                m_window->close();
        });
    };
    bool handlerReturned = false;
    QTimer::singleShot(0, m_window, [&] {
        if (handler == QLatin1String("menu"))
            m_window->mnuConfig_Click();
        else
            run(m_dialog, handler);
        handlerReturned = true;
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &watchdog, [] { QCoreApplication::exit(99); });
    watchdog.start(std::chrono::seconds(20));

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(handlerReturned);
    QCOMPARE(ticks, closeAtTick);
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_dialog || !m_dialog->isVisible());
    QVERIFY(m_messages.isEmpty());
    QTRY_VERIFY(m_dialog.isNull());
    QCOMPARE(m_window->serialPort().inBufferCount(), 1);
}

// The main window reports a device that vanishes; the dialog adds nothing to that.
void TestConfigDialog::portLostDuringWait()
{
    openDialog(hex("03 31 00"));
    m_module->settle();
    m_messages.clear();
    m_module->answer(2, Silent);
    m_module->onRequest = [this](const QByteArray &) {
        m_module->detach();
        m_pty->closeMaster();
    };

    run(m_dialog, QStringLiteral("cmdChangeSpeed"));
    QTRY_COMPARE(m_messages, QStringList{PortUnavailable});
    QVERIFY(!m_window->serialPort().isOpen());
    // Nothing can be stored until the module is back and its settings have been read again.
    QCOMPARE(buttonsEnabled(), QList<bool>({false, false, false}));
}

void TestConfigDialog::oneInstanceWhileOpen()
{
    FrmConfig *first = openDialog(hex("03 31 00"));
    control<QLineEdit>("txtAniS")->setText(QStringLiteral("EDITED"));
    m_window->mnuConfig_Click();
    QCOMPARE(m_window->configDialog(), first);
    QCOMPARE(m_module->settle(), hex("F0"));
    QCOMPARE(control<QLineEdit>("txtAniS")->text(), QStringLiteral("EDITED"));

    first->close();
    QTRY_VERIFY(m_dialog.isNull());
    FrmConfig *second = openDialog(hex("06 21 02 4F 4B"));
    QVERIFY(second);
    QCOMPARE(m_module->settle(), hex("F0 F0"));
    QCOMPARE(control<QComboBox>("cboMode")->currentIndex(), 6);
    QCOMPARE(control<QComboBox>("cboSpeed")->currentIndex(), 3);
    QCOMPARE(control<QLineEdit>("txtAniS")->text(), QStringLiteral("OK"));
}

QTEST_MAIN(TestConfigDialog)
#include "tst_configdialog.moc"
