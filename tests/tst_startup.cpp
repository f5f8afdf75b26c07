#include "aboutdialog.h"
#include "appsettings.h"
#include "connectionstatelabel.h"
#include "frmmain.h"
#include "messagebox.h"
#include "portresolver.h"
#include "testsupport.h"
#include "twips.h"
#include "windowplacement.h"
#include "workspace.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSerialPort>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
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
    void portStateInTheMenuBar();
    void storedIdleGap_data();
    void storedIdleGap();
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
    void outputWhileDriverIsFull();
    void farEndHangsUp_data();
    void farEndHangsUp();
    void lineSettings_data();
    void lineSettings();
    void deviceOrder_data();
    void deviceOrder();
    void tabOrder();
    void windowLayout();
    void controls_data();
    void controls();

    void commandLine_data();
    void commandLine();
    void runSettings_data();
    void runSettings();
    void messageBoxOverItsWindow();
    void disabledConfigureReadable();
    void messageBoxShowsItsCaption_data();
    void messageBoxShowsItsCaption();
    void reachablePosition_data();
    void reachablePosition();
    void positionRemembered_data();
    void positionRemembered();
    void about();

private:
    QStringList m_messages;
    QStringList m_details;
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
    m_details.clear();
    prompter().onMessageDetail = [this](QWidget *, const QString &text, const QString &detail) {
        m_messages.append(text);
        m_details.append(detail);
    };
}

void TestStartup::cleanup()
{
    prompter().reset();
}

void TestStartup::firstRunOpensCom1()
{
    Pty pty;
    mapPort(1, pty.slavePath());
    Workspace program(prompter());
    FrmMain &window = program.window();
    window.Form_Load();

    QVERIFY(m_messages.isEmpty());
    QVERIFY(window.serialPort().isOpen());
    QCOMPARE(window.commPort().commPort(), 1);
    QCOMPARE(window.serialPort().deviceName(), pty.slavePath());
    QCOMPARE(checkedPorts(window), QList<int>{1});
    QVERIFY(configureEnabled(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("8x8 Glyphsmith"));
    // Each COM item tells which device it stands for, once the menu opens.
    auto *menu = window.findChild<QMenu *>(QStringLiteral("mnuComm"));
    menu->popup(QPoint());
    QCOMPARE(comItem(window, 1)->statusTip(), pty.slavePath());
    QCOMPARE(comItem(window, 3)->statusTip(), missingDevicePath(3));
    QCOMPARE(comItem(window, 3)->toolTip(), missingDevicePath(3));
    menu->hide();
    // Nothing is written at start-up.
    QCOMPARE(storedCommPort(), QString());
}

void TestStartup::storedPortOpens()
{
    Pty pty;
    mapPort(4, pty.slavePath());
    setStoredCommPort(QStringLiteral("4"));
    Workspace program(prompter());
    FrmMain &window = program.window();
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
    Workspace program(prompter());
    FrmMain &window = program.window();
    window.Form_Load();

    QCOMPARE(m_messages, QStringList{PortUnavailable});
    // Below the message: the number, its device, the system's reason and the remedy.
    QVERIFY2(m_details.first().startsWith(QStringLiteral("COM2 is %1.\nThe system says: No such "
                                                         "file or directory.\nNo such device")
                                              .arg(missingDevicePath(2))),
             qPrintable(m_details.first()));
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
    Workspace program(prompter());
    FrmMain &window = program.window();
    window.Form_Load();

    QVERIFY(m_messages.isEmpty());
    QCOMPARE(window.commPort().commPort(), 1);
    QCOMPARE(checkedPorts(window), QList<int>{1});
    QVERIFY(window.serialPort().isOpen());
}

void TestStartup::choosePort()
{
    Pty first, second;
    mapPort(1, first.slavePath());
    mapPort(3, second.slavePath());
    Workspace program(prompter());
    FrmMain &window = program.window();
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
    Workspace program(prompter());
    FrmMain &window = program.window();
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
    Workspace program(prompter());
    FrmMain &window = program.window();
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

    Workspace program(prompter());

    FrmMain &window = program.window();
    window.Form_Load();
    QCOMPARE(m_messages, QStringList{PortUnavailable});
    // The holder is named, with its process id, from the port's lock file.
    const QString holder = QStringLiteral("Another program holds the port: %1 (process %2).")
                               .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName())
                               .arg(QCoreApplication::applicationPid());
    QVERIFY2(m_details.first().contains(holder), qPrintable(m_details.first()));
    QVERIFY(!window.serialPort().isOpen());
    QVERIFY(!configureEnabled(window));
    QVERIFY2(window.portStateLabel()->fullText().endsWith(QLatin1String(": not available")),
             qPrintable(window.portStateLabel()->fullText()));
}

