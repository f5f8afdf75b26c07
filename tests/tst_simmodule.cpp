#include "font.h"
#include "module.h"
#include "statefile.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Protocol;
using TestSupport::hex;
using Messages = QList<QByteArray>;

namespace {

QString patternHex(const Pattern &pattern)
{
    const ColumnPattern columns = pattern.columns();
    return hexString(QByteArray(reinterpret_cast<const char *>(columns.data()), 8));
}

Pattern pattern(const char *bytes)
{
    const QByteArray raw = hex(bytes);
    ColumnPattern out{};
    std::copy(raw.begin(), raw.end(), out.begin());
    return Pattern::fromColumns(out);
}

Module moduleAfter(const Messages &setup)
{
    Module module;
    for (const QByteArray &message : setup)
        module.handle(message);
    return module;
}

const char *const GlyphI = "00 00 14 F7 14 00 00 00";

} // namespace

// The module's answers, stored settings, display and animations, and its state file.
class TestSimModule : public QObject
{
    Q_OBJECT

private slots:
    void replies_data();
    void replies();
    void display_data();
    void display();
    void speed_data();
    void speed();
    void animationFrames_data();
    void animationFrames();
    void refusingSettings();
    void startsFromStoredState();
    void stateFileRoundTrip();
    void stateFileRejects_data();
    void stateFileRejects();
    void stateFileLoad();
};

void TestSimModule::replies_data()
{
    QTest::addColumn<Messages>("setup");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QByteArray>("record");

    const QByteArray twenty = "ABCDEFGHIJKLMNOPQRST";
    const QByteArray none = hex("FF FF FF");
    QTest::newRow("nothing stored") << Messages{} << hex("F0") << none << false << none;
    QTest::newRow("save message") << Messages{} << hex("F5 48 45 4C 4C 4F") << hex("AA") << false
                                  << hex("FF FF 05 48 45 4C 4C 4F");
    QTest::newRow("save empty message")
        << Messages{} << hex("F5") << hex("AA") << false << hex("FF FF 00");
    QTest::newRow("save 20 characters")
        << Messages{} << hex("F5") + twenty << hex("AA") << false << hex("FF FF 14") + twenty;
    QTest::newRow("save 21 characters")
        << Messages{} << hex("F5") + twenty + "U" << QByteArray() << true << none;
    QTest::newRow("new message replaces old")
        << Messages{hex("F5 48 45 4C 4C 4F")} << hex("F5 48 49") << hex("AA") << false
        << hex("FF FF 02 48 49");
    QTest::newRow("change speed 1")
        << Messages{} << hex("F6 39") << hex("AA") << false << hex("FF 39 FF");
    QTest::newRow("speed 00 is no code")
        << Messages{hex("F6 31")} << hex("F6 00") << QByteArray() << true << hex("FF 31 FF");
    QTest::newRow("change mode 0")
        << Messages{} << hex("F7 00") << hex("AA") << false << hex("00 FF FF");
    QTest::newRow("change mode 6")
        << Messages{} << hex("F7 06") << hex("AA") << false << hex("06 FF FF");
    QTest::newRow("mode 7 is refused")
        << Messages{hex("F7 02")} << hex("F7 07") << QByteArray() << true << hex("02 FF FF");
    QTest::newRow("mode FF is refused")
        << Messages{} << hex("F7 FF") << QByteArray() << true << none;
    QTest::newRow("all three stored")
        << Messages{hex("F7 03"), hex("F6 31"), hex("F5 48 45 4C 4C 4F")} << hex("F0")
        << hex("03 31 05 48 45 4C 4C 4F") << false << hex("03 31 05 48 45 4C 4C 4F");
    QTest::newRow("set speed is not stored")
        << Messages{} << hex("FA 39") << QByteArray() << false << none;
    QTest::newRow("dot matrix is not answered")
        << Messages{} << hex("FC 10 00 00 00 00 00 00 08") << QByteArray() << false << none;
    QTest::newRow("incomplete dot matrix")
        << Messages{} << hex("FC 10 00") << QByteArray() << true << none;
    QTest::newRow("read settings with a payload")
        << Messages{} << hex("F0 00") << QByteArray() << true << none;
    QTest::newRow("no command") << Messages{} << hex("F3 00") << QByteArray() << true << none;
}

