#include "sendchannel.h"

#include "busclient.h"
#include "busnames.h"
#include "endpoint.h"
#include "linepacer.h"
#include "modulerequest.h"

#include <QCoreApplication>

namespace {

constexpr char ModuleLine[] = "9600,n,8,1";
// Bytes in flight raise no event when they leave, so the wait for them looks this often.
constexpr std::chrono::milliseconds SendCheck{2};
constexpr std::chrono::milliseconds FarLineMargin{100};
// How long the program may take to answer: it answers a message once its line has taken it.
constexpr int BusTimeout = 10000;

} // namespace

LinkChannel::LinkChannel(const QString &device, QObject *parent)
    : SendChannel(parent)
    , m_device(device)
{
    m_connection.setSettings(QLatin1String(ModuleLine));
    m_connection.setReconnecting(false);
    m_sendCheck.setInterval(SendCheck);
    connect(&m_sendCheck, &QTimer::timeout, this, &LinkChannel::checkSent);
    m_lineTime.setSingleShot(true);
    connect(&m_lineTime, &QTimer::timeout, this, [this] { close(Outcome()); });
    connect(&m_connection, &ModuleConnection::opened, this, &LinkChannel::opened);
    connect(&m_connection, &ModuleConnection::openFailed, this, &LinkChannel::unavailable);
    connect(&m_connection, &ModuleConnection::lost, this, &LinkChannel::unavailable);
    // From the event loop: a message handed over within send() must not end its request (and
    // start the caller's next) before send() has returned.
    connect(&m_connection, &ModuleConnection::messageHandedOver, this, &LinkChannel::handedOver,
            Qt::QueuedConnection);
    connect(&m_player, &FramePlayer::sendFailed, this, &LinkChannel::unavailable);
    // stopped() comes before sendFailed(): what it meant is settled afterwards.
    connect(&m_player, &FramePlayer::stopped, this, [this] {
        QMetaObject::invokeMethod(this, &LinkChannel::playStopped, Qt::QueuedConnection);
    });
    m_player.setConnection(&m_connection);
}

LinkChannel::~LinkChannel()
{
    m_player.stop();
}

void LinkChannel::submit(const SendRequest &request)
{
    m_pending.append({request, 0, false});
    if (m_failed) {
        QMetaObject::invokeMethod(this, &LinkChannel::unavailable, Qt::QueuedConnection);
        return;
    }
    if (m_connection.isOpen()) {
        start(m_pending.last());
        return;
    }
    if (m_opening)
        return;
    m_opening = true;
    if (!m_connection.openDevice(m_device)) {
        // Said from the event loop, as every other ending is.
        QMetaObject::invokeMethod(this, &LinkChannel::unavailable, Qt::QueuedConnection);
        return;
    }
    if (m_connection.isOpen())
        opened();
}

void LinkChannel::opened()
{
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        if (!m_pending.at(i).started)
            start(m_pending[i]);
    }
}

void LinkChannel::start(Pending &pending)
{
    pending.started = true;
    const SendRequest &request = pending.request;
    if (request.animation) {
        m_player.setFrames(request.animation->frames);
        m_player.start();
        return;
    }
    if (request.reply != SendRequest::Reply::None) {
        ModuleRequest *exchange =
            m_connection.request(request.message, request.waits, nullptr, this);
        connect(exchange, &ModuleRequest::finished, this,
                [this, exchange] { requestFinished(exchange); });
        return;
    }
    const qsizetype size = request.message.bytes().size();
    if (!m_connection.send(request.message)) {
        QMetaObject::invokeMethod(this, &LinkChannel::unavailable, Qt::QueuedConnection);
        return;
    }
    pending.ticket = m_connection.messagesQueued();
    m_lastSizes.append(size);
    if (m_lastSizes.size() > Window)
        m_lastSizes.removeFirst();
    // Said from the event loop, as every other ending is: the message may have gone already.
    QMetaObject::invokeMethod(this, &LinkChannel::handedOver, Qt::QueuedConnection);
}

void LinkChannel::handedOver()
{
    while (!m_pending.isEmpty() && m_pending.constFirst().started &&
           m_pending.constFirst().ticket > 0 &&
           m_pending.constFirst().ticket <= m_connection.messagesHandedOver())
        complete(Outcome());
}

void LinkChannel::playStopped()
{
    if (m_failed || m_pending.isEmpty() || !m_pending.constFirst().request.animation ||
        m_player.isPlaying())
        return;
    if (!m_connection.isOpen()) {
        unavailable();
        return;
    }
    // Over once the last frame has been handed to the line.
    m_pending.first().ticket = m_connection.messagesQueued();
    m_lastSizes = {Protocol::ColumnCount + 1};
    handedOver();
}

