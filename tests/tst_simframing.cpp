#include "font.h"
#include "framer.h"
#include "pattern.h"
#include "simulator.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace std::chrono_literals;
using Chunks = QList<MessageFramer::Chunk>;
using Protocol::ColumnPattern;
using TestSupport::hex;

namespace {

MessageFramer::Chunk at(std::chrono::milliseconds time, const char *bytes)
{
    return {time, hex(bytes)};
}

QString patternHex(const std::optional<Pattern> &pattern)
{
    if (!pattern)
        return QStringLiteral("no glyph");
    const ColumnPattern columns = pattern->columns();
    return Protocol::hexString(QByteArray(reinterpret_cast<const char *>(columns.data()), 8));
}

} // namespace

// The module's framing of the PC's byte stream, and its built-in font.
class TestSimFraming : public QObject
{
    Q_OBJECT

private slots:
    void framing_data();
    void framing();
    void fixedLengthNeedsNoGap();
    void slowHandlingIsNoGap();
    void dotWeights_data();
    void dotWeights();
    void glyphBytes_data();
    void glyphBytes();
    void everyLetterHasItsOwnGlyph();
    void accentKeepsTheLetter_data();
    void accentKeepsTheLetter();
};

void TestSimFraming::framing_data()
{
    QTest::addColumn<Chunks>("chunks");
    QTest::addColumn<QStringList>("frames");

    const char *twenty = "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54";
    QTest::newRow("read settings") << Chunks{at(0ms, "F0")} << QStringList{"F0"};
    QTest::newRow("save message") << Chunks{at(0ms, "F5 48 49")} << QStringList{"F5 48 49"};
    QTest::newRow("save empty message") << Chunks{at(0ms, "F5")} << QStringList{"F5"};
    QTest::newRow("change speed") << Chunks{at(0ms, "F6 31")} << QStringList{"F6 31"};
    QTest::newRow("change mode 0") << Chunks{at(0ms, "F7 00")} << QStringList{"F7 00"};
    QTest::newRow("arrow up") << Chunks{at(0ms, "F8 00")} << QStringList{"F8 00"};
    QTest::newRow("save custom 9") << Chunks{at(0ms, "F9 09")} << QStringList{"F9 09"};
    QTest::newRow("set speed") << Chunks{at(0ms, "FA 21")} << QStringList{"FA 21"};
    QTest::newRow("animate") << Chunks{at(0ms, "FB 48 45 4C 4C 4F")}
                             << QStringList{"FB 48 45 4C 4C 4F"};
    QTest::newRow("dot matrix") << Chunks{at(0ms, "FC 10 00 00 00 00 00 00 08")}
                                << QStringList{"FC 10 00 00 00 00 00 00 08"};
    QTest::newRow("scroll empty") << Chunks{at(0ms, "FD")} << QStringList{"FD"};
    QTest::newRow("show char") << Chunks{at(0ms, "FE 41")} << QStringList{"FE 41"};
    QTest::newRow("dot pattern of command values")
        << Chunks{at(0ms, "FC F0 FE F0 FE FF F5 FD F0 F0")}
        << QStringList{"FC F0 FE F0 FE FF F5 FD F0", "F0"};
    QTest::newRow("character F0 is a payload") << Chunks{at(0ms, "FE F0")} << QStringList{"FE F0"};
    QTest::newRow("fixed lengths back to back")
        << Chunks{at(0ms, "F6 31 F7 03 F0 F9 02")} << QStringList{"F6 31", "F7 03", "F0", "F9 02"};
    QTest::newRow("two messages 10 ms apart")
        << Chunks{at(0ms, "FD 48 49"), at(10ms, "FE 41")} << QStringList{"FD 48 49", "FE 41"};
    QTest::newRow("text runs on without a gap")
        << Chunks{at(0ms, "FD 48 49 FE 41")} << QStringList{"FD 48 49 FE 41"};
    QTest::newRow("text in two writes 2 ms apart")
        << Chunks{at(0ms, "FB 48"), at(2ms, "49")} << QStringList{"FB 48 49"};
    QTest::newRow("20-character text ends at once")
        << Chunks{{0ms, hex("FD") + hex(twenty) + hex("F0")}}
        << QStringList{"FD " + QString::fromLatin1(twenty), "F0"};
    QTest::newRow("lone FE by gap")
        << Chunks{at(0ms, "FE"), at(10ms, "F0")} << QStringList{"FE", "F0"};
    QTest::newRow("FE and its character 4 ms apart")
        << Chunks{at(0ms, "FE"), at(4ms, "41")} << QStringList{"FE 41"};
    QTest::newRow("gap of exactly 5 ms")
        << Chunks{at(0ms, "FE"), at(5ms, "41")} << QStringList{"FE", "# junk: 41"};
    QTest::newRow("junk bytes") << Chunks{at(0ms, "00 41 F1 F4")}
                                << QStringList{"# junk: 00 41 F1 F4"};
    QTest::newRow("junk before a message")
        << Chunks{at(0ms, "0D 0A F6 39")} << QStringList{"# junk: 0D 0A", "F6 39"};
    QTest::newRow("dot matrix in pieces")
        << Chunks{at(0ms, "FC 10 00"), at(3ms, "00 00 00 00 00 08")}
        << QStringList{"FC 10 00 00 00 00 00 00 08"};
    QTest::newRow("incomplete dot matrix") << Chunks{at(0ms, "FC 10 00"), at(10ms, "F0")}
                                           << QStringList{"# incomplete: FC 10 00", "F0"};
    QTest::newRow("speed without its code")
        << Chunks{at(0ms, "FA")} << QStringList{"# incomplete: FA"};
}

