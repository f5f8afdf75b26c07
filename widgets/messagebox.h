#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstddef>
#include <functional>

class QWidget;

// Every message the program shows goes through here: the text, an optional detail below it, one
// OK button, no icon, and the application title as the caption, centred on the window it
// concerns. Tests install an observer instead, so none waits on a box.
namespace MessageBox {

inline constexpr char Caption[] = "Kaldor8x8";
// What every path that finds the port closed, missing or gone tells the user. Texts kept as
// constants are marked for lupdate here and translated by text() where they are shown.
inline constexpr const char *PortUnavailable =
    QT_TRANSLATE_NOOP("MessageBox", "Selected Comm Port Not Available");

inline QString text(const char *message)
{
    return QCoreApplication::translate("MessageBox", message);
}

void show(QWidget *parent, const QString &text, const QString &detail = QString());

// Where a box of `size` goes so that it is centred on `parent`'s window: on the window as it
// is, or, before it is first shown, where it has been placed to appear. The screen's centre
// without a parent.
QPoint placement(const QWidget *parent, QSize size);

using Handler = std::function<void(QWidget *parent, const QString &text)>;
using DetailHandler =
    std::function<void(QWidget *parent, const QString &text, const QString &detail)>;
// Replaces the modal box; an empty handler, or setHandler({}), restores it.
void setHandler(Handler handler);
void setHandler(DetailHandler handler);
void setHandler(std::nullptr_t);

} // namespace MessageBox