// The port's state in the menu bar's corner follows the connection: the COM number, the device
// it stands for and whether it is open, waiting for the device or not available, the reason in
// the tool tip; the window keeps its size.
void TestStartup::portStateInTheMenuBar()
{
    Pty pty;
    mapPort(1, pty.slavePath());
    Workspace program(prompter());
    FrmMain &window = program.window();
    window.Form_Load();
    window.show();
    const QSize size = window.size();
    ConnectionStateLabel *state = window.portStateLabel();
    QCOMPARE(window.menuBar()->cornerWidget(Qt::TopRightCorner), state);
    QCOMPARE(state->fullText(), QStringLiteral("COM1 %1: open").arg(pty.slavePath()));
    QVERIFY(state->geometry().left() >=
            window.menuBar()->actionGeometry(window.menuBar()->actions().last()).right());

    window.mnuCOM_Click(2);
    QCOMPARE(state->fullText(), QStringLiteral("COM2 %1: not available").arg(missingDevicePath(2)));
    QVERIFY2(state->toolTip().contains(QLatin1String("No such device")),
             qPrintable(state->toolTip()));

    window.mnuCOM_Click(1);
    pty.closeMaster();
    QTRY_COMPARE(state->fullText(),
                 QStringLiteral("COM1 %1: waiting for the device").arg(pty.slavePath()));
    QVERIFY2(state->toolTip().contains(QLatin1String("went away")), qPrintable(state->toolTip()));
    QCOMPARE(window.size(), size);
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
    ModuleConnection link;
    QVERIFY(link.setSettings(QStringLiteral("9600,n,8,1")));
    QVERIFY(link.openDevice(pty.slavePath()));
    QVERIFY(link.send(bytes));
    QCOMPARE(pty.read(int(bytes.size())), bytes);
    QCOMPARE(pty.readAll(50), QByteArray());

    // And the other way: what the module sends is read back unchanged, then nothing waits.
    pty.write(bytes);
    QTRY_COMPARE(link.inBufferCount(), bytes.size());
    QCOMPARE(link.input(), bytes);
    QCOMPARE(link.inBufferCount(), 0);
}

void TestStartup::outputWhileDriverIsFull()
{
    // Far more than a driver buffers, handed over while the far end reads nothing yet, as on a
    // slow line: every byte must arrive, in order, and a full buffer is no lost device.
    Pty pty;
    ModuleConnection link;
    QSignalSpy lost(&link, &ModuleConnection::lost);
    // A fast line, so that the link's pacing lets the messages out within the test's patience.
    QVERIFY(link.setSettings(QStringLiteral("921600,n,8,1")));
    QVERIFY(link.openDevice(pty.slavePath()));

    QByteArray sent;
    for (int message = 0; message < 4000; ++message) {
        const QByteArray bytes = Protocol::dotMatrix({quint8(message), 0xF0, 0xFE,
                                                      quint8(message >> 8), 0, 0xFF, 0xAA, 0x55})
                                     .bytes();
        QVERIFY2(link.send(bytes), qPrintable(QString::number(message)));
        sent += bytes;
    }
    QCOMPARE(pty.read(int(sent.size()), 10000), sent);
    QVERIFY(link.isOpen());
    QCOMPARE(lost.count(), 0);
}

