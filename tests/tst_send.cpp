#include "batchinput.h"
#include "busclient.h"
#include "busnames.h"
#include "networksupport.h"
#include "sendrequest.h"
#include "testsupport.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

// glyphsmith-send as a shell runs it: its exit status, the one line on stderr, what it prints,
// and what the simulated module received, directly on its pty, through ser2net, and through the
// running program on the test's own session bus; its batches from standard input.
class TestSend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void exitStatus_data();
    void exitStatus();
    void helpListsEveryCommand();
    void helpFitsATerminal();
    void wrapText_data();
    void wrapText();
    void hugeInputIsNotEchoed();
    void heldPortNamesItsHolder();
    void splitCommandLine_data();
    void splitCommandLine();
    void batch_data();
    void batch();
    void throughProgram_data();
    void throughProgram();
    void heldByAnotherProgram();
};

namespace {

// The library the rows name as {library}.
bool writeLibrary(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(R"({"format": "glyphsmith-library", "version": 1, "patterns": [)"
               R"({"name": "arrow up", "bytes": "02 04 08 FF FF 08 04 02"}], )"
               R"("animations": [{"name": "blink", "frames": [)"
               R"({"bytes": "FF 00 00 00 00 00 00 00", "duration": 30}, )"
               R"({"bytes": "00 00 00 00 00 00 00 FF", "duration": 30}]}], )"
               R"("spans": [{"name": "Solo", "columns": 1, "rows": 1, )"
               R"("modules": [{"target": "COM1"}], "animations": [{"name": "Blink", "frames": [)"
               R"({"rows": "FF 00 00 00 00 00 00 00", "duration": 30}, )"
               R"({"rows": "00 00 00 00 00 00 00 FF", "duration": 30}]}]}, )"
               R"({"name": "Pair", "columns": 2, "rows": 1, )"
               R"("modules": [{"target": "COM1"}, {"target": "COM2"}]}]})");
    return true;
}

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run runSend(const QStringList &arguments, const QByteArray &input = QByteArray(),
            const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess send;
    send.setProcessEnvironment(environment);
    send.start(qEnvironmentVariable("GLYPHSMITH_SEND"), arguments);
    if (!send.waitForStarted())
        return {};
    send.write(input);
    send.closeWriteChannel();
    if (!send.waitForFinished(20000))
        return {};
    return {send.exitCode(), QString::fromUtf8(send.readAllStandardOutput()),
            QString::fromUtf8(send.readAllStandardError())};
}

// The desktop program, offscreen, with COM1 mapped to `link` in the test's settings, once it is
// on the bus holding its port.
class ProgramProcess
{
public:
    ~ProgramProcess()
    {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    bool start()
    {
        m_process.start(qEnvironmentVariable("GLYPHSMITH_PROGRAM"), {"--new-instance"});
        const auto bus = Bus::sessionBus();
        if (!bus || !m_process.waitForStarted())
            return false;
        BusClient client(*bus);
        return QTest::qWaitFor(
            [&] {
                const auto port = client.port();
                return port && port->isOpen();
            },
            10000);
    }
    qint64 pid() const { return m_process.processId(); }

private:
    QProcess m_process;
};

} // namespace

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
    // Each frame reaches the module over the network too, or the run is no success.
    QTest::newRow("play over raw TCP")
        << QStringList{"-p", "{raw}", "play", "{library}", "blink"} << none << Done
        << QStringList{"FC FF 00 00 00 00 00 00 00", "FC 00 00 00 00 00 00 00 FF"} << ""
        << "";
    QTest::newRow("play over RFC 2217")
        << QStringList{"-p", "{rfc2217}", "play", "{library}", "blink"} << none << Done
        << QStringList{"FC FF 00 00 00 00 00 00 00", "FC 00 00 00 00 00 00 00 FF"} << ""
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
    QTest::newRow("settings as JSON, nothing stored")
        << QStringList{"-p", "{sim}", "--json", "settings"} << none << Done << QStringList{"F0"}
        << "{\"message\":null,\"mode\":null,\"speed\":null}\n"
        << "";
    QTest::newRow("settings, nothing stored")
        << QStringList{"-p", "{sim}", "settings"} << QStringList{"--settings-reply", "FF FF FF"}
        << Done << QStringList{"F0"} << "mode not stored\nspeed not stored\nmessage not stored\n"
        << "";
    QTest::newRow("settings, only the speed stored")
        << QStringList{"-p", "{sim}", "settings"} << QStringList{"--settings-reply", "FF 31 FF"}
        << Done << QStringList{"F0"} << "mode not stored\nspeed 2\nmessage not stored\n"
        << "";
    QTest::newRow("settings as JSON, only the mode stored")
        << QStringList{"-p", "{sim}", "--json", "settings"}
        << QStringList{"--settings-reply", "00 FF FF"} << Done << QStringList{"F0"}
        << "{\"message\":null,\"mode\":0,\"speed\":null}\n"
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
    QTest::newRow("scroll, 21 characters")
        << QStringList{"-p", "{sim}", "scroll", "ABCDEFGHIJKLMNOPQRSTU"} << none << BadUsage << none
        << ""
        << "at most 20";
    QTest::newRow("animate, 21 characters")
        << QStringList{"-p", "{sim}", "animate", "ABCDEFGHIJKLMNOPQRSTU"} << none << BadUsage
        << none << ""
        << "at most 20";
    QTest::newRow("scroll, 20 characters")
        << QStringList{"-p", "{sim}", "scroll", "ABCDEFGHIJKLMNOPQRST"} << none << Done
        << QStringList{"FD 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54"} << ""
        << "";
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
        << "unknown option '--baud'; try";
    QTest::newRow("negative position")
        << QStringList{"-p", "{sim}", "custom", "-1"} << none << BadUsage << none << ""
        << "unknown option '-1': a negative number";
    QTest::newRow("library that does not exist")
        << QStringList{"-p", "{sim}", "pattern", "{missing}", "heart"} << none << BadUsage << none
        << ""
        << "No such file or directory; try";
    QTest::newRow("text with no pattern in it")
        << QStringList{"-p", "{sim}", "pattern", "hello world"} << none << BadUsage << none << ""
        << "no pattern was found in 'hello world'; try";
    QTest::newRow("one line of text art")
        << QStringList{"-p", "{sim}", "pattern", "##..##.."} << none << BadUsage << none << ""
        << "there is 1 line;";
    QTest::newRow("one number") << QStringList{"-p", "{sim}", "pattern", "[0x7E]"} << none
                                << BadUsage << none << ""
                                << "'[0x7E]' is no pattern: there is 1 number between [ and ];";
    QTest::newRow("raw TCP through ser2net")
        << QStringList{"-p", "{raw}", "pattern", "FF 81 FF 00 FF FF 18 FF"} << none << Done
        << QStringList{"FC FF 81 FF 00 FF FF 18 FF"} << ""
        << "";
    QTest::newRow("RFC 2217 through ser2net: 0xFF both ways")
        << QStringList{"-p", "{rfc2217}", "--json", "settings"}
        << QStringList{"--settings-reply", "FF FF 02 FF 41"} << Done << QStringList{"F0"}
        << "{\"message\":\"\u00FFA\",\"mode\":null,\"speed\":null}\n"
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
    QVERIFY(writeLibrary(library));
    for (QString &argument : arguments) {
        argument.replace(QLatin1String("{sim}"), simulator.link());
        argument.replace(QLatin1String("{library}"), library);
        argument.replace(QLatin1String("{missing}"),
                         folder.filePath(QStringLiteral("none.glyphs")));
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
        // A reason that is a sentence loses its period before the hint that follows it.
        QVERIFY2(!err.contains(QLatin1String(".;")), qPrintable(err));
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

void TestSend::helpFitsATerminal()
{
    QProcess send;
    send.start(qEnvironmentVariable("GLYPHSMITH_SEND"), {"--help"});
    QVERIFY(send.waitForFinished(10000));
    const QStringList lines = QString::fromUtf8(send.readAllStandardOutput()).split(u'\n');
    for (const QString &line : lines)
        QVERIFY2(line.size() <= 80, qPrintable(line));
    // The longest usage stands on its own line, its summary below in the summaries' column.
    const qsizetype pattern = lines.indexOf(QStringLiteral("  pattern TEXT|-|FILE.glyphs NAME"));
    QVERIFY(pattern > 0);
    QVERIFY2(lines.value(pattern + 1).startsWith(QString(28, u' ') + QLatin1String("show a dot")),
             qPrintable(lines.value(pattern + 1)));
    const qsizetype custom = lines.indexOf(
        QStringLiteral("  custom N                  show custom character N, 0 to 9"));
    QVERIFY(custom > 0);
}

void TestSend::wrapText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("indent");
    QTest::addColumn<QString>("wrapped");
    QTest::newRow("fits") << "one two three" << 20 << 0 << "one two three";
    QTest::newRow("exactly the width") << "aaaa bbbb" << 9 << 0 << "aaaa bbbb";
    QTest::newRow("one column over") << "aaaa bbbbb" << 9 << 0 << "aaaa\nbbbbb";
    QTest::newRow("indented lines") << "aa bb cc dd" << 8 << 2 << "aa bb\n  cc dd";
    QTest::newRow("a word longer than the width stands alone")
        << "a verylongword b" << 6 << 0 << "a\nverylongword\nb";
    QTest::newRow("spaces run together") << "a   b" << 10 << 0 << "a b";
    QTest::newRow("empty") << "" << 10 << 4 << "";
}

void TestSend::wrapText()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(int, indent);
    QFETCH(QString, wrapped);
    QCOMPARE(::wrapText(text, width, indent), wrapped);
}

