#pragma once

#include <QString>

class Report;

// The program's start-up, from the moment the process is started until its main window is
// exposed, with its peak resident memory, against an empty main window of the same size. Both
// are programs in `binDir`, started alternately under the same platform plugin.
void runStartupBenchmark(Report &report, const QString &binDir);
