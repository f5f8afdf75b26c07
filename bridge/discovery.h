#pragma once

#include "bridgeconfig.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Home Assistant's MQTT discovery: for each module a device with a text entity (scroll), a select
// (the built-in arrows), a number (the speed), buttons (read the settings, clear, play each
// animation of its library) and its state as a sensor and a connectivity binary sensor. Each is
// a retained configuration under PREFIX/COMPONENT/NODE/OBJECT/config. The entities that send
// are available while the bridge is online and the module open.
//
// What was announced is remembered in the state folder, so that the configurations of a module
// (or an animation) no longer configured are removed: an empty retained message in their place.
namespace Discovery {

struct Announcement
{
    QString topic;
    QByteArray payload;
};

// `animations` holds each module's animation names, in the order of config.modules.
QList<Announcement> announcements(const BridgeConfig &config, const QList<QStringList> &animations);

// The node id of a module: letters, digits, '_' and '-' only, unique per base topic.
QString nodeId(const QString &baseTopic, const QString &module);

// The topics announced last time, from the state folder; and storing this time's.
QStringList remembered(const QString &stateDir);
bool remember(const QString &stateDir, const QStringList &topics, QString *error);

} // namespace Discovery
