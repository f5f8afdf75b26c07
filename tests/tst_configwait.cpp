#include "replywait.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <limits>
#include <map>

#include <time.h>

namespace {

// Counts the ticks of a wait's Timer1, runs the actions planned for given ticks, and cancels a
// wait that would not end by itself, so that a faulty wait fails the test instead of hanging it.
class TickCounter : public QObject
{
public:
    static constexpr int Runaway = 200;

    explicit TickCounter(ReplyWait &wait)
        : m_timer(wait.findChild<QTimer *>(QStringLiteral("Timer1")))
    {
        QVERIFY(m_timer);
        // A wait whose ticks stop altogether is ended too, much later.
        m_watchdog.setSingleShot(true);
        connect(&m_watchdog, &QTimer::timeout, this, [this, &wait] {
            runaway = true;
            wait.cancel();
        });
        m_watchdog.start(std::chrono::seconds(20));
        connect(m_timer, &QTimer::timeout, this, [this, &wait] {
            ++count;
            if (const auto action = at.find(count); action != at.end())
                action->second();
            if (count == Runaway) {
                runaway = true;
                wait.cancel();
            }
        });
    }

    bool timerActive() const { return m_timer->isActive(); }

    int count = 0;
    bool runaway = false;
    std::map<int, std::function<void()>> at;

private:
    QTimer *m_timer;
    QTimer m_watchdog;
};

qint64 processCpuNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace

// Runs the event loop until `wait` says it is over, or until the watchdog or a runaway count
// ends it; true when finished() came.
bool runWait(ReplyWait &wait, int waits = 1)
{
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&wait, &ReplyWait::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &loop, &QEventLoop::quit);
    watchdog.start(std::chrono::seconds(5));
    wait.WaitForReply(waits);
    loop.exec();
    return finished;
}

// The reply wait on its own: ticks counted, waits in a row, restarting, cancelling, and that it
// sleeps between ticks.
class TestConfigWait : public QObject
{
    Q_OBJECT

private slots:
    void ticksPerWait_data();
    void ticksPerWait();
    void restartedWaitCountsAfresh();
    void endsInsideAnotherLoop();
    void counterSaturates();
    void cancel_data();
    void cancel();
    void waitSleepsBetweenTicks();
};

void TestConfigWait::ticksPerWait_data()
{
    QTest::addColumn<int>("waits");
    QTest::addColumn<int>("ticks");

    QTest::newRow("one wait") << 1 << 10;
    QTest::newRow("two waits in a row") << 2 << 20;
    QTest::newRow("three waits in a row") << 3 << 30;
}

void TestConfigWait::ticksPerWait()
{
    QFETCH(int, waits);
    QFETCH(int, ticks);

    ReplyWait wait;
    TickCounter counter(wait);
    QCOMPARE(wait.tickCount(), qint16(0));
    QList<int> countAtStart;
    for (int n = 0; n < waits; ++n) {
        // Each wait starts from zero again: the count seen at its first tick is 1.
        counter.at[n * ReplyWait::TicksPerWait + 1] = [&] {
            countAtStart.append(wait.tickCount());
        };
    }
    QSignalSpy finished(&wait, &ReplyWait::finished);
    QVERIFY(runWait(wait, waits));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(wait.tickCount(), qint16(10));
    QVERIFY(!counter.timerActive());
    QVERIFY(!wait.isWaiting());
    QCOMPARE(counter.count, ticks);
    QCOMPARE(countAtStart, QList<int>(waits, 1));
    // After the wait the timer does not run, and nothing more is said.
    QTest::qWait(50);
    QCOMPARE(counter.count, ticks);
    QCOMPARE(finished.size(), 1);
}

// A wait started while another runs replaces it: one finished(), ten ticks after the restart.
void TestConfigWait::restartedWaitCountsAfresh()
{
    ReplyWait wait;
    TickCounter counter(wait);
    QSignalSpy finished(&wait, &ReplyWait::finished);
    counter.at[3] = [&] { wait.WaitForReply(); };
    QVERIFY(runWait(wait));
    QCOMPARE(counter.count, 13);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(wait.tickCount(), qint16(10));
}

// A message box opened meanwhile runs an event loop of its own; the wait goes on through it and
// ends inside it, on time.
void TestConfigWait::endsInsideAnotherLoop()
{
    ReplyWait wait;
    TickCounter counter(wait);
    bool boxRunning = false;
    bool finishedInsideBox = false;
    connect(&wait, &ReplyWait::finished, &wait, [&] { finishedInsideBox = boxRunning; });
    QTimer::singleShot(0, &wait, [&] {
        QEventLoop box;
        boxRunning = true;
        QTimer::singleShot(300, &box, &QEventLoop::quit);
        box.exec();
        boxRunning = false;
    });
    QVERIFY(runWait(wait));
    QVERIFY(finishedInsideBox);
    QCOMPARE(counter.count, 10);
    QVERIFY(!counter.timerActive());
}

void TestConfigWait::counterSaturates()
{
    ReplyWait wait;
    const int max = std::numeric_limits<qint16>::max();
    for (int tick = 0; tick < max + 100; ++tick)
        wait.Timer1_Timer();
    QCOMPARE(wait.tickCount(), qint16(max));

    TickCounter counter(wait);
    QVERIFY(runWait(wait));
    QCOMPARE(counter.count, 10);
    QCOMPARE(wait.tickCount(), qint16(10));
}

void TestConfigWait::cancel_data()
{
    QTest::addColumn<int>("cancelAt"); // tick at which cancel() is called; 0: before the wait
    QTest::addColumn<bool>("finishes");
    QTest::addColumn<int>("ticks");

    QTest::newRow("at tick 3") << 3 << false << 3;
    QTest::newRow("at the first tick") << 1 << false << 1;
    QTest::newRow("in the second of two waits") << 14 << false << 14;
    QTest::newRow("while idle, no effect") << 0 << true << 10;
}

void TestConfigWait::cancel()
{
    QFETCH(int, cancelAt);
    QFETCH(bool, finishes);
    QFETCH(int, ticks);

    ReplyWait wait;
    TickCounter counter(wait);
    QSignalSpy finished(&wait, &ReplyWait::finished);
    if (cancelAt > 0)
        counter.at[cancelAt] = [&] { wait.cancel(); };
    else
        wait.cancel();
    wait.WaitForReply(cancelAt > ReplyWait::TicksPerWait ? 2 : 1);
    QTest::qWait(400);
    QCOMPARE(finished.size(), finishes ? 1 : 0);
    QCOMPARE(counter.count, ticks);
    QVERIFY(!counter.timerActive());
    QVERIFY(!wait.isWaiting());

    // A cancel ends the wait it found running, not the next one.
    counter.count = 0;
    counter.at.clear();
    QVERIFY(runWait(wait));
    QCOMPARE(counter.count, 10);
}

// A wait of 100 ms that polled would burn about 100 ms of processor time.
void TestConfigWait::waitSleepsBetweenTicks()
{
    ReplyWait wait;
    TickCounter counter(wait);
    QVERIFY(runWait(wait)); // warm up
    counter.count = 0;

    const qint64 before = processCpuNanoseconds();
    QVERIFY(runWait(wait));
    const qint64 used = processCpuNanoseconds() - before;
    QCOMPARE(counter.count, 10);
    QVERIFY2(used < 30'000'000, qPrintable(QStringLiteral("%1 us of CPU").arg(used / 1000)));
}

QTEST_GUILESS_MAIN(TestConfigWait)
#include "tst_configwait.moc"
