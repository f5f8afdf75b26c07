#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QObject>
#include <QString>
#include <QVariantList>

#include <optional>

// One call of a method of the running program, as QNetworkReply is one request: finished() says
// that it is over, exactly once and from the event loop.
class BusCall : public QObject
{
    Q_OBJECT

public:
    BusCall(const QDBusPendingCall &call, QObject *parent);

    bool isFinished() const { return m_finished; }
    bool isError() const { return !m_errorName.isEmpty(); }
    // The D-Bus error's name (Bus::Error, or one of the bus's own) and its text.
    QString errorName() const { return m_errorName; }
    QString errorMessage() const { return m_errorMessage; }
    QVariantList arguments() const { return m_arguments; }
    QDBusMessage reply() const { return m_reply; }
    // Whether the call certainly did nothing: no program answered it at all, so that the caller
    // may do the same another way.
    bool reachedNoProgram() const;

signals:
    void finished();

private:
    QDBusPendingCallWatcher m_watcher;
    QString m_errorName;
    QString m_errorMessage;
    QVariantList m_arguments;
    QDBusMessage m_reply;
    bool m_finished = false;
};

// The running program as another process sees it on the session bus: whether it is there, which
// module it holds, and calls of its methods. Used by glyphsmith-send and glyphsmith-bridge.
class BusClient : public QObject
{
    Q_OBJECT

public:
    // What the program's properties say of its port.
    struct Port
    {
        QString state;
        QString detail;
        int commPort = 0;
        QString device;

        bool isOpen() const;
    };

    explicit BusClient(const QDBusConnection &bus, QObject *parent = nullptr);

    // Asks the program at once, waiting for its answer (briefly; for a program before its event
    // loop): its port, or nothing when no program is on the bus or it does not answer.
    std::optional<Port> port() const;
    // The same without waiting: the call's answer is read with portOf().
    BusCall *fetchPort(QObject *parent = nullptr);
    static std::optional<Port> portOf(const BusCall &call);
    // Whether `port` (what --port names: COMn resolved to its device, a device path, an
    // endpoint) is the module the program holds open.
    static bool holds(const Port &program, const QString &device);

    // A method of org.glyphsmith.Glyphsmith1 with these arguments; the call is the caller's
    // (`parent`). `timeout` in milliseconds, -1 for the bus's default.
    BusCall *call(const QString &method, const QVariantList &arguments, int timeout = -1,
                  QObject *parent = nullptr);

    // Follows the program from now on: changed() when it comes, goes, or its port changes.
    void watch();

signals:
    void changed();

private:
    QDBusConnection m_bus;
    bool m_watching = false;
};

// Whether two names of a module are the same one: device paths by the file they lead to,
// network endpoints by their normal form (an MQTT password left out).
bool sameModule(const QString &a, const QString &b);
