#pragma once

#include <QSerialPort>
#include <QString>

#include <chrono>
#include <optional>

// A serial line's settings as the design writes them, "baud,parity,data bits,stop bits"
// ("9600,n,8,1"), and how long one byte takes on such a line.
struct LineSettings
{
    qint32 baud = 9600; // any rate the driver takes, not only the ones QSerialPort names
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;

    // A start bit, the data bits, the parity bit if any and the stop bits, at the baud rate.
    std::chrono::nanoseconds byteTime() const;

    // Nothing for text that is no such setting.
    static std::optional<LineSettings> parse(const QString &text);
};
