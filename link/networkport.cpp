#include "networkport.h"

#include <linux/sockios.h>
#include <sys/ioctl.h>

LinkFailure classifySocketError(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        return LinkFailure::HostNotFound;
    case QAbstractSocket::ConnectionRefusedError:
        return LinkFailure::Refused;
    case QAbstractSocket::SocketTimeoutError:
    case QAbstractSocket::NetworkError:
        return LinkFailure::NoAnswer;
    case QAbstractSocket::SocketAccessError:
        return LinkFailure::PermissionDenied;
    case QAbstractSocket::RemoteHostClosedError:
        return LinkFailure::Lost;
    default:
        return LinkFailure::Other;
    }
}

NetworkPort::NetworkPort(QObject *parent)
    : QObject(parent)
{
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(RawSettleTime);
    connect(&m_settleTimer, &QTimer::timeout, this, &NetworkPort::negotiationDone);
    m_connectTimer.setSingleShot(true);
    m_connectTimer.setInterval(ConnectTimeout);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        if (m_session && m_socket->state() == QAbstractSocket::ConnectedState) {
            fail(LinkFailure::NotRfc2217,
                 tr("%1 did not answer the telnet COM-PORT-OPTION (RFC 2217) within %2 s; if "
                    "it serves raw bytes, use tcp://")
                     .arg(m_endpoint.toString())
                     .arg(ConnectTimeout.count() / 1000));
            return;
        }
        fail(LinkFailure::NoAnswer, tr("no answer from %1:%2 within %3 s")
                                        .arg(m_endpoint.host)
                                        .arg(m_endpoint.port)
                                        .arg(ConnectTimeout.count() / 1000));
    });
}

NetworkPort::~NetworkPort()
{
    close();
}

void NetworkPort::open(const Endpoint &endpoint, quint32 baudRate)
{
    close();
    m_endpoint = endpoint;
    m_socket = new QTcpSocket(this);
    if (endpoint.kind == Endpoint::Kind::Rfc2217)
        m_session = std::make_unique<Rfc2217Session>(baudRate);
    connect(m_socket, &QTcpSocket::connected, this, &NetworkPort::connected);
    connect(m_socket, &QTcpSocket::readyRead, this, &NetworkPort::readFromSocket);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &NetworkPort::socketError);
    connect(m_socket, &QTcpSocket::disconnected, this, &NetworkPort::disconnected);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &NetworkPort::bytesWritten);
    m_connectTimer.start();
    m_socket->connectToHost(endpoint.host, endpoint.port);
}

void NetworkPort::close()
{
    m_connectTimer.stop();
    m_settleTimer.stop();
    m_open = false;
    m_input.clear();
    m_greeting.clear();
    m_session.reset();
    if (m_socket) {
        // The socket goes without a word: no signal of it may reach us after this.
        QTcpSocket *socket = std::exchange(m_socket, nullptr);
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
}

void NetworkPort::connected()
{
    // Each message goes out as it is handed over, not held back to be joined with the next.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    if (!m_session) {
        // ser2net takes a connection before it opens its device, and closes it at once when
        // that fails: a raw connection counts as open once it has lasted a moment.
        m_settleTimer.start();
        return;
    }
    m_socket->write(m_session->start());
}

void NetworkPort::negotiationDone()
{
    m_connectTimer.stop();
    m_settleTimer.stop();
    m_open = true;
    emit opened();
}

void NetworkPort::readFromSocket()
{
    if (!m_socket)
        return;
    const QByteArray bytes = m_socket->readAll();
    QByteArray reply;
    const QByteArray data = m_session ? m_session->receive(bytes, reply) : bytes;
    if (!reply.isEmpty())
        m_socket->write(reply);
    if (m_open) {
        m_input += data;
        return;
    }
    // Text before the port is set up is the far side's word on why it cannot be (ser2net's
    // "Device open failure: ..."), kept for the reason should it close the connection.
    m_greeting += data.left(MaxGreeting - m_greeting.size());
    if (!m_session)
        return;
    // Data that comes before the port is set up was not meant for us.
    if (m_session->state() == Rfc2217Session::State::Refused)
        fail(LinkFailure::NotRfc2217,
             tr("%1: %2").arg(m_endpoint.toString(), m_session->refusal()));
    else if (m_session->state() == Rfc2217Session::State::Ready)
        negotiationDone();
}

void NetworkPort::socketError(QAbstractSocket::SocketError error)
{
    if (!m_socket)
        return;
    if (error == QAbstractSocket::RemoteHostClosedError) {
        disconnected();
        return;
    }
    const QString reason = m_socket->errorString();
    if (!m_open)
        fail(classifySocketError(error), reason);
    else
        drop(reason);
}

void NetworkPort::disconnected()
{
    if (!m_socket)
        return;
    if (m_open) {
        drop(tr("the far side closed the connection"));
        return;
    }
    const QString said = QString::fromLatin1(m_greeting).simplified();
    fail(LinkFailure::Other,
         said.isEmpty()
             ? tr("%1 closed the connection as soon as it was made").arg(m_endpoint.toString())
             : tr("%1 closed the connection: %2").arg(m_endpoint.toString(), said));
}

void NetworkPort::fail(LinkFailure failure, const QString &reason)
{
    close();
    emit openFailed(failure, reason);
}

void NetworkPort::drop(const QString &reason)
{
    close();
    emit lost(reason);
}

bool NetworkPort::write(const QByteArray &data)
{
    if (!m_open || !m_socket || m_socket->state() != QAbstractSocket::ConnectedState)
        return false;
    const QByteArray wire = m_session ? Rfc2217Session::escape(data) : data;
    if (m_socket->write(wire) != wire.size())
        return false;
    // Handed to the system now rather than at the next pass of the event loop.
    m_socket->flush();
    return true;
}

// What the socket still holds, and what the system has sent but the far side not yet
// acknowledged: only acknowledged bytes are sure to have arrived should the connection be
// closed now.
qsizetype NetworkPort::unsent() const
{
    if (!m_socket)
        return 0;
    qsizetype pending = m_socket->bytesToWrite();
    int unacknowledged = 0;
    if (m_socket->socketDescriptor() >= 0 &&
        ::ioctl(int(m_socket->socketDescriptor()), SIOCOUTQ, &unacknowledged) == 0)
        pending += unacknowledged;
    return pending;
}

QByteArray NetworkPort::readAll()
{
    QByteArray bytes;
    bytes.swap(m_input);
    return bytes;
}
