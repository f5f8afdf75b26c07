#include "moduleconnection.h"

#include "endpoint.h"
#include "modulerequest.h"
#include "portresolver.h"
#include "reconnector.h"
#include "transport.h"

#include <QCoreApplication>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ModuleConnection)
};

} // namespace

ModuleConnection::ModuleConnection(QObject *parent)
    : QObject(parent)
    , m_reconnector(std::make_unique<Reconnector>(*this))
{
    m_sinceReconnect.setSingleShot(true);
    m_sinceReconnect.setInterval(QuietAfterReconnect);
    connect(m_reconnector.get(), &Reconnector::reconnected, &m_sinceReconnect,
            qOverload<>(&QTimer::start));
    connect(&m_queue, &MessageQueue::drained, this, &ModuleConnection::queueDrained);
    connect(&m_queue, &MessageQueue::handedOver, this, &ModuleConnection::messageHandedOver);
}

ModuleConnection::~ModuleConnection()
{
    // Closed quietly: whoever listens may be half gone already.
    blockSignals(true);
    dropTransport();
}

bool ModuleConnection::setSettings(const QString &settings)
{
    const auto line = LineSettings::parse(settings);
    if (!line)
        return false;
    m_settingsText = settings;
    m_line = *line;
    return true;
}

void ModuleConnection::setIdleGap(std::chrono::milliseconds gap)
{
    m_queue.setIdleGap(gap);
}

std::chrono::milliseconds ModuleConnection::idleGap() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(m_queue.idleGap());
}

void ModuleConnection::setReconnecting(bool on)
{
    m_reconnecting = on;
    if (!on)
        m_reconnector->cancel();
}

void ModuleConnection::setCommPort(int port)
{
    if (port == m_commPort)
        return;
    m_commPort = port;
    emit targetChanged();
}

bool ModuleConnection::open()
{
    return openTarget(PortResolver::devicePath(m_commPort));
}

bool ModuleConnection::openDevice(const QString &device)
{
    if (m_commPort != 0) {
        m_commPort = 0;
        m_device = device;
        emit targetChanged();
    }
    return openTarget(device);
}

bool ModuleConnection::openTarget(const std::optional<QString> &device)
{
    m_reconnector->cancel();
    m_sinceReconnect.stop();
    dropTransport();
    const bool changed = device != m_device;
    m_device = device;
    if (changed)
        emit targetChanged();
    if (!m_device) {
        m_failure = LinkFailure::NotFound;
        m_errorString = Texts::tr("COM%1 stands for no serial device").arg(m_commPort);
        setState(State::NotAvailable);
        return false;
    }
    if (m_device->isEmpty()) {
        m_failure = LinkFailure::NotFound;
        m_errorString = Texts::tr("no device given");
        setState(State::NotAvailable);
        return false;
    }
    return start(*m_device);
}

bool ModuleConnection::reopen(const QString &device)
{
    dropTransport();
    if (!start(device))
        return false;
    if (isOpen())
        m_reconnector->reopened();
    return true;
}

bool ModuleConnection::start(const QString &device)
{
    QString addressError;
    const auto endpoint = Endpoint::parse(device, &addressError);
    if (!endpoint) {
        m_failure = LinkFailure::BadAddress;
        m_errorString = addressError;
        if (!m_reconnector->isWaiting())
            setState(State::NotAvailable);
        return false;
    }
    m_transport = Transport::create(*endpoint, m_line);
    Transport *transport = m_transport.get();
    connect(transport, &Transport::opened, this, &ModuleConnection::transportOpened);
    connect(transport, &Transport::openFailed, this, &ModuleConnection::transportFailed);
    connect(transport, &Transport::lost, this, &ModuleConnection::transportLost);
    connect(transport, &Transport::readyRead, this, &ModuleConnection::readyRead);
    m_queue.setByteTime(m_line.byteTime());
    if (!transport->open()) {
        m_failure = transport->failure();
        m_errorString = transport->errorString();
        m_transport.reset();
        if (!m_reconnector->isWaiting())
            setState(State::NotAvailable);
        return false;
    }
    if (!transport->isOpen()) {
        if (!m_reconnector->isWaiting())
            setState(State::Connecting);
        return true;
    }
    m_queue.setTransport(transport);
    m_failure = LinkFailure::None;
    m_errorString.clear();
    m_lossTold = false;
    if (!m_reconnector->isWaiting())
        m_reconnector->opened(device);
    setState(State::Open);
    return true;
}

