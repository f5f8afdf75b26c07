#include "networksupport.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

namespace TestSupport {

quint16 freeTcpPort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 0;
    return server.serverPort();
}

SimulatorProcess::SimulatorProcess() = default;

SimulatorProcess::~SimulatorProcess()
{
    stop();
}

bool SimulatorProcess::start(const QStringList &faults)
{
    m_process.start(qEnvironmentVariable("GLYPHSMITH_SIM"),
                    QStringList{"--headless", "--link", link(), "--log",
                                m_dir.filePath(QStringLiteral("log"))} +
                        faults);
    QDeadlineTimer deadline(5000);
    while (!m_process.canReadLine() && !deadline.hasExpired() &&
           m_process.state() != QProcess::NotRunning)
        m_process.waitForReadyRead(100);
    return m_process.readLine().trimmed() == QFile::encodeName(link());
}

void SimulatorProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(3000);
}

QStringList SimulatorProcess::messages() const
{
    QFile file(m_dir.filePath(QStringLiteral("log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList messages;
    for (const QString &line : QString::fromLatin1(file.readAll()).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'<') && !line.startsWith(u'#'))
            messages << line;
    }
    return messages;
}

Ser2netProcess::Ser2netProcess() = default;

Ser2netProcess::~Ser2netProcess()
{
    kill();
}

bool Ser2netProcess::start(const QString &device)
{
    return start(device, device);
}

bool Ser2netProcess::start(const QString &rawDevice, const QString &telnetDevice)
{
    const QString program = QStandardPaths::findExecutable(
        QStringLiteral("ser2net"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    if (program.isEmpty()) {
        m_error = QStringLiteral("ser2net is not installed (scripts/setup-deps installs it)");
        return false;
    }
    if (m_rawPort == 0) {
        m_rawPort = freeTcpPort();
        do {
            m_telnetPort = freeTcpPort();
        } while (m_telnetPort == m_rawPort);
    }
    const QString config = m_dir.filePath(QStringLiteral("ser2net.yaml"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(QStringLiteral("connection: &raw\n"
                              "  accepter: tcp,127.0.0.1,%1\n"
                              "  connector: serialdev,%3,9600n81,local\n"
                              "connection: &telnet\n"
                              "  accepter: telnet(rfc2217),tcp,127.0.0.1,%2\n"
                              "  connector: serialdev,%4,9600n81,local\n")
                   .arg(m_rawPort)
                   .arg(m_telnetPort)
                   .arg(rawDevice, telnetDevice)
                   .toLocal8Bit());
    file.close();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // -n: stay in the foreground; -u: no UUCP lock files outside the test's folder.
    m_process.start(program, {"-n", "-u", "-c", config, "-P", m_dir.filePath("ser2net.pid")});
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    // Listening is seen from /proc rather than by connecting, which would open the device.
    QDeadlineTimer deadline(5000);
    const auto listening = [](quint16 port) {
        for (const char *table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
            QFile tcp(QString::fromLatin1(table));
            if (!tcp.open(QIODevice::ReadOnly))
                continue;
            const QByteArray needle = QStringLiteral(":%1 00000000:0000 0A")
                                          .arg(port, 4, 16, QLatin1Char('0'))
                                          .toUpper()
                                          .toLatin1();
            if (tcp.readAll().toUpper().contains(needle))
                return true;
        }
        return false;
    };
    while (!deadline.hasExpired()) {
        if (listening(m_rawPort) && listening(m_telnetPort))
            return true;
        if (m_process.state() == QProcess::NotRunning)
            break;
        QThread::msleep(20);
    }
    m_error =
        QStringLiteral("ser2net did not listen: ") + QString::fromLocal8Bit(m_process.readAll());
    return false;
}

void Ser2netProcess::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(3000);
}

QString Ser2netProcess::rawUrl() const
{
    return QStringLiteral("tcp://127.0.0.1:%1").arg(m_rawPort);
}

QString Ser2netProcess::rfc2217Url() const
{
    return QStringLiteral("rfc2217://127.0.0.1:%1").arg(m_telnetPort);
}

} // namespace TestSupport
