#include "ledboard.h"

#include "pattern.h"

#include <QPainter>
#include <QRadialGradient>

namespace {

// The board at its natural size, in pixels; it scales with the window.
constexpr int LedPitch = 36;
constexpr int LedDiameter = 28;
constexpr int BoardMargin = 18;
constexpr int NaturalSide = 2 * BoardMargin + Pattern::Columns * LedPitch;

const QColor BackgroundColor(0x10, 0x10, 0x10);
const QColor BoardColor(0x22, 0x24, 0x22);
const QColor LitCentreColor(0xFF, 0x70, 0x50);
const QColor LitEdgeColor(0xD8, 0x10, 0x08);
const QColor DarkColor(0x40, 0x0C, 0x0A);

qreal scaleFor(const QSize &size)
{
    return qreal(std::min(size.width(), size.height())) / NaturalSide;
}

QRectF boardRect(const QSize &size)
{
    const qreal side = NaturalSide * scaleFor(size);
    return QRectF((size.width() - side) / 2, (size.height() - side) / 2, side, side);
}

} // namespace

LedBoard::LedBoard(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QString::fromLatin1(Title));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LedBoard::setPattern(const Pattern &pattern)
{
    if (pattern == m_pattern)
        return;
    m_pattern = pattern;
    update();
}

QSize LedBoard::sizeHint() const
{
    return {NaturalSide, NaturalSide};
}

QSize LedBoard::minimumSizeHint() const
{
    return {NaturalSide / 3, NaturalSide / 3};
}

QRectF LedBoard::ledRect(int row, int column, const QSize &size)
{
    const qreal scale = scaleFor(size);
    const QRectF board = boardRect(size);
    const qreal inset = (BoardMargin + (LedPitch - LedDiameter) / 2.0) * scale;
    return QRectF(board.left() + inset + column * LedPitch * scale,
                  board.top() + inset + row * LedPitch * scale, LedDiameter * scale,
                  LedDiameter * scale);
}

void LedBoard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), BackgroundColor);
    const QRectF board = boardRect(size());
    painter.setPen(Qt::NoPen);
    painter.setBrush(BoardColor);
    painter.drawRoundedRect(board, board.width() / 40, board.width() / 40);

    for (int row = 0; row < Pattern::Rows; ++row) {
        for (int column = 0; column < Pattern::Columns; ++column) {
            const QRectF led = ledRect(row, column, size());
            if (m_pattern.dot(row, column)) {
                QRadialGradient glow(led.center(), led.width() / 2);
                glow.setColorAt(0, LitCentreColor);
                glow.setColorAt(1, LitEdgeColor);
                painter.setBrush(glow);
            } else {
                painter.setBrush(DarkColor);
            }
            painter.drawEllipse(led);
        }
    }
}
