#pragma once

#include "pattern.h"

#include <QString>

#include <array>

// The state of the 8x8 pattern editor, without widgets. Column k (1..8, col1 leftmost) is one
// byte of ColumnValue; a cell's Index is its bit weight, and from the top row down the weights
// are 16, 32, 64, 128, 1, 2, 4, 8. DotState holds -1 for a lit dot and 0 for a dark one,
// indexed directly by the weight; it always agrees with the bits of ColumnValue.
class GridModel
{
public:
    static constexpr int Columns = Protocol::ColumnCount;
    static constexpr qint16 Lit = -1;
    static constexpr qint16 Dark = 0;

    static bool isWeight(int weight);

    qint16 dotState(int column, int weight) const;
    bool isLit(int column, int weight) const { return dotState(column, weight) == Lit; }
    quint8 columnValue(int column) const;
    const Protocol::ColumnPattern &columnValues() const { return ColumnValue; }
    // The picture the grid shows, as the rest of the program handles pictures.
    Pattern pattern() const { return Pattern::fromColumns(ColumnValue); }
    // The column's byte as its label shows it: upper-case hex, no leading zero.
    QString columnText(int column) const;

    // Switches one dot and its bit together.
    void toggle(int column, int weight);
    void clear();

private:
    static size_t slot(int column);

    std::array<std::array<qint16, 129>, Columns> DotState{};
    Protocol::ColumnPattern ColumnValue{};
};
