#include "spaneditor.h"

#include "librarydocument.h"
#include "spansection.h"

class SpanEditor::Step : public QUndoCommand
{
public:
    Step(SpanEditor *editor, const QList<Span> &before, const Selection &beforeSelection,
         const QList<Span> &after, const Selection &afterSelection, const QString &text)
        : QUndoCommand(text)
        , m_editor(editor)
        , m_before(before)
        , m_beforeSelection(beforeSelection)
        , m_after(after)
        , m_afterSelection(afterSelection)
    {}

    void undo() override { m_editor->apply(m_before, m_beforeSelection); }
    void redo() override { m_editor->apply(m_after, m_afterSelection); }

private:
    SpanEditor *m_editor;
    QList<Span> m_before;
    Selection m_beforeSelection;
    QList<Span> m_after;
    Selection m_afterSelection;
};

SpanEditor::SpanEditor(LibraryDocument *document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    connect(document, &LibraryDocument::sectionsReplaced, this, &SpanEditor::reload);
    reload();
}

SpanEditor::~SpanEditor()
{
    // The steps call back into the editor; they go first, and quietly.
    m_stack.blockSignals(true);
    m_stack.clear();
}

LibraryDocument *SpanEditor::document() const
{
    return m_document;
}

void SpanEditor::reload()
{
    m_stack.clear();
    m_stroking = false;
    QString reason;
    const auto spans =
        SpanSection::read(m_document->section(QLatin1String(SpanSection::Key)), &reason);
    m_problem = spans ? QString() : reason;
    m_spans = spans.value_or(QList<Span>());
    m_selection = clamped(Selection{0, -1, -1}, m_spans);
    emit changed();
}

Span SpanEditor::span() const
{
    if (m_selection.span < 0 || m_selection.span >= m_spans.size())
        return Span();
    return m_spans.at(m_selection.span);
}

QList<SpanFrame> SpanEditor::frames() const
{
    if (m_selection.span < 0 || m_selection.animation < 0)
        return {};
    return m_spans.at(m_selection.span).animations.at(m_selection.animation).frames;
}

Canvas SpanEditor::canvas() const
{
    if (m_selection.span < 0)
        return Canvas();
    const Span &current = m_spans.at(m_selection.span);
    if (m_selection.animation < 0)
        return current.picture;
    const QList<SpanFrame> &list = current.animations.at(m_selection.animation).frames;
    return m_selection.frame >= 0 ? list.at(m_selection.frame).canvas : current.blankCanvas();
}

SpanEditor::Selection SpanEditor::clamped(Selection selection, const QList<Span> &spans) const
{
    if (spans.isEmpty())
        return Selection{};
    selection.span = qBound(0, selection.span, int(spans.size()) - 1);
    const Span &span = spans.at(selection.span);
    selection.animation = qBound(-1, selection.animation, int(span.animations.size()) - 1);
    if (selection.animation < 0) {
        selection.frame = -1;
    } else {
        const qsizetype count = span.animations.at(selection.animation).frames.size();
        selection.frame = count == 0 ? -1 : qBound(0, selection.frame, int(count) - 1);
    }
    return selection;
}

void SpanEditor::selectSpan(int index)
{
    if (m_stroking || index == m_selection.span)
        return;
    m_selection = clamped(Selection{index, -1, -1}, m_spans);
    emit changed();
}

void SpanEditor::selectAnimation(int index)
{
    if (m_stroking || index == m_selection.animation)
        return;
    m_selection = clamped(Selection{m_selection.span, index, 0}, m_spans);
    emit changed();
}

void SpanEditor::selectFrame(int index)
{
    if (m_stroking || index == m_selection.frame)
        return;
    m_selection = clamped(Selection{m_selection.span, m_selection.animation, index}, m_spans);
    emit changed();
}

bool SpanEditor::push(const QList<Span> &after, const Selection &selection, const QString &stepName)
{
    if (!isEditable())
        return false;
    m_stack.push(new Step(this, m_spans, m_selection, after, clamped(selection, after), stepName));
    return true;
}

void SpanEditor::apply(const QList<Span> &spans, const Selection &selection)
{
    m_spans = spans;
    m_selection = clamped(selection, m_spans);
    store();
    emit changed();
}

void SpanEditor::store()
{
    if (m_document && isEditable())
        m_document->setSection(QLatin1String(SpanSection::Key), SpanSection::write(m_spans));
}

void SpanEditor::writeCanvas(QList<Span> &spans, const Canvas &canvas) const
{
    Span &span = spans[m_selection.span];
    if (m_selection.animation < 0)
        span.picture = canvas;
    else if (m_selection.frame >= 0)
        span.animations[m_selection.animation].frames[m_selection.frame].canvas = canvas;
}

bool SpanEditor::newSpan(const Span &span)
{
    QList<Span> after = m_spans;
    after.append(span);
    return push(after, Selection{int(after.size()) - 1, -1, -1}, tr("New span"));
}

bool SpanEditor::replaceSpan(int index, const Span &span, const QString &stepName)
{
    if (index < 0 || index >= m_spans.size() || span == m_spans.at(index))
        return false;
    QList<Span> after = m_spans;
    after[index] = span;
    return push(after, Selection{index, m_selection.animation, m_selection.frame}, stepName);
}

