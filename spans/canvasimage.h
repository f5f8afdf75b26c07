#pragma once

#include "canvas.h"
#include "span.h"

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

// Pictures in and out at a span's size, as the workbench's image import and export are at one
// module's: a picture is brought down to the canvas's dots as grey levels by averaging, and a
// threshold decides which are lit; a canvas is drawn as crisp square dots, lit ones black on
// white, so that reading it back gives the same canvas. Animated GIFs are read frame by frame
// through Qt and written through giflib.
namespace CanvasImage {

inline constexpr int DefaultThreshold = 128;

// Grey level of each dot, row by row from the top left: 0 black .. 255 white, transparent parts
// counting as white.
struct Levels
{
    int columns = 1; // modules
    int rows = 1;
    QList<quint8> dots;

    int width() const { return columns * Canvas::ModuleDots; }
    int height() const { return rows * Canvas::ModuleDots; }
};

Levels levels(const QImage &image, int columns, int rows);
// A dot is lit where the picture is darker than `threshold`, or lighter when `lightIsLit`.
Canvas threshold(const Levels &levels, int threshold = DefaultThreshold, bool lightIsLit = false);
// Every dot clearly black or clearly white, as in a picture this program drew.
bool isCrisp(const Levels &levels);
// The levels of a picture file, refused as the workbench refuses one (too large, unreadable),
// with `error` naming the file and the reason.
std::optional<Levels> readLevels(const QString &path, int columns, int rows, QString *error);

QImage render(const Canvas &canvas, int dotSize);
bool writePng(const Canvas &canvas, int dotSize, const QString &path, QString *error);

struct Animated
{
    QList<Levels> frames;
    QList<int> delaysMs; // as the file gives them, 0 included
};
// Every frame of an animated picture (any picture Qt reads is one frame), brought down to the
// canvas's size; nothing for a file that cannot be read, too large, or of more than
// Frames::MaxFrames frames.
std::optional<Animated> readAnimation(const QString &path, int columns, int rows, QString *error);
QList<SpanFrame> toFrames(const Animated &animated, int threshold, bool lightIsLit);
// A looping GIF, each frame drawn as render() draws it, with its delay in hundredths of a
// second; written aside and renamed into place.
bool writeGif(const QString &path, const QList<SpanFrame> &frames, int dotSize, QString *error);

} // namespace CanvasImage
