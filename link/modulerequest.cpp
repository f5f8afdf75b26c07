#include "modulerequest.h"

#include "moduleconnection.h"
#include "replywait.h"

ModuleRequest::ModuleRequest(ModuleConnection &connection, const Protocol::Message &message,
                             int waits, ReplyWait *clock, QObject *parent)
    : QObject(parent)
    , m_connection(&connection)
    , m_message(message)
    , m_waits(waits)
    , m_clock(clock)
{
    if (!m_clock) {
        m_clock = new ReplyWait(this);
        m_ownClock = true;
    }
    // Anything that ends the connection's hold on its port ends the request.
    connect(&connection, &ModuleConnection::openChanged, this, [this](bool open) {
        if (!open)
            finish(Outcome::PortUnavailable);
    });
    connect(&connection, &ModuleConnection::targetChanged, this,
            [this] { finish(Outcome::PortUnavailable); });
    start();
}

ModuleRequest::~ModuleRequest()
{
    if (m_clock && !m_ownClock && !isFinished())
        m_clock->cancel();
}

// The message goes out at once, as the caller asks; only finished() waits for the event loop,
// so that the caller has connected to it by then.
void ModuleRequest::start()
{
    if (!m_connection || !m_connection->isOpen()) {
        finishLater(Outcome::PortUnavailable);
        return;
    }
    m_connection->discardInput();
    if (!m_connection->send(m_message)) {
        finishLater(Outcome::PortUnavailable);
        return;
    }
    if (m_waits <= 0) {
        finishLater(Outcome::Done);
        return;
    }
    connect(m_clock, &ReplyWait::finished, this, &ModuleRequest::waitOver);
    m_clock->WaitForReply(m_waits);
}

void ModuleRequest::finishLater(Outcome outcome)
{
    QMetaObject::invokeMethod(
        this, [this, outcome] { finish(outcome); }, Qt::QueuedConnection);
}

void ModuleRequest::waitOver()
{
    if (isFinished() || !m_connection)
        return;
    m_reply = m_connection->input();
    finish(m_reply.isEmpty() ? Outcome::NoReply : Outcome::Done);
}

void ModuleRequest::cancel()
{
    finish(Outcome::Cancelled);
}

void ModuleRequest::finish(Outcome outcome)
{
    if (isFinished())
        return;
    m_outcome = outcome;
    if (m_clock) {
        disconnect(m_clock, nullptr, this, nullptr);
        if (outcome != Outcome::Done && outcome != Outcome::NoReply)
            m_clock->cancel();
    }
    if (m_connection)
        disconnect(m_connection, nullptr, this, nullptr);
    emit finished();
}
