#include "dotcell.h"

#include <QMouseEvent>

DotCell::DotCell(int index, QWidget *parent)
    : QLabel(parent)
    , m_index(index)
{
    setFrameShape(QFrame::NoFrame);
    setScaledContents(false);
    setMargin(0);
}

void DotCell::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

// A click is a left press and release on the same cell.
void DotCell::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked(m_index);
}
