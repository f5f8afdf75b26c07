#pragma once

#include "pattern.h"
#include "protocol.h"

#include <QRectF>
#include <QWidget>

// The simulated module as a window shows it: 64 round red LEDs on a dark board.
class LedBoard : public QWidget
{
    Q_OBJECT

public:
    static constexpr const char *Title = "Kaldor8x8 module (simulated)";

    explicit LedBoard(QWidget *parent = nullptr);

    void setPattern(const Pattern &pattern);
    const Pattern &pattern() const { return m_pattern; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Where the LED in `row` (0 top) and `column` (0 left) is drawn on a board of `size`: the
    // board keeps its proportions and stays centred as the window is resized.
    static QRectF ledRect(int row, int column, const QSize &size);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Pattern m_pattern;
};
