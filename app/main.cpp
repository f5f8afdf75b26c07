#include "frmmain.h"
#include "windowplacement.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/glyphsmith.png")));

    FrmMain window;
    window.Form_Load();
    centreOnScreen(&window);
    window.show();
    return app.exec();
}
