#include "bridgeconfig.h"

#include "endpoint.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BridgeConfig)
};

std::optional<bool> parseBool(const QString &text)
{
    const QString value = text.toLower();
    if (value == QLatin1String("true") || value == QLatin1String("yes") ||
        value == QLatin1String("on") || value == QLatin1String("1"))
        return true;
    if (value == QLatin1String("false") || value == QLatin1String("no") ||
        value == QLatin1String("off") || value == QLatin1String("0"))
        return false;
    return std::nullopt;
}

std::optional<int> parseInt(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// "~/x" as the shell would have it.
QString expanded(const QString &path)
{
    if (path == u'~' || path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}

// A value, without quotes around it if it has them.
QString unquoted(const QString &value)
{
    if (value.size() >= 2 && ((value.startsWith(u'"') && value.endsWith(u'"')) ||
                              (value.startsWith(u'\'') && value.endsWith(u'\''))))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

QString BridgeConfig::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/glyphsmith/bridge.ini");
}

QString BridgeConfig::defaultStateDir()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty())
        state = QDir::homePath() + QLatin1String("/.local/state");
    return state + QLatin1String("/glyphsmith-bridge");
}

bool BridgeConfig::isValidModuleName(const QString &name)
{
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_-]+$"));
    return valid.match(name).hasMatch() && name != QLatin1String("bridge");
}

std::optional<BridgeConfig> BridgeConfig::read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = Texts::tr("%1 cannot be read: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return parse(file.readAll(), path, error);
}

std::optional<BridgeConfig> BridgeConfig::parse(const QByteArray &text, const QString &fileName,
                                                QString *error)
{
    BridgeConfig config;
    config.broker.clientId = QLatin1String("glyphsmith-bridge-") + QSysInfo::machineHostName();
    config.stateDir = defaultStateDir();
    QString section;
    BridgeModule *module = nullptr;
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QString line = lines.at(index).trimmed();
        const auto fail = [&](const QString &why) {
            *error = Texts::tr("%1, line %2: %3").arg(fileName).arg(index + 1).arg(why);
            return std::nullopt;
        };
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                return fail(Texts::tr("a section heading must end with ']'"));
            section = line.mid(1, line.size() - 2).simplified();
            module = nullptr;
            if (section == QLatin1String("broker") || section == QLatin1String("bridge"))
                continue;
            if (!section.startsWith(QLatin1String("module ")))
                return fail(
                    Texts::tr("unknown section [%1]: the sections are [broker], [bridge] and "
                              "[module NAME]")
                        .arg(section));
            const QString name = section.mid(7);
            if (!isValidModuleName(name))
                return fail(Texts::tr("'%1' cannot name a module: use letters, digits, '-' and '_' "
                                      "(and not \"bridge\")")
                                .arg(name));
            for (const BridgeModule &existing : std::as_const(config.modules)) {
                if (existing.name == name)
                    return fail(Texts::tr("the module %1 is configured twice").arg(name));
            }
            config.modules.append({name, QString(), QString(), QString()});
            module = &config.modules.last();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            return fail(Texts::tr("write key = value"));
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = unquoted(line.mid(equals + 1).trimmed());
        if (section.isEmpty())
            return fail(Texts::tr("'%1' stands before any section").arg(key));
        const auto badValue = [&](const QString &expected) {
            return fail(Texts::tr("%1 = %2: %3").arg(key, value, expected));
        };
        if (section == QLatin1String("broker")) {
            if (key == QLatin1String("host")) {
                config.broker.host = value;
            } else if (key == QLatin1String("port")) {
                const auto port = parseInt(value, 1, 65535);
                if (!port)
                    return badValue(Texts::tr("a port from 1 to 65535"));
                config.broker.port = quint16(*port);
            } else if (key == QLatin1String("tls")) {
                const auto on = parseBool(value);
                if (!on)
                    return badValue(Texts::tr("yes or no"));
                config.broker.tls = *on;
            } else if (key == QLatin1String("ca-file")) {
                config.broker.caFile = expanded(value);
            } else if (key == QLatin1String("user")) {
                config.broker.user = value;
            } else if (key == QLatin1String("password")) {
                config.broker.password = value;
            } else if (key == QLatin1String("password-file")) {
                config.passwordFile = expanded(value);
            } else if (key == QLatin1String("client-id")) {
                config.broker.clientId = value;
            } else if (key == QLatin1String("keep-alive")) {
                const auto seconds = parseInt(value, 5, 65535);
                if (!seconds)
                    return badValue(Texts::tr("seconds, from 5 to 65535"));
                config.broker.keepAlive = *seconds;
            } else {
                return fail(
                    Texts::tr("unknown key '%1' in [broker]: host, port, tls, ca-file, user, "
                              "password, password-file, client-id, keep-alive")
                        .arg(key));
            }
        } else if (section == QLatin1String("bridge")) {
            if (key == QLatin1String("base-topic")) {
                config.baseTopic = value;
            } else if (key == QLatin1String("discovery")) {
                const auto on = parseBool(value);
                if (!on)
                    return badValue(Texts::tr("yes or no"));
                config.discovery = *on;
            } else if (key == QLatin1String("discovery-prefix")) {
                config.discoveryPrefix = value;
            } else if (key == QLatin1String("state-dir")) {
                config.stateDir = expanded(value);
            } else if (key == QLatin1String("idle-gap")) {
                const auto gap = parseInt(value, 0, 1000);
                if (!gap)
                    return badValue(Texts::tr("milliseconds, from 0 to 1000"));
                config.idleGapMs = *gap;
            } else {
                return fail(Texts::tr("unknown key '%1' in [bridge]: base-topic, discovery, "
                                      "discovery-prefix, state-dir, idle-gap")
                                .arg(key));
            }
        } else if (module) {
            if (key == QLatin1String("port"))
                module->port = value;
            else if (key == QLatin1String("name"))
                module->displayName = value;
            else if (key == QLatin1String("library"))
                module->library = expanded(value);
            else
                return fail(
                    Texts::tr("unknown key '%1' in [%2]: port, name, library").arg(key, section));
        }
    }
    return config;
}

