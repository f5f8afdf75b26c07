#include "startupbench.h"

#include "benchsupport.h"
#include "report.h"
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>

#include <optional>

namespace {

constexpr int Runs = 20;
constexpr double GoalRatio = 1.5;
constexpr double MemoryAllowanceKiB = 15 * 1024;
constexpr int ChildTimeoutMs = 20000;
const QString Name = QStringLiteral("Start-up");
const QString ProgramName = QStringLiteral("glyphsmith-bench-startup");
const QString FloorName = QStringLiteral("glyphsmith-bench-bare");

struct Launch
{
    double exposedNs = 0;
    double drawnNs = 0;
    double peakKiB = 0;
    QSize size;
};

struct Series
{
    std::vector<double> exposedNs;
    std::vector<double> drawnNs;
    std::vector<double> peakKiB;
    QSize size;
};

// Starts `program` and reads the line its probe prints at the first expose. The start time is
// taken just before the process is created, so loading and linking the program count too.
std::optional<Launch> launch(const QString &program, QString &error)
{
    QProcess process;
    process.setProgram(program);
    const qint64 start = Bench::monotonicNs();
    process.start();
    if (!process.waitForFinished(ChildTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        error = QStringLiteral("%1 did not finish: %2").arg(program, process.errorString());
        return std::nullopt;
    }
    static const QRegularExpression line(
        QStringLiteral(R"(exposed=(\d+) drawn=(\d+) vmhwm=(-?\d+) size=(\d+)x(\d+))"));
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    const auto match = line.match(output);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        !match.hasMatch()) {
        error = QStringLiteral("%1 exited with %2 and printed \"%3\"; its errors: %4")
                    .arg(program)
                    .arg(process.exitCode())
                    .arg(output.trimmed(),
                         QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
        return std::nullopt;
    }
    if (match.captured(3).toLongLong() <= 0) {
        error = QStringLiteral("%1 could not read its peak memory (VmHWM)").arg(program);
        return std::nullopt;
    }
    return Launch{double(match.captured(1).toLongLong() - start),
                  double(match.captured(2).toLongLong() - start), match.captured(3).toDouble(),
                  QSize(match.captured(4).toInt(), match.captured(5).toInt())};
}

bool record(Series &series, const std::optional<Launch> &run)
{
    if (!run)
        return false;
    series.exposedNs.push_back(run->exposedNs);
    series.drawnNs.push_back(run->drawnNs);
    series.peakKiB.push_back(run->peakKiB);
    series.size = run->size;
    return true;
}

} // namespace

void runStartupBenchmark(Report &report, const QString &binDir)
{
    // The program opens its remembered port (COM1) while it starts; a pty stands in for the
    // module, so the start-up is the one a user with a connected module sees.
    TestSupport::Pty pty;
    if (!pty.isValid()) {
        report.fail(Name, QStringLiteral("no pseudo-terminal could be opened"));
        return;
    }
    Bench::resetSettings(pty.slavePath());

    const QDir dir(binDir);
    const QString program = dir.filePath(ProgramName);
    const QString floor = dir.filePath(FloorName);
    Series programRuns, floorRuns;
    QString error;
    // One run of each first, not counted: it fills the disk cache and the font cache.
    bool ok = launch(floor, error) && launch(program, error);
    for (int run = 0; ok && run < Runs; ++run) {
        ok = record(floorRuns, launch(floor, error)) && record(programRuns, launch(program, error));
    }
    if (!ok) {
        report.fail(Name, error);
        return;
    }

    const double exposed = Stats::median(programRuns.exposedNs);
    const double floorExposed = Stats::median(floorRuns.exposedNs);
    const double ratio = exposed / floorExposed;
    report.add({Name, QStringLiteral("to first expose, median of %1").arg(Runs),
                Format::duration(exposed), Format::duration(floorExposed), Format::ratio(ratio),
                QStringLiteral("<= %1x floor").arg(GoalRatio, 0, 'f', 1),
                ratio <= GoalRatio ? Report::Verdict::Pass : Report::Verdict::Miss});

    const double drawn = Stats::median(programRuns.drawnNs);
    const double floorDrawn = Stats::median(floorRuns.drawnNs);
    report.add({QString(), QStringLiteral("to first frame drawn, median"), Format::duration(drawn),
                Format::duration(floorDrawn), Format::ratio(drawn / floorDrawn), QString(),
                Report::Verdict::None});

    const double peak = Stats::median(programRuns.peakKiB);
    const double floorPeak = Stats::median(floorRuns.peakKiB);
    report.add(
        {QString(), QStringLiteral("peak RSS (VmHWM), median"), Format::mebibytes(peak),
         Format::mebibytes(floorPeak),
         (peak >= floorPeak ? QStringLiteral("+") : QString()) +
             Format::mebibytes(peak - floorPeak),
         QStringLiteral("<= floor + %1").arg(Format::mebibytes(MemoryAllowanceKiB)),
         peak - floorPeak <= MemoryAllowanceKiB ? Report::Verdict::Pass : Report::Verdict::Miss});

    report.note(QStringLiteral("%1: first expose %2 .. %3 (floor %4 .. %5); window %6x%7, "
                               "floor %8x%9")
                    .arg(Name, Format::duration(Stats::minimum(programRuns.exposedNs)),
                         Format::duration(Stats::maximum(programRuns.exposedNs)),
                         Format::duration(Stats::minimum(floorRuns.exposedNs)),
                         Format::duration(Stats::maximum(floorRuns.exposedNs)))
                    .arg(programRuns.size.width())
                    .arg(programRuns.size.height())
                    .arg(floorRuns.size.width())
                    .arg(floorRuns.size.height()));
}
