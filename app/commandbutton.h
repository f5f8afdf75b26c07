#pragma once

#include <QPushButton>

// A push button whose caption wraps onto more lines when the button is too narrow for it, as
// the taller buttons below the grid ("Save in Position") need. text() stays the caption.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
