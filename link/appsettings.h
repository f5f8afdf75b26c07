#pragma once

#include <QString>

#include <chrono>
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
// Group of the serial link's own settings; IdleGap is the quiet time in milliseconds after a
// message of variable length.
inline constexpr char LinkGroup[] = "Link";
inline constexpr char IdleGapKey[] = "IdleGap";

inline constexpr int FirstPort = 1;
inline constexpr int LastPort = 6;

// The stored port number as text, "1" when nothing is stored.
QString storedCommPort();

// Why a value could not be written to the settings store.
struct StoreFailure
{
    QString fileName;
    QString reason;
};
// Writes the port number; a failure is returned, never ignored.
std::optional<StoreFailure> storeCommPort(int port);

// The settings file, whether or not it exists yet.
QString fileName();

// The link's idle gap from "Link/IdleGap", 0..1000 ms; the link's own default when the entry is
// missing or is no such number.
std::optional<std::chrono::milliseconds> idleGap();

// A port number 1..6 from its stored decimal text; nothing for any other text.
std::optional<int> parseCommPort(const QString &text);

// The device path stored for COMn in the group "Ports", if any.
std::optional<QString> mappedDevice(int port);
// Maps COMn to a device path or network endpoint, or, with an empty `device`, removes its
// mapping; a failure is returned, never ignored.
std::optional<StoreFailure> storeMappedDevice(int port, const QString &device);

} // namespace AppSettings