void ModuleConnection::transportOpened()
{
    m_queue.setTransport(m_transport.get());
    m_failure = LinkFailure::None;
    m_errorString.clear();
    m_lossTold = false;
    if (m_reconnector->isWaiting()) {
        setState(State::Open);
        m_reconnector->reopened();
        return;
    }
    m_reconnector->opened(deviceName());
    setState(State::Open);
    emit opened();
}

void ModuleConnection::transportFailed()
{
    m_failure = m_transport->failure();
    m_errorString = m_transport->errorString();
    m_transport.release()->deleteLater(); // from within its own signal
    if (m_reconnector->isWaiting()) {
        m_reconnector->reopenFailed();
        return;
    }
    setState(State::NotAvailable);
    emit openFailed();
}

void ModuleConnection::transportLost()
{
    m_failure = LinkFailure::Lost;
    m_errorString = m_transport->errorString();
    m_queue.setTransport(nullptr);
    m_transport.release()->deleteLater(); // from within its own signal
    const bool told = std::exchange(m_lossTold, false);
    if (m_reconnecting) {
        m_reconnector->start();
        setState(State::Waiting);
    } else {
        setState(State::NotAvailable);
    }
    if (!told && !m_sinceReconnect.isActive())
        emit lost();
}

void ModuleConnection::close()
{
    m_reconnector->cancel();
    dropTransport();
    setState(State::Closed);
}

void ModuleConnection::dropTransport()
{
    m_queue.setTransport(nullptr);
    if (m_transport) {
        disconnect(m_transport.get(), nullptr, this, nullptr);
        m_transport->close();
        m_transport.release()->deleteLater(); // the caller may be inside one of its signals
    }
}

void ModuleConnection::setState(State state)
{
    if (state == m_state)
        return;
    const bool wasOpen = m_state == State::Open;
    m_state = state;
    emit stateChanged(state);
    if (wasOpen != (state == State::Open))
        emit openChanged(state == State::Open);
}

QString ModuleConnection::errorString() const
{
    return m_errorString;
}

QString ModuleConnection::portName() const
{
    return m_commPort > 0 ? QStringLiteral("COM%1").arg(m_commPort) : deviceName();
}

bool ModuleConnection::send(const Protocol::Message &message)
{
    if (!isOpen())
        return false;
    if (m_queue.enqueue(message)) {
        emit commandQueued(message.command);
        return true;
    }
    writeFailed();
    return false;
}

bool ModuleConnection::send(const QByteArray &bytes, MessageEnd end)
{
    if (!isOpen())
        return false;
    if (m_queue.enqueue(bytes, end)) {
        emit commandQueued(bytes.isEmpty() ? 0 : quint8(bytes.front()));
        return true;
    }
    writeFailed();
    return false;
}

bool ModuleConnection::sendLatest(const Protocol::Message &message, bool *replaced)
{
    if (replaced)
        *replaced = false;
    if (!isOpen())
        return false;
    if (m_queue.enqueue(message, true, replaced))
        return true;
    writeFailed();
    return false;
}

// A write refused at once: the sender has false for it and says so; the transport reports the
// loss from the event loop, which then counts as told.
void ModuleConnection::writeFailed()
{
    m_lossTold = true;
    if (m_transport) {
        m_failure = m_transport->failure();
        m_errorString = m_transport->errorString();
    }
}

ModuleRequest *ModuleConnection::request(const Protocol::Message &message, int waits,
                                         ReplyWait *clock, QObject *parent)
{
    return new ModuleRequest(*this, message, waits, clock, parent);
}

qsizetype ModuleConnection::inBufferCount() const
{
    return isOpen() && m_transport ? m_transport->bytesAvailable() : 0;
}

