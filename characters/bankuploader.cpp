#include "bankuploader.h"

#include "moduleconnection.h"

BankUploader::BankUploader(ModuleConnection &link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
    // Queued, so that the next slot is never sent from inside the link's own sending.
    connect(&m_link, &ModuleConnection::queueDrained, this, &BankUploader::sendNext,
            Qt::QueuedConnection);
    connect(&m_link, &ModuleConnection::openChanged, this, [this](bool open) {
        if (!open && m_running)
            end(false);
    });
}

bool BankUploader::start(const QList<Item> &items)
{
    if (m_running || !m_link.isOpen() || items.isEmpty())
        return false;
    m_items = items;
    m_next = 0;
    m_cancelled = false;
    m_running = true;
    emit progress(0, int(m_items.size()));
    sendNext();
    return true;
}

void BankUploader::cancel()
{
    if (m_running)
        m_cancelled = true;
}

void BankUploader::sendNext()
{
    if (!m_running || m_link.queuedMessages() > 0)
        return;
    if (m_next > 0) {
        const Item &done = m_items.at(m_next - 1);
        emit slotUploaded(done.position, done.pattern);
        emit progress(m_next, int(m_items.size()));
    }
    if (m_next == m_items.size() || m_cancelled) {
        end(m_next == m_items.size());
        return;
    }
    const Item &item = m_items.at(m_next++);
    if (!m_link.send(Protocol::dotMatrix(item.pattern.columns())) ||
        !m_link.send(Protocol::saveCustom(item.position)))
        end(false);
}

void BankUploader::end(bool completed)
{
    m_running = false;
    emit finished(completed);
}