void TestSimFraming::framing()
{
    QFETCH(Chunks, chunks);
    QFETCH(QStringList, frames);
    QStringList got;
    for (const MessageFramer::Frame &frame : MessageFramer::frameAll(chunks))
        got.append(frame.logLine());
    QCOMPARE(got, frames);
}

void TestSimFraming::fixedLengthNeedsNoGap()
{
    MessageFramer framer;
    QCOMPARE(framer.feed(hex("F6 31"), 0ms).size(), 1);
    QVERIFY(!framer.deadline());

    QVERIFY(framer.feed(hex("FD 48"), 1ms).isEmpty());
    QCOMPARE(framer.deadline(), std::optional<MessageFramer::Time>(6ms));
    QVERIFY(framer.idle(5ms).isEmpty());
    const auto frames = framer.idle(6ms);
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames.first().bytes, hex("FD 48"));
    QVERIFY(!framer.hasPending());
}

void TestSimFraming::slowHandlingIsNoGap()
{
    // A byte every 2 ms. The gap timer looks at the line and takes the bytes due by then;
    // handling them takes 20 ms, while the rest of the message comes off the line.
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("log"));
    Simulator simulator({}, {});
    QString error;
    QVERIFY(simulator.openLog(log, &error, false));
    const QByteArray message = hex("FC 10 FF 00 00 00 00 00 81");
    const auto start = std::chrono::steady_clock::now();
    const auto arrival = [&](int i) { return start + i * 2ms; };
    int taken = 1;
    int polls = 0;
    simulator.setLinePoll([&] {
        const auto now = std::chrono::steady_clock::now();
        for (; taken < message.size() && arrival(taken) <= now; ++taken)
            simulator.receive(message.mid(taken, 1), arrival(taken));
        if (polls++ == 0)
            QThread::msleep(20);
    });
    simulator.receive(message.left(1), start);
    const auto logged = [&log] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE(logged(), QByteArray("FC 10 FF 00 00 00 00 00 81\n"));
}

void TestSimFraming::dotWeights_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("top left") << 0 << 0 << "10 00 00 00 00 00 00 00";
    QTest::newRow("row 4, weight 128") << 3 << 1 << "00 80 00 00 00 00 00 00";
    QTest::newRow("row 5, weight 1") << 4 << 2 << "00 00 01 00 00 00 00 00";
    QTest::newRow("bottom right") << 7 << 7 << "00 00 00 00 00 00 00 08";
}

