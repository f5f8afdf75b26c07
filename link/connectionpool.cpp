#include "connectionpool.h"

#include "appsettings.h"
#include "endpoint.h"
#include "portresolver.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr char ModuleLine[] = "9600,n,8,1";

bool holdsDevice(const ModuleConnection *connection)
{
    switch (connection->state()) {
    case ModuleConnection::State::Open:
    case ModuleConnection::State::Connecting:
    case ModuleConnection::State::Waiting:
        return true;
    case ModuleConnection::State::Closed:
    case ModuleConnection::State::NotAvailable:
        break;
    }
    return false;
}

} // namespace

ConnectionPool::ConnectionPool(QObject *parent)
    : QObject(parent)
{}

ConnectionPool::~ConnectionPool()
{
    for (const Owned &owned : std::as_const(m_owned))
        delete owned.connection;
}

void ConnectionPool::share(ModuleConnection *connection)
{
    if (!connection || m_shared.contains(connection))
        return;
    m_shared.append(connection);
    // Emitted once the connection has let its old device go and before it opens the new one.
    connect(connection, &ModuleConnection::targetChanged, this,
            [this, connection] { sharedTargetChanged(connection); });
}

void ConnectionPool::sharedTargetChanged(ModuleConnection *shared)
{
    if (shared->deviceName().isEmpty())
        return;
    const auto it = m_owned.find(identity(shared->deviceName()));
    if (it == m_owned.end() || !holdsDevice(it->connection))
        return;
    ModuleConnection *owned = it->connection;
    emit handedOver(owned);
    // Its users may still count it; it stays theirs to release, closed.
    owned->close();
}

std::optional<int> ConnectionPool::commPortOf(const QString &target)
{
    static const QRegularExpression com(QStringLiteral("^COM([0-9]+)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto match = com.match(target.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int number = match.captured(1).toInt();
    if (number < AppSettings::FirstPort || number > AppSettings::LastPort)
        return std::nullopt;
    return number;
}

bool ConnectionPool::isValidTarget(const QString &target, QString *error)
{
    const QString text = target.trimmed();
    if (commPortOf(text))
        return true;
    static const QRegularExpression com(QStringLiteral("^COM[0-9]+$"),
                                        QRegularExpression::CaseInsensitiveOption);
    QString why;
    if (text.isEmpty())
        why = tr("no module given: write COM1 to COM6, a device path or tcp://host:port");
    else if (com.match(text).hasMatch())
        why = tr("there are COM1 to COM6, no %1").arg(text);
    else if (!Endpoint::parse(text, &why))
        why = tr("%1: %2").arg(text, why);
    else
        return true;
    if (error)
        *error = why;
    return false;
}

std::optional<QString> ConnectionPool::deviceOf(const QString &target)
{
    if (const auto port = commPortOf(target))
        return PortResolver::devicePath(*port);
    return target.trimmed();
}

QString ConnectionPool::identity(const QString &device)
{
    if (Endpoint::looksLikeUrl(device)) {
        const auto endpoint = Endpoint::parse(device);
        return endpoint ? endpoint->toString().toLower() : device;
    }
    const QFileInfo file(device);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : canonical;
}

ModuleConnection *ConnectionPool::sharedFor(const QString &identity) const
{
    for (const QPointer<ModuleConnection> &connection : m_shared) {
        if (connection && holdsDevice(connection) && !connection->deviceName().isEmpty() &&
            ConnectionPool::identity(connection->deviceName()) == identity)
            return connection;
    }
    return nullptr;
}

ModuleConnection *ConnectionPool::acquire(const QString &target, QString *error)
{
    if (!isValidTarget(target, error))
        return nullptr;
    const auto device = deviceOf(target);
    // A COM number that stands for no device has nothing to share: it is kept by its name and
    // tried again.
    const QString key = device ? identity(*device) : target.trimmed().toUpper();
    if (device) {
        if (ModuleConnection *shared = sharedFor(key))
            return shared;
    }
    auto it = m_owned.find(key);
    if (it == m_owned.end()) {
        // A target that stood for a device that could not be opened may stand for another now
        // (a COM number mapped anew): its connection is the one to try again.
        for (auto other = m_owned.begin(); other != m_owned.end(); ++other) {
            if (other->target.compare(target.trimmed(), Qt::CaseInsensitive) == 0 &&
                !holdsDevice(other->connection)) {
                const Owned waiting = *other;
                m_owned.erase(other);
                it = m_owned.insert(key, waiting);
                break;
            }
        }
    }
    if (it == m_owned.end()) {
        auto *connection = new ModuleConnection;
        connection->setSettings(QLatin1String(ModuleLine));
        if (const auto gap = AppSettings::idleGap())
            connection->setIdleGap(*gap);
        it = m_owned.insert(key, Owned{connection, target.trimmed(), 0});
        reopen(connection, target);
    } else if (!holdsDevice(it->connection)) {
        reopen(it->connection, target);
    }
    ++it->users;
    return it->connection;
}

void ConnectionPool::reopen(ModuleConnection *connection, const QString &target)
{
    if (const auto port = commPortOf(target)) {
        connection->setCommPort(*port);
        connection->open();
    } else {
        connection->openDevice(target.trimmed());
    }
}

void ConnectionPool::release(ModuleConnection *connection)
{
    for (auto it = m_owned.begin(); it != m_owned.end(); ++it) {
        if (it->connection != connection)
            continue;
        if (--it->users > 0)
            return;
        ModuleConnection *last = it->connection;
        m_owned.erase(it);
        last->close();
        // Whoever released it may be inside one of its signals.
        last->deleteLater();
        return;
    }
}

bool ConnectionPool::owns(const ModuleConnection *connection) const
{
    for (const Owned &owned : m_owned) {
        if (owned.connection == connection)
            return true;
    }
    return false;
}