void TestStartup::sendWhileClosed()
{
    Workspace program(prompter());
    FrmMain &window = program.window();
    window.Form_Load();
    QCOMPARE(m_messages.size(), 1);

    m_messages.clear();
    window.cmdUpArrow_Click();
    QCOMPARE(m_messages, QStringList{PortUnavailable});
    QVERIFY(!configureEnabled(window));
}

void TestStartup::farEndHangsUp_data()
{
    QTest::addColumn<bool>("sendAtOnce");
    QTest::newRow("noticed by the event loop") << false;
    // The send comes before the event loop has seen the hang-up: the write itself fails.
    QTest::newRow("noticed by a send") << true;
}

void TestStartup::farEndHangsUp()
{
    QFETCH(bool, sendAtOnce);
    Pty pty;
    mapPort(1, pty.slavePath());
    Workspace program(prompter());
    FrmMain &window = program.window();
    window.Form_Load();
    QVERIFY(window.serialPort().isOpen());

    pty.closeMaster();
    if (sendAtOnce) {
        window.cmdDotM_Click();
        QCOMPARE(m_messages, QStringList{PortUnavailable});
        QVERIFY(!window.serialPort().errorString().isEmpty());
    }
    const double cpuBefore = processCpuSeconds();
    QTest::qWait(1000);
    const double cpuUsed = processCpuSeconds() - cpuBefore;

    // One loss, one message, whichever side noticed it first.
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
    ModuleConnection link;
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
    Workspace program(prompter());
    FrmMain &window = program.window();
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The grid is one focus stop, where the frame that holds it stands: first in the order, so
    // after the last control and before the first one that takes the focus at start-up.
    const QStringList expected = {
        "txtSASC",    "cmdSSA",       "cmdCLR",        "txtScroll",    "cmdScroll", "cmdDotM",
        "cmdAnimate", "cboSpeed",     "cmdSpeed",      "cboCustom",    "cmdSave",   "cmdLoadCustom",
        "cmdUpArrow", "cmdDownArrow", "cmdRightArrow", "cmdLeftArrow", "dotMatrix", "txtSASC"};
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

void TestStartup::windowLayout()
{
    Workspace program(prompter());
    FrmMain &window = program.window();
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("8x8 Glyphsmith"));
    QCOMPARE(window.centralWidget()->size(), QSize(607, 416));
    QCOMPARE(window.centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(window.windowIcon().actualSize(QSize(32, 32)), QSize(32, 32));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtSASC"));

    // The controls keep their places when the window is resized.
    auto *send = window.findChild<QWidget *>(QStringLiteral("cmdDotM"));
    const QRect before = send->geometry();
    window.resize(900, 700);
    QCOMPARE(send->geometry(), before);

    QAction *configure = window.findChild<QAction *>(QStringLiteral("mnuConfig"));
    QVERIFY(!configure->menu()); // a command on the menu bar itself
    QCOMPARE(configure->text(), QStringLiteral("Configure"));
}

void TestStartup::controls_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    const QString window = QStringLiteral("client");
    QTest::newRow("Frame1") << window << "DOT MATRIX" << QRect(360, 240, 3495, 3495);
    QTest::newRow("lblC1") << window << "0" << QRect(240, 3960, 375, 255);
    QTest::newRow("lblC8") << window << "0" << QRect(3600, 3960, 375, 255);
    QTest::newRow("Frame2") << window << "Single ASCII Character" << QRect(4560, 240, 4095, 1575);
    QTest::newRow("txtSASC") << "Frame2" << QString() << QRect(360, 480, 735, 735);
    QTest::newRow("cmdSSA") << "Frame2"
                            << "Show Single ASCII" << QRect(1440, 600, 1815, 495);
    QTest::newRow("cmdCLR") << window << "Clear ALL" << QRect(480, 4560, 855, 375);
    QTest::newRow("Frame3") << window << "Scrolling Message" << QRect(4560, 2040, 4095, 2175);
    QTest::newRow("txtScroll") << "Frame3" << QString() << QRect(360, 360, 3375, 405);
    QTest::newRow("cmdScroll") << "Frame3"
                               << "SCROLL" << QRect(240, 960, 1455, 375);
    QTest::newRow("cmdDotM") << window << "Send Dot Matrix" << QRect(1560, 4560, 2295, 375);
    QTest::newRow("cmdAnimate") << "Frame3"
                                << "ANIMATE" << QRect(2400, 960, 1455, 375);
    QTest::newRow("Label1") << "Frame3"
                            << "SPEED" << QRect(240, 1440, 855, 255);
    QTest::newRow("cboSpeed") << "Frame3" << QString() << QRect(240, 1680, 1215, 315);
    QTest::newRow("cmdSpeed") << "Frame3"
                              << "Set Speed" << QRect(1920, 1560, 1455, 375);
    QTest::newRow("cboCustom") << window << QString() << QRect(1560, 5160, 735, 315);
    QTest::newRow("cmdSave") << window << "Save in Position" << QRect(480, 5160, 855, 615);
    QTest::newRow("cmdLoadCustom")
        << window << "Show Custom Character" << QRect(2520, 5160, 1335, 615);
    QTest::newRow("Frame4") << window << "Show Built-In Animation" << QRect(4560, 4440, 4095, 1455);
    QTest::newRow("cmdUpArrow") << "Frame4"
                                << "UP ARROW" << QRect(240, 360, 1455, 375);
    QTest::newRow("cmdDownArrow") << "Frame4"
                                  << "DOWN ARROW" << QRect(2280, 360, 1455, 375);
    QTest::newRow("cmdRightArrow") << "Frame4"
                                   << "RIGHT ARROW" << QRect(240, 840, 1455, 375);
    QTest::newRow("cmdLeftArrow") << "Frame4"
                                  << "LEFT ARROW" << QRect(2280, 840, 1455, 375);
}

