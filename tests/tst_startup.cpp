#include "appsettings.h"
#include "frmmain.h"
#include "messagebox.h"
#include "portresolver.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QSerialPort>
#include <QTest>

#include <ctime>

using namespace TestSupport;

namespace {

const QString PortUnavailable = QStringLiteral("Selected Comm Port Not Available");

QAction *comItem(FrmMain &window, int index)
{
    const auto items = window.findChildren<QAction *>(QStringLiteral("mnuCOM"));
    for (QAction *item : items) {
        if (item->property("Index").toInt() == index)
            return item;
    }
    return nullptr;
}

QList<int> checkedPorts(FrmMain &window)
{
    QList<int> checked;
    for (int index = 1; index <= 6; ++index) {
        if (comItem(window, index)->isChecked())
            checked.append(index);
    }
    return checked;
}

bool configureEnabled(FrmMain &window)
{
    return window.findChild<QAction *>(QStringLiteral("mnuConfig"))->isEnabled();
}

QString selected(FrmMain &window, const char *list)
{
    return window.findChild<QComboBox *>(QLatin1String(list))->currentText();
}

double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

} // namespace

// Start-up, the port menu and the port object against ptys and missing devices.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstRunOpensCom1();
    void storedPortOpens();
    void missingPortAtStartup();
    void badStoredValue_data();
    void badStoredValue();
    void choosePort();
    void choosePortFails();
    void choosingReleasesOldPortFirst();
    void portHeldByAnotherProgram();
    void outputIsByteExact_data();
    void outputIsByteExact();
    void sendWhileClosed();
    void farEndHangsUp();
    void lineSettings_data();
    void lineSettings();
    void deviceOrder_data();
    void deviceOrder();
    void tabOrder();

private:
    QStringList m_messages;
};

void TestStartup::initTestCase()
{
    useTemporarySettings();
}

void TestStartup::init()
{
    clearSettings();
    mapAllPortsToMissing();
    m_messages.clear();
    MessageBox::setHandler([this](QWidget *, const QString &text) { m_messages.append(text); });
}

void TestStartup::cleanup()
{
    MessageBox::setHandler({});
}

void TestStartup::firstRunOpensCom1()
{
    Pty pty;
    mapPort(1, pty.slavePath());
    FrmMain window;
    window.Form_Load();

    QVERIFY(m_messages.isEmpty());
    QVERIFY(window.serialPort().isOpen());
    QCOMPARE(window.serialPort().commPort(), 1);
    QCOMPARE(window.serialPort().deviceName(), pty.slavePath());
    QCOMPARE(checkedPorts(window), QList<int>{1});
    QVERIFY(configureEnabled(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("8x8 Glyphsmith"));
    // Nothing is written at start-up.
    QCOMPARE(storedCommPort(), QString());
}

void TestStartup::storedPortOpens()
{
    Pty pty;
    mapPort(4, pty.slavePath());
    setStoredCommPort(QStringLiteral("4"));
    FrmMain window;
    window.Form_Load();

    QVERIFY(m_messages.isEmpty());
    QVERIFY(window.serialPort().isOpen());
    QCOMPARE(checkedPorts(window), QList<int>{4});
    QVERIFY(configureEnabled(window));
    QCOMPARE(selected(window, "cboSpeed"), QStringLiteral("3"));
    QCOMPARE(selected(window, "cboCustom"), QStringLiteral("0"));
}

void TestStartup::missingPortAtStartup()
{
    setStoredCommPort(QStringLiteral("2"));
    FrmMain window;
    window.Form_Load();

    QCOMPARE(m_messages, QStringList{PortUnavailable});
    QVERIFY(!window.serialPort().isOpen());
    QCOMPARE(checkedPorts(window), QList<int>{2});
    QVERIFY(!configureEnabled(window));
    // The lists are filled whatever happens to the port.
    QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("cboSpeed"))->count(), 4);
    QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("cboCustom"))->count(), 10);
    QCOMPARE(selected(window, "cboSpeed"), QStringLiteral("3"));
    QCOMPARE(selected(window, "cboCustom"), QStringLiteral("0"));
}

