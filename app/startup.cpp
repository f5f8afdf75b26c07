#include "startup.h"

#include "frmmain.h"
#include "windowplacement.h"

#include <QApplication>

std::unique_ptr<FrmMain> startMainWindow()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/glyphsmith.png")));
    auto window = std::make_unique<FrmMain>();
    window->Form_Load();
    centreOnScreen(window.get());
    window->show();
    return window;
}
