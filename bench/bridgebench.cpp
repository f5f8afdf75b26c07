#include "bridgebench.h"

#include "benchsupport.h"
#include "mqttclient.h"
#include "protocol.h"
#include "report.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString Name = QStringLiteral("bridge");
constexpr int LatencyRuns = 40;
constexpr int FloodPatterns = 1000;
constexpr int FloodRounds = 3;
// Nine bytes at 9600 baud, 8N1.
constexpr double MessageTimeNs = 9.375e6;
constexpr double MaxGrowthKiB = 1024;
constexpr double MaxIdleCpu = 0.01;
constexpr auto IdleTime = std::chrono::seconds(3);

quint16 freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

// A field of /proc/PID/status in KiB (VmHWM, VmRSS).
double statusKiB(qint64 pid, const char *field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toDouble();
    }
    return -1;
}

// User and system CPU time of a process, in nanoseconds.
double cpuNs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The fields after the command name, which may hold spaces, in parentheses.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks * 1e9 / double(::sysconf(_SC_CLK_TCK));
}

QByteArray patternNumber(quint64 n)
{
    QByteArray bytes(8, 0);
    for (int i = 0; i < 8; ++i)
        bytes[i] = char((n * 0x9E3779B97F4A7C15ull) >> (8 * i));
    return bytes;
}

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    return QTest::qWaitFor(done, timeoutMs);
}

} // namespace

