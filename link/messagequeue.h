#pragma once

#include "linepacer.h"
#include "protocol.h"

#include <QList>
#include <QObject>
#include <QTimer>

class Transport;

// The one paced queue between every sender and a module's line, whatever transport carries it.
// A message is handed to the transport in one write only once the one before it has left the
// line (LinePacer), and after a message whose end the module finds by the line going quiet (a
// text) the line stays quiet for the idle gap. On an idle line a message goes out at once.
//
// A stream of whole pictures (frames, a pattern sent as it is drawn) is queued as replaceable:
// while the previous one of the stream still waits for the line, the newer one takes its place
// (latest wins), so the queue never grows behind a line that cannot keep up.
class MessageQueue : public QObject
{
    Q_OBJECT

public:
    // How the module finds the end of a message: at its known length, or by the line going
    // quiet after it.
    enum class MessageEnd { Known, ByIdleGap };

    explicit MessageQueue(QObject *parent = nullptr);

    // Where the messages go; nullptr while there is nowhere (the queue is then empty).
    void setTransport(Transport *transport);
    void setByteTime(LinePacer::Duration byteTime) { m_pacer.setByteTime(byteTime); }
    void setIdleGap(LinePacer::Duration gap) { m_pacer.setIdleGap(gap); }
    LinePacer::Duration idleGap() const { return m_pacer.idleGap(); }

    // Queues one message; false, and nothing queued, without a transport or when a write at once
    // failed (the transport then reports itself lost). With `replaceable`, it takes the place
    // of a replaceable message still waiting, and `replaced` says so.
    bool enqueue(const QByteArray &bytes, MessageEnd end, bool replaceable = false,
                 bool *replaced = nullptr);
    bool enqueue(const Protocol::Message &message, bool replaceable = false,
                 bool *replaced = nullptr);
    // Drops everything waiting; the line counts as idle again.
    void clear();

    qsizetype size() const { return m_queue.size(); }
    // Messages queued so far (one taking another's place not counted) and how many of them have
    // been handed to the transport; those dropped by clear() count as handed over.
    quint64 queuedCount() const { return m_queuedCount; }
    quint64 handedCount() const { return m_handedCount; }
    // Every message handed over has left the program (to the driver, or acknowledged by the
    // network's far side).
    bool allSent() const;

signals:
    // The last queued message has been handed to the transport: a sender that goes step by step
    // can queue its next step now and still keep the line busy.
    void drained();
    // A write that was due failed; the queue is empty and the transport says lost().
    void writeFailed();
    // One more message has been handed to the transport: `count` so far (handedCount()).
    void handedOver(quint64 count);

private:
    struct Pending
    {
        QByteArray bytes;
        MessageEnd end;
        bool replaceable = false;
    };

    bool sendDue(bool failAtOnce);

    Transport *m_transport = nullptr;
    LinePacer m_pacer;
    QList<Pending> m_queue;
    QTimer m_lineTimer;
    quint64 m_queuedCount = 0;
    quint64 m_handedCount = 0;
};
