// The program's own start-up, ended by the probe at the main window's first expose.
#include "exposeprobe.h"
#include "frmmain.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ExposeProbe probe;
    const auto window = startMainWindow();
    return app.exec();
}
