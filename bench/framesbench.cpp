#include "framesbench.h"
#include "benchprompter.h"

#include "benchsupport.h"
#include "editcontroller.h"
#include "frameplayer.h"
#include "framescontroller.h"
#include "frameseditor.h"
#include "frameswindow.h"
#include "frmmain.h"
#include "grideditor.h"
#include "librarycontroller.h"
#include "messagebox.h"
#include "report.h"
#include "startup.h"
#include "workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QEventLoop>
#include <QTest>

#include <algorithm>
#include <map>

namespace {

const QString Name = QStringLiteral("Frames");
// Nine bytes at 9600 baud, ten bits a byte.
constexpr double MessageMs = 9 * 10 * 1000.0 / 9600;
constexpr double LineLimitPerSecond = 9600.0 / 90;

// A frame that says which it is: its number in the first two columns, a mark in the last.
Protocol::ColumnPattern numbered(int frame)
{
    return {quint8(frame & 0xFF), quint8(frame >> 8), 0, 0, 0, 0, 0, 0x5A};
}

struct Arrival
{
    int frame;
    double ms; // monotonic clock, as the simulator logs it
};

// The dot patterns the simulator logged after `sinceMs`, in the order they arrived.
QList<Arrival> arrivals(const Bench::TimedModule &module, double sinceMs)
{
    QList<Arrival> out;
    for (const QString &line : module.logLines()) {
        const QStringList fields = line.split(u' ');
        if (fields.size() != 10 || fields.at(1) != u"FC" || fields.at(9) != u"5A")
            continue;
        const double ms = fields.at(0).toDouble();
        if (ms < sinceMs)
            continue;
        out.append({fields.at(2).toInt(nullptr, 16) | fields.at(3).toInt(nullptr, 16) << 8, ms});
    }
    return out;
}

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

struct Run
{
    QList<Arrival> arrived;
    double startMs = 0;
    double cpuShare = 0;
};

// Plays `count` frames of `frameMs` each on the module, once, and collects what arrived.
Run play(Workspace &program, const Bench::TimedModule &module, int count, int frameMs)
{
    FramesEditor *editor = program.frames().framesEditor();
    FramesWindow *frames = program.frames().framesWindow();
    QList<Frame> list;
    for (int i = 0; i < count; ++i)
        list.append(Frame{Pattern::fromColumns(numbered(i)), frameMs});
    editor->newAnimation(editor->unusedName(), list, QStringLiteral("bench"));
    frames->loopBox()->setChecked(false);
    settle(100);
    Run run;
    const qint64 cpu = Bench::processCpuNs();
    run.startMs = nowMs();
    // Waits on the player's own signal: a loop that looked every few milliseconds would count
    // its own wake-ups as the program's.
    QEventLoop loop;
    QObject::connect(frames->player(), &FramePlayer::stopped, &loop, &QEventLoop::quit);
    frames->playOnModule();
    if (frames->player()->isPlaying())
        loop.exec();
    const double wallMs = nowMs() - run.startMs;
    run.cpuShare = double(Bench::processCpuNs() - cpu) / 1e6 / wallMs;
    settle(200);
    run.arrived = arrivals(module, run.startMs);
    return run;
}

bool inOrder(const QList<Arrival> &arrived)
{
    for (qsizetype i = 1; i < arrived.size(); ++i) {
        if (arrived[i].frame <= arrived[i - 1].frame)
            return false;
    }
    return true;
}

} // namespace

