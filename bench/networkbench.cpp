#include "networkbench.h"

#include "benchsupport.h"
#include "moduleconnection.h"
#include "reconnector.h"
#include "report.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char **environ;

namespace {

const QString SendName = QStringLiteral("send pattern");
const QString ReconnectName = QStringLiteral("reconnect");
constexpr int SendRuns = 30;
constexpr int ReconnectRounds = 20;
constexpr double MaxSendRatio = 2.0;
constexpr double MaxReconnectNs = 1e9;
constexpr double MaxWaitingShare = 0.01;
constexpr std::chrono::seconds WaitingTime{3};

// Starts `argv` and returns when the nine bytes have all arrived at the pty's far end: the time
// from just before the start, in ns; -1 when they did not come.
double timeToNineBytes(const std::vector<QByteArray> &arguments, int masterFd)
{
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    Bench::FarEnd farEnd(masterFd);
    farEnd.drain();
    const qint64 start = Bench::monotonicNs();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    const QByteArray got = farEnd.read(9, std::chrono::milliseconds(3000));
    const qint64 end = Bench::monotonicNs();
    int status = 0;
    waitpid(pid, &status, 0);
    return got.size() == 9 && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? double(end - start)
                                                                            : -1;
}

// Runs the event loop for `time`, sleeping between events as the program's own loop does.
void runEventLoop(std::chrono::milliseconds time)
{
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` or `limit`, looking again every millisecond.
void runEventLoopUntil(const std::function<bool()> &done, std::chrono::milliseconds limit)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    check.start(1);
    if (!done())
        loop.exec();
}

// A connection to a server in this process that goes away: the share of one core used while the
// endpoint is tried again, -1 when the connection was never made or never lost.
double networkWaitingShare()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return -1;
    Bench::resetSettings(QStringLiteral("tcp://127.0.0.1:%1").arg(server.serverPort()));
    ModuleConnection port;
    port.setSettings(QStringLiteral("9600,n,8,1"));
    port.setCommPort(1);
    port.open();
    runEventLoopUntil([&] { return port.isOpen() && server.hasPendingConnections(); },
                      std::chrono::seconds(3));
    QTcpSocket *accepted = server.nextPendingConnection();
    if (!port.isOpen() || !accepted)
        return -1;
    server.close();
    accepted->abort();
    runEventLoopUntil([&] { return !port.isOpen(); }, std::chrono::seconds(3));
    if (port.isOpen() || !port.reconnector().isWaiting())
        return -1;
    const qint64 wall = Bench::monotonicNs();
    const qint64 cpu = Bench::processCpuNs();
    runEventLoop(WaitingTime);
    return double(Bench::processCpuNs() - cpu) / double(Bench::monotonicNs() - wall);
}

} // namespace

void runSendBenchmark(Report &report, const QString &binDir)
{
    Bench::Pty pty;
    if (!pty.isValid()) {
        report.fail(SendName, QStringLiteral("no pseudo-terminal"));
        return;
    }
    const QByteArray path = QFile::encodeName(pty.slavePath());
    const std::vector<QByteArray> send = {QFile::encodeName(binDir + "/glyphsmith-send"), "--port",
                                          path, "pattern", "18 3C 7E FF FF 7E 3C 18"};
    const std::vector<QByteArray> floor = {QFile::encodeName(binDir + "/glyphsmith-bench-write9"),
                                           path};
    const std::vector<QByteArray> qtOnly = {QFile::encodeName(binDir + "/glyphsmith-bench-qtcore")};

    std::vector<double> sendNs, floorNs, qtNs;
    int failures = 0;
    timeToNineBytes(send, pty.masterFd()); // the first run of each pays for the page cache
    timeToNineBytes(floor, pty.masterFd());
    for (int run = 0; run < SendRuns; ++run) {
        const double s = timeToNineBytes(send, pty.masterFd());
        const double f = timeToNineBytes(floor, pty.masterFd());
        failures += s < 0 || f < 0;
        if (s >= 0)
            sendNs.push_back(s);
        if (f >= 0)
            floorNs.push_back(f);
        // The Qt-only program writes nothing: timed to its exit instead.
        const qint64 start = Bench::monotonicNs();
        pid_t pid = 0;
        char *argv[] = {const_cast<char *>(qtOnly[0].constData()), nullptr};
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            qtNs.push_back(double(Bench::monotonicNs() - start));
        }
    }
    if (sendNs.empty() || floorNs.empty()) {
        report.fail(SendName, QStringLiteral("no run delivered the nine bytes"));
        return;
    }
    const double ratio = Stats::median(sendNs) / Stats::median(floorNs);
    report.add({SendName, QStringLiteral("start to last byte, median of %1").arg(SendRuns),
                Format::duration(Stats::median(sendNs)), Format::duration(Stats::median(floorNs)),
                Format::ratio(ratio), QStringLiteral("<= %1x floor").arg(MaxSendRatio, 0, 'f', 0),
                ratio <= MaxSendRatio ? Report::Verdict::Pass : Report::Verdict::Miss});
    if (!qtNs.empty()) {
        report.add({QString(), QStringLiteral("ref: empty program linking Qt Core, to exit"),
                    Format::duration(Stats::median(qtNs)), Format::duration(Stats::median(floorNs)),
                    Format::ratio(Stats::median(qtNs) / Stats::median(floorNs)), QString(),
                    Report::Verdict::None});
    }
    if (failures > 0)
        report.note(QStringLiteral("%1: %2 runs delivered nothing").arg(SendName).arg(failures));
}

void runReconnectBenchmark(Report &report)
{
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("usb-module"));
    Bench::resetSettings(link);
    auto pty = std::make_unique<Bench::Pty>();
    QFile::link(pty->slavePath(), link);
    ModuleConnection port;
    port.setSettings(QStringLiteral("9600,n,8,1"));
    port.setCommPort(1);
    if (!port.open()) {
        report.fail(ReconnectName, port.errorString());
        return;
    }

    std::vector<double> reconnectNs, openNs;
    double waitingShare = -1;
    int missed = 0;
    for (int round = 0; round < ReconnectRounds; ++round) {
        // Pulled out: the far end hangs up, the link goes; plugged in: a new pty behind it.
        pty.reset();
        QFile::remove(link);
        runEventLoopUntil([&] { return !port.isOpen(); }, std::chrono::seconds(3));
        if (round == 0) {
            const qint64 wall = Bench::monotonicNs();
            const qint64 cpu = Bench::processCpuNs();
            runEventLoop(WaitingTime);
            waitingShare =
                double(Bench::processCpuNs() - cpu) / double(Bench::monotonicNs() - wall);
        }
        pty = std::make_unique<Bench::Pty>();
        const qint64 back = Bench::monotonicNs();
        QFile::link(pty->slavePath(), link);
        // The port opening is seen at once: the reopening itself emits openChanged().
        QEventLoop loop;
        const auto opened =
            QObject::connect(&port, &ModuleConnection::openChanged, &loop, [&loop](bool open) {
                if (open)
                    loop.quit();
            });
        QTimer::singleShot(std::chrono::seconds(3), &loop, &QEventLoop::quit);
        loop.exec();
        QObject::disconnect(opened);
        if (!port.isOpen()) {
            ++missed;
            port.open();
            continue;
        }
        reconnectNs.push_back(double(Bench::monotonicNs() - back));
        // The floor: opening the same device directly.
        const qint64 openStart = Bench::monotonicNs();
        ModuleConnection direct;
        direct.setSettings(QStringLiteral("9600,n,8,1"));
        port.close();
        direct.openDevice(link);
        openNs.push_back(double(Bench::monotonicNs() - openStart));
        direct.close();
        port.open();
    }
    if (reconnectNs.empty()) {
        report.fail(ReconnectName, QStringLiteral("the port never came back"));
        return;
    }
    const double worst = Stats::maximum(reconnectNs);
    report.add(
        {ReconnectName,
         QStringLiteral("device back to port open, worst of %1").arg(reconnectNs.size()),
         Format::duration(worst), Format::duration(Stats::median(openNs)),
         Format::ratio(worst / Stats::median(openNs)),
         QStringLiteral("<= %1").arg(Format::duration(MaxReconnectNs)),
         worst <= MaxReconnectNs && missed == 0 ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.add({QString(), QStringLiteral("CPU while waiting, share of one core"),
                Format::percent(waitingShare), QString(), QString(),
                QStringLiteral("<= %1").arg(Format::percent(MaxWaitingShare)),
                waitingShare >= 0 && waitingShare <= MaxWaitingShare ? Report::Verdict::Pass
                                                                     : Report::Verdict::Miss});
    const double networkShare = networkWaitingShare();
    report.add({QString(), QStringLiteral("CPU while retrying a network endpoint"),
                Format::percent(networkShare), QString(), QString(),
                QStringLiteral("<= %1").arg(Format::percent(MaxWaitingShare)),
                networkShare >= 0 && networkShare <= MaxWaitingShare ? Report::Verdict::Pass
                                                                     : Report::Verdict::Miss});
    report.note(QStringLiteral("%1: device back to port open %2 median; the floor is a direct "
                               "open of the same device; CPU measured over %3 s of waiting, "
                               "for a device and for a network endpoint tried twice a second")
                    .arg(ReconnectName, Format::duration(Stats::median(reconnectNs)))
                    .arg(WaitingTime.count()));
    if (missed > 0)
        report.note(QStringLiteral("%1: %2 rounds did not reconnect within 3 s")
                        .arg(ReconnectName)
                        .arg(missed));
}
