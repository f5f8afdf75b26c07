#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>

class UdevMonitor;

// Says when one of a few paths exists again: udev's word for devices that come and go, and a
// watch on each path's folder (inotify) for links and pseudo-terminals that udev knows nothing
// of. A folder that is not there yet (/dev/serial/by-id with no adapter plugged in) is watched
// through the nearest folder above it that is. Nothing runs in between.
class PathWatcher : public QObject
{
    Q_OBJECT

public:
    explicit PathWatcher(QObject *parent = nullptr);
    ~PathWatcher() override;

    // Watches `paths`, the first that exists counting as the one that came back.
    void watch(const QStringList &paths);
    void stop();
    bool isWatching() const { return !m_paths.isEmpty(); }
    QStringList paths() const { return m_paths; }

signals:
    void appeared(const QString &path);

private:
    void check();
    void rearm();

    QStringList m_paths;
    // Made when first needed: a port that is never lost costs no inotify instance.
    QFileSystemWatcher *m_folders = nullptr;
    UdevMonitor *m_udev = nullptr;
};
