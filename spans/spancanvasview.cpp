#include "spancanvasview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// The module's own colours, as the pattern thumbnails have them.
const QColor Board(32, 32, 32);
const QColor Lit(255, 48, 48);
const QColor Dark(72, 40, 40);
const QColor Ghost(150, 70, 70);

// The gap between two modules, as a share of a dot.
constexpr double GapRatio = 0.6;
constexpr int Padding = 4;
constexpr int PreferredDot = 14;
constexpr int SmallestDot = 5;

} // namespace

SpanCanvasView::SpanCanvasView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("spanCanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Span canvas"));
    updateAccessibleText();
}

void SpanCanvasView::setCanvas(const Canvas &canvas)
{
    if (canvas == m_canvas)
        return;
    const bool resized = canvas.width() != m_canvas.width() || canvas.height() != m_canvas.height();
    m_canvas = canvas;
    if (resized) {
        m_focus = QPoint(std::min(m_focus.x(), canvas.width() - 1),
                         std::min(m_focus.y(), canvas.height() - 1));
        updateGeometry();
    }
    updateAccessibleText();
    update();
}

void SpanCanvasView::setGhost(const std::optional<Canvas> &ghost)
{
    if (ghost == m_ghost)
        return;
    m_ghost = ghost;
    update();
}

void SpanCanvasView::setFocusDot(QPoint dot)
{
    dot.setX(qBound(0, dot.x(), m_canvas.width() - 1));
    dot.setY(qBound(0, dot.y(), m_canvas.height() - 1));
    if (dot == m_focus)
        return;
    m_focus = dot;
    updateAccessibleText();
    update();
}

QSize SpanCanvasView::sizeHint() const
{
    const int modules = m_canvas.moduleColumns();
    const int width =
        int(PreferredDot * (m_canvas.width() + (modules - 1) * GapRatio)) + 2 * Padding;
    const int height =
        int(PreferredDot * (m_canvas.height() + (m_canvas.moduleRows() - 1) * GapRatio)) +
        2 * Padding + fontMetrics().height();
    return QSize(std::min(width, 1100), std::min(height, 700));
}

QSize SpanCanvasView::minimumSizeHint() const
{
    return QSize(int(SmallestDot * (m_canvas.width() + (m_canvas.moduleColumns() - 1) * GapRatio)) +
                     2 * Padding,
                 int(SmallestDot * (m_canvas.height() + (m_canvas.moduleRows() - 1) * GapRatio)) +
                     2 * Padding + fontMetrics().height());
}

SpanCanvasView::Geometry SpanCanvasView::geometry() const
{
    const double header = fontMetrics().height();
    const double across = m_canvas.width() + (m_canvas.moduleColumns() - 1) * GapRatio;
    const double down = m_canvas.height() + (m_canvas.moduleRows() - 1) * GapRatio;
    Geometry g;
    g.dot = std::max(1.0, std::floor(std::min((width() - 2.0 * Padding) / across,
                                              (height() - 2.0 * Padding - header) / down)));
    g.gap = std::round(g.dot * GapRatio);
    const double usedWidth = g.dot * m_canvas.width() + g.gap * (m_canvas.moduleColumns() - 1);
    const double usedHeight = g.dot * m_canvas.height() + g.gap * (m_canvas.moduleRows() - 1);
    g.origin = QPointF(std::round((width() - usedWidth) / 2),
                       std::round(header + (height() - header - usedHeight) / 2));
    return g;
}

QRectF SpanCanvasView::dotRect(int x, int y) const
{
    const Geometry g = geometry();
    const int module = Canvas::ModuleDots;
    return QRectF(g.origin.x() + x * g.dot + (x / module) * g.gap,
                  g.origin.y() + y * g.dot + (y / module) * g.gap, g.dot, g.dot);
}

std::optional<QPoint> SpanCanvasView::dotAt(QPointF position) const
{
    const Geometry g = geometry();
    const double moduleSide = Canvas::ModuleDots * g.dot;
    const QPointF local = position - g.origin;
    if (local.x() < 0 || local.y() < 0)
        return std::nullopt;
    const int moduleX = int(local.x() / (moduleSide + g.gap));
    const int moduleY = int(local.y() / (moduleSide + g.gap));
    const double inX = local.x() - moduleX * (moduleSide + g.gap);
    const double inY = local.y() - moduleY * (moduleSide + g.gap);
    if (inX >= moduleSide || inY >= moduleSide)
        return std::nullopt;
    const QPoint dot(moduleX * Canvas::ModuleDots + int(inX / g.dot),
                     moduleY * Canvas::ModuleDots + int(inY / g.dot));
    if (!m_canvas.contains(dot.x(), dot.y()))
        return std::nullopt;
    return dot;
}

