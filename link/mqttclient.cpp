#include "mqttclient.h"

#include "mosquittoapi.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>
#include <thread>

namespace {

// A lookup for the library, which takes a host name or an address as text.
QString lookUp(const QByteArray &host, bool numericOnly, QString *error)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = numericOnly ? AI_NUMERICHOST : 0;
    addrinfo *found = nullptr;
    const int status = ::getaddrinfo(host.constData(), nullptr, &hints, &found);
    if (status != 0) {
        *error = QString::fromLocal8Bit(::gai_strerror(status));
        return {};
    }
    char text[NI_MAXHOST] = {};
    const int named = ::getnameinfo(found->ai_addr, found->ai_addrlen, text, sizeof text, nullptr,
                                    0, NI_NUMERICHOST);
    ::freeaddrinfo(found);
    if (named != 0) {
        *error = QString::fromLocal8Bit(::gai_strerror(named));
        return {};
    }
    return QString::fromLatin1(text);
}

} // namespace

// What a name lookup on its thread reports back to; cleared when the client gives it up.
struct MqttClient::Lookup
{
    MqttClient *client = nullptr;
};

MqttClient::MqttClient(QObject *parent)
    : QObject(parent)
{
    // The library wants its housekeeping (keep-alive pings, retries) called about once a second.
    m_housekeeping.setInterval(std::chrono::seconds(1));
    connect(&m_housekeeping, &QTimer::timeout, this, &MqttClient::housekeeping);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &MqttClient::connectToBroker);
    m_connectTimer.setSingleShot(true);
    m_connectTimer.setInterval(ConnectTimeout);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        fail(tr("the broker %1:%2 did not accept the connection within %3 s")
                 .arg(m_options.host)
                 .arg(m_options.port)
                 .arg(ConnectTimeout.count() / 1000),
             ETIMEDOUT);
    });
}

MqttClient::~MqttClient()
{
    if (m_lookup)
        m_lookup->client = nullptr;
    destroySession();
}

void MqttClient::setReconnecting(bool on)
{
    m_reconnecting = on;
    if (!on)
        m_retry.stop();
}

bool MqttClient::isValidTopic(const QString &topic)
{
    const Mosquitto::Api *api = Mosquitto::api();
    return api && !topic.isEmpty() &&
           api->mosquitto_pub_topic_check(topic.toUtf8().constData()) == MOSQ_ERR_SUCCESS;
}

bool MqttClient::isValidFilter(const QString &filter)
{
    const Mosquitto::Api *api = Mosquitto::api();
    return api && !filter.isEmpty() &&
           api->mosquitto_sub_topic_check(filter.toUtf8().constData()) == MOSQ_ERR_SUCCESS;
}

void MqttClient::connectToBroker()
{
    m_retry.stop();
    if (m_lookup) {
        m_lookup->client = nullptr;
        m_lookup.reset();
    }
    destroySession();
    m_leaving = false;
    m_refused = false;
    m_systemError = 0;
    m_errorString.clear();
    setState(State::Connecting);
    m_connectTimer.start();

    auto lookup = std::make_shared<Lookup>();
    lookup->client = this;
    m_lookup = lookup;
    const QByteArray host = QFile::encodeName(m_options.host);
    QString error;
    const QString numeric = lookUp(host, true, &error);
    if (!numeric.isEmpty()) {
        QMetaObject::invokeMethod(
            this,
            [lookup, numeric] {
                if (lookup->client)
                    lookup->client->resolved(numeric, QString());
            },
            Qt::QueuedConnection);
        return;
    }
    // A name may take the resolver seconds: it is asked on a thread of its own.
    std::thread([lookup, host] {
        QString why;
        const QString address = lookUp(host, false, &why);
        if (QCoreApplication *app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app,
                [lookup, address, why] {
                    if (lookup->client)
                        lookup->client->resolved(address, why);
                },
                Qt::QueuedConnection);
        }
    }).detach();
}