void LinkChannel::requestFinished(ModuleRequest *request)
{
    request->deleteLater();
    if (m_failed || m_pending.isEmpty())
        return;
    const QByteArray reply = request->reply();
    switch (request->outcome()) {
    case ModuleRequest::Outcome::Done:
        break;
    case ModuleRequest::Outcome::NoReply:
        complete(
            {ExitStatus::NoReply, tr("no reply from the module on %1").arg(m_device), {}, false});
        return;
    case ModuleRequest::Outcome::PortUnavailable:
        unavailable();
        return;
    case ModuleRequest::Outcome::Pending:
    case ModuleRequest::Outcome::Cancelled:
        complete({ExitStatus::PortUnavailable, tr("interrupted"), {}, false});
        return;
    }
    if (m_pending.constFirst().request.reply == SendRequest::Reply::Acknowledge &&
        !Protocol::isAcknowledge(reply)) {
        complete({ExitStatus::Refused,
                  tr("the module refused: it answered %1").arg(Protocol::hexString(reply.left(8))),
                  {},
                  false});
        return;
    }
    complete({ExitStatus::Done, QString(), reply, false});
}

// A network port's reasons name the endpoint already.
QString LinkChannel::unavailableReason() const
{
    const QString reason =
        m_connection.errorString().isEmpty() ? tr("the port closed") : m_connection.errorString();
    return reason.startsWith(m_device) ? reason
                                       : tr("%1 is not available: %2").arg(m_device, reason);
}

void LinkChannel::unavailable()
{
    if (m_failed || m_closed)
        return;
    m_failed = true;
    m_player.stop();
    const Outcome outcome{ExitStatus::PortUnavailable, unavailableReason(), {}, false};
    if (m_finishing) {
        close(outcome);
        return;
    }
    if (!m_pending.isEmpty())
        complete(outcome);
}

void LinkChannel::complete(const Outcome &outcome)
{
    if (m_pending.isEmpty())
        return;
    m_pending.removeFirst();
    emit done(outcome);
}

void LinkChannel::finish()
{
    m_finishing = true;
    if (m_closed)
        return;
    // Nothing was opened, or the port failed and that was said already.
    if (!m_opening || m_failed) {
        close(Outcome());
        return;
    }
    m_sendDeadline.setRemainingTime(SendTimeout);
    m_sendCheck.start();
    checkSent();
}

void LinkChannel::checkSent()
{
    if (m_closed)
        return;
    if (!m_connection.isOpen()) {
        close({ExitStatus::PortUnavailable, unavailableReason(), {}, false});
        return;
    }
    if (!m_connection.allSent()) {
        if (!m_sendDeadline.hasExpired())
            return;
        const QString reason =
            tr("the far side did not take the message within %1 s").arg(SendTimeout.count() / 1000);
        close({ExitStatus::PortUnavailable,
               tr("%1 is not available: %2").arg(m_device, reason),
               {},
               false});
        return;
    }
    m_sendCheck.stop();
    if (!Endpoint::looksLikeUrl(m_device)) {
        close(Outcome());
        return;
    }
    // The far side's serial port may drop what it has not put on its line yet when the
    // connection closes (ser2net flushes it): the connection is held until the last messages
    // have had time to leave that line.
    qsizetype bytes = 0;
    for (const qsizetype size : std::as_const(m_lastSizes))
        bytes += size;
    m_lineTime.start(
        std::chrono::duration_cast<std::chrono::milliseconds>(LinePacer::DefaultByteTime * bytes) +
        FarLineMargin);
}

void LinkChannel::close(const Outcome &outcome)
{
    if (m_closed)
        return;
    m_closed = true;
    m_sendCheck.stop();
    m_lineTime.stop();
    m_player.stop();
    m_connection.close();
    emit finished(outcome);
}

BusChannel::BusChannel(BusClient &client, QObject *parent)
    : SendChannel(parent)
    , m_client(client)
{}

void BusChannel::submit(const SendRequest &request)
{
    int timeout = BusTimeout;
    if (request.animation) {
        for (const Frame &frame : request.animation->frames)
            timeout += frame.durationMs;
    }
    BusCall *call = m_client.call(request.busMethod, request.busArguments, timeout, this);
    connect(call, &BusCall::finished, this, &BusChannel::answered);
    m_calls.append({call, request.reply == SendRequest::Reply::Settings});
}

// The program answers in the order it was asked; answers are handed on in that order all the
// same.
void BusChannel::answered()
{
    while (!m_calls.isEmpty() && m_calls.constFirst().call &&
           m_calls.constFirst().call->isFinished()) {
        const Call entry = m_calls.takeFirst();
        BusCall *call = entry.call;
        call->deleteLater();
        Outcome outcome;
        if (!call->isError()) {
            if (entry.settings)
                outcome.reply = call->arguments().value(1).toByteArray();
            emit done(outcome);
            continue;
        }
        const QString name = call->errorName();
        outcome.error = call->errorMessage();
        if (name == QLatin1String(Bus::Error::Refused))
            outcome.status = ExitStatus::Refused;
        else if (name == QLatin1String(Bus::Error::NoReply))
            outcome.status = ExitStatus::NoReply;
        else if (name == QLatin1String(Bus::Error::InvalidArgs))
            outcome.status = ExitStatus::BadUsage;
        else
            outcome.status = ExitStatus::PortUnavailable;
        outcome.nothingDone = call->reachedNoProgram();
        if (!name.startsWith(QLatin1String("org.glyphsmith.")) && !outcome.nothingDone)
            outcome.error = tr("the program did not answer: %1").arg(outcome.error);
        emit done(outcome);
    }
}

void BusChannel::finish()
{
    QMetaObject::invokeMethod(
        this, [this] { emit finished(Outcome()); }, Qt::QueuedConnection);
}
