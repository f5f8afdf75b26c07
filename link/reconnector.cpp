#include "reconnector.h"

#include "endpoint.h"
#include "moduleconnection.h"

#include <QDir>
#include <QFileInfo>

Reconnector::Reconnector(ModuleConnection &connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryInterval);
    connect(&m_retry, &QTimer::timeout, this, &Reconnector::retry);
    connect(&m_watcher, &PathWatcher::appeared, this, &Reconnector::tryPath);
}

QString Reconnector::byIdPath(const QString &device, const QString &byIdFolder)
{
    if (QFileInfo(device).absolutePath() == byIdFolder)
        return device;
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return {};
    const auto entries = QDir(byIdFolder).entryInfoList(QDir::Files | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.canonicalFilePath() == target)
            return entry.absoluteFilePath();
    }
    return {};
}

void Reconnector::opened(const QString &device)
{
    if (m_reopening)
        return;
    cancel();
    m_device = device;
    m_stableId = Endpoint::looksLikeUrl(m_device) ? QString() : byIdPath(m_device);
}

void Reconnector::start()
{
    if (m_device.isEmpty())
        return;
    m_waiting = true;
    if (Endpoint::looksLikeUrl(m_device)) {
        m_retry.start();
        return;
    }
    // The same adapter under its stable name first: it may come back as another ttyUSBn.
    m_watcher.watch({m_stableId, m_device});
}

void Reconnector::cancel()
{
    m_waiting = false;
    m_reopening = false;
    m_retry.stop();
    m_watcher.stop();
}

void Reconnector::reopened()
{
    if (!m_reopening)
        return;
    m_reopening = false;
    m_waiting = false;
    m_retry.stop();
    m_watcher.stop();
    emit reconnected();
}

void Reconnector::reopenFailed()
{
    if (!m_waiting)
        return;
    m_reopening = false;
    m_retry.start();
}

void Reconnector::tryPath(const QString &path)
{
    if (!m_waiting || m_reopening)
        return;
    m_trying = path;
    m_triesLeft = TriesPerSighting;
    retry();
}

void Reconnector::retry()
{
    if (!m_waiting || m_reopening)
        return;
    if (Endpoint::looksLikeUrl(m_device)) {
        reopen(m_device);
        return;
    }
    if (m_trying.isEmpty() || !QFileInfo::exists(m_trying) || m_triesLeft <= 0)
        return; // back to waiting for the next sign of the device
    --m_triesLeft;
    reopen(m_trying);
}

void Reconnector::reopen(const QString &path)
{
    m_reopening = true;
    // A network endpoint says later how its connection went; a device says at once.
    if (!m_connection.reopen(path))
        reopenFailed();
}
