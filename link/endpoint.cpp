#include "endpoint.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Endpoint", text);
}

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
            return fail(error, tr("an IPv6 address must end with ']'"));
        host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!rest.startsWith(u':'))
            return fail(error, tr("no port: write host:port, for example tcp://%1:2000")
                                   .arg(text.left(close + 1)));
        port = rest.mid(1);
    } else {
        const qsizetype colon = text.lastIndexOf(u':');
        if (colon < 0)
            return fail(error, tr("no port: write host:port, for example tcp://%1:2000").arg(text));
        host = text.left(colon);
        port = text.mid(colon + 1);
        if (host.contains(u':'))
            return fail(error, tr("write an IPv6 address in brackets, as [::1]:2000"));
    }
    if (host.isEmpty())
        return fail(error, tr("no host"));
    for (const QChar c : host) {
        if (c.isSpace() || c == u'/' || c == u'@' || c == u'?' || c == u'#')
            return fail(error, tr("'%1' is no host name").arg(host));
    }
    if (port.isEmpty())
        return fail(error, tr("no port after the ':'"));
    bool ok = false;
    const uint number = port.toUInt(&ok);
    if (!ok || number < 1 || number > 65535 || !port.at(0).isDigit())
        return fail(error, tr("port '%1' is out of range: it must be 1 to 65535").arg(port));
    endpoint.host = host;
    endpoint.port = quint16(number);
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
            fail(error, tr("no device given"));
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
    } else {
        fail(error, tr("unknown kind of address '%1://': use tcp:// or rfc2217://").arg(scheme));
        return std::nullopt;
    }
    QString rest = text.mid(separator + 3);
    if (rest.endsWith(u'/'))
        rest.chop(1);
    if (!parseHostPort(rest, endpoint, error))
        return std::nullopt;
    return endpoint;
}

QString Endpoint::toString() const
{
    if (kind == Kind::Path)
        return path;
    const QString scheme = kind == Kind::Tcp ? QStringLiteral("tcp") : QStringLiteral("rfc2217");
    const QString shownHost = host.contains(u':') ? u'[' + host + u']' : host;
    return QStringLiteral("%1://%2:%3").arg(scheme, shownHost).arg(port);
}
