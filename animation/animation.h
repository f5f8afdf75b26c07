#pragma once

#include "pattern.h"

#include <QList>
#include <QString>

// An animation the program plays on the module: named frames, each a dot pattern shown for a
// time of its own. The module shows whatever pattern it was sent last, so playing is sending
// the dot-pattern message of each frame at its time. A pattern library keeps animations beside
// its patterns.
namespace Frames {

// Nine bytes at 9600 baud, 8N1, take 9.375 ms: no frame can be shown for less on the module.
inline constexpr int MinDurationMs = 10;
inline constexpr int MaxDurationMs = 60000;
inline constexpr int DefaultDurationMs = 100;
// An animation holds at most this many frames; more is refused, never cut silently.
inline constexpr int MaxFrames = 10000;

// A duration as it comes (a file, a GIF delay, the user): 0 is the GIF convention for 100 ms,
// the rest is kept between the line's limit and a minute.
int clampedDuration(int ms);

} // namespace Frames

struct Frame
{
    Pattern pattern;
    int durationMs = Frames::DefaultDurationMs;

    friend bool operator==(const Frame &, const Frame &) = default;
};

struct Animation
{
    QString name;
    QList<Frame> frames;

    friend bool operator==(const Animation &, const Animation &) = default;
};
