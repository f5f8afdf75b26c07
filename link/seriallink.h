#pragma once

#include <QObject>
#include <QSerialPort>

// The program's one serial port (the main window's MSComm1): line settings, port number, open
// and close, one-write output and on-demand input. It knows nothing of what the bytes mean.
//
// A device that vanishes while open (a USB adapter pulled out, a pty whose far end closed)
// makes QSerialPort report read errors in a tight loop. The first such error, or a failed
// write, counts as "the port is gone": the port is closed once, from the event loop rather than
// inside the error signal, and portLost() is emitted once.
class SerialLink : public QObject
{
    Q_OBJECT

public:
    enum class InputMode { Text = 0, Binary = 1 };

    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    // "baud,parity,data bits,stop bits", for example "9600,n,8,1"; takes effect at the next
    // opening. False, and nothing changed, for text that is no such setting.
    bool setSettings(const QString &settings);
    QString settings() const { return m_settings; }

    void setInputMode(InputMode mode) { m_inputMode = mode; }
    InputMode inputMode() const { return m_inputMode; }

    // Only while closed; 1..6 stand for COM1..COM6.
    void setCommPort(int port);
    int commPort() const { return m_commPort; }

    bool isOpen() const;
    // Opens the device that the port number resolves to, exclusively. False on any failure,
    // with errorString() saying why.
    bool open();
    void close();
    QString errorString() const { return m_errorString; }
    // The device path of the open port, or of the last attempt.
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
    void portLost();

private:
    void handleError(QSerialPort::SerialPortError error);
    void markGone(bool notify);
    bool driverCanTakeMore() const;
    qsizetype writeDirectly(const QByteArray &bytes);

    QSerialPort m_port;
    QString m_settings;
    InputMode m_inputMode = InputMode::Text;
    int m_commPort = 1;
    QString m_errorString;
    QString m_directWriteError; // why the last direct write failed, if it did
    QString m_device;
    bool m_gone = false;
    bool m_writing = false;
};
