#include "appsettings.h"
#include "devicesdialog.h"
#include "frmmain.h"
#include "messagebox.h"
#include "networksupport.h"
#include "testsupport.h"
#include "workspace.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSerialPort>
#include <QTableView>
#include <QTest>

using namespace TestSupport;

// The Devices dialog: where it is in the menu, assignments in [Ports], and its Test, which uses
// a link of its own.
class TestDevices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuKeepsThePortsInPlace();
    void endpoints_data();
    void endpoints();
    void columnsFitWhatTheyShow();
    void assignAndUnassign();
    void test_data();
    void test();
    void deviceVanishesDuringTest();
    void heldDeviceNamesItsHolder();
    void keyboardOnly();

private:
    DevicesDialog *openDialog();
    template<typename T> T *control(const char *name)
    {
        return m_window->devicesDialog()->findChild<T *>(QLatin1String(name));
    }

    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    QStringList m_messages;
};

void TestDevices::initTestCase()
{
    useTemporarySettings();
}

void TestDevices::init()
{
    clearSettings();
    mapAllPortsToMissing();
    m_messages.clear();
    prompter().onMessage = [this](QWidget *, const QString &text) { m_messages.append(text); };
}

void TestDevices::cleanup()
{
    delete m_program;
    m_program = nullptr;
    m_window = nullptr;
    prompter().reset();
}

DevicesDialog *TestDevices::openDialog()
{
    if (!m_window) {
        m_program = new Workspace(prompter());
        m_window = &m_program->window();
        m_window->Form_Load();
        m_window->show();
    }
    m_window->mnuDevices_Click();
    return m_window->devicesDialog();
}

