#pragma once

#include "transport.h"

#include <QSerialPort>

// A module on a serial device of this machine: a USB adapter, a built-in port, a
// pseudo-terminal. The device is opened exclusively, at once.
//
// A device that vanishes while open (an adapter pulled out, a pty whose far end closed) makes
// QSerialPort report read errors in a tight loop. The first such error, or a failed write,
// counts as the device gone: the port is closed once, from the event loop rather than inside
// the error signal, and lost() is said once.
class SerialTransport : public Transport
{
    Q_OBJECT

public:
    SerialTransport(const QString &device, const LineSettings &line, QObject *parent = nullptr);
    ~SerialTransport() override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen() && !m_gone; }
    bool write(const QByteArray &bytes) override;
    qsizetype unsent() const override;
    qsizetype bytesAvailable() const override;
    QByteArray readAll() override;
    void discardInput() override;

    // "another program holds the port: minicom (process 4711)", as far as it can be found out.
    static QString heldBy(const QString &device);

private:
    void handleError(QSerialPort::SerialPortError error);
    void markGone();
    LinkFailure classifyOpenFailure() const;
    qsizetype writeDirectly(const QByteArray &bytes);
    bool driverCanTakeMore() const;

    QSerialPort m_port;
    QString m_device;
    LineSettings m_line;
    QString m_directWriteError; // why the last direct write failed, if it did
    bool m_gone = false;
};
