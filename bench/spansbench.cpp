#include "spansbench.h"

#include "appsettings.h"
#include "benchprompter.h"
#include "benchsupport.h"
#include "frmmain.h"
#include "librarycontroller.h"
#include "librarydocument.h"
#include "messagebox.h"
#include "patternlibrary.h"
#include "prompter.h"
#include "report.h"
#include "spancanvasview.h"
#include "spaneditor.h"
#include "spanscontroller.h"
#include "spansection.h"
#include "spantext.h"
#include "spanwindow.h"
#include "startup.h"
#include "workspace.h"

#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QJsonDocument>
#include <QListView>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

const QString Name = QStringLiteral("Spans");
constexpr int Modules = 4;
constexpr int FrameMs = 10;
// Nine bytes at 9600 baud, ten bits a byte.
constexpr double MessageMs = 9 * 10 * 1000.0 / 9600;
const QString Text = QStringLiteral("Glyphsmith: four modules as one display, in step");
constexpr int OpenFrames = 1000;
constexpr int OpenRuns = 10;

double nowMs()
{
    return double(Bench::monotonicNs()) / 1e6;
}

void settle(int ms)
{
    const double until = nowMs() + ms;
    while (nowMs() < until)
        QTest::qWait(5);
}

// glyphsmith-sim --count 4 on 9600-baud lines, each module's messages logged with the time its
// last byte arrived, on CLOCK_MONOTONIC.
class SimulatedModules
{
public:
    ~SimulatedModules()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }

    bool start(const QString &binDir, QString *error)
    {
        m_process.start(QDir(binDir).filePath(QStringLiteral("glyphsmith-sim")),
                        {"--headless", "--count", QString::number(Modules), "--baud", "9600",
                         "--log-times", "--link", m_folder.filePath(QStringLiteral("module")),
                         "--log", m_folder.filePath(QStringLiteral("module.log"))});
        QByteArray printed;
        while (printed.count('\n') < Modules && m_process.waitForReadyRead(5000))
            printed += m_process.readAllStandardOutput();
        if (printed.count('\n') < Modules) {
            *error = QStringLiteral("the simulator did not start");
            return false;
        }
        return true;
    }
    QString link(int module) const
    {
        return m_folder.filePath(QStringLiteral("module-%1").arg(module + 1));
    }
    // "TIME FC .." lines of one module.
    QStringList logLines(int module) const
    {
        QFile file(m_folder.filePath(QStringLiteral("module-%1.log").arg(module + 1)));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
};