void MqttClient::resolved(const QString &address, const QString &error)
{
    m_lookup.reset();
    if (m_state != State::Connecting)
        return;
    if (address.isEmpty()) {
        fail(tr("the host name %1 is not known (%2)").arg(m_options.host, error), EHOSTUNREACH);
        return;
    }
    // With TLS the library checks the certificate against the name, so it gets the name.
    startSession(m_options.tls ? m_options.host : address);
}

void MqttClient::startSession(const QString &host)
{
    QString loadError;
    const Mosquitto::Api *api = Mosquitto::api(&loadError);
    if (!api) {
        fail(loadError);
        return;
    }
    const QByteArray id = m_options.clientId.toUtf8();
    m_session = api->mosquitto_new(id.isEmpty() ? nullptr : id.constData(), true, this);
    if (!m_session) {
        fail(tr("the MQTT library could not make a session (%1)")
                 .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    api->mosquitto_int_option(m_session, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    api->mosquitto_connect_callback_set(m_session, &MqttClient::onConnect);
    api->mosquitto_disconnect_callback_set(m_session, &MqttClient::onDisconnect);
    api->mosquitto_message_callback_set(m_session, &MqttClient::onMessage);
    api->mosquitto_publish_callback_set(m_session, &MqttClient::onPublish);
    api->mosquitto_subscribe_callback_set(m_session, &MqttClient::onSubscribe);
    if (!m_options.user.isEmpty()) {
        const QByteArray password = m_options.password.toUtf8();
        api->mosquitto_username_pw_set(m_session, m_options.user.toUtf8().constData(),
                                       m_options.password.isNull() ? nullptr
                                                                   : password.constData());
    }
    if (!m_options.willTopic.isEmpty()) {
        const int set = api->mosquitto_will_set(m_session, m_options.willTopic.toUtf8().constData(),
                                                int(m_options.willPayload.size()),
                                                m_options.willPayload.constData(), 1, true);
        if (set != MOSQ_ERR_SUCCESS) {
            fail(tr("the last will cannot be set: %1")
                     .arg(QString::fromUtf8(api->mosquitto_strerror(set))));
            return;
        }
    }
    if (m_options.tls) {
        const QByteArray caFile = QFile::encodeName(m_options.caFile);
        const int set = api->mosquitto_tls_set(
            m_session, caFile.isEmpty() ? nullptr : caFile.constData(),
            caFile.isEmpty() ? "/etc/ssl/certs" : nullptr, nullptr, nullptr, nullptr);
        if (set != MOSQ_ERR_SUCCESS) {
            fail(tr("TLS cannot be set up with %1: %2")
                     .arg(m_options.caFile.isEmpty() ? QStringLiteral("/etc/ssl/certs")
                                                     : m_options.caFile,
                          QString::fromUtf8(api->mosquitto_strerror(set))));
            return;
        }
    }
    errno = 0;
    const int result = api->mosquitto_connect_async(m_session, host.toUtf8().constData(),
                                                    m_options.port, m_options.keepAlive);
    if (result != MOSQ_ERR_SUCCESS) {
        const int error = errno;
        fail(result == MOSQ_ERR_ERRNO ? QString::fromLocal8Bit(std::strerror(error))
                                      : QString::fromUtf8(api->mosquitto_strerror(result)),
             result == MOSQ_ERR_ERRNO ? error : 0);
        return;
    }
    m_housekeeping.start();
    sync();
}

void MqttClient::readable()
{
    if (!m_session)
        return;
    errno = 0;
    sync(Mosquitto::api()->mosquitto_loop_read(m_session, 1));
}

void MqttClient::writable()
{
    if (!m_session)
        return;
    errno = 0;
    sync(Mosquitto::api()->mosquitto_loop_write(m_session, 1));
}

void MqttClient::housekeeping()
{
    if (!m_session)
        return;
    errno = 0;
    sync(Mosquitto::api()->mosquitto_loop_misc(m_session));
}

void MqttClient::sync(int result)
{
    const int error = errno;
    if (m_session) {
        const Mosquitto::Api *api = Mosquitto::api();
        const int fd = api->mosquitto_socket(m_session);
        if (fd != m_fd) {
            dropNotifiers();
            m_fd = fd;
            if (fd >= 0) {
                m_readNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
                connect(m_readNotifier, &QSocketNotifier::activated, this, &MqttClient::readable);
                m_writeNotifier = new QSocketNotifier(fd, QSocketNotifier::Write, this);
                connect(m_writeNotifier, &QSocketNotifier::activated, this, &MqttClient::writable);
            }
        }
        if (m_writeNotifier)
            m_writeNotifier->setEnabled(api->mosquitto_want_write(m_session));
        // A socket the library closed without a callback (a failed write) is a dropped
        // connection all the same.
        if (fd < 0 && m_state != State::Disconnected &&
            std::none_of(m_events.cbegin(), m_events.cend(),
                         [](const Event &e) { return e.kind == Event::Kind::Disconnected; })) {
            m_events.push_back({Event::Kind::Disconnected,
                                result == MOSQ_ERR_ERRNO ? -error : result,
                                {},
                                {},
                                false});
        }
    }
    dispatch();
}

void MqttClient::dispatch()
{
    if (m_dispatching)
        return;
    m_dispatching = true;
    QPointer<MqttClient> alive(this);
    while (alive && !m_events.empty()) {
        const Event event = m_events.front();
        m_events.erase(m_events.begin());
        switch (event.kind) {
        case Event::Kind::Connected:
            m_connectTimer.stop();
            m_nextRetry = FirstRetry;
            setState(State::Connected);
            if (alive)
                emit connected();
            break;
        case Event::Kind::Refused:
            m_refused = true;
            m_errorString =
                tr("the broker refused the connection: %1")
                    .arg(QString::fromUtf8(Mosquitto::api()->mosquitto_connack_string(event.code)));
            break;
        case Event::Kind::Disconnected: {
            if (m_state == State::Disconnected)
                break;
            QString reason;
            int systemError = 0;
            if (!m_leaving) {
                if (m_refused) {
                    reason = m_errorString;
                } else if (event.code < 0) {
                    systemError = -event.code;
                    reason = tr("the connection to the broker dropped: %1")
                                 .arg(QString::fromLocal8Bit(std::strerror(systemError)));
                } else if (event.code == MOSQ_ERR_KEEPALIVE) {
                    reason = tr("the broker did not answer within the keep-alive time");
                } else {
                    reason = tr("the connection to the broker dropped: %1")
                                 .arg(QString::fromUtf8(
                                     Mosquitto::api()->mosquitto_strerror(event.code)));
                }
            }
            fail(reason, systemError);
            break;
        }
        case Event::Kind::Message:
            emit messageReceived(event.topic, event.payload, event.retained);
            break;
        case Event::Kind::Published: {
            const auto it = m_unacknowledged.constFind(event.code);
            if (it == m_unacknowledged.cend())
                break;
            m_unacknowledgedBytes -= it.value();
            m_unacknowledged.erase(it);
            emit published(event.code);
            if (alive && m_unacknowledged.isEmpty())
                emit allPublished();
            break;
        }
        case Event::Kind::Subscribed:
            emit subscribed(event.code);
            break;
        }
    }
    if (alive)
        m_dispatching = false;
}

// Ends the session, says so (unless asked to end) and, where wanted, tries again later.
void MqttClient::fail(const QString &reason, int systemError)
{
    const bool asked = m_leaving;
    if (!asked) {
        m_errorString = reason;
        m_systemError = systemError;
    }
    m_connectTimer.stop();
    // From the event loop: the library may be inside the call that reported the end.
    destroySession();
    m_unacknowledged.clear();
    m_unacknowledgedBytes = 0;
    const bool wasActive = m_state != State::Disconnected;
    setState(State::Disconnected);
    if (!asked && m_reconnecting)
        scheduleRetry();
    if (wasActive)
        emit disconnected(asked ? QString() : reason);
}

void MqttClient::scheduleRetry()
{
    m_retry.start(m_nextRetry);
    m_nextRetry = std::min(MaxRetry, m_nextRetry * 2);
}

void MqttClient::disconnectFromBroker()
{
    m_retry.stop();
    m_leaving = true;
    if (m_lookup) {
        m_lookup->client = nullptr;
        m_lookup.reset();
    }
    if (m_session && m_state == State::Connected) {
        // The goodbye goes out at once where the socket takes it; the broker then closes.
        Mosquitto::api()->mosquitto_disconnect(m_session);
        Mosquitto::api()->mosquitto_loop_write(m_session, 1);
    }
    fail(QString());
}

void MqttClient::abort()
{
    m_retry.stop();
    m_leaving = true;
    fail(QString());
}

int MqttClient::publish(const QString &topic, const QByteArray &payload, int qos, bool retain)
{
    if (!m_session || m_state != State::Connected) {
        m_errorString = tr("not connected to the broker");
        return 0;
    }
    int id = 0;
    errno = 0;
    const int result =
        Mosquitto::api()->mosquitto_publish(m_session, &id, topic.toUtf8().constData(),
                                            int(payload.size()), payload.constData(), qos, retain);
    if (result != MOSQ_ERR_SUCCESS) {
        m_errorString = QString::fromUtf8(Mosquitto::api()->mosquitto_strerror(result));
        sync(result);
        return 0;
    }
    if (qos > 0) {
        m_unacknowledged.insert(id, payload.size());
        m_unacknowledgedBytes += payload.size();
    }
    sync();
    return id;
}

bool MqttClient::subscribe(const QString &topic, int qos)
{
    if (!m_session || m_state != State::Connected)
        return false;
    errno = 0;
    const int result =
        Mosquitto::api()->mosquitto_subscribe(m_session, nullptr, topic.toUtf8().constData(), qos);
    sync(result);
    return result == MOSQ_ERR_SUCCESS;
}

void MqttClient::destroySession()
{
    m_housekeeping.stop();
    dropNotifiers();
    m_fd = -1;
    if (m_session) {
        mosquitto *session = std::exchange(m_session, nullptr);
        Mosquitto::api()->mosquitto_destroy(session);
    }
}

void MqttClient::dropNotifiers()
{
    for (QSocketNotifier **notifier : {&m_readNotifier, &m_writeNotifier}) {
        if (*notifier) {
            (*notifier)->setEnabled(false);
            (*notifier)->disconnect(this);
            std::exchange(*notifier, nullptr)->deleteLater();
        }
    }
}

void MqttClient::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void MqttClient::onConnect(mosquitto *, void *self, int code)
{
    auto *client = static_cast<MqttClient *>(self);
    client->m_events.push_back(
        {code == 0 ? Event::Kind::Connected : Event::Kind::Refused, code, {}, {}, false});
}

void MqttClient::onDisconnect(mosquitto *, void *self, int code)
{
    auto *client = static_cast<MqttClient *>(self);
    const int error = errno;
    client->m_events.push_back({Event::Kind::Disconnected,
                                code == MOSQ_ERR_ERRNO && error ? -error : code,
                                {},
                                {},
                                false});
}

void MqttClient::onMessage(mosquitto *, void *self, const mosquitto_message *message)
{
    auto *client = static_cast<MqttClient *>(self);
    client->m_events.push_back(
        {Event::Kind::Message, 0, QString::fromUtf8(message->topic),
         QByteArray(static_cast<const char *>(message->payload), message->payloadlen),
         message->retain});
}

void MqttClient::onPublish(mosquitto *, void *self, int messageId)
{
    static_cast<MqttClient *>(self)->m_events.push_back(
        {Event::Kind::Published, messageId, {}, {}, false});
}

void MqttClient::onSubscribe(mosquitto *, void *self, int messageId, int, const int *)
{
    static_cast<MqttClient *>(self)->m_events.push_back(
        {Event::Kind::Subscribed, messageId, {}, {}, false});
}
