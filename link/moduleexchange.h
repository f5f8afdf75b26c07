#pragma once

#include "protocol.h"
#include "replywait.h"
#include "seriallink.h"

#include <QObject>

// One exchange with the module over a link of its own, for the Devices dialog's Test and the
// command-line sender: open the device, send one message, wait for the reply as the
// configuration dialog does (ReplyWait), take what has come. It never disturbs another link's
// port. While it runs it dispatches the program's events, so a window stays usable; run()
// returns when the exchange is over, failed, or was cancelled.
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

    explicit ModuleExchange(QObject *parent = nullptr);

    // Sends `message` to `device` and waits `waits` times for the reply; with no wait, returns
    // once every byte has left the program.
    Outcome run(const QString &device, const Protocol::Message &message, int waits);
    void cancel();
    bool isRunning() const { return m_running; }

    QByteArray reply() const { return m_reply; }
    SerialLink::Failure failure() const { return m_failure; }
    // Why the port was not available.
    QString errorString() const { return m_errorString; }

private:
    bool waitUntil(const std::function<bool()> &done);
    Outcome unavailable();

    SerialLink m_link;
    ReplyWait m_wait{this};
    QByteArray m_reply;
    SerialLink::Failure m_failure = SerialLink::Failure::None;
    QString m_errorString;
    bool m_running = false;
    bool m_cancelled = false;
    bool m_lost = false;
};
