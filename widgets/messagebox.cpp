#include "messagebox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace MessageBox {

namespace {
DetailHandler &handler()
{
    static DetailHandler current;
    return current;
}
} // namespace

void show(QWidget *parent, const QString &text, const QString &detail)
{
    if (handler()) {
        handler()(parent, text, detail);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(Caption), text, QMessageBox::Ok,
                    parent);
    box.setInformativeText(detail);
    box.adjustSize();
    box.move(placement(parent, box.size()));
    box.exec();
}

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

void setHandler(Handler newHandler)
{
    if (!newHandler) {
        handler() = {};
        return;
    }
    handler() = [newHandler](QWidget *parent, const QString &text, const QString &) {
        newHandler(parent, text);
    };
}

void setHandler(DetailHandler newHandler)
{
    handler() = std::move(newHandler);
}

void setHandler(std::nullptr_t)
{
    handler() = {};
}

} // namespace MessageBox
