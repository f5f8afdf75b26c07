#include "grideditor.h"

#include "dotgrid.h"

#include <QUndoStack>

namespace {

constexpr int StrokeId = 1;

class PatternStep : public GridStep
{
public:
    PatternStep(DotGrid *grid, const Pattern &before, const Pattern &after, const QString &text,
                int stroke)
        : GridStep(text)
        , m_grid(grid)
        , m_before(before)
        , m_after(after)
        , m_stroke(stroke)
    {}

    Pattern gridBefore() const override { return m_before; }
    Pattern gridAfter() const override { return m_after; }

    // The first time, the grid already shows `after`: nothing is read or changed.
    void redo() override { m_grid->setPattern(m_after); }
    void undo() override { m_grid->setPattern(m_before); }

    int id() const override { return m_stroke > 0 ? StrokeId : -1; }

    // The cells a stroke crosses join the step its press began.
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *step = static_cast<const PatternStep *>(other);
        if (step->m_stroke != m_stroke)
            return false;
        m_after = step->m_after;
        setText(step->text());
        return true;
    }

private:
    DotGrid *m_grid;
    Pattern m_before;
    Pattern m_after;
    int m_stroke;
};

} // namespace

GridEditor::GridEditor(DotGrid *grid, QUndoStack *stack, QObject *parent)
    : QObject(parent)
    , m_grid(grid)
    , m_stack(stack)
{
    connect(grid, &DotGrid::strokeStarted, this, &GridEditor::beginStroke);
    connect(grid, &DotGrid::strokeCrossed, this, &GridEditor::paintDot);
    connect(grid, &DotGrid::strokeEnded, this, [this] { m_strokeOpen = false; });
}

void GridEditor::setUndoStack(QUndoStack *stack)
{
    if (stack == m_stack)
        return;
    // A stroke never goes on in another stack.
    m_strokeOpen = false;
    m_stack = stack;
    emit undoStackChanged(stack);
}

void GridEditor::beginStroke()
{
    ++m_stroke;
    m_strokeOpen = true;
}

void GridEditor::record(const Pattern &before, const QString &stepName, bool inStroke)
{
    const Pattern after = m_grid->model().pattern();
    if (after == before)
        return;
    m_stack->push(
        new PatternStep(m_grid, before, after, stepName, inStroke && m_strokeOpen ? m_stroke : 0));
}

void GridEditor::recordChange(const Pattern &before, const QString &stepName)
{
    m_strokeOpen = false;
    record(before, stepName, false);
}

bool GridEditor::click(int column, int weight)
{
    const Pattern before = m_grid->model().pattern();
    if (!m_grid->toggleCell(column, weight))
        return false;
    record(before, tr("Click"), true);
    return true;
}

void GridEditor::paintDot(int column, int weight, bool lit)
{
    if (m_grid->model().isLit(column, weight) == lit)
        return;
    const Pattern before = m_grid->model().pattern();
    if (m_grid->toggleCell(column, weight))
        record(before, tr("Paint"), true);
}

bool GridEditor::clear()
{
    const Pattern before = m_grid->model().pattern();
    if (!m_grid->clearAll())
        return false;
    record(before, tr("Clear ALL"), false);
    return true;
}

bool GridEditor::setPattern(const Pattern &pattern, const QString &stepName)
{
    const Pattern before = m_grid->model().pattern();
    if (!m_grid->setPattern(pattern))
        return false;
    record(before, stepName, false);
    return true;
}

bool GridEditor::push(GridStep *step, QUndoStack *stack)
{
    m_strokeOpen = false;
    if (!m_grid->canShow(step->gridAfter())) {
        delete step;
        return false;
    }
    stack->push(step);
    return true;
}

void GridEditor::undo(QUndoStack *stack)
{
    if (!stack)
        stack = m_stack;
    if (!stack->canUndo())
        return;
    m_strokeOpen = false;
    const auto *step = dynamic_cast<const GridStep *>(stack->command(stack->index() - 1));
    if (!step || m_grid->canShow(step->gridBefore()))
        stack->undo();
}

void GridEditor::redo(QUndoStack *stack)
{
    if (!stack)
        stack = m_stack;
    if (!stack->canRedo())
        return;
    m_strokeOpen = false;
    const auto *step = dynamic_cast<const GridStep *>(stack->command(stack->index()));
    if (!step || m_grid->canShow(step->gridAfter()))
        stack->redo();
}
