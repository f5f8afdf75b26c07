#include "tcptransport.h"

TcpTransport::TcpTransport(const Endpoint &endpoint, QObject *parent)
    : NetworkTransport(endpoint, parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleTime);
    connect(&m_settle, &QTimer::timeout, this, &TcpTransport::finishOpening);
}

void TcpTransport::connectionMade()
{
    m_settle.start();
}

QString TcpTransport::setUpTimeout() const
{
    return tr("%1 did not keep the connection open").arg(endpoint().toString());
}
