#include "patternimage.h"
#include "patternlibrary.h"
#include "starterset.h"
#include "textformats.h"
#include "transforms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using TextFormats::Format;

Q_DECLARE_METATYPE(Format)
Q_DECLARE_METATYPE(Transform)
Q_DECLARE_METATYPE(PatternImage::Fit)
Q_DECLARE_METATYPE(QList<Transform>)

namespace {

constexpr int RandomPatterns = 4000;

// Random pictures with every density, so that empty, full and sparse rows all occur.
QList<Pattern> randomPatterns(int count)
{
    QRandomGenerator random(0x8C8);
    QList<Pattern> patterns = {Pattern(), Pattern::fromBits(~quint64(0))};
    while (patterns.size() < count) {
        quint64 bits = random.generate64();
        for (int thin = int(random.bounded(4)); thin > 0; --thin)
            bits &= random.generate64();
        patterns.append(Pattern::fromBits(bits));
    }
    return patterns;
}

// Text art read by the test itself, not by the formats under test.
Pattern art(const char *text)
{
    Pattern pattern;
    const QList<QByteArray> lines = QByteArray(text).split('\n');
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column)
            pattern.setDot(row, column, lines.at(row).at(column) == '#');
    }
    return pattern;
}

Pattern topLeft()
{
    Pattern pattern;
    pattern.setDot(0, 0, true);
    return pattern;
}

} // namespace

// The widget-free workbench: text formats, transforms, pictures and .glyphs files.
class TestPattern : public QObject
{
    Q_OBJECT

private slots:
    void rowsToModuleBytes_data();
    void rowsToModuleBytes();
    void formatRoundTrip_data();
    void formatRoundTrip();
    void writtenForm_data();
    void writtenForm();
    void readsOthersText_data();
    void readsOthersText();
    void bareBytesAreAmbiguous();
    void notAPattern_data();
    void notAPattern();
    void webEditorImages_data();
    void webEditorImages();

    void transformIdentity_data();
    void transformIdentity();
    void transformExample_data();
    void transformExample();

    void imageRoundTrip_data();
    void imageRoundTrip();
    void pictureFits_data();
    void pictureFits();
    void pictureRefused_data();
    void pictureRefused();

    void libraryRoundTrip();
    void libraryKeepsWhatItDoesNotKnow();
    void libraryRefused_data();
    void libraryRefused();
    void hugeLibraryRefused();
    void failedSaveKeepsOldFile();
    void lockedFolderIsNamed();
    void starterSet();

private:
    QTemporaryDir m_dir;
};

void TestPattern::formatRoundTrip_data()
{
    QTest::addColumn<Format>("format");
    for (Format format : TextFormats::AllFormats)
        QTest::newRow(qPrintable(TextFormats::id(format))) << format;
}

void TestPattern::formatRoundTrip()
{
    QFETCH(Format, format);
    for (const Pattern &pattern : randomPatterns(RandomPatterns)) {
        const QString text = TextFormats::write(pattern, format, QStringLiteral("glyph"));
        const auto parsed = TextFormats::parse(text, format);
        QVERIFY2(parsed.pattern == pattern, qPrintable(text + QLatin1Char(' ') + parsed.error));
        QVERIFY2(TextFormats::detect(text).formats.contains(format), qPrintable(text));
    }
}

void TestPattern::writtenForm_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<Pattern>("pattern");
    QTest::addColumn<QString>("text");
    Pattern bottomRight;
    bottomRight.setDot(7, 7, true);
    QTest::newRow("module bytes, top left")
        << Format::ModuleBytes << topLeft() << "10 00 00 00 00 00 00 00";
    QTest::newRow("module bytes, bottom right")
        << Format::ModuleBytes << bottomRight << "00 00 00 00 00 00 00 08";
    QTest::newRow("row bytes, top left")
        << Format::RowBytes << topLeft() << "80 00 00 00 00 00 00 00";
    QTest::newRow("C array, top left")
        << Format::CArray << topLeft()
        << "const uint8_t glyph[8] = {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};";
    QTest::newRow("Python list, bottom right")
        << Format::PythonList << bottomRight
        << "glyph = [0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01]";
    QTest::newRow("Arduino, top left")
        << Format::Arduino << topLeft()
        << "const byte glyph[8] = {\n  B10000000,\n  B00000000,\n  B00000000,\n  B00000000,\n"
           "  B00000000,\n  B00000000,\n  B00000000,\n  B00000000\n};";
    QTest::newRow("64-bit, top left") << Format::Integer64 << topLeft() << "0x0000000000000001";
    QTest::newRow("64-bit, bottom right")
        << Format::Integer64 << bottomRight << "0x8000000000000000";
    QTest::newRow("text art, top left")
        << Format::TextArt << topLeft()
        << "#.......\n........\n........\n........\n........\n........\n........\n........\n";
}

