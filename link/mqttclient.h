#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <vector>

struct mosquitto;
struct mosquitto_message;
class QSocketNotifier;

// Where and how to reach an MQTT broker.
struct MqttOptions
{
    QString host = QStringLiteral("localhost");
    quint16 port = 1883;
    bool tls = false;
    // With TLS: the broker's CA certificate; empty for the system's CAs (/etc/ssl/certs).
    QString caFile;
    QString user;
    QString password;
    // Empty: the library makes one up.
    QString clientId;
    int keepAlive = 60; // seconds
    // The message the broker publishes should the connection end without a goodbye; none
    // without a topic. It is retained and sent with QoS 1.
    QString willTopic;
    QByteArray willPayload;
};

// One connection to an MQTT broker through Debian's libmosquitto, run on the program's own event
// loop: the library's socket is watched by QSocketNotifiers (read; write while the library has
// something to send) and a timer drives its keep-alive, so nothing blocks and no thread is
// started but one for looking a host name up. The library's callbacks only note what happened;
// the signals are emitted once the library call has returned, so that a slot may publish,
// disconnect or delete the client.
//
// Every attempt uses a fresh library session (a clean session on the broker): subscriptions
// are made again by whoever listens to connected(). With setReconnecting(), a connection that
// fails or drops is tried again after FirstRetry, the wait doubling up to MaxRetry; a
// connection that stood starts again from FirstRetry.
class MqttClient : public QObject
{
    Q_OBJECT

public:
    enum class State { Disconnected, Connecting, Connected };

    static constexpr std::chrono::milliseconds FirstRetry{500};
    static constexpr std::chrono::milliseconds MaxRetry{30000};
    // From the start of an attempt to the broker's acceptance.
    static constexpr std::chrono::milliseconds ConnectTimeout{10000};

    explicit MqttClient(QObject *parent = nullptr);
    ~MqttClient() override;

    void setOptions(const MqttOptions &options) { m_options = options; }
    const MqttOptions &options() const { return m_options; }
    void setReconnecting(bool on);
    bool isReconnecting() const { return m_reconnecting; }

    // Starts connecting (again); connected() or disconnected() follows.
    void connectToBroker();
    // Says goodbye to the broker (so that it does not publish the last will) and closes;
    // disconnected() follows with an empty reason. No reconnection follows.
    void disconnectFromBroker();
    // Closes at once without a goodbye: the broker publishes the last will.
    void abort();

    State state() const { return m_state; }
    bool isConnected() const { return m_state == State::Connected; }

    // Queues a message; its message id (above 0), or 0 when not connected or refused
    // (errorString() says why). With QoS 1 it counts as unacknowledged until the broker has it.
    int publish(const QString &topic, const QByteArray &payload, int qos = 0, bool retain = false);
    bool subscribe(const QString &topic, int qos = 1);
    // Bytes of QoS 1 messages the broker has not acknowledged yet.
    qsizetype unacknowledgedBytes() const { return m_unacknowledgedBytes; }

    // Why the last attempt failed or the connection dropped.
    QString errorString() const { return m_errorString; }
    // The system's error number behind errorString(), where there is one.
    int systemError() const { return m_systemError; }
    // The broker refused the connection (bad user name or password, not authorised).
    bool wasRefused() const { return m_refused; }

    // Whether `topic` may be published to, or subscribed to (wildcards allowed).
    static bool isValidTopic(const QString &topic);
    static bool isValidFilter(const QString &filter);

signals:
    void stateChanged(MqttClient::State state);
    void connected();
    // The connection, or the attempt to make one, ended; an empty reason when asked to.
    void disconnected(const QString &reason);
    void messageReceived(const QString &topic, const QByteArray &payload, bool retained);
    // The broker acknowledged a QoS 1 message; with no bytes left unacknowledged, allPublished().
    void published(int messageId);
    void allPublished();
    void subscribed(int messageId);

private:
    struct Event
    {
        enum class Kind { Connected, Refused, Disconnected, Message, Published, Subscribed };
        Kind kind;
        int code = 0;
        QString topic;
        QByteArray payload;
        bool retained = false;
    };
    struct Lookup;

    static void onConnect(mosquitto *, void *self, int code);
    static void onDisconnect(mosquitto *, void *self, int code);
    static void onMessage(mosquitto *, void *self, const mosquitto_message *message);
    static void onPublish(mosquitto *, void *self, int messageId);
    static void onSubscribe(mosquitto *, void *self, int messageId, int, const int *);

    void resolved(const QString &address, const QString &error);
    void startSession(const QString &host);
    void readable();
    void writable();
    void housekeeping();
    // After every call into the library: follows its socket and hands on what it reported.
    void sync(int result = 0);
    void dispatch();
    void fail(const QString &reason, int systemError = 0);
    void destroySession();
    void dropNotifiers();
    void scheduleRetry();
    void setState(State state);

    MqttOptions m_options;
    mosquitto *m_session = nullptr;
    std::shared_ptr<Lookup> m_lookup;
    int m_fd = -1;
    // Deleted later, not at once: the socket may be dropped from within their signals.
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer m_housekeeping;
    QTimer m_retry;
    QTimer m_connectTimer;
    std::chrono::milliseconds m_nextRetry = FirstRetry;
    std::vector<Event> m_events;
    QHash<int, qsizetype> m_unacknowledged; // message id: bytes
    qsizetype m_unacknowledgedBytes = 0;
    State m_state = State::Disconnected;
    QString m_errorString;
    int m_systemError = 0;
    bool m_refused = false;
    bool m_reconnecting = false;
    bool m_leaving = false; // a goodbye was said: the end is no failure
    bool m_dispatching = false;
};