void TestStartup::controls()
{
    QFETCH(QString, parent);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    Workspace program(prompter());
    FrmMain &window = program.window();
    auto *widget = window.findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(),
             Twips::rect(twips.left(), twips.top(), twips.width(), twips.height()));
    QCOMPARE(TestSupport::caption(widget), caption);
}

void TestStartup::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("error");
    // No display at all: help and version are answered all the same.
    QTest::newRow("help") << QStringList{"--help"} << 0
                          << "^Usage: glyphsmith \\[options\\] \\[FILE\\.glyphs\\]\n(.|\n)*"
                             "\n  --new-instance +Starts a program of its own"
                          << "^$";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "^glyphsmith \\d+\\.\\d+\\.\\d+\n$"
                             << "^$";
    QTest::newRow("no display") << QStringList{} << 1 << "^$"
                                << "^glyphsmith: no display found;[^\n]*\n$";
    QTest::newRow("unknown option") << QStringList{"--bogus", "-platform", "offscreen"} << 2 << "^$"
                                    << "^glyphsmith: Unknown option 'bogus'";
    // A mistake is found before the missing display.
    QTest::newRow("unknown option, no display")
        << QStringList{"--bogus"} << 2 << "^$"
        << "^glyphsmith: Unknown option 'bogus'\\.\nTry 'glyphsmith --help'\\.\n$";
    // A library file is one argument; it is opened once there is a display.
    QTest::newRow("a file, no display") << QStringList{"patterns.glyphs"} << 1 << "^$"
                                        << "^glyphsmith: no display found;";
    QTest::newRow("two files, no display")
        << QStringList{"a.glyphs", "b.glyphs"} << 2 << "^$"
        << "^glyphsmith: the program opens one library at a time; 2 files were given\n";
    QTest::newRow("new instance, no display") << QStringList{"--new-instance"} << 1 << "^$"
                                              << "^glyphsmith: no display found;";
    QTest::newRow("Qt's option without its value")
        << QStringList{"-platform"} << 2 << "^$"
        << "^glyphsmith: Missing value after '-platform'";
    // Qt's own options are known as such, and leave the display to be missed.
    QTest::newRow("Qt's options, no display")
        << QStringList{"-qwindowtitle", "Glyphs", "-reverse", "--style=fusion"} << 1 << "^$"
        << "^glyphsmith: no display found;";
    QTest::newRow("Qt's option in a form Qt does not read")
        << QStringList{"-platform", "offscreen", "--platform=minimal"} << 2 << "^$"
        << "^glyphsmith: Unknown option 'platform'";
    QTest::newRow("help with Qt's options")
        << QStringList{"--help-all"} << 0
        << "^Usage: glyphsmith \\[options\\] \\[FILE\\.glyphs\\]\n(.|\n)*\n  --platform "
           "<platformName\\[:options\\]>"
           "(.|\n)*\n  --qwindowgeometry <geometry> "
        << "^$";
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("GLYPHSMITH_PROGRAM"), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(QRegularExpression(out).match(stdOut).hasMatch(), qPrintable(stdOut));
    QVERIFY2(QRegularExpression(error).match(stdErr).hasMatch(), qPrintable(stdErr));
}

