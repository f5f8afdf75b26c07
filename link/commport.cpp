#include "commport.h"

#include "portresolver.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommPort", text);
}

} // namespace

CommPort::CommPort(QObject *parent)
    : QObject(parent)
{
    m_sinceReconnect.setSingleShot(true);
    m_sinceReconnect.setInterval(QuietAfterReconnect);
    connect(&m_link, &SerialLink::portLost, this, &CommPort::linkLost);
    connect(&m_reconnector, &Reconnector::reconnected, &m_sinceReconnect,
            qOverload<>(&QTimer::start));
    connect(&m_link, &SerialLink::openChanged, this, [this](bool open) {
        if (open && m_opening) {
            m_opening = false;
            emit opened();
        }
    });
    connect(&m_link, &SerialLink::openFailed, this, [this] {
        if (m_opening) {
            m_opening = false;
            emit openFailed();
        }
    });
}

bool CommPort::open()
{
    m_opening = false;
    m_reconnector.cancel();
    m_sinceReconnect.stop();
    m_device = PortResolver::devicePath(m_commPort);
    if (!m_device) {
        m_link.close();
        return false;
    }
    if (!m_link.open(*m_device))
        return false;
    m_opening = m_link.isConnecting();
    return true;
}

void CommPort::linkLost()
{
    if (!m_sinceReconnect.isActive())
        emit lost();
}

QString CommPort::errorString() const
{
    return m_device ? m_link.errorString()
                    : tr("COM%1 stands for no serial device").arg(m_commPort);
}

QString CommPort::failureDetail() const
{
    if (m_device && m_link.isConnecting()) {
        return tr("COM%1 is %2.").arg(m_commPort).arg(*m_device) + u'\n' +
               tr("The connection to it is still being made; try again in a moment.");
    }
    const SerialLink::Failure failure =
        !m_device || m_link.isOpen() ? SerialLink::Failure::None : m_link.failure();
    return portFailureDetail(m_commPort, m_device, failure, m_link.errorString());
}

QString portFailureDetail(int commPort, const std::optional<QString> &device,
                          SerialLink::Failure failure, const QString &reason)
{
    using Failure = SerialLink::Failure;
    if (!device) {
        return tr("COM%1 stands for no device: the settings file maps no device to it, and the "
                  "machine has fewer than %1 serial devices. Plug in the module's adapter, or map "
                  "COM%1 to its device in the group [Ports] of the settings file.")
            .arg(commPort);
    }
    QString detail = tr("COM%1 is %2.").arg(commPort).arg(*device);
    if (failure == Failure::None) {
        return detail + u'\n' +
               tr("The port is not open. Choose a port from the menu \"Communication\".");
    }
    if (!reason.isEmpty())
        detail += u'\n' + tr("The system says: %1.").arg(reason);
    switch (failure) {
    case Failure::NotFound:
        detail += u'\n' + tr("No such device: check that the module's adapter is plugged in, or "
                             "map COM%1 to the device it has now.")
                              .arg(commPort);
        break;
    case Failure::PermissionDenied:
        detail += u'\n' + tr("Your user may not use this device. On Debian, serial devices belong "
                             "to the group \"dialout\": add yourself to it (sudo adduser $USER "
                             "dialout), then log out and in again.");
        break;
    case Failure::InUse:
        detail += u'\n' + tr("Another program holds the port. Close it (a terminal program, or "
                             "this program started twice), then choose the port again.");
        break;
    case Failure::NotSerial:
        detail +=
            u'\n' +
            tr("This is not a serial device: map COM%1 to the module's adapter.").arg(commPort);
        break;
    case Failure::Lost:
        detail += u'\n' + tr("The device went away while open. The program opens it again by "
                             "itself as soon as it is back; choosing a port from the menu "
                             "\"Communication\" works as ever.");
        break;
    case Failure::BadAddress:
        detail += u'\n' + tr("Write a module on the network as tcp://host:port (raw bytes, as "
                             "ser2net's raw mode serves them) or rfc2217://host:port (telnet "
                             "with RFC 2217), with a port from 1 to 65535.");
        break;
    case Failure::HostNotFound:
        detail += u'\n' + tr("The host name is not known: check its spelling and the "
                             "machine's network.");
        break;
    case Failure::Refused:
        detail += u'\n' + tr("Nothing takes connections at that address: check that ser2net (or "
                             "the serial bridge) runs there and serves that port.");
        break;
    case Failure::NoAnswer:
        detail += u'\n' + tr("The host did not answer: check the address, the network and any "
                             "firewall on the way.");
        break;
    case Failure::NotRfc2217:
        detail += u'\n' + tr("The far side does not set up its serial port by RFC 2217. For "
                             "ser2net's raw mode, map COM%1 to tcp://host:port instead.")
                              .arg(commPort);
        break;
    case Failure::None:
    case Failure::Other:
        break;
    }
    return detail;
}
