#include "linesettings.h"

#include <QStringList>

std::chrono::nanoseconds LineSettings::byteTime() const
{
    const double halfBits = 2.0 * (1 + int(dataBits) + (parity == QSerialPort::NoParity ? 0 : 1)) +
                            (stopBits == QSerialPort::OneStop          ? 2
                             : stopBits == QSerialPort::OneAndHalfStop ? 3
                                                                       : 4);
    return std::chrono::nanoseconds(qint64(halfBits / 2.0 * 1e9 / double(baud) + 0.5));
}

std::optional<LineSettings> LineSettings::parse(const QString &text)
{
    const QStringList fields = text.trimmed().toLower().split(QLatin1Char(','));
    if (fields.size() != 4)
        return std::nullopt;
    bool ok = false;
    const int baud = fields[0].trimmed().toInt(&ok);
    if (!ok || baud <= 0)
        return std::nullopt;

    LineSettings line;
    line.baud = baud;
    const QString parity = fields[1].trimmed();
    if (parity == QLatin1String("n"))
        line.parity = QSerialPort::NoParity;
    else if (parity == QLatin1String("e"))
        line.parity = QSerialPort::EvenParity;
    else if (parity == QLatin1String("o"))
        line.parity = QSerialPort::OddParity;
    else if (parity == QLatin1String("m"))
        line.parity = QSerialPort::MarkParity;
    else if (parity == QLatin1String("s"))
        line.parity = QSerialPort::SpaceParity;
    else
        return std::nullopt;

    const int bits = fields[2].trimmed().toInt(&ok);
    if (!ok || bits < 5 || bits > 8)
        return std::nullopt;
    line.dataBits = QSerialPort::DataBits(bits);

    const QString stop = fields[3].trimmed();
    if (stop == QLatin1String("1"))
        line.stopBits = QSerialPort::OneStop;
    else if (stop == QLatin1String("1.5"))
        line.stopBits = QSerialPort::OneAndHalfStop;
    else if (stop == QLatin1String("2"))
        line.stopBits = QSerialPort::TwoStop;
    else
        return std::nullopt;
    return line;
}
