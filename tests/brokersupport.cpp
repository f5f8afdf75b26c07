#include "brokersupport.h"

#include "networksupport.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace TestSupport {

MosquittoBroker::MosquittoBroker() = default;

MosquittoBroker::~MosquittoBroker()
{
    resume();
    kill();
}

bool MosquittoBroker::start()
{
    if (m_port == 0) {
        m_port = freeTcpPort();
        const QString passwords = m_dir.filePath(QStringLiteral("passwords"));
        const int made = QProcess::execute(QStringLiteral("mosquitto_passwd"),
                                           {"-c", "-b", passwords, User, Password});
        if (made != 0) {
            m_error = QStringLiteral("mosquitto_passwd failed (is mosquitto installed? "
                                     "scripts/setup-deps installs it)");
            return false;
        }
        // Run as root, the broker would change to the user "mosquitto", who cannot read the
        // test's private folder: it stays the user it is.
        const passwd *account = ::getpwuid(::getuid());
        QFile config(m_dir.filePath(QStringLiteral("mosquitto.conf")));
        if (!config.open(QIODevice::WriteOnly))
            return false;
        config.write(QStringLiteral("user %1\n"
                                    "listener %2 127.0.0.1\n"
                                    "allow_anonymous false\n"
                                    "password_file %3\n"
                                    "persistence false\n"
                                    "log_dest stderr\n")
                         .arg(QString::fromLocal8Bit(account ? account->pw_name : "root"))
                         .arg(m_port)
                         .arg(passwords)
                         .toLocal8Bit());
    }
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral("mosquitto"),
                    {"-c", m_dir.filePath(QStringLiteral("mosquitto.conf"))});
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        MqttClient probe;
        probe.setOptions(options());
        QSignalSpy up(&probe, &MqttClient::connected);
        QSignalSpy down(&probe, &MqttClient::disconnected);
        probe.connectToBroker();
        [[maybe_unused]] const bool answered =
            QTest::qWaitFor([&] { return !up.isEmpty() || !down.isEmpty(); }, 2000);
        if (!up.isEmpty())
            return true;
        if (m_process.state() == QProcess::NotRunning)
            break;
        QThread::msleep(50);
    }
    m_error =
        QStringLiteral("mosquitto did not listen: ") + QString::fromLocal8Bit(m_process.readAll());
    return false;
}

void MosquittoBroker::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(3000);
}

void MosquittoBroker::pause()
{
    if (m_process.state() != QProcess::NotRunning)
        ::kill(pid_t(m_process.processId()), SIGSTOP);
}

void MosquittoBroker::resume()
{
    if (m_process.state() != QProcess::NotRunning)
        ::kill(pid_t(m_process.processId()), SIGCONT);
}

MqttOptions MosquittoBroker::options() const
{
    MqttOptions options;
    options.host = QStringLiteral("127.0.0.1");
    options.port = m_port;
    options.user = QLatin1String(User);
    options.password = QLatin1String(Password);
    return options;
}

bool mosquittoPub(const MosquittoBroker &broker, const QString &topic, const QByteArray &payload,
                  const QStringList &extra)
{
    QProcess pub;
    QStringList arguments{"-h", "127.0.0.1",
                          "-p", QString::number(broker.port()),
                          "-u", MosquittoBroker::User,
                          "-P", MosquittoBroker::Password,
                          "-t", topic};
    arguments += extra;
    // Through standard input, so that any byte goes as it is.
    arguments << (payload.isEmpty() ? QStringLiteral("-n") : QStringLiteral("-s"));
    pub.start(QStringLiteral("mosquitto_pub"), arguments);
    if (!pub.waitForStarted(5000))
        return false;
    pub.write(payload);
    pub.closeWriteChannel();
    return pub.waitForFinished(5000) && pub.exitStatus() == QProcess::NormalExit &&
           pub.exitCode() == 0;
}

Subscriber::Subscriber(const MosquittoBroker &broker, const QString &filter)
    : m_filter(filter)
{
    m_client.setOptions(broker.options());
    connect(&m_client, &MqttClient::connected, this, [this] { m_client.subscribe(m_filter, 1); });
    connect(&m_client, &MqttClient::subscribed, this, [this] { m_subscribed = true; });
    connect(&m_client, &MqttClient::messageReceived, this,
            [this](const QString &topic, const QByteArray &payload, bool retained) {
                m_messages.append({topic, payload, retained});
            });
    m_client.setReconnecting(true);
    m_client.connectToBroker();
}

bool Subscriber::waitConnected(int timeoutMs)
{
    return QTest::qWaitFor([this] { return m_subscribed; }, timeoutMs);
}

std::optional<Subscriber::Message>
Subscriber::waitFor(const QString &topic, const std::optional<QByteArray> &payload, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    qsizetype seen = 0;
    do {
        for (; seen < m_messages.size(); ++seen) {
            const Message &message = m_messages.at(seen);
            if (message.topic == topic && (!payload || message.payload == *payload))
                return message;
        }
        QTest::qWait(5);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

QList<Subscriber::Message> Subscriber::on(const QString &topic) const
{
    QList<Message> found;
    for (const Message &message : m_messages) {
        if (message.topic == topic)
            found.append(message);
    }
    return found;
}

QMap<QString, QByteArray> retained(const MosquittoBroker &broker, const QString &filter)
{
    Subscriber subscriber(broker, filter);
    QMap<QString, QByteArray> found;
    if (!subscriber.waitConnected())
        return found;
    // The broker sends the retained messages right after the subscription is acknowledged.
    QTest::qWait(150);
    for (const Subscriber::Message &message : subscriber.messages()) {
        if (message.retained)
            found.insert(message.topic, message.payload);
    }
    return found;
}

BridgeProcess::BridgeProcess() = default;

BridgeProcess::~BridgeProcess()
{
    kill();
}

bool BridgeProcess::start(const QByteArray &config, const QStringList &options)
{
    QFile file(configPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(config);
    file.close();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(m_dir.filePath(QStringLiteral("log")), QIODevice::Append);
    m_process.start(qEnvironmentVariable("GLYPHSMITH_BRIDGE"),
                    QStringList{"--config", configPath(), "--state-dir", stateDir()} + options);
    return m_process.waitForStarted(5000);
}

void BridgeProcess::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(3000);
}

void BridgeProcess::terminate()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        kill();
}

QString BridgeProcess::log() const
{
    QFile file(m_dir.filePath(QStringLiteral("log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace TestSupport
