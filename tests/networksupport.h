#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The far ends the network and hot-plug tests talk to: the module simulator as a process of its
// own, and the real ser2net serving its pty on 127.0.0.1 only, from a configuration written to a
// temporary folder, on ports that were free.
namespace TestSupport {

// A TCP port on 127.0.0.1 that nothing listens on right now.
quint16 freeTcpPort();

// glyphsmith-sim --headless behind a link in a folder of its own (GLYPHSMITH_SIM names it).
class SimulatorProcess
{
public:
    SimulatorProcess();
    ~SimulatorProcess();
    // Starts it with these extra arguments (faults) and waits until it serves its link.
    bool start(const QStringList &faults = {});
    void stop();
    QString link() const { return m_dir.filePath(QStringLiteral("module")); }
    // The messages it has framed, in hex, oldest first.
    QStringList messages() const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};

// ser2net with one raw TCP and one RFC 2217 connection to `device`, 9600 8N1.
class Ser2netProcess
{
public:
    Ser2netProcess();
    ~Ser2netProcess();
    // Starts it (again, on the same ports after stop()) and waits until both ports listen.
    bool start(const QString &device);
    // The same with the raw port and the RFC 2217 port serving devices of their own.
    bool start(const QString &rawDevice, const QString &telnetDevice);
    // Ends it at once (SIGKILL): its connections drop as a far side's would.
    void kill();
    QString rawUrl() const;
    QString rfc2217Url() const;
    QString errorString() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_rawPort = 0;
    quint16 m_telnetPort = 0;
    QString m_error;
};

} // namespace TestSupport
