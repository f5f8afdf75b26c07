#include "frmconfig.h"
#include "frmmain.h"
#include "messagebox.h"
#include "moduleconnection.h"
#include "networksupport.h"
#include "protocol.h"
#include "testsupport.h"
#include "workspace.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

const QString PortUnavailable = QStringLiteral("Selected Comm Port Not Available");

// A listening socket on 127.0.0.1 whose queue of pending connections is full, so that a further
// connection attempt is neither accepted nor refused: the far end of a stalled connect.
class StalledListener
{
public:
    StalledListener()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
            ::listen(m_listener, 0) != 0 ||
            ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        for (int &filler : m_fillers) {
            filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(filler, reinterpret_cast<sockaddr *>(&address), sizeof address);
        }
        QTest::qWait(50);
    }
    ~StalledListener()
    {
        for (int filler : m_fillers)
            ::close(filler);
        ::close(m_listener);
    }
    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    int m_fillers[3] = {-1, -1, -1};
    quint16 m_port = 0;
};

// A telnet server that answers the opening with `answer` (or nothing) and then stays silent.
class FakeTelnetServer : public QObject
{
public:
    explicit FakeTelnetServer(const QByteArray &answer)
        : m_answer(answer)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *client = m_server.nextPendingConnection();
            connect(client, &QTcpSocket::readyRead, client, [this, client] {
                client->readAll();
                if (!m_answer.isEmpty())
                    client->write(std::exchange(m_answer, QByteArray()));
            });
        });
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    QTcpServer m_server;
    QByteArray m_answer;
};

} // namespace

// The link to modules on the network, against the real ser2net serving the simulator's pty on
// 127.0.0.1, and against endpoints that refuse, stall or speak no RFC 2217.
class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void configDialogOverNetwork_data();
    void configDialogOverNetwork();
    void unreachable_data();
    void unreachable();
    void droppedMidMessage();
    void rfc2217AtARawPortSendsNothing();
    void droppedAndBack_data();
    void droppedAndBack();

private:
    void startFarEnd(const QStringList &faults = {});
    QString url(const QString &kind) const;
    FrmMain *startWindow(const QString &device);

    SimulatorProcess *m_simulator = nullptr;
    Ser2netProcess *m_ser2net = nullptr;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    QStringList m_messages;
    QStringList m_details;
};

void TestNetwork::initTestCase()
{
    useTemporarySettings();
    QVERIFY2(QFileInfo(qEnvironmentVariable("GLYPHSMITH_SIM")).isExecutable(),
             "GLYPHSMITH_SIM names no simulator binary");
}

void TestNetwork::init()
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

void TestNetwork::cleanup()
{
    delete m_program;
    m_program = nullptr;
    m_window = nullptr;
    delete m_ser2net;
    m_ser2net = nullptr;
    delete m_simulator;
    m_simulator = nullptr;
    prompter().reset();
}

void TestNetwork::startFarEnd(const QStringList &faults)
{
    m_simulator = new SimulatorProcess;
    QVERIFY(m_simulator->start(faults));
    m_ser2net = new Ser2netProcess;
    QVERIFY2(m_ser2net->start(m_simulator->link()), qPrintable(m_ser2net->errorString()));
}

QString TestNetwork::url(const QString &kind) const
{
    return kind == QLatin1String("raw") ? m_ser2net->rawUrl() : m_ser2net->rfc2217Url();
}

FrmMain *TestNetwork::startWindow(const QString &device)
{
    mapPort(1, device);
    setStoredCommPort(QStringLiteral("1"));
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    return m_window;
}

void TestNetwork::configDialogOverNetwork_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("raw TCP") << "raw";
    QTest::newRow("RFC 2217") << "rfc2217";
}

