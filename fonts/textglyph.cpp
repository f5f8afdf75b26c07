#include "textglyph.h"

#include "fit.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace Fonts {

Bitmap textGlyph(const QString &family, int dotSize, int thresholdPercent, char32_t character)
{
    const int em = std::clamp(dotSize, 1, MaxTextDotSize) * TextOversampling;
    QFont font(family);
    font.setPixelSize(em);
    font.setStyleStrategy(QFont::NoAntialias);

    // An em of room on every side of the glyph's em square; what reaches farther is cut.
    const int side = 4 * em;
    const QPoint origin(em + em / 2, 2 * em + em / 2);
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(origin, QString::fromUcs4(&character, 1));
    painter.end();

    Bitmap drawn(side, side);
    for (int y = 0; y < side; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < side; ++x)
            drawn.setDot(x, y, qGray(line[x]) < 128);
    }
    return sampleWindow(drawn, cropWindow(drawn.inkRect(), origin.y(), TextOversampling),
                        thresholdPercent);
}

Pattern textGlyphPattern(const QString &family, int dotSize, int thresholdPercent,
                         char32_t character)
{
    return bitmapPattern(textGlyph(family, dotSize, thresholdPercent, character));
}

} // namespace Fonts
