#include "portresolver.h"

#include "appsettings.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>
#include <tuple>

namespace PortResolver {

namespace {

auto orderKey(const QString &name)
{
    static const QRegularExpression parts(QStringLiteral("^(.*?)([0-9]*)$"));
    const auto match = parts.match(name);
    const QString stem = match.captured(1);
    const qlonglong number = match.captured(2).isEmpty() ? -1 : match.captured(2).toLongLong();
    const int group = stem == QLatin1String("ttyUSB") ? 0 : stem == QLatin1String("ttyACM") ? 1 : 2;
    return std::make_tuple(group, stem, number, name);
}

} // namespace

QStringList orderedDevices(QStringList portNames)
{
    std::sort(portNames.begin(), portNames.end(),
              [](const QString &a, const QString &b) { return orderKey(a) < orderKey(b); });
    return portNames;
}

std::optional<QString> devicePath(int port)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    if (auto mapped = AppSettings::mappedDevice(port))
        return mapped;

    QStringList names;
    QHash<QString, QString> locations;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        names.append(info.portName());
        locations.insert(info.portName(), info.systemLocation());
    }
    names = orderedDevices(names);
    if (port < 1 || port > names.size())
        return std::nullopt;
    return locations.value(names.at(port - 1));
#endif
}

} // namespace PortResolver