void runFramesBenchmark(Report &report, const QString &binDir)
{
    Bench::TimedModule module;
    QString error;
    if (!module.start(binDir, &error)) {
        report.fail(Name, error);
        return;
    }
    Bench::resetSettings(module.linkPath());
    QStringList messages;
    RecordingPrompter prompter(messages);
    const auto program = startProgram(prompter);
    FrmMain *const window = &program->window();
    program->frames().showFrames();
    if (!QTest::qWaitForWindowExposed(window) || !window->serialPort().isOpen()) {
        report.fail(Name, QStringLiteral("the program did not come up on the simulator (%1)")
                              .arg(messages.join(QStringLiteral("; "))));
        return;
    }

    // 100 frames a second asked for: as many as the line carries, in order, never stale.
    const Run fast = play(*program, module, 300, 10);
    const double requested = 100;
    const double delivered = fast.arrived.size() > 1
                                 ? double(fast.arrived.size() - 1) /
                                       ((fast.arrived.last().ms - fast.arrived.first().ms) / 1000)
                                 : 0;
    const double expected = std::min(requested, LineLimitPerSecond);
    double stalest = 0;
    for (const Arrival &arrival : fast.arrived)
        stalest = std::max(stalest, arrival.ms - (fast.startMs + arrival.frame * 10.0));
    const bool fastGood = inOrder(fast.arrived) && delivered >= 0.99 * expected;
    report.add({Name, QStringLiteral("100 frames/s asked: frames a second, in order"),
                Format::rate(delivered), Format::rate(expected),
                Format::ratio(delivered / expected), QStringLiteral(">= 0.99x"),
                fastGood ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.add({QString(), QStringLiteral("100 frames/s: newest frame at the module after due"),
                QStringLiteral("%1 ms").arg(stalest, 0, 'f', 1),
                QStringLiteral("%1 ms").arg(MessageMs, 0, 'f', 1),
                Format::ratio(stalest / MessageMs), QStringLiteral("<= 2 message times"),
                stalest <= 2 * MessageMs ? Report::Verdict::Pass : Report::Verdict::Miss});

    // 20 frames a second: every frame, each on time.
    const Run slow = play(*program, module, 100, 50);
    std::vector<double> lateness;
    for (const Arrival &arrival : slow.arrived)
        lateness.push_back(arrival.ms - (slow.startMs + arrival.frame * 50.0 + MessageMs));
    const double p99 = lateness.empty() ? 1e9 : Stats::percentile(lateness, 0.99);
    const bool all = slow.arrived.size() == 100 && inOrder(slow.arrived);
    report.add({QString(), QStringLiteral("20 frames/s: frames delivered"),
                QStringLiteral("%1 of 100").arg(slow.arrived.size()), QStringLiteral("-"),
                QString(), QStringLiteral("all"),
                all ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.add({QString(), QStringLiteral("20 frames/s: p99 lateness after the line time"),
                QStringLiteral("%1 ms").arg(p99, 0, 'f', 2), QStringLiteral("-"), QString(),
                QStringLiteral("<= 2 ms"),
                p99 <= 2 ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.add({QString(), QStringLiteral("20 frames/s: CPU while playing"),
                Format::percent(slow.cpuShare), QStringLiteral("-"), QString(),
                QStringLiteral("<= 3% of a core"),
                slow.cpuShare <= 0.03 ? Report::Verdict::Pass : Report::Verdict::Miss});

    // Send as You Draw: eight cells in 50 ms, and the module ends on the last pattern.
    program->frames().framesWindow()->close();
    window->gridEditor()->clear();
    program->edit().sendAsYouDrawAction()->setChecked(true);
    settle(100);
    double lastChangeMs = 0;
    for (int column = 1; column <= 8; ++column) {
        window->gridEditor()->click(column, 16);
        lastChangeMs = nowMs();
        if (column < 8)
            QTest::qWait(7);
    }
    settle(200);
    program->edit().sendAsYouDrawAction()->setChecked(false);
    double finalArrival = -1;
    for (const QString &line : module.logLines()) {
        if (line.endsWith(u"FC 10 10 10 10 10 10 10 10"))
            finalArrival = line.section(u' ', 0, 0).toDouble();
    }
    const double afterMs = finalArrival - lastChangeMs;
    report.add({QString(), QStringLiteral("send as you draw: last pattern at the module after"),
                QStringLiteral("%1 ms").arg(afterMs, 0, 'f', 1),
                QStringLiteral("%1 ms").arg(MessageMs, 0, 'f', 1),
                Format::ratio(afterMs / MessageMs), QStringLiteral("<= 2 message times"),
                finalArrival > 0 && afterMs <= 2 * MessageMs ? Report::Verdict::Pass
                                                             : Report::Verdict::Miss});
    report.note(QStringLiteral("%1: 300 frames asked at 100/s, %2 arrived, %3 counted skipped; "
                               "the line carries %4 dot patterns a second at 9600 baud")
                    .arg(Name)
                    .arg(fast.arrived.size())
                    .arg(program->frames().framesWindow()->player()->skipped())
                    .arg(LineLimitPerSecond, 0, 'f', 1));
}
