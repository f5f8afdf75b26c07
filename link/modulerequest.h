#pragma once

#include "protocol.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

class ModuleConnection;
class ReplyWait;

// One exchange with the module, as QNetworkReply is one with a server: the message goes through
// the connection's paced queue at once, then the reply wait runs its ticks (ReplyWait) and
// whatever has arrived by then is the reply. finished() says that it is over, exactly once and
// never from within ModuleConnection::request(); the request may then be deleted.
//
// Replies carry no length, so bytes that were waiting before the message went out came too late
// for an earlier request; they are dropped first, or they would pass for this one's reply.
class ModuleRequest : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Pending,
        Done,            // sent, and bytes came back (or none were awaited)
        NoReply,         // sent, and nothing came back in time
        PortUnavailable, // the port was not open, or went away or was switched meanwhile
        Cancelled
    };

    ~ModuleRequest() override;

    Outcome outcome() const { return m_outcome; }
    bool isFinished() const { return m_outcome != Outcome::Pending; }
    // Everything that had arrived when the wait ended.
    QByteArray reply() const { return m_reply; }
    // Ends the request at once with Cancelled; the wait stops, and what comes later is not
    // taken.
    void cancel();

signals:
    void finished();

private:
    friend class ModuleConnection;

    // `waits` waits of the reply wait `clock` (one of its own when none is given); with none,
    // the request is done once the message has been handed over.
    ModuleRequest(ModuleConnection &connection, const Protocol::Message &message, int waits,
                  ReplyWait *clock, QObject *parent);
    void start();
    void waitOver();
    void finish(Outcome outcome);
    void finishLater(Outcome outcome);

    QPointer<ModuleConnection> m_connection;
    Protocol::Message m_message;
    int m_waits;
    QPointer<ReplyWait> m_clock; // a caller's clock may go before the request does
    bool m_ownClock = false;
    Outcome m_outcome = Outcome::Pending;
    QByteArray m_reply;
};
