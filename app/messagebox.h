#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message the program shows goes through here: the text, one OK button, no icon, and the
// application title as the caption. Tests install an observer instead, so none waits on a box.
namespace MessageBox {

inline constexpr char Caption[] = "Kaldor8x8";
// What every path that finds the port closed, missing or gone tells the user.
inline constexpr char PortUnavailable[] = "Selected Comm Port Not Available";

void show(QWidget *parent, const QString &text);

using Handler = std::function<void(QWidget *parent, const QString &text)>;
// Replaces the modal box; an empty handler restores it.
void setHandler(Handler handler);

} // namespace MessageBox