// The configuration dialog's timed exchanges through ser2net, as over a serial port.
void TestNetwork::configDialogOverNetwork()
{
    QFETCH(QString, kind);
    startFarEnd({"--settings-reply", "03 31 05 48 45 4C 4C 4F"});
    startWindow(url(kind));
    QAction *configure = m_window->findChild<QAction *>(QStringLiteral("mnuConfig"));
    QTRY_VERIFY(configure->isEnabled());
    m_window->mnuConfig_Click();
    QPointer<FrmConfig> dialog = m_window->configDialog();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->findChild<QComboBox *>("cboMode")->currentIndex(), 3);
    QCOMPARE(dialog->findChild<QComboBox *>("cboSpeed")->currentText(), QStringLiteral("2"));
    QCOMPARE(dialog->findChild<QLineEdit *>("txtAniS")->text(), QStringLiteral("HELLO"));
    dialog->findChild<QComboBox *>("cboSpeed")->setCurrentIndex(3);
    QTest::mouseClick(dialog->findChild<QPushButton *>("cmdChangeSpeed"), Qt::LeftButton);
    QTRY_COMPARE(m_messages, QStringList{"Speed Changed"});
    QCOMPARE(m_simulator->messages(), QStringList({"F0", "F6 21"}));
    // The port was chosen at start-up: nothing is stored by a connection made then.
    QCOMPARE(storedCommPort(), QStringLiteral("1"));
}

void TestNetwork::unreachable_data()
{
    QTest::addColumn<QString>("farEnd");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("says");
    QTest::newRow("nothing listens") << "refused" << int(LinkFailure::Refused) << "ser2net";
    QTest::newRow("connect stalls") << "stalled" << int(LinkFailure::NoAnswer) << "did not answer";
    QTest::newRow("RFC 2217 refused") << "dont" << int(LinkFailure::NotRfc2217) << "tcp://host";
    QTest::newRow("no telnet answer") << "silent" << int(LinkFailure::NotRfc2217) << "tcp://host";
    QTest::newRow("ser2net without its device, raw")
        << "no device raw" << int(LinkFailure::Other) << "Device open failure";
    QTest::newRow("ser2net without its device, RFC 2217")
        << "no device rfc2217" << int(LinkFailure::Other) << "Device open failure";
}

// Each gives one clear message within a few seconds, and the window goes on handling events
// meanwhile.
void TestNetwork::unreachable()
{
    QFETCH(QString, farEnd);
    QFETCH(int, failure);
    QFETCH(QString, says);
    StalledListener stalled;
    FakeTelnetServer refusing(hex("FF FE 2C"));
    FakeTelnetServer silent{QByteArray()};
    Ser2netProcess ser2net;
    if (farEnd.startsWith(QLatin1String("no device")))
        QVERIFY(ser2net.start(QStringLiteral("/nonexistent/glyphsmith-test/module")));
    const QString device = farEnd == QLatin1String("no device raw")       ? ser2net.rawUrl()
                           : farEnd == QLatin1String("no device rfc2217") ? ser2net.rfc2217Url()
                           : farEnd == QLatin1String("refused")
                               ? QStringLiteral("tcp://127.0.0.1:%1").arg(freeTcpPort())
                           : farEnd == QLatin1String("stalled")
                               ? QStringLiteral("tcp://127.0.0.1:%1").arg(stalled.port())
                           : farEnd == QLatin1String("dont")
                               ? QStringLiteral("rfc2217://127.0.0.1:%1").arg(refusing.port())
                               : QStringLiteral("rfc2217://127.0.0.1:%1").arg(silent.port());
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(50);
    QElapsedTimer clock;
    clock.start();
    startWindow(device);
    QTRY_COMPARE_WITH_TIMEOUT(m_messages, QStringList{PortUnavailable}, 6000);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(ticks >= clock.elapsed() / 50 / 2, "the event loop stood still while connecting");
    QCOMPARE(int(m_window->serialPort().failure()), failure);
    QVERIFY2(m_details.first().contains(says), qPrintable(m_details.first()));
    QVERIFY(!m_window->findChild<QAction *>(QStringLiteral("mnuConfig"))->isEnabled());
    QVERIFY(!m_window->serialPort().isOpen());
    QVERIFY(!m_window->serialPort().send(hex("FE 41")));
}

