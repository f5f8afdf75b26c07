#include "transforms.h"

namespace {

constexpr int Last = Pattern::Rows - 1;

// Every dot moves to where `to` sends it; positions outside the picture are dropped.
template<typename Move> Pattern remapped(const Pattern &pattern, Move to)
{
    Pattern result;
    for (int row = 0; row < Pattern::Rows; ++row) {
        for (int column = 0; column < Pattern::Columns; ++column) {
            if (!pattern.dot(row, column))
                continue;
            const auto [newRow, newColumn] = to(row, column);
            if (newRow >= 0 && newRow <= Last && newColumn >= 0 && newColumn <= Last)
                result.setDot(newRow, newColumn, true);
        }
    }
    return result;
}

Pattern moved(const Pattern &pattern, int down, int right, bool wrap)
{
    return remapped(pattern, [=](int row, int column) {
        int newRow = row + down;
        int newColumn = column + right;
        if (wrap) {
            newRow = (newRow + Pattern::Rows) % Pattern::Rows;
            newColumn = (newColumn + Pattern::Columns) % Pattern::Columns;
        }
        return std::pair{newRow, newColumn};
    });
}

} // namespace

Pattern transformed(const Pattern &pattern, Transform transform)
{
    switch (transform) {
    case Transform::Invert:
        return Pattern::fromBits(~pattern.bits());
    case Transform::ShiftUp:
        return moved(pattern, -1, 0, false);
    case Transform::ShiftDown:
        return moved(pattern, 1, 0, false);
    case Transform::ShiftLeft:
        return moved(pattern, 0, -1, false);
    case Transform::ShiftRight:
        return moved(pattern, 0, 1, false);
    case Transform::WrapUp:
        return moved(pattern, -1, 0, true);
    case Transform::WrapDown:
        return moved(pattern, 1, 0, true);
    case Transform::WrapLeft:
        return moved(pattern, 0, -1, true);
    case Transform::WrapRight:
        return moved(pattern, 0, 1, true);
    case Transform::RotateClockwise:
        return remapped(pattern, [](int row, int column) { return std::pair{column, Last - row}; });
    case Transform::RotateAnticlockwise:
        return remapped(pattern, [](int row, int column) { return std::pair{Last - column, row}; });
    case Transform::Rotate180:
        return remapped(pattern, [](int row, int column) {
            return std::pair{Last - row, Last - column};
        });
    case Transform::MirrorLeftRight:
        return remapped(pattern, [](int row, int column) { return std::pair{row, Last - column}; });
    case Transform::MirrorTopBottom:
        return remapped(pattern, [](int row, int column) { return std::pair{Last - row, column}; });
    }
    return pattern;
}

Pattern shifted(const Pattern &pattern, int down, int right)
{
    return moved(pattern, down, right, false);
}
