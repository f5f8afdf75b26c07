#include "frmmain.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const auto window = startMainWindow();
    return app.exec();
}
