#include "benchprompter.h"
#include "dragbench.h"

#include "benchsupport.h"
#include "dotcell.h"
#include "dotgrid.h"
#include "frmmain.h"
#include "gridmodel.h"
#include "messagebox.h"
#include "report.h"
#include "startup.h"
#include "workspace.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <cmath>
#include <set>
#include <thread>

namespace {

constexpr int Moves = 1000;
constexpr double MaxCoreShare = 0.10;
const QString Name = QStringLiteral("Drag");

// Where the pointer is at move i, in the frame: a figure that sweeps the grid many times over,
// fast enough that consecutive positions lie cells apart.
QPointF pointerAt(int i, const QRectF &area)
{
    const double t = double(i) / Moves * 2 * M_PI;
    return {area.center().x() + area.width() / 2 * std::sin(7 * t),
            area.center().y() + area.height() / 2 * std::sin(11 * t + 0.3)};
}

// The cells a straight move crosses, found by stepping along it a twentieth of a pixel at a
// time: slow, and independent of the program's own geometry.
void crossed(QPointF from, QPointF to, const QList<QPair<QRectF, QPoint>> &cells,
             std::set<std::pair<int, int>> &out)
{
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    const int steps = std::max(1, int(length * 20));
    for (int s = 0; s <= steps; ++s) {
        const QPointF p = from + (to - from) * (double(s) / steps);
        for (const auto &[area, cell] : cells) {
            if (area.contains(p))
                out.insert({cell.x(), cell.y()});
        }
    }
}

double secondOf(const std::function<void(int)> &step)
{
    const qint64 cpu = Bench::processCpuNs();
    const qint64 wall = Bench::monotonicNs();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Moves; ++i) {
        std::this_thread::sleep_until(start + std::chrono::milliseconds(i + 1));
        step(i);
        QCoreApplication::processEvents();
    }
    return double(Bench::processCpuNs() - cpu) / double(Bench::monotonicNs() - wall);
}

} // namespace

void runDragBenchmark(Report &report)
{
    Bench::resetSettings(QStringLiteral("/nonexistent/glyphsmith-bench/COM1"));
    QStringList messages;
    RecordingPrompter prompter(messages);
    const auto program = startProgram(prompter);
    FrmMain *const window = &program->window();
    if (!QTest::qWaitForWindowExposed(window)) {
        report.fail(Name, QStringLiteral("the main window was not shown"));
        return;
    }
    DotGrid *grid = window->dotGrid();
    messages.clear(); // the port the benchmark leaves missing was reported at start-up

    QList<QPair<QRectF, QPoint>> cells;
    QRectF area;
    for (int column = 1; column <= 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            // Pixel centres inside the cell, as a pointer at whole pixels can be.
            const QRectF rect =
                QRectF(grid->cell(column, Protocol::RowWeights[size_t(row)])->geometry())
                    .adjusted(-0.5, -0.5, -0.5, -0.5);
            cells.append({rect, QPoint(column, row)});
            area = area.united(rect);
        }
    }
    area.adjust(-4, -4, 4, 4);

    const double idle = secondOf([](int) {});

    DotCell *pressed = grid->cell(1, Protocol::RowWeights[0]);
    const QPoint start = pressed->geometry().center();
    QTest::mousePress(pressed, Qt::LeftButton, {}, pressed->rect().center());
    // The positions are worked out before the second and checked after it, so that the
    // benchmark's own sums do not count as the program's time.
    QList<QPointF> positions;
    for (int i = 0; i < Moves; ++i)
        positions.append(pointerAt(i, area).toPoint());
    const double share = secondOf([&](int i) {
        const QPointF local = pressed->mapFrom(pressed->parentWidget(), positions.at(i));
        QMouseEvent move(QEvent::MouseMove, local, pressed->mapToGlobal(local), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pressed, &move);
    });
    std::set<std::pair<int, int>> expected{{1, 0}};
    QPointF last = start;
    for (const QPointF &position : std::as_const(positions)) {
        crossed(last, position, cells, expected);
        last = position;
    }
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, pressed->rect().center());

    int wrong = 0;
    for (int column = 1; column <= 8; ++column) {
        for (int row = 0; row < 8; ++row) {
            const bool lit = window->grid().isLit(column, Protocol::RowWeights[size_t(row)]);
            wrong += lit != (expected.count({column, row}) > 0);
        }
    }
    const bool correct = wrong == 0 && messages.isEmpty();
    report.add(
        {Name, QStringLiteral("1,000 moves in 1 s, CPU of one core; floor: same second idle"),
         Format::percent(share), Format::percent(idle), Format::ratio(share / std::max(idle, 1e-6)),
         QStringLiteral("<= %1 of a core").arg(Format::percent(MaxCoreShare)),
         share <= MaxCoreShare && correct ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.note(
        QStringLiteral("%1: %2 cells crossed and lit, %3 wrong%4")
            .arg(Name)
            .arg(expected.size())
            .arg(wrong)
            .arg(messages.isEmpty() ? QString() : QStringLiteral("; ") + messages.join("; ")));
}
