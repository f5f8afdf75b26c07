#include "portholder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstring>

namespace {

// Where Qt Serial Port and the uucp tradition keep their lock files, in the order Qt looks.
const QStringList DefaultLockFolders = {QStringLiteral("/var/lock"),
                                        QStringLiteral("/etc/locks"),
                                        QStringLiteral("/var/spool/locks"),
                                        QStringLiteral("/var/spool/uucp"),
                                        QStringLiteral("/tmp"),
                                        QStringLiteral("/var/tmp"),
                                        QStringLiteral("/var/lock/lockdev"),
                                        QStringLiteral("/run/lock")};

QString programOf(const QString &procFolder, qint64 pid)
{
    QFile comm(QStringLiteral("%1/%2/comm").arg(procFolder).arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

// The device's name below /dev with '/' made '_', as lock files are named: "pts/3" is
// "LCK..pts_3". Qt Serial Port names the lock after the path it was given, a link such as
// /tmp/module included ("LCK.._tmp_module"); other programs after the device it leads to.
QStringList lockNames(const QString &device)
{
    QStringList names;
    for (QString name : {device, QFileInfo(device).canonicalFilePath()}) {
        if (name.isEmpty())
            continue;
        if (name.startsWith(QLatin1String("/dev/")))
            name = name.mid(5);
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        name.prepend(QLatin1String("LCK.."));
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}

} // namespace

QString PortHolder::describe() const
{
    return program.isEmpty()
               ? QCoreApplication::translate("PortHolder", "process %1").arg(pid)
               : QCoreApplication::translate("PortHolder", "%1 (process %2)").arg(program).arg(pid);
}

std::optional<PortHolder> PortHolder::find(const QString &device)
{
    return find(device, DefaultLockFolders, QStringLiteral("/proc"));
}

std::optional<PortHolder> PortHolder::find(const QString &device, const QStringList &lockFolders,
                                           const QString &procFolder)
{
    for (const QString &name : lockNames(device)) {
        for (const QString &folder : lockFolders) {
            QFile lock(folder + u'/' + name);
            if (!lock.open(QIODevice::ReadOnly))
                continue;
            // The process id first: in text (Qt's QLockFile, uucp's "%10d\n") or as a binary int.
            const QByteArray content = lock.read(64);
            bool ok = false;
            qint64 pid = content.split('\n').value(0).trimmed().toLongLong(&ok);
            if (!ok && content.size() >= 4) {
                qint32 binary = 0;
                std::memcpy(&binary, content.constData(), sizeof binary);
                pid = binary;
                ok = pid > 0;
            }
            if (ok && pid > 0 &&
                QFileInfo::exists(QStringLiteral("%1/%2").arg(procFolder).arg(pid)))
                return PortHolder{pid, programOf(procFolder, pid)};
        }
    }
    // No lock file: the processes whose open files include the device, among those we may see.
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return std::nullopt;
    const qint64 self = QCoreApplication::applicationPid();
    const auto processes = QDir(procFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : processes) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || pid == self)
            continue;
        const QDir fds(QStringLiteral("%1/%2/fd").arg(procFolder, entry));
        for (const QFileInfo &fd :
             fds.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            if (fd.symLinkTarget() == target)
                return PortHolder{pid, programOf(procFolder, pid)};
        }
    }
    return std::nullopt;
}
