#include "networktransport.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <linux/sockios.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// getaddrinfo() for `host`; `numericOnly` answers at once, without asking the resolver.
std::vector<NetworkTransport::Address> lookUp(const QByteArray &host, quint16 port,
                                              bool numericOnly, QString *error)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = numericOnly ? AI_NUMERICHOST | AI_NUMERICSERV : AI_NUMERICSERV;
    addrinfo *found = nullptr;
    const int status =
        ::getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found);
    std::vector<NetworkTransport::Address> addresses;
    if (status != 0) {
        *error = QString::fromLocal8Bit(::gai_strerror(status));
        return addresses;
    }
    for (const addrinfo *entry = found; entry; entry = entry->ai_next) {
        const auto *bytes = reinterpret_cast<const char *>(entry->ai_addr);
        addresses.push_back(
            {std::vector<char>(bytes, bytes + entry->ai_addrlen), entry->ai_family});
    }
    ::freeaddrinfo(found);
    return addresses;
}

} // namespace

LinkFailure classifyConnectError(int error)
{
    switch (error) {
    case ECONNREFUSED:
        return LinkFailure::Refused;
    case ETIMEDOUT:
    case EHOSTUNREACH:
    case ENETUNREACH:
    case EHOSTDOWN:
    case ENETDOWN:
        return LinkFailure::NoAnswer;
    case EACCES:
    case EPERM:
        return LinkFailure::PermissionDenied;
    default:
        return LinkFailure::Other;
    }
}

// What a name lookup on its thread reports back to; cleared when the port gives the lookup up.
// Touched on the program's thread only.
struct NetworkTransport::Lookup
{
    NetworkTransport *port = nullptr;
};

NetworkTransport::NetworkTransport(const Endpoint &endpoint, QObject *parent)
    : Transport(parent)
    , m_endpoint(endpoint)
{
    m_connectTimer.setSingleShot(true);
    m_connectTimer.setInterval(ConnectTimeout);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        if (isConnected()) {
            failOpening(LinkFailure::NotRfc2217, setUpTimeout());
            return;
        }
        failOpening(m_addresses.empty() ? LinkFailure::HostNotFound : LinkFailure::NoAnswer,
                    tr("no answer from %1:%2 within %3 s")
                        .arg(m_endpoint.host)
                        .arg(m_endpoint.port)
                        .arg(ConnectTimeout.count() / 1000));
    });
}

NetworkTransport::~NetworkTransport()
{
    close();
}

bool NetworkTransport::open()
{
    close();
    m_active = true;
    setFailure(LinkFailure::None, QString());
    m_connectTimer.start();

    // The answer comes back through the event loop, or to no one once the transport has given
    // the lookup up (closed, or opened anew).
    auto lookup = std::make_shared<Lookup>();
    lookup->port = this;
    m_lookup = lookup;
    const QByteArray host = QFile::encodeName(m_endpoint.host);
    QString error;
    auto numeric = lookUp(host, m_endpoint.port, true, &error);
    if (!numeric.empty()) {
        QMetaObject::invokeMethod(
            this,
            [lookup, numeric = std::move(numeric)] {
                if (lookup->port)
                    lookup->port->resolved(numeric, QString());
            },
            Qt::QueuedConnection);
        return true;
    }
    // A name may take the resolver seconds: it is asked on a thread of its own.
    const quint16 port = m_endpoint.port;
    std::thread([lookup, host, port] {
        QString why;
        auto addresses = lookUp(host, port, false, &why);
        if (QCoreApplication *app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app,
                [lookup, addresses = std::move(addresses), why] {
                    if (lookup->port)
                        lookup->port->resolved(addresses, why);
                },
                Qt::QueuedConnection);
        }
    }).detach();
    return true;
}

void NetworkTransport::resolved(const std::vector<Address> &addresses, const QString &error)
{
    if (!m_active)
        return;
    m_lookup.reset();
    if (addresses.empty()) {
        failOpening(LinkFailure::HostNotFound,
                    tr("the host name %1 is not known (%2)").arg(m_endpoint.host, error));
        return;
    }
    m_addresses = addresses;
    m_nextAddress = 0;
    connectNext();
}

// Tries the addresses one after the other, as a host may have an IPv6 and an IPv4 one.
void NetworkTransport::connectNext()
{
    closeSocket();
    if (m_nextAddress >= m_addresses.size()) {
        failOpening(classifyConnectError(m_lastError), systemError(m_lastError));
        return;
    }
    const Address &address = m_addresses[m_nextAddress++];
    m_fd = ::socket(address.family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0) {
        m_lastError = errno;
        connectNext();
        return;
    }
    // Each message goes out as it is handed over, not held back to be joined with the next.
    const int on = 1;
    ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    ::setsockopt(m_fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    if (::connect(m_fd, reinterpret_cast<const sockaddr *>(address.sockaddr.data()),
                  socklen_t(address.sockaddr.size())) == 0) {
        connected();
        return;
    }
    if (errno != EINPROGRESS) {
        m_lastError = errno;
        connectNext();
        return;
    }
    m_writeNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Write, this);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &NetworkTransport::connectFinished);
}

