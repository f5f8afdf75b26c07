#pragma once

#include "connectionpool.h"
#include "span.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

// A span's modules as one: the connection to each module, got from a ConnectionPool (so a module
// the main window or another span already holds is reached through that same connection) and
// given back when done. A module place with no target has no connection; one whose target is not
// written as a COM number, a device or an endpoint has none either, and says why.
class SpanModules : public QObject
{
    Q_OBJECT

public:
    explicit SpanModules(ConnectionPool *pool, QObject *parent = nullptr);
    ~SpanModules() override;

    // Gets the connection for each module of `span` (opened, or being opened), giving back those
    // held before.
    void attach(const Span &span);
    void detach();
    bool isAttached() const { return m_attached; }

    int count() const { return int(m_connections.size()); }
    // Module `index`'s connection; nullptr for a place without one.
    ModuleConnection *connection(int index) const { return m_connections.value(index); }
    QList<ModuleConnection *> connections() const;
    // Why module `index` has no connection: no target, or a target that names nothing.
    QString problem(int index) const { return m_problems.value(index); }
    // Whether some module's network connection is still being made.
    bool isConnecting() const;
    // The modules with a connection whose port is open.
    int openCount() const;
    // "COM2", the device or the endpoint, for messages; the target as written where there is no
    // connection.
    QString portName(int index) const;

    // Each module its slice of `canvas`, latest wins; the modules that could not be sent to.
    QList<int> send(const Canvas &canvas, const Span &span);
    // Each module the Identify glyph with its number, as it is, without its orientation.
    QList<int> identify();

signals:
    // A module's connection opened, closed, was lost or came back.
    void moduleStateChanged(int index);
    // Module `index` is reached through another connection (none for a moment): the main
    // window's connection turned to another module, or took this module's port from the pool.
    void connectionChanged(int index);
    // No module's connection is being made any longer (at once when none was).
    void settled();

private:
    void watch(int index, ModuleConnection *connection);
    void checkSettled();
    void letGo(int index);
    void acquireAgain(int index, quint64 attachment);

    QPointer<ConnectionPool> m_pool;
    QList<QPointer<ModuleConnection>> m_connections;
    // Connections let go of and not yet given back: given back once the place has its new one.
    QList<QPointer<ModuleConnection>> m_leaving;
    quint64 m_attachment = 0;
    QStringList m_targets;
    QStringList m_problems;
    bool m_attached = false;
};