void TestDevices::menuKeepsThePortsInPlace()
{
    openDialog();
    const QMenu *menu = m_window->menuBar()->actions().first()->menu();
    QStringList items;
    for (const QAction *action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(items,
             QStringList({"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "-", "Devices..."}));
    DevicesDialog *dialog = m_window->devicesDialog();
    QVERIFY(dialog->isWindow());
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->font(), m_window->font());
    m_window->mnuDevices_Click();
    QCOMPARE(m_window->devicesDialog(), dialog); // shown again, not made twice
}

void TestDevices::endpoints_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("listed"); // empty: refused
    QTest::addColumn<QString>("says");
    QTest::newRow("raw") << "tcp://127.0.0.1:2000"
                         << "tcp://127.0.0.1:2000"
                         << "added";
    QTest::newRow("RFC 2217") << " rfc2217://127.0.0.1:2001 "
                              << "rfc2217://127.0.0.1:2001"
                              << "added";
    QTest::newRow("no port") << "tcp://127.0.0.1"
                             << ""
                             << "no port";
    QTest::newRow("port out of range") << "tcp://127.0.0.1:0"
                                       << ""
                                       << "1 to 65535";
    QTest::newRow("a path") << "/dev/ttyUSB0"
                            << ""
                            << "tcp://host:port";
}

void TestDevices::endpoints()
{
    QFETCH(QString, typed);
    QFETCH(QString, listed);
    QFETCH(QString, says);
    DevicesDialog *dialog = openDialog();
    const int before = dialog->model().rowCount();
    control<QLineEdit>("endpoint")->setText(typed);
    QTest::mouseClick(control<QPushButton>("add"), Qt::LeftButton);
    QVERIFY2(dialog->status().contains(says), qPrintable(dialog->status()));
    if (listed.isEmpty()) {
        QCOMPARE(dialog->model().rowCount(), before);
        return;
    }
    QCOMPARE(dialog->model().rowCount(), before + 1);
    QCOMPARE(dialog->model().entry(dialog->selectedRow()).device, listed);
}

// An endpoint added later shows whole, and no column is wider than what it holds.
void TestDevices::columnsFitWhatTheyShow()
{
    DevicesDialog *dialog = openDialog();
    const QString endpoint =
        QStringLiteral("rfc2217://a-module-with-a-rather-long-host-name.example.net:30001");
    control<QLineEdit>("endpoint")->setText(endpoint);
    QTest::mouseClick(control<QPushButton>("add"), Qt::LeftButton);
    QCOMPARE(dialog->model().entry(dialog->selectedRow()).device, endpoint);
    auto *table = control<QTableView>("deviceTable");
    const QAbstractItemView *view = table; // where sizeHintForColumn() is public
    QHeaderView *header = table->horizontalHeader();
    for (int column = 0; column < dialog->model().columnCount(); ++column) {
        const int needed = qMax(view->sizeHintForColumn(column), header->sectionSizeHint(column));
        QVERIFY2(table->columnWidth(column) >= needed,
                 qPrintable(QStringLiteral("column %1 is cut").arg(column)));
        QVERIFY2(table->columnWidth(column) <= needed + 2,
                 qPrintable(QStringLiteral("column %1 is wider than it needs").arg(column)));
    }
    QVERIFY(table->columnWidth(DeviceListModel::Device) >=
            table->fontMetrics().horizontalAdvance(endpoint));
}

// An assignment goes to [Ports]; the table shows it; Unassign takes it away again.
void TestDevices::assignAndUnassign()
{
    DevicesDialog *dialog = openDialog();
    control<QLineEdit>("endpoint")->setText(QStringLiteral("rfc2217://127.0.0.1:2001"));
    QTest::mouseClick(control<QPushButton>("add"), Qt::LeftButton);
    control<QComboBox>("port")->setCurrentIndex(3);
    QTest::mouseClick(control<QPushButton>("assign"), Qt::LeftButton);
    QCOMPARE(AppSettings::mappedDevice(4), QStringLiteral("rfc2217://127.0.0.1:2001"));
    const int row = dialog->model().rowOf(QStringLiteral("rfc2217://127.0.0.1:2001"));
    QCOMPARE(dialog->model().index(row, DeviceListModel::AssignedTo).data().toString(),
             QStringLiteral("COM4"));
    QCOMPARE(dialog->selectedRow(), row);
    QTest::mouseClick(control<QPushButton>("unassign"), Qt::LeftButton);
    QCOMPARE(AppSettings::mappedDevice(4), std::nullopt);
    // Still listed while the dialog is open, assigned to nothing.
    QCOMPARE(dialog->model().index(row, DeviceListModel::AssignedTo).data().toString(), QString());
}

void TestDevices::test_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("says");
    QTest::newRow("module answers") << QStringList{"--settings-reply", "03 31 05 48 45 4C 4C 4F"}
                                    << "start-up mode 3, speed 2, message \"HELLO\"";
    QTest::newRow("silent module") << QStringList{"--no-reply"} << "no reply";
}

// Test asks the selected device over its own link; the main window's port, open on another
// device, is not disturbed.
void TestDevices::test()
{
    QFETCH(QStringList, faults);
    QFETCH(QString, says);
    SimulatorProcess simulator;
    QVERIFY(simulator.start(faults));
    Pty mainPort;
    mapPort(1, mainPort.slavePath());
    mapPort(2, simulator.link());
    setStoredCommPort(QStringLiteral("1"));
    DevicesDialog *dialog = openDialog();
    QVERIFY(m_window->serialPort().isOpen());
    const int row = dialog->model().rowOf(simulator.link());
    QVERIFY(row >= 0);
    dialog->selectRow(row);
    QTest::mouseClick(control<QPushButton>("test"), Qt::LeftButton);
    QTRY_VERIFY(!dialog->isTesting());
    QVERIFY2(dialog->status().contains(says), qPrintable(dialog->status()));
    QCOMPARE(simulator.messages(), QStringList{"F0"});
    QVERIFY(m_window->serialPort().isOpen());
    QCOMPARE(m_window->serialPort().deviceName(), mainPort.slavePath());
    QCOMPARE(mainPort.readAll(50), QByteArray());
    QVERIFY(m_messages.isEmpty());
    QVERIFY(control<QPushButton>("test")->isEnabled());
}

void TestDevices::deviceVanishesDuringTest()
{
    Pty device;
    mapPort(2, device.slavePath());
    DevicesDialog *dialog = openDialog();
    dialog->selectRow(dialog->model().rowOf(device.slavePath()));
    QTimer::singleShot(30, [&device] { device.closeMaster(); });
    dialog->testSelected();
    QTRY_VERIFY(!dialog->isTesting());
    QVERIFY2(dialog->status().contains(QLatin1String("not available")),
             qPrintable(dialog->status()));
    QVERIFY(control<QPushButton>("test")->isEnabled());
}

// A device another program holds is named so, with that program and its process id, in the
// words the main window and glyphsmith-send use.
void TestDevices::heldDeviceNamesItsHolder()
{
    Pty device;
    mapPort(2, device.slavePath());
    QSerialPort other(device.slavePath());
    QVERIFY(other.open(QIODevice::ReadWrite));
    DevicesDialog *dialog = openDialog();
    dialog->selectRow(dialog->model().rowOf(device.slavePath()));
    dialog->testSelected();
    QTRY_VERIFY(!dialog->isTesting());
    const QString expected =
        QStringLiteral("%1 is not available: another program holds the port: %2 (process %3).")
            .arg(device.slavePath(), QFileInfo(QCoreApplication::applicationFilePath()).fileName())
            .arg(QCoreApplication::applicationPid());
    QCOMPARE(dialog->status(), expected);
}

// Everything can be reached from the keyboard: Tab from the table through every control, and
// mnemonics for the buttons.
void TestDevices::keyboardOnly()
{
    DevicesDialog *dialog = openDialog();
    QApplication::setActiveWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QStringList order;
    QWidget *widget = control<QTableView>("deviceTable");
    for (int i = 0; i < 8; ++i) {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible())
            widget = widget->nextInFocusChain();
    }
    QCOMPARE(order.mid(0, 6),
             QStringList({"deviceTable", "endpoint", "add", "port", "assign", "unassign"}));
    control<QLineEdit>("endpoint")->setFocus();
    QTest::keyClicks(control<QLineEdit>("endpoint"), QStringLiteral("tcp://127.0.0.1:2002"));
    QTest::keyClick(control<QLineEdit>("endpoint"), Qt::Key_Return);
    QVERIFY(dialog->model().rowOf(QStringLiteral("tcp://127.0.0.1:2002")) >= 0);
    QVERIFY(dialog->isVisible()); // Return added the endpoint; it did not close the window
    control<QPushButton>("assign")->setFocus();
    QTest::keyClick(control<QPushButton>("assign"), Qt::Key_Space);
    QCOMPARE(AppSettings::mappedDevice(1), QStringLiteral("tcp://127.0.0.1:2002"));
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
}

QTEST_MAIN(TestDevices)
#include "tst_devices.moc"
