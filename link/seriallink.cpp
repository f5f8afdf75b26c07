#include "seriallink.h"

#include <QFile>
#include <QTimer>

#include <thread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// How much earlier than a message's turn the line timer fires; the rest is slept precisely.
constexpr std::chrono::microseconds TimerLead{1500};

struct LineSettings
{
    qint32 baud; // any rate the driver takes, not only the ones QSerialPort names
    QSerialPort::Parity parity;
    QSerialPort::DataBits dataBits;
    QSerialPort::StopBits stopBits;

    // A start bit, the data bits, the parity bit if any and the stop bits, at the baud rate.
    LinePacer::Duration byteTime() const
    {
        const double halfBits =
            2.0 * (1 + int(dataBits) + (parity == QSerialPort::NoParity ? 0 : 1)) +
            (stopBits == QSerialPort::OneStop          ? 2
             : stopBits == QSerialPort::OneAndHalfStop ? 3
                                                       : 4);
        return LinePacer::Duration(qint64(halfBits / 2.0 * 1e9 / double(baud) + 0.5));
    }
};

std::optional<LineSettings> parseSettings(const QString &text)
{
    const QStringList fields = text.trimmed().toLower().split(QLatin1Char(','));
    if (fields.size() != 4)
        return std::nullopt;
    bool ok = false;
    const int baud = fields[0].trimmed().toInt(&ok);
    if (!ok || baud <= 0)
        return std::nullopt;

    LineSettings line{baud, QSerialPort::NoParity, QSerialPort::Data8, QSerialPort::OneStop};
    const QString parity = fields[1].trimmed();
    if (parity == QLatin1String("n"))
        line.parity = QSerialPort::NoParity;
    else if (parity == QLatin1String("e"))
        line.parity = QSerialPort::EvenParity;
    else if (parity == QLatin1String("o"))
        line.parity = QSerialPort::OddParity;
    else if (parity == QLatin1String("m"))
        line.parity = QSerialPort::MarkParity;
    else if (parity == QLatin1String("s"))
        line.parity = QSerialPort::SpaceParity;
    else
        return std::nullopt;

    const int bits = fields[2].trimmed().toInt(&ok);
    if (!ok || bits < 5 || bits > 8)
        return std::nullopt;
    line.dataBits = QSerialPort::DataBits(bits);

    const QString stop = fields[3].trimmed();
    if (stop == QLatin1String("1"))
        line.stopBits = QSerialPort::OneStop;
    else if (stop == QLatin1String("1.5"))
        line.stopBits = QSerialPort::OneAndHalfStop;
    else if (stop == QLatin1String("2"))
        line.stopBits = QSerialPort::TwoStop;
    else
        return std::nullopt;
    return line;
}

} // namespace

SerialLink::SerialLink(QObject *parent)
    : QObject(parent)
{
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::handleError);
    connect(&m_network, &NetworkPort::opened, this, &SerialLink::networkOpened);
    connect(&m_network, &NetworkPort::openFailed, this, &SerialLink::networkFailed);
    connect(&m_network, &NetworkPort::lost, this, &SerialLink::networkLost);
    m_lineTimer.setSingleShot(true);
    m_lineTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_lineTimer, &QTimer::timeout, this, [this] { sendDue(false); });
}

SerialLink::~SerialLink() = default;

bool SerialLink::setSettings(const QString &settings)
{
    if (!parseSettings(settings))
        return false;
    m_settings = settings;
    return true;
}

bool SerialLink::isOpen() const
{
    return m_networked ? m_network.isOpen() : m_port.isOpen();
}

