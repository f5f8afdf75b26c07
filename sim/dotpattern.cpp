#include "dotpattern.h"

namespace DotPattern {

quint8 rowWeight(int row)
{
    Q_ASSERT(row >= 0 && row < RowCount);
    return Protocol::RowWeights[size_t(row)];
}

static bool onBoard(int row, int column)
{
    return row >= 0 && row < RowCount && column >= 0 && column < ColumnCount;
}

bool isLit(const ColumnPattern &pattern, int row, int column)
{
    return onBoard(row, column) && (pattern[size_t(column)] & rowWeight(row)) != 0;
}

void setLit(ColumnPattern &pattern, int row, int column, bool lit)
{
    Q_ASSERT(onBoard(row, column));
    quint8 &byte = pattern[size_t(column)];
    byte = lit ? quint8(byte | rowWeight(row)) : quint8(byte & ~rowWeight(row));
}

// Builds a pattern whose dot (row, column) is the source's dot at from(row, column).
template<typename From> static ColumnPattern mapped(const ColumnPattern &source, From from)
{
    ColumnPattern out{};
    for (int row = 0; row < RowCount; ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            const auto [fromRow, fromColumn] = from(row, column);
            if (isLit(source, fromRow, fromColumn))
                setLit(out, row, column, true);
        }
    }
    return out;
}

ColumnPattern shifted(const ColumnPattern &pattern, int down, int right)
{
    return mapped(pattern, [=](int row, int column) {
        return std::pair{row - down, column - right};
    });
}

ColumnPattern transposed(const ColumnPattern &pattern)
{
    return mapped(pattern, [](int row, int column) { return std::pair{column, row}; });
}

ColumnPattern flippedVertically(const ColumnPattern &pattern)
{
    return mapped(pattern, [](int row, int column) {
        return std::pair{RowCount - 1 - row, column};
    });
}

ColumnPattern flippedHorizontally(const ColumnPattern &pattern)
{
    return mapped(pattern, [](int row, int column) {
        return std::pair{row, ColumnCount - 1 - column};
    });
}

std::optional<ColumnPattern> fromPicture(const std::array<QByteArray, RowCount> &rows)
{
    ColumnPattern out{};
    for (int row = 0; row < RowCount; ++row) {
        const QByteArray &line = rows[size_t(row)];
        if (line.size() != ColumnCount)
            return std::nullopt;
        for (int column = 0; column < ColumnCount; ++column) {
            const char dot = line.at(column);
            if (dot != '#' && dot != '.')
                return std::nullopt;
            setLit(out, row, column, dot == '#');
        }
    }
    return out;
}

QString picture(const ColumnPattern &pattern)
{
    QString out;
    for (int row = 0; row < RowCount; ++row) {
        if (row > 0)
            out += QLatin1Char('\n');
        for (int column = 0; column < ColumnCount; ++column)
            out += QLatin1Char(isLit(pattern, row, column) ? '#' : '.');
    }
    return out;
}

} // namespace DotPattern
