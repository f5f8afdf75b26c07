#pragma once

#include "frameplayer.h"
#include "moduleconnection.h"
#include "sendrequest.h"

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class BusCall;
class BusClient;
class ModuleRequest;

// Where glyphsmith-send's requests go: the running program over the session bus (BusChannel),
// or a connection of its own to the port (LinkChannel). Requests are submitted in order and
// answered in order, each with done(); a message without an answer is done once it has been
// handed to the line, so that a caller who keeps Window of them under way sends at the line's
// pace and never runs ahead of it. finish() after the last: finished() once everything has left.
class SendChannel : public QObject
{
    Q_OBJECT

public:
    struct Outcome
    {
        int status = ExitStatus::Done;
        QString error;    // why, for any other status
        QByteArray reply; // the module's answer to 'settings'
        // Nothing was done at all: no program took the request (it holds no module after all,
        // or has gone), so that it may be sent another way.
        bool nothingDone = false;
    };
    // Messages under way at once: enough that the line never waits for the next one, few
    // enough that a click of the user's in the program never waits behind a backlog.
    static constexpr int Window = 3;

    using QObject::QObject;

    virtual void submit(const SendRequest &request) = 0;
    virtual void finish() = 0;

signals:
    void done(const SendChannel::Outcome &outcome);
    void finished(const SendChannel::Outcome &outcome);
};

// The module on a port of glyphsmith-send's own: opened at the first request, closed once
// everything has left (and, for a module on the network, had time to leave the far side's line).
class LinkChannel : public SendChannel
{
    Q_OBJECT

public:
    // How long what was handed over may take to leave the program before the far side counts
    // as not taking it (a network module whose far end reads nothing).
    static constexpr std::chrono::milliseconds SendTimeout{3000};

    explicit LinkChannel(const QString &device, QObject *parent = nullptr);
    ~LinkChannel() override;

    void submit(const SendRequest &request) override;
    void finish() override;

private:
    struct Pending
    {
        SendRequest request;
        quint64 ticket = 0; // a message without an answer: its number in the queue
        bool started = false;
    };

    void opened();
    void start(Pending &pending);
    void handedOver();
    void playStopped();
    void requestFinished(ModuleRequest *request);
    void unavailable();
    void complete(const Outcome &outcome);
    void checkSent();
    void close(const Outcome &outcome);
    QString unavailableReason() const;

    QString m_device;
    ModuleConnection m_connection;
    FramePlayer m_player;
    QList<Pending> m_pending;
    bool m_opening = false;
    bool m_failed = false;
    bool m_finishing = false;
    bool m_closed = false;
    QTimer m_sendCheck;
    QTimer m_lineTime;
    QDeadlineTimer m_sendDeadline;
    QList<qsizetype> m_lastSizes; // of the last messages, for the far side's line time
};

// The running program, through its methods on the session bus. Its answers come when the
// program has handed the message to its line, so this channel paces itself by them.
class BusChannel : public SendChannel
{
    Q_OBJECT

public:
    BusChannel(BusClient &client, QObject *parent = nullptr);

    void submit(const SendRequest &request) override;
    void finish() override;

private:
    void answered();

    struct Call
    {
        QPointer<BusCall> call;
        bool settings; // its answer carries the module's reply
    };

    BusClient &m_client;
    QList<Call> m_calls;
};
