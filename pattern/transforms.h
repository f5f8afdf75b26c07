#pragma once

#include "pattern.h"

#include <array>

// What the workbench can do to a whole picture at once, on the picture as seen: rows from the
// top, columns from the left. A plain shift drops the dots it pushes off the edge and brings in
// dark ones; a wrapped shift brings them back in on the other side.
enum class Transform {
    Invert,
    ShiftUp,
    ShiftDown,
    ShiftLeft,
    ShiftRight,
    WrapUp,
    WrapDown,
    WrapLeft,
    WrapRight,
    RotateClockwise,
    RotateAnticlockwise,
    Rotate180,
    MirrorLeftRight,
    MirrorTopBottom,
};

inline constexpr std::array<Transform, 14> AllTransforms = {Transform::Invert,
                                                            Transform::ShiftUp,
                                                            Transform::ShiftDown,
                                                            Transform::ShiftLeft,
                                                            Transform::ShiftRight,
                                                            Transform::WrapUp,
                                                            Transform::WrapDown,
                                                            Transform::WrapLeft,
                                                            Transform::WrapRight,
                                                            Transform::RotateClockwise,
                                                            Transform::RotateAnticlockwise,
                                                            Transform::Rotate180,
                                                            Transform::MirrorLeftRight,
                                                            Transform::MirrorTopBottom};

Pattern transformed(const Pattern &pattern, Transform transform);
// Every dot moved `down` rows and `right` columns (negative: up, left); dots moved off the picture
// are dropped and the rows or columns moved in are dark.
Pattern shifted(const Pattern &pattern, int down, int right);