// Twelve megabytes in, one short line out: the error quotes the start of the text only.
void TestSend::hugeInputIsNotEchoed()
{
    QProcess send;
    send.start(qEnvironmentVariable("GLYPHSMITH_SEND"), {"-p", "COM2", "pattern", "-"});
    QVERIFY(send.waitForStarted());
    const QByteArray input(12 * 1024 * 1024, 'A');
    send.write(input);
    send.closeWriteChannel();
    QVERIFY(send.waitForFinished(20000));
    QCOMPARE(send.exitCode(), int(ExitStatus::BadUsage));
    const QString err = QString::fromUtf8(send.readAllStandardError());
    QVERIFY2(err.size() < 200, qPrintable(err.left(300)));
    QVERIFY2(err.contains(QStringLiteral("AAAAAAAAAA…' (12582912 characters)")), qPrintable(err));
    QCOMPARE(send.readAllStandardOutput(), QByteArray());
}

// A port another program holds: exit status 5, and the one line names that program and its
// process id, as the main window and the Devices window say it.
void TestSend::heldPortNamesItsHolder()
{
    Pty device;
    QSerialPort other(device.slavePath());
    QVERIFY(other.open(QIODevice::ReadWrite));
    QProcess send;
    send.start(qEnvironmentVariable("GLYPHSMITH_SEND"), {"-p", device.slavePath(), "char", "A"});
    QVERIFY(send.waitForFinished(10000));
    QCOMPARE(send.exitCode(), int(ExitStatus::PortUnavailable));
    QCOMPARE(
        QString::fromUtf8(send.readAllStandardError()),
        QStringLiteral("glyphsmith-send: %1 is not available: another program holds the "
                       "port: %2 (process %3)\n")
            .arg(device.slavePath(), QFileInfo(QCoreApplication::applicationFilePath()).fileName())
            .arg(QCoreApplication::applicationPid()));
    QCOMPARE(device.readAll(50), QByteArray());
}

