#pragma once

#include "pattern.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

namespace Fonts {

// A rectangle of dots, each on or off: a glyph of a font, or the 8x8 dots of the module.
class Bitmap
{
public:
    Bitmap() = default;
    // All dots off; a negative size counts as zero.
    Bitmap(int width, int height);

    // Packed rows as PSF and BDF fonts keep them: height rows of stride() bytes, top row first,
    // the leftmost dot in the high bit. Bits past the width are dropped. Missing bytes count as
    // off, extra ones are ignored.
    static Bitmap fromRows(int width, int height, const QByteArray &rows);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int stride() const { return (m_width + 7) / 8; }
    const QByteArray &rows() const { return m_rows; }

    // Off outside the bitmap.
    bool dot(int x, int y) const;
    // Ignored outside the bitmap.
    void setDot(int x, int y, bool on);
    // The smallest rectangle that holds every dot that is on; empty when none is.
    QRect inkRect() const;

    friend bool operator==(const Bitmap &, const Bitmap &) = default;

private:
    int m_width = 0;
    int m_height = 0;
    QByteArray m_rows;
};

// The top-left 8x8 dots as a picture, and a picture as an 8x8 bitmap.
Pattern bitmapPattern(const Bitmap &bitmap);
Bitmap bitmapFromPattern(const Pattern &pattern);

// One line per row, '#' for a dot that is on and '.' for one that is off, rows joined by '\n'.
QString dotText(const Bitmap &bitmap);
// One pixel per dot, black on white, for previews that scale it up.
QImage previewImage(const Bitmap &bitmap);

} // namespace Fonts
