#include "benchsupport.h"

#include "appsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>
#include <memory>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <pty.h>
#include <sched.h>
#include <termios.h>
#include <unistd.h>

namespace Bench {

namespace {

qint64 clockNs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace

qint64 monotonicNs()
{
    return clockNs(CLOCK_MONOTONIC);
}

qint64 processCpuNs()
{
    return clockNs(CLOCK_PROCESS_CPUTIME_ID);
}

bool useTemporarySettings()
{
    static std::unique_ptr<QTemporaryDir> folder;
    folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid())
        return false;
    qputenv("XDG_CONFIG_HOME", folder->path().toLocal8Bit());
    // Recovery copies of this run's own, and no session bus: no benchmark reaches the user's
    // running program (the batch benchmark starts a bus of its own).
    qputenv("XDG_STATE_HOME", folder->filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray());
    return true;
}

void resetSettings(const QString &com1)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    settings.clear();
    settings.beginGroup(QLatin1String(AppSettings::PortsGroup));
    for (int port = AppSettings::FirstPort; port <= AppSettings::LastPort; ++port) {
        settings.setValue(
            QStringLiteral("COM%1").arg(port),
            port == 1 ? com1 : QStringLiteral("/nonexistent/glyphsmith-bench/COM%1").arg(port));
    }
    settings.endGroup();
    settings.sync();
}

Pty::Pty()
{
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    termios raw{};
    tcgetattr(m_slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_slave, TCSANOW, &raw);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

Pty::~Pty()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

namespace {

bool waitReadable(int fd, int timeoutMs)
{
    pollfd pfd{fd, POLLIN, 0};
    return poll(&pfd, 1, timeoutMs) > 0 && (pfd.revents & POLLIN);
}

} // namespace

QByteArray FarEnd::read(qsizetype count, std::chrono::milliseconds timeout)
{
    QByteArray got;
    const qint64 deadline = monotonicNs() + qint64(timeout.count()) * 1'000'000;
    char buffer[4096];
    while (got.size() < count) {
        if (!waitReadable(m_fd, 0)) {
            if (monotonicNs() > deadline)
                break;
            QCoreApplication::processEvents();
            if (!waitReadable(m_fd, 1))
                continue;
        }
        // No more than asked for, so the next measurement starts on an empty line.
        const auto wanted = std::min<qsizetype>(count - got.size(), sizeof buffer);
        const ssize_t n = ::read(m_fd, buffer, size_t(wanted));
        if (n > 0)
            got.append(buffer, n);
    }
    return got;
}

void FarEnd::drain()
{
    char buffer[4096];
    while (waitReadable(m_fd, 0) && ::read(m_fd, buffer, sizeof buffer) > 0) {
    }
}

FarEndCollector::FarEndCollector(int masterFd, qsizetype expected, Start start,
                                 std::chrono::milliseconds quietLimit)
    : m_fd(masterFd)
    , m_expected(expected)
    , m_start(start)
    , m_quietLimit(quietLimit)
    , m_thread(&FarEndCollector::run, this)
{
    // The reader is running, its buffers touched, before the sender begins: a thread that is
    // still starting up reads the first messages late and makes them look closer together.
    while (!m_reading)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

FarEndCollector::~FarEndCollector()
{
    finish();
    join();
}

void FarEndCollector::join()
{
    while (!m_done) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (m_thread.joinable())
        m_thread.join();
}

qint64 FarEndCollector::arrivalNs(qsizetype offset) const
{
    const auto chunk =
        std::upper_bound(m_chunks.begin(), m_chunks.end(), offset,
                         [](qsizetype at, const Chunk &chunk) { return at < chunk.received; });
    return chunk == m_chunks.end() ? -1 : chunk->atNs;
}

void FarEndCollector::run()
{
    m_received.reserve(m_expected);
    m_chunks.reserve(std::size_t(m_expected));
    // On two cores the sender's handlers and the kernel's pty work can keep an ordinary reader
    // waiting for milliseconds, and two messages then look closer together than they were
    // sent. Real-time priority, where the system allows it (root, or an rtprio limit), keeps its
    // wake-ups prompt; it sleeps in poll() all the rest of the time.
    sched_param priority{};
    priority.sched_priority = 10;
    m_realTime = pthread_setschedparam(pthread_self(), SCHED_FIFO, &priority) == 0;
    m_reading = true;
    while (m_start == Start::AfterFinish && !m_finished)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const qint64 quietNs = qint64(m_quietLimit.count()) * 1'000'000;
    qint64 quietSince = monotonicNs();
    char buffer[65536];
    while (m_received.size() < m_expected) {
        pollfd pfd{m_fd, POLLIN, 0};
        const int ready = poll(&pfd, 1, 10);
        if (ready > 0 && (pfd.revents & POLLIN)) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n > 0) {
                m_received.append(buffer, n);
                m_lastByteNs = quietSince = monotonicNs();
                m_chunks.push_back({m_lastByteNs, m_received.size()});
                continue;
            }
        }
        // A hang-up or an error makes poll() return at once: never spin on it, least of all at
        // real-time priority.
        if (ready != 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        // Quiet counts only once the sender is done: before that, a pause is the sender's own
        // and says nothing about bytes gone missing.
        const qint64 now = monotonicNs();
        if (!m_finished)
            quietSince = now;
        else if (now - quietSince > quietNs)
            break;
    }
    m_done = true;
}

TimedModule::~TimedModule()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }
}

bool TimedModule::start(const QString &binDir, QString *error)
{
    m_process.start(QDir(binDir).filePath(QStringLiteral("glyphsmith-sim")),
                    {"--headless", "--baud", QString::number(Baud), "--log-times", "--link",
                     linkPath(), "--log", m_folder.filePath(QStringLiteral("log"))});
    // The simulator says where it listens once its pty is ready.
    if (!m_process.waitForReadyRead(5000)) {
        *error = QStringLiteral("the simulator did not start");
        return false;
    }
    return true;
}

QStringList TimedModule::logLines() const
{
    QFile file(m_folder.filePath(QStringLiteral("log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace Bench
