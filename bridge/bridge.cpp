#include "bridge.h"

#include "busnames.h"
#include "discovery.h"
#include "moduleconnection.h"
#include "programtarget.h"

#include <QSet>

#include <algorithm>

namespace {
constexpr char Online[] = "online";
constexpr char Offline[] = "offline";
} // namespace

Bridge::Bridge(const BridgeConfig &config, TargetFactory factory, QObject *parent)
    : QObject(parent)
    , m_config(config)
{
    MqttOptions options = config.broker;
    options.willTopic = bridgeStateTopic();
    options.willPayload = Offline;
    m_client.setOptions(options);
    m_client.setReconnecting(true);
    connect(&m_client, &MqttClient::connected, this, &Bridge::connected);
    connect(&m_client, &MqttClient::disconnected, this, &Bridge::disconnected);
    connect(&m_client, &MqttClient::messageReceived, this,
            [this](const QString &topic, const QByteArray &payload) { received(topic, payload); });

    if (!factory) {
        // With a session bus, a module whose port the desktop program holds is reached through
        // the program.
        factory = [gap = config.idleGapMs, bus = Bus::sessionBus()](
                      const BridgeModule &module) -> std::unique_ptr<ModuleTarget> {
            const auto setGap = [gap](ConnectionTarget &target) {
                if (gap)
                    target.connection().setIdleGap(std::chrono::milliseconds(*gap));
            };
            if (bus) {
                auto target = std::make_unique<SharedTarget>(module.port, *bus);
                setGap(target->own());
                return target;
            }
            auto target = std::make_unique<ConnectionTarget>(module.port);
            setGap(*target);
            return target;
        };
    }
    for (const BridgeModule &module : config.modules) {
        auto *runner = new ModuleRunner(
            module.name, config.baseTopic + u'/' + module.name, module.library, factory(module),
            [this](const QString &topic, const QByteArray &payload, bool retain) {
                publish(topic, payload, retain);
            },
            this);
        connect(runner, &ModuleRunner::refused, this, [this, runner](const QString &reason) {
            emit logged(tr("%1: refused %2").arg(runner->name(), reason));
        });
        connect(runner, &ModuleRunner::stateChanged, this, [this, runner](const QString &state) {
            emit logged(QStringLiteral("%1: %2").arg(runner->name(), state));
        });
        m_runners.append(runner);

        auto *stateClient = new MqttClient(this);
        MqttOptions stateOptions = config.broker;
        stateOptions.willTopic = runner->topicPrefix() + QLatin1String("/state");
        stateOptions.willPayload = Offline;
        if (!stateOptions.clientId.isEmpty())
            stateOptions.clientId += u'/' + module.name;
        stateClient->setOptions(stateOptions);
        stateClient->setReconnecting(true);
        connect(stateClient, &MqttClient::connected, runner, &ModuleRunner::publishState);
        connect(stateClient, &MqttClient::allPublished, this, &Bridge::checkGoodbye);
        m_stateClients.append(stateClient);
    }

    m_goodbye.setSingleShot(true);
    m_goodbye.setInterval(GoodbyeTimeout);
    connect(&m_goodbye, &QTimer::timeout, this, &Bridge::finishStopping);
}

Bridge::~Bridge()
{
    // Without a goodbye the broker publishes the last will, "offline", as it should.
    qDeleteAll(m_runners);
}

QString Bridge::bridgeStateTopic() const
{
    return m_config.baseTopic + QLatin1String("/bridge/state");
}

void Bridge::start()
{
    emit logged(
        tr("connecting to the broker %1:%2").arg(m_config.broker.host).arg(m_config.broker.port));
    for (ModuleRunner *runner : std::as_const(m_runners))
        runner->start();
    m_client.connectToBroker();
    for (MqttClient *stateClient : std::as_const(m_stateClients))
        stateClient->connectToBroker();
}

MqttClient *Bridge::stateClient(const ModuleRunner *runner) const
{
    const qsizetype index = m_runners.indexOf(runner);
    return index >= 0 ? m_stateClients.at(index) : nullptr;
}