void TestSend::splitCommandLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("error");
    const QStringList none;
    QTest::newRow("words") << "scroll HI" << QStringList{"scroll", "HI"} << "";
    QTest::newRow("blanks and tabs") << "  arrow\t left  " << QStringList{"arrow", "left"} << "";
    QTest::newRow("empty") << "" << none << "";
    QTest::newRow("comment line") << "# scroll HI" << none << "";
    QTest::newRow("comment after the words")
        << "char A # the letter" << QStringList{"char", "A"} << "";
    QTest::newRow("# inside a word") << "scroll A#B" << QStringList{"scroll", "A#B"} << "";
    QTest::newRow("double quotes")
        << "scroll \"HELLO WORLD\"" << QStringList{"scroll", "HELLO WORLD"} << "";
    QTest::newRow("single quotes keep backslashes")
        << "scroll 'A\\B \"C\"'" << QStringList{"scroll", "A\\B \"C\""} << "";
    QTest::newRow("escaped quote in double quotes")
        << "scroll \"SAY \\\"HI\\\"\"" << QStringList{"scroll", "SAY \"HI\""} << "";
    QTest::newRow("other backslash in double quotes kept")
        << "scroll \"A\\nB\"" << QStringList{"scroll", "A\\nB"} << "";
    QTest::newRow("backslash outside quotes")
        << "scroll A\\ B" << QStringList{"scroll", "A B"} << "";
    QTest::newRow("quotes inside a word")
        << "scroll HE\"LL\"O" << QStringList{"scroll", "HELLO"} << "";
    QTest::newRow("empty quotes are a word") << "char ''" << QStringList{"char", ""} << "";
    QTest::newRow("nothing is expanded")
        << "scroll $HOME *" << QStringList{"scroll", "$HOME", "*"} << "";
    QTest::newRow("single quote not closed") << "scroll 'HI" << none << "a ' is not closed";
    QTest::newRow("double quote not closed") << "scroll \"HI" << none << "a \" is not closed";
}