QByteArray ModuleConnection::input()
{
    return isOpen() && m_transport ? m_transport->readAll() : QByteArray();
}

void ModuleConnection::discardInput()
{
    if (isOpen() && m_transport)
        m_transport->discardInput();
}

QString ModuleConnection::failureDetail() const
{
    if (m_device && isConnecting()) {
        return Texts::tr("%1 is %2.").arg(portName(), *m_device) + u'\n' +
               Texts::tr("The connection to it is still being made; try again in a moment.");
    }
    const LinkFailure failure =
        !m_device || isOpen() || m_state == State::Closed ? LinkFailure::None : m_failure;
    return portFailureDetail(m_commPort, m_device, failure, m_errorString);
}
QString portFailureDetail(int commPort, const std::optional<QString> &device, LinkFailure failure,
                          const QString &reason)
{
    using Failure = LinkFailure;
    if (!device) {
        return Texts::tr(
                   "COM%1 stands for no device: the settings file maps no device to it, and the "
                   "machine has fewer than %1 serial devices. Plug in the module's adapter, or map "
                   "COM%1 to its device in the group [Ports] of the settings file.")
            .arg(commPort);
    }
    QString detail = Texts::tr("COM%1 is %2.").arg(commPort).arg(*device);
    if (failure == Failure::None) {
        return detail + u'\n' +
               Texts::tr("The port is not open. Choose a port from the menu \"Communication\".");
    }
    if (!reason.isEmpty() && failure != Failure::InUse)
        detail += u'\n' + Texts::tr("The system says: %1.").arg(reason);
    switch (failure) {
    case Failure::NotFound:
        detail +=
            u'\n' + Texts::tr("No such device: check that the module's adapter is plugged in, or "
                              "map COM%1 to the device it has now.")
                        .arg(commPort);
        break;
    case Failure::PermissionDenied:
        detail +=
            u'\n' + Texts::tr("Your user may not use this device. On Debian, serial devices belong "
                              "to the group \"dialout\": add yourself to it (sudo adduser $USER "
                              "dialout), then log out and in again.");
        break;
    case Failure::InUse: {
        // The reason names the program where it could be found out.
        QString held = reason.isEmpty() ? Texts::tr("another program holds the port") : reason;
        held[0] = held[0].toUpper();
        detail +=
            u'\n' + Texts::tr("%1. Close it (a terminal program, or this program started twice), "
                              "then choose the port again.")
                        .arg(held);
        break;
    }
    case Failure::NotSerial:
        detail +=
            u'\n' + Texts::tr("This is not a serial device: map COM%1 to the module's adapter.")
                        .arg(commPort);
        break;
    case Failure::Lost:
        detail +=
            u'\n' + Texts::tr("The device went away while open. The program opens it again by "
                              "itself as soon as it is back; choosing a port from the menu "
                              "\"Communication\" works as ever.");
        break;
    case Failure::BadAddress:
        detail +=
            u'\n' + Texts::tr("Write a module on the network as tcp://host:port (raw bytes, as "
                              "ser2net's raw mode serves them) or rfc2217://host:port (telnet "
                              "with RFC 2217), with a port from 1 to 65535.");
        break;
    case Failure::HostNotFound:
        detail += u'\n' + Texts::tr("The host name is not known: check its spelling and the "
                                    "machine's network.");
        break;
    case Failure::Refused:
        detail +=
            u'\n' + Texts::tr("Nothing takes connections at that address: check that ser2net (or "
                              "the serial bridge) runs there and serves that port.");
        break;
    case Failure::NoAnswer:
        detail +=
            u'\n' + Texts::tr("The host did not answer: check the address, the network and any "
                              "firewall on the way.");
        break;
    case Failure::NotRfc2217:
        detail += u'\n' + Texts::tr("The far side does not set up its serial port by RFC 2217. For "
                                    "ser2net's raw mode, map COM%1 to tcp://host:port instead.")
                              .arg(commPort);
        break;
    case Failure::None:
    case Failure::Other:
        break;
    }
    return detail;
}
