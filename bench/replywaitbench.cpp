#include "replywaitbench.h"

#include <QEventLoop>

#include "benchsupport.h"
#include "replywait.h"
#include "report.h"

#include <QCoreApplication>
#include <QTimer>

#include <cmath>

namespace {

constexpr int Waits = 100;
constexpr double NominalNs = double(ReplyWait::TicksPerWait) *
                             double(std::chrono::nanoseconds(ReplyWait::TickInterval).count());
constexpr double WallTolerance = 0.10;
constexpr double MaxCoreShare = 0.05;
constexpr double MinCpuAdvantage = 20.0;
const QString Name = QStringLiteral("Reply wait");

// The reference: the same ticks of the same timer, but the loop runs the pending events and
// comes straight back to look again, so the thread never sleeps between ticks.
class BusyPollWait : public QObject
{
public:
    BusyPollWait()
    {
        m_timer.setInterval(ReplyWait::TickInterval);
        connect(&m_timer, &QTimer::timeout, this, [this] { ++m_ticks; });
    }

    void wait()
    {
        m_ticks = 0;
        m_timer.start();
        while (m_ticks < ReplyWait::TicksPerWait)
            QCoreApplication::processEvents();
        m_timer.stop();
    }

private:
    QTimer m_timer;
    int m_ticks = 0;
};

struct Sample
{
    double wallNs = 0;
    double cpuNs = 0;
};

template<typename Wait> Sample timeWait(Wait wait)
{
    const qint64 wall = Bench::monotonicNs();
    const qint64 cpu = Bench::processCpuNs();
    wait();
    return {double(Bench::monotonicNs() - wall), double(Bench::processCpuNs() - cpu)};
}

} // namespace

void runReplyWaitBenchmark(Report &report)
{
    ReplyWait replyWait;
    BusyPollWait busyPoll;
    std::vector<double> wall, cpu, busyWall, busyCpu;
    int incomplete = 0;
    for (int pass = 0; pass < Waits; ++pass) {
        // Alternated, so a busy machine slows both alike.
        const Sample sample = timeWait([&] {
            QEventLoop loop;
            QObject::connect(&replyWait, &ReplyWait::finished, &loop, &QEventLoop::quit);
            replyWait.WaitForReply();
            loop.exec();
            incomplete += replyWait.tickCount() != ReplyWait::TicksPerWait;
        });
        wall.push_back(sample.wallNs);
        cpu.push_back(sample.cpuNs);
        const Sample busy = timeWait([&] { busyPoll.wait(); });
        busyWall.push_back(busy.wallNs);
        busyCpu.push_back(busy.cpuNs);
    }

    const double wallMedian = Stats::median(wall);
    const double busyWallMedian = Stats::median(busyWall);
    const bool onTime = std::abs(wallMedian - NominalNs) <= WallTolerance * NominalNs;
    report.add({Name, QStringLiteral("wall per wait, median of %1").arg(Waits),
                Format::duration(wallMedian), Format::duration(busyWallMedian),
                Format::ratio(wallMedian / busyWallMedian),
                QStringLiteral("%1 +- %2 %")
                    .arg(Format::duration(NominalNs))
                    .arg(WallTolerance * 100, 0, 'f', 0),
                onTime && incomplete == 0 ? Report::Verdict::Pass : Report::Verdict::Miss});

    const double share = Stats::sum(cpu) / Stats::sum(wall);
    const double busyShare = Stats::sum(busyCpu) / Stats::sum(busyWall);
    report.add({QString(), QStringLiteral("CPU, share of one core"), Format::percent(share),
                Format::percent(busyShare), Format::ratio(share / busyShare),
                QStringLiteral("<= %1").arg(Format::percent(MaxCoreShare)),
                share <= MaxCoreShare ? Report::Verdict::Pass : Report::Verdict::Miss});

    const double cpuPerWait = Stats::sum(cpu) / Waits;
    const double busyCpuPerWait = Stats::sum(busyCpu) / Waits;
    const double advantage = busyCpuPerWait / cpuPerWait;
    report.add({QString(), QStringLiteral("CPU per wait, mean"), Format::duration(cpuPerWait),
                Format::duration(busyCpuPerWait), Format::ratio(cpuPerWait / busyCpuPerWait),
                QStringLiteral(">= %1x less than ref").arg(MinCpuAdvantage, 0, 'f', 0),
                advantage >= MinCpuAdvantage ? Report::Verdict::Pass : Report::Verdict::Miss});

    report.note(QStringLiteral("%1: wall per wait %2 .. %3 (busy poll %4 .. %5); %6x less CPU "
                               "than the busy poll")
                    .arg(Name, Format::duration(Stats::minimum(wall)),
                         Format::duration(Stats::maximum(wall)),
                         Format::duration(Stats::minimum(busyWall)),
                         Format::duration(Stats::maximum(busyWall)))
                    .arg(advantage, 0, 'f', 0));
    if (incomplete > 0)
        report.note(
            QStringLiteral("%1: %2 waits ended before their ten ticks").arg(Name).arg(incomplete));
}
