#include "pattern.h"

Pattern Pattern::fromColumns(const Protocol::ColumnPattern &columns)
{
    Pattern pattern;
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row)
            pattern.setDot(row, column,
                           columns[size_t(column)] & Protocol::RowWeights[size_t(row)]);
    }
    return pattern;
}

Pattern Pattern::fromRows(const RowBytes &rows)
{
    Pattern pattern;
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column)
            pattern.setDot(row, column, rows[size_t(row)] & (0x80 >> column));
    }
    return pattern;
}

Protocol::ColumnPattern Pattern::columns() const
{
    Protocol::ColumnPattern columns{};
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            if (dot(row, column))
                columns[size_t(column)] |= Protocol::RowWeights[size_t(row)];
        }
    }
    return columns;
}

Pattern::RowBytes Pattern::rows() const
{
    RowBytes rows{};
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            if (dot(row, column))
                rows[size_t(row)] |= quint8(0x80 >> column);
        }
    }
    return rows;
}
