#pragma once

#include "protocol.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class ModuleConnection;
class ModuleRequest;

// Where a module runner's messages go: the one small interface between the topic handling and
// whatever reaches the module: the bridge's own connection to the module's port
// (ConnectionTarget), or, while the desktop program holds the port, the program over the session
// bus (ProgramTarget; SharedTarget chooses between the two). The runner does not know which it
// has.
class ModuleTarget : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { Done, NoReply, Unavailable };
    using ReplyHandler = std::function<void(Outcome outcome, const QByteArray &reply)>;

    using QObject::QObject;

    // Reaches for the module, and keeps reaching for it until stop().
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isOpen() const = 0;
    // "open", "waiting", "not available: REASON"; empty while it is still being reached.
    virtual QString state() const = 0;

    // Through the module's paced queue, in order; false, and nothing sent, when it is not open.
    virtual bool send(const Protocol::Message &message) = 0;
    // A whole picture: it takes the place of one still waiting for the line (latest wins).
    virtual bool sendLatest(const Protocol::Message &message, bool *replaced = nullptr) = 0;
    // Sends `message` and waits `waits` reply waits for the answer; `handler` is called once,
    // from the event loop, unless `context` is gone by then.
    virtual void request(const Protocol::Message &message, int waits, QObject *context,
                         ReplyHandler handler) = 0;

signals:
    void stateChanged();
    // Bytes the module sent that no request of this target waited for.
    void received(const QByteArray &bytes);
};

// The module on a port of this machine (COM number, device or network endpoint), through a
// ModuleConnection of its own that reconnects as the program's does. A port that cannot be
// opened at all is tried again every RetryInterval.
class ConnectionTarget : public ModuleTarget
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds RetryInterval{2};

    // `port`: COM1..COM6, a device path or a network endpoint.
    explicit ConnectionTarget(const QString &port, QObject *parent = nullptr);
    ~ConnectionTarget() override;

    ModuleConnection &connection() { return *m_connection; }

    void start() override;
    void stop() override;
    bool isOpen() const override;
    QString state() const override;
    bool send(const Protocol::Message &message) override;
    bool sendLatest(const Protocol::Message &message, bool *replaced = nullptr) override;
    void request(const Protocol::Message &message, int waits, QObject *context,
                 ReplyHandler handler) override;

private:
    void open();
    void connectionStateChanged();
    void readyRead();

    QString m_port;
    ModuleConnection *m_connection;
    QTimer m_retry;
    int m_requests = 0; // requests waiting for the module's answer
    bool m_started = false;
};
