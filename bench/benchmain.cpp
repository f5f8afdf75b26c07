// The benchmark driver behind `make bench`: runs every benchmark in one process (the start-up
// one through two small programs beside it) and prints one table. Exits non-zero when a goal
// was missed or a benchmark could not run.
#include "batchbench.h"
#include "benchsupport.h"
#include "bridgebench.h"
#include "burstbench.h"
#include "clickbench.h"
#include "dragbench.h"
#include "framesbench.h"
#include "librarybench.h"
#include "networkbench.h"
#include "replywaitbench.h"
#include "report.h"
#include "spansbench.h"
#include "startupbench.h"
#include "uploadbench.h"

#include <QApplication>
#include <QThread>

#include <cstdio>

#ifndef GLYPHSMITH_BUILD_TYPE
#define GLYPHSMITH_BUILD_TYPE "unknown"
#endif

namespace {

void announce(const char *what)
{
    std::fprintf(stderr, "bench: %s\n", what);
    std::fflush(stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Report report;
    report.setHeading(QStringLiteral("8x8 Glyphsmith benchmarks: platform plugin \"%1\", %2 "
                                     "build, %3 CPUs; every figure measured in this run")
                          .arg(QApplication::platformName(), QStringLiteral(GLYPHSMITH_BUILD_TYPE))
                          .arg(QThread::idealThreadCount()));
    if (!Bench::useTemporarySettings()) {
        std::fprintf(stderr, "bench: no temporary settings folder could be made\n");
        return 2;
    }

    // Names on the command line run only those benchmarks; the table is then partial.
    QStringList chosen = QCoreApplication::arguments().mid(1);
    const QStringList known = {
        QStringLiteral("click"),  QStringLiteral("wait"),    QStringLiteral("startup"),
        QStringLiteral("burst"),  QStringLiteral("library"), QStringLiteral("drag"),
        QStringLiteral("frames"), QStringLiteral("send"),    QStringLiteral("reconnect"),
        QStringLiteral("upload"), QStringLiteral("bridge"),  QStringLiteral("spans"),
        QStringLiteral("batch")};
    for (const QString &name : chosen) {
        if (!known.contains(name)) {
            std::fprintf(stderr, "usage: glyphsmith-bench [%s]...\n",
                         qPrintable(known.join(QLatin1Char('|'))));
            return 2;
        }
    }
    if (chosen.isEmpty())
        chosen = known;

    if (chosen.contains(QStringLiteral("click"))) {
        announce("click to line (1000 clicks)");
        runClickBenchmark(report);
    }
    if (chosen.contains(QStringLiteral("wait"))) {
        announce("reply wait (100 waits and 100 busy-poll waits, about 20 s)");
        runReplyWaitBenchmark(report);
    }
    if (chosen.contains(QStringLiteral("startup"))) {
        announce("start-up (20 runs of the program and of the floor)");
        runStartupBenchmark(report, QCoreApplication::applicationDirPath());
    }
    if (chosen.contains(QStringLiteral("burst"))) {
        announce("burst (10000 commands, twice)");
        runBurstBenchmark(report);
    }

    if (chosen.contains(QStringLiteral("library"))) {
        announce("library open (10000 patterns, 20 opens and 10 programs)");
        runLibraryBenchmark(report, QCoreApplication::applicationDirPath());
    }
    if (chosen.contains(QStringLiteral("drag"))) {
        announce("drag (1000 mouse moves in one second)");
        runDragBenchmark(report);
    }
    if (chosen.contains(QStringLiteral("frames"))) {
        announce("frames on a 9600-baud module (about 12 s)");
        runFramesBenchmark(report, QCoreApplication::applicationDirPath());
    }
    if (chosen.contains(QStringLiteral("send"))) {
        announce("send (30 runs of glyphsmith-send and of the floor)");
        runSendBenchmark(report, QCoreApplication::applicationDirPath());
    }
    if (chosen.contains(QStringLiteral("reconnect"))) {
        announce("reconnect (20 unplugs, 3 s of waiting)");
        runReconnectBenchmark(report);
    }
    if (chosen.contains(QStringLiteral("upload"))) {
        announce("upload all (10 uploads of ten custom characters at 9600 baud)");
        runUploadBenchmark(report, QCoreApplication::applicationDirPath());
    }

    if (chosen.contains(QStringLiteral("bridge"))) {
        announce("bridge through a Mosquitto broker (40 patterns, 4 floods of 1000, 3 s idle)");
        runBridgeBenchmark(report, QCoreApplication::applicationDirPath());
    }
    if (chosen.contains(QStringLiteral("spans"))) {
        announce("spans (a text across 4 modules at 100 frames/s, 10 opens of 1000 frames)");
        runSpansBenchmark(report, QCoreApplication::applicationDirPath());
    }

    if (chosen.contains(QStringLiteral("batch"))) {
        announce("batch (1000 patterns at 9600 baud, three times: about 30 s)");
        runBatchBenchmark(report, QCoreApplication::applicationDirPath());
    }

    std::fprintf(stdout, "\n");
    report.print(stdout);
    return report.allGoalsMet() ? 0 : 1;
}
