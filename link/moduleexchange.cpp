#include "moduleexchange.h"

#include "endpoint.h"
#include "linepacer.h"
#include "modulerequest.h"

namespace {
constexpr char ModuleLine[] = "9600,n,8,1";
// Bytes in flight raise no event when they arrive at the far side, so the wait for them looks
// again this often.
constexpr std::chrono::milliseconds SendCheck{2};
constexpr std::chrono::milliseconds FarLineMargin{100};
} // namespace

ModuleExchange::ModuleExchange(QObject *parent)
    : QObject(parent)
{
    m_connection.setSettings(QLatin1String(ModuleLine));
    m_connection.setReconnecting(false);
    m_sendCheck.setInterval(SendCheck);
    connect(&m_sendCheck, &QTimer::timeout, this, &ModuleExchange::checkSent);
    m_lineTime.setSingleShot(true);
    connect(&m_lineTime, &QTimer::timeout, this, [this] { finish(Outcome::Done); });
    connect(&m_connection, &ModuleConnection::opened, this, &ModuleExchange::opened);
    connect(&m_connection, &ModuleConnection::openFailed, this, &ModuleExchange::unavailable);
    connect(&m_connection, &ModuleConnection::lost, this, &ModuleExchange::unavailable);
}

void ModuleExchange::start(const QString &device, const Protocol::Message &message, int waits)
{
    cancel();
    m_running = true;
    m_message = message;
    m_waits = waits;
    m_network = Endpoint::looksLikeUrl(device);
    m_reply.clear();
    m_failure = LinkFailure::None;
    m_errorString.clear();
    if (!m_connection.openDevice(device)) {
        // Said from the event loop, as every other ending is.
        QMetaObject::invokeMethod(this, &ModuleExchange::unavailable, Qt::QueuedConnection);
        return;
    }
    if (m_connection.isOpen())
        opened();
}

void ModuleExchange::opened()
{
    if (!m_running || m_request)
        return;
    m_request = m_connection.request(m_message, m_waits, nullptr, this);
    connect(m_request, &ModuleRequest::finished, this, &ModuleExchange::requestFinished);
}

void ModuleExchange::requestFinished()
{
    ModuleRequest *request = m_request;
    if (!request || !m_running)
        return;
    m_request = nullptr;
    request->deleteLater();
    switch (request->outcome()) {
    case ModuleRequest::Outcome::Done:
        if (m_waits > 0) {
            m_reply = request->reply();
            finish(Outcome::Done);
            return;
        }
        m_sendDeadline.setRemainingTime(SendTimeout);
        m_sendCheck.start();
        checkSent();
        return;
    case ModuleRequest::Outcome::NoReply:
        finish(Outcome::NoReply);
        return;
    case ModuleRequest::Outcome::PortUnavailable:
        unavailable();
        return;
    case ModuleRequest::Outcome::Pending:
    case ModuleRequest::Outcome::Cancelled:
        finish(Outcome::Cancelled);
        return;
    }
}

void ModuleExchange::checkSent()
{
    if (!m_running)
        return;
    if (!m_connection.isOpen()) {
        unavailable();
        return;
    }
    if (!m_connection.allSent()) {
        if (!m_sendDeadline.hasExpired())
            return;
        m_failure = LinkFailure::NoAnswer;
        m_errorString =
            tr("the far side did not take the message within %1 s").arg(SendTimeout.count() / 1000);
        finish(Outcome::PortUnavailable);
        return;
    }
    m_sendCheck.stop();
    if (!m_network) {
        finish(Outcome::Done);
        return;
    }
    // The far side's serial port may drop what it has not put on its line yet when the
    // connection closes (ser2net flushes it): the connection is held until the message has had
    // time to leave that line.
    m_lineTime.start(std::chrono::duration_cast<std::chrono::milliseconds>(
                         LinePacer::DefaultByteTime * m_message.bytes().size()) +
                     FarLineMargin);
}

void ModuleExchange::unavailable()
{
    if (!m_running)
        return;
    if (m_failure == LinkFailure::None) {
        m_failure = m_connection.failure();
        m_errorString = m_connection.errorString();
    }
    finish(Outcome::PortUnavailable);
}

void ModuleExchange::cancel()
{
    if (m_running)
        finish(Outcome::Cancelled);
}

void ModuleExchange::finish(Outcome outcome)
{
    if (!m_running)
        return;
    m_running = false;
    m_outcome = outcome;
    m_sendCheck.stop();
    m_lineTime.stop();
    if (m_request) {
        disconnect(m_request, nullptr, this, nullptr);
        m_request->cancel();
        m_request->deleteLater();
        m_request = nullptr;
    }
    m_connection.close();
    emit finished(outcome);
}
