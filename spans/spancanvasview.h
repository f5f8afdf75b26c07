#pragma once

#include "canvas.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <optional>

// The span's canvas as the Span window shows it: every dot of every module, a gap between the
// modules and each module's number in its corner, and a focus cell. It is one focus stop: the
// arrow keys move the focus cell and Space toggles it. A left press on a dot toggles it and
// starts a stroke; moving with the button held sets every dot the pointer crosses, between one
// mouse position and the next too, to the state the pressed dot took. It reports what the user
// does and leaves recording it to its editor.
class SpanCanvasView : public QWidget
{
    Q_OBJECT

public:
    explicit SpanCanvasView(QWidget *parent = nullptr);

    void setCanvas(const Canvas &canvas);
    const Canvas &canvas() const { return m_canvas; }
    // Another picture drawn faintly where the canvas is dark (the previous frame).
    void setGhost(const std::optional<Canvas> &ghost);
    QPoint focusDot() const { return m_focus; }
    void setFocusDot(QPoint dot);

    // The dot under `position` in the widget, if any; and where a dot is drawn.
    std::optional<QPoint> dotAt(QPointF position) const;
    QRectF dotRect(int x, int y) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void strokeStarted();
    void dotPainted(int x, int y, bool lit);
    void strokeEnded();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Geometry
    {
        double dot = 1;
        double gap = 0; // between modules
        QPointF origin;
    };
    Geometry geometry() const;
    void paintAlong(QPointF from, QPointF to);
    void updateAccessibleText();

    Canvas m_canvas;
    std::optional<Canvas> m_ghost;
    QPoint m_focus{0, 0};
    bool m_stroking = false;
    bool m_strokeLit = false;
    QPointF m_last;
};
