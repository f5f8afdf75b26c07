#pragma once

#include "animation.h"
#include "patternimage.h"

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

// Animations to and from picture files: animated GIFs read through Qt's image reading and
// written through giflib, and a PNG sprite sheet of all frames side by side.
namespace AnimatedPicture {

// Every frame of an animated picture (a GIF above all; any picture Qt reads counts as one
// frame), brought down to 8x8 grey levels as it is read, as the workbench's image import does,
// with the delay of each.
struct Picture
{
    QList<PatternImage::DotLevels> frames;
    QList<int> delaysMs; // as the file gives them, 0 included
};

// Nothing, with `error` naming the file and the reason, for a missing, damaged or empty file, a
// picture too large to read, or more than Frames::MaxFrames frames.
std::optional<Picture> read(const QString &path, QString *error);

// The frames as dot patterns: a dot is lit where the picture is darker than `threshold`, or
// lighter with `lightIsLit` (PatternImage::threshold). Delays become durations with
// Frames::clampedDuration().
QList<Frame> toFrames(const Picture &picture, int threshold, bool lightIsLit);

// An animated GIF that loops forever, each frame drawn as the workbench draws a pattern (lit
// dots black on white, `dotSize` pixels square, so that it reads back as it was), each frame's
// delay its duration in hundredths of a second. Written aside and renamed into place.
bool writeGif(const QString &path, const QList<Frame> &frames, int dotSize, QString *error);

// All frames side by side, left to right, in one PNG, drawn as the GIF draws them.
bool writeSpriteSheet(const QString &path, const QList<Frame> &frames, int dotSize, QString *error);

} // namespace AnimatedPicture