bool SerialLink::open(const QString &device)
{
    close();
    m_gone = false;
    m_directWriteError.clear();
    m_device = device;
    if (m_device.isEmpty()) {
        m_failure = Failure::NotFound;
        m_errorString = tr("no device given");
        return false;
    }
    QString addressError;
    const auto endpoint = Endpoint::parse(device, &addressError);
    if (!endpoint) {
        m_failure = Failure::BadAddress;
        m_errorString = addressError;
        return false;
    }
    const auto line = parseSettings(m_settings);
    if (line)
        m_pacer.setByteTime(line->byteTime());
    if (endpoint->isNetwork()) {
        m_networked = true;
        m_failure = Failure::None;
        m_errorString.clear();
        m_network.open(*endpoint, line ? quint32(line->baud) : 9600);
        return true;
    }
    m_port.setPortName(m_device);
    if (line) {
        m_port.setBaudRate(line->baud);
        m_port.setParity(line->parity);
        m_port.setDataBits(line->dataBits);
        m_port.setStopBits(line->stopBits);
    }
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_failure = classifyOpenFailure();
        m_errorString = m_port.errorString();
        return false;
    }
    m_failure = Failure::None;
    m_errorString.clear();
    emit openChanged(true);
    return true;
}

// QSerialPort reports a device that is locked by another program and one the user may not open
// alike, as a permission error; the device itself tells them apart.
SerialLink::Failure SerialLink::classifyOpenFailure() const
{
    if (m_port.error() == QSerialPort::DeviceNotFoundError)
        return Failure::NotFound;
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(m_device);
    struct stat info
    {};
    if (::stat(path.constData(), &info) != 0)
        return errno == EACCES ? Failure::PermissionDenied : Failure::NotFound;
    if (!S_ISCHR(info.st_mode))
        return Failure::NotSerial;
    if (::access(path.constData(), R_OK | W_OK) != 0)
        return Failure::PermissionDenied;
    if (m_port.error() == QSerialPort::PermissionError)
        return Failure::InUse;
    if (m_port.errorString().contains(QLatin1String("ioctl")))
        return Failure::NotSerial;
#endif
    return Failure::Other;
}

void SerialLink::setIdleGap(std::chrono::milliseconds gap)
{
    m_pacer.setIdleGap(gap);
}

void SerialLink::networkOpened()
{
    m_failure = Failure::None;
    m_errorString.clear();
    emit openChanged(true);
}

void SerialLink::networkFailed(LinkFailure failure, const QString &reason)
{
    m_networked = false;
    m_failure = failure;
    m_errorString = reason;
    emit openFailed();
}

void SerialLink::networkLost(const QString &reason)
{
    m_failure = Failure::Lost;
    m_errorString = reason;
    m_lineTimer.stop();
    m_queue.clear();
    m_pacer.reset();
    m_networked = false;
    emit openChanged(false);
    emit portLost();
}

void SerialLink::close()
{
    m_lineTimer.stop();
    m_queue.clear();
    m_pacer.reset();
    if (m_networked) {
        const bool wasOpen = m_network.isOpen();
        m_network.close();
        m_networked = false;
        if (wasOpen)
            emit openChanged(false);
        return;
    }
    const bool wasOpen = m_port.isOpen();
    if (wasOpen)
        m_port.close();
    m_port.clearError();
    if (wasOpen)
        emit openChanged(false);
}

bool SerialLink::output(const QByteArray &bytes, MessageEnd end)
{
    if (!isOpen() || m_gone)
        return false;
    m_queue.append({bytes, end});
    if (m_queue.size() > 1 || m_lineTimer.isActive())
        return true; // behind others: goes out when the line is free
    return sendDue(true);
}

bool SerialLink::output(const Protocol::Message &message)
{
    return output(message.bytes(), Protocol::endsByIdleGap(message.command) ? MessageEnd::ByIdleGap
                                                                            : MessageEnd::Known);
}

bool SerialLink::outputReplacing(const Protocol::Message &message, bool *replaced)
{
    if (replaced)
        *replaced = false;
    if (!m_port.isOpen() || m_gone)
        return false;
    if (!m_queue.isEmpty() && m_queue.last().replaceable) {
        m_queue.last().bytes = message.bytes();
        m_queue.last().end =
            Protocol::endsByIdleGap(message.command) ? MessageEnd::ByIdleGap : MessageEnd::Known;
        if (replaced)
            *replaced = true;
        return true;
    }
    if (!output(message))
        return false;
    if (!m_queue.isEmpty())
        m_queue.last().replaceable = true;
    return true;
}

