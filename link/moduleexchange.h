#pragma once

#include "linkfailure.h"
#include "moduleconnection.h"
#include "protocol.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class ModuleRequest;

// One exchange with a module over a connection of its own, for the Devices window's Test and
// the command-line sender: open the device, send one message, wait for the reply as the
// configuration dialog does, close. It never disturbs another connection's port. start()
// returns at once; finished() says how it ended.
class ModuleExchange : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Done,            // sent, and a reply came where one was awaited
        NoReply,         // sent, and nothing came back in time
        PortUnavailable, // could not be opened, or went away before the end
        Cancelled
    };
    // How long the message may take to leave the program before the far side counts as not
    // taking it (a network module whose far end reads nothing).
    static constexpr std::chrono::milliseconds SendTimeout{3000};

    explicit ModuleExchange(QObject *parent = nullptr);

    // Sends `message` to `device` and waits `waits` times for the reply; with no wait, it is
    // over once every byte has left the program and, for a module on the network, has had time
    // to leave the far side's line.
    void start(const QString &device, const Protocol::Message &message, int waits);
    void cancel();
    bool isRunning() const { return m_running; }

    Outcome outcome() const { return m_outcome; }
    QByteArray reply() const { return m_reply; }
    LinkFailure failure() const { return m_failure; }
    // Why the port was not available.
    QString errorString() const { return m_errorString; }
    ModuleConnection &connection() { return m_connection; }

signals:
    void finished(ModuleExchange::Outcome outcome);

private:
    void opened();
    void requestFinished();
    void checkSent();
    void unavailable();
    void finish(Outcome outcome);

    ModuleConnection m_connection;
    QPointer<ModuleRequest> m_request;
    Protocol::Message m_message;
    int m_waits = 0;
    bool m_network = false;
    QTimer m_sendCheck;
    QTimer m_lineTime;
    QDeadlineTimer m_sendDeadline;
    Outcome m_outcome = Outcome::Done;
    QByteArray m_reply;
    LinkFailure m_failure = LinkFailure::None;
    QString m_errorString;
    bool m_running = false;
};
