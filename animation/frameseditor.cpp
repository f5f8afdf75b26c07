#include "frameseditor.h"

#include "dotgrid.h"
#include "grideditor.h"
#include "librarydocument.h"

// One change of the animations as a step of the grid's undo stack.
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

    Protocol::ColumnPattern gridBefore() const override { return m_before.grid; }
    Protocol::ColumnPattern gridAfter() const override { return m_after.grid; }
    void redo() override { m_editor->restore(m_after); }
    void undo() override { m_editor->restore(m_before); }

private:
    FramesEditor *m_editor;
    FramesEditor::State m_before;
    FramesEditor::State m_after;
};

FramesEditor::FramesEditor(LibraryDocument *document, GridEditor *grid, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_grid(grid)
{
    connect(grid->grid(), &DotGrid::patternChanged, this, &FramesEditor::takeGridChange);
    connect(document, &LibraryDocument::animationsReplaced, this, [this] {
        m_grid->undoStack()->clear();
        m_current = m_document->animations().isEmpty() ? -1 : 0;
        m_selected = -1;
        if (m_active && m_current >= 0 && !frames().isEmpty())
            m_selected = 0;
        emit changed();
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

FramesEditor::State FramesEditor::state() const
{
    return {animations(), m_current, m_selected, m_grid->grid()->model().columnValues()};
}

void FramesEditor::restore(const State &state)
{
    m_restoring = true;
    m_document->setAnimations(state.animations);
    m_current = state.current;
    m_selected = state.selected;
    m_grid->grid()->setPattern(state.grid);
    m_restoring = false;
    emit changed();
}

bool FramesEditor::step(const State &after, const QString &name)
{
    const State before = state();
    if (after == before)
        return false;
    return m_grid->push(new FramesStep(this, before, after, name));
}

FramesEditor::State FramesEditor::selecting(State state, int frame) const
{
    state.selected = -1;
    if (state.current < 0 || !m_active)
        return state;
    const QList<Frame> &frames = state.animations.at(state.current).frames;
    if (frames.isEmpty())
        return state;
    state.selected = qBound(0, frame, int(frames.size()) - 1);
    state.grid = frames.at(state.selected).pattern;
    return state;
}

void FramesEditor::takeGridChange(const Protocol::ColumnPattern &columns)
{
    if (m_restoring || !m_active || m_current < 0 || m_selected < 0)
        return;
    QList<Animation> animations = this->animations();
    Frame &frame = animations[m_current].frames[m_selected];
    if (frame.pattern == columns)
        return;
    frame.pattern = columns;
    m_document->setAnimations(animations);
    emit changed();
}

void FramesEditor::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (!active) {
        m_selected = -1;
        emit changed();
        return;
    }
    if (animations().isEmpty()) {
        newAnimation(unusedName(), {Frame{m_grid->grid()->model().columnValues()}},
                     tr("New animation"));
        return;
    }
    if (m_current < 0)
        m_current = 0;
    if (!step(selecting(state(), 0), tr("Show frame 1")))
        emit changed();
}

bool FramesEditor::selectAnimation(int index)
{
    if (index < 0 || index >= animations().size() || index == m_current)
        return false;
    State after = state();
    after.current = index;
    return step(selecting(after, 0), tr("Show animation \"%1\"").arg(animations().at(index).name));
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
    return step(after, tr("Rename animation"));
}

bool FramesEditor::deleteAnimation()
{
    if (m_current < 0)
        return false;
    State after = state();
    after.animations.removeAt(m_current);
    after.current =
        after.animations.isEmpty() ? -1 : qMin(m_current, int(after.animations.size()) - 1);
    return step(selecting(after, 0), tr("Delete animation"));
}

bool FramesEditor::selectFrame(int index)
{
    if (index == m_selected || index < 0 || index >= frames().size())
        return false;
    return step(selecting(state(), index), tr("Show frame %1").arg(index + 1));
}

bool FramesEditor::addFrame()
{
    if (m_current < 0 || frames().size() >= Frames::MaxFrames)
        return false;
    State after = state();
    QList<Frame> &list = after.animations[m_current].frames;
    const int at = m_selected + 1;
    Frame frame;
    if (m_selected >= 0)
        frame.durationMs = list.at(m_selected).durationMs;
    list.insert(at, frame);
    return step(selecting(after, at), tr("Add frame"));
}

bool FramesEditor::duplicateFrame()
{
    if (m_current < 0 || m_selected < 0 || frames().size() >= Frames::MaxFrames)
        return false;
    State after = state();
    QList<Frame> &list = after.animations[m_current].frames;
    list.insert(m_selected + 1, list.at(m_selected));
    return step(selecting(after, m_selected + 1), tr("Duplicate frame"));
}

bool FramesEditor::deleteFrame()
{
    if (m_current < 0 || m_selected < 0)
        return false;
    State after = state();
    after.animations[m_current].frames.removeAt(m_selected);
    return step(selecting(after, m_selected), tr("Delete frame"));
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
    return step(after, tr("Move frame"));
}

bool FramesEditor::setDuration(int frame, int ms)
{
    if (m_current < 0 || frame < 0 || frame >= frames().size())
        return false;
    State after = state();
    after.animations[m_current].frames[frame].durationMs = Frames::clampedDuration(ms);
    return step(after, tr("Frame time"));
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