void TestSimModule::replies()
{
    QFETCH(Messages, setup);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, reply);
    QFETCH(bool, refused);
    QFETCH(QByteArray, record);
    Module module = moduleAfter(setup);
    const Module::Response response = module.handle(message);
    QCOMPARE(hexString(response.reply), hexString(reply));
    QCOMPARE(!response.refusal.isEmpty(), refused);
    QCOMPARE(hexString(module.settingsRecord()), hexString(record));
}

void TestSimModule::display_data()
{
    QTest::addColumn<Messages>("setup");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("moving");

    const QByteArray topLeft = hex("FC 10 00 00 00 00 00 00 00");
    const QString dark = "00 00 00 00 00 00 00 00";
    QTest::newRow("dot matrix") << Messages{} << hex("FC 10 00 00 00 00 00 00 08")
                                << "10 00 00 00 00 00 00 08" << false;
    QTest::newRow("dot matrix of command values")
        << Messages{} << hex("FC F0 FE F0 FE FF F5 FD F0") << "F0 FE F0 FE FF F5 FD F0" << false;
    QTest::newRow("character I") << Messages{} << hex("FE 49") << GlyphI << false;
    QTest::newRow("no glyph keeps the display")
        << Messages{topLeft} << hex("FE 80") << "10 00 00 00 00 00 00 00" << false;
    QTest::newRow("empty box shows nothing") << Messages{topLeft} << hex("FE") << dark << false;
    QTest::newRow("custom characters start dark")
        << Messages{topLeft} << hex("FE 00") << dark << false;
    QTest::newRow("custom from a dot pattern")
        << Messages{hex("FC 12 34 56 78 9A BC DE F0"), hex("F9 03"), topLeft} << hex("FE 03")
        << "12 34 56 78 9A BC DE F0" << false;
    QTest::newRow("custom from a character")
        << Messages{hex("FE 49"), hex("F9 09"), topLeft} << hex("FE 09") << GlyphI << false;
    QTest::newRow("custom 10 is refused")
        << Messages{hex("FE 49"), hex("F9 0A"), topLeft} << hex("FE 09") << dark << false;
    QTest::newRow("scroll starts dark") << Messages{} << hex("FD 49") << dark << true;
    QTest::newRow("empty scroll is dark and still")
        << Messages{topLeft} << hex("FD") << dark << false;
    QTest::newRow("animate starts at the first character")
        << Messages{} << hex("FB 49 41") << GlyphI << true;
    QTest::newRow("animate one character stands still")
        << Messages{} << hex("FB 49") << GlyphI << false;
    QTest::newRow("arrow starts dark") << Messages{topLeft} << hex("F8 00") << dark << true;
    QTest::newRow("direction 4 keeps the display")
        << Messages{topLeft} << hex("F8 04") << "10 00 00 00 00 00 00 00" << false;
    QTest::newRow("set speed keeps the display")
        << Messages{topLeft} << hex("FA 39") << "10 00 00 00 00 00 00 00" << false;
}

void TestSimModule::display()
{
    QFETCH(Messages, setup);
    QFETCH(QByteArray, message);
    QFETCH(QString, shown);
    QFETCH(bool, moving);
    Module module = moduleAfter(setup);
    module.handle(message);
    QCOMPARE(patternHex(module.display()), shown);
    QCOMPARE(module.isMoving(), moving);
}

void TestSimModule::speed_data()
{
    QTest::addColumn<Messages>("messages");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("intervalMs");
    QTest::newRow("default") << Messages{} << 41 << 100;
    QTest::newRow("speed 1") << Messages{hex("FA 39")} << 57 << 200;
    QTest::newRow("speed 2") << Messages{hex("FA 31")} << 49 << 150;
    QTest::newRow("speed 3") << Messages{hex("FA 39"), hex("FA 29")} << 41 << 100;
    QTest::newRow("speed 4") << Messages{hex("FA 21")} << 33 << 60;
    QTest::newRow("no code keeps the speed") << Messages{hex("FA 21"), hex("FA 22")} << 33 << 60;
    QTest::newRow("stored speed waits for power-up") << Messages{hex("F6 39")} << 41 << 100;
}

