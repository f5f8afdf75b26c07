// The program's own start-up, ended by the probe at the main window's first expose.
#include "prompter.h"
#include "exposeprobe.h"
#include "frmmain.h"
#include "startup.h"
#include "workspace.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ExposeProbe probe;
    Prompter prompter;
    const auto program = startProgram(prompter);
    return app.exec();
}
