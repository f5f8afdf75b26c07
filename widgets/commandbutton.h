#pragma once

#include <QPushButton>

// A push button whose caption wraps onto more lines when the button is too narrow for it, as
// the taller buttons below the grid ("Save in Position") need. text() stays the caption.
// Its pressed and released looks are drawn on the next pass of the event loop rather than at
// once, so a click reaches the serial line without waiting for a repaint first.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void resumeUpdates();
};
