#include "startup.h"

#include "appstyle.h"
#include "frmmain.h"
#include "windowstyle.h"

#include <QApplication>

std::unique_ptr<FrmMain> startMainWindow()
{
    QApplication::setStyle(createAppStyle());
    QApplication::setWindowIcon(appIcon());
    auto window = std::make_unique<FrmMain>();
    window->Form_Load();
    centreOnScreen(window.get());
    window->show();
    return window;
}
