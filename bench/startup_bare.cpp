// The floor for start-up: an empty main window of the program's size, with nothing in it.
#include "exposeprobe.h"

#include <QApplication>
#include <QMainWindow>

namespace {
constexpr int Width = 607;
constexpr int Height = 435;
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ExposeProbe probe;
    QMainWindow window;
    window.resize(Width, Height);
    window.show();
    return app.exec();
}
