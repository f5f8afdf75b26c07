#include "patternpicture.h"

#include <QImage>
#include <QPainter>

namespace PatternPicture {

QPixmap draw(const Pattern &pattern, int dotSize)
{
    const int side = Pattern::Columns * dotSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(QColor(32, 32, 32));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double inset = dotSize > 3 ? 0.5 : 0;
    for (int row = 0; row < Pattern::Rows; ++row) {
        for (int column = 0; column < Pattern::Columns; ++column) {
            painter.setBrush(pattern.dot(row, column) ? QColor(255, 48, 48) : QColor(72, 40, 40));
            painter.drawEllipse(QRectF(column * dotSize + inset, row * dotSize + inset,
                                       dotSize - 2 * inset, dotSize - 2 * inset));
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace PatternPicture