// Hands every queued message whose turn has come to the driver and sets the timer for the next.
// A failure to write is returned when `failAtOnce` (the caller reports it); otherwise, on the
// timer's turn, it is reported as the port being lost.
bool SerialLink::sendDue(bool failAtOnce)
{
    while (!m_queue.isEmpty()) {
        const auto now = LinePacer::Clock::now();
        const auto start = m_pacer.nextStart(now, driverQueued());
        const auto wait = start - now;
        if (wait > TimerLead) {
            // A timer may fire a millisecond late, and every late message leaves the line idle:
            // it is set to fire early instead, and the rest is slept below.
            m_lineTimer.start(
                std::chrono::duration_cast<std::chrono::milliseconds>(wait - TimerLead));
            return true;
        }
        if (wait > LinePacer::Duration::zero())
            std::this_thread::sleep_for(wait);
        const Pending message = m_queue.takeFirst();
        if (!writeMessage(message.bytes)) {
            m_queue.clear();
            markGone(!failAtOnce);
            return false;
        }
        m_pacer.sent(LinePacer::Clock::now(), message.bytes.size(),
                     message.end == MessageEnd::ByIdleGap);
    }
    emit queueDrained();
    return true;
}

// One message to the driver: at once with one write() where it has room, the rest queued in
// order behind it. False when the device failed.
bool SerialLink::writeMessage(const QByteArray &bytes)
{
    if (m_networked)
        return m_network.write(bytes);
    const qsizetype sent = writeDirectly(bytes);
    if (sent < 0)
        return false;
    if (sent == bytes.size())
        return true;
    const QByteArray rest = bytes.sliced(sent);
    m_writing = true;
    const qint64 written = m_port.write(rest);
    if (written == rest.size() && driverCanTakeMore())
        m_port.flush();
    m_writing = false;
    return written == rest.size() && !m_gone;
}

// Bytes handed over but not yet on the line, where the driver tells (a pseudo-terminal does
// not), together with those still in QSerialPort's own buffer.
qsizetype SerialLink::driverQueued() const
{
    if (m_networked)
        return m_network.unsent();
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
qsizetype SerialLink::writeDirectly(const QByteArray &bytes)
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

// The bytes go to the driver at once when it has room; otherwise they stay queued in order and
// go out as soon as the port's write notifier says it has. Forcing a write into a full driver
// buffer (a slow line, a far end that reads nothing yet) fails with EAGAIN, which QSerialPort
// reports as a ResourceError, as if the device had gone.
bool SerialLink::driverCanTakeMore() const
{
#ifdef Q_OS_UNIX
    pollfd descriptor{int(m_port.handle()), POLLOUT, 0};
    return ::poll(&descriptor, 1, 0) == 1 && (descriptor.revents & POLLOUT);
#else
    return true;
#endif
}

bool SerialLink::allSent() const
{
    return m_queue.isEmpty() && !m_lineTimer.isActive() &&
           (m_networked ? m_network.flushed() : m_port.bytesToWrite() == 0);
}

qsizetype SerialLink::inBufferCount() const
{
    if (m_networked)
        return m_network.bytesAvailable();
    return m_port.isOpen() ? m_port.bytesAvailable() : 0;
}

QByteArray SerialLink::input()
{
    if (m_networked)
        return m_network.readAll();
    return m_port.isOpen() ? m_port.readAll() : QByteArray();
}

void SerialLink::discardInput()
{
    if (m_networked) {
        m_network.discardInput();
        return;
    }
    if (!m_port.isOpen())
        return;
    m_port.readAll();
    m_port.clear(QSerialPort::Input);
}

void SerialLink::handleError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError:
        if (m_port.isOpen())
            markGone(!m_writing);
        break;
    default:
        break;
    }
}

void SerialLink::markGone(bool notify)
{
    if (m_gone)
        return;
    m_gone = true;
    m_failure = Failure::Lost;
    m_errorString = m_networked                    ? tr("the connection failed")
                    : m_directWriteError.isEmpty() ? m_port.errorString()
                                                   : m_directWriteError;
    QTimer::singleShot(0, this, [this, notify] {
        if (!m_gone)
            return; // opened again in the meantime
        close();
        if (notify)
            emit portLost();
    });
}