void Bridge::connected()
{
    emit logged((m_everConnected ? tr("connected to the broker %1:%2 again")
                                 : tr("connected to the broker %1:%2"))
                    .arg(m_config.broker.host)
                    .arg(m_config.broker.port));
    m_everConnected = true;
    // Subscriptions before the retained states, so that nothing published in answer to those is
    // missed.
    for (ModuleRunner *runner : std::as_const(m_runners)) {
        for (const QString &topic : runner->commandTopics())
            m_client.subscribe(topic, 1);
    }
    m_client.publish(bridgeStateTopic(), Online, 1, true);
    announce();
}

void Bridge::disconnected(const QString &reason)
{
    if (m_stopping)
        return;
    emit logged(tr("the broker connection ended (%1); trying again")
                    .arg(reason.isEmpty() ? tr("closed") : reason));
}

void Bridge::received(const QString &topic, const QByteArray &payload)
{
    for (ModuleRunner *runner : std::as_const(m_runners)) {
        if (runner->handle(topic, payload))
            return;
    }
}

void Bridge::announce()
{
    QList<Discovery::Announcement> now;
    if (m_config.discovery) {
        QList<QStringList> animations;
        for (ModuleRunner *runner : std::as_const(m_runners))
            animations.append(runner->animationNames());
        now = Discovery::announcements(m_config, animations);
    }
    QSet<QString> current;
    for (const Discovery::Announcement &announcement : std::as_const(now)) {
        m_client.publish(announcement.topic, announcement.payload, 1, true);
        current.insert(announcement.topic);
    }
    // What was announced before and is no longer configured goes away: an empty retained
    // message removes it from Home Assistant.
    for (const QString &topic : Discovery::remembered(m_config.stateDir)) {
        if (!current.contains(topic))
            m_client.publish(topic, QByteArray(), 1, true);
    }
    QStringList topics(current.cbegin(), current.cend());
    topics.sort();
    QString error;
    if (!Discovery::remember(m_config.stateDir, topics, &error))
        emit logged(
            tr("what was announced cannot be remembered in %1: %2").arg(m_config.stateDir, error));
}

void Bridge::publish(const QString &topic, const QByteArray &payload, bool retain)
{
    // A module's state goes over the connection whose last will it is.
    MqttClient *client = &m_client;
    for (qsizetype index = 0; index < m_runners.size(); ++index) {
        if (topic == m_runners.at(index)->topicPrefix() + QLatin1String("/state"))
            client = m_stateClients.at(index);
    }
    // While the broker is away nothing is kept: the retained states are published again on
    // reconnection, and errors and answers are about a moment that has passed.
    if (client->isConnected())
        client->publish(topic, payload, 1, retain);
}

void Bridge::stop()
{
    if (m_stopping)
        return;
    m_stopping = true;
    for (ModuleRunner *runner : std::as_const(m_runners))
        runner->stop();
    connect(&m_client, &MqttClient::allPublished, this, &Bridge::checkGoodbye);
    m_goodbye.start();
    for (MqttClient *stateClient : std::as_const(m_stateClients)) {
        if (stateClient->isConnected())
            stateClient->publish(stateClient->options().willTopic, Offline, 1, true);
    }
    if (m_client.isConnected())
        m_client.publish(bridgeStateTopic(), Offline, 1, true);
    checkGoodbye();
}

// Leaves once the broker has every "offline".
void Bridge::checkGoodbye()
{
    if (!m_stopping)
        return;
    const auto pending = [](const MqttClient *client) {
        return client->isConnected() && client->unacknowledgedBytes() > 0;
    };
    if (pending(&m_client) || std::any_of(m_stateClients.cbegin(), m_stateClients.cend(), pending))
        return;
    finishStopping();
}

void Bridge::finishStopping()
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_goodbye.stop();
    for (MqttClient *client : m_stateClients + QList<MqttClient *>{&m_client}) {
        client->setReconnecting(false);
        client->disconnectFromBroker();
    }
    emit logged(QStringLiteral("stopped"));
    emit stopped();
}
