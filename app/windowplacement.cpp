#include "windowplacement.h"

#include "appsettings.h"
#include "windowstyle.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace WindowPlacement {

namespace {

QString key()
{
    return QLatin1String(Group) + u'/' + QLatin1String(PositionKey);
}

// A title bar is about this tall; this much of it must show to be grasped with the mouse.
constexpr int TitleHeight = 24;
constexpr int GraspWidth = 100;

} // namespace

std::optional<QPoint> storedPosition()
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             AppSettings::Organization, AppSettings::Application);
    // Anything but a point (nothing stored, a hand-edited entry) counts as nothing stored.
    const QVariant value = settings.value(key());
    if (value.typeId() != QMetaType::QPoint)
        return std::nullopt;
    return value.toPoint();
}

void storePosition(const QPoint &position)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::Organization,
                       AppSettings::Application);
    settings.setValue(key(), position);
}

bool isReachable(const QPoint &position, const QSize &size, const QList<QRect> &screens)
{
    const QRect titleBar(position, QSize(size.width(), TitleHeight));
    const int needed = std::min(GraspWidth, size.width());
    for (const QRect &screen : screens) {
        const QRect shown = titleBar.intersected(screen);
        if (shown.width() >= needed && shown.height() >= TitleHeight / 2)
            return true;
    }
    return false;
}

void place(QWidget *window)
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const auto position = storedPosition();
    if (position && isReachable(*position, window->frameGeometry().size(), screens)) {
        window->move(*position);
        return;
    }
    centreOnScreen(window);
}

void remember(const QWidget *window)
{
    storePosition(window->pos());
}

} // namespace WindowPlacement
