#include "brokersupport.h"
#include "moduleconnection.h"
#include "moduleexchange.h"
#include "modulerequest.h"
#include "networksupport.h"
#include "testsupport.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

namespace {

const QString Shelf = QStringLiteral("glyphsmith/shelf");
const QString Sim = QStringLiteral("glyphsmith/sim");

// A line of the simulator's log with --log-times: when the message's last byte arrived, and
// the message in hex.
struct LoggedMessage
{
    double ms;
    QString hex;
};

} // namespace

// glyphsmith-bridge against the real Mosquitto broker (one for the whole suite, with a password
// file): the bytes each topic puts on the line, read at the far end of a pty; refused payloads
// on the error topic with nothing sent; the simulator behind the bridge for the settings, the
// animations, a stalled network path and the mqtt:// transport; the retained states and the
// last will; the broker killed and started again.
class TestBridge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void commands_data();
    void commands();
    void refused_data();
    void refused();
    void patternFloodEndsOnLast();
    void settingsThroughTopics();
    void playsAnimationOfLibrary();
    void stalledPathKeepsTextsApart();
    void transportSendsThroughBridge();
    void transportUnavailable_data();
    void transportUnavailable();
    void sendCommandLineThroughBridge();
    void retainedStatesAfterStop_data();
    void retainedStatesAfterStop();
    void discoveryRemovedWithModule();
    void brokerRestartKeepsBridge();

private:
    QByteArray config(const QString &base, const QStringList &modules,
                      const QString &extraBridge = {}) const;
    QList<LoggedMessage> simLog() const;
    QString mqttUrl(const QString &module, bool withUser = true) const;

    QTemporaryDir m_dir;
    MosquittoBroker m_broker;
    Pty m_pty;
    SimulatorProcess m_sim;
    BridgeProcess m_bridge;
    std::unique_ptr<Subscriber> m_errors;
};

QByteArray TestBridge::config(const QString &base, const QStringList &modules,
                              const QString &extraBridge) const
{
    QString text = QStringLiteral("[broker]\n"
                                  "host = 127.0.0.1\n"
                                  "port = %1\n"
                                  "user = %2\n"
                                  "password-file = %3\n"
                                  "client-id = bridge-%4\n"
                                  "keep-alive = 10\n"
                                  "[bridge]\n"
                                  "base-topic = %4\n%5")
                       .arg(m_broker.port())
                       .arg(QLatin1String(MosquittoBroker::User),
                            m_dir.filePath(QStringLiteral("password")), base, extraBridge);
    for (const QString &module : modules)
        text += module;
    return text.toUtf8();
}

QString TestBridge::mqttUrl(const QString &module, bool withUser) const
{
    return QStringLiteral("mqtt://") + (withUser ? QStringLiteral("glyph@") : QString()) +
           QStringLiteral("127.0.0.1:%1/glyphsmith/%2").arg(m_broker.port()).arg(module);
}

QList<LoggedMessage> TestBridge::simLog() const
{
    QList<LoggedMessage> messages;
    QFile file(m_dir.filePath(QStringLiteral("sim.log")));
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space < 0)
            continue;
        const QString hex = QString::fromLatin1(line.mid(space + 1));
        if (hex.startsWith(u'<') || hex.startsWith(u'#'))
            continue;
        messages.append({line.left(space).toDouble(), hex});
    }
    return messages;
}

