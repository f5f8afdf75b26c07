#pragma once

#include "bitmap.h"
#include "bitmapfont.h"
#include "pattern.h"

#include <QRect>
#include <QRectF>

namespace Fonts {

// How a glyph that is not 8 by 8 dots becomes the module's 8 by 8.
enum class Fit {
    // Along a side where the font is larger than 8 dots, the font's body and all of the glyph's
    // ink shrunk to 8 dots, so that a font's glyphs keep one scale; along a side where it is not,
    // as Crop.
    Scale,
    // 8 by 8 of the glyph's dots as they are (see cropWindow()); a glyph narrower or lower than
    // that is centred across and keeps its baseline.
    Crop,
};

// A scaled glyph's dot is on when at least this share of the area it stands for is: less than
// half, so that strokes one dot thin are not lost.
inline constexpr int ScaleThresholdPercent = 35;

// The 8x8 dots that a window laid over the bitmap shows, the window in the bitmap's dots
// (fractions allowed). Each dot is on when at least thresholdPercent (1 to 100) of its share of
// the window is covered by dots that are on; outside the bitmap nothing is.
Bitmap sampleWindow(const Bitmap &bitmap, const QRectF &window, int thresholdPercent);

// Where an 8x8 window goes over a glyph whose ink is `ink` and whose baseline lies under
// `baseline` rows (both in the glyph's dots), each of the module's dots `dotSize` of the
// glyph's wide and high: seven rows above the baseline and one below, moved just enough to take
// in all the ink when it fits; centred on the ink across. The corner lies on a whole dot.
QRectF cropWindow(const QRect &ink, qreal baseline, qreal dotSize);

// The glyph fitted to 8x8: `ascent` is the number of its rows above the baseline, `body` the
// part of its cell that scaling keeps (BitmapFont::body).
Bitmap fitGlyph(const Bitmap &glyph, int ascent, const QRect &body, Fit fit);
Pattern glyphPattern(const BitmapFont &font, const Glyph &glyph, Fit fit);

} // namespace Fonts
