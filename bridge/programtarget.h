#pragma once

#include "busclient.h"
#include "moduletarget.h"

#include <QDBusConnection>
#include <QPointer>

#include <optional>

// The module through the desktop program, while the program holds its port: each call goes
// over the session bus to the program (BusClient), whose one paced queue puts it on the line in
// order with the user's clicks. Open only while the program holds that very module.
class ProgramTarget : public ModuleTarget
{
    Q_OBJECT

public:
    // `device`: the module's device path or network endpoint (a COM number resolved already).
    ProgramTarget(const QDBusConnection &bus, const QString &device, QObject *parent = nullptr);

    void start() override;
    void stop() override;
    bool isOpen() const override;
    QString state() const override;
    bool send(const Protocol::Message &message) override;
    bool sendLatest(const Protocol::Message &message, bool *replaced = nullptr) override;
    void request(const Protocol::Message &message, int waits, QObject *context,
                 ReplyHandler handler) override;

    // Whether the program has been asked once since start(): until then it is not known
    // whether it holds the port.
    bool isKnown() const { return m_known; }

private:
    void refresh();
    void fetched();
    bool call(const char *method, const Protocol::Message &message);

    BusClient m_client;
    QString m_device;
    std::optional<BusClient::Port> m_program;
    QPointer<BusCall> m_fetch;
    bool m_fetchAgain = false;
    bool m_known = false;
    bool m_started = false;
};

// The module on its port, through the bridge's own connection (ConnectionTarget), or through the
// desktop program (ProgramTarget) while that holds the port: a bridge started before the
// program keeps the port, and the program then finds it held by the bridge; a bridge that finds
// the program holding it sends through the program, and takes the port again when the program
// lets it go.
class SharedTarget : public ModuleTarget
{
    Q_OBJECT

public:
    // `port`: COM1..COM6, a device path or a network endpoint, as the configuration names it.
    SharedTarget(const QString &port, const QDBusConnection &bus, QObject *parent = nullptr);

    ConnectionTarget &own() { return *m_own; }
    ProgramTarget &program() { return *m_program; }
    bool throughProgram() const { return m_program->isOpen(); }

    void start() override;
    void stop() override;
    bool isOpen() const override;
    QString state() const override;
    bool send(const Protocol::Message &message) override;
    bool sendLatest(const Protocol::Message &message, bool *replaced = nullptr) override;
    void request(const Protocol::Message &message, int waits, QObject *context,
                 ReplyHandler handler) override;

private:
    ModuleTarget &active() const;
    void programChanged();

    ConnectionTarget *m_own;
    ProgramTarget *m_program;
    bool m_started = false;
    bool m_ownStarted = false;
};

// The device or endpoint a port of the configuration stands for: a COM number as the program's
// settings map it, anything else as it is. Empty for a COM number that stands for none.
QString moduleDevice(const QString &port);