void TestBridge::initTestCase()
{
    useTemporarySettings();
    mapAllPortsToMissing();
    QVERIFY2(QFileInfo(qEnvironmentVariable("GLYPHSMITH_BRIDGE")).isExecutable(),
             "GLYPHSMITH_BRIDGE names no glyphsmith-bridge binary");
    QVERIFY2(m_broker.start(), qPrintable(m_broker.errorString()));
    QVERIFY(m_pty.isValid());
    QFile password(m_dir.filePath(QStringLiteral("password")));
    QVERIFY(password.open(QIODevice::WriteOnly));
    password.write(QByteArray(MosquittoBroker::Password) + '\n');
    password.close();
    qputenv("GLYPHSMITH_MQTT_PASSWORD", MosquittoBroker::Password);

    // The simulator takes bytes at a 9600-baud line's pace and stamps each message it frames.
    QVERIFY(m_sim.start(
        {"--baud", "9600", "--log-times", "--log", m_dir.filePath(QStringLiteral("sim.log"))}));
    QFile library(m_dir.filePath(QStringLiteral("shelf.glyphs")));
    QVERIFY(library.open(QIODevice::WriteOnly));
    library.write(R"({"format": "glyphsmith-library", "version": 1, "patterns": [],
        "animations": [{"name": "Blink", "frames": [
            {"bytes": "00 24 99 58 58 99 24 00", "duration": 60},
            {"bytes": "FF 00 FF 00 FF 00 FF 00", "duration": 60},
            {"bytes": "01 02 03 04 05 06 07 08", "duration": 60}]}]})");
    library.close();

    m_errors = std::make_unique<Subscriber>(m_broker, QStringLiteral("glyphsmith/+/error"));
    QVERIFY(m_errors->waitConnected());
    Subscriber states(m_broker, QStringLiteral("glyphsmith/#"));
    QVERIFY(states.waitConnected());
    QVERIFY(
        m_bridge.start(config(QStringLiteral("glyphsmith"),
                              {QStringLiteral("[module shelf]\nport = %1\n").arg(m_pty.slavePath()),
                               QStringLiteral("[module sim]\nport = %1\nlibrary = %2\n")
                                   .arg(m_sim.link(), library.fileName())})));
    QVERIFY2(states.waitFor(Shelf + "/state", QByteArray("open")), qPrintable(m_bridge.log()));
    QVERIFY2(states.waitFor(Sim + "/state", QByteArray("open")), qPrintable(m_bridge.log()));
    QVERIFY(states.waitFor("glyphsmith/bridge/state", QByteArray("online")));
}

void TestBridge::cleanupTestCase()
{
    m_bridge.terminate();
    m_sim.stop();
    m_broker.kill();
}

void TestBridge::commands_data()
{
    // Published with mosquitto_pub as a shell would; the bytes are those glyphsmith-send sends
    // for the same command.
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("scroll") << "scroll" << QByteArray("HELLO") << hex("FD 48 45 4C 4C 4F");
    QTest::newRow("scroll of 20") << "scroll" << QByteArray("ABCDEFGHIJKLMNOPQRST")
                                  << hex("FD 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 "
                                         "52 53 54");
    QTest::newRow("scroll Latin-1") << "scroll"
                                    << QByteArray("\xC3\xBC"
                                                  "ber")
                                    << hex("FD FC 62 65 72");
    QTest::newRow("animate") << "animate" << QByteArray("GO") << hex("FB 47 4F");
    QTest::newRow("char") << "char" << QByteArray("Z") << hex("FE 5A");
    QTest::newRow("custom") << "custom" << QByteArray("7") << hex("FE 07");
    QTest::newRow("pattern hex") << "pattern" << QByteArray("18 3C 7E FF FF 7E 3C 18")
                                 << hex("FC 18 3C 7E FF FF 7E 3C 18");
    QTest::newRow("pattern C array")
        << "pattern"
        << QByteArray("const uint8_t heart[8] = {0x00, 0x66, 0xFF, 0xFF, 0x7E, 0x3C, 0x18, 0x00};")
        << hex("FC C0 E1 E3 C7 C7 E3 E1 C0");
    QTest::newRow("pattern of command bytes")
        << "pattern" << QByteArray("F0 FE FD FC FB FA F9 F8") << hex("FC F0 FE FD FC FB FA F9 F8");
    QTest::newRow("arrow left") << "arrow" << QByteArray("left") << hex("F8 03");
    QTest::newRow("speed 2") << "speed" << QByteArray("2") << hex("FA 31");
    QTest::newRow("whole message") << "message" << hex("FE 41") << hex("FE 41");
}

