#include "canvas.h"
#include "canvasimage.h"
#include "patternlibrary.h"
#include "span.h"
#include "spanplayer.h"
#include "spansection.h"
#include "spantext.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Orientation)
Q_DECLARE_METATYPE(Transform)

namespace {

// Text art read by the test itself, not by the canvas under test: lines of '#' and '.'.
QStringList lines(const char *text)
{
    return QString::fromLatin1(text).split(u'\n', Qt::SkipEmptyParts);
}

Pattern art(const QStringList &rows)
{
    Pattern pattern;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column)
            pattern.setDot(row, column, rows.at(row).at(column) == u'#');
    }
    return pattern;
}

Pattern art(const char *text)
{
    return art(lines(text));
}

Canvas canvasArt(int columns, int rows, const char *text)
{
    Canvas canvas(columns, rows);
    const QStringList art = lines(text);
    for (int y = 0; y < art.size(); ++y) {
        for (int x = 0; x < art.at(y).size(); ++x)
            canvas.setDot(x, y, art.at(y).at(x) == u'#');
    }
    return canvas;
}

QString show(const Pattern &pattern)
{
    QString text;
    for (int row = 0; row < 8; ++row) {
        text += u'\n';
        for (int column = 0; column < 8; ++column)
            text += pattern.dot(row, column) ? u'#' : u'.';
    }
    return text;
}

// What the viewer must see at one module's place: an F, with a dot beside its foot, so that
// every turn and mirror of it differs.
const char *const SeenF = "######..\n"
                          "#.......\n"
                          "#.......\n"
                          "####....\n"
                          "#.......\n"
                          "#.......\n"
                          "#.......\n"
                          "......#.\n";

Span span(int columns, int rows, const QList<Orientation> &orientations = {})
{
    Span result;
    result.name = QStringLiteral("Test");
    result.columns = columns;
    result.rows = rows;
    result.modules.clear();
    for (int i = 0; i < columns * rows; ++i)
        result.modules.append(
            SpanModule{QStringLiteral("COM%1").arg(i + 1), orientations.value(i), {}});
    result.picture = result.blankCanvas();
    return result;
}

// A player whose modules are lines of the test's own: each records what it was handed, can be
// pulled out, and can be made busy so that what it is handed replaces what waits.
class RecordingPlayer : public SpanPlayer
{
public:
    struct Line
    {
        bool available = true;
        bool busy = false;
        QList<Pattern> handed;
    };
    QList<Line> lines;

protected:
    bool handOver(int module, const Pattern &pattern, bool *replaced) override
    {
        Line &line = lines[module];
        if (!line.available)
            return false;
        line.handed.append(pattern);
        *replaced = line.busy;
        return true;
    }
    bool isAvailable(int module) const override { return lines.at(module).available; }
    bool hasLine(int) const override { return true; }
};

} // namespace

// The span's model without widgets or ports: slicing and orientation, the canvas and its text,
// the file's "spans" section, text scrolled across a span, and the player's clockwork.
class TestSpans : public QObject
{
    Q_OBJECT

private slots:
    void orientation_data();
    void orientation();
    void tilesInModuleOrder();
    void identifyGlyph_data();
    void identifyGlyph();
    void rowsText();
    void textArt_data();
    void textArt();
    void canvasTransforms_data();
    void canvasTransforms();
    void resize();
    void sectionRoundTrip();
    void olderProgramKeepsSection();
    void sectionRefused_data();
    void sectionRefused();
    void names();
    void textScrollsAcross_data();
    void textScrollsAcross();
    void pictureAtCanvasSize();
    void gifAtCanvasSize();
    void playerInStep();
    void playerModuleOutAndBack();
    void playerSlowModule();
};

