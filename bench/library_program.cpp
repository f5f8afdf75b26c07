// The program with its library window open, for the library benchmark's memory figure: it shows
// the library window (with the file given, or the starter set), waits until the list has been
// drawn, prints "vmhwm=<KiB>" and quits.
#include "benchprompter.h"
#include "exposeprobe.h"
#include "frmmain.h"
#include "librarydocument.h"
#include "libraryshown.h"
#include "messagebox.h"
#include "startup.h"
#include "framescontroller.h"
#include "librarycontroller.h"
#include "workspace.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList messages;
    RecordingPrompter prompter(messages);
    const auto program = startProgram(prompter);
    FrmMain *const window = &program->window();
    Workspace *workbench = program.get();
    if (argc > 1 &&
        !workbench->library().document()->openFile(QString::fromLocal8Bit(argv[1]), window)) {
        std::fprintf(stderr, "%s\n", qPrintable(messages.join(QLatin1Char('\n'))));
        return 1;
    }
    workbench->library().showLibrary();
    if (!waitUntilLibraryShown(workbench->library().libraryWindow()))
        return 1;
    std::printf("vmhwm=%lld rows=%d\n", peakRssKiB(), workbench->library().document()->model()->rowCount());
    return 0;
}
