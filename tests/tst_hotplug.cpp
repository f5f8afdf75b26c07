#include "frmmain.h"
#include "workspace.h"
#include "messagebox.h"
#include "reconnector.h"
#include "testsupport.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace {
const QString PortUnavailable = QStringLiteral("Selected Comm Port Not Available");
const QString AdapterName = QStringLiteral("usb-Kaldor_8x8_module_K8X0042-if00-port0");
} // namespace

// A module unplugged and plugged in again while the window is open, played with
// pseudo-terminals and by-id-like links in a temporary folder.
class TestHotplug : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stableNameOfADevice();
    void comesBack_data();
    void comesBack();
    void menuChoiceEndsTheWait();
    void deviceThatKeepsDroppingOut();

private:
    QString byIdFolder() const { return m_dir->filePath(QStringLiteral("serial/by-id")); }
    QString adapterLink() const { return byIdFolder() + u'/' + AdapterName; }
    enum class Unplug { Link, Folder, Target };
    // A new pty behind the adapter's link, as udev makes it when the adapter is plugged in; with
    // Unplug::Target, behind the device node the link leads to.
    void plugIn(Unplug how = Unplug::Link);
    // The pty hangs up, and its link goes (Link), the by-id folder with it as udev removes
    // /dev/serial/by-id with the last adapter (Folder), or only the node the link leads to,
    // leaving the link behind (Target).
    void pullOut(Unplug how);
    QString nodeLink() const { return m_dir->filePath(QStringLiteral("dev/ttyUSB0")); }
    QAction *configure() const { return m_window->findChild<QAction *>("mnuConfig"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Pty> m_pty;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    QStringList m_messages;
};

void TestHotplug::initTestCase()
{
    useTemporarySettings();
}

void TestHotplug::init()
{
    clearSettings();
    mapAllPortsToMissing();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(byIdFolder()));
    m_messages.clear();
    prompter().onMessage = [this](QWidget *, const QString &text) { m_messages.append(text); };
    plugIn();
    mapPort(1, adapterLink());
    setStoredCommPort(QStringLiteral("1"));
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    QVERIFY(m_window->serialPort().isOpen());
    QVERIFY(configure()->isEnabled());
}

void TestHotplug::cleanup()
{
    delete m_program;
    m_program = nullptr;
    m_window = nullptr;
    m_pty.reset();
    m_dir.reset();
    prompter().reset();
}

void TestHotplug::plugIn(Unplug how)
{
    m_pty = std::make_unique<Pty>();
    QVERIFY(m_pty->isValid());
    QVERIFY(QDir().mkpath(byIdFolder()));
    QVERIFY(QDir().mkpath(QFileInfo(nodeLink()).absolutePath()));
    QVERIFY(QFile::link(m_pty->slavePath(), nodeLink()));
    if (how != Unplug::Target)
        QVERIFY(QFile::link(nodeLink(), adapterLink()));
}

void TestHotplug::pullOut(Unplug how)
{
    m_pty->closeMaster();
    QTRY_VERIFY(!m_window->serialPort().isOpen());
    QVERIFY(QFile::remove(nodeLink()));
    if (how != Unplug::Target)
        QVERIFY(QFile::remove(adapterLink()));
    if (how == Unplug::Folder)
        QVERIFY(QDir(byIdFolder()).removeRecursively());
    m_pty.reset();
}

void TestHotplug::stableNameOfADevice()
{
    QCOMPARE(Reconnector::byIdPath(nodeLink(), byIdFolder()), adapterLink());
    QCOMPARE(Reconnector::byIdPath(m_pty->slavePath(), byIdFolder()), adapterLink());
    QCOMPARE(Reconnector::byIdPath(adapterLink(), byIdFolder()), adapterLink());
    Pty other;
    QCOMPARE(Reconnector::byIdPath(other.slavePath(), byIdFolder()), QString());
}

void TestHotplug::comesBack_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("link removed and made again") << int(Unplug::Link);
    QTest::newRow("by-id folder removed with it") << int(Unplug::Folder);
    QTest::newRow("link left behind, its node back") << int(Unplug::Target);
}

// One message when it goes; reopened within a second of its return without another.
void TestHotplug::comesBack()
{
    QFETCH(int, how);
    pullOut(Unplug(how));
    QTRY_COMPARE(m_messages, QStringList{PortUnavailable});
    QVERIFY(!configure()->isEnabled());
    QVERIFY(m_window->commPort().reconnector().isWaiting());
    QTest::qWait(300);

    plugIn(Unplug(how));
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(m_window->serialPort().isOpen(), 2000);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(configure()->isEnabled());
    QCOMPARE(m_messages, QStringList{PortUnavailable});
    QCOMPARE(m_window->serialPort().deviceName(), adapterLink());
    m_window->cmdLeftArrow_Click();
    QCOMPARE(m_pty->read(2), hex("F8 03"));
}

// Choosing a port from the menu works as before and ends the wait for the old one.
void TestHotplug::menuChoiceEndsTheWait()
{
    pullOut(Unplug::Link);
    QTRY_COMPARE(m_messages.size(), 1);
    m_window->mnuCOM_Click(2);
    QCOMPARE(m_messages.size(), 2);
    QVERIFY(!m_window->commPort().reconnector().isWaiting());
    plugIn();
    QTest::qWait(600);
    QVERIFY(!m_window->serialPort().isOpen());
    QVERIFY(!configure()->isEnabled());
    QCOMPARE(m_window->commPort().commPort(), 2);
}

// Lost again straight after coming back: reopened again, but reported only the first time.
void TestHotplug::deviceThatKeepsDroppingOut()
{
    for (int round = 0; round < 3; ++round) {
        pullOut(Unplug::Link);
        plugIn();
        QTRY_VERIFY(m_window->serialPort().isOpen());
    }
    QCOMPARE(m_messages, QStringList{PortUnavailable});
    QVERIFY(configure()->isEnabled());
}

QTEST_MAIN(TestHotplug)
#include "tst_hotplug.moc"