void TestSpans::orientation_data()
{
    QTest::addColumn<Orientation>("orientation");
    QTest::addColumn<QString>("sent");
    // What each module must be sent for the F to be seen upright, worked out by turning and
    // mirroring the F on paper.
    QTest::newRow("upright") << Orientation{0, false}
                             << "######..\n#.......\n#.......\n####....\n"
                                "#.......\n#.......\n#.......\n......#.";
    QTest::newRow("turned 90 clockwise") << Orientation{90, false}
                                         << "........\n.......#\n#.......\n#.......\n"
                                            "#..#....\n#..#....\n#..#....\n#######.";
    QTest::newRow("upside down") << Orientation{180, false}
                                 << ".#......\n.......#\n.......#\n.......#\n"
                                    "....####\n.......#\n.......#\n..######";
    QTest::newRow("turned 270 clockwise") << Orientation{270, false}
                                          << ".#######\n....#..#\n....#..#\n....#..#\n"
                                             ".......#\n.......#\n#.......\n........";
    QTest::newRow("mirrored") << Orientation{0, true}
                              << "..######\n.......#\n.......#\n....####\n"
                                 ".......#\n.......#\n.......#\n.#......";
    QTest::newRow("mirrored, turned 90") << Orientation{90, true}
                                         << "........\n#.......\n.......#\n.......#\n"
                                            "....#..#\n....#..#\n....#..#\n.#######";
    QTest::newRow("mirrored, upside down") << Orientation{180, true}
                                           << "......#.\n#.......\n#.......\n#.......\n"
                                              "####....\n#.......\n#.......\n######..";
    QTest::newRow("mirrored, turned 270") << Orientation{270, true}
                                          << "#######.\n#..#....\n#..#....\n#..#....\n"
                                             "#.......\n#.......\n.......#\n........";
}

// Every rotation and mirror: the module is sent the written-out picture, and what the viewer
// then sees is the F; in the middle of a span of three the neighbours stay dark.
void TestSpans::orientation()
{
    QFETCH(Orientation, orientation);
    QFETCH(QString, sent);
    const Pattern seen = art(SeenF);
    const Pattern expected = art(sent.split(u'\n'));
    QCOMPARE(show(SpanSlicing::toModule(seen, orientation)), show(expected));
    QCOMPARE(show(SpanSlicing::asSeen(expected, orientation)), show(seen));

    const Span three = span(3, 1, {Orientation{180, true}, orientation, Orientation{90, false}});
    Canvas canvas = three.blankCanvas();
    canvas.setTile(1, seen);
    const QList<Pattern> slices = SpanSlicing::slices(canvas, three);
    QCOMPARE(slices.size(), 3);
    QCOMPARE(show(slices.at(1)), show(expected));
    QCOMPARE(slices.at(0), Pattern());
    QCOMPARE(slices.at(2), Pattern());
}

// Modules are numbered row by row from the top left: each gets the part of the canvas at its
// place.
void TestSpans::tilesInModuleOrder()
{
    const Canvas canvas = canvasArt(2, 2,
                                    "#..............#\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "........#.......\n"
                                    "................\n"
                                    "..#.............\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "...............#\n");
    const QList<Pattern> slices = SpanSlicing::slices(canvas, span(2, 2));
    QCOMPARE(show(slices.at(0)), show(art("#.......\n........\n........\n........\n"
                                          "........\n........\n........\n........")));
    QCOMPARE(show(slices.at(1)), show(art(".......#\n........\n........\n........\n"
                                          "........\n........\n........\n#.......")));
    QCOMPARE(show(slices.at(2)), show(art("........\n..#.....\n........\n........\n"
                                          "........\n........\n........\n........")));
    QCOMPARE(show(slices.at(3)), show(art("........\n........\n........\n........\n"
                                          "........\n........\n........\n.......#")));
    // The module bytes of module 2: its top right and bottom left dots.
    QCOMPARE(slices.at(1).columns(),
             (Protocol::ColumnPattern{0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10}));
}

void TestSpans::identifyGlyph_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("glyph");
    QTest::newRow("module 3") << 3
                              << "#..##...\n..####..\n........\n..###...\n"
                                 "....#...\n...##...\n....#...\n..###...";
    QTest::newRow("module 8") << 8
                              << "#..##...\n..####..\n........\n..###...\n"
                                 "..#.#...\n..###...\n..#.#...\n..###...";
    QTest::newRow("module 16") << 16
                               << "#..##...\n..####..\n........\n.#..###.\n"
                                  "##..#...\n.#..###.\n.#..#.#.\n###.###.";
}

// The arrow points to the module's own top, the corner dot marks its top left, and the number
// is its place in the span.
void TestSpans::identifyGlyph()
{
    QFETCH(int, number);
    QFETCH(QString, glyph);
    QCOMPARE(show(SpanSlicing::identifyGlyph(number)), show(art(glyph.split(u'\n'))));
}