void TestSimModule::speed()
{
    QFETCH(Messages, messages);
    QFETCH(int, code);
    QFETCH(int, intervalMs);
    const Module module = moduleAfter(messages);
    QCOMPARE(int(module.speedCode()), code);
    QCOMPARE(module.stepInterval().count(), intervalMs);
}

void TestSimModule::animationFrames_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("frameCount");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("shown");

    // "I" is three columns wide, followed by one dark column.
    QTest::newRow("scroll I enters at the right")
        << hex("FD 49") << 12 << 1 << "00 00 00 00 00 00 00 14";
    QTest::newRow("scroll I whole") << hex("FD 49") << 12 << 3 << "00 00 00 00 00 14 F7 14";
    QTest::newRow("scroll I at the left") << hex("FD 49") << 12 << 8 << "14 F7 14 00 00 00 00 00";
    QTest::newRow("scroll I leaving") << hex("FD 49") << 12 << 10 << "14 00 00 00 00 00 00 00";
    QTest::newRow("scroll I starts again") << hex("FD 49") << 12 << 12 << "00 00 00 00 00 00 00 00";
    QTest::newRow("scroll II") << hex("FD 49 49") << 16 << 8 << "14 F7 14 00 14 F7 14 00";
    QTest::newRow("animate second character") << hex("FB 41 49") << 2 << 1 << GlyphI;
    QTest::newRow("animate wraps round") << hex("FB 49 41") << 2 << 2 << GlyphI;
    QTest::newRow("up arrow whole") << hex("F8 00") << 16 << 8 << "80 C0 60 FF FF 60 C0 80";
    QTest::newRow("up arrow one row on") << hex("F8 00") << 16 << 9 << "40 60 30 F7 F7 30 60 40";
    QTest::newRow("down arrow whole") << hex("F8 01") << 16 << 8 << "01 03 06 FF FF 06 03 01";
    QTest::newRow("down arrow one row on") << hex("F8 01") << 16 << 9 << "02 06 0C EF EF 0C 06 02";
    QTest::newRow("right arrow whole") << hex("F8 02") << 16 << 8 << "81 81 81 81 BD E7 C3 81";
    QTest::newRow("right arrow one column on")
        << hex("F8 02") << 16 << 9 << "00 81 81 81 81 BD E7 C3";
    QTest::newRow("left arrow whole") << hex("F8 03") << 16 << 8 << "81 C3 E7 BD 81 81 81 81";
    QTest::newRow("left arrow one column on")
        << hex("F8 03") << 16 << 9 << "C3 E7 BD 81 81 81 81 00";
}

void TestSimModule::animationFrames()
{
    QFETCH(QByteArray, message);
    QFETCH(int, frameCount);
    QFETCH(int, step);
    QFETCH(QString, shown);
    Module module;
    module.handle(message);
    QCOMPARE(module.animation().frames().size(), frameCount);
    for (int i = 0; i < step; ++i)
        module.step();
    QCOMPARE(patternHex(module.display()), shown);
}

void TestSimModule::refusingSettings()
{
    Module module;
    module.setRefusingSettings(true);
    for (const char *message : {"F5 48 49", "F6 31", "F7 03"}) {
        const Module::Response response = module.handle(hex(message));
        QCOMPARE(hexString(response.reply), QStringLiteral("55"));
        QVERIFY(!response.refusal.isEmpty());
    }
    QCOMPARE(hexString(module.handle(hex("F6 05")).reply), QString());
    QCOMPARE(hexString(module.settingsRecord()), QStringLiteral("FF FF FF"));
    module.handle(hex("FE 49"));
    QCOMPARE(module.handle(hex("F9 01")).refusal, QString());
    QCOMPARE(patternHex(module.stored().custom[1]), QString::fromLatin1(GlyphI));
}

