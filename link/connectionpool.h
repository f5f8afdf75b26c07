#pragma once

#include "moduleconnection.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

// Hands out the one ModuleConnection for a module, so that every sender in a program reaches a
// module through one connection: a device is opened exclusively, and a second opening of it
// would fail. A target is a COM number ("COM3"), a device path or a network endpoint; the pool
// finds what it stands for now and returns the connection that already holds that device (a
// connection someone else owns and has shared, such as the main window's, or one the pool made
// earlier), or makes and opens one.
//
// The pool's own connections are counted: each acquire() is matched by a release(), and the
// last release closes the connection. Shared ones are never closed by the pool.
class ConnectionPool : public QObject
{
    Q_OBJECT

public:
    explicit ConnectionPool(QObject *parent = nullptr);
    ~ConnectionPool() override;

    // A connection owned elsewhere, handed out for whatever device it holds or awaits. When it
    // turns to a device one of the pool's own connections holds, that one lets the device go
    // (handedOver() first), so that the device has one connection again.
    void share(ModuleConnection *connection);

    // The connection for `target`, opened or being opened; its state says whether that worked.
    // Nothing, with `error` saying why, for a target that is not written as any of the above.
    // An unopened connection of the pool is tried again at each acquire().
    ModuleConnection *acquire(const QString &target, QString *error = nullptr);
    void release(ModuleConnection *connection);

    // Whether `connection` came from the pool (rather than being shared with it).
    bool owns(const ModuleConnection *connection) const;
    qsizetype ownedCount() const { return m_owned.size(); }

    // A COM number 1..6 when `target` is written as one ("COM3", any case).
    static std::optional<int> commPortOf(const QString &target);
    // Whether `target` can name a module: a COM number 1..6, a device path or a well-formed
    // endpoint; `error` says why not.
    static bool isValidTarget(const QString &target, QString *error = nullptr);
    // The device or endpoint `target` stands for now; nothing for a COM number that stands for
    // none.
    static std::optional<QString> deviceOf(const QString &target);
    // What two names of one device have in common: the file a path finally leads to, or an
    // endpoint's normal form.
    static QString identity(const QString &device);

signals:
    // `from`, one of the pool's connections, is about to close because a shared connection is
    // opening its device: its users acquire their target again once that open is under way.
    void handedOver(ModuleConnection *from);

private:
    struct Owned
    {
        ModuleConnection *connection = nullptr;
        QString target; // as first asked for
        int users = 0;
    };

    ModuleConnection *sharedFor(const QString &identity) const;
    void sharedTargetChanged(ModuleConnection *shared);
    static void reopen(ModuleConnection *connection, const QString &target);

    QList<QPointer<ModuleConnection>> m_shared;
    // By the identity of the device each was opened for.
    QHash<QString, Owned> m_owned;
};
