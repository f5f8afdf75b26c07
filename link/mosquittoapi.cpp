#include "mosquittoapi.h"

#include <QCoreApplication>

#include <csignal>
#include <dlfcn.h>
#include <mutex>

namespace Mosquitto {

namespace {

struct Loaded
{
    Api api;
    bool ok = false;
    QString error;
};

Loaded load()
{
    Loaded loaded;
    void *library = ::dlopen("libmosquitto.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        loaded.error = QCoreApplication::translate("Mosquitto",
                                                   "the MQTT library libmosquitto.so.1 cannot be "
                                                   "loaded (%1); install the package libmosquitto1")
                           .arg(QString::fromLocal8Bit(::dlerror()));
        return loaded;
    }
#define GLYPHSMITH_MOSQUITTO_RESOLVE(name)                                                         \
    loaded.api.name = reinterpret_cast<decltype(&::name)>(::dlsym(library, #name));                \
    if (!loaded.api.name) {                                                                        \
        loaded.error = QCoreApplication::translate("Mosquitto", "libmosquitto.so.1 lacks %1")      \
                           .arg(QLatin1String(#name));                                             \
        return loaded;                                                                             \
    }
    GLYPHSMITH_MOSQUITTO_FUNCTIONS(GLYPHSMITH_MOSQUITTO_RESOLVE)
#undef GLYPHSMITH_MOSQUITTO_RESOLVE
    loaded.api.mosquitto_lib_init();
    // The library writes to its socket with write(), not send(MSG_NOSIGNAL): a broker that goes
    // away would end the whole program with SIGPIPE. The failed write is reported instead.
    std::signal(SIGPIPE, SIG_IGN);
    loaded.ok = true;
    return loaded;
}

} // namespace

const Api *api(QString *error)
{
    static Loaded loaded;
    static std::once_flag once;
    std::call_once(once, [] { loaded = load(); });
    if (!loaded.ok) {
        if (error)
            *error = loaded.error;
        return nullptr;
    }
    return &loaded.api;
}

} // namespace Mosquitto
