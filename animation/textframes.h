#pragma once

#include "animation.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

// A text as frames that scroll it across the module one dot at a time, drawn in any font the
// machine has: texts longer than the module's own 20 characters, at any speed.
namespace TextFrames {

enum class Direction { Left, Right, Up, Down };

struct Options
{
    QFont font;          // its pixel size is the height the letters are drawn at
    int threshold = 128; // a dot is lit where the drawing is darker than this
    Direction direction = Direction::Left;
    int frameMs = 100;
};

// The whole text drawn without smoothing, as lit (black) and dark (white) pixels: one line
// eight dots high for Left and Right, one character under the other, each eight dots high and
// wide, for Up and Down.
QImage strip(const QString &text, const Options &options);
// The same for a window of `window` dots, such as a span of modules: one line as high as the
// window for Left and Right, one character under the other, each in a cell of the window's size,
// for Up and Down. strip(text, options) is this for 8 x 8.
QImage strip(const QString &text, const Options &options, QSize window);

// Where the window's top left corner lies on `strip` at each frame: the text comes in at one
// edge and leaves at the other, one dot a frame, starting and ending with a dark window; at
// most Frames::MaxFrames of them.
QList<QPoint> scrollOffsets(const QImage &strip, Direction direction, QSize window);

// How many frames scroll() makes of the text: one a dot of its length, and nine more to come in
// and go out. Measured, not drawn, so that it is quick for a long text.
qint64 frameCount(const QString &text, const Options &options);

// How many characters from the start of the text fit in Frames::MaxFrames frames.
qsizetype fittingLength(const QString &text, const Options &options);

// The frames: the text comes in at one edge and leaves at the other, one dot a frame, starting
// and ending with a dark module. None for a text with nothing to show, or one that needs more than
// Frames::MaxFrames frames: a text is never cut short.
QList<Frame> scroll(const QString &text, const Options &options);

} // namespace TextFrames
