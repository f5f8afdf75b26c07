#include "startupbench.h"

#include "benchsupport.h"
#include "report.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>

#include <optional>

namespace {

constexpr int Runs = 20;
constexpr double GoalRatio = 1.3;
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
std::optional<Launch> launch(const QString &program, const QStringList &arguments, QString &error)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
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

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

void runStartupBenchmark(Report &report, const QString &binDir)
{
    // The program opens its remembered port (COM1) while it starts; a pty stands in for the
    // module, so the start-up is the one a user with a connected module sees.
    Bench::Pty pty;
    if (!pty.isValid()) {
        report.fail(Name, QStringLiteral("no pseudo-terminal could be opened"));
        return;
    }
    Bench::resetSettings(pty.slavePath());

    const QDir dir(binDir);
    const QString program = dir.filePath(ProgramName);
    const QString floor = dir.filePath(FloorName);
    QString error;
    // One run of each first, not counted: it fills the disk cache and the font cache, and the
    // program's run tells the size of its main window, which the floors then take.
    const auto first = launch(program, {}, error);
    if (!first) {
        report.fail(Name, error);
        return;
    }
    const QStringList bareArguments = {sizeText(first->size)};
    const QStringList textArguments = {sizeText(first->size), QStringLiteral("--text")};
    bool ok = launch(floor, bareArguments, error) && launch(floor, textArguments, error);
    Series programRuns, textRuns, bareRuns;
    for (int run = 0; ok && run < Runs; ++run) {
        ok = record(bareRuns, launch(floor, bareArguments, error)) &&
             record(textRuns, launch(floor, textArguments, error)) &&
             record(programRuns, launch(program, {}, error));
    }
    if (!ok) {
        report.fail(Name, error);
        return;
    }

    const double exposed = Stats::median(programRuns.exposedNs);
    const double textExposed = Stats::median(textRuns.exposedNs);
    const double bareExposed = Stats::median(bareRuns.exposedNs);
    const double ratio = exposed / textExposed;
    report.add({Name,
                QStringLiteral("to first expose, median of %1; floor: window + label").arg(Runs),
                Format::duration(exposed), Format::duration(textExposed), Format::ratio(ratio),
                QStringLiteral("<= %1x floor").arg(GoalRatio, 0, 'f', 1),
                ratio <= GoalRatio ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.add({QString(), QStringLiteral("to first expose; reference: window without text"),
                Format::duration(exposed), Format::duration(bareExposed),
                Format::ratio(exposed / bareExposed), QString(), Report::Verdict::None});

    const double drawn = Stats::median(programRuns.drawnNs);
    const double textDrawn = Stats::median(textRuns.drawnNs);
    report.add({QString(), QStringLiteral("to first frame drawn, median; floor: window + label"),
                Format::duration(drawn), Format::duration(textDrawn),
                Format::ratio(drawn / textDrawn), QString(), Report::Verdict::None});

    const double peak = Stats::median(programRuns.peakKiB);
    const double floorPeak = Stats::median(textRuns.peakKiB);
    report.add(
        {QString(), QStringLiteral("peak RSS (VmHWM), median; floor: window + label"),
         Format::mebibytes(peak), Format::mebibytes(floorPeak),
         (peak >= floorPeak ? QStringLiteral("+") : QString()) +
             Format::mebibytes(peak - floorPeak),
         QStringLiteral("<= floor + %1").arg(Format::mebibytes(MemoryAllowanceKiB)),
         peak - floorPeak <= MemoryAllowanceKiB ? Report::Verdict::Pass : Report::Verdict::Miss});

    report.note(QStringLiteral("%1: first expose %2 .. %3 (floor with label %4 .. %5, without "
                               "text %6 .. %7); window %8 as the program showed it, floors %9 "
                               "and %10")
                    .arg(Name, Format::duration(Stats::minimum(programRuns.exposedNs)),
                         Format::duration(Stats::maximum(programRuns.exposedNs)),
                         Format::duration(Stats::minimum(textRuns.exposedNs)),
                         Format::duration(Stats::maximum(textRuns.exposedNs)),
                         Format::duration(Stats::minimum(bareRuns.exposedNs)),
                         Format::duration(Stats::maximum(bareRuns.exposedNs)),
                         sizeText(programRuns.size), sizeText(textRuns.size))
                    .arg(sizeText(bareRuns.size)));
}