void TestBridge::commands()
{
    QFETCH(QString, topic);
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, expected);
    m_pty.readAll(20);
    QVERIFY(mosquittoPub(m_broker, Shelf + u'/' + topic, payload));
    const QByteArray got = m_pty.read(int(expected.size()), 3000);
    QCOMPARE(Protocol::hexString(got), Protocol::hexString(expected));
    QCOMPARE(Protocol::hexString(m_pty.readAll(50)), QString());
}

void TestBridge::refused_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("reason");

    QTest::newRow("text of 21")
        << "scroll" << QByteArray("ABCDEFGHIJKLMNOPQRSTU")
        << "scroll: the text has 21 characters; the module takes at most 20";
    QTest::newRow("text outside Latin-1") << "scroll"
                                          << QByteArray("\xE2\x82\xAC"
                                                        "5")
                                          << "scroll: '\u20AC' cannot be sent";
    QTest::newRow("animate emoji")
        << "animate" << QByteArray("\xF0\x9F\x98\x80") << "animate: '\U0001F600' cannot be sent";
    QTest::newRow("no pattern") << "pattern" << QByteArray("a heart please")
                                << "pattern: 'a heart please' is no pattern";
    QTest::newRow("seven bytes") << "pattern" << QByteArray("00 11 22 33 44 55 66")
                                 << "pattern: '00 11 22 33 44 55 66' is no pattern";
    QTest::newRow("bad JSON") << "settings/set" << QByteArray("{\"mode\": 3")
                              << "settings/set: the payload is not JSON";
    QTest::newRow("mode out of range") << "settings/set" << QByteArray("{\"mode\": 12}")
                                       << "settings/set: \"mode\" must be a whole number";
    QTest::newRow("speed 9") << "speed" << QByteArray("9")
                             << "speed: the speed must be a number from 1 to 4, not '9'";
    QTest::newRow("arrow sideways") << "arrow" << QByteArray("sideways")
                                    << "arrow: the direction must be up, down, left or right";
    QTest::newRow("unknown animation")
        << "play" << QByteArray("Blink") << "play: no library is configured for the module shelf";
    QTest::newRow("junk message") << "message" << QByteArray("hello")
                                  << "message: 5 bytes beginning with 68 are no message";
}

void TestBridge::refused()
{
    QFETCH(QString, topic);
    QFETCH(QByteArray, payload);
    QFETCH(QString, reason);
    m_pty.readAll(20);
    m_errors->clear();
    QVERIFY(mosquittoPub(m_broker, Shelf + u'/' + topic, payload));
    const auto error = m_errors->waitFor(Shelf + "/error", std::nullopt);
    QVERIFY2(error, "nothing on the error topic");
    QVERIFY2(QString::fromUtf8(error->payload).startsWith(reason), error->payload.constData());
    QVERIFY(!error->retained);
    // Nothing is sent for it.
    QCOMPARE(Protocol::hexString(m_pty.readAll(200)), QString());
}

void TestBridge::patternFloodEndsOnLast()
{
    m_pty.readAll(20);
    MqttClient publisher;
    publisher.setOptions(m_broker.options());
    QSignalSpy connected(&publisher, &MqttClient::connected);
    publisher.connectToBroker();
    QVERIFY(connected.wait(5000));
    const int count = 1000;
    QByteArray last;
    for (int i = 0; i < count; ++i) {
        const QByteArray bytes = QByteArray::number(i * 2654435761u, 16).rightJustified(16, '0');
        last = hex("FC") + QByteArray::fromHex(bytes);
        QVERIFY(publisher.publish(Shelf + "/pattern", Protocol::hexString(last.mid(1)).toLatin1(),
                                  0) > 0);
    }
    QByteArray got;
    QDeadlineTimer deadline(15000);
    while (!got.endsWith(last) && !deadline.hasExpired())
        got += m_pty.read(9, 200);
    got += m_pty.readAll(300);
    QVERIFY2(got.endsWith(last), qPrintable(Protocol::hexString(got.right(18))));
    // Only whole dot patterns, and far fewer than were published: a flood replaces what waits.
    QCOMPARE(got.size() % 9, 0);
    for (qsizetype at = 0; at < got.size(); at += 9)
        QCOMPARE(quint8(got.at(at)), quint8(0xFC));
    QVERIFY2(got.size() / 9 < count / 2, qPrintable(QString::number(got.size() / 9)));
}