void TestSend::splitCommandLine()
{
    QFETCH(QString, line);
    QFETCH(QStringList, words);
    QFETCH(QString, error);
    QString why;
    const auto split = ::splitCommandLine(line, &why);
    QCOMPARE(split.has_value(), error.isEmpty());
    QCOMPARE(why, error);
    if (split)
        QCOMPARE(*split, words);
}

void TestSend::batch_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("received");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    using namespace ExitStatus;
    const QStringList none;
    const QStringList batch{"-p", "{sim}", "--batch"};
    QTest::newRow("every kind of line")
        << batch
        << QByteArray("# a greeting\nscroll \"HELLO WORLD\"\n\n  pattern 18 3C 7E FF FF 7E 3C 18\n"
                      "arrow left   # then an arrow\nchar 'A'\nspeed 4\ncustom 3\nsave 9\n")
        << none << Done
        << QStringList{"FD 48 45 4C 4C 4F 20 57 4F 52 4C 44",
                       "FC 18 3C 7E FF FF 7E 3C 18",
                       "F8 03",
                       "FE 41",
                       "FA 21",
                       "FE 03",
                       "F9 09"}
        << ""
        << "";
    QTest::newRow("'-' as the command")
        << QStringList{"-p", "{sim}", "-"} << QByteArray("scroll A\nscroll B\n") << none << Done
        << QStringList{"FD 41", "FD 42"} << ""
        << "";
    QTest::newRow("patterns are each sent, none replaced")
        << batch
        << QByteArray("pattern 01 00 00 00 00 00 00 00\npattern 02 00 00 00 00 00 00 00\n"
                      "pattern 03 00 00 00 00 00 00 00\npattern 04 00 00 00 00 00 00 00\n")
        << none << Done
        << QStringList{"FC 01 00 00 00 00 00 00 00", "FC 02 00 00 00 00 00 00 00",
                       "FC 03 00 00 00 00 00 00 00", "FC 04 00 00 00 00 00 00 00"}
        << ""
        << "";
    QTest::newRow("no end of line after the last")
        << batch << QByteArray("scroll A\r\nscroll B") << none << Done
        << QStringList{"FD 41", "FD 42"} << ""
        << "";
    QTest::newRow("settings in between, as JSON")
        << QStringList{"-p", "{sim}", "--json", "--batch"}
        << QByteArray("scroll A\nsettings\nscroll B\n")
        << QStringList{"--settings-reply", "03 31 05 48 45 4C 4C 4F"} << Done
        << QStringList{"FD 41", "F0", "FD 42"} << "{\"message\":\"HELLO\",\"mode\":3,\"speed\":2}\n"
        << "";
    QTest::newRow("a format for the patterns only")
        << QStringList{"-p", "{sim}", "--format", "row-bytes", "--batch"}
        << QByteArray("pattern 00 66 FF FF 7E 3C 18 00\nscroll OK\n") << none << Done
        << QStringList{"FC C0 E1 E3 C7 C7 E3 E1 C0", "FD 4F 4B"} << ""
        << "";
    QTest::newRow("a pattern of a library, then its animation")
        << batch << QByteArray("pattern {library} \"arrow up\"\nplay {library} blink\nchar B\n")
        << none << Done
        << QStringList{"FC 02 04 08 FF FF 08 04 02", "FC FF 00 00 00 00 00 00 00",
                       "FC 00 00 00 00 00 00 00 FF", "FE 42"}
        << ""
        << "";
    QTest::newRow("an unknown command stops the batch at its line")
        << batch << QByteArray("scroll A\nscroll B\nblink 3\nscroll C\n") << none << BadUsage
        << QStringList{"FD 41", "FD 42"} << ""
        << "glyphsmith-send: line 3: unknown command 'blink'; try 'glyphsmith-send --help'\n";
    QTest::newRow("a number out of range")
        << batch << QByteArray("\n# nothing yet\ncustom 12\n") << none << BadUsage << none << ""
        << "glyphsmith-send: line 3: the position must be a number from 0 to 9, not '12'; try "
           "'glyphsmith-send --help'\n";
    QTest::newRow("a quote not closed") << batch << QByteArray("scroll A\nscroll \"B\n") << none
                                        << BadUsage << QStringList{"FD 41"} << ""
                                        << "glyphsmith-send: line 2: a \" is not closed\n";
    QTest::newRow("refused at line 2")
        << batch << QByteArray("scroll A\nset-mode 4\nscroll B\n") << QStringList{"--nak"}
        << Refused << QStringList{"FD 41", "F7 04"} << ""
        << "glyphsmith-send: line 2: the module refused: it answered 55\n";
    QTest::newRow("no reply at line 1")
        << batch << QByteArray("set-speed 2\nscroll B\n") << QStringList{"--no-reply"} << NoReply
        << QStringList{"F6 31"} << ""
        << "glyphsmith-send: line 1: no reply from the module on";
    QTest::newRow("pattern - would read the batch itself")
        << batch << QByteArray("pattern -\n") << none << BadUsage << none << ""
        << "glyphsmith-send: line 1: 'pattern -' would read standard input";
    QTest::newRow("a port that is not there")
        << QStringList{"-p", "COM3", "--batch"} << QByteArray("scroll A\n") << none
        << PortUnavailable << none << ""
        << "glyphsmith-send: line 1: ";
    QTest::newRow("commands on the command line too")
        << QStringList{"-p", "{sim}", "--batch", "scroll", "A"} << QByteArray("scroll B\n") << none
        << BadUsage << none << ""
        << "glyphsmith-send: with --batch the commands come from";
    QTest::newRow("nothing to send")
        << batch << QByteArray("\n\n# nothing\n") << none << Done << none << ""
        << "";
}