// As the file keeps a canvas: one group per dot row, the leftmost dot in the high bit.
void TestSpans::rowsText()
{
    const Canvas canvas = canvasArt(2, 1,
                                    "#..............#\n"
                                    "................\n"
                                    "........#.......\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    ".#.#.#.#########\n");
    const QString text = QStringLiteral("8001 0000 0080 0000 0000 0000 0000 55FF");
    QCOMPARE(CanvasText::rowsText(canvas), text);
    QCOMPARE(CanvasText::fromRowsText(text, 2, 1), canvas);
    QCOMPARE(
        CanvasText::fromRowsText(QStringLiteral("8001 0000 0080 0000 0000 0000 0000 55ff"), 2, 1),
        canvas);
    // Without the spaces, as a file written by hand may have them.
    QCOMPARE(CanvasText::fromRowsText(QStringLiteral("800100000080000000000000000055FF"), 2, 1),
             canvas);
    QVERIFY(!CanvasText::fromRowsText(QStringLiteral("800100000080000000000000000055F"), 2, 1));
    QVERIFY(!CanvasText::fromRowsText(text, 1, 2));
    QVERIFY(
        !CanvasText::fromRowsText(QStringLiteral("8001 0000 0080 0000 0000 0000 0000 55F"), 2, 1));
    QVERIFY(
        !CanvasText::fromRowsText(QStringLiteral("8001 0000 0080 0000 0000 0000 0000 55FG"), 2, 1));
    QVERIFY(
        !CanvasText::fromRowsText(QStringLiteral("8001-0000 0080 0000 0000 0000 0000 55FF"), 2, 1));
}

void TestSpans::textArt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("expected"); // the first two rows of a 2 x 1 canvas
    QTest::newRow("the canvas's size") << "#..............#\n" + QString(".").repeated(16) + u'\n'
                                       << true << "#..............#\n................";
    QTest::newRow("smaller: placed top left")
        << "#.\n.#" << true << "#...............\n.#..............";
    QTest::newRow("larger: cut at the edges") << QString("#").repeated(20) + "\n"
                                              << true << "################\n................";
    QTest::newRow("other characters of text art") << "X*O@1-_0\n"
                                                  << true << "#####...........\n................";
    QTest::newRow("a stray character") << "#.#\n.a." << false << "";
    QTest::newRow("nothing") << "  \n\n" << false << "";
}

void TestSpans::textArt()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(QString, expected);
    QString error;
    const auto canvas = CanvasText::parseTextArt(text, 2, 1, &error);
    QCOMPARE(bool(canvas), read);
    if (!read) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QCOMPARE(CanvasText::textArt(*canvas).section(u'\n', 0, 1), expected);
    QCOMPARE(CanvasText::parseTextArt(CanvasText::textArt(*canvas), 2, 1, &error), canvas);
}

void TestSpans::canvasTransforms_data()
{
    QTest::addColumn<Transform>("transform");
    QTest::addColumn<QString>("after");
    // Before: a 2 x 1 canvas with a dot at the top left and a bar at the bottom right.
    QTest::newRow("shift left drops the edge") << Transform::ShiftLeft
                                               << "................\n" + QString(".").repeated(16) +
                                                      "\n" + QString(".").repeated(11) + "####.";
    QTest::newRow("wrap left brings it round") << Transform::WrapLeft
                                               << "...............#\n" + QString(".").repeated(16) +
                                                      "\n" + QString(".").repeated(11) + "####.";
    QTest::newRow("shift right") << Transform::ShiftRight
                                 << ".#..............\n" + QString(".").repeated(16) + "\n" +
                                        QString(".").repeated(13) + "###";
    QTest::newRow("wrap up") << Transform::WrapUp
                             << QString(".").repeated(16) + "\n" + QString(".").repeated(12) +
                                    "####\n#...............";
    QTest::newRow("mirror left to right")
        << Transform::MirrorLeftRight
        << "...............#\n" + QString(".").repeated(16) + "\n####............";
    QTest::newRow("mirror top to bottom")
        << Transform::MirrorTopBottom
        << "............####\n" + QString(".").repeated(16) + "\n#" + QString(".").repeated(15);
    QTest::newRow("rotate 180") << Transform::Rotate180
                                << "####............\n" + QString(".").repeated(16) + "\n" +
                                       QString(".").repeated(15) + "#";
}

