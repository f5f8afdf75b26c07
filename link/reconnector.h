#pragma once

#include "pathwatcher.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>

class ModuleConnection;

// Brings a lost port back by itself, for its ModuleConnection. It remembers what the connection
// opened: the path and, for a serial adapter, its /dev/serial/by-id identity. When the port is
// lost it waits for that device to return (PathWatcher: udev and folder watches, no polling)
// and reopens it; a network endpoint, which says nothing when it comes back, is tried again
// every RetryInterval. Opening a port by any other way ends the wait. It shows nothing itself.
class Reconnector : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds RetryInterval{500};
    // A device node can appear a moment before it can be opened; so many tries at
    // RetryInterval before waiting for the next sign of it.
    static constexpr int TriesPerSighting = 6;

    explicit Reconnector(ModuleConnection &connection, QObject *parent = nullptr);

    bool isWaiting() const { return m_waiting; }
    // The paths watched for a device, in the order they are tried.
    QStringList watchedPaths() const { return m_watcher.paths(); }

    // The device's stable name under /dev/serial/by-id, when it has one there.
    static QString byIdPath(const QString &device,
                            const QString &byIdFolder = QStringLiteral("/dev/serial/by-id"));

signals:
    void reconnected();

private:
    friend class ModuleConnection;

    // What the connection tells it.
    void opened(const QString &device);
    void start();
    void cancel();
    void reopened();
    void reopenFailed();

    void tryPath(const QString &path);
    void retry();
    void reopen(const QString &path);

    ModuleConnection &m_connection;
    PathWatcher m_watcher;
    QTimer m_retry;
    QString m_device;   // what the connection last opened
    QString m_stableId; // its by-id path, if any
    QString m_trying;   // the path being tried
    int m_triesLeft = 0;
    bool m_waiting = false;
    bool m_reopening = false;
};
