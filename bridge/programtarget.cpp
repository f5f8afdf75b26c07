#include "programtarget.h"

#include "busnames.h"
#include "portresolver.h"

#include <QPointer>
#include <QRegularExpression>

namespace {
// How long the program may take to take a message: it answers once its line has taken it.
constexpr int CallTimeout = 10000;
} // namespace

QString moduleDevice(const QString &port)
{
    static const QRegularExpression comNumber(QStringLiteral("^COM([1-6])$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const auto match = comNumber.match(port);
    if (!match.hasMatch())
        return port;
    return PortResolver::devicePath(match.captured(1).toInt()).value_or(QString());
}

ProgramTarget::ProgramTarget(const QDBusConnection &bus, const QString &device, QObject *parent)
    : ModuleTarget(parent)
    , m_client(bus)
    , m_device(device)
{
    connect(&m_client, &BusClient::changed, this, &ProgramTarget::refresh);
}

void ProgramTarget::start()
{
    m_started = true;
    m_client.watch();
    refresh();
}

void ProgramTarget::stop()
{
    m_started = false;
    m_known = false;
    m_program.reset();
    emit stateChanged();
}

// The program is asked again whenever it comes, goes or says its port changed; one question at
// a time, and one more after it when something changed meanwhile.
void ProgramTarget::refresh()
{
    if (!m_started)
        return;
    if (m_fetch) {
        m_fetchAgain = true;
        return;
    }
    m_fetch = m_client.fetchPort(this);
    connect(m_fetch, &BusCall::finished, this, &ProgramTarget::fetched);
}

void ProgramTarget::fetched()
{
    BusCall *call = std::exchange(m_fetch, nullptr);
    call->deleteLater();
    if (!m_started)
        return;
    m_program = BusClient::portOf(*call);
    m_known = true;
    emit stateChanged();
    if (std::exchange(m_fetchAgain, false))
        refresh();
}

bool ProgramTarget::isOpen() const
{
    return m_started && m_program && BusClient::holds(*m_program, m_device);
}

QString ProgramTarget::state() const
{
    return isOpen() ? QStringLiteral("open") : QString();
}

bool ProgramTarget::call(const char *method, const Protocol::Message &message)
{
    if (!isOpen())
        return false;
    BusCall *call = m_client.call(QLatin1String(method),
                                  {QVariant::fromValue(uchar(message.command)), message.payload},
                                  CallTimeout, this);
    connect(call, &BusCall::finished, call, &QObject::deleteLater);
    return true;
}

bool ProgramTarget::send(const Protocol::Message &message)
{
    return call("Send", message);
}

bool ProgramTarget::sendLatest(const Protocol::Message &message, bool *replaced)
{
    if (replaced)
        *replaced = false;
    return call("SendLatest", message);
}

void ProgramTarget::request(const Protocol::Message &message, int waits, QObject *context,
                            ReplyHandler handler)
{
    if (!isOpen()) {
        QMetaObject::invokeMethod(
            this,
            [guard = QPointer<QObject>(context), handler] {
                if (guard)
                    handler(Outcome::Unavailable, QByteArray());
            },
            Qt::QueuedConnection);
        return;
    }
    BusCall *call = m_client.call(
        QStringLiteral("Request"),
        {QVariant::fromValue(uchar(message.command)), message.payload, uint(std::max(1, waits))},
        CallTimeout, this);
    connect(call, &BusCall::finished, this, [call, guard = QPointer<QObject>(context), handler] {
        call->deleteLater();
        if (!guard)
            return;
        if (!call->isError())
            handler(Outcome::Done, call->arguments().value(0).toByteArray());
        else if (call->errorName() == QLatin1String(Bus::Error::NoReply))
            handler(Outcome::NoReply, QByteArray());
        else
            handler(Outcome::Unavailable, QByteArray());
    });
}

SharedTarget::SharedTarget(const QString &port, const QDBusConnection &bus, QObject *parent)
    : ModuleTarget(parent)
    , m_own(new ConnectionTarget(port, this))
    , m_program(new ProgramTarget(bus, moduleDevice(port), this))
{
    connect(m_own, &ModuleTarget::stateChanged, this, [this] {
        if (!throughProgram())
            emit stateChanged();
    });
    connect(m_own, &ModuleTarget::received, this, &ModuleTarget::received);
    connect(m_program, &ModuleTarget::stateChanged, this, &SharedTarget::programChanged);
}

ModuleTarget &SharedTarget::active() const
{
    return throughProgram() ? static_cast<ModuleTarget &>(*m_program) : *m_own;
}

// The bridge's own connection waits for the program's first answer, so that it does not reach
// for a port the program holds.
void SharedTarget::start()
{
    m_started = true;
    m_program->start();
}

void SharedTarget::stop()
{
    m_started = false;
    m_ownStarted = false;
    m_own->stop();
    m_program->stop();
}

// The program holds the port now, or let it go: the bridge's own connection, which could not
// have it meanwhile, stops trying, or takes it again.
void SharedTarget::programChanged()
{
    if (!m_started || !m_program->isKnown())
        return;
    if (throughProgram()) {
        if (std::exchange(m_ownStarted, false))
            m_own->stop();
    } else if (!m_ownStarted) {
        m_ownStarted = true;
        m_own->start();
    }
    emit stateChanged();
}

bool SharedTarget::isOpen() const
{
    return active().isOpen();
}

QString SharedTarget::state() const
{
    return active().state();
}

bool SharedTarget::send(const Protocol::Message &message)
{
    return active().send(message);
}

bool SharedTarget::sendLatest(const Protocol::Message &message, bool *replaced)
{
    return active().sendLatest(message, replaced);
}

void SharedTarget::request(const Protocol::Message &message, int waits, QObject *context,
                           ReplyHandler handler)
{
    active().request(message, waits, context, std::move(handler));
}
