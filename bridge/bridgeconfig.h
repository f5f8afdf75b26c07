#pragma once

#include "mqttclient.h"

#include <QList>
#include <QString>

#include <optional>

// One module the bridge puts on the broker.
struct BridgeModule
{
    QString name;        // the topic level under the base topic: letters, digits, '-' and '_'
    QString displayName; // what Home Assistant calls the device; the name when empty
    QString port;        // COM1..COM6, a device path, tcp://host:port or rfc2217://host:port
    QString library;     // a .glyphs file whose animations `play` plays; may be empty

    friend bool operator==(const BridgeModule &, const BridgeModule &) = default;
};

// glyphsmith-bridge's configuration: an INI file of sections [broker], [bridge] and one
// [module NAME] per module (the README shows one in full), then the command line's options on
// top of it.
struct BridgeConfig
{
    MqttOptions broker;
    QString passwordFile;
    QString baseTopic = QStringLiteral("glyphsmith");
    bool discovery = false;
    QString discoveryPrefix = QStringLiteral("homeassistant");
    // Where the bridge remembers what it announced to Home Assistant.
    QString stateDir;
    // The quiet time after a text, in milliseconds; the link's own when not set.
    std::optional<int> idleGapMs;
    QList<BridgeModule> modules;

    // The configuration in `text`; nothing, with `error` naming the line, for anything it does
    // not understand (an unknown section or key is a mistake, not something to skip).
    static std::optional<BridgeConfig> parse(const QByteArray &text, const QString &fileName,
                                             QString *error);
    static std::optional<BridgeConfig> read(const QString &path, QString *error);

    // Adds or replaces a module from "NAME=PORT" (the command line's --module).
    bool setModule(const QString &assignment, QString *error);
    // The password from password-file, or GLYPHSMITH_MQTT_PASSWORD, where the file gave none.
    bool loadPassword(QString *error);
    // Whether everything fits together; the reason when not.
    QString check() const;

    // The file the bridge reads without --config: $XDG_CONFIG_HOME/glyphsmith/bridge.ini.
    static QString defaultPath();
    static QString defaultStateDir();
    static bool isValidModuleName(const QString &name);
};
