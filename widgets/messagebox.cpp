#include "messagebox.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace MessageBox {

QPoint placement(const QWidget *parent, QSize size)
{
    QRect target;
    if (parent) {
        const QWidget *window = parent->window();
        // A window not shown yet has no frame; where it will appear is its geometry.
        target = window->isVisible() ? window->frameGeometry() : window->geometry();
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        target = screen->availableGeometry();
    }
    QRect box(QPoint(), size);
    box.moveCenter(target.center());
    return box.topLeft();
}

} // namespace MessageBox