void NetworkTransport::connectFinished()
{
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        error = errno;
    if (error != 0) {
        m_lastError = error;
        connectNext();
        return;
    }
    connected();
}

void NetworkTransport::connected()
{
    if (m_writeNotifier) {
        m_writeNotifier->setEnabled(false);
        disconnect(m_writeNotifier, nullptr, this, nullptr);
    } else {
        m_writeNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Write, this);
        m_writeNotifier->setEnabled(false);
    }
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &NetworkTransport::writePending);
    m_readNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &NetworkTransport::readFromSocket);
    connectionMade();
}

void NetworkTransport::finishOpening()
{
    if (!m_active || m_open)
        return;
    m_connectTimer.stop();
    m_open = true;
    emit opened();
}

void NetworkTransport::readFromSocket()
{
    char buffer[4096];
    QByteArray bytes;
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got > 0) {
            bytes.append(buffer, got);
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        const int error = got < 0 ? errno : 0;
        if (!bytes.isEmpty())
            break; // the data first; the end shows again at the next read
        if (error == 0) {
            closedByFarSide();
        } else if (m_open) {
            drop(systemError(error));
        } else {
            failOpening(classifyConnectError(error), systemError(error));
        }
        return;
    }
    const bool wasOpen = m_open;
    const QByteArray data = received(bytes);
    if (wasOpen) {
        m_input += data;
        if (!data.isEmpty())
            emit readyRead();
        return;
    }
    // Text before the port is set up is the far side's word on why it cannot be (ser2net's
    // "Device open failure: ..."), kept for the reason should it close the connection.
    m_greeting += data.left(MaxGreeting - m_greeting.size());
}

void NetworkTransport::closedByFarSide()
{
    if (m_open) {
        drop(tr("the far side closed the connection"));
        return;
    }
    const QString said = QString::fromLatin1(m_greeting).simplified();
    failOpening(
        LinkFailure::Other,
        said.isEmpty()
            ? tr("%1 closed the connection as soon as it was made").arg(m_endpoint.toString())
            : tr("%1 closed the connection: %2").arg(m_endpoint.toString(), said));
}

void NetworkTransport::failOpening(LinkFailure failure, const QString &reason)
{
    close();
    setFailure(failure, reason);
    emit openFailed();
}

void NetworkTransport::drop(const QString &reason)
{
    close();
    setFailure(LinkFailure::Lost, reason);
    emit lost();
}

void NetworkTransport::closeSocket()
{
    for (QSocketNotifier **notifier : {&m_readNotifier, &m_writeNotifier}) {
        if (*notifier) {
            (*notifier)->setEnabled(false);
            (*notifier)->disconnect(this);
            std::exchange(*notifier, nullptr)->deleteLater();
        }
    }
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    m_outgoing.clear();
}

void NetworkTransport::close()
{
    m_connectTimer.stop();
    if (m_lookup) {
        m_lookup->port = nullptr;
        m_lookup.reset();
    }
    closeSocket();
    m_addresses.clear();
    m_lastError = 0;
    m_active = false;
    m_open = false;
    m_input.clear();
    m_greeting.clear();
    reset();
}

// Straight to the system where it takes it; the rest waits for the write notifier.
bool NetworkTransport::sendWire(const QByteArray &wire)
{
    if (m_fd < 0)
        return false;
    if (!m_outgoing.isEmpty()) {
        m_outgoing += wire;
        return true;
    }
    qsizetype done = 0;
    while (done < wire.size()) {
        const ssize_t sent =
            ::send(m_fd, wire.constData() + done, size_t(wire.size() - done), MSG_NOSIGNAL);
        if (sent > 0) {
            done += sent;
            continue;
        }
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        return false;
    }
    if (done < wire.size()) {
        m_outgoing = wire.mid(done);
        m_writeNotifier->setEnabled(true);
    }
    return true;
}

void NetworkTransport::writePending()
{
    const QByteArray pending = std::exchange(m_outgoing, QByteArray());
    m_writeNotifier->setEnabled(false);
    if (!sendWire(pending) && m_open)
        drop(systemError(errno));
}

bool NetworkTransport::write(const QByteArray &bytes)
{
    if (!m_open)
        return false;
    if (sendWire(encoded(bytes)))
        return true;
    // Said from the event loop, as a serial device says it: the caller learns of it from false.
    const QString reason = systemError(errno);
    QTimer::singleShot(0, this, [this, reason] {
        if (m_open)
            drop(reason);
    });
    return false;
}

// What the program still holds, and what the system has sent but the far side not yet
// acknowledged: only acknowledged bytes are sure to have arrived should the connection be
// closed now.
qsizetype NetworkTransport::unsent() const
{
    if (m_fd < 0)
        return 0;
    qsizetype pending = m_outgoing.size();
    int unacknowledged = 0;
    if (::ioctl(m_fd, SIOCOUTQ, &unacknowledged) == 0)
        pending += unacknowledged;
    return pending;
}

QByteArray NetworkTransport::readAll()
{
    QByteArray bytes;
    bytes.swap(m_input);
    return bytes;
}
