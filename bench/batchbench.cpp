#include "batchbench.h"

#include "benchsupport.h"
#include "busclient.h"
#include "report.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

const QString Name = QStringLiteral("Batch");
constexpr int Count = 1000;
constexpr double LineLimitPerSecond = 9600.0 / 90;
constexpr char BusConnection[] = "glyphsmith-bench batch";

// Pattern n: its number in the first two columns, a mark in the last.
QByteArray patternBytes(int n)
{
    QByteArray bytes(9, '\0');
    bytes[0] = char(0xFC);
    bytes[1] = char(n & 0xFF);
    bytes[2] = char(n >> 8);
    bytes[8] = char(0xA5);
    return bytes;
}

QByteArray batchInput()
{
    QByteArray input;
    for (int n = 0; n < Count; ++n)
        input += "pattern " + patternBytes(n).mid(1).toHex(' ') + '\n';
    return input;
}

struct Delivery
{
    int count = 0; // marked patterns the simulator framed
    bool inOrder = true;
    double perSecond = 0; // between the first and the last arrival
};

Delivery delivery(const Bench::TimedModule &module)
{
    Delivery result;
    double first = 0;
    double last = 0;
    for (const QString &line : module.logLines()) {
        const QStringList fields = line.split(u' ');
        if (fields.size() != 10 || fields.at(1) != u"FC" || fields.at(9) != u"A5")
            continue;
        const int n = fields.at(2).toInt(nullptr, 16) | fields.at(3).toInt(nullptr, 16) << 8;
        if (n != result.count)
            result.inOrder = false;
        const double ms = fields.at(0).toDouble();
        if (result.count == 0)
            first = ms;
        last = ms;
        ++result.count;
    }
    if (result.count > 1 && last > first)
        result.perSecond = (result.count - 1) / ((last - first) / 1000);
    return result;
}

bool waitForAll(const Bench::TimedModule &module, int timeoutMs)
{
    return QTest::qWaitFor([&] { return delivery(module).count >= Count; }, timeoutMs);
}

// The floor: every byte written straight onto the simulated line at once; the simulator takes
// them at 9600 baud, so this is the line's own limit as this machine simulates it.
bool writeStraight(const QString &device, QString *error)
{
    const int fd = ::open(QFile::encodeName(device).constData(), O_WRONLY | O_NOCTTY);
    if (fd < 0) {
        *error = QStringLiteral("%1 cannot be opened").arg(device);
        return false;
    }
    QByteArray bytes;
    for (int n = 0; n < Count; ++n)
        bytes += patternBytes(n);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written > 0) {
            done += written;
            continue;
        }
        pollfd pfd{fd, POLLOUT, 0};
        ::poll(&pfd, 1, 100);
    }
    ::close(fd);
    return true;
}

struct BatchRun
{
    int status = -1;
    QString error;
};

BatchRun sendBatch(const QString &binDir, const QStringList &arguments,
                   const QProcessEnvironment &environment)
{
    QProcess send;
    send.setProcessEnvironment(environment);
    send.start(QDir(binDir).filePath(QStringLiteral("glyphsmith-send")),
               arguments + QStringList{QStringLiteral("--batch")});
    if (!send.waitForStarted())
        return {-1, QStringLiteral("glyphsmith-send did not start")};
    send.write(batchInput());
    send.closeWriteChannel();
    if (!send.waitForFinished(60000))
        return {-1, QStringLiteral("glyphsmith-send did not end within a minute")};
    return {send.exitCode(), QString::fromUtf8(send.readAllStandardError()).trimmed()};
}

// A session bus of the benchmark's own (dbus-daemon, as dbus-run-session starts it), so that the
// program on it is the benchmark's and no other.
class PrivateBus
{
public:
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus(QLatin1String(BusConnection));
        m_daemon.kill();
        m_daemon.waitForFinished(3000);
    }
    bool start()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address")});
        if (!m_daemon.waitForReadyRead(5000))
            return false;
        m_address = QString::fromLatin1(m_daemon.readLine()).trimmed();
        return !m_address.isEmpty();
    }
    QString address() const { return m_address; }
    QDBusConnection connection() const
    {
        return QDBusConnection::connectToBus(m_address, QLatin1String(BusConnection));
    }

