#pragma once

#include "linesettings.h"
#include "linkfailure.h"
#include "messagequeue.h"
#include "protocol.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class ModuleRequest;
class Reconnector;
class ReplyWait;
class Transport;

// The connection to one module: the COM number (or device, or network endpoint) it stands for,
// the transport that reaches it (Transport: a serial device, raw TCP, RFC 2217), the one paced
// queue every message goes through (MessageQueue), its state, and requests that wait for the
// module's reply (ModuleRequest). Every sender, whatever window or program it is in, reaches
// the module through one of these and nothing else; several can be open at once, one per
// module.
//
// A COM number is turned into a device (PortResolver) afresh at every opening. A port that is
// lost is brought back by itself when its device returns (Reconnector); meanwhile the state is
// Waiting. Whoever holds a connection follows it through stateChanged(), and through
// targetChanged() when it is switched to another module (a port chosen from the menu): what was
// learnt from the module before, such as its stored settings, is about another module then.
class ModuleConnection : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Closed,     // never opened, or closed
        Connecting, // a network endpoint being connected in the background
        Open,
        Waiting,      // lost, and waiting for the device to come back
        NotAvailable, // could not be opened; failure() and errorString() say why
    };
    using MessageEnd = MessageQueue::MessageEnd;

    // A port lost again this soon after it came back by itself is not reported again: a device
    // that keeps dropping out would otherwise bury the user in messages.
    static constexpr std::chrono::seconds QuietAfterReconnect{3};

    explicit ModuleConnection(QObject *parent = nullptr);
    ~ModuleConnection() override;

    // "baud,parity,data bits,stop bits", for example "9600,n,8,1"; takes effect at the next
    // opening. False, and nothing changed, for text that is no such setting.
    bool setSettings(const QString &settings);
    QString settings() const { return m_settingsText; }
    // The quiet time after a message of variable length (LinePacer::DefaultIdleGap unless set).
    void setIdleGap(std::chrono::milliseconds gap);
    std::chrono::milliseconds idleGap() const;
    // Whether a lost port is awaited and reopened by itself (on unless switched off: a
    // connection for one exchange has no use for it).
    void setReconnecting(bool on);

    // COM1..COM6 as the settings say; the number is kept even when it stands for no device.
    void setCommPort(int port);
    int commPort() const { return m_commPort; }
    // Opens what the COM number stands for, closing whatever was open before and ending any
    // wait to reconnect. False on any failure found at once (state NotAvailable); a network
    // endpoint is then still being connected: opened() or openFailed() follows.
    bool open();
    // The same for a device path or a network endpoint named directly (no COM number).
    bool openDevice(const QString &device);
    // Closes the port, or gives up a connection under way, without a signal of failure.
    void close();

    State state() const { return m_state; }
    bool isOpen() const { return m_state == State::Open; }
    bool isConnecting() const { return m_state == State::Connecting; }
    // The device or endpoint of the open port or of the last attempt; empty when the COM number
    // stands for none.
    QString deviceName() const { return m_device.value_or(QString()); }
    LinkFailure failure() const { return m_failure; }
    QString errorString() const;
    // What the user is told under "Selected Comm Port Not Available": the COM number, the
    // device it stands for, the system's reason and, where there is one, the usual remedy.
    QString failureDetail() const;
    // "COM2", or the device where no COM number stands for it.
    QString portName() const;

    // Queues one message of the module's protocol; false, and nothing sent, when the port is not
    // open or the write failed at once (the caller says so: no lost() follows for it).
    bool send(const Protocol::Message &message);
    // The same for raw bytes, ended as `end` says.
    bool send(const QByteArray &bytes, MessageEnd end = MessageEnd::Known);
    // For a stream of whole pictures (frames, a pattern sent as it is drawn): latest wins.
    bool sendLatest(const Protocol::Message &message, bool *replaced = nullptr);
    // Messages waiting for the line.
    qsizetype queuedMessages() const { return m_queue.size(); }
    bool allSent() const { return m_queue.allSent(); }
    // Messages queued in this connection's life and how many of them have been handed to the
    // transport: a sender that paces itself by the line waits until its own has gone.
    quint64 messagesQueued() const { return m_queue.queuedCount(); }
    quint64 messagesHandedOver() const { return m_queue.handedCount(); }

    // Sends `message` and waits `waits` times for the reply (ReplyWait; `clock` when the caller
    // keeps one of its own). The request is the caller's (`parent`); it ends with finished().
    ModuleRequest *request(const Protocol::Message &message, int waits, ReplyWait *clock = nullptr,
                           QObject *parent = nullptr);

    // Received bytes not yet read.
    qsizetype inBufferCount() const;
    // All received bytes not yet read, oldest first; afterwards none are waiting.
    QByteArray input();
    // Drops every received byte, those still in the driver included.
    void discardInput();

    Reconnector &reconnector() { return *m_reconnector; }

signals:
    void stateChanged(ModuleConnection::State state);
    // The port opened or closed, whatever the cause.
    void openChanged(bool open);
    // An opening that went on in the background (a network endpoint) has ended.
    void opened();
    void openFailed();
    // The open port went away (it is closed now, and awaited back); said once for a device that
    // keeps dropping out, and not for a loss that a send() already returned as false.
    void lost();
    // The connection now stands for another module: another COM number or device.
    void targetChanged();
    // The last queued message has been handed to the transport.
    void queueDrained();
    // One more message has been handed to the transport (messagesHandedOver()).
    void messageHandedOver(quint64 count);
    // A message other than a picture of a stream (sendLatest()) was queued: a command of its own
    // that a stream of pictures would cover at once.
    void commandQueued(quint8 command);
    void readyRead();

private:
    friend class Reconnector;

    bool openTarget(const std::optional<QString> &device);
    // Reopens the same device after a loss, for the Reconnector: no change of target.
    bool reopen(const QString &device);
    bool start(const QString &device);
    void transportOpened();
    void transportFailed();
    void transportLost();
    void setState(State state);
    void dropTransport();
    void writeFailed();

    QString m_settingsText;
    LineSettings m_line;
    MessageQueue m_queue;
    std::unique_ptr<Transport> m_transport;
    std::unique_ptr<Reconnector> m_reconnector;
    int m_commPort = 0; // 0: a device named directly
    std::optional<QString> m_device;
    State m_state = State::Closed;
    LinkFailure m_failure = LinkFailure::None;
    QString m_errorString;
    bool m_reconnecting = true;
    bool m_lossTold = false; // a send() has already returned the loss as false
    QTimer m_sinceReconnect;
};

// The lines of ModuleConnection::failureDetail(), for any port, device, cause and system reason.
QString portFailureDetail(int commPort, const std::optional<QString> &device, LinkFailure failure,
                          const QString &reason);
