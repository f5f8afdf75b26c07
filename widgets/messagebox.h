#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

// Every message the program shows goes through here: the text, one OK button, no icon, and the
// application title as the caption. Tests install an observer instead, so none waits on a box.
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

void show(QWidget *parent, const QString &text);

using Handler = std::function<void(QWidget *parent, const QString &text)>;
// Replaces the modal box; an empty handler restores it.
void setHandler(Handler handler);

} // namespace MessageBox