void TestSimModule::startsFromStoredState()
{
    StoredState stored;
    stored.startupMode = 2;
    stored.speedCode = 33;
    stored.message = "HI";
    stored.custom[7] = pattern("01 02 03 04 05 06 07 08");
    Module module(stored);
    QCOMPARE(hexString(module.handle(hex("F0")).reply), QStringLiteral("02 21 02 48 49"));
    QCOMPARE(module.stepInterval().count(), 60);
    module.handle(hex("FE 07"));
    QCOMPARE(patternHex(module.display()), QStringLiteral("01 02 03 04 05 06 07 08"));
    module.handle(hex("F5"));
    QCOMPARE(module.stored().message, std::optional<QByteArray>(QByteArray()));
    QCOMPARE(module.stored().custom[7], stored.custom[7]);
}

void TestSimModule::stateFileRoundTrip()
{
    StoredState state;
    state.startupMode = 5;
    state.speedCode = 49;
    state.message = "HELLO";
    state.custom[0] = pattern("F0 FE 00 00 00 00 00 01");
    state.custom[9] = pattern("FF FF FF FF FF FF FF FF");
    const QByteArray text = StateFile::serialize(state);
    QVERIFY(text.contains("\nmode 05\nspeed 31\nmessage 48 45 4C 4C 4F\n"
                          "custom 0 F0 FE 00 00 00 00 00 01\ncustom 9 FF FF FF FF FF FF FF FF\n"));
    QCOMPARE(StateFile::parse(text), std::optional<StoredState>(state));

    QCOMPARE(StateFile::parse(StateFile::serialize(StoredState{})),
             std::optional<StoredState>(StoredState{}));
    StoredState emptyMessage;
    emptyMessage.message = QByteArray();
    QCOMPARE(StateFile::parse(StateFile::serialize(emptyMessage)),
             std::optional<StoredState>(emptyMessage));
}

void TestSimModule::stateFileRejects_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("unknown key") << QByteArray("colour 01\n");
    QTest::newRow("mode 7") << QByteArray("mode 07\n");
    QTest::newRow("speed 05") << QByteArray("speed 05\n");
    QTest::newRow("mode of two bytes") << QByteArray("mode 01 02\n");
    QTest::newRow("not hex") << QByteArray("message HELLO\n");
    QTest::newRow("message of 21") << "message " + QByteArray("41 ").repeated(21) + "\n";
    QTest::newRow("custom 10") << QByteArray("custom 10 00 00 00 00 00 00 00 00\n");
    QTest::newRow("custom of 7 bytes") << QByteArray("custom 1 00 00 00 00 00 00 00\n");
    QTest::newRow("given twice") << QByteArray("mode 01\nmode 02\n");
    QTest::newRow("binary") << hex("00 FF FE 0A 80");
}

void TestSimModule::stateFileRejects()
{
    QFETCH(QByteArray, text);
    QString problem;
    QCOMPARE(StateFile::parse(text, &problem), std::nullopt);
    QVERIFY(!problem.isEmpty());
}

void TestSimModule::stateFileLoad()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("state");

    StateFile::Loaded missing = StateFile::load(path);
    QCOMPARE(missing.state, StoredState{});
    QVERIFY(missing.problem.isEmpty());

    StoredState state;
    state.speedCode = 57;
    QString error;
    QVERIFY(StateFile::save(path, state, &error));
    QCOMPARE(StateFile::load(path).state, state);

    QFile corrupt(path);
    QVERIFY(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("speed 39\nmode 09\n");
    corrupt.close();
    const StateFile::Loaded loaded = StateFile::load(path);
    QCOMPARE(loaded.state, StoredState{});
    QVERIFY(loaded.problem.contains("line 2"));

    QVERIFY(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(100000, '#'));
    corrupt.close();
    QVERIFY(!StateFile::load(path).problem.isEmpty());

    QVERIFY(!StateFile::save(dir.filePath("missing/state"), state, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestSimModule)
#include "tst_simmodule.moc"
