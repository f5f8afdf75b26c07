#include "rfc2217transport.h"

Rfc2217Transport::Rfc2217Transport(const Endpoint &endpoint, quint32 baudRate, QObject *parent)
    : NetworkTransport(endpoint, parent)
    , m_baudRate(baudRate)
{}

void Rfc2217Transport::reset()
{
    m_session.reset();
    m_started = false;
}

QByteArray Rfc2217Transport::received(const QByteArray &bytes)
{
    if (!m_session)
        m_session.emplace(m_baudRate);
    QByteArray reply;
    // Our side of the negotiation goes out once the far side has shown that it speaks telnet,
    // together with the answers to its own commands.
    if (!m_started && bytes.contains(char(Rfc2217Session::IAC))) {
        m_started = true;
        reply = m_session->start();
    }
    const QByteArray data = m_session->receive(bytes, reply);
    if (m_started && !reply.isEmpty())
        sendWire(reply);
    if (!isOpen()) {
        if (m_session->state() == Rfc2217Session::State::Refused)
            failOpening(LinkFailure::NotRfc2217,
                        tr("%1: %2").arg(endpoint().toString(), m_session->refusal()));
        else if (m_session->state() == Rfc2217Session::State::Ready)
            finishOpening();
    }
    return data;
}

QString Rfc2217Transport::setUpTimeout() const
{
    if (!m_started)
        return tr("%1 did not open the telnet negotiation (RFC 2217) within %2 s, and nothing "
                  "was sent to it; if it serves raw bytes, use tcp://")
            .arg(endpoint().toString())
            .arg(ConnectTimeout.count() / 1000);
    return tr("%1 did not answer the telnet COM-PORT-OPTION (RFC 2217) within %2 s; if it "
              "serves raw bytes, use tcp://")
        .arg(endpoint().toString())
        .arg(ConnectTimeout.count() / 1000);
}