void runBridgeBenchmark(Report &report, const QString &programDir)
{
    QTemporaryDir dir;
    const quint16 port = freePort();
    const passwd *account = ::getpwuid(::getuid());
    QFile brokerConfig(dir.filePath(QStringLiteral("mosquitto.conf")));
    if (!brokerConfig.open(QIODevice::WriteOnly)) {
        report.fail(Name, QStringLiteral("no broker configuration could be written"));
        return;
    }
    brokerConfig.write(QStringLiteral("user %1\nlistener %2 127.0.0.1\nallow_anonymous true\n"
                                      "persistence false\n")
                           .arg(QString::fromLocal8Bit(account ? account->pw_name : "root"))
                           .arg(port)
                           .toLocal8Bit());
    brokerConfig.close();
    QProcess broker;
    broker.setStandardOutputFile(QProcess::nullDevice());
    broker.setStandardErrorFile(QProcess::nullDevice());
    broker.start(QStringLiteral("mosquitto"), {"-c", brokerConfig.fileName()});
    if (!broker.waitForStarted(5000)) {
        report.fail(Name, QStringLiteral("mosquitto does not start (scripts/setup-deps installs "
                                         "it): %1")
                              .arg(broker.errorString()));
        return;
    }

    Bench::Pty pty;
    QFile bridgeConfig(dir.filePath(QStringLiteral("bridge.ini")));
    bridgeConfig.open(QIODevice::WriteOnly);
    bridgeConfig.write(QStringLiteral("[broker]\nhost = 127.0.0.1\nport = %1\n"
                                      "[bridge]\nbase-topic = bench\n"
                                      "[module shelf]\nport = %2\n")
                           .arg(port)
                           .arg(pty.slavePath())
                           .toLocal8Bit());
    bridgeConfig.close();

    MqttOptions options;
    options.host = QStringLiteral("127.0.0.1");
    options.port = port;
    MqttClient client;
    client.setOptions(options);
    client.setReconnecting(true);
    bool open = false;
    QObject::connect(&client, &MqttClient::connected, &client,
                     [&client] { client.subscribe(QStringLiteral("bench/shelf/state"), 0); });
    QObject::connect(
        &client, &MqttClient::messageReceived, &client,
        [&open](const QString &, const QByteArray &payload) { open = payload == "open"; });
    client.connectToBroker();

    QProcess bridge;
    // The bridge's own log is not wanted in the table.
    bridge.setStandardOutputFile(QProcess::nullDevice());
    bridge.setStandardErrorFile(QProcess::nullDevice());
    bridge.start(programDir + QLatin1String("/glyphsmith-bridge"),
                 {"--config", bridgeConfig.fileName(), "--state-dir",
                  dir.filePath(QStringLiteral("state"))});
    if (!bridge.waitForStarted(5000) || !waitFor([&] { return open; }, 10000)) {
        report.fail(Name, QStringLiteral("glyphsmith-bridge did not open its module"));
        return;
    }
    const qint64 pid = bridge.processId();
    Bench::FarEnd farEnd(pty.masterFd());
    const int direct =
        ::open(QFile::encodeName(pty.slavePath()).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);

    // Publish to last byte against a direct write of the same nine bytes, alternating, each on
    // an idle line.
    std::vector<double> publishNs;
    std::vector<double> floorNs;
    int lostRuns = 0;
    const QString patternTopic = QStringLiteral("bench/shelf/pattern");
    for (int run = 0; run < LatencyRuns + 5; ++run) {
        const QByteArray columns = patternNumber(quint64(run) + 1);
        const QByteArray message = char(Protocol::CMD_DOT_MATRIX) + columns;
        farEnd.drain();
        QTest::qWait(15);
        qint64 start = Bench::monotonicNs();
        [[maybe_unused]] const ssize_t written = ::write(direct, message.constData(), 9);
        const bool floorOk = farEnd.read(9) == message;
        const qint64 floorTime = Bench::monotonicNs() - start;
        QTest::qWait(15);
        start = Bench::monotonicNs();
        client.publish(patternTopic, Protocol::hexString(columns).toLatin1(), 0);
        const bool bridgeOk = farEnd.read(9) == message;
        const qint64 bridgeTime = Bench::monotonicNs() - start;
        if (run < 5)
            continue; // warm-up
        if (!floorOk || !bridgeOk) {
            ++lostRuns;
            continue;
        }
        floorNs.push_back(double(floorTime));
        publishNs.push_back(double(bridgeTime));
    }
    ::close(direct);
    if (publishNs.empty()) {
        report.fail(Name, QStringLiteral("no pattern arrived through the bridge"));
        return;
    }
    const double above = Stats::median(publishNs) - Stats::median(floorNs);
    report.add(
        {Name, QStringLiteral("publish to last byte, pattern, median of %1").arg(publishNs.size()),
         Format::duration(Stats::median(publishNs)), Format::duration(Stats::median(floorNs)),
         Format::ratio(Stats::median(publishNs) / Stats::median(floorNs)),
         QStringLiteral("<= floor + 9.4 ms"),
         above <= MessageTimeNs ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.note(QStringLiteral("bridge: publish to last byte p99 %1 (a direct write's: %2)%3")
                    .arg(Format::duration(Stats::percentile(publishNs, 0.99)),
                         Format::duration(Stats::percentile(floorNs, 0.99)),
                         lostRuns ? QStringLiteral("; %1 runs lost").arg(lostRuns) : QString()));

    // Floods: each as fast as the broker takes it; the far end must end on the last pattern and
    // see only whole messages. The first flood is the floor of the bridge's peak memory.
    double firstPeak = 0;
    double lastPeak = 0;
    bool allWhole = true;
    bool endedOnLast = true;
    qsizetype delivered = 0;
    for (int round = 0; round <= FloodRounds; ++round) {
        farEnd.drain();
        QByteArray last;
        for (int i = 0; i < FloodPatterns; ++i) {
            const QByteArray columns = patternNumber(quint64(round) * 100000 + quint64(i));
            last = char(Protocol::CMD_DOT_MATRIX) + columns;
            client.publish(patternTopic, Protocol::hexString(columns).toLatin1(), 0);
        }
        QByteArray got;
        QDeadlineTimer deadline(20000);
        while (!got.endsWith(last) && !deadline.hasExpired())
            got += farEnd.read(9, std::chrono::milliseconds(300));
        QTest::qWait(100);
        got += farEnd.read(1 << 16, std::chrono::milliseconds(100));
        endedOnLast = endedOnLast && got.endsWith(last);
        for (qsizetype at = 0; at < got.size(); at += 9)
            allWhole = allWhole && quint8(got.at(at)) == Protocol::CMD_DOT_MATRIX;
        allWhole = allWhole && got.size() % 9 == 0;
        delivered += got.size() / 9;
        if (round == 0)
            firstPeak = statusKiB(pid, "VmHWM:");
        lastPeak = statusKiB(pid, "VmHWM:");
    }
    const double growth = lastPeak - firstPeak;
    report.add({QString(),
                QStringLiteral("%1 x %2 patterns flooded: peak RSS growth after the first")
                    .arg(FloodRounds)
                    .arg(FloodPatterns),
                Format::mebibytes(growth), Format::mebibytes(firstPeak), QString(),
                QStringLiteral("<= 1 MiB, ends on last, whole"),
                growth <= MaxGrowthKiB && endedOnLast && allWhole ? Report::Verdict::Pass
                                                                  : Report::Verdict::Miss});
    report.note(
        QStringLiteral("bridge: the floods put %1 of %2 patterns on the line (latest "
                       "wins), %3, %4")
            .arg(delivered)
            .arg((FloodRounds + 1) * FloodPatterns)
            .arg(endedOnLast ? QStringLiteral("each ending on its last")
                             : QStringLiteral("NOT ending on the last"))
            .arg(allWhole ? QStringLiteral("only whole messages") : QStringLiteral("GARBLED")));

    // Idle: nothing published, the broker connection and the module open.
    QTest::qWait(500);
    const double before = cpuNs(pid);
    const qint64 idleStart = Bench::monotonicNs();
    QTest::qWait(int(std::chrono::milliseconds(IdleTime).count()));
    const double share = (cpuNs(pid) - before) / double(Bench::monotonicNs() - idleStart);
    report.add({QString(), QStringLiteral("CPU while idle, %1 s").arg(IdleTime.count()),
                Format::percent(share), QString(), QString(), QStringLiteral("<= 1 % of a core"),
                share <= MaxIdleCpu ? Report::Verdict::Pass : Report::Verdict::Miss});

    bridge.terminate();
    bridge.waitForFinished(5000);
    broker.terminate();
    broker.waitForFinished(5000);
}
