#pragma once

#include "endpoint.h"
#include "transport.h"

#include <QTimer>

#include <chrono>
#include <memory>
#include <vector>

class QSocketNotifier;

// A module on the network: what raw TCP and telnet with RFC 2217 share. Connecting never
// blocks: opened() or openFailed() follows open() within ConnectTimeout, which covers name
// resolution, the TCP handshake and the far side's set-up alike. A far side that closes the
// connection straight away (ser2net whose device cannot be opened) is a failure to open, with
// what it said as the reason, not a port that opens and is lost.
//
// The socket is the system's own, watched by QSocketNotifiers, and a host name is resolved on a
// thread of its own: Qt Network would cost every start of the program a library load for what a
// few system calls do. What goes on once the TCP connection stands is the subclass's.
class NetworkTransport : public Transport
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds ConnectTimeout{3000};
    static constexpr qsizetype MaxGreeting = 200;

    NetworkTransport(const Endpoint &endpoint, QObject *parent = nullptr);
    ~NetworkTransport() override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool isConnecting() const override { return m_active && !m_open; }
    bool write(const QByteArray &bytes) override;
    qsizetype unsent() const override;
    qsizetype bytesAvailable() const override { return m_input.size(); }
    QByteArray readAll() override;
    void discardInput() override { m_input.clear(); }

    const Endpoint &endpoint() const { return m_endpoint; }

    // An address the name resolved to.
    struct Address
    {
        std::vector<char> sockaddr;
        int family = 0;
    };

protected:
    // The TCP connection stands; the subclass sets the far side up and says when it is done.
    virtual void connectionMade() = 0;
    // Bytes from the far side; returns the module's data among them.
    virtual QByteArray received(const QByteArray &bytes) = 0;
    // The module's data as it goes on the wire.
    virtual QByteArray encoded(const QByteArray &data) const { return data; }
    // Why the far side did not finish its set-up within ConnectTimeout, once connected.
    virtual QString setUpTimeout() const = 0;
    virtual void reset() {}

    // For the subclasses: the set-up is over, or failed.
    void finishOpening();
    void failOpening(LinkFailure failure, const QString &reason);
    bool sendWire(const QByteArray &wire);
    bool isConnected() const { return m_readNotifier != nullptr; }

private:
    struct Lookup;

    void resolved(const std::vector<Address> &addresses, const QString &error);
    void connectNext();
    void connectFinished();
    void connected();
    void readFromSocket();
    void writePending();
    void closedByFarSide();
    void drop(const QString &reason);
    void closeSocket();

    Endpoint m_endpoint;
    std::shared_ptr<Lookup> m_lookup;
    std::vector<Address> m_addresses;
    size_t m_nextAddress = 0;
    int m_lastError = 0;
    int m_fd = -1;
    // Deleted later, not at once: the connection may be dropped from within their signals.
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer m_connectTimer;
    QByteArray m_input;
    QByteArray m_outgoing; // what the system could not take yet
    QByteArray m_greeting; // what the far side said before the port was set up
    bool m_active = false; // resolving, connecting or connected
    bool m_open = false;
};

// Why a connection could not be made, from the system's error number; public for the tests.
LinkFailure classifyConnectError(int error);
