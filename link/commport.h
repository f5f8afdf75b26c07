#pragma once

#include "seriallink.h"

#include <QString>

#include <optional>

// The main window's serial port object as the user picks it: a port number 1..6 (COM1..COM6)
// over one SerialLink. The number is turned into a device (PortResolver) here, afresh at every
// opening, so that the link itself only ever opens the device it is handed.
class CommPort
{
public:
    SerialLink &link() { return m_link; }
    const SerialLink &link() const { return m_link; }

    void setCommPort(int port) { m_commPort = port; }
    int commPort() const { return m_commPort; }

    // Opens the device that the port number stands for. False on any failure, with
    // errorString() and failureDetail() saying why.
    bool open();
    QString errorString() const;
    // What the user is told under "Selected Comm Port Not Available": the COM number, the
    // device it stands for, the system's reason and, where there is one, the usual remedy.
    QString failureDetail() const;

private:
    SerialLink m_link;
    int m_commPort = 1;
    // The device of the last attempt; empty when the number stood for none.
    std::optional<QString> m_device;
};

// The lines of CommPort::failureDetail(), for any port, device, cause and system reason.
QString portFailureDetail(int commPort, const std::optional<QString> &device,
                          SerialLink::Failure failure, const QString &reason);
