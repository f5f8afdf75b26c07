#pragma once

#include <QObject>
#include <QSerialPort>

// A serial line to the module: line settings, open and close of a device it is given, one-write
// output and on-demand input. It knows nothing of what the bytes mean, nor of COM numbers: it
// opens the device path it is handed. It owns the open/closed state and reports every change
// of it with openChanged().
//
// A device that vanishes while open (a USB adapter pulled out, a pty whose far end closed)
// makes QSerialPort report read errors in a tight loop. The first such error, or a failed
// write, counts as "the port is gone": the port is closed once, from the event loop rather than
// inside the error signal, and portLost() is emitted once.
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

    bool isOpen() const;
    // Opens `device` exclusively, closing whatever was open before. False on any failure, with
    // errorString() saying why.
    bool open(const QString &device);
    void close();
    QString errorString() const { return m_errorString; }
    // The device of the open port, or of the last attempt.
    QString deviceName() const { return m_device; }

    // Hands all bytes to the driver in one write, in order, nothing added. False, and nothing
    // sent, when the port is closed or the write fails (the port then counts as gone).
    bool output(const QByteArray &bytes);

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

private:
    void handleError(QSerialPort::SerialPortError error);
    void markGone(bool notify);
    bool driverCanTakeMore() const;
    qsizetype writeDirectly(const QByteArray &bytes);

    QSerialPort m_port;
    QString m_settings;
    QString m_errorString;
    QString m_directWriteError; // why the last direct write failed, if it did
    QString m_device;
    bool m_gone = false;
    bool m_writing = false;
};