void TestPattern::writtenForm()
{
    QFETCH(Format, format);
    QFETCH(Pattern, pattern);
    QFETCH(QString, text);
    QCOMPARE(TextFormats::write(pattern, format, QStringLiteral("glyph")), text);
}

void TestPattern::readsOthersText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Format>("format");
    QTest::addColumn<Pattern>("pattern");
    const Pattern heart = art("........\n.##..##.\n########\n########\n.######.\n..####..\n"
                              "...##...\n........");
    const Pattern face = art("..####..\n.#....#.\n#..##..#\n#.#..#.#\n#.#..#.#\n#......#\n"
                             ".#....#.\n..####..");
    QTest::newRow("Arduino sketch, one line")
        << "byte heart[8] = {B00000000, B01100110, B11111111, B11111111, B01111110, "
           "B00111100, B00011000, B00000000};"
        << Format::Arduino << heart;
    QTest::newRow("Arduino sketch with comments and PROGMEM")
        << "// a heart\nconst byte PROGMEM heart[] = {\n  0b00000000, /* top */\n  0b01100110,\n"
           "  0b11111111,\n  0b11111111,\n  0b01111110,\n  0b00111100,\n  0b00011000,\n"
           "  0b00000000,\n};\n"
        << Format::Arduino << heart;
    QTest::newRow("LED-driver sketch, decimal rows")
        << "uint8_t heart[8] = {0, 102, 255, 255, 126, 60, 24, 0};" << Format::CArray << heart;
    QTest::newRow("web editor value") << "0x3c4281a5a599423c" << Format::Integer64 << face;
    QTest::newRow("web editor code") << "const uint64_t IMAGES[] = {\n  0x3c4281a5a599423c\n};\n"
                                        "const int IMAGES_LEN = sizeof(IMAGES)/8;\n"
                                     << Format::Integer64 << face;
    QTest::newRow("web editor value with suffix")
        << "0x3C4281A5A599423CULL" << Format::Integer64 << face;
    QTest::newRow("Python list, decimal")
        << "heart = [0, 102, 255, 255, 126, 60, 24, 0]" << Format::PythonList << heart;
    QTest::newRow("text art with X and trailing blanks")
        << "\n........  \n.XX..XX.\nXXXXXXXX\nXXXXXXXX\n.XXXXXX.\n..XXXX..\n...XX...\n........\n\n"
        << Format::TextArt << heart;
    QTest::newRow("text art, spaces for dark dots, trailing ones dropped")
        << "\n ##  ##\n########\n########\n ######\n  ####\n   ##\n\n"
        << Format::TextArt
        << art("........\n.##..##.\n########\n########\n.######.\n..####..\n...##...\n"
               "........");
    QTest::newRow("block art, full and light shade")
        << QStringLiteral("░░░░░░░░\n░██░░██░\n████████\n████████\n░██████░\n░░████░░\n"
                          "░░░██░░░\n░░░░░░░░")
        << Format::TextArt << heart;
    QTest::newRow("block art, spaces for dark dots")
        << QStringLiteral("\n ██  ██\n████████\n████████\n ██████\n  ████\n   ██\n\n")
        << Format::TextArt << heart;
    QTest::newRow("X and - art")
        << "--------\n-XX--XX-\nXXXXXXXX\nXXXXXXXX\n-XXXXXX-\n--XXXX--\n---XX---\n--------"
        << Format::TextArt << heart;
    QTest::newRow("text art, dark top and bottom rows all spaces")
        << "        \n ##  ##\n########\n########\n ######\n  ####\n   ##\n        "
        << Format::TextArt << heart;
    QTest::newRow("module bytes with 0x and commas")
        << "0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00" << Format::ModuleBytes << topLeft();
    QTest::newRow("module bytes in one run")
        << "1000000000000000" << Format::ModuleBytes << topLeft();
}

