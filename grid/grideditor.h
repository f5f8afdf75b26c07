#pragma once

#include "gridstep.h"
#include "pattern.h"

#include <QObject>

class DotGrid;
class QUndoStack;

// Every change of the grid as one step of an undo stack: a click, a drag stroke, Clear ALL, and
// whole-pattern changes (transforms, paste, load). A step is recorded after the grid changed;
// taking one back or doing it again first changes the grid, so a picture that cannot be read
// leaves both the grid and the stack as they were. A change that leaves the pattern as it was
// is no step.
//
// The stacks belong to the application. The grid's steps go to the stack it is given, or, while
// another window edits something through the grid (the Frames window a frame), to that
// window's stack: setUndoStack().
class GridEditor : public QObject
{
    Q_OBJECT

public:
    GridEditor(DotGrid *grid, QUndoStack *stack, QObject *parent = nullptr);

    DotGrid *grid() const { return m_grid; }
    // Where the grid's steps go now.
    QUndoStack *undoStack() const { return m_stack; }
    void setUndoStack(QUndoStack *stack);

    // The cell click, read picture first, as the column handlers do it.
    bool click(int column, int weight);
    bool clear();
    bool setPattern(const Pattern &pattern, const QString &stepName);
    // A change the grid has already made (from `before` to what it shows now) as one step.
    void recordChange(const Pattern &before, const QString &stepName);

    // A step of another kind (GridStep) onto `stack`: done at once, unless the pictures of the
    // pattern it leaves cannot be read; then it is dropped and nothing changes. The stack takes
    // the step in either case.
    bool push(GridStep *step, QUndoStack *stack);

    // Undo and redo on the current stack, or on `stack`; a grid step whose pictures cannot be
    // read is not taken.
    void undo(QUndoStack *stack = nullptr);
    void redo(QUndoStack *stack = nullptr);

signals:
    void undoStackChanged(QUndoStack *stack);

private:
    void beginStroke();
    void paintDot(int column, int weight, bool lit);
    void record(const Pattern &before, const QString &stepName, bool inStroke);

    DotGrid *m_grid;
    QUndoStack *m_stack;
    int m_stroke = 0;
    bool m_strokeOpen = false;
};
