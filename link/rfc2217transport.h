#pragma once

#include "networktransport.h"
#include "rfc2217session.h"

#include <optional>

// Telnet with the COM-PORT-OPTION (RFC 2217): the far side's serial port is set to the line's
// speed, 8N1 and no flow control, and 0xFF bytes are escaped both ways (Rfc2217Session).
//
// Nothing is sent until the far side has spoken telnet: a server such as ser2net opens the
// negotiation itself as soon as the connection stands. A far side that stays silent may be a
// raw port with a module behind it, which would take our telnet commands for a message; such a
// far side is refused when ConnectTimeout runs out, with nothing sent to it.
class Rfc2217Transport : public NetworkTransport
{
    Q_OBJECT

public:
    Rfc2217Transport(const Endpoint &endpoint, quint32 baudRate, QObject *parent = nullptr);

protected:
    void connectionMade() override {}
    QByteArray received(const QByteArray &bytes) override;
    QByteArray encoded(const QByteArray &data) const override
    {
        return Rfc2217Session::escape(data);
    }
    QString setUpTimeout() const override;
    void reset() override;

private:
    quint32 m_baudRate;
    std::optional<Rfc2217Session> m_session;
    bool m_started = false; // our side of the negotiation has gone out
};