void TestBridge::settingsThroughTopics()
{
    Subscriber answers(m_broker, Sim + "/settings");
    QVERIFY(answers.waitConnected());
    const qsizetype before = simLog().size();
    QVERIFY(mosquittoPub(m_broker, Sim + "/settings/set",
                         R"({"mode": 3, "speed": 2, "message": "HELLO"})"));
    const auto stored = answers.waitFor(Sim + "/settings", std::nullopt);
    QVERIFY2(stored, qPrintable(m_bridge.log()));
    QCOMPARE(stored->payload, QByteArray(R"({"message":"HELLO","mode":3,"speed":2})"));
    QStringList sent;
    for (const LoggedMessage &message : simLog().mid(before))
        sent << message.hex;
    QCOMPARE(sent, (QStringList{"F7 03", "F6 31", "F5 48 45 4C 4C 4F", "F0"}));

    answers.clear();
    QVERIFY(mosquittoPub(m_broker, Sim + "/settings/get", QByteArray()));
    const auto read = answers.waitFor(Sim + "/settings", std::nullopt);
    QVERIFY(read);
    QCOMPARE(read->payload, QByteArray(R"({"message":"HELLO","mode":3,"speed":2})"));
}

void TestBridge::playsAnimationOfLibrary()
{
    const qsizetype before = simLog().size();
    QVERIFY(mosquittoPub(m_broker, Sim + "/play", QByteArray("Blink")));
    QTRY_VERIFY_WITH_TIMEOUT(simLog().size() >= before + 3, 3000);
    QStringList sent;
    for (const LoggedMessage &message : simLog().mid(before))
        sent << message.hex;
    QCOMPARE(sent, (QStringList{"FC 00 24 99 58 58 99 24 00", "FC FF 00 FF 00 FF 00 FF 00",
                                "FC 01 02 03 04 05 06 07 08"}));
    // A name the library lacks is refused.
    m_errors->clear();
    QVERIFY(mosquittoPub(m_broker, Sim + "/play", QByteArray("Wink")));
    const auto error = m_errors->waitFor(Sim + "/error", std::nullopt);
    QVERIFY(error);
    QVERIFY2(error->payload.contains("has no animation named \"Wink\""),
             error->payload.constData());
}

