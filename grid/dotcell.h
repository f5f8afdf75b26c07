#pragma once

#include <QLabel>

// One dot of the grid: a picture cell that reports a click with its Index, the dot's bit weight.
class DotCell : public QLabel
{
    Q_OBJECT

public:
    DotCell(int index, QWidget *parent = nullptr);

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
    bool m_pressed = false;
};
