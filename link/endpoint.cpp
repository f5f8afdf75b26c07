#include "endpoint.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Endpoint)
};

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// "host:port" or "[v6]:port".
bool parseHostPort(const QString &text, Endpoint &endpoint, QString *error)
{
    QString host;
    QString port;
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        if (close < 0)
            return fail(error, Texts::tr("an IPv6 address must end with ']'"));
        host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!rest.startsWith(u':'))
            return fail(error, Texts::tr("no port: write host:port, for example tcp://%1:2000")
                                   .arg(text.left(close + 1)));
        port = rest.mid(1);
    } else {
        const qsizetype colon = text.lastIndexOf(u':');
        if (colon < 0)
            return fail(error,
                        Texts::tr("no port: write host:port, for example tcp://%1:2000").arg(text));
        host = text.left(colon);
        port = text.mid(colon + 1);
        if (host.contains(u':'))
            return fail(error, Texts::tr("write an IPv6 address in brackets, as [::1]:2000"));
    }
    if (host.isEmpty())
        return fail(error, Texts::tr("no host"));
    for (const QChar c : host) {
        if (c.isSpace() || c == u'/' || c == u'@' || c == u'?' || c == u'#')
            return fail(error, Texts::tr("'%1' is no host name").arg(host));
    }
    if (port.isEmpty())
        return fail(error, Texts::tr("no port after the ':'"));
    bool ok = false;
    const uint number = port.toUInt(&ok);
    if (!ok || number < 1 || number > 65535 || !port.at(0).isDigit())
        return fail(error, Texts::tr("port '%1' is out of range: it must be 1 to 65535").arg(port));
    endpoint.host = host;
    endpoint.port = quint16(number);
    return true;
}

// "[user[:password]@]host[:port]/BASE/MODULE", the port optional.
bool parseMqtt(const QString &text, Endpoint &endpoint, QString *error)
{
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0)
        return fail(error, Texts::tr("no topic: write mqtt://host/BASE/MODULE, for example "
                                     "mqtt://%1/glyphsmith/shelf")
                               .arg(text));
    QString authority = text.left(slash);
    const QString topic = text.mid(slash + 1);
    const qsizetype at = authority.lastIndexOf(u'@');
    if (at >= 0) {
        const QString userInfo = authority.left(at);
        authority = authority.mid(at + 1);
        const qsizetype colon = userInfo.indexOf(u':');
        endpoint.user = QUrl::fromPercentEncoding(userInfo.left(colon).toUtf8());
        if (colon >= 0)
            endpoint.password = QUrl::fromPercentEncoding(userInfo.mid(colon + 1).toUtf8());
        if (endpoint.user.isEmpty())
            return fail(error, Texts::tr("no user name before the '@'"));
    }
    // The port may be left out: the broker's usual one.
    const bool bracketed = authority.startsWith(u'[');
    const qsizetype close = bracketed ? authority.indexOf(u']') : -1;
    const qsizetype colon = authority.lastIndexOf(u':');
    const bool hasPort = bracketed ? colon > close : colon >= 0;
    if (!bracketed && authority.count(u':') > 1)
        return fail(error, Texts::tr("write an IPv6 address in brackets, as [::1]:1883"));
    const QString hostPort =
        hasPort ? authority
                : authority + u':' +
                      QString::number(endpoint.tls ? Endpoint::MqttTlsPort : Endpoint::MqttPort);
    if (!parseHostPort(hostPort, endpoint, error))
        return false;
    const QStringList levels = topic.split(u'/');
    if (levels.size() < 2 || levels.contains(QString()))
        return fail(error,
                    Texts::tr("the topic '%1' is not BASE/MODULE, as glyphsmith/shelf").arg(topic));
    for (const QChar c : topic) {
        if (c == u'+' || c == u'#' || c.isSpace())
            return fail(error,
                        Texts::tr("the topic '%1' may hold no '+', '#' or spaces").arg(topic));
    }
    endpoint.module = levels.last();
    endpoint.baseTopic = topic.left(topic.size() - endpoint.module.size() - 1);
    return true;
}

} // namespace