void TestPattern::readsOthersText()
{
    QFETCH(QString, text);
    QFETCH(Format, format);
    QFETCH(Pattern, pattern);
    const auto parsed = TextFormats::parse(text, format);
    QVERIFY2(parsed.pattern, qPrintable(parsed.error));
    QCOMPARE(parsed.pattern->bits(), pattern.bits());
    QVERIFY(TextFormats::detect(text).formats.contains(format));
}

void TestPattern::bareBytesAreAmbiguous()
{
    const QString text = QStringLiteral("10 00 00 00 00 00 00 00");
    const auto formats = TextFormats::detect(text).formats;
    QVERIFY(formats.contains(Format::ModuleBytes));
    QVERIFY(formats.contains(Format::RowBytes));
    QCOMPARE(TextFormats::parse(text, Format::ModuleBytes).pattern, topLeft());
    Pattern rowReading;
    rowReading.setDot(0, 3, true);
    QCOMPARE(TextFormats::parse(text, Format::RowBytes).pattern, rowReading);
    // One number a line is bytes, not art that lost its dark dots.
    QCOMPARE(TextFormats::detect(QStringLiteral("1\n0\n1\n0\n1\n0\n1\n0\n")).formats,
             (QList<Format>{Format::ModuleBytes, Format::RowBytes}));
    // Code says which layout it is in.
    QCOMPARE(TextFormats::detect(QStringLiteral("{0x80, 0, 0, 0, 0, 0, 0, 0}")).formats,
             QList<Format>{Format::CArray});
}

void TestPattern::notAPattern_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << "  \n"
                           << "there is no text";
    QTest::newRow("seven bytes") << "10 00 00 00 00 00 00"
                                 << "there are 7 numbers";
    QTest::newRow("not hex") << "10 00 00 0G 00 00 00 00"
                             << "\"0G\" is not a hex byte";
    QTest::newRow("row too wide") << "const uint8_t x[8] = {0x100, 0, 0, 0, 0, 0, 0, 0};"
                                  << "row 1 is 256";
    QTest::newRow("nine rows") << "x = [1, 2, 3, 4, 5, 6, 7, 8, 9]"
                               << "there are 9 numbers";
    QTest::newRow("two 64-bit numbers") << "const uint64_t IMAGES[] = {0x1, 0x2};"
                                        << "there are 2 numbers";
    QTest::newRow("short art line") << "#######\n........\n........\n........\n........\n"
                                       "........\n........\n........"
                                    << "line 1 has 7 characters";
    QTest::newRow("one character on a line of dots")
        << "#\n........\n........\n........\n........\n........\n........\n........"
        << "line 1 has 1 character;";
    QTest::newRow("one art line") << "##..##.."
                                  << "there is 1 line;";
    QTest::newRow("one number in a list") << "[0x7E]"
                                          << "there is 1 number between [ and ]";
    QTest::newRow("words") << "hello world"
                           << "no pattern was found";
    QTest::newRow("a sentence") << "Paste this on the grid, please."
                                << "no pattern was found";
}

void TestPattern::notAPattern()
{
    QFETCH(QString, text);
    QFETCH(QString, reason);
    const auto detection = TextFormats::detect(text);
    QVERIFY(detection.formats.isEmpty());
    QVERIFY2(detection.error.contains(reason), qPrintable(detection.error));
    QCOMPARE(detection.nothingFound, reason == QLatin1String("no pattern was found"));
}