void TestStartup::runSettings_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("no settings file") << QByteArray();
    QTest::newRow("[Ports] without COM1") << QByteArray("[Ports]\nCOM3=/dev/ttyS0\n");
    QTest::newRow("COM1 and COM2 elsewhere, other groups kept")
        << QByteArray("[Properties]\nCommPort=2\n\n[Ports]\nCOM1=/dev/ttyUSB0\nCOM2=/dev/ttyS0\n"
                      "\n[Link]\nIdleGap=7\n");
}

void TestStartup::runSettings()
{
    // `make run` must never let a COM number stand for a real device of the machine.
    QFETCH(QByteArray, before);
    QTemporaryDir folder;
    const QString conf = folder.filePath(QStringLiteral("config/Kaldor8x8.conf"));
    const QString link = folder.filePath(QStringLiteral("module"));
    if (!before.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(conf).absolutePath()));
        QFile file(conf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    QProcess script;
    script.start(QStringLiteral("sh"), {qEnvironmentVariable("GLYPHSMITH_SOURCE_DIR") +
                                            QStringLiteral("/scripts/run-settings"),
                                        conf, link});
    QVERIFY(script.waitForFinished(5000));
    QCOMPARE(script.exitCode(), 0);

    QSettings settings(conf, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Ports/COM1")).toString(), link);
    for (int port = 2; port <= 6; ++port) {
        const QString device = settings.value(QStringLiteral("Ports/COM%1").arg(port)).toString();
        QVERIFY2(!device.isEmpty() && !QFileInfo::exists(device), qPrintable(device));
    }
    if (before.contains("CommPort=2")) {
        QCOMPARE(settings.value(QStringLiteral("Properties/CommPort")).toString(),
                 QStringLiteral("2"));
        QCOMPARE(settings.value(QStringLiteral("Link/IdleGap")).toString(), QStringLiteral("7"));
    }
}

void TestStartup::messageBoxOverItsWindow()
{
    // Before its first show a window is where it has been placed; afterwards, where it is.
    QWidget window;
    window.setGeometry(100, 200, 400, 300);
    QCOMPARE(MessageBox::placement(&window, QSize(200, 100)), QPoint(200, 300));
    auto *child = new QWidget(&window);
    QCOMPARE(MessageBox::placement(child, QSize(100, 50)), QPoint(250, 325));
}

void TestStartup::disabledConfigureReadable()
{
    Workspace program(prompter());
    FrmMain &window = program.window();
    window.Form_Load(); // COM1 missing: "Configure" stays disabled
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QMenuBar *bar = window.menuBar();
    QAction *configure = window.findChild<QAction *>(QStringLiteral("mnuConfig"));
    QVERIFY(!configure->isEnabled());
    const QImage picture = bar->grab(bar->actionGeometry(configure)).toImage();
    int darkest = 255;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            darkest = qMin(darkest, qGray(picture.pixel(x, y)));
    }
    // Readable against the grey (192) of the bar, yet not black as enabled text is.
    QVERIFY2(darkest <= 110 && darkest >= 60, qPrintable(QString::number(darkest)));
}

