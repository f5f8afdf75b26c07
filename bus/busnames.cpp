#include "busnames.h"

#include <QByteArrayList>
#include <QDBusMetaType>
#include <QFileInfo>

namespace Bus {

std::optional<QDBusConnection> sessionBus()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (runtime.isEmpty() || !QFileInfo::exists(runtime + QLatin1String("/bus")))
            return std::nullopt;
    }
    registerTypes();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    return bus;
}

void registerTypes()
{
    static const bool registered = [] {
        qDBusRegisterMetaType<QByteArrayList>();
        qDBusRegisterMetaType<QList<uint>>();
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace Bus