void TestPattern::webEditorImages_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<quint64>>("images");
    QTest::addColumn<QString>("name");
    QTest::newRow("the web editor's block")
        << "const uint64_t IMAGES[] = {\n  0x3c4281a5a599423c,\n  0x0000000000000001,\n"
           "  0xff000000000000ff\n};\nconst int IMAGES_LEN = sizeof(IMAGES)/8;\n"
        << QList<quint64>{0x3c4281a5a599423c, 1, 0xff000000000000ff} << "IMAGES";
    QTest::newRow("suffixes, comments, a trailing comma")
        << "// two\nconst uint64_t PROGMEM frames[2] = {0x1ULL, /* b */ 0x2ULL,};"
        << QList<quint64>{1, 2} << "frames";
    QTest::newRow("a bare list of 64-bit numbers")
        << "{0x0000000000000001, 0x0000000000000080}" << QList<quint64>{1, 0x80} << "";
    QTest::newRow("a bare list of bytes is no images") << "{0x1, 0x80}" << QList<quint64>{} << "";
    QTest::newRow("a C array of rows is no images")
        << "const uint8_t x[8] = {0x80, 0, 0, 0, 0, 0, 0, 0};" << QList<quint64>{} << "";
    QTest::newRow("numbers too wide for rows")
        << "int x[] = {4096, 1}" << QList<quint64>{4096, 1} << "x";
    QTest::newRow("one image is no animation")
        << "const uint64_t IMAGES[] = {0x1};" << QList<quint64>{} << "";
    QTest::newRow("binary numbers are rows, not images")
        << "{B10000000, B01000000}" << QList<quint64>{} << "";
    QTest::newRow("a word among them") << "{0x1, hello, 0x2}" << QList<quint64>{} << "";
    QTest::newRow("two lists") << "{0x1, 0x2} {0x3, 0x4}" << QList<quint64>{} << "";
}

void TestPattern::webEditorImages()
{
    QFETCH(QString, text);
    QFETCH(QList<quint64>, images);
    QFETCH(QString, name);
    const auto parsed = TextFormats::parseImages(text);
    QCOMPARE(parsed.has_value(), !images.isEmpty());
    if (!parsed)
        return;
    QList<quint64> bits;
    for (const Pattern &pattern : parsed->patterns)
        bits.append(pattern.bits());
    QCOMPARE(bits, images);
    QCOMPARE(parsed->name, name);
    // Image 1 is the picture "0x..." alone pastes as.
    QCOMPARE(parsed->patterns.first(),
             *TextFormats::parse(QStringLiteral("0x%1").arg(images.first(), 16, 16, QChar(u'0')),
                                 Format::Integer64)
                  .pattern);
}

void TestPattern::transformIdentity_data()
{
    QTest::addColumn<QList<Transform>>("steps");
    using T = Transform;
    QTest::newRow("four quarter turns clockwise") << QList<T>(4, T::RotateClockwise);
    QTest::newRow("four quarter turns anticlockwise") << QList<T>(4, T::RotateAnticlockwise);
    QTest::newRow("a turn and its reverse") << QList<T>{T::RotateClockwise, T::RotateAnticlockwise};
    QTest::newRow("two half turns") << QList<T>{T::Rotate180, T::Rotate180};
    QTest::newRow("half turn is two mirrors")
        << QList<T>{T::Rotate180, T::MirrorLeftRight, T::MirrorTopBottom};
    QTest::newRow("two mirrors left-right") << QList<T>(2, T::MirrorLeftRight);
    QTest::newRow("two mirrors top-bottom") << QList<T>(2, T::MirrorTopBottom);
    QTest::newRow("two inversions") << QList<T>(2, T::Invert);
    QTest::newRow("eight wrapped shifts up") << QList<T>(8, T::WrapUp);
    QTest::newRow("eight wrapped shifts down") << QList<T>(8, T::WrapDown);
    QTest::newRow("eight wrapped shifts left") << QList<T>(8, T::WrapLeft);
    QTest::newRow("eight wrapped shifts right") << QList<T>(8, T::WrapRight);
    QTest::newRow("wrapped up and down") << QList<T>{T::WrapUp, T::WrapDown};
}

void TestPattern::transformIdentity()
{
    QFETCH(QList<Transform>, steps);
    for (const Pattern &pattern : randomPatterns(RandomPatterns)) {
        Pattern result = pattern;
        for (Transform step : steps)
            result = transformed(result, step);
        QCOMPARE(result.bits(), pattern.bits());
    }
}

void TestPattern::transformExample_data()
{
    QTest::addColumn<Transform>("transform");
    QTest::addColumn<QString>("result");
    // The picture: an L in the top left corner.
    QTest::newRow("invert") << Transform::Invert << ".#######\n.#######\n..######\n########";
    QTest::newRow("shift up drops the top row")
        << Transform::ShiftUp << "#.......\n##......\n........\n........";
    QTest::newRow("shift down") << Transform::ShiftDown << "........\n#.......\n#.......\n##......";
    QTest::newRow("shift left drops the left column")
        << Transform::ShiftLeft << "........\n........\n#.......\n........";
    QTest::newRow("shift right") << Transform::ShiftRight
                                 << ".#......\n.#......\n.##.....\n........";
    QTest::newRow("wrap left") << Transform::WrapLeft << ".......#\n.......#\n#......#\n........";
    QTest::newRow("wrap up") << Transform::WrapUp << "#.......\n##......\n........\n........";
    QTest::newRow("rotate clockwise")
        << Transform::RotateClockwise << ".....###\n.....#..\n........\n........";
    QTest::newRow("mirror left-right")
        << Transform::MirrorLeftRight << ".......#\n.......#\n......##\n........";
}

