#pragma once

#include "simulator.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The simulator's command line.
struct Options
{
    bool headless = false;
    QString linkPath;
    QString logPath;
    QString statePath;
    bool replace = false;
    // Bytes a second the simulated line carries is baud / 10; 0 for as fast as they come.
    int baud = 0;
    bool logTimes = false;
    // Modules simulated side by side in this one process, each on a pty of its own.
    int count = 1;
    Faults faults;
};

// With several modules, module n's (1-based) link, log or state file: "PATH-n", the number put
// before a file's suffix ("module.log" becomes "module-2.log"); `path` itself for one module.
QString numberedPath(const QString &path, int module, int count);

enum class CommandLine { Run, Help, Error };

// Needs no application object, so that the choice between a windowed and a headless one can
// follow from it. On Error, `error` says what is wrong.
CommandLine parseCommandLine(QCommandLineParser &parser, const QStringList &arguments,
                             Options &options, QString &error);
