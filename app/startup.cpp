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
    // Placed first, so that a message of the start-up sequence appears where the window will.
    centreOnScreen(window.get());
    window->Form_Load();
    window->show();
    return window;
}
