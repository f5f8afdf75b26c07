#include "messagebox.h"

#include <QMessageBox>

namespace MessageBox {

namespace {
Handler &handler()
{
    static Handler current;
    return current;
}
} // namespace

void show(QWidget *parent, const QString &text)
{
    if (handler()) {
        handler()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(Caption), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

void setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace MessageBox
