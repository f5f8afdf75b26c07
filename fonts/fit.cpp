#include "fit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

namespace Fonts {

Bitmap sampleWindow(const Bitmap &bitmap, const QRectF &window, int thresholdPercent)
{
    Bitmap cell(Protocol::ColumnCount, Protocol::RowCount);
    const qreal dotWidth = window.width() / Protocol::ColumnCount;
    const qreal dotHeight = window.height() / Protocol::RowCount;
    if (!(dotWidth > 0 && dotHeight > 0))
        return cell;
    // A hair below the exact share, so that rounding never turns off a dot covered just enough.
    const qreal needed = std::clamp(thresholdPercent, 1, 100) / 100.0 * dotWidth * dotHeight - 1e-9;
    for (int row = 0; row < Protocol::RowCount; ++row) {
        const qreal top = window.top() + row * dotHeight;
        const qreal bottom = top + dotHeight;
        const int firstY = std::max(0, int(std::floor(top)));
        const int endY = std::min(bitmap.height(), int(std::ceil(bottom)));
        for (int column = 0; column < Protocol::ColumnCount; ++column) {
            const qreal left = window.left() + column * dotWidth;
            const qreal right = left + dotWidth;
            const int firstX = std::max(0, int(std::floor(left)));
            const int endX = std::min(bitmap.width(), int(std::ceil(right)));
            qreal covered = 0;
            for (int y = firstY; y < endY; ++y) {
                const qreal high = std::min<qreal>(bottom, y + 1) - std::max<qreal>(top, y);
                for (int x = firstX; x < endX; ++x) {
                    if (bitmap.dot(x, y))
                        covered +=
                            high * (std::min<qreal>(right, x + 1) - std::max<qreal>(left, x));
                }
            }
            cell.setDot(column, row, covered >= needed);
        }
    }
    return cell;
}

QRectF cropWindow(const QRect &ink, qreal baseline, qreal dotSize)
{
    const qreal side = Protocol::RowCount * dotSize;
    qreal top = baseline - (Protocol::RowCount - 1) * dotSize;
    if (ink.isEmpty())
        return QRectF(0, std::round(top), side, side);
    if (ink.height() <= side) {
        top = std::min<qreal>(top, ink.top());
        top = std::max<qreal>(top, ink.bottom() + 1 - side);
    }
    const qreal left = ink.left() + ink.width() / 2.0 - side / 2;
    return QRectF(std::round(left), std::round(top), side, side);
}

namespace {

// The rows from `top` to `bottom` (exclusive) shrunk onto the module's 8, the baseline on the
// boundary between two of them: the split into rows above and below it that shrinks least.
// Returns the window's top and height.
std::pair<qreal, qreal> rowsAroundBaseline(int top, int bottom, int baseline)
{
    const int side = Protocol::RowCount;
    const int above = std::max(0, baseline - top);
    const int below = std::max(0, bottom - baseline);
    qreal bestShrink = std::numeric_limits<qreal>::max();
    int bestAbove = 0;
    for (int rowsAbove = 0; rowsAbove <= side; ++rowsAbove) {
        if ((above > 0 && rowsAbove == 0) || (below > 0 && rowsAbove == side))
            continue;
        const qreal shrink = std::max(rowsAbove > 0 ? above / qreal(rowsAbove) : 0,
                                      rowsAbove < side ? below / qreal(side - rowsAbove) : 0);
        if (shrink < bestShrink) {
            bestShrink = shrink;
            bestAbove = rowsAbove;
        }
    }
    return {baseline - bestAbove * bestShrink, side * bestShrink};
}

} // namespace

Bitmap fitGlyph(const Bitmap &glyph, int ascent, const QRect &body, Fit fit)
{
    const int side = Protocol::RowCount;
    const QRect ink = glyph.inkRect();
    const QRectF crop = cropWindow(ink, ascent, 1);
    // A narrow glyph is centred as a whole, a wide one on its ink; a window over a high glyph
    // stays inside it, one over a low glyph holds all of it.
    qreal left = glyph.width() <= side ? -((side - glyph.width()) / 2)
                                       : std::clamp(int(crop.left()), 0, glyph.width() - side);
    qreal top = std::clamp(int(crop.top()), std::min(0, glyph.height() - side),
                           std::max(0, glyph.height() - side));
    qreal width = side;
    qreal height = side;
    if (fit == Fit::Scale) {
        const QRect span = (body & QRect(0, 0, glyph.width(), glyph.height())) | ink;
        if (span.width() > side) {
            left = span.left();
            width = span.width();
        }
        if (span.height() > side)
            std::tie(top, height) = rowsAroundBaseline(span.top(), span.bottom() + 1, ascent);
    }
    return sampleWindow(glyph, QRectF(left, top, width, height), ScaleThresholdPercent);
}

Pattern glyphPattern(const BitmapFont &font, const Glyph &glyph, Fit fit)
{
    return bitmapPattern(fitGlyph(glyph.bitmap, font.ascent, font.body, fit));
}

} // namespace Fonts
