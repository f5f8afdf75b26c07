#pragma once

#include "designtext.h"

#include <QPoint>
#include <QSize>
#include <QString>

class QMessageBox;
class QWidget;

// What every message box of the program shares: the application title as its caption, the
// texts kept as constants, and where a box goes. The boxes themselves are the Prompter's.
namespace MessageBox {

inline constexpr const char *Caption = DesignText::MessageCaption;
// What every path that finds the port closed, missing or gone tells the user: a message of the
// design, the same in every language (designtext.h).
inline constexpr const char *PortUnavailable = DesignText::PortUnavailable;

inline QString text(const char *message)
{
    return DesignText::text(message);
}

// Where a box of `size` goes so that it is centred on `parent`'s window: on the window as it
// is, or, before it is first shown, where it has been placed to appear. The screen's centre
// without a parent.
QPoint placement(const QWidget *parent, QSize size);

// The width a box needs for the window manager to show its whole caption in the title bar,
// with room for the bar's own buttons, in the title bar's font as far as the program can know it.
int captionWidth(const QString &caption);
// Keeps `box` at least that wide: a short text would otherwise make a box so narrow that the
// title bar cuts the caption down to "K...8".
void fitCaption(QMessageBox &box);

} // namespace MessageBox
