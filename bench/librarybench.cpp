#include "benchprompter.h"
#include "librarybench.h"

#include "benchsupport.h"
#include "frmmain.h"
#include "librarydocument.h"
#include "libraryshown.h"
#include "messagebox.h"
#include "patternlibrary.h"
#include "report.h"
#include "startup.h"
#include "framescontroller.h"
#include "librarycontroller.h"
#include "workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <optional>

namespace {

constexpr int Patterns = 10000;
constexpr int Runs = 20;
constexpr int MemoryRuns = 5;
constexpr double GoalRatio = 2.0;
constexpr double MemoryAllowanceKiB = 25 * 1024;
const QString Name = QStringLiteral("Library open");

std::optional<double> childPeakKiB(const QString &program, const QStringList &arguments,
                                   QString &error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        process.kill();
        error = QStringLiteral("%1 failed: %2")
                    .arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
        return std::nullopt;
    }
    static const QRegularExpression line(QStringLiteral(R"(vmhwm=(\d+) rows=(\d+))"));
    const auto match = line.match(QString::fromLocal8Bit(process.readAllStandardOutput()));
    if (!match.hasMatch()) {
        error = QStringLiteral("%1 printed no peak memory").arg(program);
        return std::nullopt;
    }
    return match.captured(1).toDouble();
}

} // namespace

void runLibraryBenchmark(Report &report, const QString &binDir)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.glyphs"));
    PatternLibrary library;
    QRandomGenerator random(10000);
    for (int i = 0; i < Patterns; ++i)
        library.patterns.append(
            {QStringLiteral("Pattern %1").arg(i + 1), Pattern::fromBits(random.generate64()), {}});
    QString error;
    if (!dir.isValid() || !library.write(path, &error)) {
        report.fail(Name, QStringLiteral("the library could not be written: %1").arg(error));
        return;
    }
    Bench::resetSettings(QStringLiteral("/nonexistent/glyphsmith-bench/COM1"));

    QStringList messages;
    RecordingPrompter prompter(messages);
    const auto running = startProgram(prompter);
    Workspace *workbench = running.get();
    workbench->library().showLibrary();
    LibraryWindow *libraryWindow = workbench->library().libraryWindow();
    waitUntilLibraryShown(libraryWindow);
    messages.clear(); // the port the benchmark leaves missing was reported at start-up

    std::vector<double> openNs, parseNs, readNs;
    bool shown = true;
    for (int run = -1; run < Runs; ++run) {
        // Interleaved, so that whatever else the machine does falls on both alike.
        qint64 start = Bench::monotonicNs();
        QFile file(path);
        const bool parsed =
            file.open(QIODevice::ReadOnly) && QJsonDocument::fromJson(file.readAll()).isObject();
        const double parse = double(Bench::monotonicNs() - start);
        file.close();

        // Each open starts from a small library, as a user's first open of a large file does,
        // not from freeing the 10,000 patterns of the previous pass.
        shown = shown && workbench->library().document()->newLibrary(libraryWindow);
        QCoreApplication::processEvents();
        start = Bench::monotonicNs();
        shown = shown && parsed && workbench->library().document()->openFile(path, libraryWindow);
        const double read = double(Bench::monotonicNs() - start);
        shown = shown && waitUntilLibraryShown(libraryWindow);
        const double open = double(Bench::monotonicNs() - start);
        if (run < 0)
            continue; // the first pass fills caches
        parseNs.push_back(parse);
        openNs.push_back(open);
        readNs.push_back(read);
    }
    shown = shown && workbench->library().document()->model()->rowCount() == Patterns;
    if (!shown) {
        report.fail(Name, QStringLiteral("the library was not shown: %1").arg(messages.join("; ")));
        return;
    }
    const double open = Stats::median(openNs);
    const double parse = Stats::median(parseNs);
    report.add(
        {Name,
         QStringLiteral("10,000 patterns until shown, median of %1; floor: JSON parse").arg(Runs),
         Format::duration(open), Format::duration(parse), Format::ratio(open / parse),
         QStringLiteral("<= %1x floor").arg(GoalRatio, 0, 'f', 1),
         open / parse <= GoalRatio ? Report::Verdict::Pass : Report::Verdict::Miss});

    const QString program = QDir(binDir).filePath(QStringLiteral("glyphsmith-bench-library"));
    std::vector<double> withPeak, withoutPeak;
    for (int run = 0; run < MemoryRuns; ++run) {
        const auto without = childPeakKiB(program, {}, error);
        const auto with = childPeakKiB(program, {path}, error);
        if (!without || !with) {
            report.fail(Name, error);
            return;
        }
        withoutPeak.push_back(*without);
        withPeak.push_back(*with);
    }
    const double peak = Stats::median(withPeak);
    const double floorPeak = Stats::median(withoutPeak);
    report.add(
        {QString(), QStringLiteral("peak RSS, median; floor: library window, starter set"),
         Format::mebibytes(peak), Format::mebibytes(floorPeak),
         QStringLiteral("+") + Format::mebibytes(peak - floorPeak),
         QStringLiteral("<= floor + %1").arg(Format::mebibytes(MemoryAllowanceKiB)),
         peak - floorPeak <= MemoryAllowanceKiB ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.note(
        QStringLiteral("%1: file of %2 KiB; opened and shown in %3 .. %4 (reading and "
                       "checking the file: median %5), parsed in %6 .. %7")
            .arg(Name)
            .arg(QFileInfo(path).size() / 1024)
            .arg(Format::duration(Stats::minimum(openNs)), Format::duration(Stats::maximum(openNs)),
                 Format::duration(Stats::median(readNs)), Format::duration(Stats::minimum(parseNs)),
                 Format::duration(Stats::maximum(parseNs))));
}
