#pragma once

#include <mosquitto.h>

#include <QString>

// Debian's libmosquitto, loaded when the first MQTT connection is made rather than when the
// program starts: it brings OpenSSL with it, which would cost every start of the desktop
// program a few milliseconds and a megabyte and a half for a transport most users never pick.
// The functions are the library's own, reached through this table.
namespace Mosquitto {

#define GLYPHSMITH_MOSQUITTO_FUNCTIONS(X)                                                          \
    X(mosquitto_lib_init)                                                                          \
    X(mosquitto_new)                                                                               \
    X(mosquitto_destroy)                                                                           \
    X(mosquitto_will_set)                                                                          \
    X(mosquitto_username_pw_set)                                                                   \
    X(mosquitto_connect_async)                                                                     \
    X(mosquitto_disconnect)                                                                        \
    X(mosquitto_publish)                                                                           \
    X(mosquitto_subscribe)                                                                         \
    X(mosquitto_loop_read)                                                                         \
    X(mosquitto_loop_write)                                                                        \
    X(mosquitto_loop_misc)                                                                         \
    X(mosquitto_socket)                                                                            \
    X(mosquitto_want_write)                                                                        \
    X(mosquitto_int_option)                                                                        \
    X(mosquitto_max_inflight_messages_set)                                                         \
    X(mosquitto_tls_set)                                                                           \
    X(mosquitto_connect_callback_set)                                                              \
    X(mosquitto_disconnect_callback_set)                                                           \
    X(mosquitto_publish_callback_set)                                                              \
    X(mosquitto_message_callback_set)                                                              \
    X(mosquitto_subscribe_callback_set)                                                            \
    X(mosquitto_strerror)                                                                          \
    X(mosquitto_connack_string)                                                                    \
    X(mosquitto_pub_topic_check)                                                                   \
    X(mosquitto_sub_topic_check)

struct Api
{
#define GLYPHSMITH_MOSQUITTO_MEMBER(name) decltype(&::name) name = nullptr;
    GLYPHSMITH_MOSQUITTO_FUNCTIONS(GLYPHSMITH_MOSQUITTO_MEMBER)
#undef GLYPHSMITH_MOSQUITTO_MEMBER
};

// The library, loaded and initialised on the first call; nullptr when it cannot be loaded, and
// `error` then says why.
const Api *api(QString *error = nullptr);

} // namespace Mosquitto