// [Link] IdleGap in the settings file is the quiet time after a text, from start-up on; a value
// out of range, or no number, leaves the line's own 5 ms.
void TestStartup::storedIdleGap_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("atLeastMs"); // from the first text's start to the second's
    QTest::addColumn<double>("belowMs");
    const double text = 3 * 1.0417; // "FD 48 49"
    QTest::newRow("60 ms") << "60" << text + 60 << text + 120;
    QTest::newRow("0 ms") << "0" << text << text + 4.5;
    QTest::newRow("nothing stored") << QString() << text + 5 << text + 40;
    QTest::newRow("out of range") << "5000" << text + 5 << text + 40;
    QTest::newRow("no number") << "long" << text + 5 << text + 40;
}

void TestStartup::storedIdleGap()
{
    QFETCH(QString, stored);
    QFETCH(double, atLeastMs);
    QFETCH(double, belowMs);
    if (!stored.isNull()) {
        QSettings settings(AppSettings::fileName(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Link/IdleGap"), stored);
    }
    Pty pty;
    mapPort(1, pty.slavePath());
    Workspace program(prompter());
    FrmMain &window = program.window();
    window.Form_Load();
    QVERIFY(window.serialPort().isOpen());
    auto *text = window.findChild<QLineEdit *>(QStringLiteral("txtScroll"));
    QElapsedTimer clock;
    clock.start();
    text->setText(QStringLiteral("HI"));
    window.cmdScroll_Click();
    text->setText(QStringLiteral("HO"));
    window.cmdScroll_Click();
    QCOMPARE(pty.read(3, 1000), hex("FD 48 49"));
    QCOMPARE(pty.read(3, 1000), hex("FD 48 4F"));
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    QVERIFY2(ms >= atLeastMs, qPrintable(QString::number(ms)));
    QVERIFY2(ms < belowMs, qPrintable(QString::number(ms)));
}

void TestStartup::messageBoxShowsItsCaption_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a short message") << "No Speed Selected";
    QTest::newRow("one word") << "OK";
    QTest::newRow("nothing") << "";
}

// A box with a short text is still wide enough for its caption: the title bar would cut
// "Kaldor8x8" down to "K...8" otherwise.
void TestStartup::messageBoxShowsItsCaption()
{
    QFETCH(QString, text);
    const QString caption = QString::fromLatin1(MessageBox::Caption);
    const int needed = MessageBox::captionWidth(caption);
    QVERIFY(needed > QFontMetrics(QApplication::font()).horizontalAdvance(caption));
    QMessageBox plain(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    plain.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain));
    // Without the fit, Qt makes such a box narrower than its caption needs.
    QVERIFY2(plain.width() < needed, qPrintable(QString::number(plain.width())));
    QMessageBox fitted(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    MessageBox::fitCaption(fitted);
    fitted.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fitted));
    QVERIFY2(fitted.width() >= needed,
             qPrintable(QStringLiteral("%1 < %2").arg(fitted.width()).arg(needed)));
}

