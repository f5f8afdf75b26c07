#pragma once

#include "endpoint.h"
#include "mqttclient.h"
#include "transport.h"

#include <QTimer>

#include <chrono>

// A module that glyphsmith-bridge serves on an MQTT broker, far from here: the bridge, on the
// machine the module is plugged into, paces each message at the module's own line, so that no
// network stall can run two texts together as it can over ser2net.
//
// Each message the paced queue hands over is published whole, as a binary payload, on
// BASE/MODULE/message with QoS 1; what the module answers comes back on BASE/MODULE/received and
// is this transport's input. unsent() counts the bytes the broker has not acknowledged yet.
//
// The transport is open once it is connected and subscribed and the bridge's retained state
// says the module is open: BASE/bridge/state "online" and BASE/MODULE/state "open". It is lost
// when the broker connection drops, the bridge goes offline (its last will) or the module's
// state becomes anything but "open". Opening fails within ConnectTimeout when no bridge says so.
class MqttTransport : public Transport
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds ConnectTimeout{3000};

    explicit MqttTransport(const Endpoint &endpoint, QObject *parent = nullptr);
    ~MqttTransport() override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool isConnecting() const override { return m_active && !m_open; }
    bool write(const QByteArray &bytes) override;
    qsizetype unsent() const override;
    qsizetype bytesAvailable() const override { return m_input.size(); }
    QByteArray readAll() override;
    void discardInput() override { m_input.clear(); }

private:
    void brokerConnected();
    void brokerDisconnected(const QString &reason);
    void received(const QString &topic, const QByteArray &payload);
    void evaluate();
    void failOpening(LinkFailure failure, const QString &reason);
    void drop(const QString &reason);

    Endpoint m_endpoint;
    MqttClient *m_client = nullptr; // deleted later: it may be inside one of its signals
    QTimer m_connectTimer;
    QByteArray m_input;
    QString m_bridgeState; // empty: not heard yet
    QString m_moduleState;
    bool m_active = false;
    bool m_open = false;
};
