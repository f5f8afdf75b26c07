#include "discovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace Discovery {

namespace {

constexpr char AnnouncedFile[] = "announced-discovery";

QString safeId(const QString &text)
{
    QString id;
    for (const QChar c : text) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                           (c >= u'0' && c <= u'9') || c == u'-' || c == u'_';
        id += plain ? c : u'_';
    }
    return id;
}

} // namespace

QString nodeId(const QString &baseTopic, const QString &module)
{
    return safeId(baseTopic + u'_' + module);
}

QList<Announcement> announcements(const BridgeConfig &config, const QList<QStringList> &animations)
{
    QList<Announcement> list;
    for (qsizetype index = 0; index < config.modules.size(); ++index) {
        const BridgeModule &module = config.modules.at(index);
        const QString node = nodeId(config.baseTopic, module.name);
        const QString prefix = config.baseTopic + u'/' + module.name;
        const QString bridgeState = config.baseTopic + QLatin1String("/bridge/state");

        QJsonObject device;
        device.insert(QLatin1String("identifiers"), QJsonArray{node});
        device.insert(QLatin1String("name"),
                      module.displayName.isEmpty() ? module.name : module.displayName);
        device.insert(QLatin1String("manufacturer"), QLatin1String("8x8 Glyphsmith"));
        device.insert(QLatin1String("model"), QLatin1String("8x8 LED dot-matrix module"));

        const QJsonObject bridgeOnline{
            {QLatin1String("topic"), bridgeState},
            {QLatin1String("payload_available"), QLatin1String("online")},
            {QLatin1String("payload_not_available"), QLatin1String("offline")}};
        const QJsonObject moduleOpen{
            {QLatin1String("topic"), prefix + QLatin1String("/state")},
            {QLatin1String("value_template"),
             QLatin1String("{{ 'online' if value == 'open' else 'offline' }}")}};

        const auto add = [&](const QString &component, const QString &object, QJsonObject entity,
                             bool needsModule) {
            entity.insert(QLatin1String("unique_id"), node + u'_' + object);
            entity.insert(QLatin1String("object_id"), node + u'_' + object);
            entity.insert(QLatin1String("device"), device);
            if (needsModule) {
                entity.insert(QLatin1String("availability"), QJsonArray{bridgeOnline, moduleOpen});
                entity.insert(QLatin1String("availability_mode"), QLatin1String("all"));
            } else {
                entity.insert(QLatin1String("availability"), QJsonArray{bridgeOnline});
            }
            list.append({config.discoveryPrefix + u'/' + component + u'/' + node + u'/' + object +
                             QLatin1String("/config"),
                         QJsonDocument(entity).toJson(QJsonDocument::Compact)});
        };

        add(QStringLiteral("text"), QStringLiteral("scroll"),
            {{QLatin1String("name"), QLatin1String("Scroll text")},
             {QLatin1String("icon"), QLatin1String("mdi:message-text")},
             {QLatin1String("command_topic"), prefix + QLatin1String("/scroll")},
             {QLatin1String("min"), 0},
             {QLatin1String("max"), 20},
             {QLatin1String("mode"), QLatin1String("text")}},
            true);
        add(QStringLiteral("select"), QStringLiteral("arrow"),
            {{QLatin1String("name"), QLatin1String("Arrow")},
             {QLatin1String("icon"), QLatin1String("mdi:arrow-all")},
             {QLatin1String("command_topic"), prefix + QLatin1String("/arrow")},
             {QLatin1String("options"), QJsonArray{QLatin1String("up"), QLatin1String("down"),
                                                   QLatin1String("left"), QLatin1String("right")}}},
            true);
        add(QStringLiteral("number"), QStringLiteral("speed"),
            {{QLatin1String("name"), QLatin1String("Speed")},
             {QLatin1String("icon"), QLatin1String("mdi:speedometer")},
             {QLatin1String("command_topic"), prefix + QLatin1String("/speed")},
             {QLatin1String("min"), 1},
             {QLatin1String("max"), 4},
             {QLatin1String("step"), 1},
             {QLatin1String("mode"), QLatin1String("slider")}},
            true);
        add(QStringLiteral("button"), QStringLiteral("read_settings"),
            {{QLatin1String("name"), QLatin1String("Read settings")},
             {QLatin1String("icon"), QLatin1String("mdi:cog-refresh")},
             {QLatin1String("command_topic"), prefix + QLatin1String("/settings/get")},
             {QLatin1String("payload_press"), QLatin1String("get")}},
            true);
        add(QStringLiteral("button"), QStringLiteral("clear"),
            {{QLatin1String("name"), QLatin1String("Clear")},
             {QLatin1String("icon"), QLatin1String("mdi:checkbox-blank-outline")},
             {QLatin1String("command_topic"), prefix + QLatin1String("/pattern")},
             {QLatin1String("payload_press"), QLatin1String("00 00 00 00 00 00 00 00")}},
            true);
        for (const QString &animation : animations.value(index)) {
            add(QStringLiteral("button"), QLatin1String("play_") + safeId(animation),
                {{QLatin1String("name"), QLatin1String("Play ") + animation},
                 {QLatin1String("icon"), QLatin1String("mdi:play")},
                 {QLatin1String("command_topic"), prefix + QLatin1String("/play")},
                 {QLatin1String("payload_press"), animation}},
                true);
        }
        add(QStringLiteral("sensor"), QStringLiteral("state"),
            {{QLatin1String("name"), QLatin1String("State")},
             {QLatin1String("icon"), QLatin1String("mdi:serial-port")},
             {QLatin1String("state_topic"), prefix + QLatin1String("/state")},
             {QLatin1String("entity_category"), QLatin1String("diagnostic")}},
            false);
        add(QStringLiteral("binary_sensor"), QStringLiteral("connected"),
            {{QLatin1String("name"), QLatin1String("Connected")},
             {QLatin1String("device_class"), QLatin1String("connectivity")},
             {QLatin1String("state_topic"), prefix + QLatin1String("/state")},
             {QLatin1String("value_template"),
              QLatin1String("{{ 'ON' if value == 'open' else 'OFF' }}")},
             {QLatin1String("entity_category"), QLatin1String("diagnostic")}},
            false);
    }
    return list;
}

QStringList remembered(const QString &stateDir)
{
    QFile file(QDir(stateDir).filePath(QLatin1String(AnnouncedFile)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList topics;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            topics << QString::fromUtf8(line.trimmed());
    }
    return topics;
}

bool remember(const QString &stateDir, const QStringList &topics, QString *error)
{
    if (!QDir().mkpath(stateDir)) {
        *error = QCoreApplication::translate("Discovery", "%1 cannot be made").arg(stateDir);
        return false;
    }
    QSaveFile file(QDir(stateDir).filePath(QLatin1String(AnnouncedFile)));
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    for (const QString &topic : topics)
        file.write(topic.toUtf8() + '\n');
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace Discovery