void TestPattern::transformExample()
{
    QFETCH(Transform, transform);
    QFETCH(QString, result);
    const Pattern l = art("#.......\n#.......\n##......\n........\n........\n........\n........\n"
                          "........");
    const QString drawn = TextFormats::write(transformed(l, transform), Format::TextArt);
    QCOMPARE(drawn.left(35), result);
    if (transform == Transform::WrapUp)
        QCOMPARE(drawn.right(9), QStringLiteral("#.......\n"));
}

void TestPattern::imageRoundTrip_data()
{
    QTest::addColumn<int>("dotSize");
    QTest::newRow("8 x 8") << 1;
    QTest::newRow("16 pixels to a dot") << 16;
    QTest::newRow("5 pixels to a dot") << 5;
}

void TestPattern::imageRoundTrip()
{
    QFETCH(int, dotSize);
    const QString path = m_dir.filePath(QStringLiteral("round.png"));
    for (const Pattern &pattern : randomPatterns(dotSize == 1 ? 500 : 60)) {
        QString error;
        QVERIFY2(PatternImage::writePng(pattern, dotSize, path, &error), qPrintable(error));
        const auto levels = PatternImage::readLevels(path, &error);
        QVERIFY2(levels, qPrintable(error));
        QVERIFY(PatternImage::isCrisp(*levels));
        QCOMPARE(PatternImage::threshold(*levels).bits(), pattern.bits());
    }
    QCOMPARE(QImage(path).size(), QSize(8 * dotSize, 8 * dotSize));
}

void TestPattern::pictureFits_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("black"); // the rest is white
    QTest::addColumn<PatternImage::Fit>("fit");
    QTest::addColumn<bool>("lightIsLit");
    QTest::addColumn<QList<int>>("rows");
    using Fit = PatternImage::Fit;
    const QSize wide(32, 16);
    const QRect leftQuarter(0, 0, 8, 16);
    QTest::newRow("wide, stretched") << wide << leftQuarter << Fit::Stretch << false
                                     << QList<int>{0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0};
    QTest::newRow("wide, cropped to the middle")
        << wide << leftQuarter << Fit::Crop << false << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("wide, kept whole") << wide << leftQuarter << Fit::KeepAspect << false
                                      << QList<int>{0, 0, 0xC0, 0xC0, 0xC0, 0xC0, 0, 0};
    QTest::newRow("wide, kept whole, light parts lit")
        << wide << leftQuarter << Fit::KeepAspect << true
        << QList<int>{0, 0, 0x3F, 0x3F, 0x3F, 0x3F, 0, 0};
    const QSize tall(16, 32);
    const QRect topQuarter(0, 0, 16, 8);
    QTest::newRow("tall, kept whole") << tall << topQuarter << Fit::KeepAspect << false
                                      << QList<int>{0x3C, 0x3C, 0, 0, 0, 0, 0, 0};
    QTest::newRow("tall, cropped")
        << tall << topQuarter << Fit::Crop << false << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("tall, stretched")
        << tall << topQuarter << Fit::Stretch << false << QList<int>{0xFF, 0xFF, 0, 0, 0, 0, 0, 0};
    QTest::newRow("square, every fit the same")
        << QSize(16, 16) << QRect(0, 0, 8, 16) << Fit::KeepAspect << false
        << QList<int>{0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0};
}

void TestPattern::pictureFits()
{
    QFETCH(QSize, size);
    QFETCH(QRect, black);
    QFETCH(PatternImage::Fit, fit);
    QFETCH(bool, lightIsLit);
    QFETCH(QList<int>, rows);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = black.top(); y <= black.bottom(); ++y) {
        for (int x = black.left(); x <= black.right(); ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    }
    const auto levels = PatternImage::levels(image, fit, lightIsLit ? 0 : 255);
    const Pattern pattern =
        PatternImage::threshold(levels, PatternImage::DefaultThreshold, lightIsLit);
    QList<int> got;
    for (quint8 row : pattern.rows())
        got.append(row);
    QCOMPARE(got, rows);
}

