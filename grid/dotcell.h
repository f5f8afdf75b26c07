#pragma once

#include <QLabel>

// One dot of the grid: a picture cell with its Index (the dot's bit weight). It tells assistive
// tools its name ("Row 3, column 5") and whether it is lit, as a check box does, and lets them
// toggle it. Mouse and keys reach the dots through DotGrid.
class DotCell : public QLabel
{
    Q_OBJECT

public:
    DotCell(int index, int row, int column, QWidget *parent = nullptr);

    int index() const { return m_index; }
    // 1..8 from the top.
    int row() const { return m_row; }
    // 1..8 from the left.
    int column() const { return m_column; }
    bool isLit() const { return m_lit; }
    void setLit(bool lit);
    // The cell the grid's keyboard focus is on, while the grid has the focus.
    bool isFocusCell() const { return m_focusCell; }
    void setFocusCell(bool focusCell);

signals:
    // An assistive tool asked to toggle the dot.
    void toggleRequested();

private:
    int m_index;
    int m_row;
    int m_column;
    bool m_lit = false;
    bool m_focusCell = false;
};