// Only the first three and the last row are compared: the rest stays dark in every case.
void TestSpans::canvasTransforms()
{
    QFETCH(Transform, transform);
    QFETCH(QString, after);
    const Canvas before = canvasArt(2, 1,
                                    "#...............\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "................\n"
                                    "............####\n");
    const Canvas result = CanvasTransforms::transformed(before, transform);
    const QStringList rows = CanvasText::textArt(result).split(u'\n', Qt::SkipEmptyParts);
    const QStringList expected = after.split(u'\n');
    QCOMPARE(rows.size(), 8);
    if (transform == Transform::WrapUp || transform == Transform::MirrorTopBottom ||
        transform == Transform::Rotate180) {
        QCOMPARE(rows.at(0), expected.at(0));
        QCOMPARE(rows.at(6), expected.at(1));
        QCOMPARE(rows.at(7), expected.at(2));
    } else {
        QCOMPARE(rows.at(0), expected.at(0));
        QCOMPARE(rows.at(1), expected.at(1));
        QCOMPARE(rows.at(7), expected.at(2));
    }
    QCOMPARE(CanvasTransforms::transformed(before, Transform::Invert).litCount(), 128 - 5);
    QVERIFY(!CanvasTransforms::applies(Transform::RotateClockwise));
    QCOMPARE(CanvasTransforms::transformed(before, Transform::RotateClockwise), before);
}

// A span made wider or taller keeps its modules and pictures at their places from the top left.
void TestSpans::resize()
{
    Span wide = span(2, 1, {Orientation{0, false}, Orientation{180, true}});
    wide.picture.setDot(15, 7, true);
    wide.picture.setDot(0, 0, true);
    wide.animations.append({QStringLiteral("A"), {SpanFrame{wide.picture, 40}}, {}});
    QVERIFY(wide.resize(3, 2));
    QCOMPARE(wide.moduleCount(), 6);
    QCOMPARE(wide.modules.at(1).target, QStringLiteral("COM2"));
    QCOMPARE(wide.modules.at(1).orientation, (Orientation{180, true}));
    QCOMPARE(wide.modules.at(2).target, QString());
    QCOMPARE(wide.modules.at(3).target, QString());
    QVERIFY(wide.picture.dot(15, 7) && wide.picture.dot(0, 0));
    QCOMPARE(wide.picture.width(), 24);
    QCOMPARE(wide.animations.first().frames.first().canvas, wide.picture);
    QVERIFY(wide.resize(1, 1));
    QVERIFY(wide.picture.dot(0, 0) && !wide.picture.dot(15, 7));
    QVERIFY(!wide.resize(5, 4));
    QVERIFY(!wide.resize(0, 3));
    QCOMPARE(wide.moduleCount(), 1);
}

// Written and read back, fields unknown to this version included.
void TestSpans::sectionRoundTrip()
{
    Span badge = span(4, 1, {{0, false}, {180, false}, {90, true}, {270, false}});
    badge.name = QStringLiteral("Badge");
    badge.modules[3].target = QStringLiteral("tcp://192.0.2.7:2000");
    badge.modules[2].otherFields.insert(QStringLiteral("label"), QStringLiteral("left"));
    badge.picture.setDot(31, 7, true);
    badge.otherFields.insert(QStringLiteral("brightness"), 3);
    Canvas frame = badge.blankCanvas();
    frame.setDot(5, 2, true);
    badge.animations.append(
        {QStringLiteral("Hello"), {SpanFrame{frame, 10}, SpanFrame{badge.picture, 250}}, {}});
    Span tall = span(1, 2);
    tall.name = QStringLiteral("Tall");
    tall.modules[1].target = QStringLiteral("/dev/ttyUSB3");

    PatternLibrary library;
    library.patterns.append({QStringLiteral("Dot"), Pattern::fromBits(1), {}});
    SpanSection::write(library, {badge, tall});
    QString reason;
    const auto back = PatternLibrary::fromJson(library.toJson(), &reason);
    QVERIFY2(back, qPrintable(reason));
    const auto spans = SpanSection::read(*back, &reason);
    QVERIFY2(spans, qPrintable(reason));
    QCOMPARE(spans->size(), 2);
    QCOMPARE(spans->at(0), badge);
    QCOMPARE(spans->at(1), tall);

    // The section as the file has it.
    const QJsonObject first =
        back->otherSections.value(QLatin1String(SpanSection::Key)).toArray().at(0).toObject();
    QCOMPARE(first.value(QStringLiteral("columns")).toInt(), 4);
    QCOMPARE(first.value(QStringLiteral("modules")).toArray().at(1).toObject(),
             (QJsonObject{{"target", "COM2"}, {"rotation", 180}, {"mirrored", false}}));
    QCOMPARE(first.value(QStringLiteral("animations"))
                 .toArray()
                 .at(0)
                 .toObject()
                 .value(QStringLiteral("frames"))
                 .toArray()
                 .at(0)
                 .toObject(),
             (QJsonObject{{"rows", "00000000 00000000 04000000 00000000 00000000 00000000 "
                                   "00000000 00000000"},
                          {"duration", 10}}));

    // No spans: no section.
    SpanSection::write(library, {});
    QVERIFY(!library.otherSections.contains(QLatin1String(SpanSection::Key)));
    QCOMPARE(SpanSection::read(library, &reason), QList<Span>());
}