void TestPattern::pictureRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("20000 x 20000 pixels")
        << QByteArray("P5\n20000 20000\n255\n") << "it is 20000 x 20000 pixels";
    QTest::newRow("not a picture") << QByteArray("just some text") << "Unsupported image format";
    QTest::newRow("missing") << QByteArray() << "No such file or directory";
}

void TestPattern::pictureRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QString error;
    QVERIFY(!PatternImage::readLevels(path, &error));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot import the picture ") + path),
             qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestPattern::libraryRoundTrip()
{
    PatternLibrary library;
    const QList<Pattern> patterns = randomPatterns(3000);
    for (int i = 0; i < patterns.size(); ++i)
        library.patterns.append({QStringLiteral("Glyph \"%1\" \u00e9").arg(i), patterns.at(i), {}});
    const QString path = m_dir.filePath(QStringLiteral("many.glyphs"));
    QString error;
    QVERIFY2(library.write(path, &error), qPrintable(error));
    const auto read = PatternLibrary::read(path, &error);
    QVERIFY2(read, qPrintable(error));
    QVERIFY(*read == library);
    QVERIFY(!read->characterBank); // a file without a bank stays without one
    QVERIFY(!library.toJson().contains("characterBank"));

    // With a bank beside the patterns, and a field of it that this version does not know.
    library.characterBank = CharacterBankSection();
    for (int position = 0; position < Protocol::CustomCharacterCount; ++position)
        library.characterBank->patterns[size_t(position)] = patterns.at(position);
    library.characterBank->otherFields.insert(QStringLiteral("note"), QStringLiteral("kept"));
    QVERIFY2(library.write(path, &error), qPrintable(error));
    const auto withBank = PatternLibrary::read(path, &error);
    QVERIFY2(withBank, qPrintable(error));
    QVERIFY(*withBank == library);
    QVERIFY(withBank->otherSections.isEmpty());

    // Module bytes as the file keeps them.
    const QJsonObject first = QJsonDocument::fromJson(library.toJson())
                                  .object()
                                  .value(QStringLiteral("patterns"))
                                  .toArray()
                                  .at(1)
                                  .toObject();
    QCOMPARE(first.value(QStringLiteral("bytes")).toString(),
             QStringLiteral("FF FF FF FF FF FF FF FF"));
}

void TestPattern::libraryKeepsWhatItDoesNotKnow()
{
    const QByteArray json = R"({"format": "glyphsmith-library", "version": 1,
        "palettes": [{"name": "warm", "colours": ["red", "amber"]}],
        "patterns": [{"name": "Heart", "bytes": "1000000000000000", "colour": "red"}]})";
    QString reason;
    const auto library = PatternLibrary::fromJson(json, &reason);
    QVERIFY2(library, qPrintable(reason));
    QCOMPARE(library->patterns.first().pattern, topLeft());
    const QJsonObject again = QJsonDocument::fromJson(library->toJson()).object();
    const QJsonObject original = QJsonDocument::fromJson(json).object();
    QCOMPARE(again.value(QStringLiteral("palettes")), original.value(QStringLiteral("palettes")));
    QCOMPARE(again.value(QStringLiteral("patterns"))
                 .toArray()
                 .at(0)
                 .toObject()
                 .value(QStringLiteral("colour")),
             QJsonValue(QStringLiteral("red")));
}

