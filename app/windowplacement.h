#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

// Where the main window was when it last closed, remembered in a settings group of its own
// ("MainWindow"): only its position, as its size is fixed.
namespace WindowPlacement {

inline constexpr char Group[] = "MainWindow";
inline constexpr char PositionKey[] = "Position";

std::optional<QPoint> storedPosition();
void storePosition(const QPoint &position);

// Whether a window of `size` whose frame begins at `position` can be seen and moved: enough of
// its top edge, where the title bar is, lies on one of `screens` (their available areas).
bool isReachable(const QPoint &position, const QSize &size, const QList<QRect> &screens);

// The remembered position when the window can be reached there on the screens as they are now;
// otherwise centred, as at the first start.
void place(QWidget *window);
void remember(const QWidget *window);

} // namespace WindowPlacement
