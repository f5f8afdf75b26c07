#pragma once

#include "bitmap.h"
#include "pattern.h"

#include <QString>

namespace Fonts {

// Sizes outside 1 to this many dots to the em are taken as the nearest of the two; at 8x8 a
// larger character shows only a part of itself.
inline constexpr int MaxTextDotSize = 32;
// Each of the module's dots is drawn as this many pixels across and down.
inline constexpr int TextOversampling = 8;

// One character of an installed font on the module's 8x8 dots, `dotSize` dots to the em. Qt
// draws it without anti-aliasing at TextOversampling pixels to a dot, and a dot is on when at
// least thresholdPercent (1 to 100) of its pixels are: a low threshold makes the strokes bold,
// a high one thin. The character keeps its baseline above the bottom row unless that would cut
// off ink that fits, and is centred across (cropWindow()). Depends on nothing but its arguments
// and the fonts installed; a QGuiApplication must exist.
Bitmap textGlyph(const QString &family, int dotSize, int thresholdPercent, char32_t character);
Pattern textGlyphPattern(const QString &family, int dotSize, int thresholdPercent,
                         char32_t character);

} // namespace Fonts
