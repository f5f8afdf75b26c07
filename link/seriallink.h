#pragma once

#include "linepacer.h"
#include "linkfailure.h"
#include "networkport.h"
#include "protocol.h"

#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QTimer>

// A serial line to the module: line settings, open and close of a device it is given, one-write
// output and on-demand input. It knows nothing of what the bytes mean, nor of COM numbers: it
// opens the device it is handed, a path or a module on the network (Endpoint: tcp://host:port,
// rfc2217://host:port; NetworkPort). It owns the open/closed state and reports every change of
// it with openChanged(). A device path opens at once; a network endpoint is connected in the
// background, and openChanged(true) or openFailed() says how that ended.
//
// Every message from every sender goes through one queue here, paced by a LinePacer: a message
// is handed to the driver only once the one before it has left the line, and after one whose
// length varies the line stays quiet for the idle gap, so that the module can tell where each
// ends. On an idle line a message goes out at once.
//
// A device that vanishes while open (a USB adapter pulled out, a pty whose far end closed)
// makes QSerialPort report read errors in a tight loop. The first such error, or a failed
// write, counts as "the port is gone": the port is closed once, from the event loop rather than
// inside the error signal, and portLost() is emitted once. A dropped connection counts alike.
class SerialLink : public QObject
{
    Q_OBJECT

public:
    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    // "baud,parity,data bits,stop bits", for example "9600,n,8,1"; takes effect at the next
    // opening. False, and nothing changed, for text that is no such setting.
    bool setSettings(const QString &settings);
    QString settings() const { return m_settings; }

    // Why the port is not open.
    using Failure = LinkFailure;

    bool isOpen() const;
    // Opens `device` exclusively, closing whatever was open before. False on any failure found
    // at once, with failure() and errorString() saying why. A network endpoint is then still
    // being connected (isConnecting()); openChanged(true) or openFailed() follows.
    bool open(const QString &device);
    bool isConnecting() const { return m_networked && m_network.isConnecting(); }
    // Closes the port, or gives up a connection under way without a signal.
    void close();
    Failure failure() const { return m_failure; }
    QString errorString() const { return m_errorString; }
    // The device of the open port, or of the last attempt.
    QString deviceName() const { return m_device; }

    // How the module finds the end of a message: at its known length, or by the line going
    // quiet after it.
    enum class MessageEnd { Known, ByIdleGap };

    // Queues one message; its bytes go to the driver in one write, in order, nothing added, as
    // soon as the line is free (at once when it is idle). False, and nothing sent, when the port
    // is closed or gone, or when a write at once fails (the port then counts as gone); a later
    // write that fails counts as the port gone too, reported by portLost().
    bool output(const QByteArray &bytes, MessageEnd end = MessageEnd::Known);
    // The same for a message of the module's protocol, ended by the idle gap where it must be.
    bool output(const Protocol::Message &message);
    // For a stream of whole pictures (frames of an animation, a pattern sent as it is drawn):
    // while the previous one of the stream still waits for the line, this one takes its place
    // (latest wins), so the queue never grows behind a line that cannot keep up. `replaced` says
    // whether one was dropped that way.
    bool outputReplacing(const Protocol::Message &message, bool *replaced = nullptr);
    // Messages waiting for the line.
    qsizetype queuedMessages() const { return m_queue.size(); }

    // The quiet time after a message of variable length (LinePacer::DefaultIdleGap unless set).
    void setIdleGap(std::chrono::milliseconds gap);

    // Whether every message handed over has left the program (to the serial driver, or to the
    // network).
    bool allSent() const;

    // Received bytes not yet read.
    qsizetype inBufferCount() const;
    // All received bytes not yet read, oldest first; afterwards none are waiting.
    QByteArray input();
    // Drops every received byte, those still in the driver included.
    void discardInput();

signals:
    // The port opened or closed, whatever the cause: open(), close(), or the device gone.
    void openChanged(bool open);
    // The device went away while open; the port has been closed.
    void portLost();
    // A connection under way could not be made; failure() and errorString() say why.
    void openFailed();
    // The last queued message has been handed to the driver: a sender that goes step by step
    // can queue its next step now and still keep the line busy.
    void queueDrained();

private:
    struct Pending
    {
        QByteArray bytes;
        MessageEnd end;
        bool replaceable = false;
    };

    void handleError(QSerialPort::SerialPortError error);
    void networkOpened();
    void networkFailed(LinkFailure failure, const QString &reason);
    void networkLost(const QString &reason);
    void markGone(bool notify);
    Failure classifyOpenFailure() const;
    bool sendDue(bool failAtOnce);
    bool writeMessage(const QByteArray &bytes);
    qsizetype driverQueued() const;
    bool driverCanTakeMore() const;
    qsizetype writeDirectly(const QByteArray &bytes);

    QSerialPort m_port;
    NetworkPort m_network;
    bool m_networked = false; // the device is a network endpoint
    QString m_settings;
    Failure m_failure = Failure::None;
    QString m_errorString;
    QString m_directWriteError; // why the last direct write failed, if it did
    QString m_device;
    bool m_gone = false;
    bool m_writing = false;

    LinePacer m_pacer;
    QList<Pending> m_queue;
    QTimer m_lineTimer;
};
