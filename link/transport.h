#pragma once

#include "linesettings.h"
#include "linkfailure.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

struct Endpoint;

// One way of reaching a module's serial line: a serial device, raw bytes over TCP, telnet with
// RFC 2217, or whatever comes later. The paced queue above (MessageQueue) writes to any of them
// alike, so nothing above this interface asks which one it has.
//
// open() either fails at once (false; failure() and errorString() say why) or starts the
// opening: the transport is then open at once (isOpen()) or connects in the background, and
// opened() or openFailed() follows. A transport that is open and goes away (an adapter pulled
// out, a connection dropped) says lost() once; it is closed by then. close() gives everything up
// without a signal.
class Transport : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The transport for `endpoint`: a device path, tcp://, rfc2217:// or mqtt://.
    static std::unique_ptr<Transport> create(const Endpoint &endpoint, const LineSettings &line);

    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual bool isConnecting() const { return false; }

    // Hands all of `bytes` over, in order, as one piece where the system takes it; false when the
    // transport failed (it reports that as lost() too, from the event loop).
    virtual bool write(const QByteArray &bytes) = 0;
    // Bytes handed over that have not certainly left yet: still in the driver on their way to
    // the line, or sent to the network and not acknowledged by the far side.
    virtual qsizetype unsent() const = 0;

    virtual qsizetype bytesAvailable() const = 0;
    // All received bytes not yet read, oldest first.
    virtual QByteArray readAll() = 0;
    // Drops every received byte, those still on their way in included.
    virtual void discardInput() = 0;

    LinkFailure failure() const { return m_failure; }
    QString errorString() const { return m_errorString; }

signals:
    void opened();
    void openFailed();
    void lost();
    void readyRead();

protected:
    void setFailure(LinkFailure failure, const QString &reason)
    {
        m_failure = failure;
        m_errorString = reason;
    }

private:
    LinkFailure m_failure = LinkFailure::None;
    QString m_errorString;
};