bool SpanEditor::deleteSpan(int index)
{
    if (index < 0 || index >= m_spans.size())
        return false;
    QList<Span> after = m_spans;
    after.removeAt(index);
    return push(after, Selection{std::min(index, int(after.size()) - 1), -1, -1},
                tr("Delete span"));
}

bool SpanEditor::setCanvas(const Canvas &canvas, const QString &stepName)
{
    if (m_selection.span < 0 || canvas == this->canvas() ||
        (m_selection.animation >= 0 && m_selection.frame < 0))
        return false;
    QList<Span> after = m_spans;
    writeCanvas(after, canvas.resized(span().columns, span().rows));
    return push(after, m_selection, stepName);
}

bool SpanEditor::newAnimation(const QString &name, const QList<SpanFrame> &frames,
                              const QString &stepName)
{
    if (m_selection.span < 0)
        return false;
    QList<Span> after = m_spans;
    Span &span = after[m_selection.span];
    SpanAnimation animation{name, frames, {}};
    if (animation.frames.isEmpty())
        animation.frames.append(SpanFrame{span.blankCanvas(), Frames::DefaultDurationMs});
    for (SpanFrame &frame : animation.frames)
        frame.canvas = frame.canvas.resized(span.columns, span.rows);
    span.animations.append(animation);
    return push(after, Selection{m_selection.span, int(span.animations.size()) - 1, 0}, stepName);
}

bool SpanEditor::renameAnimation(const QString &name)
{
    if (m_selection.span < 0 || m_selection.animation < 0)
        return false;
    QList<Span> after = m_spans;
    SpanAnimation &animation = after[m_selection.span].animations[m_selection.animation];
    if (animation.name == name)
        return false;
    animation.name = name;
    return push(after, m_selection, tr("Rename animation"));
}

bool SpanEditor::deleteAnimation()
{
    if (m_selection.span < 0 || m_selection.animation < 0)
        return false;
    QList<Span> after = m_spans;
    QList<SpanAnimation> &animations = after[m_selection.span].animations;
    animations.removeAt(m_selection.animation);
    return push(
        after,
        Selection{m_selection.span, std::min(m_selection.animation, int(animations.size()) - 1), 0},
        tr("Delete animation"));
}

bool SpanEditor::addFrame()
{
    if (m_selection.span < 0 || m_selection.animation < 0)
        return false;
    QList<Span> after = m_spans;
    Span &span = after[m_selection.span];
    QList<SpanFrame> &frames = span.animations[m_selection.animation].frames;
    if (frames.size() >= Frames::MaxFrames)
        return false;
    const int at = m_selection.frame + 1;
    const int duration = m_selection.frame >= 0 ? frames.at(m_selection.frame).durationMs
                                                : Frames::DefaultDurationMs;
    frames.insert(at, SpanFrame{span.blankCanvas(), duration});
    return push(after, Selection{m_selection.span, m_selection.animation, at}, tr("Add frame"));
}

bool SpanEditor::duplicateFrame()
{
    if (m_selection.frame < 0)
        return false;
    QList<Span> after = m_spans;
    QList<SpanFrame> &frames = after[m_selection.span].animations[m_selection.animation].frames;
    if (frames.size() >= Frames::MaxFrames)
        return false;
    frames.insert(m_selection.frame + 1, frames.at(m_selection.frame));
    return push(after, Selection{m_selection.span, m_selection.animation, m_selection.frame + 1},
                tr("Duplicate frame"));
}

bool SpanEditor::deleteFrame()
{
    if (m_selection.frame < 0 || frames().size() <= 1)
        return false;
    QList<Span> after = m_spans;
    after[m_selection.span].animations[m_selection.animation].frames.removeAt(m_selection.frame);
    return push(after, m_selection, tr("Delete frame"));
}

bool SpanEditor::moveFrame(int from, int to)
{
    const qsizetype count = frames().size();
    if (from < 0 || to < 0 || from >= count || to >= count || from == to)
        return false;
    QList<Span> after = m_spans;
    after[m_selection.span].animations[m_selection.animation].frames.move(from, to);
    return push(after, Selection{m_selection.span, m_selection.animation, to}, tr("Move frame"));
}

bool SpanEditor::setDuration(int frame, int ms)
{
    if (frame < 0 || frame >= frames().size())
        return false;
    const int duration = Frames::clampedDuration(ms);
    if (frames().at(frame).durationMs == duration)
        return false;
    QList<Span> after = m_spans;
    after[m_selection.span].animations[m_selection.animation].frames[frame].durationMs = duration;
    return push(after, Selection{m_selection.span, m_selection.animation, frame}, tr("Frame time"));
}

void SpanEditor::beginStroke()
{
    if (m_selection.span < 0 || !isEditable())
        return;
    m_stroking = true;
    m_strokeStart = canvas();
}

void SpanEditor::paintDot(int x, int y, bool lit)
{
    if (!m_stroking)
        return;
    Canvas now = canvas();
    if (now.dot(x, y) == lit || !now.contains(x, y))
        return;
    now.setDot(x, y, lit);
    writeCanvas(m_spans, now);
    emit canvasChanged();
}

void SpanEditor::endStroke()
{
    if (!m_stroking)
        return;
    m_stroking = false;
    const Canvas drawn = canvas();
    if (drawn == m_strokeStart)
        return;
    // The step goes from the picture before the stroke to the one it left.
    QList<Span> after = m_spans;
    writeCanvas(m_spans, m_strokeStart);
    push(after, m_selection, tr("Draw"));
}
