#include "frameseditor.h"

#include "dotgrid.h"
#include "grideditor.h"
#include "librarydocument.h"

#include <QUndoStack>

// One change of the animations as a step of the Frames window's undo stack.
class FramesStep : public GridStep
{
public:
    FramesStep(FramesEditor *editor, FramesEditor::State before, FramesEditor::State after,
               const QString &text)
        : GridStep(text)
        , m_editor(editor)
        , m_before(std::move(before))
        , m_after(std::move(after))
    {}

    Pattern gridBefore() const override { return m_before.grid; }
    Pattern gridAfter() const override { return m_after.grid; }
    void redo() override { m_editor->restore(m_after); }
    void undo() override { m_editor->restore(m_before); }

private:
    FramesEditor *m_editor;
    FramesEditor::State m_before;
    FramesEditor::State m_after;
};

FramesEditor::FramesEditor(LibraryDocument *document, GridEditor *grid, QUndoStack *history,
                           QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_grid(grid)
    , m_history(history)
    , m_gridHistory(grid->undoStack())
{
    connect(grid->grid(), &DotGrid::patternChanged, this, &FramesEditor::takeGridChange);
    connect(document, &LibraryDocument::animationsReplaced, this, [this] {
        m_history->clear();
        const Pattern gridBefore = gridPattern();
        m_current = m_document->animations().isEmpty() ? -1 : 0;
        m_selected = m_current >= 0 && !frames().isEmpty() ? 0 : -1;
        if (m_active && m_selected >= 0) {
            m_restoring = true;
            if (!m_grid->grid()->setPattern(frames().at(m_selected).pattern))
                m_selected = -1;
            m_restoring = false;
        }
        updateEditing(gridBefore);
        announce();
    });
    if (!document->animations().isEmpty())
        m_current = 0;
}

const QList<Animation> &FramesEditor::animations() const
{
    return m_document->animations();
}

QList<Frame> FramesEditor::frames() const
{
    return m_current >= 0 ? animations().at(m_current).frames : QList<Frame>();
}

void FramesEditor::announce()
{
    m_subject = m_editing
                    ? tr("Frame %1 of %2").arg(m_selected + 1).arg(animations().at(m_current).name)
                    : QString();
    emit changed();
}

Pattern FramesEditor::gridPattern() const
{
    return m_grid->grid()->model().pattern();
}

FramesEditor::State FramesEditor::state() const
{
    return {animations(), m_current, m_selected, gridPattern()};
}

void FramesEditor::restore(const State &state)
{
    const Pattern gridBefore = gridPattern();
    m_restoring = true;
    m_document->setAnimations(state.animations);
    m_current = state.current;
    m_selected = state.selected;
    m_grid->grid()->setPattern(state.grid);
    m_restoring = false;
    updateEditing(gridBefore);
    announce();
}

void FramesEditor::updateEditing(const Pattern &gridBefore)
{
    const bool editing = m_active && m_selected >= 0;
    if (editing == m_editing)
        return;
    m_editing = editing;
    if (editing) {
        m_gridBefore = gridBefore;
        m_grid->setUndoStack(m_history);
        return;
    }
    m_grid->setUndoStack(m_gridHistory);
    // Named after the frame it showed last: the subject is still the one announced before.
    m_grid->recordChange(m_gridBefore, tr("Show %1").arg(m_subject));
}

bool FramesEditor::step(const State &after, const QString &name)
{
    const State before = state();
    if (after == before)
        return false;
    return m_grid->push(new FramesStep(this, before, after, name), m_history);
}

FramesEditor::State FramesEditor::selecting(State state, int frame) const
{
    state.selected = -1;
    if (state.current < 0)
        return state;
    const QList<Frame> &frames = state.animations.at(state.current).frames;
    if (frames.isEmpty())
        return state;
    state.selected = qBound(0, frame, int(frames.size()) - 1);
    if (m_active)
        state.grid = frames.at(state.selected).pattern;
    return state;
}

void FramesEditor::takeGridChange(const Pattern &pattern)
{
    if (m_restoring || !m_editing)
        return;
    QList<Animation> animations = this->animations();
    Frame &frame = animations[m_current].frames[m_selected];
    if (frame.pattern == pattern)
        return;
    frame.pattern = pattern;
    m_document->setAnimations(animations);
    announce();
}

void FramesEditor::setActive(bool active)
{
    if (active == m_active)
        return;
    const Pattern gridBefore = gridPattern();
    m_active = active;
    if (active) {
        // The frame selected when the window was last open, or the first one; the Frames
        // stack's steps were made with it shown.
        if (m_current < 0 && !animations().isEmpty())
            m_current = 0;
        if (m_current >= 0 && m_selected < 0 && !frames().isEmpty())
            m_selected = 0;
        if (m_selected >= 0) {
            m_restoring = true;
            if (!m_grid->grid()->setPattern(frames().at(m_selected).pattern))
                m_selected = -1;
            m_restoring = false;
        }
    }
    updateEditing(gridBefore);
    announce();
}

bool FramesEditor::selectAnimation(int index)
{
    if (index < 0 || index >= animations().size() || index == m_current)
        return false;
    State after = state();
    after.current = index;
    return step(selecting(after, 0), tr("Show Animation \"%1\"").arg(animations().at(index).name));
}

bool FramesEditor::newAnimation(const QString &name, const QList<Frame> &frames,
                                const QString &stepName)
{
    State after = state();
    after.animations.append(Animation{name, frames});
    after.current = int(after.animations.size()) - 1;
    return step(selecting(after, 0), stepName);
}

bool FramesEditor::renameAnimation(const QString &name)
{
    if (m_current < 0)
        return false;
    State after = state();
    after.animations[m_current].name = name;
    return step(after, tr("Rename Animation"));
}

bool FramesEditor::deleteAnimation()
{
    if (m_current < 0)
        return false;
    State after = state();
    after.animations.removeAt(m_current);
    after.current =
        after.animations.isEmpty() ? -1 : qMin(m_current, int(after.animations.size()) - 1);
    return step(selecting(after, 0), tr("Delete Animation"));
}

bool FramesEditor::selectFrame(int index)
{
    if (index == m_selected || index < 0 || index >= frames().size())
        return false;
    return step(selecting(state(), index), tr("Show Frame %1").arg(index + 1));
}

bool FramesEditor::addFrame()
{
    if (frames().size() >= Frames::MaxFrames)
        return false;
    State after = state();
    if (after.current < 0) {
        after.animations.append(Animation{unusedName(), {}});
        after.current = int(after.animations.size()) - 1;
    }
    QList<Frame> &list = after.animations[after.current].frames;
    Frame frame;
    if (m_selected >= 0)
        frame.durationMs = list.at(m_selected).durationMs;
    else
        frame.pattern = gridPattern();
    const int at = m_selected + 1;
    list.insert(at, frame);
    return step(selecting(after, at), tr("Add Frame"));
}

bool FramesEditor::duplicateFrame()
{
    if (m_current < 0 || m_selected < 0 || frames().size() >= Frames::MaxFrames)
        return false;
    State after = state();
    QList<Frame> &list = after.animations[m_current].frames;
    list.insert(m_selected + 1, list.at(m_selected));
    return step(selecting(after, m_selected + 1), tr("Duplicate Frame"));
}

bool FramesEditor::deleteFrame()
{
    if (m_current < 0 || m_selected < 0)
        return false;
    State after = state();
    after.animations[m_current].frames.removeAt(m_selected);
    return step(selecting(after, m_selected), tr("Delete Frame"));
}

bool FramesEditor::moveFrame(int from, int to)
{
    const int count = int(frames().size());
    if (m_current < 0 || from < 0 || from >= count || to < 0 || to >= count || from == to)
        return false;
    State after = state();
    after.animations[m_current].frames.move(from, to);
    if (m_selected == from)
        after.selected = to;
    else if (m_selected > from && m_selected <= to)
        --after.selected;
    else if (m_selected < from && m_selected >= to)
        ++after.selected;
    return step(after, tr("Move Frame"));
}

bool FramesEditor::setDuration(int frame, int ms)
{
    if (m_current < 0 || frame < 0 || frame >= frames().size())
        return false;
    State after = state();
    after.animations[m_current].frames[frame].durationMs = Frames::clampedDuration(ms);
    return step(after, tr("Frame Time"));
}

QString FramesEditor::unusedName() const
{
    for (int number = 1;; ++number) {
        const QString name = tr("Animation %1").arg(number);
        const bool taken = std::any_of(animations().begin(), animations().end(),
                                       [&name](const Animation &a) { return a.name == name; });
        if (!taken)
            return name;
    }
}
