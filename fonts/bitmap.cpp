#include "bitmap.h"

#include <algorithm>

namespace Fonts {

Bitmap::Bitmap(int width, int height)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_rows(qsizetype(stride()) * m_height, '\0')
{}

Bitmap Bitmap::fromRows(int width, int height, const QByteArray &rows)
{
    Bitmap bitmap(width, height);
    const qsizetype size = std::min(bitmap.m_rows.size(), rows.size());
    std::copy_n(rows.constData(), size, bitmap.m_rows.data());
    // Clear the padding bits so that equal dots compare equal.
    const int spare = bitmap.stride() * 8 - bitmap.m_width;
    if (spare > 0) {
        const char mask = char(0xFF << spare);
        for (int y = 0; y < bitmap.m_height; ++y)
            bitmap.m_rows[qsizetype(y + 1) * bitmap.stride() - 1] &= mask;
    }
    return bitmap;
}

bool Bitmap::dot(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    const auto byte = quint8(m_rows.at(qsizetype(y) * stride() + x / 8));
    return byte & (0x80 >> (x % 8));
}

void Bitmap::setDot(int x, int y, bool on)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    char &byte = m_rows[qsizetype(y) * stride() + x / 8];
    const char bit = char(0x80 >> (x % 8));
    byte = on ? char(byte | bit) : char(byte & ~bit);
}

QRect Bitmap::inkRect() const
{
    QRect ink;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (dot(x, y))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

Pattern bitmapPattern(const Bitmap &bitmap)
{
    Pattern pattern;
    for (int y = 0; y < Pattern::Rows; ++y) {
        for (int x = 0; x < Pattern::Columns; ++x)
            pattern.setDot(y, x, bitmap.dot(x, y));
    }
    return pattern;
}

Bitmap bitmapFromPattern(const Pattern &pattern)
{
    Bitmap bitmap(Pattern::Columns, Pattern::Rows);
    for (int y = 0; y < Pattern::Rows; ++y) {
        for (int x = 0; x < Pattern::Columns; ++x)
            bitmap.setDot(x, y, pattern.dot(y, x));
    }
    return bitmap;
}

QString dotText(const Bitmap &bitmap)
{
    QString text;
    for (int y = 0; y < bitmap.height(); ++y) {
        if (y > 0)
            text += u'\n';
        for (int x = 0; x < bitmap.width(); ++x)
            text += bitmap.dot(x, y) ? u'#' : u'.';
    }
    return text;
}

QImage previewImage(const Bitmap &bitmap)
{
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            image.setPixel(x, y, bitmap.dot(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    return image;
}

} // namespace Fonts