void SpanCanvasView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const Geometry g = geometry();
    const int module = Canvas::ModuleDots;
    const double moduleSide = module * g.dot;
    const double inset = g.dot > 4 ? 1 : 0;
    painter.setPen(palette().color(QPalette::WindowText));
    for (int row = 0; row < m_canvas.moduleRows(); ++row) {
        for (int column = 0; column < m_canvas.moduleColumns(); ++column) {
            const QRectF board(g.origin.x() + column * (moduleSide + g.gap),
                               g.origin.y() + row * (moduleSide + g.gap), moduleSide, moduleSide);
            painter.fillRect(board, Board);
            if (row == 0 || g.gap >= fontMetrics().height()) {
                // Each module's number above it, as Identify shows it on the module.
                const QRectF label(board.left(), board.top() - fontMetrics().height(),
                                   board.width(), fontMetrics().height());
                painter.drawText(label, Qt::AlignLeft | Qt::AlignBottom,
                                 QString::number(row * m_canvas.moduleColumns() + column + 1));
            }
        }
    }
    // Whole pixels throughout: solid rectangles on the pixel grid are the painter's fastest
    // path, and the canvas is drawn at every frame while playing.
    const int dotSide = int(g.dot);
    const int step = int(g.gap);
    const int shrink = int(2 * inset);
    for (int y = 0; y < m_canvas.height(); ++y) {
        const int top = int(g.origin.y()) + y * dotSide + (y / module) * step + int(inset);
        for (int x = 0; x < m_canvas.width(); ++x) {
            const int left = int(g.origin.x()) + x * dotSide + (x / module) * step + int(inset);
            const QColor &colour = m_canvas.dot(x, y)              ? Lit
                                   : m_ghost && m_ghost->dot(x, y) ? Ghost
                                                                   : Dark;
            painter.fillRect(QRect(left, top, dotSide - shrink, dotSide - shrink), colour);
        }
    }
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight));
        pen.setWidthF(std::max(2.0, g.dot / 6));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(dotRect(m_focus.x(), m_focus.y()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void SpanCanvasView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const auto dot = dotAt(event->position());
    if (!dot)
        return;
    setFocusDot(*dot);
    m_stroking = true;
    m_strokeLit = !m_canvas.dot(dot->x(), dot->y());
    m_last = event->position();
    emit strokeStarted();
    emit dotPainted(dot->x(), dot->y(), m_strokeLit);
}

void SpanCanvasView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_stroking || !(event->buttons() & Qt::LeftButton))
        return;
    paintAlong(m_last, event->position());
    m_last = event->position();
}

void SpanCanvasView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_stroking || event->button() != Qt::LeftButton)
        return;
    paintAlong(m_last, event->position());
    m_stroking = false;
    emit strokeEnded();
}

// Every dot the pointer crosses between two positions, however far apart: the way is walked in
// steps of a quarter dot.
void SpanCanvasView::paintAlong(QPointF from, QPointF to)
{
    const double step = std::max(0.25, geometry().dot / 4);
    const QPointF way = to - from;
    const int steps = std::max(1, int(std::ceil(std::hypot(way.x(), way.y()) / step)));
    std::optional<QPoint> last;
    for (int i = 1; i <= steps; ++i) {
        const auto dot = dotAt(from + way * (double(i) / steps));
        if (dot && dot != last) {
            last = dot;
            if (m_canvas.dot(dot->x(), dot->y()) != m_strokeLit)
                emit dotPainted(dot->x(), dot->y(), m_strokeLit);
        }
    }
    if (last)
        setFocusDot(*last);
}

void SpanCanvasView::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        setFocusDot(m_focus - QPoint(1, 0));
        break;
    case Qt::Key_Right:
        setFocusDot(m_focus + QPoint(1, 0));
        break;
    case Qt::Key_Up:
        setFocusDot(m_focus - QPoint(0, 1));
        break;
    case Qt::Key_Down:
        setFocusDot(m_focus + QPoint(0, 1));
        break;
    case Qt::Key_Home:
        setFocusDot(QPoint(0, m_focus.y()));
        break;
    case Qt::Key_End:
        setFocusDot(QPoint(m_canvas.width() - 1, m_focus.y()));
        break;
    case Qt::Key_Space:
        emit strokeStarted();
        emit dotPainted(m_focus.x(), m_focus.y(), !m_canvas.dot(m_focus.x(), m_focus.y()));
        emit strokeEnded();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SpanCanvasView::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void SpanCanvasView::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

void SpanCanvasView::updateAccessibleText()
{
    const int module = (m_focus.y() / Canvas::ModuleDots) * m_canvas.moduleColumns() +
                       m_focus.x() / Canvas::ModuleDots + 1;
    setAccessibleDescription(
        tr("Row %1, column %2 (module %3), %4")
            .arg(m_focus.y() + 1)
            .arg(m_focus.x() + 1)
            .arg(module)
            .arg(m_canvas.dot(m_focus.x(), m_focus.y()) ? tr("lit") : tr("dark")));
}
