#pragma once

#include "mqttclient.h"

#include <QList>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// What the bridge's tests talk to: the real Mosquitto broker (Debian's mosquitto) on a free
// port of 127.0.0.1, from a configuration written to a temporary folder, with a password file
// made by mosquitto_passwd; glyphsmith-bridge as a process of its own; and a subscriber that
// keeps what it hears.
namespace TestSupport {

class MosquittoBroker
{
public:
    static constexpr char User[] = "glyph";
    static constexpr char Password[] = "s3cret pass";

    MosquittoBroker();
    ~MosquittoBroker();
    // Starts it (again, on the same port after kill()) and waits until it listens.
    bool start();
    // Ends it at once (SIGKILL), as a broker that crashes.
    void kill();
    // Holds it still (SIGSTOP) and lets it go on (SIGCONT): a stalled network path.
    void pause();
    void resume();
    quint16 port() const { return m_port; }
    QString errorString() const { return m_error; }
    // Options for an MqttClient with the right user and password.
    MqttOptions options() const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};

// mosquitto_pub with the broker's user and password; true when it exited 0.
bool mosquittoPub(const MosquittoBroker &broker, const QString &topic, const QByteArray &payload,
                  const QStringList &extra = {});

// Everything published on `filter`, as it arrives, retained or not.
class Subscriber : public QObject
{
public:
    struct Message
    {
        QString topic;
        QByteArray payload;
        bool retained;
    };

    explicit Subscriber(const MosquittoBroker &broker, const QString &filter);
    bool waitConnected(int timeoutMs = 5000);
    // Waits until a message on `topic` arrives (any, or with `payload`); returns it.
    std::optional<Message> waitFor(const QString &topic, const std::optional<QByteArray> &payload,
                                   int timeoutMs = 5000);
    QList<Message> messages() const { return m_messages; }
    QList<Message> on(const QString &topic) const;
    void clear() { m_messages.clear(); }
    MqttClient &client() { return m_client; }

private:
    MqttClient m_client;
    QString m_filter;
    QList<Message> m_messages;
    bool m_subscribed = false;
};

// The retained messages under `filter` right now, topic: payload (a fresh subscription).
QMap<QString, QByteArray> retained(const MosquittoBroker &broker, const QString &filter);

// glyphsmith-bridge (GLYPHSMITH_BRIDGE names it) with a configuration file the test writes.
class BridgeProcess
{
public:
    BridgeProcess();
    ~BridgeProcess();
    // Writes `config` and starts the bridge on it, with extra options; waits until `readyTopic`
    // (a retained state) says `readyPayload` on the broker, if given.
    bool start(const QByteArray &config, const QStringList &options = {});
    void kill();
    void terminate();
    qint64 pid() const { return m_process.processId(); }
    QString log() const;
    QString configPath() const { return m_dir.filePath(QStringLiteral("bridge.ini")); }
    QString stateDir() const { return m_dir.filePath(QStringLiteral("state")); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};

} // namespace TestSupport
