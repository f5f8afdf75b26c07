#include "moduletarget.h"

#include "moduleconnection.h"
#include "modulerequest.h"

#include <QPointer>
#include <QRegularExpression>

namespace {
constexpr char ModuleLine[] = "9600,n,8,1";
} // namespace

ConnectionTarget::ConnectionTarget(const QString &port, QObject *parent)
    : ModuleTarget(parent)
    , m_port(port)
    , m_connection(new ModuleConnection(this))
{
    m_connection->setSettings(QLatin1String(ModuleLine));
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryInterval);
    connect(&m_retry, &QTimer::timeout, this, &ConnectionTarget::open);
    connect(m_connection, &ModuleConnection::stateChanged, this,
            &ConnectionTarget::connectionStateChanged);
    connect(m_connection, &ModuleConnection::readyRead, this, &ConnectionTarget::readyRead);
}

ConnectionTarget::~ConnectionTarget()
{
    m_retry.stop();
}

void ConnectionTarget::start()
{
    m_started = true;
    open();
}

void ConnectionTarget::stop()
{
    m_started = false;
    m_retry.stop();
    m_connection->close();
}

void ConnectionTarget::open()
{
    if (!m_started)
        return;
    static const QRegularExpression comNumber(QStringLiteral("^COM([1-6])$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const auto match = comNumber.match(m_port);
    if (match.hasMatch()) {
        m_connection->setCommPort(match.captured(1).toInt());
        m_connection->open();
    } else {
        m_connection->openDevice(m_port);
    }
    connectionStateChanged();
}

void ConnectionTarget::connectionStateChanged()
{
    // A port that could not be opened at all is not awaited by the connection (only a lost one
    // is): the bridge keeps trying, as a module plugged in later must come up by itself.
    if (m_started && m_connection->state() == ModuleConnection::State::NotAvailable &&
        !m_retry.isActive())
        m_retry.start();
    emit stateChanged();
}

bool ConnectionTarget::isOpen() const
{
    return m_connection->isOpen();
}

QString ConnectionTarget::state() const
{
    switch (m_connection->state()) {
    case ModuleConnection::State::Open:
        return QStringLiteral("open");
    case ModuleConnection::State::Waiting:
        return QStringLiteral("waiting");
    case ModuleConnection::State::NotAvailable: {
        QString reason = m_connection->errorString();
        // The system's reason alone ("No such file or directory") does not say what is missing.
        const QString device = m_connection->deviceName();
        if (!device.isEmpty() && !reason.contains(device))
            reason = reason.isEmpty() ? device : device + QLatin1String(": ") + reason;
        return reason.isEmpty() ? QStringLiteral("not available")
                                : QStringLiteral("not available: ") + reason;
    }
    case ModuleConnection::State::Closed:
    case ModuleConnection::State::Connecting:
        break;
    }
    return {};
}

bool ConnectionTarget::send(const Protocol::Message &message)
{
    return m_connection->send(message);
}

bool ConnectionTarget::sendLatest(const Protocol::Message &message, bool *replaced)
{
    return m_connection->sendLatest(message, replaced);
}

void ConnectionTarget::request(const Protocol::Message &message, int waits, QObject *context,
                               ReplyHandler handler)
{
    ModuleRequest *request = m_connection->request(message, waits, nullptr, this);
    ++m_requests;
    connect(request, &ModuleRequest::finished, this,
            [this, request, guard = QPointer<QObject>(context), handler] {
                --m_requests;
                request->deleteLater();
                if (!guard)
                    return;
                switch (request->outcome()) {
                case ModuleRequest::Outcome::Done:
                    handler(Outcome::Done, request->reply());
                    return;
                case ModuleRequest::Outcome::NoReply:
                    handler(Outcome::NoReply, QByteArray());
                    return;
                case ModuleRequest::Outcome::Pending:
                case ModuleRequest::Outcome::PortUnavailable:
                case ModuleRequest::Outcome::Cancelled:
                    handler(Outcome::Unavailable, QByteArray());
                    return;
                }
            });
}

// While a request waits, the answer is the request's; otherwise whatever the module says is
// handed on.
void ConnectionTarget::readyRead()
{
    if (m_requests > 0)
        return;
    const QByteArray bytes = m_connection->input();
    if (!bytes.isEmpty())
        emit received(bytes);
}
