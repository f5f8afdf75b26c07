#include "busclient.h"

#include "busnames.h"
#include "endpoint.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr int PropertiesTimeout = 2000;

QString pathForm(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

QString endpointForm(Endpoint endpoint)
{
    endpoint.password.clear();
    endpoint.host = endpoint.host.toLower();
    return endpoint.toString();
}

} // namespace

bool sameModule(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const auto first = Endpoint::parse(a);
    const auto second = Endpoint::parse(b);
    if (!first || !second || first->isNetwork() != second->isNetwork())
        return false;
    if (first->isNetwork())
        return endpointForm(*first) == endpointForm(*second);
    return pathForm(first->path) == pathForm(second->path);
}

BusCall::BusCall(const QDBusPendingCall &call, QObject *parent)
    : QObject(parent)
    , m_watcher(call)
{
    connect(&m_watcher, &QDBusPendingCallWatcher::finished, this, [this] {
        const QDBusMessage reply = m_watcher.reply();
        m_reply = reply;
        if (reply.type() == QDBusMessage::ErrorMessage) {
            m_errorName = reply.errorName();
            m_errorMessage = reply.errorMessage();
        } else {
            m_arguments = reply.arguments();
        }
        m_finished = true;
        emit finished();
    });
}

bool BusCall::reachedNoProgram() const
{
    static const QStringList nothingDone = {
        QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
        QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
        QStringLiteral("org.freedesktop.DBus.Error.Disconnected"),
        QLatin1String(Bus::Error::NotOpen)};
    return nothingDone.contains(m_errorName);
}

bool BusClient::Port::isOpen() const
{
    return state == QLatin1String(Bus::State::Open);
}

BusClient::BusClient(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    Bus::registerTypes();
}

namespace {

QDBusMessage getAll()
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        QLatin1String(Bus::Service), QLatin1String(Bus::Path),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    get << QLatin1String(Bus::Interface);
    return get;
}

std::optional<BusClient::Port> portFrom(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    const QDBusReply<QVariantMap> values(reply);
    if (!values.isValid())
        return std::nullopt;
    const QVariantMap map = values.value();
    return BusClient::Port{map.value(QStringLiteral("State")).toString(),
                           map.value(QStringLiteral("Detail")).toString(),
                           map.value(QStringLiteral("CommPort")).toInt(),
                           map.value(QStringLiteral("Device")).toString()};
}

} // namespace

std::optional<BusClient::Port> BusClient::port() const
{
    return portFrom(m_bus.call(getAll(), QDBus::Block, PropertiesTimeout));
}

BusCall *BusClient::fetchPort(QObject *parent)
{
    return new BusCall(m_bus.asyncCall(getAll(), PropertiesTimeout), parent ? parent : this);
}

std::optional<BusClient::Port> BusClient::portOf(const BusCall &call)
{
    return portFrom(call.reply());
}

bool BusClient::holds(const Port &program, const QString &device)
{
    return program.isOpen() && sameModule(program.device, device);
}

BusCall *BusClient::call(const QString &method, const QVariantList &arguments, int timeout,
                         QObject *parent)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(QLatin1String(Bus::Service), QLatin1String(Bus::Path),
                                       QLatin1String(Bus::Interface), method);
    message.setArguments(arguments);
    return new BusCall(m_bus.asyncCall(message, timeout), parent ? parent : this);
}

void BusClient::watch()
{
    if (m_watching)
        return;
    m_watching = true;
    auto *watcher = new QDBusServiceWatcher(QLatin1String(Bus::Service), m_bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &BusClient::changed);
    m_bus.connect(QLatin1String(Bus::Service), QLatin1String(Bus::Path),
                  QLatin1String(Bus::Interface), QStringLiteral("StateChanged"), this,
                  SIGNAL(changed()));
}
