// The program with its library window open, for the library benchmark's memory figure: it shows
// the library window (with the file given, or the starter set), waits until the list has been
// drawn, prints "vmhwm=<KiB>" and quits.
#include "exposeprobe.h"
#include "frmmain.h"
#include "librarydocument.h"
#include "libraryshown.h"
#include "messagebox.h"
#include "startup.h"
#include "workbenchactions.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList messages;
    MessageBox::setHandler([&messages](QWidget *, const QString &text) { messages.append(text); });
    const auto window = startMainWindow();
    WorkbenchActions *workbench = window->workbench();
    if (argc > 1 &&
        !workbench->library()->openFile(QString::fromLocal8Bit(argv[1]), window.get())) {
        std::fprintf(stderr, "%s\n", qPrintable(messages.join(QLatin1Char('\n'))));
        return 1;
    }
    workbench->showLibrary();
    if (!waitUntilLibraryShown(workbench->libraryWindow()))
        return 1;
    std::printf("vmhwm=%lld rows=%d\n", peakRssKiB(), workbench->library()->model()->rowCount());
    return 0;
}
