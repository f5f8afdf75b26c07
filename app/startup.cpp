#include "startup.h"

#include "appstyle.h"
#include "frmmain.h"
#include "windowplacement.h"
#include "workspace.h"

#include <QApplication>

std::unique_ptr<Workspace> startProgram(Prompter &prompter)
{
    QApplication::setStyle(createAppStyle());
    QApplication::setWindowIcon(appIcon());
    auto program = std::make_unique<Workspace>(prompter);
    FrmMain &window = program->window();
    // Placed first, so that a message of the start-up sequence appears where the window will:
    // where it was last, or centred.
    WindowPlacement::place(&window);
    window.Form_Load();
    window.show();
    return program;
}
