#include "spanmodules.h"

SpanModules::SpanModules(ConnectionPool *pool, QObject *parent)
    : QObject(parent)
    , m_pool(pool)
{
    if (m_pool) {
        connect(m_pool, &ConnectionPool::handedOver, this, [this](ModuleConnection *from) {
            for (int i = 0; i < m_connections.size(); ++i) {
                if (m_connections.at(i) == from)
                    letGo(i);
            }
        });
    }
}

SpanModules::~SpanModules()
{
    detach();
}

void SpanModules::attach(const Span &span)
{
    // The new ones first: a module kept from before keeps its open port.
    QList<QPointer<ModuleConnection>> connections;
    QStringList problems;
    QStringList targets;
    for (int i = 0; i < span.moduleCount(); ++i) {
        const QString target = span.modules.value(i).target.trimmed();
        targets.append(target);
        QString problem;
        ModuleConnection *connection = nullptr;
        if (target.isEmpty())
            problem = tr("no module is assigned to this place");
        else if (m_pool)
            connection = m_pool->acquire(target, &problem);
        connections.append(connection);
        problems.append(connection ? QString() : problem);
    }
    detach();
    m_connections = connections;
    m_leaving = QList<QPointer<ModuleConnection>>(connections.size());
    m_problems = problems;
    m_targets = targets;
    m_attached = true;
    for (int i = 0; i < m_connections.size(); ++i) {
        if (m_connections.at(i))
            watch(i, m_connections.at(i));
    }
    checkSettled();
}

void SpanModules::watch(int index, ModuleConnection *connection)
{
    connect(connection, &ModuleConnection::stateChanged, this, [this, index] {
        emit moduleStateChanged(index);
        checkSettled();
    });
    // A connection shared with the pool (the main window's) can turn to another module.
    connect(connection, &ModuleConnection::targetChanged, this, [this, index] { letGo(index); });
}

// The place stops sending through its connection at once, and asks the pool again once the
// change under way is done: then the connection that holds the module's device is known.
void SpanModules::letGo(int index)
{
    ModuleConnection *connection = m_connections.value(index);
    if (!connection)
        return;
    disconnect(connection, nullptr, this, nullptr);
    m_connections[index] = nullptr;
    if (!m_leaving.at(index))
        m_leaving[index] = connection;
    else if (m_pool)
        m_pool->release(connection);
    emit connectionChanged(index);
    QMetaObject::invokeMethod(
        this, [this, index, attachment = m_attachment] { acquireAgain(index, attachment); },
        Qt::QueuedConnection);
}

void SpanModules::acquireAgain(int index, quint64 attachment)
{
    if (attachment != m_attachment || index >= m_connections.size() || m_connections.at(index))
        return;
    QString problem;
    ModuleConnection *connection =
        m_pool ? m_pool->acquire(m_targets.at(index), &problem) : nullptr;
    // Given back after the new one is taken, so that a connection kept by both stays open.
    if (m_leaving.at(index) && m_pool)
        m_pool->release(m_leaving.at(index));
    m_leaving[index] = nullptr;
    m_connections[index] = connection;
    m_problems[index] = connection ? QString() : problem;
    if (connection)
        watch(index, connection);
    emit connectionChanged(index);
    emit moduleStateChanged(index);
    checkSettled();
}

void SpanModules::checkSettled()
{
    if (!isConnecting())
        emit settled();
}

void SpanModules::detach()
{
    ++m_attachment;
    for (const QPointer<ModuleConnection> &connection : std::as_const(m_connections)) {
        if (!connection)
            continue;
        disconnect(connection, nullptr, this, nullptr);
        if (m_pool)
            m_pool->release(connection);
    }
    for (const QPointer<ModuleConnection> &connection : std::as_const(m_leaving)) {
        if (connection && m_pool)
            m_pool->release(connection);
    }
    m_leaving.clear();
    m_connections.clear();
    m_problems.clear();
    m_targets.clear();
    m_attached = false;
}

QList<ModuleConnection *> SpanModules::connections() const
{
    QList<ModuleConnection *> result;
    for (const QPointer<ModuleConnection> &connection : m_connections)
        result.append(connection);
    return result;
}

bool SpanModules::isConnecting() const
{
    for (const QPointer<ModuleConnection> &connection : m_connections) {
        if (connection && connection->isConnecting())
            return true;
    }
    return false;
}

int SpanModules::openCount() const
{
    int open = 0;
    for (const QPointer<ModuleConnection> &connection : m_connections)
        open += connection && connection->isOpen();
    return open;
}

QString SpanModules::portName(int index) const
{
    const ModuleConnection *connection = m_connections.value(index);
    if (connection && !connection->portName().isEmpty())
        return connection->portName();
    return m_targets.value(index);
}

QList<int> SpanModules::send(const Canvas &canvas, const Span &span)
{
    QList<int> failed;
    // Slices first, then the sends in one go: they leave within microseconds of each other.
    const QList<Pattern> slices = SpanSlicing::slices(canvas, span);
    for (int i = 0; i < m_connections.size(); ++i) {
        ModuleConnection *connection = m_connections.at(i);
        if (!connection) {
            if (!m_targets.value(i).isEmpty())
                failed.append(i);
            continue;
        }
        if (!connection->sendLatest(Protocol::dotMatrix(slices.value(i).columns())))
            failed.append(i);
    }
    return failed;
}

QList<int> SpanModules::identify()
{
    QList<int> failed;
    for (int i = 0; i < m_connections.size(); ++i) {
        ModuleConnection *connection = m_connections.at(i);
        if (!connection) {
            if (!m_targets.value(i).isEmpty())
                failed.append(i);
            continue;
        }
        const Pattern glyph = SpanSlicing::identifyGlyph(i + 1);
        if (!connection->sendLatest(Protocol::dotMatrix(glyph.columns())))
            failed.append(i);
    }
    return failed;
}
