#include "replywait.h"

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

// The reply wait on its own: ticks counted, nesting, cancelling, and that it sleeps between
// events.
class TestConfigWait : public QObject
{
    Q_OBJECT

private slots:
    void ticksPerWait_data();
    void ticksPerWait();
    void nestedWaitEndsBoth();
    void ticksPiledUpInOnePass();
    void counterSaturates();
    void cancel_data();
    void cancel();
    void eventsRunDuringWait();
    void waitSleepsBetweenEvents();
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
        QVERIFY(wait.WaitForReply());
        QCOMPARE(wait.tickCount(), qint16(10));
        QVERIFY(!counter.timerActive());
        QVERIFY(!wait.isWaiting());
    }
    QCOMPARE(counter.count, ticks);
    QCOMPARE(countAtStart, QList<int>(waits, 1));
    // Between waits the timer does not run.
    QTest::qWait(50);
    QCOMPARE(counter.count, ticks);
    QCOMPARE(wait.tickCount(), qint16(10));
}

void TestConfigWait::nestedWaitEndsBoth()
{
    ReplyWait wait;
    TickCounter counter(wait);
    bool innerElapsed = false;
    bool nestedInside = false;
    counter.at[3] = [&] {
        nestedInside = wait.isWaiting();
        innerElapsed = wait.WaitForReply();
    };

    QVERIFY(wait.WaitForReply());
    QVERIFY(nestedInside);
    QVERIFY(innerElapsed);
    // Three ticks of the outer wait, ten of the inner one, and not one more.
    QCOMPARE(counter.count, 13);
    QCOMPARE(wait.tickCount(), qint16(10));
    QVERIFY(!counter.timerActive());
    QVERIFY(!wait.isWaiting());
}

// A menu or a message box opened inside one pass runs its own event loop; the ticks that come
// meanwhile carry the count past the end before the wait looks at it again.
void TestConfigWait::ticksPiledUpInOnePass()
{
    ReplyWait wait;
    TickCounter counter(wait);
    int countWhenBoxClosed = -1;
    QTimer::singleShot(0, &wait, [&] {
        QEventLoop box;
        counter.at[14] = [&] { box.quit(); };
        box.exec();
        countWhenBoxClosed = counter.count;
    });

    QVERIFY(wait.WaitForReply());
    QVERIFY(!counter.runaway);
    QCOMPARE(countWhenBoxClosed, 14);
    QCOMPARE_GE(wait.tickCount(), qint16(14));
    QCOMPARE_LE(counter.count, countWhenBoxClosed + 1);
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
    QVERIFY(wait.WaitForReply());
    QCOMPARE(counter.count, 10);
    QCOMPARE(wait.tickCount(), qint16(10));
}

void TestConfigWait::cancel_data()
{
    QTest::addColumn<int>("nestAt");   // tick at which a nested wait starts; 0: none
    QTest::addColumn<int>("cancelAt"); // tick at which cancel() is called; 0: before any wait
    QTest::addColumn<bool>("innerElapsed");
    QTest::addColumn<bool>("outerElapsed");
    QTest::addColumn<int>("ticks");

    QTest::newRow("at tick 3") << 0 << 3 << false << false << 3;
    QTest::newRow("at the first tick") << 0 << 1 << false << false << 1;
    QTest::newRow("inside a nested wait") << 2 << 6 << false << false << 6;
    QTest::newRow("while idle, no effect") << 0 << 0 << false << true << 10;
}

void TestConfigWait::cancel()
{
    QFETCH(int, nestAt);
    QFETCH(int, cancelAt);
    QFETCH(bool, innerElapsed);
    QFETCH(bool, outerElapsed);
    QFETCH(int, ticks);

    ReplyWait wait;
    TickCounter counter(wait);
    bool inner = false;
    if (nestAt > 0)
        counter.at[nestAt] = [&] { inner = wait.WaitForReply(); };
    if (cancelAt > 0)
        counter.at[cancelAt] = [&] { wait.cancel(); };
    else
        wait.cancel();

    QCOMPARE(wait.WaitForReply(), outerElapsed);
    QCOMPARE(inner, innerElapsed);
    QCOMPARE(counter.count, ticks);
    QVERIFY(!counter.timerActive());
    QVERIFY(!wait.isWaiting());

    // A cancel ends the waits it found running, not the next one.
    counter.count = 0;
    counter.at.clear();
    QVERIFY(wait.WaitForReply());
    QCOMPARE(counter.count, 10);
}

void TestConfigWait::eventsRunDuringWait()
{
    ReplyWait wait;
    TickCounter counter(wait);
    QList<int> ranAtTick;
    QMetaObject::invokeMethod(
        &wait, [&] { ranAtTick.append(counter.count); }, Qt::QueuedConnection);
    QTimer other;
    other.setInterval(ReplyWait::TickInterval * 3);
    connect(&other, &QTimer::timeout, &wait, [&] { ranAtTick.append(counter.count); });
    other.start();

    QVERIFY(wait.WaitForReply());
    other.stop();
    QVERIFY2(ranAtTick.size() >= 2, "a queued call and another timer ran inside the wait");
    QCOMPARE(ranAtTick.first(), 0);
}

// A wait of 100 ms that polled would burn about 100 ms of processor time.
void TestConfigWait::waitSleepsBetweenEvents()
{
    ReplyWait wait;
    TickCounter counter(wait);
    QVERIFY(wait.WaitForReply()); // warm up
    counter.count = 0;

    const qint64 before = processCpuNanoseconds();
    QVERIFY(wait.WaitForReply());
    const qint64 used = processCpuNanoseconds() - before;
    QCOMPARE(counter.count, 10);
    QVERIFY2(used < 30'000'000, qPrintable(QStringLiteral("%1 us of CPU").arg(used / 1000)));
}

QTEST_GUILESS_MAIN(TestConfigWait)
#include "tst_configwait.moc"