void TestStartup::reachablePosition_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("reachable");
    // Two screens side by side, 1280 x 1024 and 1024 x 768 with a panel of 32 at the bottom.
    QTest::newRow("on the first screen") << QPoint(100, 100) << true;
    QTest::newRow("on the second screen") << QPoint(1400, 200) << true;
    QTest::newRow("across both") << QPoint(1000, 300) << true;
    QTest::newRow("most of it off the right edge") << QPoint(2200, 100) << true;
    QTest::newRow("only its last pixels on screen") << QPoint(2290, 100) << false;
    QTest::newRow("title bar above the screens") << QPoint(100, -30) << false;
    QTest::newRow("below the second, shorter screen") << QPoint(1500, 900) << false;
    QTest::newRow("off to the left") << QPoint(-700, 100) << false;
    QTest::newRow("far away, as after a screen went") << QPoint(5000, 4000) << false;
}

void TestStartup::reachablePosition()
{
    QFETCH(QPoint, position);
    QFETCH(bool, reachable);
    const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 736)};
    QCOMPARE(WindowPlacement::isReachable(position, QSize(610, 450), screens), reachable);
}

void TestStartup::positionRemembered_data()
{
    QTest::addColumn<QVariant>("stored"); // what the settings hold
    QTest::addColumn<bool>("restored");
    QTest::newRow("a position on the screen") << QVariant(QPoint(37, 45)) << true;
    QTest::newRow("off every screen") << QVariant(QPoint(9000, 9000)) << false;
    QTest::newRow("not a position") << QVariant(QStringLiteral("left")) << false;
    QTest::newRow("nothing stored") << QVariant() << false;
}

// Where the window was when it closed is where it opens next time, in a group of its own;
// its size stays as it is.
void TestStartup::positionRemembered()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, restored);
    QSize size;
    {
        Workspace program(prompter());
        FrmMain &window = program.window();
        size = window.size();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.move(52, 61);
        QVERIFY(window.close());
        QCOMPARE(WindowPlacement::storedPosition(), std::optional<QPoint>(QPoint(52, 61)));
        QCOMPARE(storedCommPort(), QString());
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    settings.setValue(QStringLiteral("MainWindow/Position"), stored);
    if (!stored.isValid())
        settings.remove(QStringLiteral("MainWindow/Position"));
    settings.sync();

    Workspace program(prompter());
    FrmMain &window = program.window();
    WindowPlacement::place(&window);
    QCOMPARE(window.size(), size);
    if (restored) {
        QCOMPARE(window.pos(), stored.toPoint());
    } else {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 1 &&
                     qAbs(window.frameGeometry().center().y() - screen.center().y()) <= 1,
                 "centred, as at a first start");
    }
}

void TestStartup::about()
{
    Workspace program(prompter());
    FrmMain &window = program.window();
    QMenu *help = window.findChild<QMenu *>(QStringLiteral("mnuHelp"));
    QVERIFY(help);
    const QList<QAction *> actions = help->actions();
    QCOMPARE(actions.constLast()->objectName(), QStringLiteral("mnuAbout"));
    QCOMPARE(actions.constLast()->text(), QStringLiteral("&About 8x8 Glyphsmith"));
    QString title;
    QString text;
    QStringList buttons;
    prompter().onDialog = [&](QDialog &dialog) {
        title = dialog.windowTitle();
        text = dialog.findChild<QLabel *>(QStringLiteral("lblAbout"))->text();
        for (const QPushButton *button : dialog.findChildren<QPushButton *>())
            buttons << button->text();
        return int(QDialog::Rejected);
    };
    actions.constLast()->trigger();
    QCOMPARE(title, QStringLiteral("About 8x8 Glyphsmith"));
    QVERIFY2(QRegularExpression(QStringLiteral("<h3>8x8 Glyphsmith \\d+\\.\\d+\\.\\d+</h3>"))
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
    for (const char *part : {"Licence: GPL-3.0-or-later.",
                             "<a href=\"file:///usr/share/doc/glyphsmith/README.md\">"
                             "/usr/share/doc/glyphsmith/README.md</a>",
                             "<a href=\"https://glyphsmith.org/\">https://glyphsmith.org/</a>"})
        QVERIFY2(text.contains(QLatin1String(part)), part);
    QCOMPARE(buttons, QStringList{"Close"});
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