// A program that knows nothing of spans reads the file with its own reader and writes it back:
// the section is kept exactly.
void TestSpans::olderProgramKeepsSection()
{
    const QByteArray file = R"({
        "format": "glyphsmith-library", "version": 1,
        "patterns": [{"name": "Dot", "bytes": "10 00 00 00 00 00 00 00"}],
        "spans": [{"name": "Pair", "columns": 2, "rows": 1, "future": [1, 2],
                   "modules": [{"target": "COM1", "rotation": 0, "mirrored": false},
                               {"target": "COM2", "rotation": 180, "mirrored": true}],
                   "picture": "8001 0000 0000 0000 0000 0000 0000 0000",
                   "animations": [{"name": "Blink", "frames": [
                       {"rows": "FFFF FFFF FFFF FFFF FFFF FFFF FFFF FFFF", "duration": 100},
                       {"rows": "0000 0000 0000 0000 0000 0000 0000 0000", "duration": 0}]}]}]
    })";
    QString reason;
    const auto library = PatternLibrary::fromJson(file, &reason);
    QVERIFY2(library, qPrintable(reason));
    const QJsonValue original =
        QJsonDocument::fromJson(file).object().value(QLatin1String(SpanSection::Key));
    QCOMPARE(library->otherSections.value(QLatin1String(SpanSection::Key)), original);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("older.glyphs"));
    QVERIFY(library->write(path, &reason));
    const auto reread = PatternLibrary::read(path, &reason);
    QVERIFY2(reread, qPrintable(reason));
    QCOMPARE(reread->otherSections.value(QLatin1String(SpanSection::Key)), original);

    const auto spans = SpanSection::read(*reread, &reason);
    QVERIFY2(spans, qPrintable(reason));
    QCOMPARE(spans->at(0).modules.at(1).orientation, (Orientation{180, true}));
    QVERIFY(spans->at(0).picture.dot(0, 0) && spans->at(0).picture.dot(15, 0));
    QCOMPARE(spans->at(0).animations.at(0).frames.at(0).canvas.litCount(), 128);
    QCOMPARE(spans->at(0).animations.at(0).frames.at(1).durationMs, 100);
    QCOMPARE(spans->at(0).otherFields.value(QStringLiteral("future")),
             QJsonValue(QJsonArray{1, 2}));
}

void TestSpans::sectionRefused_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QString>("reason");
    const QByteArray modules2 = R"("modules": [{"target": "COM1"}, {"target": "COM2"}])";
    QTest::newRow("not a list") << QByteArray(R"({"name": "A"})") << "are no list";
    QTest::newRow("no name") << QByteArray(R"([{"columns": 1, "rows": 1, "modules": [{}]}])")
                             << "span 1 has no name";
    QTest::newRow("seventeen modules")
        << QByteArray(R"([{"name": "A", "columns": 17, "rows": 1, "modules": []}])")
        << "at most 16 modules";
    QTest::newRow("too few modules")
        << QByteArray(R"([{"name": "A", "columns": 2, "rows": 1, "modules": [{}]}])")
        << "does not list its 2 modules";
    QTest::newRow("rotation 45") << QByteArray(R"([{"name": "A", "columns": 1, "rows": 1,
                                        "modules": [{"target": "COM1", "rotation": 45}]}])")
                                 << "rotation of module 1 of span \"A\" is not 0, 90, 180 or 270";
    QTest::newRow("mirrored as text") << QByteArray(R"([{"name": "A", "columns": 1, "rows": 1,
                           "modules": [{"mirrored": "yes"}]}])")
                                      << "neither true nor false";
    QTest::newRow("frame of the wrong size")
        << QByteArray(R"([{"name": "A", "columns": 2, "rows": 1, )" + modules2 + R"(,
                           "animations": [{"name": "X", "frames": [
                               {"rows": "00 00 00 00 00 00 00 00", "duration": 10}]}]}])")
        << "rows of frame 1 of animation \"X\" of span \"A\" are not 8 groups of 4 hex digits";
    QTest::newRow("frame without duration")
        << QByteArray(R"([{"name": "A", "columns": 2, "rows": 1, )" + modules2 + R"(,
                           "animations": [{"name": "X", "frames": [
                               {"rows": "0000 0000 0000 0000 0000 0000 0000 0000"}]}]}])")
        << "no duration in whole milliseconds";
    QTest::newRow("two spans of one name")
        << QByteArray(R"([{"name": "A", "columns": 2, "rows": 1, )" + modules2 +
                      R"(}, {"name": "A", "columns": 2, "rows": 1, )" + modules2 + "}]")
        << "two spans are named \"A\"";
    QTest::newRow("two animations of one name in two spans")
        << QByteArray(R"([{"name": "A", "columns": 2, "rows": 1, )" + modules2 +
                      R"(, "animations": [{"name": "X", "frames": []}]},
                          {"name": "B", "columns": 2, "rows": 1, )" +
                      modules2 + R"(, "animations": [{"name": "X", "frames": []}]}])")
        << "two span animations are named \"X\"";
}

