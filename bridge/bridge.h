#pragma once

#include "bridgeconfig.h"
#include "modulerunner.h"
#include "mqttclient.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

// glyphsmith-bridge at work: one MQTT connection to the broker and one ModuleRunner per
// configured module. It publishes, retained, BASE/bridge/state ("online"; "offline" as its last
// will and when it stops), each module's state, and the Home Assistant discovery configurations
// where they are wanted. A broker keeps one last will per connection, so each module's state
// goes over a small connection of its own whose last will is that state's "offline": a bridge
// that is killed leaves no module saying "open". It keeps going: a broker that restarts or a
// network that drops is reconnected with backoff (MqttClient), after which the subscriptions, the
// retained states and the discovery configurations are published again; modules reconnect on their
// own.
class Bridge : public QObject
{
    Q_OBJECT

public:
    // What a module's messages go through (ConnectionTarget unless the caller says otherwise).
    using TargetFactory = std::function<std::unique_ptr<ModuleTarget>(const BridgeModule &)>;

    // How long stop() waits for the broker to take "offline" before it leaves anyway.
    static constexpr std::chrono::milliseconds GoodbyeTimeout{2000};

    explicit Bridge(const BridgeConfig &config, TargetFactory factory = {},
                    QObject *parent = nullptr);
    ~Bridge() override;

    void start();
    // Publishes "offline", closes the modules and leaves the broker; stopped() follows.
    void stop();

    MqttClient &client() { return m_client; }
    const QList<ModuleRunner *> &runners() const { return m_runners; }
    QString bridgeStateTopic() const;

signals:
    void stopped();
    // One line for the log (the journal, under systemd).
    void logged(const QString &line);

private:
    void connected();
    void disconnected(const QString &reason);
    void received(const QString &topic, const QByteArray &payload);
    void announce();
    void publish(const QString &topic, const QByteArray &payload, bool retain);
    void finishStopping();
    void checkGoodbye();
    MqttClient *stateClient(const ModuleRunner *runner) const;

    BridgeConfig m_config;
    MqttClient m_client;
    QList<ModuleRunner *> m_runners;
    QList<MqttClient *> m_stateClients; // one per runner, in the same order
    QTimer m_goodbye;
    bool m_stopping = false;
    bool m_stopped = false;
    bool m_everConnected = false;
};
