#include "moduleexchange.h"

#include "endpoint.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace {
constexpr char LineSettings[] = "9600,n,8,1";
// Bytes in flight raise no event when they arrive at the far side, so the wait for them looks
// again this often, and gives up after SendTimeout.
constexpr std::chrono::milliseconds SendCheck{2};
constexpr std::chrono::milliseconds SendTimeout{3000};
constexpr std::chrono::milliseconds FarLineMargin{100};
} // namespace

ModuleExchange::ModuleExchange(QObject *parent)
    : QObject(parent)
{
    m_link.setSettings(QLatin1String(LineSettings));
    connect(&m_link, &SerialLink::portLost, this, [this] {
        m_lost = true;
        m_wait.cancel();
    });
}

void ModuleExchange::cancel()
{
    if (!m_running)
        return;
    m_cancelled = true;
    m_wait.cancel();
}

// Dispatches events until `done` or the exchange ends early; false when it did.
bool ModuleExchange::waitUntil(const std::function<bool()> &done)
{
    while (!done()) {
        if (m_cancelled || m_lost)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return !m_cancelled && !m_lost;
}

ModuleExchange::Outcome ModuleExchange::unavailable()
{
    m_failure = m_link.failure();
    m_errorString = m_link.errorString();
    m_link.close();
    m_running = false;
    return Outcome::PortUnavailable;
}

ModuleExchange::Outcome ModuleExchange::run(const QString &device, const Protocol::Message &message,
                                            int waits)
{
    m_running = true;
    m_cancelled = m_lost = false;
    m_reply.clear();
    m_failure = SerialLink::Failure::None;
    m_errorString.clear();

    bool failed = false;
    const auto failedConnection =
        connect(&m_link, &SerialLink::openFailed, this, [&failed] { failed = true; });
    const bool started = m_link.open(device);
    const bool opened = started && waitUntil([&] { return m_link.isOpen() || failed; });
    disconnect(failedConnection);
    if (m_cancelled) {
        m_link.close();
        m_running = false;
        return Outcome::Cancelled;
    }
    if (!opened || !m_link.isOpen())
        return unavailable();

    QTimer sendCheck;
    sendCheck.start(SendCheck);
    const QDeadlineTimer sendDeadline(SendTimeout);
    const bool sent = m_link.output(message) &&
                      waitUntil([&] { return m_link.allSent() || sendDeadline.hasExpired(); }) &&
                      m_link.allSent();
    sendCheck.stop();
    if (!sent && !m_cancelled && m_link.isOpen() && !m_lost) {
        m_link.close();
        m_running = false;
        m_failure = SerialLink::Failure::NoAnswer;
        m_errorString =
            tr("the far side did not take the message within %1 s").arg(SendTimeout.count() / 1000);
        return Outcome::PortUnavailable;
    }
    if (!sent) {
        if (!m_cancelled)
            return unavailable();
        m_link.close();
        m_running = false;
        return Outcome::Cancelled;
    }
    for (int wait = 0; wait < waits; ++wait) {
        if (!m_wait.WaitForReply())
            break;
    }
    if (waits == 0 && Endpoint::looksLikeUrl(device)) {
        // The far side's serial port may drop what it has not put on its line yet when the
        // connection closes (ser2net flushes it): the connection is held until the message has
        // had time to leave that line.
        QTimer lineTime;
        lineTime.setSingleShot(true);
        lineTime.start(std::chrono::duration_cast<std::chrono::milliseconds>(
                           LinePacer::DefaultByteTime * message.bytes().size()) +
                       FarLineMargin);
        waitUntil([&] { return !lineTime.isActive(); });
    }
    if (m_lost)
        return unavailable();
    if (m_cancelled) {
        m_link.close();
        m_running = false;
        return Outcome::Cancelled;
    }
    m_reply = m_link.input();
    m_link.close();
    m_running = false;
    if (waits > 0 && m_reply.isEmpty())
        return Outcome::NoReply;
    return Outcome::Done;
}