// Texts carry no length: the module finds each one's end by the line going quiet. Ten texts
// published while the path to the bridge stands still for 300 ms reach the bridge all at once;
// it still puts them on the line one by one, each followed by the quiet gap.
void TestBridge::stalledPathKeepsTextsApart()
{
    MqttClient publisher;
    publisher.setOptions(m_broker.options());
    QSignalSpy connected(&publisher, &MqttClient::connected);
    publisher.connectToBroker();
    QVERIFY(connected.wait(5000));
    const qsizetype before = simLog().size();
    QStringList texts;
    for (int i = 0; i < 10; ++i)
        texts << QStringLiteral("TEXT %1").arg(QChar(u'A' + i));
    for (int i = 0; i < 3; ++i)
        QVERIFY(publisher.publish(Sim + "/scroll", texts.at(i).toLatin1(), 1) > 0);
    m_broker.pause();
    for (int i = 3; i < 10; ++i)
        QVERIFY(publisher.publish(Sim + "/scroll", texts.at(i).toLatin1(), 1) > 0);
    QTest::qWait(300);
    m_broker.resume();
    // The simulator stamps a message when it reads it. A reader held up by a busy machine finds
    // two messages in one read and logs them as one, so the bytes are compared as one stream
    // and the pace over the whole run, where such a delay costs at most the first message's.
    QString expected;
    double least = 0;
    const double byteMs = 10.0 / 9.6;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QByteArray bytes = Protocol::scroll(texts.at(i)).bytes();
        expected +=
            (expected.isEmpty() ? QString() : QStringLiteral(" ")) + Protocol::hexString(bytes);
        if (i > 0)
            least += bytes.size() * byteMs + 4.5;
    }
    const auto stream = [&] {
        QStringList hex;
        for (const LoggedMessage &message : simLog().mid(before))
            hex << message.hex;
        return hex.join(u' ');
    };
    QTRY_COMPARE_WITH_TIMEOUT(stream(), expected, 5000);
    const QList<LoggedMessage> logged = simLog().mid(before);
    const double span = logged.last().ms - logged.first().ms;
    // Sent back to back after the stall, the ten would arrive within a few milliseconds.
    const double allowance = 25;
    QVERIFY2(span >= least - allowance,
             qPrintable(QStringLiteral("the ten texts came within %1 ms; at least %2 ms expected")
                            .arg(span)
                            .arg(least - allowance)));
}

void TestBridge::transportSendsThroughBridge()
{
    ModuleConnection connection;
    connection.setSettings(QStringLiteral("9600,n,8,1"));
    QSignalSpy opened(&connection, &ModuleConnection::opened);
    QVERIFY(connection.openDevice(mqttUrl(QStringLiteral("sim"))));
    QVERIFY2(opened.wait(5000), qPrintable(connection.errorString()));
    QCOMPARE(connection.state(), ModuleConnection::State::Open);

    const qsizetype before = simLog().size();
    QVERIFY(connection.send(Protocol::dotMatrix({0x10, 0, 0, 0, 0, 0, 0, 0})));
    QVERIFY(connection.send(Protocol::scroll(QStringLiteral("HI"))));
    QVERIFY(connection.send(Protocol::scroll(QStringLiteral("THERE"))));
    QTRY_VERIFY_WITH_TIMEOUT(simLog().size() >= before + 3, 3000);
    QStringList sent;
    for (const LoggedMessage &message : simLog().mid(before))
        sent << message.hex;
    QCOMPARE(sent, (QStringList{"FC 10 00 00 00 00 00 00 00", "FD 48 49", "FD 54 48 45 52 45"}));

    // The configuration dialog's exchange: the module's answer comes back through the bridge
    // within the reply wait.
    QVERIFY(connection.send(Protocol::changeSpeed(Protocol::SpeedCode[3])));
    QTest::qWait(200);
    connection.discardInput();
    ModuleRequest *request = connection.request(Protocol::readSettings(), 1, nullptr, this);
    QSignalSpy finished(request, &ModuleRequest::finished);
    QVERIFY(finished.wait(3000));
    QCOMPARE(request->outcome(), ModuleRequest::Outcome::Done);
    QCOMPARE(Protocol::decodeSettings(request->reply()).speedIndex, std::optional<int>(3));
    delete request;
}

void TestBridge::transportUnavailable_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("reason");

    QTest::newRow("no such module") << "{url}/glyphsmith/nowhere" << MosquittoBroker::Password
                                    << int(LinkFailure::NoAnswer) << "says nothing";
    QTest::newRow("wrong password") << "{url}/glyphsmith/sim"
                                    << "wrong" << int(LinkFailure::PermissionDenied) << "refused";
    QTest::newRow("no password") << "{url}/glyphsmith/sim"
                                 << "" << int(LinkFailure::PermissionDenied) << "refused";
    QTest::newRow("no broker") << "mqtt://glyph@127.0.0.1:{closed}/glyphsmith/sim"
                               << MosquittoBroker::Password << int(LinkFailure::Refused)
                               << "Connection refused";
}

