#pragma once

#include "endpoint.h"
#include "linkfailure.h"
#include "rfc2217session.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>
#include <vector>

class QSocketNotifier;

// A module on the network, for SerialLink: raw bytes over TCP, or telnet with the
// COM-PORT-OPTION (Rfc2217Session), which sets the far side's serial port and escapes 0xFF.
// Connecting never blocks: opened() or openFailed() follows open() within ConnectTimeout, which
// covers name resolution, the TCP handshake and the RFC 2217 negotiation alike. A far side that
// closes the connection straight away (ser2net whose device cannot be opened) is a failure to
// open, with what it said as the reason, not a port that opens and is lost.
//
// The socket is the system's own, watched by QSocketNotifiers, and a host name is resolved on a
// thread of its own: Qt Network would cost every start of the program a library load for what a
// few system calls do.
class NetworkPort : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds ConnectTimeout{3000};
    // How long a raw connection has to last before it counts as open.
    static constexpr std::chrono::milliseconds RawSettleTime{150};
    static constexpr qsizetype MaxGreeting = 200;

    explicit NetworkPort(QObject *parent = nullptr);
    ~NetworkPort() override;

    void open(const Endpoint &endpoint, quint32 baudRate);
    // Drops the connection at once; no signal follows.
    void close();
    bool isOpen() const { return m_open; }
    bool isConnecting() const { return m_active && !m_open; }

    // Hands the bytes to the network, escaped where the protocol wants it. False when the
    // connection is gone.
    bool write(const QByteArray &data);
    // Bytes handed over that the far side has not acknowledged yet.
    qsizetype unsent() const;
    // Whether everything handed over has gone to the network.
    bool flushed() const { return unsent() == 0; }

    qsizetype bytesAvailable() const { return m_input.size(); }
    QByteArray readAll();
    void discardInput() { m_input.clear(); }

    // An address the name resolved to.
    struct Address
    {
        std::vector<char> sockaddr;
        int family = 0;
    };

signals:
    void opened();
    void openFailed(LinkFailure failure, const QString &reason);
    void lost(const QString &reason);

private:
    struct Lookup;

    void resolved(const std::vector<Address> &addresses, const QString &error);
    void connectNext();
    void connectFinished();
    void connected();
    void readFromSocket();
    void writePending();
    void closedByFarSide();
    void negotiationDone();
    void fail(LinkFailure failure, const QString &reason);
    void drop(const QString &reason);
    void closeSocket();
    bool send(const QByteArray &wire);

    Endpoint m_endpoint;
    std::unique_ptr<Rfc2217Session> m_session;
    std::shared_ptr<Lookup> m_lookup;
    std::vector<Address> m_addresses;
    size_t m_nextAddress = 0;
    int m_lastError = 0;
    int m_fd = -1;
    // Deleted later, not at once: the connection may be dropped from within their signals.
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer m_connectTimer;
    QTimer m_settleTimer;
    QByteArray m_input;
    QByteArray m_outgoing; // what the system could not take yet
    QByteArray m_greeting; // what the far side said before the port was set up
    bool m_active = false; // resolving, connecting or connected
    bool m_open = false;
};

// Why a connection could not be made, from the system's error number; public for the tests.
LinkFailure classifyConnectError(int error);