void TestSpans::sectionRefused()
{
    QFETCH(QByteArray, section);
    QFETCH(QString, reason);
    const QJsonDocument document = QJsonDocument::fromJson("{\"s\": " + section + "}");
    QVERIFY(document.isObject());
    QString why;
    QVERIFY(!SpanSection::read(document.object().value(QStringLiteral("s")), &why));
    QVERIFY2(why.contains(reason), qPrintable(why));
}

void TestSpans::names()
{
    Span a = span(1, 1);
    a.name = QStringLiteral("Span 1");
    a.animations.append({QStringLiteral("Animation 1"), {}, {}});
    Span b = span(1, 1);
    b.name = QStringLiteral("B");
    const QList<Span> spans = {a, b};
    QCOMPARE(SpanSection::unusedSpanName(spans), QStringLiteral("Span 2"));
    QVERIFY(!SpanSection::spanNameProblem(spans, QStringLiteral("B")).isEmpty());
    QVERIFY(SpanSection::spanNameProblem(spans, QStringLiteral("B"), 1).isEmpty());
    QVERIFY(!SpanSection::spanNameProblem(spans, QStringLiteral("  ")).isEmpty());
    QVERIFY(!SpanSection::animationNameProblem(spans, QStringLiteral("Animation 1"), 1).isEmpty());
    QVERIFY(
        SpanSection::animationNameProblem(spans, QStringLiteral("Animation 1"), 0, 0).isEmpty());
    QCOMPARE(SpanSection::unusedAnimationName(spans, QString()), QStringLiteral("Animation 2"));
    QCOMPARE(SpanSection::unusedAnimationName(spans, QStringLiteral("Animation 1")),
             QStringLiteral("Animation 1 2"));
    QCOMPARE(SpanSection::findAnimation(spans, QStringLiteral("Animation 1"))->span, 0);
    QVERIFY(!SpanSection::findAnimation(spans, QStringLiteral("Nope")));
    QCOMPARE(SpanSection::findSpan(spans, QStringLiteral("B")), 1);
}

void TestSpans::textScrollsAcross_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("direction");
    QTest::newRow("4 x 1, left") << 4 << 1 << int(TextFrames::Direction::Left);
    QTest::newRow("4 x 1, right") << 4 << 1 << int(TextFrames::Direction::Right);
    QTest::newRow("2 x 2, left") << 2 << 2 << int(TextFrames::Direction::Left);
    QTest::newRow("3 x 1, up") << 3 << 1 << int(TextFrames::Direction::Up);
}

