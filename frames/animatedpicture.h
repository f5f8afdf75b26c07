#pragma once

#include "animation.h"

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

// Animations to and from picture files: animated GIFs read through Qt's image reading and
// written through giflib, and a PNG sprite sheet of all frames side by side.
namespace AnimatedPicture {

// Every frame of an animated picture (a GIF above all; any picture Qt reads counts as one
// frame), scaled down to 8x8 grey levels as it is read, with the delay of each.
struct Picture
{
    QList<QImage> frames; // 8x8, QImage::Format_Grayscale8
    QList<int> delaysMs;  // as the file gives them, 0 included
};

// Pictures larger than this are refused before any frame is decoded.
inline constexpr qint64 MaxPixels = 4096LL * 4096;

// Nothing, with `error` naming the file and the reason, for a missing, damaged or empty file, a
// picture too large to read, or more than Frames::MaxFrames frames.
std::optional<Picture> read(const QString &path, QString *error);

// The frames as dot patterns: a dot is lit where its grey level is below `threshold` (dark ink
// on a light ground), or at or above it with `invert`. Delays become durations with
// Frames::clampedDuration().
QList<Frame> toFrames(const Picture &picture, int threshold, bool invert);

// An animated GIF that loops forever, each dot `dotSize` pixels square, each frame's delay its
// duration in hundredths of a second. Written aside and renamed into place.
bool writeGif(const QString &path, const QList<Frame> &frames, int dotSize, QString *error);

// All frames side by side, left to right, in one PNG.
bool writeSpriteSheet(const QString &path, const QList<Frame> &frames, int dotSize, QString *error);

// One frame as a picture: lit dots in red on a dark board, `dotSize` pixels each.
QImage render(const Protocol::ColumnPattern &pattern, int dotSize);

} // namespace AnimatedPicture
