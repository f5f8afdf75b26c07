#pragma once

#include "buscommands.h"
#include "frameplayer.h"
#include "moduleconnection.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>

#include <functional>
#include <optional>

// The running program on the session bus: org.glyphsmith.Glyphsmith1 at /org/glyphsmith/Glyphsmith
// under the name org.glyphsmith.Glyphsmith (org.glyphsmith.Glyphsmith1.xml describes it). The
// methods of busCommands() put their messages on the program's connection, through its one paced
// queue, in order with the user's own clicks, and only while it holds a module; Open and
// Activate go to the program through its hooks; the properties say which module it holds, and
// StateChanged when that changes. No widgets: the program hands in what it has.
//
// A message method answers once its message has been handed to the line. A caller that keeps
// two or three calls under way therefore sends at the line's pace, and never piles a backlog up
// in front of the user's clicks.
class BusService : public QDBusVirtualObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        // Open: a library file to open, asking about unsaved changes first as Pattern > Open does.
        std::function<void(const QString &file)> open;
        // Activate: the main window to the front.
        std::function<void()> activate;
    };

    BusService(ModuleConnection &connection, Hooks hooks, QObject *parent = nullptr);
    ~BusService() override;

    // Registers the object on `bus` and takes the bus name. False, and nothing left registered,
    // when another program has the name already or the bus refused.
    bool offer(const QDBusConnection &bus);
    void withdraw();
    bool isOffered() const { return m_bus.has_value(); }

    // The properties' values, as a caller reads them.
    QString state() const;
    QString detail() const;

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

private:
    struct Waiting
    {
        quint64 ticket; // the message's number in the connection's queue
        QDBusMessage call;
    };

    void run(const BusCommand &command, const QDBusMessage &call);
    void send(const BusCommand &command, const BusAction &action, const QDBusMessage &call);
    void request(const BusCommand &command, const BusAction &action, const QDBusMessage &call);
    void play(const BusAction &action, const QDBusMessage &call);
    void playStopped();
    void properties(const QDBusMessage &call);
    QVariantMap propertyValues() const;
    void handedOver(quint64 count);
    void connectionChanged();
    void failWaiting();
    void reply(const QDBusMessage &call, const QVariantList &arguments = {});
    void fail(const QDBusMessage &call, const char *error, const QString &text);
    QString notOpen() const;

    ModuleConnection &m_connection;
    Hooks m_hooks;
    std::optional<QDBusConnection> m_bus;
    QList<Waiting> m_waiting;
    FramePlayer m_player;
    std::optional<QDBusMessage> m_playCall;
    bool m_playInterrupted = false;
    bool m_playFailed = false;
    QVariantMap m_announced; // the properties as last announced
};