// One dot a frame across the whole span: each frame is the one before moved by one dot, dark at
// the start and at the end, and the text is all there at some point.
void TestSpans::textScrollsAcross()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, direction);
    TextFrames::Options options;
    options.font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    options.font.setPixelSize(9 * rows);
    options.direction = TextFrames::Direction(direction);
    options.frameMs = 30;
    const QString text = QStringLiteral("HI");
    const QList<SpanFrame> frames = SpanText::scroll(text, options, columns, rows);
    const QImage strip = TextFrames::strip(text, options, QSize(columns * 8, rows * 8));
    const bool vertical = options.direction == TextFrames::Direction::Up;
    const int length = vertical ? strip.height() : strip.width();
    const int across = vertical ? rows * 8 : columns * 8;
    QCOMPARE(frames.size(), length + across + 1);
    QVERIFY(frames.first().canvas.isBlank());
    QVERIFY(frames.last().canvas.isBlank());
    int most = 0;
    for (qsizetype k = 0; k + 1 < frames.size(); ++k) {
        const Canvas &now = frames.at(k).canvas;
        const Canvas &next = frames.at(k + 1).canvas;
        QCOMPARE(now.width(), columns * 8);
        QCOMPARE(frames.at(k).durationMs, 30);
        most = std::max(most, now.litCount());
        for (int y = 0; y < now.height(); ++y) {
            for (int x = 0; x < now.width(); ++x) {
                switch (options.direction) {
                case TextFrames::Direction::Left:
                    if (x + 1 < now.width())
                        QCOMPARE(next.dot(x, y), now.dot(x + 1, y));
                    break;
                case TextFrames::Direction::Right:
                    if (x > 0)
                        QCOMPARE(next.dot(x, y), now.dot(x - 1, y));
                    break;
                case TextFrames::Direction::Up:
                    if (y + 1 < now.height())
                        QCOMPARE(next.dot(x, y), now.dot(x, y + 1));
                    break;
                case TextFrames::Direction::Down:
                    break;
                }
            }
        }
    }
    QVERIFY(most > 10);
}

