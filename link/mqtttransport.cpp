#include "mqtttransport.h"

#include "networktransport.h"

namespace {

// The bridge's topics under "BASE/MODULE" and "BASE".
constexpr char MessageTopic[] = "/message";
constexpr char ReceivedTopic[] = "/received";
constexpr char StateTopic[] = "/state";
constexpr char BridgeStateTopic[] = "/bridge/state";
constexpr char Online[] = "online";
constexpr char Open[] = "open";

} // namespace

MqttTransport::MqttTransport(const Endpoint &endpoint, QObject *parent)
    : Transport(parent)
    , m_endpoint(endpoint)
{
    m_connectTimer.setSingleShot(true);
    m_connectTimer.setInterval(ConnectTimeout);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        if (m_client && m_client->isConnected()) {
            failOpening(LinkFailure::NoAnswer,
                        m_bridgeState.isEmpty()
                            ? tr("no glyphsmith-bridge serves %1 on the broker %2:%3")
                                  .arg(m_endpoint.mqttTopic(), m_endpoint.host)
                                  .arg(m_endpoint.port)
                            : tr("the bridge says nothing about the module %1")
                                  .arg(m_endpoint.mqttTopic()));
            return;
        }
        failOpening(LinkFailure::NoAnswer, tr("no answer from the broker %1:%2 within %3 s")
                                               .arg(m_endpoint.host)
                                               .arg(m_endpoint.port)
                                               .arg(ConnectTimeout.count() / 1000));
    });
}

MqttTransport::~MqttTransport()
{
    close();
}

bool MqttTransport::open()
{
    close();
    m_active = true;
    setFailure(LinkFailure::None, QString());
    MqttOptions options;
    options.host = m_endpoint.host;
    options.port = m_endpoint.port;
    options.tls = m_endpoint.tls;
    options.user = m_endpoint.user;
    options.password = m_endpoint.mqttPassword();
    m_client = new MqttClient(this);
    m_client->setOptions(options);
    connect(m_client, &MqttClient::connected, this, &MqttTransport::brokerConnected);
    connect(m_client, &MqttClient::disconnected, this, &MqttTransport::brokerDisconnected);
    connect(m_client, &MqttClient::messageReceived, this,
            [this](const QString &topic, const QByteArray &payload) { received(topic, payload); });
    m_connectTimer.start();
    m_client->connectToBroker();
    return true;
}

void MqttTransport::brokerConnected()
{
    const QString module = m_endpoint.mqttTopic();
    m_client->subscribe(module + QLatin1String(ReceivedTopic), 1);
    m_client->subscribe(module + QLatin1String(StateTopic), 1);
    m_client->subscribe(m_endpoint.baseTopic + QLatin1String(BridgeStateTopic), 1);
}

void MqttTransport::brokerDisconnected(const QString &reason)
{
    if (!m_active)
        return;
    const QString broker = QStringLiteral("%1:%2").arg(m_endpoint.host).arg(m_endpoint.port);
    if (m_open) {
        drop(tr("the connection to the broker %1 dropped (%2)").arg(broker, reason));
        return;
    }
    LinkFailure failure = LinkFailure::Other;
    if (m_client && m_client->wasRefused())
        failure = LinkFailure::PermissionDenied;
    else if (m_client && m_client->systemError() != 0)
        failure = classifyConnectError(m_client->systemError());
    failOpening(failure, tr("the broker %1: %2").arg(broker, reason));
}

void MqttTransport::received(const QString &topic, const QByteArray &payload)
{
    const QString module = m_endpoint.mqttTopic();
    if (topic == module + QLatin1String(ReceivedTopic)) {
        if (!m_open)
            return; // an answer to someone else, before this transport was open
        m_input += payload;
        emit readyRead();
        return;
    }
    if (topic == module + QLatin1String(StateTopic))
        m_moduleState = QString::fromUtf8(payload);
    else if (topic == m_endpoint.baseTopic + QLatin1String(BridgeStateTopic))
        m_bridgeState = QString::fromUtf8(payload);
    else
        return;
    evaluate();
}

// What the bridge's retained states mean for the transport.
void MqttTransport::evaluate()
{
    const QString module = m_endpoint.mqttTopic();
    if (!m_bridgeState.isEmpty() && m_bridgeState != QLatin1String(Online)) {
        const QString reason =
            tr("the glyphsmith-bridge serving %1 is %2").arg(module, m_bridgeState);
        if (m_open)
            drop(reason);
        else
            failOpening(LinkFailure::NoAnswer, reason);
        return;
    }
    if (m_moduleState.isEmpty() || m_bridgeState.isEmpty())
        return; // wait for both
    if (m_moduleState == QLatin1String(Open)) {
        if (!m_open && m_active) {
            m_connectTimer.stop();
            m_open = true;
            emit opened();
        }
        return;
    }
    const QString reason = tr("the bridge says %1 is %2").arg(module, m_moduleState);
    if (m_open)
        drop(reason);
    else
        failOpening(LinkFailure::NotFound, reason);
}

void MqttTransport::failOpening(LinkFailure failure, const QString &reason)
{
    close();
    setFailure(failure, reason);
    emit openFailed();
}

void MqttTransport::drop(const QString &reason)
{
    close();
    setFailure(LinkFailure::Lost, reason);
    emit lost();
}

void MqttTransport::close()
{
    m_connectTimer.stop();
    if (m_client) {
        disconnect(m_client, nullptr, this, nullptr);
        m_client->disconnectFromBroker();
        std::exchange(m_client, nullptr)->deleteLater();
    }
    m_active = false;
    m_open = false;
    m_input.clear();
    m_bridgeState.clear();
    m_moduleState.clear();
}

bool MqttTransport::write(const QByteArray &bytes)
{
    if (!m_open || !m_client)
        return false;
    if (m_client->publish(m_endpoint.mqttTopic() + QLatin1String(MessageTopic), bytes, 1) > 0)
        return true;
    const QString reason = m_client->errorString();
    // Said from the event loop, as a serial device says it: the caller learns of it from false.
    QTimer::singleShot(0, this, [this, reason] {
        if (m_open)
            drop(reason);
    });
    return false;
}

qsizetype MqttTransport::unsent() const
{
    return m_client ? m_client->unacknowledgedBytes() : 0;
}

QByteArray MqttTransport::readAll()
{
    QByteArray bytes;
    bytes.swap(m_input);
    return bytes;
}