void TestStartup::badStoredValue_data()
{
    QTest::addColumn<QString>("stored");
    for (const char *value : {"", "0", "7", "-1", "abc", "1.5", " 3", "99999", "01", "3 "})
        QTest::newRow(qPrintable(QStringLiteral("\"%1\"").arg(QLatin1String(value))))
            << QString::fromLatin1(value);
}

void TestStartup::badStoredValue()
{
    QFETCH(QString, stored);
    Pty pty;
    mapPort(1, pty.slavePath());
    setStoredCommPort(stored);
    FrmMain window;
    window.Form_Load();

    QVERIFY(m_messages.isEmpty());
    QCOMPARE(window.serialPort().commPort(), 1);
    QCOMPARE(checkedPorts(window), QList<int>{1});
    QVERIFY(window.serialPort().isOpen());
}

void TestStartup::choosePort()
{
    Pty first, second;
    mapPort(1, first.slavePath());
    mapPort(3, second.slavePath());
    FrmMain window;
    window.Form_Load();

    comItem(window, 3)->trigger();
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(window.serialPort().deviceName(), second.slavePath());
    QVERIFY(window.serialPort().isOpen());
    QCOMPARE(checkedPorts(window), QList<int>{3});
    QVERIFY(configureEnabled(window));
    QCOMPARE(storedCommPort(), QStringLiteral("3"));

    // Choosing the open port again reopens it and stores it again.
    setStoredCommPort(QStringLiteral("5"));
    comItem(window, 3)->trigger();
    QVERIFY(window.serialPort().isOpen());
    QCOMPARE(checkedPorts(window), QList<int>{3});
    QCOMPARE(storedCommPort(), QStringLiteral("3"));
}

void TestStartup::choosePortFails()
{
    Pty pty;
    mapPort(1, pty.slavePath());
    FrmMain window;
    window.Form_Load();
    window.mnuCOM_Click(1);
    QCOMPARE(storedCommPort(), QStringLiteral("1"));

    window.mnuCOM_Click(6);
    QCOMPARE(m_messages, QStringList{PortUnavailable});
    QVERIFY(!window.serialPort().isOpen());
    QCOMPARE(checkedPorts(window), QList<int>{6});
    QVERIFY(!configureEnabled(window));
    QCOMPARE(storedCommPort(), QStringLiteral("1"));

    // A later successful choice repairs everything.
    window.mnuCOM_Click(1);
    QVERIFY(window.serialPort().isOpen());
    QVERIFY(configureEnabled(window));
    QCOMPARE(checkedPorts(window), QList<int>{1});
}

void TestStartup::choosingReleasesOldPortFirst()
{
    Pty pty;
    mapPort(1, pty.slavePath());
    FrmMain window;
    window.Form_Load();

    QSerialPort other(pty.slavePath());
    QVERIFY(!other.open(QIODevice::ReadWrite)); // held by the program

    // COM2 is mapped to the same device: it can only open if COM1 was released first.
    mapPort(2, pty.slavePath());
    window.mnuCOM_Click(2);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(window.serialPort().isOpen());

    window.mnuCOM_Click(5); // fails, and the old port is released all the same
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(other.open(QIODevice::ReadWrite));
}

void TestStartup::portHeldByAnotherProgram()
{
    Pty pty;
    mapPort(1, pty.slavePath());
    QSerialPort other(pty.slavePath());
    QVERIFY(other.open(QIODevice::ReadWrite));

    FrmMain window;
    window.Form_Load();
    QCOMPARE(m_messages, QStringList{PortUnavailable});
    QVERIFY(!window.serialPort().isOpen());
    QVERIFY(!configureEnabled(window));
}

void TestStartup::outputIsByteExact_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("command alone") << hex("FE");
    QTest::newRow("show char A") << hex("FE 41");
    QTest::newRow("zero byte does not end the message") << hex("F8 00");
    QTest::newRow("00 and FF in a payload") << hex("FC 00 FF 00 FF F0 FE 0A 0D");
    QByteArray all;
    for (int value = 0; value < 256; ++value)
        all.append(char(value));
    QTest::newRow("every byte value") << all;
}

