#pragma once

#include <QString>

#include <optional>

// What a COM number, the Devices dialog or `glyphsmith-send --port` can name: a device path, or
// a module on the network, "tcp://host:port" (raw bytes, as ser2net's raw mode or a Wi-Fi serial
// bridge serve them), "rfc2217://host:port" (telnet with the COM-PORT-OPTION) or
// "mqtt://[user[:password]@]host[:port]/BASE/MODULE" (a module that glyphsmith-bridge serves on
// an MQTT broker; "mqtts://" for TLS with the system's CAs).
struct Endpoint
{
    enum class Kind { Path, Tcp, Rfc2217, Mqtt };

    static constexpr quint16 MqttPort = 1883;
    static constexpr quint16 MqttTlsPort = 8883;

    Kind kind = Kind::Path;
    QString path; // Kind::Path
    QString host; // the network kinds; an IPv6 address without its brackets
    quint16 port = 0;
    // Kind::Mqtt: the broker's user name and password (the password may come from elsewhere:
    // mqttPassword()), the bridge's base topic and the module's name under it, and TLS.
    QString user;
    QString password;
    QString baseTopic;
    QString module;
    bool tls = false;

    bool isNetwork() const { return kind != Kind::Path; }
    // The text it was parsed from, in its normal form.
    QString toString() const;
    // The same without a password, for messages.
    QString displayString() const;
    // Kind::Mqtt: the topic every topic of the module begins with, "BASE/MODULE".
    QString mqttTopic() const { return baseTopic + u'/' + module; }
    // Kind::Mqtt: the password in the URL or, failing that, from the environment variable
    // GLYPHSMITH_MQTT_PASSWORD or the first line of the file GLYPHSMITH_MQTT_PASSWORD_FILE names.
    QString mqttPassword() const;

    // Anything without "scheme://" is a path. A URL needs a known scheme, a host and a port
    // 1..65535, and nothing after the port; `error` says what is wrong otherwise.
    static std::optional<Endpoint> parse(const QString &text, QString *error = nullptr);
    // Whether `text` is written as a URL at all, well formed or not.
    static bool looksLikeUrl(const QString &text);
};