void TestPattern::libraryRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    const QByteArray good = R"({"format": "glyphsmith-library", "version": 1, "patterns": [)"
                            R"({"name": "A", "bytes": "10 00 00 00 00 00 00 00"}]})";
    QTest::newRow("missing") << QByteArray() << "No such file or directory";
    QTest::newRow("empty") << QByteArray("\n") << "the file is empty";
    QTest::newRow("truncated") << good.left(good.size() - 9) << "it is cut short";
    QTest::newRow("not JSON") << QByteArray("name,bytes\nA,10\n") << "it is not JSON";
    QTest::newRow("other JSON") << QByteArray(R"({"patterns": []})")
                                << "not a Glyphsmith pattern library";
    QTest::newRow("no version") << QByteArray(R"({"format": "glyphsmith-library", "patterns": []})")
                                << "no format version";
    QTest::newRow("newer version") << QByteArray(good).replace("\"version\": 1", "\"version\": 3")
                                   << "format version 3, written by a newer Glyphsmith";
    QTest::newRow("short bytes") << QByteArray(good).replace("10 00 00 00 00 00 00 00", "10 00")
                                 << "the bytes of pattern 1 (\"A\") are not 16 hex digits";
    QTest::newRow("bad digit") << QByteArray(good).replace("10 00 00 00 00 00 00 00",
                                                           "10 00 00 00 00 00 00 0Z")
                               << "are not 16 hex digits";
    QTest::newRow("empty name") << QByteArray(good).replace("\"A\"", "\" \"")
                                << "pattern 1 has no name";
    QTest::newRow("duplicate name")
        << QByteArray(good).replace("}]}", "}, {\"name\": \"B\", "
                                           "\"bytes\": \"0000000000000000\"}, "
                                           "{\"name\": \"A\", \"bytes\": "
                                           "\"0000000000000000\"}]}")
        << "patterns 1 and 3 are both named \"A\"";
    const QByteArray animated = QByteArray(good).replace(
        "\"patterns\"", R"("animations": [{"name": "Blink", "frames": FRAMES}], "patterns")");
    QTest::newRow("animation frame bytes")
        << QByteArray(animated).replace("FRAMES", R"([{"bytes": "10", "duration": 100}])")
        << "the bytes of frame 1 of animation 1 (\"Blink\") are not 16 hex digits";
    QTest::newRow("animation frame time")
        << QByteArray(animated).replace("FRAMES",
                                        R"([{"bytes": "1000000000000000", "duration": "long"}])")
        << "frame 1 of animation 1 (\"Blink\") has no duration in whole milliseconds";
    QTest::newRow("animation without frames")
        << QByteArray(animated).replace("FRAMES", "{}") << "has no list of at most";
    const QString nine = QStringList(9, QStringLiteral("\"0000000000000000\"")).join(", ");
    const auto withBank = [&good](const QString &bank) {
        return QByteArray(good).replace("\"version\": 1",
                                        "\"version\": 1, \"characterBank\": " + bank.toLatin1());
    };
    QTest::newRow("bank not an object") << withBank("[]") << "has no list of \"slots\"";
    QTest::newRow("bank without slots") << withBank("{}") << "has no list of \"slots\"";
    QTest::newRow("bank of nine slots") << withBank("{\"slots\": [" + nine + "]}")
                                        << "its character bank has 9 slots instead of 10";
    QTest::newRow("bank slot of bad bytes")
        << withBank("{\"slots\": [" + nine + ", \"00 00 00 00 00 00 00 GG\"]}")
        << "the bytes of character bank slot 9 are not 16 hex digits";
    QTest::newRow("bank slot not text") << withBank("{\"slots\": [1, " + nine + "]}")
                                        << "the bytes of character bank slot 0 are not 16 hex";
}

void TestPattern::libraryRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".glyphs");
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QString error;
    QVERIFY(!PatternLibrary::read(path, &error));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot open the pattern library ") + path + ": "),
             qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestPattern::hugeLibraryRefused()
{
    const QString path = m_dir.filePath(QStringLiteral("huge.glyphs"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(qint64(200) * 1024 * 1024)); // sparse: takes no disk space
    file.close();
    QString error;
    QVERIFY(!PatternLibrary::read(path, &error));
    QVERIFY2(error.contains(QStringLiteral("it is 200.0 MB")), qPrintable(error));
}

void TestPattern::failedSaveKeepsOldFile()
{
    // A folder nobody can write to, root included: its name is taken by a plain file.
    const QString blocked = m_dir.filePath(QStringLiteral("plain-file"));
    QVERIFY(QFile(blocked).open(QIODevice::WriteOnly));
    QString error;
    QVERIFY(!::starterSet().write(blocked + QStringLiteral("/new.glyphs"), &error));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot save the pattern library ") + blocked),
             qPrintable(error));

    // A folder made read-only keeps the file that is there; root may write anyway.
    const QString folder = m_dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/kept.glyphs");
    PatternLibrary library = ::starterSet();
    QVERIFY(library.write(path, &error));
    const QByteArray before = library.toJson();
    library.patterns.removeFirst();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const bool refused = !library.write(path, &error);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (::geteuid() != 0)
        QVERIFY2(refused && error.contains(path), qPrintable(error));
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), refused ? before : library.toJson());
}

