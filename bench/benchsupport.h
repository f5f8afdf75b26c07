#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

// What the benchmarks share: clocks, a private settings folder, a pseudo-terminal standing in for
// the module's line, and its far end read either in step with the program (FarEnd) or on a
// thread of its own (FarEndCollector).
namespace Bench {

// CLOCK_MONOTONIC, the clock the start-up probe prints, in nanoseconds.
qint64 monotonicNs();
// CPU time of the whole process, all threads, in nanoseconds.
qint64 processCpuNs();

// Points XDG_CONFIG_HOME (and XDG_STATE_HOME) at a fresh folder of this run, so no benchmark reads
// or changes the user's settings, and leaves no session bus to the benchmarks; children started
// later inherit both. False if no folder could be made.
bool useTemporarySettings();
// Every stored entry removed, COM1 mapped to `com1` (a benchmark's pty) and COM2..COM6 to
// missing paths, so that nothing else is ever opened.
void resetSettings(const QString &com1);

// A raw pseudo-terminal: the program opens slavePath() as its serial port, the benchmark reads
// the master side, which does not block. The slave side is held open, so the master never sees
// a hang-up while the program has the port closed.
class Pty
{
public:
    Pty();
    ~Pty();
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;

    bool isValid() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    int masterFd() const { return m_master; }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

// Reads the master side of a pty on the program's thread.
class FarEnd
{
public:
    explicit FarEnd(int masterFd)
        : m_fd(masterFd)
    {}

    // Waits for exactly `count` bytes, or until `timeout`. Bytes already on the line are taken
    // without running any event; while none are, the program's events are dispatched, as its
    // event loop would, in case bytes are still queued inside it.
    QByteArray read(qsizetype count,
                    std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));
    // Throws away whatever is readable now.
    void drain();

private:
    int m_fd;
};

// Reads the master side of a pty on a thread of its own, as fast as the bytes come, until a
// known number of bytes arrived or the line stayed quiet for `quietLimit` after finish().
class FarEndCollector
{
public:
    // AfterFinish stands for a far end slower than the sender, as a 9600-baud line is: nothing
    // is taken off the line until the sender is done, so the device's buffer fills up.
    enum class Start { AtOnce, AfterFinish };

    FarEndCollector(int masterFd, qsizetype expected, Start start = Start::AtOnce,
                    std::chrono::milliseconds quietLimit = std::chrono::milliseconds(2000));
    ~FarEndCollector();
    FarEndCollector(const FarEndCollector &) = delete;
    FarEndCollector &operator=(const FarEndCollector &) = delete;

    // The sender is done: stop once the expected bytes are in or the line is quiet.
    void finish() { m_finished = true; }
    bool isDone() const { return m_done; }
    // Waits for the reader, dispatching the program's events meanwhile so that bytes it still
    // holds go out; afterwards received() and lastByteNs() may be read.
    void join();
    const QByteArray &received() const { return m_received; }
    qint64 lastByteNs() const { return m_lastByteNs; }

    // One read from the line: when it ended and how many bytes had arrived by then.
    struct Chunk
    {
        qint64 atNs;
        qsizetype received;
    };
    const std::vector<Chunk> &chunks() const { return m_chunks; }
    // Whether the reader ran at real-time priority, so that its reads were not held up.
    bool readAtRealTime() const { return m_realTime; }
    // When the byte at `offset` was read.
    qint64 arrivalNs(qsizetype offset) const;

private:
    void run();

    int m_fd;
    qsizetype m_expected;
    Start m_start;
    std::chrono::milliseconds m_quietLimit;
    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_reading{false};
    bool m_realTime = false;
    QByteArray m_received;
    std::vector<Chunk> m_chunks;
    qint64 m_lastByteNs = 0;
    std::thread m_thread;
};

// The simulator on a line of 9600 baud: it takes the bytes off its pty at the line's pace and
// logs each message it frames, stamped with the time its last byte arrived on CLOCK_MONOTONIC
// (the clock of monotonicNs()), in milliseconds.
class TimedModule
{
public:
    static constexpr int Baud = 9600;

    TimedModule() = default;
    ~TimedModule();
    TimedModule(const TimedModule &) = delete;
    TimedModule &operator=(const TimedModule &) = delete;

    // Starts the simulator from `binDir`; false with `error` set when it does not come up.
    bool start(const QString &binDir, QString *error);
    // The device the program opens.
    QString linkPath() const { return m_folder.filePath(QStringLiteral("module")); }
    // Every logged line so far, "TIME BYTES".
    QStringList logLines() const;

private:
    QTemporaryDir m_folder;
    QProcess m_process;
};

} // namespace Bench
