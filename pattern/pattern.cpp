#include "pattern.h"

namespace {

// For each column byte, its dots laid down the leftmost column of the picture: bit 8 * row.
constexpr std::array<quint64, 256> columnSpread = [] {
    std::array<quint64, 256> table{};
    for (int value = 0; value < 256; ++value) {
        for (int row = 0; row < Pattern::Rows; ++row) {
            if (value & Protocol::RowWeights[size_t(row)])
                table[size_t(value)] |= quint64(1) << (row * Pattern::Columns);
        }
    }
    return table;
}();

} // namespace

Pattern Pattern::fromColumns(const Protocol::ColumnPattern &columns)
{
    quint64 bits = 0;
    for (int column = 0; column < Columns; ++column)
        bits |= columnSpread[columns[size_t(column)]] << column;
    return fromBits(bits);
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

std::optional<Pattern> Pattern::fromArt(const QStringList &rows)
{
    if (rows.size() != Rows)
        return std::nullopt;
    Pattern pattern;
    for (int row = 0; row < Rows; ++row) {
        const QString &line = rows.at(row);
        if (line.size() != Columns)
            return std::nullopt;
        for (int column = 0; column < Columns; ++column) {
            const QChar dot = line.at(column);
            if (dot != u'#' && dot != u'.')
                return std::nullopt;
            pattern.setDot(row, column, dot == u'#');
        }
    }
    return pattern;
}

QString Pattern::art() const
{
    QString out;
    for (int row = 0; row < Rows; ++row) {
        if (row > 0)
            out += u'\n';
        for (int column = 0; column < Columns; ++column)
            out += dot(row, column) ? u'#' : u'.';
    }
    return out;
}
