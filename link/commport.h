#pragma once

#include "reconnector.h"
#include "seriallink.h"

#include <QObject>
#include <QString>

#include <optional>

// The main window's serial port object as the user picks it: a port number 1..6 (COM1..COM6)
// over one SerialLink. The number is turned into a device (PortResolver) here, afresh at every
// opening, so that the link itself only ever opens the device it is handed. A port that is
// lost is brought back by its Reconnector when the device returns.
class CommPort : public QObject
{
    Q_OBJECT

public:
    // A port lost again this soon after it came back by itself is not reported again: a device
    // that keeps dropping out would otherwise bury the user in messages.
    static constexpr std::chrono::seconds QuietAfterReconnect{3};

    explicit CommPort(QObject *parent = nullptr);

    SerialLink &link() { return m_link; }
    const SerialLink &link() const { return m_link; }
    Reconnector &reconnector() { return m_reconnector; }

    void setCommPort(int port) { m_commPort = port; }
    int commPort() const { return m_commPort; }

    // Opens the device that the port number stands for, ending any wait to reconnect. False on
    // any failure found at once, with errorString() and failureDetail() saying why. A network
    // endpoint is connected in the background: opened() or openFailed() follows.
    bool open();
    QString errorString() const;
    // What the user is told under "Selected Comm Port Not Available": the COM number, the
    // device it stands for, the system's reason and, where there is one, the usual remedy.
    QString failureDetail() const;

signals:
    // An opening by open() that went on in the background has ended.
    void opened();
    void openFailed();
    // The open port went away (it is closed now, and awaited back); said once for a device
    // that keeps dropping out.
    void lost();

private:
    void linkLost();

    SerialLink m_link;
    Reconnector m_reconnector{m_link};
    int m_commPort = 1;
    // The device of the last attempt; empty when the number stood for none.
    std::optional<QString> m_device;
    bool m_opening = false; // open() is connecting in the background
    QTimer m_sinceReconnect;
};

// The lines of CommPort::failureDetail(), for any port, device, cause and system reason.
QString portFailureDetail(int commPort, const std::optional<QString> &device,
                          SerialLink::Failure failure, const QString &reason);
