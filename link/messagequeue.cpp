#include "messagequeue.h"

#include "transport.h"

#include <thread>

namespace {

// How much earlier than a message's turn the line timer fires; the rest is slept precisely.
constexpr std::chrono::microseconds TimerLead{1500};

MessageQueue::MessageEnd endOf(const Protocol::Message &message)
{
    return Protocol::endsByIdleGap(message.command) ? MessageQueue::MessageEnd::ByIdleGap
                                                    : MessageQueue::MessageEnd::Known;
}

} // namespace

MessageQueue::MessageQueue(QObject *parent)
    : QObject(parent)
{
    m_lineTimer.setSingleShot(true);
    m_lineTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_lineTimer, &QTimer::timeout, this, [this] { sendDue(false); });
}

void MessageQueue::setTransport(Transport *transport)
{
    clear();
    m_transport = transport;
}

void MessageQueue::clear()
{
    m_lineTimer.stop();
    m_queue.clear();
    m_pacer.reset();
    m_handedCount = m_queuedCount;
}

bool MessageQueue::enqueue(const QByteArray &bytes, MessageEnd end, bool replaceable,
                           bool *replaced)
{
    if (replaced)
        *replaced = false;
    if (!m_transport || !m_transport->isOpen())
        return false;
    if (replaceable && !m_queue.isEmpty() && m_queue.last().replaceable) {
        m_queue.last().bytes = bytes;
        m_queue.last().end = end;
        if (replaced)
            *replaced = true;
        return true;
    }
    m_queue.append({bytes, end, replaceable});
    ++m_queuedCount;
    if (m_queue.size() > 1 || m_lineTimer.isActive())
        return true; // behind others: goes out when the line is free
    return sendDue(true);
}

bool MessageQueue::enqueue(const Protocol::Message &message, bool replaceable, bool *replaced)
{
    return enqueue(message.bytes(), endOf(message), replaceable, replaced);
}

// Hands every queued message whose turn has come to the transport and sets the timer for the
// next. A failure to write is returned when `failAtOnce` (the sender learns of it); on the
// timer's turn it is said by writeFailed().
bool MessageQueue::sendDue(bool failAtOnce)
{
    while (!m_queue.isEmpty() && m_transport) {
        const auto now = LinePacer::Clock::now();
        const auto start = m_pacer.nextStart(now, m_transport->unsent());
        const auto wait = start - now;
        if (wait > TimerLead) {
            // A timer may fire a millisecond late, and every late message leaves the line idle:
            // it is set to fire early instead, and the rest is slept below.
            m_lineTimer.start(
                std::chrono::duration_cast<std::chrono::milliseconds>(wait - TimerLead));
            return true;
        }
        if (wait > LinePacer::Duration::zero())
            std::this_thread::sleep_for(wait);
        const Pending message = m_queue.takeFirst();
        if (!m_transport->write(message.bytes)) {
            clear();
            if (!failAtOnce)
                emit writeFailed();
            return false;
        }
        m_pacer.sent(LinePacer::Clock::now(), message.bytes.size(),
                     message.end == MessageEnd::ByIdleGap);
        emit handedOver(++m_handedCount);
    }
    emit drained();
    return true;
}

bool MessageQueue::allSent() const
{
    return m_queue.isEmpty() && !m_lineTimer.isActive() &&
           (!m_transport || m_transport->unsent() == 0);
}