bool Endpoint::looksLikeUrl(const QString &text)
{
    const qsizetype scheme = text.indexOf(QLatin1String("://"));
    if (scheme <= 0)
        return false;
    for (const QChar c : text.left(scheme)) {
        if (!c.isLetterOrNumber() && c != u'+' && c != u'-' && c != u'.')
            return false;
    }
    return true;
}

std::optional<Endpoint> Endpoint::parse(const QString &text, QString *error)
{
    Endpoint endpoint;
    if (!looksLikeUrl(text)) {
        if (text.isEmpty()) {
            fail(error, Texts::tr("no device given"));
            return std::nullopt;
        }
        endpoint.path = text;
        return endpoint;
    }
    const qsizetype separator = text.indexOf(QLatin1String("://"));
    const QString scheme = text.left(separator).toLower();
    if (scheme == QLatin1String("tcp")) {
        endpoint.kind = Kind::Tcp;
    } else if (scheme == QLatin1String("rfc2217")) {
        endpoint.kind = Kind::Rfc2217;
    } else if (scheme == QLatin1String("mqtt") || scheme == QLatin1String("mqtts")) {
        endpoint.kind = Kind::Mqtt;
        endpoint.tls = scheme == QLatin1String("mqtts");
        if (!parseMqtt(text.mid(separator + 3), endpoint, error))
            return std::nullopt;
        return endpoint;
    } else {
        fail(error, Texts::tr("unknown kind of address '%1://': use tcp://, rfc2217:// or mqtt://")
                        .arg(scheme));
        return std::nullopt;
    }
    QString rest = text.mid(separator + 3);
    if (rest.endsWith(u'/'))
        rest.chop(1);
    if (!parseHostPort(rest, endpoint, error))
        return std::nullopt;
    return endpoint;
}

namespace {

QString urlOf(const Endpoint &endpoint, bool withPassword)
{
    const QString shownHost =
        endpoint.host.contains(u':') ? u'[' + endpoint.host + u']' : endpoint.host;
    if (endpoint.kind != Endpoint::Kind::Mqtt) {
        const QString scheme = endpoint.kind == Endpoint::Kind::Tcp ? QStringLiteral("tcp")
                                                                    : QStringLiteral("rfc2217");
        return QStringLiteral("%1://%2:%3").arg(scheme, shownHost).arg(endpoint.port);
    }
    QString userInfo;
    if (!endpoint.user.isEmpty()) {
        userInfo = QString::fromLatin1(QUrl::toPercentEncoding(endpoint.user));
        if (withPassword && !endpoint.password.isEmpty())
            userInfo += u':' + QString::fromLatin1(QUrl::toPercentEncoding(endpoint.password));
        userInfo += u'@';
    }
    const quint16 usual = endpoint.tls ? Endpoint::MqttTlsPort : Endpoint::MqttPort;
    const QString port = endpoint.port == usual ? QString() : u':' + QString::number(endpoint.port);
    return QStringLiteral("%1://%2%3%4/%5")
        .arg(endpoint.tls ? QStringLiteral("mqtts") : QStringLiteral("mqtt"), userInfo, shownHost,
             port, endpoint.mqttTopic());
}

} // namespace

QString Endpoint::toString() const
{
    return kind == Kind::Path ? path : urlOf(*this, true);
}

QString Endpoint::displayString() const
{
    return kind == Kind::Path ? path : urlOf(*this, false);
}

QString Endpoint::mqttPassword() const
{
    if (!password.isEmpty())
        return password;
    const QByteArray fromEnvironment = qgetenv("GLYPHSMITH_MQTT_PASSWORD");
    if (!fromEnvironment.isEmpty())
        return QString::fromUtf8(fromEnvironment);
    const QString file = qEnvironmentVariable("GLYPHSMITH_MQTT_PASSWORD_FILE");
    if (!file.isEmpty()) {
        QFile passwordFile(file);
        if (passwordFile.open(QIODevice::ReadOnly))
            return QString::fromUtf8(passwordFile.readLine()).trimmed();
    }
    return {};
}
