#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Who holds a serial device that another program has open: what its lock file says (the
// LCK..name file that Qt Serial Port, minicom, screen and others write, holding the process id)
// or, for a program that locks without such a file, the process among the user's own that has
// the device open.
struct PortHolder
{
    qint64 pid = 0;
    QString program; // the process's name, as ps shows it

    // "minicom (process 4711)".
    QString describe() const;

    static std::optional<PortHolder> find(const QString &device);
    // The same, looking for lock files in `lockFolders` and for processes in `procFolder`.
    static std::optional<PortHolder> find(const QString &device, const QStringList &lockFolders,
                                          const QString &procFolder);
};
