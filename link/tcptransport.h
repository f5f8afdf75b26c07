#pragma once

#include "networktransport.h"

// Raw bytes over TCP, as ser2net's raw mode or a Wi-Fi serial bridge serve a module: the far
// side's serial port must already be set to the line's settings.
class TcpTransport : public NetworkTransport
{
    Q_OBJECT

public:
    // How long a raw connection has to last before it counts as open: ser2net takes a
    // connection before it opens its device, and closes it at once when that fails.
    static constexpr std::chrono::milliseconds SettleTime{150};

    explicit TcpTransport(const Endpoint &endpoint, QObject *parent = nullptr);

protected:
    void connectionMade() override;
    QByteArray received(const QByteArray &bytes) override { return bytes; }
    QString setUpTimeout() const override;
    void reset() override { m_settle.stop(); }

private:
    QTimer m_settle;
};