void TestSimFraming::dotWeights()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, bytes);
    QStringList picture(8, QStringLiteral("........"));
    picture[row][column] = u'#';
    const auto pattern = Pattern::fromArt(picture);
    QCOMPARE(patternHex(pattern), bytes);
    QVERIFY(pattern->dot(row, column));
    QCOMPARE(pattern->art(), picture.join(u'\n'));
}

void TestSimFraming::glyphBytes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("space") << 0x20 << "00 00 00 00 00 00 00 00";
    QTest::newRow("I") << int('I') << "00 00 14 F7 14 00 00 00";
    QTest::newRow("minus") << int('-') << "00 80 80 80 80 80 00 00";
    QTest::newRow("underscore") << int('_') << "00 08 08 08 08 08 00 00";
    QTest::newRow("E acute") << 0xC9 << "00 CF 4A 6A 5A 48 00 00";
    QTest::newRow("NUL") << 0x00 << "no glyph";
    QTest::newRow("tab") << 0x09 << "no glyph";
    QTest::newRow("DEL") << 0x7F << "no glyph";
    QTest::newRow("0x80") << 0x80 << "no glyph";
    QTest::newRow("no-break space") << 0xA0 << "no glyph";
    QTest::newRow("inverted question mark") << 0xBF << "no glyph";
}

void TestSimFraming::glyphBytes()
{
    QFETCH(int, code);
    QFETCH(QString, bytes);
    QCOMPARE(patternHex(Font::glyph(quint8(code))), bytes);
}

void TestSimFraming::everyLetterHasItsOwnGlyph()
{
    QHash<QString, int> seen;
    for (int code = 0x20; code <= 0xFF; ++code) {
        if (code >= 0x7F && code < 0xC0)
            continue;
        const auto glyph = Font::glyph(quint8(code));
        QVERIFY2(glyph, qPrintable(QString::number(code, 16)));
        const QString bytes = patternHex(glyph);
        QVERIFY2(code == ' ' || *glyph != Pattern(), qPrintable(QString::number(code, 16)));
        QVERIFY2(
            !seen.contains(bytes),
            qPrintable(
                QStringLiteral("%1 looks like %2").arg(code, 0, 16).arg(seen.value(bytes), 0, 16)));
        seen.insert(bytes, code);
    }
}

void TestSimFraming::accentKeepsTheLetter_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<char>("base");
    QTest::newRow("a grave") << 0xE0 << 'a';
    QTest::newRow("e acute") << 0xE9 << 'e';
    QTest::newRow("i circumflex") << 0xEE << 'i';
    QTest::newRow("n tilde") << 0xF1 << 'n';
    QTest::newRow("u diaeresis") << 0xFC << 'u';
    QTest::newRow("y diaeresis") << 0xFF << 'y';
    QTest::newRow("a ring") << 0xE5 << 'a';
    QTest::newRow("c cedilla") << 0xE7 << 'c';
    QTest::newRow("C cedilla") << 0xC7 << 'C';
}

void TestSimFraming::accentKeepsTheLetter()
{
    QFETCH(int, code);
    QFETCH(char, base);
    const QStringList accented = Font::glyph(quint8(code))->art().split('\n');
    const QStringList letter = Font::glyph(quint8(base))->art().split('\n');
    const bool cedilla = code == 0xE7 || code == 0xC7;
    // The letter's own rows are untouched; the mark is in rows where the letter has no dot.
    const int first = cedilla ? 0 : 2;
    const int last = cedilla ? 6 : 7;
    QCOMPARE(accented.mid(first, last - first + 1), letter.mid(first, last - first + 1));
    const QStringList markRows = cedilla ? accented.mid(7) : accented.mid(0, 2);
    QVERIFY(markRows.join(QString()).contains('#'));
}

QTEST_GUILESS_MAIN(TestSimFraming)
#include "tst_simframing.moc"
