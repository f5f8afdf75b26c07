#include "networksupport.h"
#include "sendrequest.h"
#include "testsupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

// glyphsmith-send as a shell runs it: its exit status, the one line on stderr, what it prints,
// and what the simulated module received, directly on its pty and through ser2net.
class TestSend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void exitStatus_data();
    void exitStatus();
    void helpListsEveryCommand();
};

void TestSend::initTestCase()
{
    useTemporarySettings();
    QVERIFY2(QFileInfo(qEnvironmentVariable("GLYPHSMITH_SEND")).isExecutable(),
             "GLYPHSMITH_SEND names no glyphsmith-send binary");
}

void TestSend::init()
{
    clearSettings();
    mapAllPortsToMissing();
}

void TestSend::exitStatus_data()
{
    // Arguments may name "{sim}" (the simulator's link), "{raw}" and "{rfc2217}" (ser2net's URLs
    // for it); COM1 is mapped to the link, COM2..COM6 to missing paths.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("received");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    using namespace ExitStatus;
    const QStringList none;

    QTest::newRow("pattern") << QStringList{"-p", "{sim}", "pattern", "18 3C 7E FF FF 7E 3C 18"}
                             << none << Done << QStringList{"FC 18 3C 7E FF FF 7E 3C 18"} << ""
                             << "";
    QTest::newRow("pattern as eight words")
        << QStringList{"--port", "{sim}", "pattern", "FF", "00", "FF", "00", "FF", "00", "FF", "00"}
        << none << Done << QStringList{"FC FF 00 FF 00 FF 00 FF 00"} << ""
        << "";
    QTest::newRow("pattern as a C array")
        << QStringList{"-p", "{sim}", "pattern",
                       "const uint8_t heart[8] = {0x00, 0x66, 0xFF, 0xFF, 0x7E, 0x3C, 0x18, 0x00};"}
        << none << Done << QStringList{"FC C0 E1 E3 C7 C7 E3 E1 C0"} << ""
        << "";
    QTest::newRow("bare bytes read as rows")
        << QStringList{"-p", "{sim}", "--format", "row-bytes", "pattern", "00 66 FF FF 7E 3C 18 00"}
        << none << Done << QStringList{"FC C0 E1 E3 C7 C7 E3 E1 C0"} << ""
        << "";
    QTest::newRow("pattern of a library")
        << QStringList{"-p", "{sim}", "pattern", "{library}", "arrow up"} << none << Done
        << QStringList{"FC 02 04 08 FF FF 08 04 02"} << ""
        << "";
    QTest::newRow("name not in the library")
        << QStringList{"-p", "{sim}", "pattern", "{library}", "heart"} << none << BadUsage << none
        << ""
        << "no pattern named 'heart'";
    QTest::newRow("--format with another command")
        << QStringList{"-p", "{sim}", "--format", "c-array", "scroll", "HI"} << none << BadUsage
        << none << ""
        << "'pattern' only";
    QTest::newRow("play") << QStringList{"-p", "{sim}", "play", "{library}", "blink"} << none
                          << Done
                          << QStringList{"FC FF 00 00 00 00 00 00 00", "FC 00 00 00 00 00 00 00 FF"}
                          << ""
                          << "";
    QTest::newRow("play, no such animation")
        << QStringList{"-p", "{sim}", "play", "{library}", "arrow up"} << none << BadUsage << none
        << ""
        << "no animation named \"arrow up\"";
    QTest::newRow("stored port, COM1")
        << QStringList{"char", "A"} << none << Done << QStringList{"FE 41"} << ""
        << "";
    QTest::newRow("Latin-1 text") << QStringList{"-p", "{sim}", "scroll", "Grüße"} << none << Done
                                  << QStringList{"FD 47 72 FC DF 65"} << ""
                                  << "";
    QTest::newRow("arrow") << QStringList{"-p", "{sim}", "arrow", "left"} << none << Done
                           << QStringList{"F8 03"} << ""
                           << "";
    QTest::newRow("settings") << QStringList{"-p", "{sim}", "settings"}
                              << QStringList{"--settings-reply", "03 31 05 48 45 4C 4C 4F"} << Done
                              << QStringList{"F0"} << "mode 3\nspeed 2\nmessage HELLO\n"
                              << "";
    QTest::newRow("settings as JSON")
        << QStringList{"-p", "{sim}", "--json", "settings"} << none << Done << QStringList{"F0"}
        << "{\"message\":null,\"mode\":0,\"speed\":3}\n"
        << "";
    QTest::newRow("set-speed acknowledged") << QStringList{"-p", "{sim}", "set-speed", "1"} << none
                                            << Done << QStringList{"F6 39"} << ""
                                            << "";
    QTest::newRow("set-message acknowledged late")
        << QStringList{"-p", "{sim}", "set-message", "HELLO"} << QStringList{"--reply-delay", "150"}
        << Done << QStringList{"F5 48 45 4C 4C 4F"} << ""
        << "";
    QTest::newRow("set-mode refused")
        << QStringList{"-p", "{sim}", "set-mode", "6"} << QStringList{"--nak"} << Refused
        << QStringList{"F7 06"} << ""
        << "refused: it answered 55";
    QTest::newRow("set-speed, no reply")
        << QStringList{"-p", "{sim}", "set-speed", "4"} << QStringList{"--no-reply"} << NoReply
        << QStringList{"F6 21"} << ""
        << "no reply";
    QTest::newRow("missing device")
        << QStringList{"-p", "COM3", "char", "A"} << none << PortUnavailable << none << ""
        << "not available";
    QTest::newRow("nothing listens") << QStringList{"-p", "tcp://127.0.0.1:{free}", "char", "A"}
                                     << none << PortUnavailable << none << ""
                                     << "refused";
    QTest::newRow("unknown command")
        << QStringList{"-p", "{sim}", "blink"} << none << BadUsage << none << ""
        << "unknown command 'blink'";
    QTest::newRow("custom 10") << QStringList{"-p", "{sim}", "custom", "10"} << none << BadUsage
                               << none << ""
                               << "0 to 9";
    QTest::newRow("speed 0") << QStringList{"-p", "{sim}", "set-speed", "0"} << none << BadUsage
                             << none << ""
                             << "1 to 4";
    QTest::newRow("bad hex") << QStringList{"-p", "{sim}", "pattern", "18 3C 7E FF FF 7E 3C 1G"}
                             << none << BadUsage << none << ""
                             << "is no pattern";
    QTest::newRow("not Latin-1") << QStringList{"-p", "{sim}", "scroll", "5 €"} << none << BadUsage
                                 << none << ""
                                 << "Latin-1";
    QTest::newRow("21 characters")
        << QStringList{"-p", "{sim}", "set-message", "ABCDEFGHIJKLMNOPQRSTU"} << none << BadUsage
        << none << ""
        << "at most 20";
    QTest::newRow("no command") << QStringList{"-p", "{sim}"} << none << BadUsage << none << ""
                                << "no command";
    QTest::newRow("URL without port")
        << QStringList{"-p", "tcp://127.0.0.1", "char", "A"} << none << BadUsage << none << ""
        << "no port";
    QTest::newRow("port out of range")
        << QStringList{"-p", "rfc2217://127.0.0.1:70000", "char", "A"} << none << BadUsage << none
        << ""
        << "1 to 65535";
    QTest::newRow("COM7") << QStringList{"-p", "COM7", "char", "A"} << none << BadUsage << none
                          << ""
                          << "COM1 to COM6";
    QTest::newRow("unknown option")
        << QStringList{"--baud", "9600", "char", "A"} << none << BadUsage << none << ""
        << "baud";
    QTest::newRow("raw TCP through ser2net")
        << QStringList{"-p", "{raw}", "pattern", "FF 81 FF 00 FF FF 18 FF"} << none << Done
        << QStringList{"FC FF 81 FF 00 FF FF 18 FF"} << ""
        << "";
    QTest::newRow("RFC 2217 through ser2net: 0xFF both ways")
        << QStringList{"-p", "{rfc2217}", "--json", "settings"}
        << QStringList{"--settings-reply", "FF FF 02 FF 41"} << Done << QStringList{"F0"}
        << "{\"message\":\"\u00FFA\",\"mode\":0,\"speed\":3}\n"
        << "";
    QTest::newRow("RFC 2217 pattern of 0xFF")
        << QStringList{"-p", "{rfc2217}", "pattern", "FF FF FF FF FF FF FF FF"} << none << Done
        << QStringList{"FC FF FF FF FF FF FF FF FF"} << ""
        << "";
    QTest::newRow("RFC 2217 acknowledge") << QStringList{"-p", "{rfc2217}", "set-mode", "2"} << none
                                          << Done << QStringList{"F7 02"} << ""
                                          << "";
}