// The file may be written, but its folder takes no new file, and saving writes a new file and
// swaps it in: the message names the folder. Root is held back only by an immutable folder.
void TestPattern::lockedFolderIsNamed()
{
    const QString folder = m_dir.filePath(QStringLiteral("immutable"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/kept.glyphs");
    PatternLibrary library = ::starterSet();
    QString error;
    QVERIFY2(library.write(path, &error), qPrintable(error));
    const QByteArray before = library.toJson();

    const bool root = ::geteuid() == 0;
    const auto lock = [&folder, root](bool locked) {
        if (!root)
            return QFile::setPermissions(
                folder,
                QFile::ReadOwner | QFile::ExeOwner |
                    (locked ? QFile::Permissions() : QFile::Permissions(QFile::WriteOwner)));
        return QProcess::execute(QStringLiteral("chattr"),
                                 {locked ? QStringLiteral("+i") : QStringLiteral("-i"), folder}) ==
               0;
    };
    if (!lock(true))
        QSKIP("This file system cannot keep root from making files in a folder.");
    const auto unlock = qScopeGuard([&lock] { lock(false); });
    QVERIFY(QFileInfo(path).isWritable());

    library.patterns.removeFirst();
    QVERIFY(!library.write(path, &error));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot save the pattern library %1: no new file can "
                                             "be made in its folder %2 (")
                                  .arg(path, folder)),
             qPrintable(error));
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
}

void TestPattern::starterSet()
{
    const PatternLibrary library = ::starterSet();
    QVERIFY(library.patterns.size() >= 20);
    QString reason;
    const auto again = PatternLibrary::fromJson(library.toJson(), &reason);
    QVERIFY2(again, qPrintable(reason)); // names unique and non-empty, bytes valid
    for (const NamedPattern &named : library.patterns)
        QVERIFY2(named.pattern.bits() != 0, qPrintable(named.name));
    const auto named = [&](const char *name) {
        for (const NamedPattern &p : library.patterns) {
            if (p.name == QLatin1String(name))
                return p.pattern;
        }
        return Pattern();
    };
    QCOMPARE(named("Arrow right"), art("....#...\n....##..\n....###.\n########\n########\n"
                                       "....###.\n....##..\n....#..."));
    QCOMPARE(named("Arrow left"), transformed(named("Arrow right"), Transform::MirrorLeftRight));
}

// Rows as the user sees them, to the module's bytes: every row's weight written out here, so that
// a wrong table in the program shows.
void TestPattern::rowsToModuleBytes_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("module");
    QTest::newRow("top left") << "80 00 00 00 00 00 00 00"
                              << "10 00 00 00 00 00 00 00";
    QTest::newRow("fourth row, left") << "00 00 00 80 00 00 00 00"
                                      << "80 00 00 00 00 00 00 00";
    QTest::newRow("fifth row, left") << "00 00 00 00 80 00 00 00"
                                     << "01 00 00 00 00 00 00 00";
    QTest::newRow("bottom right") << "00 00 00 00 00 00 00 01"
                                  << "00 00 00 00 00 00 00 08";
    QTest::newRow("top row") << "FF 00 00 00 00 00 00 00"
                             << "10 10 10 10 10 10 10 10";
    QTest::newRow("left column") << "80 80 80 80 80 80 80 80"
                                 << "FF 00 00 00 00 00 00 00";
    QTest::newRow("anti-diagonal") << "01 02 04 08 10 20 40 80"
                                   << "08 04 02 01 80 40 20 10";
}

void TestPattern::rowsToModuleBytes()
{
    QFETCH(QString, rows);
    QFETCH(QString, module);
    const auto read = TextFormats::parse(rows, TextFormats::Format::RowBytes);
    QVERIFY(read.pattern);
    QCOMPARE(bytesText(*read.pattern), module);
    const auto back = TextFormats::parse(module, TextFormats::Format::ModuleBytes);
    QVERIFY(back.pattern);
    QCOMPARE(TextFormats::write(*back.pattern, TextFormats::Format::RowBytes), rows);
}

QTEST_GUILESS_MAIN(TestPattern)
#include "tst_pattern.moc"