void TestSend::batch()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, faults);
    QFETCH(int, status);
    QFETCH(QStringList, received);
    QFETCH(QString, output);
    QFETCH(QString, error);

    SimulatorProcess simulator;
    QVERIFY(simulator.start(faults));
    QTemporaryDir folder;
    const QString library = folder.filePath(QStringLiteral("arrows.glyphs"));
    QVERIFY(writeLibrary(library));
    for (QString &argument : arguments)
        argument.replace(QLatin1String("{sim}"), simulator.link());
    input.replace("{library}", QFile::encodeName(library));

    const Run run = runSend(arguments, input);
    QVERIFY2(run.status == status,
             qPrintable(QStringLiteral("exit %1, stderr: %2").arg(run.status).arg(run.err)));
    QCOMPARE(run.out, output);
    if (error.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.startsWith(error) && run.err.count(u'\n') == 1, qPrintable(run.err));
    QTRY_COMPARE(simulator.messages(), received);
}

void TestSend::throughProgram_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("received");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    using namespace ExitStatus;
    const QStringList none;
    // The program holds COM1, the simulator's link; nothing else could open it now.
    QTest::newRow("no port named") << QStringList{"scroll", "HI"} << QByteArray() << none << Done
                                   << QStringList{"FD 48 49"} << ""
                                   << "";
    QTest::newRow("COM1") << QStringList{"-p", "COM1", "char", "A"} << QByteArray() << none << Done
                          << QStringList{"FE 41"} << ""
                          << "";
    QTest::newRow("the device itself")
        << QStringList{"-p", "{sim}", "pattern", "18 3C 7E FF FF 7E 3C 18"} << QByteArray() << none
        << Done << QStringList{"FC 18 3C 7E FF FF 7E 3C 18"} << ""
        << "";
    QTest::newRow("settings as JSON, answered through the program")
        << QStringList{"--json", "settings"} << QByteArray()
        << QStringList{"--settings-reply", "03 31 05 48 45 4C 4C 4F"} << Done << QStringList{"F0"}
        << "{\"message\":\"HELLO\",\"mode\":3,\"speed\":2}\n"
        << "";
    QTest::newRow("settings, nothing stored")
        << QStringList{"settings"} << QByteArray() << QStringList{"--settings-reply", "FF FF FF"}
        << Done << QStringList{"F0"}
        << "mode not stored\nspeed not stored\nmessage not "
           "stored\n"
        << "";
    QTest::newRow("set-message acknowledged")
        << QStringList{"set-message", "HELLO"} << QByteArray() << none << Done
        << QStringList{"F5 48 45 4C 4C 4F"} << ""
        << "";
    QTest::newRow("set-mode refused")
        << QStringList{"set-mode", "6"} << QByteArray() << QStringList{"--nak"} << Refused
        << QStringList{"F7 06"} << ""
        << "glyphsmith-send: the module refused: it answered 55";
    QTest::newRow("set-speed, no reply")
        << QStringList{"set-speed", "4"} << QByteArray() << QStringList{"--no-reply"} << NoReply
        << QStringList{"F6 21"} << ""
        << "glyphsmith-send: no reply from the module on COM1";
    QTest::newRow("play") << QStringList{"play", "{library}", "blink"} << QByteArray() << none
                          << Done
                          << QStringList{"FC FF 00 00 00 00 00 00 00", "FC 00 00 00 00 00 00 00 FF"}
                          << ""
                          << "";
    QTest::newRow("a batch") << QStringList{"--batch"}
                             << QByteArray("scroll A\npattern 01 02 03 04 05 06 07 08\nsettings\n"
                                           "arrow up\n")
                             << QStringList{"--settings-reply", "00 39 00"} << Done
                             << QStringList{"FD 41", "FC 01 02 03 04 05 06 07 08", "F0", "F8 00"}
                             << "mode 0\nspeed 1\nmessage \n"
                             << "";
    QTest::newRow("a batch stopped at its line")
        << QStringList{"-"} << QByteArray("scroll A\nscroll \"twenty-one characters\"\n") << none
        << BadUsage << QStringList{"FD 41"} << ""
        << "glyphsmith-send: line 2: the text has 21 characters; the module takes at most 20";
    // Spans: the module the program holds goes through it; its top row weighs 10, its bottom 08.
    QTest::newRow("span-pattern")
        << QStringList{"--library", "{library}", "span-pattern", "Solo", "-"}
        << QByteArray("########\n........\n........\n........\n........\n........\n"
                      "........\n........\n")
        << none << Done << QStringList{"FC 10 10 10 10 10 10 10 10"} << ""
        << "";
    QTest::newRow("span-play") << QStringList{"span-play", "{library}", "Blink"} << QByteArray()
                               << none << Done
                               << QStringList{"FC 10 10 10 10 10 10 10 10",
                                              "FC 08 08 08 08 08 08 08 08"}
                               << ""
                               << "";
    QTest::newRow("a span with a module of its own")
        << QStringList{"--library", "{library}", "span-pattern", "Pair", "-"}
        << QByteArray("#......#########\n................\n................\n"
                      "................\n................\n................\n"
                      "................\n................\n")
        << none << PortUnavailable << QStringList{"FC 10 00 00 00 00 00 00 10"} << ""
        << "glyphsmith-send: module 2 (COM2) was not available: ";
    QTest::newRow("another port goes its own way")
        << QStringList{"-p", "COM2", "scroll", "X"} << QByteArray() << none << PortUnavailable
        << none << ""
        << "glyphsmith-send: /nonexistent/glyphsmith-test/COM2 is not available";
    QTest::newRow("without the bus, the port is held by the program")
        << QStringList{"scroll", "HI"} << QByteArray("{no bus}") << none << PortUnavailable << none
        << ""
        << "glyphsmith-send: {sim} is not available: another program holds the port: "
           "glyphsmith (process {pid})\n";
}