void TestSend::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, faults);
    QFETCH(int, status);
    QFETCH(QStringList, received);
    QFETCH(QString, output);
    QFETCH(QString, error);

    SimulatorProcess simulator;
    QVERIFY(simulator.start(faults));
    mapPort(1, simulator.link());
    setStoredCommPort(QStringLiteral("1"));
    Ser2netProcess ser2net;
    const bool network = arguments.join(u' ').contains(QLatin1String("{r"));
    if (network)
        QVERIFY2(ser2net.start(simulator.link()), qPrintable(ser2net.errorString()));
    QTemporaryDir folder;
    const QString library = folder.filePath(QStringLiteral("arrows.glyphs"));
    QFile file(library);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "glyphsmith-library", "version": 1, "patterns": [)"
               R"({"name": "arrow up", "bytes": "02 04 08 FF FF 08 04 02"}], )"
               R"("animations": [{"name": "blink", "frames": [)"
               R"({"bytes": "FF 00 00 00 00 00 00 00", "duration": 30}, )"
               R"({"bytes": "00 00 00 00 00 00 00 FF", "duration": 30}]}]})");
    file.close();
    for (QString &argument : arguments) {
        argument.replace(QLatin1String("{sim}"), simulator.link());
        argument.replace(QLatin1String("{library}"), library);
        argument.replace(QLatin1String("{free}"), QString::number(freeTcpPort()));
        if (network) {
            argument.replace(QLatin1String("{raw}"), ser2net.rawUrl());
            argument.replace(QLatin1String("{rfc2217}"), ser2net.rfc2217Url());
        }
    }

    QProcess send;
    send.start(qEnvironmentVariable("GLYPHSMITH_SEND"), arguments);
    QVERIFY(send.waitForFinished(10000));
    const QString out = QString::fromUtf8(send.readAllStandardOutput());
    const QString err = QString::fromUtf8(send.readAllStandardError());
    QVERIFY2(send.exitCode() == status,
             qPrintable(QStringLiteral("exit %1, stderr: %2").arg(send.exitCode()).arg(err)));
    QCOMPARE(out, output);
    if (status == ExitStatus::Done) {
        QCOMPARE(err, QString());
    } else {
        QVERIFY2(err.startsWith(QLatin1String("glyphsmith-send: ")) && err.count(u'\n') == 1,
                 qPrintable(err));
        QVERIFY2(err.contains(error), qPrintable(err));
    }
    QTRY_COMPARE(simulator.messages(), received);
}

void TestSend::helpListsEveryCommand()
{
    QProcess send;
    send.start(qEnvironmentVariable("GLYPHSMITH_SEND"), {"--help"});
    QVERIFY(send.waitForFinished(10000));
    QCOMPARE(send.exitCode(), 0);
    const QString help = QString::fromUtf8(send.readAllStandardOutput());
    for (const char *command : {"char", "custom", "save", "pattern", "scroll", "animate", "speed",
                                "arrow", "settings", "set-speed", "set-mode", "set-message"})
        QVERIFY2(help.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(command))), command);
    QVERIFY(help.contains(QLatin1String("5 port not available")));
}

QTEST_GUILESS_MAIN(TestSend)
#include "tst_send.moc"
