#pragma once

#include "pattern.h"

#include <QImage>
#include <QString>

#include <array>
#include <optional>

// Pictures in and out. A picture is brought down to 8 x 8 grey levels by averaging, and a
// threshold then decides which dots are lit; a pattern is drawn as crisp square dots, lit
// ones black on white, so that reading it back gives the same pattern.
namespace PatternImage {

// Grey level of each dot, row by row from the top left: 0 black .. 255 white, transparent
// parts counting as white.
using DotLevels = std::array<quint8, Pattern::Rows * Pattern::Columns>;

inline constexpr int DefaultThreshold = 128;
// Larger pictures are refused before they are decoded.
inline constexpr qint64 MaxPixels = qint64(4096) * 4096;
inline constexpr qint64 MaxFileSize = qint64(64) * 1024 * 1024;

// How a picture that is not square comes to 8 x 8: whole and in its proportions, with dark dots
// filling the rest; its middle square; or pulled to the square.
enum class Fit { KeepAspect, Crop, Stretch };

DotLevels levels(const QImage &image);
// With KeepAspect, `fillLevel` is the level of the dots beside the picture: one that the
// threshold leaves dark (white where dark parts are lit, black where light parts are).
DotLevels levels(const QImage &image, Fit fit, quint8 fillLevel = 255);
// A dot is lit where the picture is darker than `threshold`, or lighter when `lightIsLit`.
Pattern threshold(const DotLevels &levels, int threshold = DefaultThreshold,
                  bool lightIsLit = false);
// True when every dot is clearly black or clearly white, as in a picture this program drew:
// no threshold needs choosing.
bool isCrisp(const DotLevels &levels);

// The levels of a picture file, or nothing and a message that names the file and the reason.
std::optional<DotLevels> readLevels(const QString &path, QString *error);
// The picture itself, refused for the same reasons.
std::optional<QImage> readImage(const QString &path, QString *error);

// `dotSize` pixels to a dot: 1 gives the 8 x 8 picture.
QImage render(const Pattern &pattern, int dotSize);
// Writes a PNG at once or not at all.
bool writePng(const Pattern &pattern, int dotSize, const QString &path, QString *error);

} // namespace PatternImage
