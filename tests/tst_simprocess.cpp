#include "protocol.h"
#include "testsupport.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using Protocol::hexString;
using TestSupport::hex;
using Messages = QList<QByteArray>;

namespace {

// The simulator as a separate process, and the program's end of its port.
class SimRun
{
public:
    explicit SimRun(const QString &dir)
        : m_dir(dir)
    {}
    ~SimRun()
    {
        closePort();
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    QString linkPath() const { return m_dir + "/port"; }
    QString logPath() const { return m_dir + "/log"; }
    QString statePath() const { return m_dir + "/state"; }
    QProcess &process() { return m_process; }

    // Starts the simulator and waits until it names its port.
    bool start(const QStringList &extra, bool headless = true)
    {
        QStringList arguments = extra;
        arguments << "--link" << linkPath() << "--log" << logPath();
        if (headless)
            arguments << "--headless";
        m_process.start(qEnvironmentVariable("GLYPHSMITH_SIM"), arguments);
        QDeadlineTimer deadline(5000);
        while (!m_process.canReadLine() && !deadline.hasExpired() &&
               m_process.state() != QProcess::NotRunning)
            m_process.waitForReadyRead(100);
        return m_process.canReadLine() &&
               m_process.readLine().trimmed() == linkPath().toLocal8Bit();
    }

    bool openPort()
    {
        m_fd = ::open(QFile::encodeName(linkPath()).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios raw{};
        if (m_fd < 0 || ::tcgetattr(m_fd, &raw) != 0)
            return false;
        ::cfmakeraw(&raw);
        return ::tcsetattr(m_fd, TCSANOW, &raw) == 0;
    }
    void closePort()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    // One write per message, then a pause, so that each text is ended by an idle gap.
    void write(const QByteArray &message)
    {
        QCOMPARE(::write(m_fd, message.constData(), size_t(message.size())), message.size());
        QTest::qWait(50);
    }

    // Reads until `count` bytes arrived or `timeoutMs` passed.
    QByteArray read(qsizetype count, int timeoutMs = 3000)
    {
        QByteArray got;
        QDeadlineTimer deadline(timeoutMs);
        while (got.size() < count && !deadline.hasExpired()) {
            pollfd pfd{m_fd, POLLIN, 0};
            if (::poll(&pfd, 1, 10) > 0) {
                char buffer[256];
                const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
                if (n > 0)
                    got.append(buffer, n);
            }
        }
        return got;
    }
    QByteArray readFor(int ms) { return read(1 << 16, ms); }

    QStringList log(int expectedLines)
    {
        QDeadlineTimer deadline(3000);
        while (lines().size() < expectedLines && !deadline.hasExpired())
            QTest::qWait(10);
        QTest::qWait(50); // anything that should not be there has its chance to show
        return lines();
    }

    // Ends the simulator by a signal; its exit code, or -1 when it crashed or hung.
    int stop(int signal = SIGTERM)
    {
        ::kill(pid_t(m_process.processId()), signal);
        if (!m_process.waitForFinished(3000) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }

private:
    QStringList lines() const
    {
        QFile file(logPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList out = QString::fromLatin1(file.readAll()).split('\n');
        out.removeAll(QString());
        return out;
    }

    QString m_dir;
    QProcess m_process;
    int m_fd = -1;
};

} // namespace

// The simulator binary end to end: a pty behind a link, the bytes it answers, its log, its
// faults, its state file and its command line.
class TestSimProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void exchanges_data();
    void exchanges();
    void faults_data();
    void faults();
    void stateSurvivesRestart();
    void corruptStateFile();
    void portReopened();
    void linkRemovedOnSignal_data();
    void linkRemovedOnSignal();
    void linkOverFileRefused();
    void linkServedByAnotherRefused();
    void lineSpeedWithBaud();
    void unwritableStateFileWarned();
    void badArguments_data();
    void badArguments();
    void help();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSimProcess::initTestCase()
{
    QVERIFY2(QFileInfo(qEnvironmentVariable("GLYPHSMITH_SIM")).isExecutable(),
             "GLYPHSMITH_SIM names no simulator binary");
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

void TestSimProcess::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSimProcess::exchanges_data()
{
    QTest::addColumn<bool>("headless");
    QTest::addColumn<Messages>("messages");
    QTest::addColumn<QByteArray>("replies");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("nothing stored")
        << true << Messages{hex("F0")} << hex("FF FF FF") << QStringList{"F0", "< FF FF FF"};
    QTest::newRow("store all three, then read")
        << true << Messages{hex("F7 03"), hex("F6 31"), hex("F5 48 45 4C 4C 4F"), hex("F0")}
        << hex("AA AA AA 03 31 05 48 45 4C 4C 4F") << QStringList{"F7 03",
                                                                  "< AA",
                                                                  "F6 31",
                                                                  "< AA",
                                                                  "F5 48 45 4C 4C 4F",
                                                                  "< AA",
                                                                  "F0",
                                                                  "< 03 31 05 48 45 4C 4C 4F"};
    QTest::newRow("refused speed")
        << true << Messages{hex("F6 05"), hex("F0")} << hex("FF FF FF")
        << QStringList{"F6 05", "# refused: 05 is no speed code", "F0", "< FF FF FF"};
    QTest::newRow("main-window commands are not answered")
        << true
        << Messages{hex("FC F0 FE F0 FE 00 00 00 00"), hex("FE"), hex("FD 48 49"), hex("F8 03"),
                    hex("F0")}
        << hex("FF FF FF")
        << QStringList{"FC F0 FE F0 FE 00 00 00 00", "FE", "FD 48 49", "F8 03", "F0", "< FF FF FF"};
    QTest::newRow("junk and an incomplete message")
        << true << Messages{hex("0D 0A F0"), hex("FC 10 00"), hex("F0")} << hex("FF FF FF FF FF FF")
        << QStringList{"# junk: 0D 0A",          "F0", "< FF FF FF",
                       "# incomplete: FC 10 00", "F0", "< FF FF FF"};
    QTest::newRow("20-character text and the next message in one write")
        << true << Messages{hex("F5") + "ABCDEFGHIJKLMNOPQRST" + hex("F0")}
        << hex("AA FF FF 14") + "ABCDEFGHIJKLMNOPQRST"
        << QStringList{"F5 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54", "< AA",
                       "F0",
                       "< FF FF 14 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54"};
    QTest::newRow("with its window")
        << false << Messages{hex("FC 10 00 00 00 00 00 00 00"), hex("F7 06")} << hex("AA")
        << QStringList{"FC 10 00 00 00 00 00 00 00", "F7 06", "< AA"};
}

void TestSimProcess::exchanges()
{
    QFETCH(bool, headless);
    QFETCH(Messages, messages);
    QFETCH(QByteArray, replies);
    QFETCH(QStringList, log);

    SimRun sim(m_dir->path());
    QVERIFY(sim.start({}, headless));
    QVERIFY(sim.openPort());
    for (const QByteArray &message : messages)
        sim.write(message);
    QCOMPARE(hexString(sim.read(replies.size())), hexString(replies));
    QCOMPARE(sim.readFor(100), QByteArray());
    QCOMPARE(sim.log(log.size()), log);
}

void TestSimProcess::faults_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    // What arrives at once, and what follows only after a pause of at least 150 ms.
    QTest::addColumn<QByteArray>("early");
    QTest::addColumn<QByteArray>("late");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("no reply") << QStringList{"--no-reply"} << hex("F6 31") << QByteArray()
                              << QByteArray() << QStringList{"F6 31", "# not answering: AA"};
    QTest::newRow("nak") << QStringList{"--nak"} << hex("F6 31") << hex("55") << QByteArray()
                         << QStringList{"F6 31", "# refused: refusing every setting", "< 55"};
    QTest::newRow("nak leaves reading alone")
        << QStringList{"--nak"} << hex("F0") << hex("FF FF FF") << QByteArray()
        << QStringList{"F0", "< FF FF FF"};
    QTest::newRow("short settings record")
        << QStringList{"--settings-reply", "03 31"} << hex("F0") << hex("03 31") << QByteArray()
        << QStringList{"F0", "< 03 31"};
    QTest::newRow("bogus settings record")
        << QStringList{"--settings-reply", "0739152A"} << hex("F0") << hex("07 39 15 2A")
        << QByteArray() << QStringList{"F0", "< 07 39 15 2A"};
    QTest::newRow("reply delay") << QStringList{"--reply-delay", "600"} << hex("F6 31")
                                 << QByteArray() << hex("AA") << QStringList{"F6 31", "< AA"};
    QTest::newRow("split") << QStringList{"--split", "600"} << hex("F0") << hex("FF")
                           << hex("FF FF") << QStringList{"F0", "< FF", "< FF FF"};
    QTest::newRow("split leaves one byte whole")
        << QStringList{"--split", "600"} << hex("F7 01") << hex("AA") << QByteArray()
        << QStringList{"F7 01", "< AA"};
}

void TestSimProcess::faults()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, early);
    QFETCH(QByteArray, late);
    QFETCH(QStringList, log);

    SimRun sim(m_dir->path());
    QVERIFY(sim.start(arguments));
    QVERIFY(sim.openPort());
    sim.write(message);
    QByteArray got = sim.read(early.size());
    got += sim.readFor(150);
    QCOMPARE(hexString(got), hexString(early));
    QCOMPARE(hexString(sim.read(late.size())), hexString(late));
    QCOMPARE(sim.readFor(100), QByteArray());
    QCOMPARE(sim.log(log.size()), log);
}

void TestSimProcess::stateSurvivesRestart()
{
    {
        SimRun sim(m_dir->path());
        QVERIFY(sim.start({"--state", sim.statePath()}));
        QVERIFY(sim.openPort());
        for (const char *message : {"F7 05", "F6 21", "F5 48 49"})
            sim.write(hex(message));
        sim.write(hex("FC 12 34 00 00 00 00 00 F0"));
        sim.write(hex("F9 04"));
        QCOMPARE(hexString(sim.read(3)), QStringLiteral("AA AA AA"));
        QCOMPARE(sim.log(8), (QStringList{"F7 05", "< AA", "F6 21", "< AA", "F5 48 49", "< AA",
                                          "FC 12 34 00 00 00 00 00 F0", "F9 04"}));
        QCOMPARE(sim.stop(), 0);
    }
    QFile file(m_dir->filePath("state"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("custom 4 12 34 00 00 00 00 00 F0\n"), text.constData());

    SimRun again(m_dir->path());
    QVERIFY(again.start({"--state", again.statePath()}));
    QVERIFY(again.openPort());
    again.write(hex("F0"));
    QCOMPARE(hexString(again.read(5)), QStringLiteral("05 21 02 48 49"));
}

void TestSimProcess::corruptStateFile()
{
    SimRun sim(m_dir->path());
    QFile file(sim.statePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(hex("6D 6F 64 65 20 30 39 0A FF 00"));
    file.close();

    QVERIFY(sim.start({"--state", sim.statePath()}));
    QVERIFY(sim.openPort());
    sim.write(hex("F0"));
    QCOMPARE(hexString(sim.read(3)), QStringLiteral("FF FF FF"));
    sim.write(hex("F6 39"));
    QCOMPARE(hexString(sim.read(1)), QStringLiteral("AA"));
    const QStringList log = sim.log(5);
    QCOMPARE(log.size(), 5);
    QVERIFY2(log.first().startsWith("# state file"), qPrintable(log.first()));
    QCOMPARE(log.mid(1), (QStringList{"F0", "< FF FF FF", "F6 39", "< AA"}));
    QCOMPARE(sim.stop(), 0);

    // The next change wrote a sound file over the corrupt one.
    SimRun again(m_dir->path());
    QVERIFY(again.start({"--state", again.statePath()}));
    QVERIFY(again.openPort());
    again.write(hex("F0"));
    QCOMPARE(hexString(again.read(3)), QStringLiteral("FF 39 FF"));
}

void TestSimProcess::portReopened()
{
    SimRun sim(m_dir->path());
    QVERIFY(sim.start({}));
    for (int round = 0; round < 3; ++round) {
        QVERIFY(sim.openPort());
        sim.write(hex("F0"));
        QCOMPARE(hexString(sim.read(3)), QStringLiteral("FF FF FF"));
        sim.closePort();
    }
    QCOMPARE(sim.process().state(), QProcess::Running);
}

void TestSimProcess::linkRemovedOnSignal_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestSimProcess::linkRemovedOnSignal()
{
    QFETCH(int, signal);
    SimRun sim(m_dir->path());
    QVERIFY(QFile::link("/nonexistent/stale-port", sim.linkPath()));
    QVERIFY(sim.start({}));
    QVERIFY(QFileInfo(sim.linkPath()).symLinkTarget().startsWith("/dev/pts/"));
    QCOMPARE(sim.stop(signal), 0);
    QVERIFY(!QFileInfo::exists(sim.linkPath()) && !QFileInfo(sim.linkPath()).isSymLink());
}

void TestSimProcess::linkOverFileRefused()
{
    SimRun sim(m_dir->path());
    QFile file(sim.linkPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    QVERIFY(!sim.start({}));
    QVERIFY(sim.process().state() == QProcess::NotRunning || sim.process().waitForFinished(3000));
    QCOMPARE(sim.process().exitCode(), 2);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
}

void TestSimProcess::linkServedByAnotherRefused()
{
    SimRun first(m_dir->path());
    QVERIFY(first.start({}));
    const QString firstPort = QFileInfo(first.linkPath()).symLinkTarget();

    SimRun second(m_dir->path());
    QVERIFY(!second.start({}));
    QVERIFY(second.process().state() == QProcess::NotRunning ||
            second.process().waitForFinished(3000));
    QCOMPARE(second.process().exitCode(), 2);
    QVERIFY(second.process().readAllStandardError().contains("--replace"));
    QCOMPARE(QFileInfo(first.linkPath()).symLinkTarget(), firstPort);

    // Asked to, a third one takes the link over; the first one, stopped, leaves it alone.
    SimRun third(m_dir->path());
    QVERIFY(third.start({"--replace"}));
    const QString thirdPort = QFileInfo(third.linkPath()).symLinkTarget();
    QVERIFY(thirdPort != firstPort);
    QCOMPARE(first.stop(), 0);
    QCOMPARE(QFileInfo(third.linkPath()).symLinkTarget(), thirdPort);
    QVERIFY(third.openPort());
    third.write(hex("F0"));
    QCOMPARE(hexString(third.read(3)), QStringLiteral("FF FF FF"));
}

void TestSimProcess::lineSpeedWithBaud()
{
    // Ten patterns written at once arrive at the pace of a 9600-baud line: nine bytes take
    // 9.375 ms. Each log line carries the time its message's last byte arrived.
    SimRun sim(m_dir->path());
    QVERIFY(sim.start({"--baud", "9600", "--log-times"}));
    QVERIFY(sim.openPort());
    QByteArray burst;
    for (int i = 0; i < 10; ++i)
        burst += hex("FC 10 00 00 00 00 00 00 00");
    sim.write(burst);
    const QStringList log = sim.log(10);
    QCOMPARE(log.size(), 10);
    double previous = -1;
    for (const QString &line : log) {
        const qsizetype space = line.indexOf(u' ');
        QCOMPARE(line.mid(space + 1), QStringLiteral("FC 10 00 00 00 00 00 00 00"));
        const double ms = line.left(space).toDouble();
        if (previous >= 0)
            QVERIFY2(qAbs(ms - previous - 9.375) < 0.01, qPrintable(log.join(u'\n')));
        previous = ms;
    }
}

void TestSimProcess::unwritableStateFileWarned()
{
    // A state file in a folder that cannot exist: here, below a plain file.
    QFile plain(m_dir->filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    SimRun sim(m_dir->path());
    QVERIFY(sim.start({"--state", m_dir->filePath("plain/state")}));
    QVERIFY(sim.openPort());
    sim.write(hex("F6 39"));
    QCOMPARE(hexString(sim.read(1)), QStringLiteral("AA"));
    const QStringList log = sim.log(4);
    QCOMPARE(log.size(), 4);
    QVERIFY2(log.at(0).startsWith("# state file") && log.at(0).contains("cannot be written"),
             qPrintable(log.at(0)));
    // The change is acknowledged, as the module does, and the failed store is in the log.
    QCOMPARE(log.at(1), QStringLiteral("F6 39"));
    QVERIFY2(log.at(2).startsWith("# cannot write the state file"), qPrintable(log.at(2)));
    QCOMPARE(log.at(3), QStringLiteral("< AA"));
    QCOMPARE(sim.stop(), 0);
    QVERIFY(sim.process().readAllStandardError().contains("cannot be written"));
}

void TestSimProcess::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--bogus"};
    QTest::newRow("stray argument") << QStringList{"COM1"};
    QTest::newRow("link without path") << QStringList{"--link"};
    QTest::newRow("delay not a number") << QStringList{"--reply-delay", "abc"};
    QTest::newRow("split of 0 ms") << QStringList{"--split", "0"};
    QTest::newRow("half a hex pair") << QStringList{"--settings-reply", "0"};
    QTest::newRow("empty settings record") << QStringList{"--settings-reply", ""};
    QTest::newRow("link in a missing folder") << QStringList{"--link", "/nonexistent/x/port"};
}

void TestSimProcess::badArguments()
{
    QFETCH(QStringList, arguments);
    const QString link = m_dir->filePath("port");
    QProcess process;
    process.start(qEnvironmentVariable("GLYPHSMITH_SIM"),
                  QStringList{"--headless"} + arguments +
                      QStringList{"--log", m_dir->filePath("log")} +
                      (arguments.contains("--link") ? QStringList() : QStringList{"--link", link}));
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().startsWith("glyphsmith-sim: "));
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    QVERIFY(!QFileInfo(link).isSymLink());
}

void TestSimProcess::help()
{
    QProcess process;
    process.start(qEnvironmentVariable("GLYPHSMITH_SIM"), {"--help"});
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray text = process.readAllStandardOutput();
    for (const char *option :
         {"--headless", "--link <path>", "--replace", "--baud <rate>", "--log-times",
          "--log <file>", "--state <file>", "--no-reply", "--reply-delay <ms>", "--nak",
          "--settings-reply <hex>", "--split <ms>"})
        QVERIFY2(text.contains(option), option);
}

QTEST_GUILESS_MAIN(TestSimProcess)
#include "tst_simprocess.moc"
