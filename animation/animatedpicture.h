#pragma once

#include "animation.h"
#include "patternimage.h"

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

// Animations to and from picture files: animated GIFs read and written through giflib (any other
// picture Qt reads counts as one frame), and a PNG sprite sheet of all frames side by side.
namespace AnimatedPicture {

// Every frame of an animated picture (a GIF above all; any picture Qt reads counts as one
// frame), brought down to 8x8 grey levels as it is read, as the workbench's image import does,
// with the delay of each.
struct Picture
{
    QList<PatternImage::DotLevels> frames;
    QList<int> delaysMs; // as the file gives them, 0 included
    // A GIF: each delay is the file's own, in hundredths of a second, given here in ms.
    bool gif = false;
};

// Nothing, with `error` naming the file and the reason, for a missing, damaged, cut short or
// empty file, a picture too large to read, or more than Frames::MaxFrames frames. A GIF is read
// to its end before anything is returned, so that damage anywhere refuses the whole file.
std::optional<Picture> read(const QString &path, QString *error);

// The frames as dot patterns: a dot is lit where the picture is darker than `threshold`, or
// lighter with `lightIsLit` (PatternImage::threshold). Delays become durations with
// Frames::clampedDuration(): browsers show a GIF delay of 0 or 1 hundredths for 100 ms, but this
// program writes its 10 ms frames as a delay of 1, so 1 stays 10 ms and only 0 becomes 100 ms.
QList<Frame> toFrames(const Picture &picture, int threshold, bool lightIsLit);

// An animated GIF that loops forever, each frame drawn as the workbench draws a pattern (lit
// dots black on white, `dotSize` pixels square, so that it reads back as it was), each frame's
// delay its duration in hundredths of a second. Written aside and renamed into place.
bool writeGif(const QString &path, const QList<Frame> &frames, int dotSize, QString *error);

// All frames side by side, left to right, in one PNG, drawn as the GIF draws them.
bool writeSpriteSheet(const QString &path, const QList<Frame> &frames, int dotSize, QString *error);

} // namespace AnimatedPicture
