#pragma once

#include "protocol.h"

#include <QObject>
#include <QUndoStack>

class DotGrid;

// Every change of the grid as one step of an undo stack: a click, a drag stroke, Clear ALL, and
// whole-pattern changes (transforms, paste, load). A step is recorded after the grid changed;
// taking one back or doing it again first changes the grid, so a picture that cannot be read
// leaves both the grid and the stack as they were. A change that leaves the pattern as it was
// is no step.
class GridEditor : public QObject
{
    Q_OBJECT

public:
    explicit GridEditor(DotGrid *grid, QObject *parent = nullptr);
    ~GridEditor() override;

    DotGrid *grid() const { return m_grid; }
    QUndoStack *undoStack() { return &m_stack; }

    // The cell click, read picture first, as the column handlers do it.
    bool click(int column, int weight);
    bool clear();
    bool setPattern(const Protocol::ColumnPattern &columns, const QString &stepName);

    void undo();
    void redo();

private:
    void beginStroke();
    void paintDot(int column, int weight, bool lit);
    void record(const Protocol::ColumnPattern &before, const QString &stepName, bool inStroke);

    DotGrid *m_grid;
    QUndoStack m_stack;
    int m_stroke = 0;
    bool m_strokeOpen = false;
};
