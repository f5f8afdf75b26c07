#include "endpoint.h"
#include "rfc2217session.h"
#include "testsupport.h"

#include <QTest>

using namespace TestSupport;

namespace {

// What ser2net 4 sends first on a telnet(rfc2217) connection: WILL/DO SUPPRESS-GO-AHEAD, WILL
// ECHO, DONT ECHO, DO/WILL BINARY, DO COM-PORT-OPTION.
const char Ser2netOpening[] = "FF FB 03 FF FD 03 FF FB 01 FF FE 01 FF FD 00 FF FB 00 FF FD 2C";
// The line settings a client asks for at 9600 8N1 without flow control.
const char LineSettings[] = "FF FA 2C 01 00 00 25 80 FF F0 FF FA 2C 02 08 FF F0 "
                            "FF FA 2C 03 01 FF F0 FF FA 2C 04 01 FF F0 FF FA 2C 05 01 FF F0";
// The far side's answers to them.
const char Confirmations[] = "FF FA 2C 65 00 00 25 80 FF F0 FF FA 2C 66 08 FF F0 "
                             "FF FA 2C 67 01 FF F0 FF FA 2C 68 01 FF F0";

// A session that has gone through ser2net's negotiation.
Rfc2217Session readySession()
{
    Rfc2217Session session;
    session.start();
    QByteArray reply;
    session.receive(hex(Ser2netOpening) + hex(Confirmations), reply);
    return session;
}

} // namespace

// Telnet with the COM-PORT-OPTION byte for byte, and the addresses of modules on the network.
class TestRfc2217 : public QObject
{
    Q_OBJECT

private slots:
    void negotiatesWithSer2net();
    void escapesOutgoing_data();
    void escapesOutgoing();
    void filtersIncoming_data();
    void filtersIncoming();
    void refusals_data();
    void refusals();
    void endpoints_data();
    void endpoints();
};

void TestRfc2217::negotiatesWithSer2net()
{
    Rfc2217Session session;
    QCOMPARE(session.start(), hex("FF FB 00 FF FD 00 FF FB 2C"));
    QByteArray reply;
    QCOMPARE(session.receive(hex(Ser2netOpening), reply), QByteArray());
    // SUPPRESS-GO-AHEAD agreed both ways, ECHO declined, nothing said twice about BINARY and
    // the COM-PORT-OPTION, which were offered already; the line settings once it accepts that.
    QCOMPARE(reply, hex("FF FD 03 FF FB 03 FF FE 01") + hex(LineSettings));
    QCOMPARE(session.state(), Rfc2217Session::State::Negotiating);
    reply.clear();
    // A modem-state notice in between changes nothing; the fourth answer makes it ready.
    session.receive(hex("FF FA 2C 6B 00 FF F0") + hex(Confirmations), reply);
    QCOMPARE(reply, QByteArray());
    QCOMPARE(session.state(), Rfc2217Session::State::Ready);
}

void TestRfc2217::escapesOutgoing_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("wire");
    QTest::newRow("pattern of full columns")
        << hex("FC FF 81 FF 00 FF FF 18 FF") << hex("FC FF FF 81 FF FF 00 FF FF FF FF 18 FF FF");
    QTest::newRow("no 0xFF: unchanged") << hex("FE 41") << hex("FE 41");
    QTest::newRow("0xFF alone") << hex("FF") << hex("FF FF");
    QTest::newRow("telnet-looking bytes stay data") << hex("FB FD FA F0") << hex("FB FD FA F0");
}

void TestRfc2217::escapesOutgoing()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, wire);
    QCOMPARE(Rfc2217Session::escape(data), wire);
}

void TestRfc2217::filtersIncoming_data()
{
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("settings of a module with nothing stored")
        << hex("FF FF FF FF FF FF") << hex("FF FF FF");
    QTest::newRow("commands between the data")
        << hex("03 FF F1 31 FF FA 2C 6B 30 FF F0 05 FF FF") << hex("03 31 05 FF");
    QTest::newRow("doubled 0xFF inside a notice")
        << hex("AA FF FA 2C 6A FF FF FF F0 55") << hex("AA 55");
    QTest::newRow("late negotiation") << hex("41 FF FB 01 42") << hex("41 42");
}