// A picture brought down to the canvas's size; a drawn canvas reads back as it was.
void TestSpans::pictureAtCanvasSize()
{
    Canvas canvas(3, 1);
    canvas.setDot(0, 0, true);
    canvas.setDot(23, 7, true);
    canvas.setDot(12, 3, true);
    const QImage picture = CanvasImage::render(canvas, 4);
    QCOMPARE(picture.size(), QSize(96, 32));
    const CanvasImage::Levels levels = CanvasImage::levels(picture, 3, 1);
    QVERIFY(CanvasImage::isCrisp(levels));
    QCOMPARE(CanvasImage::threshold(levels), canvas);

    // A grey picture: the threshold decides, and light parts can be the lit ones.
    QImage grey(48, 8, QImage::Format_RGB32);
    grey.fill(qRgb(100, 100, 100));
    const CanvasImage::Levels greyLevels = CanvasImage::levels(grey, 3, 1);
    QVERIFY(!CanvasImage::isCrisp(greyLevels));
    QCOMPARE(CanvasImage::threshold(greyLevels, 128).litCount(), 24 * 8);
    QCOMPARE(CanvasImage::threshold(greyLevels, 64).litCount(), 0);
    QCOMPARE(CanvasImage::threshold(greyLevels, 64, true).litCount(), 24 * 8);

    QTemporaryDir dir;
    QString error;
    const QString path = dir.filePath(QStringLiteral("canvas.png"));
    QVERIFY(CanvasImage::writePng(canvas, 16, path, &error));
    const auto read = CanvasImage::readLevels(path, 3, 1, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(CanvasImage::threshold(*read), canvas);
    QVERIFY(!CanvasImage::readLevels(dir.filePath(QStringLiteral("missing.png")), 3, 1, &error));
    QVERIFY(error.contains(QStringLiteral("missing.png")));
}

// Exported at the canvas's size and imported again: the same frames, the same times.
void TestSpans::gifAtCanvasSize()
{
    QList<SpanFrame> frames;
    for (int i = 0; i < 5; ++i) {
        Canvas canvas(4, 1);
        canvas.setDot(i * 7, i, true);
        canvas.setDot(31 - i, 7, true);
        frames.append({canvas, 30 + 10 * i});
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("span.gif"));
    QString error;
    QVERIFY2(CanvasImage::writeGif(path, frames, 3, &error), qPrintable(error));
    const auto animated = CanvasImage::readAnimation(path, 4, 1, &error);
    QVERIFY2(animated, qPrintable(error));
    const QList<SpanFrame> back = CanvasImage::toFrames(*animated, 128, false);
    QCOMPARE(back.size(), frames.size());
    for (qsizetype i = 0; i < frames.size(); ++i) {
        QCOMPARE(back.at(i).durationMs, frames.at(i).durationMs);
        QCOMPARE(CanvasText::textArt(back.at(i).canvas), CanvasText::textArt(frames.at(i).canvas));
    }
    QVERIFY(!CanvasImage::writeGif(path, {}, 3, &error));
}

// Every module is handed its slice of each frame in the same tick.
void TestSpans::playerInStep()
{
    const Span pair = span(2, 1, {Orientation{0, false}, Orientation{180, false}});
    QList<SpanFrame> frames;
    for (int i = 0; i < 3; ++i) {
        Canvas canvas = pair.blankCanvas();
        canvas.setDot(i, 0, true);
        canvas.setDot(8 + i, 0, true);
        frames.append({canvas, 20});
    }
    RecordingPlayer player;
    player.lines.resize(2);
    player.setSpan(pair);
    player.setFrames(frames);
    QList<int> due;
    connect(&player, &SpanPlayer::frameDue, this, [&due](int frame) { due.append(frame); });
    using namespace std::chrono;
    const auto start = SpanPlayer::Time{} + seconds(100);
    player.startAt(start);
    QCOMPARE(player.tick(start), start + milliseconds(20));
    QCOMPARE(player.lines.at(0).handed.size(), 1);
    QCOMPARE(player.lines.at(1).handed.size(), 1);
    QCOMPARE(player.tick(start + milliseconds(20)), start + milliseconds(40));
    QCOMPARE(player.tick(start + milliseconds(40)), start + milliseconds(60));
    QVERIFY(!player.tick(start + milliseconds(60)));
    QCOMPARE(due, (QList<int>{0, 1, 2}));
    // Module 1 upright: its top row has dot i; module 2 upside down: dot i of its top row is
    // sent as dot 7 - i of its bottom row.
    for (int i = 0; i < 3; ++i) {
        Pattern left;
        left.setDot(0, i, true);
        Pattern right;
        right.setDot(7, 7 - i, true);
        QCOMPARE(show(player.lines.at(0).handed.at(i)), show(left));
        QCOMPARE(show(player.lines.at(1).handed.at(i)), show(right));
    }
    QCOMPARE(player.counts(0).handed, 3);
    QVERIFY(!player.isPlaying());
}

// A module that is pulled out is passed over and said once; the other plays every frame. It is
// said to be back once it takes frames again.
void TestSpans::playerModuleOutAndBack()
{
    const Span pair = span(2, 1);
    QList<SpanFrame> frames(10, SpanFrame{pair.blankCanvas(), 10});
    RecordingPlayer player;
    player.lines.resize(2);
    player.setSpan(pair);
    player.setFrames(frames);
    QList<int> out;
    QList<int> back;
    connect(&player, &SpanPlayer::moduleOut, this,
            [&out](int module, const QString &) { out.append(module); });
    connect(&player, &SpanPlayer::moduleBack, this, [&back](int module) { back.append(module); });
    using namespace std::chrono;
    const auto start = SpanPlayer::Time{} + seconds(5);
    player.startAt(start);
    for (int i = 0; i < 10; ++i) {
        player.lines[1].available = i < 3 || i >= 7;
        player.tick(start + milliseconds(10 * i));
    }
    QCOMPARE(player.lines.at(0).handed.size(), 10);
    QCOMPARE(player.lines.at(1).handed.size(), 6);
    QCOMPARE(out, QList<int>{1});
    QCOMPARE(back, QList<int>{1});
    QCOMPARE(player.counts(1).missed, 4);
    QVERIFY(!player.isOut(1));
}

// A module whose line stays busy takes latest-wins on its own and is said slow once a run.
void TestSpans::playerSlowModule()
{
    const Span three = span(3, 1);
    QList<SpanFrame> frames(20, SpanFrame{three.blankCanvas(), 10});
    RecordingPlayer player;
    player.lines.resize(3);
    player.lines[2].busy = true;
    player.setSpan(three);
    player.setFrames(frames);
    QList<int> slow;
    connect(&player, &SpanPlayer::moduleSlow, this, [&slow](int module) { slow.append(module); });
    using namespace std::chrono;
    const auto start = SpanPlayer::Time{} + seconds(5);
    player.startAt(start);
    for (int i = 0; i < 20; ++i)
        player.tick(start + milliseconds(10 * i));
    QCOMPARE(slow, QList<int>{2});
    QCOMPARE(player.counts(2).replaced, 20);
    QCOMPARE(player.counts(0).replaced, 0);
    QCOMPARE(player.counts(0).handed, 20);
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    TestSpans test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_spans.moc"