// The message module `module` of an upright span must be sent for `canvas`, worked out here from
// the dots alone: its eight columns, each byte with the dots weighing 16, 32, 64, 128, 1, 2, 4, 8
// from the top.
QString expectedMessage(const Canvas &canvas, int module)
{
    static constexpr int Weights[8] = {16, 32, 64, 128, 1, 2, 4, 8};
    QString text = QStringLiteral("FC");
    for (int column = 0; column < 8; ++column) {
        int byte = 0;
        for (int row = 0; row < 8; ++row) {
            if (canvas.dot(module * 8 + column, row))
                byte += Weights[row];
        }
        text += QStringLiteral(" %1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

struct Arrivals
{
    QList<double> timeOfFrame; // -1 where the frame did not arrive
    int taken = 0;
    bool inOrder = true;
};

// Each logged message matched to the earliest frame after the last one matched that it is: a
// frame skipped (latest wins) leaves a gap; a message that is no later frame breaks the order.
Arrivals match(const QStringList &lines, const QList<SpanFrame> &frames, int module, double sinceMs)
{
    Arrivals arrivals;
    arrivals.timeOfFrame = QList<double>(frames.size(), -1);
    QStringList expected;
    for (const SpanFrame &frame : frames)
        expected.append(expectedMessage(frame.canvas, module));
    int next = 0;
    for (const QString &line : lines) {
        const double ms = line.section(u' ', 0, 0).toDouble();
        const QString message = line.section(u' ', 1);
        if (ms < sinceMs || !message.startsWith(QLatin1String("FC")))
            continue;
        const qsizetype found = expected.indexOf(message, next);
        if (found < 0) {
            arrivals.inOrder = false;
            continue;
        }
        arrivals.timeOfFrame[found] = ms;
        ++arrivals.taken;
        next = int(found) + 1;
    }
    return arrivals;
}

Span fourModules()
{
    Span span;
    span.name = QStringLiteral("Bench");
    span.resize(Modules, 1);
    for (int i = 0; i < Modules; ++i)
        span.modules[i].target = QStringLiteral("COM%1").arg(i + 1);
    return span;
}

// Runs the event loop until the strip has drawn a frame and the canvas has drawn itself: what
// "the window shows the animation" means here. False on a time-out.
bool waitUntilShown(SpanWindow *window, int timeoutMs = 10000)
{
    class PaintSpy : public QObject
    {
    public:
        bool painted = false;

    protected:
        bool eventFilter(QObject *, QEvent *event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    };
    PaintSpy strip;
    PaintSpy canvas;
    window->strip()->viewport()->installEventFilter(&strip);
    window->canvasView()->installEventFilter(&canvas);
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const bool laidOut = window->strip()->indexAt(QPoint(8, 8)).isValid();
        strip.painted = strip.painted && laidOut;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (laidOut && strip.painted && canvas.painted)
            break;
    }
    window->strip()->viewport()->removeEventFilter(&strip);
    window->canvasView()->removeEventFilter(&canvas);
    return strip.painted && canvas.painted;
}

void runScroll(Report &report, Workspace &program, SimulatedModules &modules)
{
    SpanWindow *window = program.spans().spansWindow();
    window->editor()->newSpan(fourModules());
    TextFrames::Options options;
    options.font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    options.font.setPixelSize(9);
    options.frameMs = FrameMs;
    const QList<SpanFrame> frames = SpanText::scroll(Text, options, Modules, 1);
    window->editor()->newAnimation(QStringLiteral("Scroll"), frames, QStringLiteral("bench"));
    window->loopBox()->setChecked(false);
    // The modules' connections are made before the run, as a first Send would make them.
    window->sendToModules();
    settle(300);

    // The reference: the same time of the window shown and the event loop running, idle.
    const double runMs = double(frames.size()) * FrameMs;
    qint64 cpu = Bench::processCpuNs();
    double start = nowMs();
    settle(int(runMs));
    const double idleShare = double(Bench::processCpuNs() - cpu) / 1e6 / (nowMs() - start);

    cpu = Bench::processCpuNs();
    start = nowMs();
    QEventLoop loop;
    QObject::connect(window->player(), &SpanPlayer::stopped, &loop, &QEventLoop::quit);
    window->playOnModules();
    if (window->player()->isPlaying())
        loop.exec();
    const double wallMs = nowMs() - start;
    const double cpuShare = double(Bench::processCpuNs() - cpu) / 1e6 / wallMs;
    settle(300);

    int fewest = int(frames.size());
    bool inOrder = true;
    QList<Arrivals> arrivals;
    for (int module = 0; module < Modules; ++module) {
        arrivals.append(match(modules.logLines(module), frames, module, start));
        fewest = std::min(fewest, arrivals.last().taken);
        inOrder = inOrder && arrivals.last().inOrder;
    }
    std::vector<double> skews;
    for (int k = 0; k < frames.size(); ++k) {
        double first = 1e18;
        double last = -1e18;
        bool everywhere = true;
        for (const Arrivals &module : std::as_const(arrivals)) {
            const double at = module.timeOfFrame.at(k);
            everywhere = everywhere && at >= 0;
            first = std::min(first, at);
            last = std::max(last, at);
        }
        if (everywhere)
            skews.push_back(last - first);
    }
    const double share = double(fewest) / double(frames.size());
    report.add({Name,
                QStringLiteral("text across 4 modules at 100 frames/s: frames taken by the "
                               "module that took fewest, in order"),
                QString::number(fewest), QString::number(frames.size()), Format::ratio(share),
                QStringLiteral(">= 0.99x, in order"),
                share >= 0.99 && inOrder ? Report::Verdict::Pass : Report::Verdict::Miss});
    const double p99 = skews.empty() ? 1e9 : Stats::percentile(skews, 0.99);
    report.add({QString(),
                QStringLiteral("skew between the modules' arrival of one frame, p99; reference: "
                               "one message time"),
                QStringLiteral("%1 ms").arg(p99, 0, 'f', 2),
                QStringLiteral("%1 ms").arg(MessageMs, 0, 'f', 2), Format::ratio(p99 / MessageMs),
                QStringLiteral("<= 2 ms"),
                p99 <= 2 ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.add({QString(),
                QStringLiteral("CPU while playing; reference: the same time idle, window shown"),
                Format::percent(cpuShare), Format::percent(idleShare), QString(),
                QStringLiteral("<= 5% of a core"),
                cpuShare <= 0.05 ? Report::Verdict::Pass : Report::Verdict::Miss});
    QStringList taken;
    for (const Arrivals &module : std::as_const(arrivals))
        taken.append(QString::number(module.taken));
    report.note(QStringLiteral("%1: %2 frames of %3 ms asked; taken by modules 1 to 4: %4; skew "
                               "median %5 ms, worst %6 ms over %7 frames seen on all four")
                    .arg(Name)
                    .arg(frames.size())
                    .arg(FrameMs)
                    .arg(taken.join(QStringLiteral(", ")))
                    .arg(skews.empty() ? 0 : Stats::median(skews), 0, 'f', 2)
                    .arg(skews.empty() ? 0 : Stats::maximum(skews), 0, 'f', 2)
                    .arg(skews.size()));
}

// A library of one span of 8 x 1 modules with an animation of 1,000 frames of 64 x 8 dots.
bool writeBigLibrary(const QString &path, QString *error)
{
    Span span;
    span.name = QStringLiteral("Wide");
    span.resize(8, 1);
    QRandomGenerator random(1000);
    SpanAnimation animation{QStringLiteral("Big"), {}, {}};
    for (int k = 0; k < OpenFrames; ++k) {
        Canvas canvas(8, 1);
        for (int i = 0; i < canvas.moduleCount(); ++i)
            canvas.setTile(i, Pattern::fromBits(random.generate64() & random.generate64()));
        animation.frames.append({canvas, 40});
    }
    span.animations.append(animation);
    PatternLibrary library;
    SpanSection::write(library, {span});
    return library.write(path, error);
}

void runOpen(Report &report, Workspace &program)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.glyphs"));
    QString error;
    if (!dir.isValid() || !writeBigLibrary(path, &error)) {
        report.fail(Name, QStringLiteral("the library could not be written: %1").arg(error));
        return;
    }
    SpanWindow *window = program.spans().spansWindow();
    LibraryDocument *library = program.library().document();
    std::vector<double> openNs;
    std::vector<double> parseNs;
    bool shown = true;
    for (int run = -1; run < OpenRuns; ++run) {
        qint64 start = Bench::monotonicNs();
        QFile file(path);
        const bool parsed =
            file.open(QIODevice::ReadOnly) && QJsonDocument::fromJson(file.readAll()).isObject();
        const double parse = double(Bench::monotonicNs() - start);
        file.close();

        shown = shown && library->newLibrary(window);
        settle(50);
        start = Bench::monotonicNs();
        shown = shown && parsed && library->openFile(path, window);
        window->editor()->selectAnimation(0);
        shown = shown && waitUntilShown(window);
        const double open = double(Bench::monotonicNs() - start);
        shown = shown && window->editor()->frames().size() == OpenFrames;
        if (run < 0)
            continue;
        parseNs.push_back(parse);
        openNs.push_back(open);
    }
    if (!shown) {
        report.fail(Name, QStringLiteral("the span animation was not shown"));
        return;
    }
    const double open = Stats::median(openNs);
    const double parse = Stats::median(parseNs);
    report.add({QString(),
                QStringLiteral("span animation of 1,000 frames of 64 x 8 dots opened and shown, "
                               "median of %1; floor: JSON parse")
                    .arg(OpenRuns),
                Format::duration(open), Format::duration(parse), Format::ratio(open / parse),
                QStringLiteral("<= 2.0x floor"),
                open / parse <= 2.0 ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.note(QStringLiteral("%1: file of %2 KiB; opened and shown in %3 .. %4, parsed in "
                               "%5 .. %6")
                    .arg(Name)
                    .arg(QFileInfo(path).size() / 1024)
                    .arg(Format::duration(Stats::minimum(openNs)),
                         Format::duration(Stats::maximum(openNs)),
                         Format::duration(Stats::minimum(parseNs)),
                         Format::duration(Stats::maximum(parseNs))));
}

} // namespace

void runSpansBenchmark(Report &report, const QString &binDir)
{
    SimulatedModules modules;
    QString error;
    if (!modules.start(binDir, &error)) {
        report.fail(Name, error);
        return;
    }
    Bench::resetSettings(modules.link(0));
    for (int module = 1; module < Modules; ++module)
        AppSettings::storeMappedDevice(module + 1, modules.link(module));
    QStringList messages;
    RecordingPrompter prompter(messages);
    const auto program = startProgram(prompter);
    program->spans().showSpans();
    SpanWindow *window = program->spans().spansWindow();
    if (!QTest::qWaitForWindowExposed(window) || !program->connection().isOpen()) {
        report.fail(Name, QStringLiteral("the program did not come up on the simulator (%1)")
                              .arg(messages.join(QStringLiteral("; "))));
    } else {
        runScroll(report, *program, modules);
        runOpen(report, *program);
    }
    window->close();
}
