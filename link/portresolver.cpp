#include "portresolver.h"

#include "appsettings.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>
#include <functional>
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

namespace {

// The machine's serial devices in the order COM numbers take them, by their paths.
QStringList systemDevices()
{
    QStringList names;
    QHash<QString, QString> locations;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        names.append(info.portName());
        locations.insert(info.portName(), info.systemLocation());
    }
    QStringList paths;
    for (const QString &name : orderedDevices(names))
        paths.append(locations.value(name));
    return paths;
}

std::optional<QString> resolve(int port, const std::function<QStringList()> &devices)
{
    if (auto mapped = AppSettings::mappedDevice(port))
        return mapped;
    const QStringList paths = devices();
    if (port < 1 || port > paths.size())
        return std::nullopt;
    return paths.at(port - 1);
}

} // namespace

std::optional<QString> devicePath(int port)
{
    return resolve(port, systemDevices);
}

QList<std::optional<QString>> devicePaths(int first, int last)
{
    // The machine is asked for its devices once, and only if some port is not mapped.
    std::optional<QStringList> devices;
    const auto cachedDevices = [&devices] {
        if (!devices)
            devices = systemDevices();
        return *devices;
    };
    QList<std::optional<QString>> paths;
    for (int port = first; port <= last; ++port)
        paths.append(resolve(port, cachedDevices));
    return paths;
}

} // namespace PortResolver
