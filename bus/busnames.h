#pragma once

#include <QDBusConnection>
#include <QString>

#include <optional>

// Where the running program is on the session bus, and the errors its methods fail with
// (org.glyphsmith.Glyphsmith1.xml describes the interface).
namespace Bus {

inline constexpr char Service[] = "org.glyphsmith.Glyphsmith";
inline constexpr char Path[] = "/org/glyphsmith/Glyphsmith";
inline constexpr char Interface[] = "org.glyphsmith.Glyphsmith1";

namespace Error {
// The program holds no module now; its State says why.
inline constexpr char NotOpen[] = "org.glyphsmith.Glyphsmith1.Error.NotOpen";
inline constexpr char Refused[] = "org.glyphsmith.Glyphsmith1.Error.Refused";
inline constexpr char NoReply[] = "org.glyphsmith.Glyphsmith1.Error.NoReply";
// The port closed or went away before the message left.
inline constexpr char Lost[] = "org.glyphsmith.Glyphsmith1.Error.Lost";
// Another message took the module while an animation played.
inline constexpr char Interrupted[] = "org.glyphsmith.Glyphsmith1.Error.Interrupted";
inline constexpr char InvalidArgs[] = "org.freedesktop.DBus.Error.InvalidArgs";
} // namespace Error

// The words of the State property.
namespace State {
inline constexpr char Open[] = "open";
inline constexpr char Connecting[] = "connecting";
inline constexpr char Waiting[] = "waiting";
inline constexpr char NotAvailable[] = "not available";
inline constexpr char Closed[] = "closed";
} // namespace State

// The session bus, when there is one to use. Without DBUS_SESSION_BUS_ADDRESS and without a bus
// socket in XDG_RUNTIME_DIR there is none, and nothing is tried: the D-Bus library would start
// a bus of its own (autolaunch), and a bare console or a CI job has no use for one.
std::optional<QDBusConnection> sessionBus();

// Registers the types the interface's methods carry (aay, au) with Qt D-Bus; done once.
void registerTypes();

} // namespace Bus
