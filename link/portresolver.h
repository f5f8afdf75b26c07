#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Port numbers 1..6 stand for COM1..COM6. COMn is the path stored under "Ports/COMn" in the
// settings store or, failing that, the n-th serial device of the machine in a stable order, so
// that one USB adapter is COM1 unconfigured.
namespace PortResolver {

std::optional<QString> devicePath(int port);
// The same for the ports first..last, asking the machine for its devices at most once.
QList<std::optional<QString>> devicePaths(int first, int last);

// Serial device names ordered ttyUSB*, then ttyACM*, then the others, each by number.
QStringList orderedDevices(QStringList portNames);

} // namespace PortResolver
