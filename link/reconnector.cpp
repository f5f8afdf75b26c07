#include "reconnector.h"

#include "endpoint.h"
#include "seriallink.h"

#include <QDir>
#include <QFileInfo>

Reconnector::Reconnector(SerialLink &link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryInterval);
    connect(&m_retry, &QTimer::timeout, this, &Reconnector::retry);
    connect(&m_watcher, &PathWatcher::appeared, this, &Reconnector::tryPath);
    connect(&m_link, &SerialLink::openChanged, this, &Reconnector::linkOpened);
    connect(&m_link, &SerialLink::portLost, this, &Reconnector::start);
    connect(&m_link, &SerialLink::openFailed, this, [this] {
        if (m_waiting) {
            m_reopening = false;
            m_retry.start();
        }
    });
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

void Reconnector::linkOpened(bool open)
{
    if (!open)
        return;
    if (m_reopening) {
        m_reopening = false;
        m_waiting = false;
        m_retry.stop();
        m_watcher.stop();
        remember();
        emit reconnected();
        return;
    }
    // Opened some other way: whatever was awaited no longer matters.
    cancel();
    remember();
}

void Reconnector::remember()
{
    m_device = m_link.deviceName();
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
    if (!m_waiting)
        return;
    if (Endpoint::looksLikeUrl(m_device)) {
        m_reopening = true;
        if (!m_link.open(m_device)) {
            m_reopening = false;
            m_retry.start();
        }
        return;
    }
    if (m_trying.isEmpty() || !QFileInfo::exists(m_trying) || m_triesLeft <= 0)
        return; // back to waiting for the next sign of the device
    --m_triesLeft;
    m_reopening = true;
    if (!m_link.open(m_trying)) {
        m_reopening = false;
        m_retry.start();
    }
}
