#include "serialtransport.h"

#include "portholder.h"

#include <QFile>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

SerialTransport::SerialTransport(const QString &device, const LineSettings &line, QObject *parent)
    : Transport(parent)
    , m_device(device)
    , m_line(line)
{
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialTransport::handleError);
    connect(&m_port, &QSerialPort::readyRead, this, &Transport::readyRead);
}

SerialTransport::~SerialTransport() = default;

bool SerialTransport::open()
{
    m_gone = false;
    m_directWriteError.clear();
    m_port.setPortName(m_device);
    m_port.setBaudRate(m_line.baud);
    m_port.setParity(m_line.parity);
    m_port.setDataBits(m_line.dataBits);
    m_port.setStopBits(m_line.stopBits);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const LinkFailure failure = classifyOpenFailure();
        setFailure(failure,
                   failure == LinkFailure::InUse ? heldBy(m_device) : m_port.errorString());
        return false;
    }
    setFailure(LinkFailure::None, QString());
    return true;
}

// QSerialPort reports a device that is locked by another program and one the user may not open
// alike, as a permission error; the device itself tells them apart.
LinkFailure SerialTransport::classifyOpenFailure() const
{
    if (m_port.error() == QSerialPort::DeviceNotFoundError)
        return LinkFailure::NotFound;
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(m_device);
    struct stat info
    {};
    if (::stat(path.constData(), &info) != 0)
        return errno == EACCES ? LinkFailure::PermissionDenied : LinkFailure::NotFound;
    if (!S_ISCHR(info.st_mode))
        return LinkFailure::NotSerial;
    if (::access(path.constData(), R_OK | W_OK) != 0)
        return LinkFailure::PermissionDenied;
    if (m_port.error() == QSerialPort::PermissionError)
        return LinkFailure::InUse;
    if (m_port.errorString().contains(QLatin1String("ioctl")))
        return LinkFailure::NotSerial;
#endif
    return LinkFailure::Other;
}

// What the user is told of a device that another program has open, in the same words wherever
// it is said: the main window, the Devices window, glyphsmith-send.
QString SerialTransport::heldBy(const QString &device)
{
    const auto holder = PortHolder::find(device);
    return holder ? tr("another program holds the port: %1").arg(holder->describe())
                  : tr("another program holds the port");
}

void SerialTransport::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
    m_gone = false;
}

// One message to the driver: at once with one write() where it has room, the rest queued in
// order behind it. False when the device failed.
bool SerialTransport::write(const QByteArray &bytes)
{
    if (!isOpen())
        return false;
    const qsizetype sent = writeDirectly(bytes);
    if (sent < 0) {
        markGone();
        return false;
    }
    if (sent == bytes.size())
        return true;
    const QByteArray rest = bytes.sliced(sent);
    const qint64 written = m_port.write(rest);
    if (written == rest.size() && driverCanTakeMore())
        m_port.flush();
    if (written != rest.size() || m_gone) {
        markGone();
        return false;
    }
    return true;
}

// Bytes handed over but not yet on the line, where the driver tells (a pseudo-terminal does
// not), together with those still in QSerialPort's own buffer.
qsizetype SerialTransport::unsent() const
{
    if (!m_port.isOpen())
        return 0;
    qsizetype queued = m_port.bytesToWrite();
#ifdef Q_OS_UNIX
    int count = 0;
    if (::ioctl(int(m_port.handle()), TIOCOUTQ, &count) == 0 && count > 0)
        queued += count;
#endif
    return queued;
}

// With nothing queued, the bytes go to the driver with one write(): no copy into the port's
// buffer, no write notifier switched on and off. Returns how many the driver took (0 when it
// has no room now; the caller queues the rest), or -1 when the device failed.
qsizetype SerialTransport::writeDirectly(const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    if (m_port.bytesToWrite() > 0)
        return 0; // behind what is queued, to keep the order
    ssize_t written;
    do {
        written = ::write(int(m_port.handle()), bytes.constData(), size_t(bytes.size()));
    } while (written < 0 && errno == EINTR);
    if (written >= 0)
        return written;
    if (errno == EAGAIN || errno == EWOULDBLOCK)
        return 0;
    m_directWriteError = QString::fromLocal8Bit(std::strerror(errno));
    return -1;
#else
    Q_UNUSED(bytes);
    return 0;
#endif
}

// Forcing a write into a full driver buffer (a slow line, a far end that reads nothing yet)
// fails with EAGAIN, which QSerialPort reports as a ResourceError, as if the device had gone;
// so the bytes are pushed only where the driver has room, and otherwise wait for the port's
// write notifier.
bool SerialTransport::driverCanTakeMore() const
{
#ifdef Q_OS_UNIX
    pollfd descriptor{int(m_port.handle()), POLLOUT, 0};
    return ::poll(&descriptor, 1, 0) == 1 && (descriptor.revents & POLLOUT);
#else
    return true;
#endif
}

qsizetype SerialTransport::bytesAvailable() const
{
    return m_port.isOpen() ? m_port.bytesAvailable() : 0;
}

QByteArray SerialTransport::readAll()
{
    return m_port.isOpen() ? m_port.readAll() : QByteArray();
}

void SerialTransport::discardInput()
{
    if (!m_port.isOpen())
        return;
    m_port.readAll();
    m_port.clear(QSerialPort::Input);
}

void SerialTransport::handleError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError:
        if (m_port.isOpen())
            markGone();
        break;
    default:
        break;
    }
}

void SerialTransport::markGone()
{
    if (m_gone)
        return;
    m_gone = true;
    setFailure(LinkFailure::Lost,
               m_directWriteError.isEmpty() ? m_port.errorString() : m_directWriteError);
    QTimer::singleShot(0, this, [this] {
        if (!m_gone)
            return; // closed or opened again in the meantime
        m_port.close();
        m_port.clearError();
        emit lost();
    });
}
