#include "commport.h"

#include "portresolver.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommPort", text);
}

} // namespace

bool CommPort::open()
{
    m_device = PortResolver::devicePath(m_commPort);
    if (!m_device) {
        m_link.close();
        return false;
    }
    return m_link.open(*m_device);
}

QString CommPort::errorString() const
{
    return m_device ? m_link.errorString()
                    : tr("COM%1 stands for no serial device").arg(m_commPort);
}

QString CommPort::failureDetail() const
{
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
        detail += u'\n' + tr("The device went away while open. Plug it in again, then choose "
                             "the port from the menu \"Communication\".");
        break;
    case Failure::None:
    case Failure::Other:
        break;
    }
    return detail;
}
