#include "benchprompter.h"
#include "clickbench.h"

#include "benchsupport.h"
#include "frmmain.h"
#include "messagebox.h"
#include "report.h"
#include "startup.h"
#include "workspace.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Clicks = 500;
// Not counted: the first passes pay for page faults, caches and lazily built style data.
constexpr int WarmUpClicks = 50;
constexpr double GoalRatio = 1.5;
const QString Name = QStringLiteral("Click to line");

// Measures one send, from just before `send` until all of `expected` is read at the far end.
// False if other bytes (or too few) arrived.
// The program hands a message to the driver only once the one before it has left the line
// (nine bytes at 9600 baud: 9.375 ms). A click on an idle line is what is measured, so each send
// waits that long after the one before, the floor's raw write too, so that all three start
// from the same idle process.
void waitForIdleLine()
{
    // Spun rather than slept, so that the process is as warm as without the wait.
    const qint64 until = Bench::monotonicNs() + 10'000'000;
    while (Bench::monotonicNs() < until)
        QCoreApplication::processEvents();
}

template<typename Send>
bool timeSend(Bench::FarEnd &farEnd, const QByteArray &expected, Send send, double &ns)
{
    const qint64 start = Bench::monotonicNs();
    send();
    const QByteArray got = farEnd.read(expected.size());
    ns = double(Bench::monotonicNs() - start);
    // Whatever the send left for later (deferred updates, timers) runs here, outside the timing.
    QCoreApplication::processEvents();
    return got == expected;
}

} // namespace

void runClickBenchmark(Report &report)
{
    Bench::Pty pty;
    if (!pty.isValid()) {
        report.fail(Name, QStringLiteral("no pseudo-terminal could be opened"));
        return;
    }
    Bench::resetSettings(pty.slavePath());
    // The floor's own descriptor on the same pty, opened before the program takes the port:
    // the program opens it exclusively.
    const int floorFd = ::open(pty.slavePath().toLocal8Bit().constData(), O_WRONLY | O_NOCTTY);
    if (floorFd < 0) {
        report.fail(Name, QStringLiteral("could not open %1").arg(pty.slavePath()));
        return;
    }

    QStringList messages;
    RecordingPrompter prompter(messages);
    const auto program = startProgram(prompter);
    FrmMain *const window = &program->window();
    const bool exposed = QTest::qWaitForWindowExposed(window);
    auto *button = window->findChild<QPushButton *>(QStringLiteral("cmdDotM"));
    if (!exposed || !button || !window->serialPort().isOpen()) {
        report.fail(Name, QStringLiteral("the main window did not come up on the pty (%1)")
                              .arg(messages.join(QStringLiteral("; "))));
        ::close(floorFd);
        return;
    }

    // Column bytes that look like command bytes, as real patterns do: col1 F0, col8 FE.
    for (int weight : {16, 32, 64, 128})
        window->col1_Click(weight);
    for (int weight : {16, 32, 64, 128, 2, 4, 8})
        window->col8_Click(weight);
    const QByteArray expected = QByteArray::fromHex("FCF0000000000000FE");
    const auto rawWrite = [&] {
        [[maybe_unused]] const ssize_t n = ::write(floorFd, expected.constData(), expected.size());
    };
    const auto click = [&] { QTest::mouseClick(button, Qt::LeftButton); };
    const auto handler = [&] { window->cmdDotM_Click(); };

    Bench::FarEnd farEnd(pty.masterFd());
    farEnd.drain();
    std::vector<double> floorNs, clickNs, handlerNs;
    int wrong = 0;
    for (int pass = -WarmUpClicks; pass < Clicks; ++pass) {
        double floor = 0, clicked = 0, called = 0;
        // Interleaved, so that whatever else the machine does falls on all three alike.
        waitForIdleLine();
        wrong += !timeSend(farEnd, expected, rawWrite, floor);
        waitForIdleLine();
        wrong += !timeSend(farEnd, expected, click, clicked);
        waitForIdleLine();
        wrong += !timeSend(farEnd, expected, handler, called);
        farEnd.drain();
        if (pass < 0)
            continue;
        floorNs.push_back(floor);
        clickNs.push_back(clicked);
        handlerNs.push_back(called);
    }
    ::close(floorFd);

    const double floorMedian = Stats::median(floorNs);
    const double clickMedian = Stats::median(clickNs);
    const double ratio = clickMedian / floorMedian;
    const bool correct = wrong == 0 && messages.isEmpty();
    report.add({Name, QStringLiteral("median, %1 clicks").arg(Clicks),
                Format::duration(clickMedian), Format::duration(floorMedian), Format::ratio(ratio),
                QStringLiteral("<= %1x floor").arg(GoalRatio, 0, 'f', 1),
                ratio <= GoalRatio && correct ? Report::Verdict::Pass : Report::Verdict::Miss});
    const double floorP99 = Stats::percentile(floorNs, 0.99);
    const double clickP99 = Stats::percentile(clickNs, 0.99);
    report.add({QString(), QStringLiteral("p99"), Format::duration(clickP99),
                Format::duration(floorP99), Format::ratio(clickP99 / floorP99), QString(),
                Report::Verdict::None});
    const double handlerMedian = Stats::median(handlerNs);
    report.add({QString(), QStringLiteral("median, handler called directly"),
                Format::duration(handlerMedian), Format::duration(floorMedian),
                Format::ratio(handlerMedian / floorMedian), QString(), Report::Verdict::None});
    if (!correct)
        report.note(QStringLiteral("%1: %2 sends arrived wrong or incomplete; messages shown: %3")
                        .arg(Name)
                        .arg(wrong)
                        .arg(messages.isEmpty() ? QStringLiteral("none")
                                                : messages.join(QStringLiteral("; "))));
}
