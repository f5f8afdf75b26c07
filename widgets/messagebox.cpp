#include "messagebox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRect>
#include <QScreen>
#include <QSpacerItem>
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

// Window managers draw titles bold and somewhat larger than the program's text, and put an
// icon and up to three buttons beside them.
int captionWidth(const QString &caption)
{
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.25);
    constexpr int TitleBarFurniture = 160;
    return QFontMetrics(title).horizontalAdvance(caption) + TitleBarFurniture;
}

void fitCaption(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const int width = captionWidth(box.windowTitle());
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace MessageBox