void TestBridge::transportUnavailable()
{
    QFETCH(QString, url);
    QFETCH(QString, password);
    QFETCH(int, failure);
    QFETCH(QString, reason);
    url.replace(QLatin1String("{url}"),
                QStringLiteral("mqtt://glyph@127.0.0.1:%1").arg(m_broker.port()));
    url.replace(QLatin1String("{closed}"), QString::number(freeTcpPort()));
    qputenv("GLYPHSMITH_MQTT_PASSWORD", password.toUtf8());
    ModuleConnection connection;
    connection.setReconnecting(false);
    QSignalSpy failed(&connection, &ModuleConnection::openFailed);
    QVERIFY(connection.openDevice(url));
    QVERIFY(failed.wait(6000));
    qputenv("GLYPHSMITH_MQTT_PASSWORD", MosquittoBroker::Password);
    QCOMPARE(connection.state(), ModuleConnection::State::NotAvailable);
    QCOMPARE(int(connection.failure()), failure);
    QVERIFY2(connection.errorString().contains(reason), qPrintable(connection.errorString()));
}

void TestBridge::sendCommandLineThroughBridge()
{
    const qsizetype before = simLog().size();
    QProcess send;
    send.start(qEnvironmentVariable("GLYPHSMITH_SEND"),
               {"--port", mqttUrl(QStringLiteral("sim")), "pattern", "18 3C 7E FF FF 7E 3C 18"});
    QVERIFY(send.waitForFinished(10000));
    QCOMPARE(send.exitCode(), 0);
    send.start(qEnvironmentVariable("GLYPHSMITH_SEND"),
               {"--port", mqttUrl(QStringLiteral("sim")), "set-message", "BYE"});
    QVERIFY(send.waitForFinished(10000));
    QVERIFY2(send.exitCode() == 0, send.readAllStandardError().constData());
    send.start(qEnvironmentVariable("GLYPHSMITH_SEND"),
               {"--port", mqttUrl(QStringLiteral("sim")), "--json", "settings"});
    QVERIFY(send.waitForFinished(10000));
    QVERIFY2(send.exitCode() == 0, send.readAllStandardError().constData());
    QVERIFY2(send.readAllStandardOutput().contains("\"message\":\"BYE\""), "no settings read");
    QStringList sent;
    for (const LoggedMessage &message : simLog().mid(before))
        sent << message.hex;
    QCOMPARE(sent, (QStringList{"FC 18 3C 7E FF FF 7E 3C 18", "F5 42 59 45", "F0"}));
}

void TestBridge::retainedStatesAfterStop_data()
{
    QTest::addColumn<bool>("killed");
    QTest::newRow("killed") << true;
    QTest::newRow("stopped by SIGTERM") << false;
}

void TestBridge::retainedStatesAfterStop()
{
    QFETCH(bool, killed);
    const QString base = killed ? QStringLiteral("killed") : QStringLiteral("stopped");
    Pty pty;
    BridgeProcess bridge;
    Subscriber states(m_broker, base + "/#");
    QVERIFY(states.waitConnected());
    QVERIFY(bridge.start(
        config(base, {QStringLiteral("[module one]\nport = %1\n").arg(pty.slavePath()),
                      QStringLiteral("[module two]\nport = %1\n").arg(missingDevicePath(6))})));
    QVERIFY2(states.waitFor(base + "/one/state", QByteArray("open")), qPrintable(bridge.log()));
    const auto two = states.waitFor(base + "/two/state", std::nullopt);
    QVERIFY(two);
    QCOMPARE(
        QString::fromUtf8(two->payload),
        QStringLiteral("not available: %1: No such file or directory").arg(missingDevicePath(6)));
    QCOMPARE(retained(m_broker, base + "/#"),
             (QMap<QString, QByteArray>{{base + "/bridge/state", "online"},
                                        {base + "/one/state", "open"},
                                        {base + "/two/state", two->payload}}));
    // A transport on the bridge's module is lost with it.
    ModuleConnection connection;
    connection.setReconnecting(false);
    QSignalSpy opened(&connection, &ModuleConnection::opened);
    QVERIFY(connection.openDevice(
        QStringLiteral("mqtt://glyph@127.0.0.1:%1/%2/one").arg(m_broker.port()).arg(base)));
    QVERIFY2(opened.wait(5000), qPrintable(connection.errorString()));
    QSignalSpy lost(&connection, &ModuleConnection::lost);

    if (killed)
        bridge.kill();
    else
        bridge.terminate();
    QVERIFY(lost.wait(5000));
    QCOMPARE(retained(m_broker, base + "/#"),
             (QMap<QString, QByteArray>{{base + "/bridge/state", "offline"},
                                        {base + "/one/state", "offline"},
                                        {base + "/two/state", "offline"}}));
}