void TestSend::throughProgram()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, faults);
    QFETCH(int, status);
    QFETCH(QStringList, received);
    QFETCH(QString, output);
    QFETCH(QString, error);

    SimulatorProcess simulator;
    QVERIFY(simulator.start(faults));
    mapPort(1, simulator.link());
    setStoredCommPort(QStringLiteral("1"));
    ProgramProcess program;
    QVERIFY2(program.start(), "the program did not come up on the bus with COM1 open");
    QTemporaryDir folder;
    const QString library = folder.filePath(QStringLiteral("arrows.glyphs"));
    QVERIFY(writeLibrary(library));
    for (QString &argument : arguments) {
        argument.replace(QLatin1String("{sim}"), simulator.link());
        argument.replace(QLatin1String("{library}"), library);
    }
    error.replace(QLatin1String("{sim}"), simulator.link());
    error.replace(QLatin1String("{pid}"), QString::number(program.pid()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (input == "{no bus}") {
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString());
        input.clear();
    }

    const Run run = runSend(arguments, input, environment);
    QVERIFY2(run.status == status,
             qPrintable(QStringLiteral("exit %1, stderr: %2").arg(run.status).arg(run.err)));
    QCOMPARE(run.out, output);
    if (error.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.startsWith(error) && run.err.count(u'\n') == 1, qPrintable(run.err));
    QTRY_COMPARE(simulator.messages(), received);
}

// A port that a program other than this one holds is named with that program and its process.
void TestSend::heldByAnotherProgram()
{
    SimulatorProcess simulator;
    QVERIFY(simulator.start());
    QSerialPort holder(simulator.link());
    QVERIFY(holder.open(QIODevice::ReadWrite));
    const Run run = runSend({"-p", simulator.link(), "scroll", "HI"});
    QCOMPARE(run.status, int(ExitStatus::PortUnavailable));
    QCOMPARE(run.err, QStringLiteral("glyphsmith-send: %1 is not available: another program holds "
                                     "the port: tst_send (process %2)\n")
                          .arg(simulator.link())
                          .arg(QCoreApplication::applicationPid()));
    holder.close();
    QCOMPARE(runSend({"-p", simulator.link(), "scroll", "HI"}).status, int(ExitStatus::Done));
    QTRY_COMPARE(simulator.messages(), QStringList{"FD 48 49"});
}

QTEST_GUILESS_MAIN(TestSend)
#include "tst_send.moc"
