#pragma once

#include "span.h"

#include <QObject>
#include <QPointer>
#include <QUndoStack>

class LibraryDocument;

// The spans of the open library as the Span window edits them: which span, which of its
// animations (or its picture) and which frame is chosen, and every change as one step of the
// window's undo stack. The spans live in the library's "spans" section: each change is written
// there at once (the library then counts as changed), and a library opened, made new or
// reverted is read again, which empties the undo stack.
//
// A step keeps the spans as they were before and after it, and the choice of span, animation
// and frame, so taking it back also shows where it was made. The spans share their frames with
// the steps (Qt's implicit sharing), so a step of a long animation costs little.
class SpanEditor : public QObject
{
    Q_OBJECT

public:
    explicit SpanEditor(LibraryDocument *document, QObject *parent = nullptr);
    ~SpanEditor() override;

    QUndoStack *undoStack() { return &m_stack; }
    LibraryDocument *document() const;

    // Why the file's spans cannot be shown or changed (a section this version cannot read);
    // empty when they can.
    QString problem() const { return m_problem; }
    bool isEditable() const { return m_problem.isEmpty(); }

    const QList<Span> &spans() const { return m_spans; }
    int currentSpan() const { return m_selection.span; }
    // The current span, or a span of one unassigned module when there is none.
    Span span() const;
    // -1: the span's own picture.
    int currentAnimation() const { return m_selection.animation; }
    int selectedFrame() const { return m_selection.frame; }
    QList<SpanFrame> frames() const;
    // What the canvas shows and edits: the selected frame, or the span's picture.
    Canvas canvas() const;

    void selectSpan(int index);
    void selectAnimation(int index);
    void selectFrame(int index);

    // Each of these is one undo step; false when nothing could be done.
    bool newSpan(const Span &span);
    // Another arrangement, name or modules for span `index`; pictures follow a size change.
    bool replaceSpan(int index, const Span &span, const QString &stepName);
    bool deleteSpan(int index);
    bool setCanvas(const Canvas &canvas, const QString &stepName);
    bool newAnimation(const QString &name, const QList<SpanFrame> &frames, const QString &stepName);
    bool renameAnimation(const QString &name);
    bool deleteAnimation();
    bool addFrame();
    bool duplicateFrame();
    bool deleteFrame();
    bool moveFrame(int from, int to);
    bool setDuration(int frame, int ms);

    // A drag: the dots change as it goes, and the whole stroke is one step when it ends.
    void beginStroke();
    void paintDot(int x, int y, bool lit);
    void endStroke();
    bool isStroking() const { return m_stroking; }

    void undo() { m_stack.undo(); }
    void redo() { m_stack.redo(); }

signals:
    // Anything may have changed: spans, choice, frames.
    void changed();
    // Only the canvas's dots changed (a stroke under way).
    void canvasChanged();

private:
    struct Selection
    {
        int span = -1;
        int animation = -1;
        int frame = -1;
        friend bool operator==(const Selection &, const Selection &) = default;
    };
    class Step;

    void reload();
    // Makes one step from the spans as they are to `after`, choosing `selection` afterwards.
    bool push(const QList<Span> &after, const Selection &selection, const QString &stepName);
    void apply(const QList<Span> &spans, const Selection &selection);
    void store();
    Selection clamped(Selection selection, const QList<Span> &spans) const;
    void writeCanvas(QList<Span> &spans, const Canvas &canvas) const;

    QPointer<LibraryDocument> m_document;
    QUndoStack m_stack;
    QList<Span> m_spans;
    Selection m_selection;
    QString m_problem;
    bool m_stroking = false;
    Canvas m_strokeStart;
    bool m_applying = false;
};
