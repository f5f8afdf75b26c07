#include "busservice.h"

#include "busnames.h"
#include "modulerequest.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QFile>

namespace {

constexpr char PropertiesInterface[] = "org.freedesktop.DBus.Properties";
constexpr char UnknownInterface[] = "org.freedesktop.DBus.Error.UnknownInterface";
constexpr char UnknownMethod[] = "org.freedesktop.DBus.Error.UnknownMethod";
constexpr char UnknownProperty[] = "org.freedesktop.DBus.Error.UnknownProperty";
constexpr char PropertyReadOnly[] = "org.freedesktop.DBus.Error.PropertyReadOnly";

// The interface as the committed introspection file describes it, without its <node>: the bus
// adds the standard interfaces around it.
QString interfaceXml()
{
    QFile file(QStringLiteral(":/bus/org.glyphsmith.Glyphsmith1.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString xml = QString::fromUtf8(file.readAll());
    const qsizetype begin = xml.indexOf(QLatin1String("<interface "));
    const QLatin1String endTag("</interface>");
    const qsizetype end = xml.lastIndexOf(endTag);
    return begin < 0 || end < begin ? QString() : xml.mid(begin, end + endTag.size() - begin);
}

QVariantMap settingsMap(const Protocol::Settings &settings)
{
    QVariantMap map;
    if (settings.modeIndex && !settings.modeNotStored)
        map.insert(QStringLiteral("mode"), *settings.modeIndex);
    if (settings.speedIndex && !settings.speedNotStored)
        map.insert(QStringLiteral("speed"), *settings.speedIndex + 1);
    if (settings.message && !settings.messageNotStored)
        map.insert(QStringLiteral("message"), *settings.message);
    return map;
}

} // namespace

BusService::BusService(ModuleConnection &connection, Hooks hooks, QObject *parent)
    : QDBusVirtualObject(parent)
    , m_connection(connection)
    , m_hooks(std::move(hooks))
{
    Bus::registerTypes();
    m_player.setConnection(&m_connection);
    connect(&m_connection, &ModuleConnection::messageHandedOver, this, &BusService::handedOver);
    connect(&m_connection, &ModuleConnection::stateChanged, this, &BusService::connectionChanged);
    connect(&m_connection, &ModuleConnection::targetChanged, this, &BusService::connectionChanged);
    connect(&m_player, &FramePlayer::interrupted, this, [this] { m_playInterrupted = true; });
    connect(&m_player, &FramePlayer::sendFailed, this, [this] { m_playFailed = true; });
    // interrupted() and sendFailed() come after stopped(): the outcome is settled afterwards.
    connect(&m_player, &FramePlayer::stopped, this, [this] {
        QMetaObject::invokeMethod(this, &BusService::playStopped, Qt::QueuedConnection);
    });
    m_announced = propertyValues();
}

BusService::~BusService()
{
    withdraw();
}

bool BusService::offer(const QDBusConnection &bus)
{
    withdraw();
    QDBusConnection connection = bus;
    if (!connection.registerVirtualObject(QLatin1String(Bus::Path), this,
                                          QDBusConnection::SingleNode))
        return false;
    // The object is there before the name, so that no caller finds the name without it.
    if (!connection.registerService(QLatin1String(Bus::Service))) {
        connection.unregisterObject(QLatin1String(Bus::Path));
        return false;
    }
    m_bus = connection;
    return true;
}

void BusService::withdraw()
{
    if (!m_bus)
        return;
    m_player.stop();
    m_bus->unregisterService(QLatin1String(Bus::Service));
    m_bus->unregisterObject(QLatin1String(Bus::Path));
    m_bus.reset();
}

QString BusService::state() const
{
    switch (m_connection.state()) {
    case ModuleConnection::State::Open:
        return QLatin1String(Bus::State::Open);
    case ModuleConnection::State::Connecting:
        return QLatin1String(Bus::State::Connecting);
    case ModuleConnection::State::Waiting:
        return QLatin1String(Bus::State::Waiting);
    case ModuleConnection::State::NotAvailable:
        return QLatin1String(Bus::State::NotAvailable);
    case ModuleConnection::State::Closed:
        break;
    }
    return QLatin1String(Bus::State::Closed);
}

QString BusService::detail() const
{
    return m_connection.isOpen() ? QString() : m_connection.failureDetail();
}

QVariantMap BusService::propertyValues() const
{
    return {{QStringLiteral("State"), state()},
            {QStringLiteral("Detail"), detail()},
            {QStringLiteral("CommPort"), m_connection.commPort()},
            {QStringLiteral("Device"), m_connection.deviceName()},
            {QStringLiteral("Version"), QCoreApplication::applicationVersion()}};
}

QString BusService::introspect(const QString &path) const
{
    return path == QLatin1String(Bus::Path) ? interfaceXml() : QString();
}

bool BusService::handleMessage(const QDBusMessage &message, const QDBusConnection &)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    if (message.interface() == QLatin1String(PropertiesInterface)) {
        properties(message);
        return true;
    }
    if (!message.interface().isEmpty() && message.interface() != QLatin1String(Bus::Interface))
        return false;
    const QString method = message.member();
    if (method == QLatin1String("Open") && message.signature() == QLatin1String("s")) {
        reply(message);
        const QString file = message.arguments().constFirst().toString();
        // After the answer: opening may ask the user first, and the caller need not wait.
        QMetaObject::invokeMethod(
            this,
            [this, file] {
                if (m_hooks.open)
                    m_hooks.open(file);
            },
            Qt::QueuedConnection);
        return true;
    }
    if (method == QLatin1String("Activate") && message.signature().isEmpty()) {
        reply(message);
        if (m_hooks.activate)
            QMetaObject::invokeMethod(this, m_hooks.activate, Qt::QueuedConnection);
        return true;
    }
    if (const BusCommand *command = findBusCommand(method)) {
        if (message.signature() != QLatin1String(command->signature)) {
            fail(message, Bus::Error::InvalidArgs,
                 tr("%1 takes (%2), not (%3)")
                     .arg(method, QLatin1String(command->signature), message.signature()));
            return true;
        }
        run(*command, message);
        return true;
    }
    fail(message, UnknownMethod,
         tr("%1 has no method %2").arg(QLatin1String(Bus::Interface), method));
    return true;
}

QString BusService::notOpen() const
{
    const QString port = m_connection.portName();
    return port.isEmpty() ? tr("the program holds no module (%1)").arg(state())
                          : tr("the program's port %1 is not open (%2)").arg(port, state());
}

void BusService::run(const BusCommand &command, const QDBusMessage &call)
{
    QString error;
    const auto action = command.build(call.arguments(), &error);
    if (!action) {
        fail(call, Bus::Error::InvalidArgs, error);
        return;
    }
    if (!m_connection.isOpen()) {
        fail(call, Bus::Error::NotOpen, notOpen());
        return;
    }
    switch (command.kind) {
    case BusCommand::Kind::Send:
    case BusCommand::Kind::SendLatest:
        send(command, *action, call);
        return;
    case BusCommand::Kind::Acknowledge:
    case BusCommand::Kind::Settings:
    case BusCommand::Kind::Request:
        request(command, *action, call);
        return;
    case BusCommand::Kind::Play:
        play(*action, call);
        return;
    }
}

void BusService::send(const BusCommand &command, const BusAction &action, const QDBusMessage &call)
{
    const bool queued = command.kind == BusCommand::Kind::SendLatest
                            ? m_connection.sendLatest(action.message)
                            : m_connection.send(action.message);
    if (!queued) {
        fail(call, Bus::Error::Lost, m_connection.failureDetail());
        return;
    }
    const quint64 ticket = m_connection.messagesQueued();
    if (m_connection.messagesHandedOver() >= ticket)
        reply(call);
    else
        m_waiting.append({ticket, call});
}

void BusService::handedOver(quint64 count)
{
    while (!m_waiting.isEmpty() && m_waiting.constFirst().ticket <= count)
        reply(m_waiting.takeFirst().call);
}

void BusService::request(const BusCommand &command, const BusAction &action,
                         const QDBusMessage &call)
{
    ModuleRequest *request = m_connection.request(action.message, action.waits, nullptr, this);
    const BusCommand::Kind kind = command.kind;
    connect(request, &ModuleRequest::finished, this, [this, request, kind, call] {
        request->deleteLater();
        const QByteArray answer = request->reply();
        switch (request->outcome()) {
        case ModuleRequest::Outcome::Done:
            break;
        case ModuleRequest::Outcome::NoReply:
            fail(call, Bus::Error::NoReply,
                 tr("no reply from the module on %1").arg(m_connection.portName()));
            return;
        case ModuleRequest::Outcome::Pending:
        case ModuleRequest::Outcome::PortUnavailable:
        case ModuleRequest::Outcome::Cancelled:
            fail(call, Bus::Error::Lost,
                 tr("the port closed before the module answered: %1").arg(notOpen()));
            return;
        }
        switch (kind) {
        case BusCommand::Kind::Acknowledge:
            if (!Protocol::isAcknowledge(answer)) {
                fail(call, Bus::Error::Refused,
                     tr("the module refused: it answered %1")
                         .arg(Protocol::hexString(answer.left(8))));
                return;
            }
            reply(call);
            return;
        case BusCommand::Kind::Settings:
            reply(call, {settingsMap(Protocol::decodeSettings(answer)), answer});
            return;
        default:
            reply(call, {answer});
            return;
        }
    });
}

// One animation at a time: a new one takes the module from the one playing.
void BusService::play(const BusAction &action, const QDBusMessage &call)
{
    if (m_playCall) {
        const QDBusMessage previous = *std::exchange(m_playCall, std::nullopt);
        m_player.stop();
        fail(previous, Bus::Error::Interrupted, tr("another animation took the module"));
    }
    m_playInterrupted = m_playFailed = false;
    m_playCall = call;
    m_player.setFrames(action.frames);
    m_player.start();
}

void BusService::playStopped()
{
    if (!m_playCall || m_player.isPlaying())
        return;
    const QDBusMessage call = *std::exchange(m_playCall, std::nullopt);
    if (m_playInterrupted) {
        fail(call, Bus::Error::Interrupted,
             tr("another message was sent to the module while the animation played"));
        return;
    }
    if (m_playFailed || !m_connection.isOpen()) {
        fail(
            call, Bus::Error::Lost,
            tr("the port closed while the animation played: %1").arg(m_connection.failureDetail()));
        return;
    }
    // Over once the last frame has been handed to the line.
    const quint64 ticket = m_connection.messagesQueued();
    if (m_connection.messagesHandedOver() >= ticket)
        reply(call);
    else
        m_waiting.append({ticket, call});
}

void BusService::connectionChanged()
{
    if (!m_connection.isOpen())
        failWaiting();
    const QVariantMap values = propertyValues();
    if (values == m_announced)
        return;
    QVariantMap changed;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (m_announced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    const bool stateChanged =
        values.value(QStringLiteral("State")) != m_announced.value(QStringLiteral("State")) ||
        values.value(QStringLiteral("Detail")) != m_announced.value(QStringLiteral("Detail"));
    m_announced = values;
    if (!m_bus)
        return;
    QDBusMessage properties =
        QDBusMessage::createSignal(QLatin1String(Bus::Path), QLatin1String(PropertiesInterface),
                                   QStringLiteral("PropertiesChanged"));
    properties << QLatin1String(Bus::Interface) << changed << QStringList();
    m_bus->send(properties);
    if (stateChanged) {
        QDBusMessage signal =
            QDBusMessage::createSignal(QLatin1String(Bus::Path), QLatin1String(Bus::Interface),
                                       QStringLiteral("StateChanged"));
        signal << state() << detail();
        m_bus->send(signal);
    }
}

// Messages still waiting for the line when the port closed were dropped with it.
void BusService::failWaiting()
{
    const QList<Waiting> waiting = std::exchange(m_waiting, {});
    for (const Waiting &entry : waiting)
        fail(entry.call, Bus::Error::Lost,
             tr("the port closed before the message left: %1").arg(notOpen()));
}

void BusService::properties(const QDBusMessage &call)
{
    const QList<QVariant> arguments = call.arguments();
    const QString member = call.member();
    const QString interface = arguments.value(0).toString();
    if (member == QLatin1String("GetAll") && call.signature() == QLatin1String("s")) {
        if (interface != QLatin1String(Bus::Interface)) {
            fail(call, UnknownInterface, tr("no interface %1 here").arg(interface));
            return;
        }
        reply(call, {propertyValues()});
        return;
    }
    if (member == QLatin1String("Get") && call.signature() == QLatin1String("ss")) {
        const QVariantMap values = propertyValues();
        const QString name = arguments.value(1).toString();
        if (interface != QLatin1String(Bus::Interface) || !values.contains(name)) {
            fail(call, UnknownProperty, tr("no property %1.%2 here").arg(interface, name));
            return;
        }
        reply(call, {QVariant::fromValue(QDBusVariant(values.value(name)))});
        return;
    }
    if (member == QLatin1String("Set")) {
        fail(call, PropertyReadOnly, tr("the properties can only be read"));
        return;
    }
    fail(call, UnknownMethod, tr("no method %1 here").arg(member));
}

void BusService::reply(const QDBusMessage &call, const QVariantList &arguments)
{
    if (m_bus)
        m_bus->send(call.createReply(arguments));
}

void BusService::fail(const QDBusMessage &call, const char *error, const QString &text)
{
    if (m_bus)
        m_bus->send(call.createErrorReply(QLatin1String(error), text));
}
