#pragma once

#include <QString>

#include <optional>

// The per-user settings store: QSettings with organization and application "Kaldor8x8",
// on Linux $XDG_CONFIG_HOME/Kaldor8x8/Kaldor8x8.conf.
namespace AppSettings {

inline constexpr char Organization[] = "Kaldor8x8";
inline constexpr char Application[] = "Kaldor8x8";
inline constexpr char PropertiesGroup[] = "Properties";
inline constexpr char CommPortKey[] = "CommPort";
inline constexpr char DefaultCommPort[] = "1";
// Group of explicit COMn = device path mappings.
inline constexpr char PortsGroup[] = "Ports";

inline constexpr int FirstPort = 1;
inline constexpr int LastPort = 6;

// The stored port number as text, "1" when nothing is stored.
QString storedCommPort();
void storeCommPort(int port);

// A port number 1..6 from its stored decimal text; nothing for any other text.
std::optional<int> parseCommPort(const QString &text);

// The device path stored for COMn in the group "Ports", if any.
std::optional<QString> mappedDevice(int port);

} // namespace AppSettings
