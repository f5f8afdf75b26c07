#pragma once

#include "protocol.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <optional>

// One 8x8 picture as the user sees it: rows counted from the top, columns from the left. Dot
// (row, column) is bit 8 * row + column of bits(), which is also how the web 8x8 editor writes a
// picture as one 64-bit number. The module's column bytes are one view of it among others.
class Pattern
{
public:
    static constexpr int Rows = Protocol::RowCount;
    static constexpr int Columns = Protocol::ColumnCount;
    using RowBytes = std::array<quint8, Rows>;

    constexpr Pattern() = default;
    static constexpr Pattern fromBits(quint64 bits)
    {
        Pattern pattern;
        pattern.m_bits = bits;
        return pattern;
    }
    // The module's bytes: leftmost column first, dots weighing 16, 32, 64, 128, 1, 2, 4, 8 from
    // the top row down.
    static Pattern fromColumns(const Protocol::ColumnPattern &columns);
    // One byte per row, top row first, the leftmost dot in bit 7.
    static Pattern fromRows(const RowBytes &rows);

    // Eight rows, top first, of eight characters each: '#' lit, '.' dark. Nothing for anything
    // else. The form pictures are written in where a person reads them: tests, built-in art.
    static std::optional<Pattern> fromArt(const QStringList &rows);
    // The same form, rows separated by '\n'.
    QString art() const;

    constexpr quint64 bits() const { return m_bits; }
    Protocol::ColumnPattern columns() const;
    RowBytes rows() const;

    constexpr bool dot(int row, int column) const { return m_bits >> bitOf(row, column) & 1; }
    constexpr void setDot(int row, int column, bool lit)
    {
        const quint64 mask = quint64(1) << bitOf(row, column);
        m_bits = lit ? m_bits | mask : m_bits & ~mask;
    }

    friend constexpr bool operator==(const Pattern &, const Pattern &) = default;

private:
    static constexpr int bitOf(int row, int column) { return row * Columns + column; }

    quint64 m_bits = 0;
};