// rfc2217:// pointed at a raw TCP port: the module there would take telnet commands for a
// message, so nothing at all is sent until the far side has spoken telnet, and it never does.
void TestNetwork::rfc2217AtARawPortSendsNothing()
{
    startFarEnd();
    const QString wrong =
        QString(m_ser2net->rawUrl()).replace(QLatin1String("tcp://"), QLatin1String("rfc2217://"));
    startWindow(wrong);
    QTRY_COMPARE_WITH_TIMEOUT(m_messages, QStringList{PortUnavailable}, 6000);
    QCOMPARE(m_window->serialPort().failure(), LinkFailure::NotRfc2217);
    QVERIFY2(m_details.first().contains(QLatin1String("nothing was sent")),
             qPrintable(m_details.first()));
    QTest::qWait(200);
    QCOMPARE(m_simulator->messages(), QStringList());
}

// ser2net goes away while texts are still queued for the line: one loss, nothing left queued,
// nothing more accepted.
void TestNetwork::droppedMidMessage()
{
    startFarEnd();
    ModuleConnection link;
    QVERIFY(link.setSettings(QStringLiteral("9600,n,8,1")));
    QSignalSpy lost(&link, &ModuleConnection::lost);
    QVERIFY(link.openDevice(m_ser2net->rfc2217Url()));
    QTRY_VERIFY(link.isOpen());
    for (int i = 0; i < 10; ++i)
        QVERIFY(link.send(Protocol::scroll(QStringLiteral("ABCDEFGHIJKLMNOPQRST"))));
    QVERIFY(link.queuedMessages() > 0);
    m_ser2net->kill();
    QTRY_COMPARE(lost.count(), 1);
    QTest::qWait(200);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(link.failure(), LinkFailure::Lost);
    QVERIFY(!link.isOpen());
    QCOMPARE(link.queuedMessages(), 0);
    QVERIFY(!link.send(hex("FE 41")));
}

void TestNetwork::droppedAndBack_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("moduleGoes"); // the module behind ser2net, rather than ser2net
    QTest::newRow("raw TCP, ser2net goes") << "raw" << false;
    QTest::newRow("RFC 2217, ser2net goes") << "rfc2217" << false;
    QTest::newRow("raw TCP, the module goes") << "raw" << true;
    QTest::newRow("RFC 2217, the module goes") << "rfc2217" << true;
}

// A dropped connection is an unplug: one message, then the endpoint is tried again until it is
// back, without a message, and "Configure" follows.
void TestNetwork::droppedAndBack()
{
    QFETCH(QString, kind);
    QFETCH(bool, moduleGoes);
    startFarEnd();
    startWindow(url(kind));
    QAction *configure = m_window->findChild<QAction *>(QStringLiteral("mnuConfig"));
    QTRY_VERIFY(configure->isEnabled());
    if (moduleGoes)
        m_simulator->stop();
    else
        m_ser2net->kill();
    QTRY_COMPARE(m_messages, QStringList{PortUnavailable});
    QVERIFY2(m_details.first().contains(QStringLiteral("went away")),
             qPrintable(m_details.first()));
    QVERIFY(!configure->isEnabled());
    QTest::qWait(1200); // several attempts against the closed port, none reported
    QCOMPARE(m_messages.size(), 1);

    QVERIFY(!configure->isEnabled()); // no flicker while ser2net turns the attempts away
    QVERIFY(moduleGoes ? m_simulator->start() : m_ser2net->start(m_simulator->link()));
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(configure->isEnabled(), 3000);
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_messages.size(), 1);
    m_window->cmdUpArrow_Click();
    QTRY_COMPARE(m_simulator->messages(), QStringList{"F8 00"});
}

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