bool BridgeConfig::setModule(const QString &assignment, QString *error)
{
    const qsizetype equals = assignment.indexOf(u'=');
    const QString name = assignment.left(equals);
    if (equals <= 0 || !isValidModuleName(name)) {
        *error = Texts::tr(
                     "--module takes NAME=PORT, the name of letters, digits, '-' and '_', not '%1'")
                     .arg(assignment);
        return false;
    }
    const QString port = assignment.mid(equals + 1);
    for (BridgeModule &module : modules) {
        if (module.name == name) {
            module.port = port;
            return true;
        }
    }
    modules.append({name, QString(), port, QString()});
    return true;
}

bool BridgeConfig::loadPassword(QString *error)
{
    if (!passwordFile.isEmpty()) {
        QFile file(passwordFile);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = Texts::tr("the password file %1 cannot be read: %2")
                         .arg(passwordFile, file.errorString());
            return false;
        }
        broker.password = QString::fromUtf8(file.readLine()).trimmed();
        return true;
    }
    if (broker.password.isEmpty() && qEnvironmentVariableIsSet("GLYPHSMITH_MQTT_PASSWORD"))
        broker.password = qEnvironmentVariable("GLYPHSMITH_MQTT_PASSWORD");
    return true;
}

QString BridgeConfig::check() const
{
    if (broker.host.isEmpty())
        return Texts::tr("no broker: set host in [broker] or give --broker");
    static const QRegularExpression topicLevel(QStringLiteral("^[^+#/]+$"));
    for (const QString &topic : {baseTopic, discoveryPrefix}) {
        const QStringList levels = topic.split(u'/');
        for (const QString &level : levels) {
            if (!topicLevel.match(level).hasMatch())
                return Texts::tr(
                           "'%1' cannot be a base topic: no '+', '#', empty levels, or '/' at "
                           "either end")
                    .arg(topic);
        }
    }
    if (modules.isEmpty())
        return Texts::tr("no module: add a section [module NAME] with its port, or give --module "
                         "NAME=PORT");
    for (const BridgeModule &module : modules) {
        if (module.port.isEmpty())
            return Texts::tr("the module %1 has no port").arg(module.name);
        static const QRegularExpression comNumber(QStringLiteral("^COM[0-9]+$"),
                                                  QRegularExpression::CaseInsensitiveOption);
        if (comNumber.match(module.port).hasMatch()) {
            static const QRegularExpression valid(QStringLiteral("^COM[1-6]$"),
                                                  QRegularExpression::CaseInsensitiveOption);
            if (!valid.match(module.port).hasMatch())
                return Texts::tr("the module %1: there are COM1 to COM6, no %2")
                    .arg(module.name, module.port);
            continue;
        }
        QString why;
        const auto endpoint = Endpoint::parse(module.port, &why);
        if (!endpoint)
            return Texts::tr("the module %1: %2: %3").arg(module.name, module.port, why);
        if (endpoint->kind == Endpoint::Kind::Mqtt)
            return Texts::tr(
                       "the module %1: a bridge serves modules on ports, not another bridge's "
                       "module (%2)")
                .arg(module.name, endpoint->displayString());
    }
    return {};
}