void TestRfc2217::filtersIncoming()
{
    QFETCH(QByteArray, wire);
    QFETCH(QByteArray, data);
    Rfc2217Session whole = readySession();
    QByteArray reply;
    QCOMPARE(whole.receive(wire, reply), data);
    // Split anywhere, the same data: TCP may cut between any two bytes.
    for (int cut = 1; cut < wire.size(); ++cut) {
        Rfc2217Session split = readySession();
        QByteArray got = split.receive(wire.left(cut), reply);
        got += split.receive(wire.mid(cut), reply);
        QVERIFY2(got == data, qPrintable(QStringLiteral("cut at %1").arg(cut)));
    }
}

void TestRfc2217::refusals_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("says");
    QTest::newRow("option refused") << hex("FF FE 2C") << "refuses the COM-PORT-OPTION";
    QTest::newRow("other speed") << hex("FF FD 2C FF FA 2C 65 00 00 4B 00 FF F0") << "speed";
    QTest::newRow("parity not taken") << hex("FF FD 2C FF FA 2C 67 03 FF F0") << "parity";
}

void TestRfc2217::refusals()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, says);
    Rfc2217Session session;
    session.start();
    QByteArray reply;
    session.receive(answer, reply);
    QCOMPARE(session.state(), Rfc2217Session::State::Refused);
    QVERIFY2(session.refusal().contains(says), qPrintable(session.refusal()));
    // Confirmations after a refusal do not make it usable.
    session.receive(hex(Confirmations), reply);
    QCOMPARE(session.state(), Rfc2217Session::State::Refused);
}

void TestRfc2217::endpoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind"); // -1: refused
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("error");
    QTest::newRow("path") << "/dev/ttyUSB0" << int(Endpoint::Kind::Path) << "/dev/ttyUSB0"
                          << "";
    QTest::newRow("raw") << "tcp://127.0.0.1:2000" << int(Endpoint::Kind::Tcp)
                         << "tcp://127.0.0.1:2000"
                         << "";
    QTest::newRow("rfc2217, upper-case scheme")
        << "RFC2217://bridge:3001/" << int(Endpoint::Kind::Rfc2217) << "rfc2217://bridge:3001"
        << "";
    QTest::newRow("IPv6") << "tcp://[::1]:2000" << int(Endpoint::Kind::Tcp) << "tcp://[::1]:2000"
                          << "";
    QTest::newRow("no port") << "tcp://127.0.0.1" << -1 << ""
                             << "no port";
    QTest::newRow("empty port") << "tcp://127.0.0.1:" << -1 << ""
                                << "no port";
    QTest::newRow("port 0") << "rfc2217://host:0" << -1 << ""
                            << "out of range";
    QTest::newRow("port 65536") << "tcp://host:65536" << -1 << ""
                                << "out of range";
    QTest::newRow("port not a number") << "tcp://host:20x0" << -1 << ""
                                       << "out of range";
    QTest::newRow("no host") << "tcp://:2000" << -1 << ""
                             << "no host";
    QTest::newRow("IPv6 without brackets") << "tcp://::1:2000" << -1 << ""
                                           << "brackets";
    QTest::newRow("unknown scheme") << "telnet://host:23" << -1 << ""
                                    << "unknown kind";
}

void TestRfc2217::endpoints()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, normal);
    QFETCH(QString, error);
    QString why;
    const auto endpoint = Endpoint::parse(text, &why);
    QCOMPARE(endpoint.has_value(), kind >= 0);
    if (!endpoint) {
        QVERIFY2(why.contains(error), qPrintable(why));
        return;
    }
    QCOMPARE(int(endpoint->kind), kind);
    QCOMPARE(endpoint->toString(), normal);
}

QTEST_GUILESS_MAIN(TestRfc2217)
#include "tst_rfc2217.moc"