void TestStartup::outputIsByteExact()
{
    QFETCH(QByteArray, bytes);
    Pty pty;
    mapPort(1, pty.slavePath());
    SerialLink link;
    QVERIFY(link.setSettings(QStringLiteral("9600,n,8,1")));
    link.setCommPort(1);
    QVERIFY(link.open());
    QVERIFY(link.output(bytes));
    QCOMPARE(pty.read(int(bytes.size())), bytes);
    QCOMPARE(pty.readAll(50), QByteArray());

    // And the other way: what the module sends is read back unchanged, then nothing waits.
    pty.write(bytes);
    QTRY_COMPARE(link.inBufferCount(), bytes.size());
    QCOMPARE(link.input(), bytes);
    QCOMPARE(link.inBufferCount(), 0);
}

void TestStartup::sendWhileClosed()
{
    FrmMain window;
    window.Form_Load();
    QCOMPARE(m_messages.size(), 1);

    m_messages.clear();
    window.cmdUpArrow_Click();
    QCOMPARE(m_messages, QStringList{PortUnavailable});
    QVERIFY(!configureEnabled(window));
}

void TestStartup::farEndHangsUp()
{
    Pty pty;
    mapPort(1, pty.slavePath());
    FrmMain window;
    window.Form_Load();
    QVERIFY(window.serialPort().isOpen());

    pty.closeMaster();
    const double cpuBefore = processCpuSeconds();
    QTest::qWait(1000);
    const double cpuUsed = processCpuSeconds() - cpuBefore;

    QCOMPARE(m_messages, QStringList{PortUnavailable});
    QVERIFY(!window.serialPort().isOpen());
    QVERIFY(!configureEnabled(window));
    // A port that floods read errors must not keep a core busy.
    QVERIFY2(cpuUsed < 0.3, qPrintable(QStringLiteral("CPU seconds: %1").arg(cpuUsed)));

    // A send after that reports once more and goes nowhere.
    m_messages.clear();
    window.cmdDotM_Click();
    QCOMPARE(m_messages, QStringList{PortUnavailable});
}

void TestStartup::lineSettings_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("valid");
    QTest::newRow("module line") << "9600,n,8,1" << true;
    QTest::newRow("even parity, 7 bits, 2 stop") << "19200,e,7,2" << true;
    QTest::newRow("missing field") << "9600,n,8" << false;
    QTest::newRow("bad parity") << "9600,x,8,1" << false;
    QTest::newRow("bad data bits") << "9600,n,9,1" << false;
    QTest::newRow("bad baud") << "fast,n,8,1" << false;
}

void TestStartup::lineSettings()
{
    QFETCH(QString, settings);
    QFETCH(bool, valid);
    SerialLink link;
    QCOMPARE(link.setSettings(settings), valid);
    QCOMPARE(link.settings(), valid ? settings : QString());
}

void TestStartup::deviceOrder_data()
{
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QStringList>("ordered");
    QTest::newRow("USB before ACM before the rest")
        << QStringList{"ttyS0", "ttyACM0", "ttyUSB1", "ttyAMA0", "ttyUSB0"}
        << QStringList{"ttyUSB0", "ttyUSB1", "ttyACM0", "ttyAMA0", "ttyS0"};
    QTest::newRow("by number, not by text")
        << QStringList{"ttyUSB10", "ttyUSB2", "ttyACM11", "ttyACM9"}
        << QStringList{"ttyUSB2", "ttyUSB10", "ttyACM9", "ttyACM11"};
    QTest::newRow("nothing") << QStringList{} << QStringList{};
}

void TestStartup::deviceOrder()
{
    QFETCH(QStringList, found);
    QFETCH(QStringList, ordered);
    QCOMPARE(PortResolver::orderedDevices(found), ordered);
}

void TestStartup::tabOrder()
{
    FrmMain window;
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QStringList expected = {
        "txtSASC",    "cmdSSA",       "cmdCLR",        "txtScroll",    "cmdScroll", "cmdDotM",
        "cmdAnimate", "cboSpeed",     "cmdSpeed",      "cboCustom",    "cmdSave",   "cmdLoadCustom",
        "cmdUpArrow", "cmdDownArrow", "cmdRightArrow", "cmdLeftArrow", "txtSASC"};
    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
        QWidget *focus = QApplication::focusWidget();
        // An editable list's line edit holds the focus for its list.
        while (focus && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        visited.append(focus ? focus->objectName() : QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