private:
    QProcess m_daemon;
    QString m_address;
};

void addRow(Report &report, const QString &figure, const Delivery &got, double floor, bool first)
{
    const bool good = got.count == Count && got.inOrder && got.perSecond >= 0.99 * floor;
    report.add({first ? Name : QString(), figure, Format::rate(got.perSecond), Format::rate(floor),
                Format::ratio(floor > 0 ? got.perSecond / floor : 0),
                QStringLiteral(">= 0.99x, all in order"),
                good ? Report::Verdict::Pass : Report::Verdict::Miss});
    if (got.count != Count || !got.inOrder)
        report.note(QStringLiteral("%1: %2: %3 of %4 patterns arrived%5")
                        .arg(Name, figure)
                        .arg(got.count)
                        .arg(Count)
                        .arg(got.inOrder ? QString() : QStringLiteral(", not in order")));
}

} // namespace

void runBatchBenchmark(Report &report, const QString &binDir)
{
    QString error;
    // The floor, on a simulator of its own.
    Delivery floor;
    {
        Bench::TimedModule module;
        if (!module.start(binDir, &error) || !writeStraight(module.linkPath(), &error) ||
            !waitForAll(module, 30000)) {
            report.fail(Name, error.isEmpty() ? QStringLiteral("the straight writes did not all "
                                                               "arrive")
                                              : error);
            return;
        }
        floor = delivery(module);
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString());

    // glyphsmith-send's own link.
    Delivery own;
    {
        Bench::TimedModule module;
        if (!module.start(binDir, &error)) {
            report.fail(Name, error);
            return;
        }
        const BatchRun run =
            sendBatch(binDir, {QStringLiteral("-p"), module.linkPath()}, environment);
        if (run.status != 0)
            report.note(QStringLiteral("%1: own link: exit %2: %3")
                            .arg(Name)
                            .arg(run.status)
                            .arg(run.error));
        waitForAll(module, 5000);
        own = delivery(module);
    }
    addRow(report, QStringLiteral("1000 patterns over its own link, a second"), own,
           floor.perSecond, true);

    // Through the running program, on a bus of the benchmark's own.
    Delivery through;
    {
        PrivateBus bus;
        Bench::TimedModule module;
        if (!bus.start() || !module.start(binDir, &error)) {
            report.fail(Name,
                        error.isEmpty() ? QStringLiteral("dbus-daemon did not start") : error);
            return;
        }
        Bench::resetSettings(module.linkPath());
        QTemporaryDir state;
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        environment.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QDir(binDir).filePath(QStringLiteral("glyphsmith")));
        BusClient client(bus.connection());
        const bool up = QTest::qWaitFor(
            [&] {
                const auto port = client.port();
                return port && port->isOpen();
            },
            10000);
        if (!up) {
            report.fail(Name, QStringLiteral("the program did not come up on the bus"));
            return;
        }
        const BatchRun run = sendBatch(binDir, {}, environment);
        if (run.status != 0)
            report.note(QStringLiteral("%1: through the program: exit %2: %3")
                            .arg(Name)
                            .arg(run.status)
                            .arg(run.error));
        waitForAll(module, 5000);
        through = delivery(module);
        program.kill();
        program.waitForFinished(3000);
    }
    addRow(report, QStringLiteral("1000 patterns through the program, a second"), through,
           floor.perSecond, false);
    report.note(QStringLiteral("%1: the floor is the same 1000 patterns written straight onto the "
                               "simulated line: %2, %3 of the %4 a second a 9600-baud line "
                               "carries; over its own link %5, through the program %6 of that")
                    .arg(Name, Format::rate(floor.perSecond),
                         Format::ratio(floor.perSecond / LineLimitPerSecond))
                    .arg(LineLimitPerSecond, 0, 'f', 1)
                    .arg(Format::ratio(own.perSecond / LineLimitPerSecond),
                         Format::ratio(through.perSecond / LineLimitPerSecond)));
}
