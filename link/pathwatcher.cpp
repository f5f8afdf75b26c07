#include "pathwatcher.h"

#include "udevmonitor.h"

#include <QDir>
#include <QFileInfo>

PathWatcher::PathWatcher(QObject *parent)
    : QObject(parent)
{}

PathWatcher::~PathWatcher() = default;

void PathWatcher::watch(const QStringList &paths)
{
    stop();
    m_paths = paths;
    m_paths.removeAll(QString());
    m_paths.removeDuplicates();
    if (m_paths.isEmpty())
        return;
    if (!m_folders) {
        m_folders = new QFileSystemWatcher(this);
        connect(m_folders, &QFileSystemWatcher::directoryChanged, this, &PathWatcher::check);
    }
    m_udev = new UdevMonitor(this);
    connect(m_udev, &UdevMonitor::deviceChanged, this, &PathWatcher::check);
    rearm();
}

void PathWatcher::stop()
{
    m_paths.clear();
    if (m_folders && !m_folders->directories().isEmpty())
        m_folders->removePaths(m_folders->directories());
    delete m_udev;
    m_udev = nullptr;
}

namespace {

QString nearestFolder(const QString &path)
{
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
        folder = QFileInfo(folder).absolutePath();
    return folder;
}

} // namespace

// Watches the folder of each path, or the nearest one above it that exists. A link left behind
// by a device that went (a pty's link whose /dev/pts entry is gone) comes back to life when its
// target does, which only the target's folder sees: that is watched too.
void PathWatcher::rearm()
{
    QStringList folders;
    for (const QString &path : std::as_const(m_paths)) {
        folders.append(nearestFolder(path));
        const QFileInfo info(path);
        if (info.isSymLink())
            folders.append(nearestFolder(info.symLinkTarget()));
    }
    folders.removeDuplicates();
    const QStringList watched = m_folders->directories();
    for (const QString &folder : std::as_const(folders)) {
        if (!watched.contains(folder))
            m_folders->addPath(folder);
    }
}

void PathWatcher::check()
{
    if (m_paths.isEmpty())
        return;
    for (const QString &path : std::as_const(m_paths)) {
        if (QFileInfo::exists(path)) {
            emit appeared(path);
            return;
        }
    }
    rearm(); // a missing folder on the way may have been made
}