void TestBridge::discoveryRemovedWithModule()
{
    BridgeProcess bridge;
    const QString modules[] = {
        QStringLiteral("[module a]\nport = %1\nname = Desk A\n").arg(missingDevicePath(5)),
        QStringLiteral("[module b]\nport = %1\n").arg(missingDevicePath(4))};
    QVERIFY(bridge.start(config(QStringLiteral("disc"), {modules[0], modules[1]},
                                QStringLiteral("discovery = yes\n"))));
    QTRY_COMPARE_WITH_TIMEOUT(retained(m_broker, QStringLiteral("homeassistant/+/disc_b/#")).size(),
                              7, 5000);
    const auto scroll =
        retained(m_broker, QStringLiteral("homeassistant/text/disc_a/scroll/config"));
    QVERIFY(scroll.value("homeassistant/text/disc_a/scroll/config").contains("\"Desk A\""));
    bridge.terminate();

    // Started again without b: b's configurations are gone from the broker, a's stay.
    QVERIFY(bridge.start(
        config(QStringLiteral("disc"), {modules[0]}, QStringLiteral("discovery = yes\n"))));
    QTRY_COMPARE_WITH_TIMEOUT(retained(m_broker, QStringLiteral("homeassistant/+/disc_b/#")).size(),
                              0, 5000);
    QCOMPARE(retained(m_broker, QStringLiteral("homeassistant/+/disc_a/#")).size(), 7);
    bridge.terminate();
}

void TestBridge::brokerRestartKeepsBridge()
{
    ModuleConnection connection;
    QSignalSpy opened(&connection, &ModuleConnection::opened);
    QVERIFY(connection.openDevice(mqttUrl(QStringLiteral("sim"))));
    QVERIFY(opened.wait(5000));
    QSignalSpy lost(&connection, &ModuleConnection::lost);

    m_broker.kill();
    QVERIFY(lost.wait(3000));
    QTest::qWait(500);
    QVERIFY2(m_broker.start(), qPrintable(m_broker.errorString()));
    // A broker without persistence forgot everything: the bridge publishes its states again.
    QTRY_COMPARE_WITH_TIMEOUT(retained(m_broker, QStringLiteral("glyphsmith/+/state")),
                              (QMap<QString, QByteArray>{{"glyphsmith/bridge/state", "online"},
                                                         {"glyphsmith/shelf/state", "open"},
                                                         {"glyphsmith/sim/state", "open"}}),
                              15000);
    // And takes messages again.
    m_pty.readAll(20);
    QTRY_VERIFY_WITH_TIMEOUT(mosquittoPub(m_broker, Shelf + "/scroll", "BACK") &&
                                 m_pty.read(5, 1000) == hex("FD 42 41 43 4B"),
                             10000);
    // The program's connection comes back by itself.
    QTRY_VERIFY_WITH_TIMEOUT(connection.isOpen(), 10000);
}

QTEST_GUILESS_MAIN(TestBridge)
#include "tst_bridge.moc"
