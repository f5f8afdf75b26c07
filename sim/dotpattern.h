#pragma once

#include "protocol.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// Row-and-column access to a column pattern. The module's column bytes weigh the dots 16, 32,
// 64, 128, 1, 2, 4, 8 from the top row down, so a picture cannot be turned into bytes by plain
// bit order; everything that draws goes through here.
namespace DotPattern {

using Protocol::ColumnPattern;

inline constexpr int RowCount = 8;
inline constexpr int ColumnCount = Protocol::ColumnCount;

quint8 rowWeight(int row);
bool isLit(const ColumnPattern &pattern, int row, int column);
void setLit(ColumnPattern &pattern, int row, int column, bool lit);

// Moves every dot `down` rows and `right` columns (negative: up, left); dots moved off the
// board are lost and the rows or columns moved in are dark.
ColumnPattern shifted(const ColumnPattern &pattern, int down, int right);
// Row r becomes column r: turns an upward arrow into a leftward one.
ColumnPattern transposed(const ColumnPattern &pattern);
ColumnPattern flippedVertically(const ColumnPattern &pattern);
ColumnPattern flippedHorizontally(const ColumnPattern &pattern);

// Eight rows, top first, of eight characters each: '#' lit, '.' dark. Empty for anything else.
std::optional<ColumnPattern> fromPicture(const std::array<QByteArray, RowCount> &rows);
// The same form, rows separated by '\n'; makes test failures readable.
QString picture(const ColumnPattern &pattern);

} // namespace DotPattern
