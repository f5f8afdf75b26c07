#include "bitmapfont.h"
#include "fit.h"
#include "gzip.h"
#include "textglyph.h"

#include <QFile>
#include <QFontMetricsF>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Fonts;

namespace {

// The weight of a dot in its column's byte, top row first, as the module's documentation gives
// it; written out here so that a wrong table in the program cannot pass the tests.
constexpr std::array<quint8, 8> WeightFromTop = {0x10, 0x20, 0x40, 0x80, 0x01, 0x02, 0x04, 0x08};

const QString ConsoleFonts = QStringLiteral("/usr/share/consolefonts/");

// The gzip program, so that the tests do not unpack with the code they check.
QByteArray runGzip(const QStringList &arguments, const QByteArray &input)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), arguments);
    gzip.write(input);
    gzip.closeWriteChannel();
    gzip.waitForFinished(-1);
    return gzip.readAllStandardOutput();
}
QByteArray unpackedFont(const QString &name)
{
    return runGzip({QStringLiteral("-dc"), ConsoleFonts + name}, {});
}
QByteArray packed(const QByteArray &bytes)
{
    return runGzip({QStringLiteral("-c")}, bytes);
}

// A PSF header read by offset.
struct RawPsf
{
    qsizetype count, glyphBytes;
    int width, height;
    qsizetype glyphsAt;
    bool utf8;
};

RawPsf rawLayout(const QByteArray &data)
{
    const auto at32 = [&](int at) { return qFromLittleEndian<quint32>(data.constData() + at); };
    if (data.startsWith("\x36\x04"))
        return {data[2] & 1 ? 512 : 256, quint8(data[3]), 8, quint8(data[3]), 4, false};
    return {at32(16), at32(20), int(at32(28)), int(at32(24)), at32(8), true};
}

// The glyph whose entry in the character table lists the character on its own.
qsizetype rawIndexOf(const QByteArray &data, const RawPsf &psf, char32_t character)
{
    qsizetype at = psf.glyphsAt + psf.count * psf.glyphBytes;
    for (qsizetype index = 0; index < psf.count; ++index) {
        QList<uint> singles;
        if (psf.utf8) {
            const qsizetype end = data.indexOf('\xFF', at);
            const QByteArray entry = data.mid(at, end - at);
            singles = QString::fromUtf8(entry.split('\xFE').constFirst()).toUcs4();
            at = end + 1;
        } else {
            bool sequences = false;
            for (;; at += 2) {
                const uint unit = quint8(data[at]) | quint8(data[at + 1]) << 8;
                if (unit == 0xFFFF)
                    break;
                sequences = sequences || unit == 0xFFFE;
                if (!sequences)
                    singles.append(unit);
            }
            at += 2;
        }
        if (singles.contains(character))
            return index;
    }
    return -1;
}

// Rows of '#' and '.' separated by '/'.
Bitmap fromText(const QString &text)
{
    const QStringList rows = text.split(u'/');
    Bitmap bitmap(int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x)
            bitmap.setDot(x, y, rows[y][x] == u'#');
    }
    return bitmap;
}
QString asText(const Bitmap &bitmap)
{
    return dotText(bitmap).replace(u'\n', u'/');
}

QByteArray withByte(QByteArray bytes, qsizetype at, char value)
{
    bytes[at] = value;
    return bytes;
}
QByteArray with32(QByteArray bytes, int at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

const QByteArray GoodBdf =
    "STARTFONT 2.1\nCOMMENT three glyphs for the tests\nFONT -test-tiny\nSIZE 8 75 75\n"
    "FONTBOUNDINGBOX 6 9 0 -2\nSTARTPROPERTIES 2\nCHARSET_REGISTRY \"ISO10646\"\n"
    "CHARSET_ENCODING \"1\"\nENDPROPERTIES\nCHARS 3\n"
    "STARTCHAR A\nENCODING 65\nSWIDTH 500 0\nDWIDTH 6 0\nBBX 5 7 0 0\n"
    "BITMAP\n20\n50\n88\nF8\n88\n88\n88\nENDCHAR\n"
    "STARTCHAR g\nENCODING 103\nDWIDTH 6 0\nBBX 4 6 1 -2\n"
    "BITMAP\n70\n90\n90\n70\n10\n60\nENDCHAR\n"
    "STARTCHAR wide\nENCODING -1\nDWIDTH 10 0\nBBX 10 3 0 2\n"
    "BITMAP\nFFC0\n8040\nffc0\nENDCHAR\nENDFONT\n";

QByteArray replaced(const char *before, const char *after)
{
    QByteArray bytes = GoodBdf;
    return bytes.replace(before, after);
}

} // namespace

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void psfGlyphs_data();
    void psfGlyphs();
    void bdfGlyphs();
    void fit_data();
    void fit();
    void damagedFonts_data();
    void damagedFonts();
    void limits();
    void textGlyphs();
};

void TestFonts::psfGlyphs_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("character");
    const auto row = [](const char *name, const char *file, const char *character) {
        QTest::newRow(name) << QString(file) << QString::fromUtf8(character);
    };
    row("PSF1 8x8 A", "Lat15-VGA8.psf.gz", "A");
    row("PSF1 8x8 g", "Lat15-VGA8.psf.gz", "g");
    row("PSF1 512 glyphs e-acute", "Uni1-VGA8.psf.gz", "é");
    row("PSF1 512 glyphs Cyrillic", "Uni2-VGA8.psf.gz", "Ж");
    row("PSF1 8x16 A", "Lat2-Terminus16.psf.gz", "A");
    row("PSF2 6 wide A", "Uni2-Terminus12x6.psf.gz", "A");
    row("PSF2 10 wide sharp s", "Lat15-Terminus20x10.psf.gz", "ß");
}

void TestFonts::psfGlyphs()
{
    QFETCH(QString, file);
    QFETCH(QString, character);
    const char32_t code = character.toUcs4().constFirst();
    const QByteArray raw = unpackedFont(file);
    const RawPsf psf = rawLayout(raw);

    const FontReading reading = readFontFile(ConsoleFonts + file);
    QVERIFY2(reading.font, qPrintable(reading.error));
    const BitmapFont &font = *reading.font;
    QCOMPARE(font.glyphs.size(), psf.count);
    QCOMPARE(font.width, psf.width);
    QCOMPARE(font.height, psf.height);

    const qsizetype index = rawIndexOf(raw, psf, code);
    QVERIFY(index >= 0);
    const Glyph *glyph = font.glyphFor(code);
    QVERIFY(glyph);
    QCOMPARE(glyph - font.glyphs.constData(), index);

    const qsizetype at = psf.glyphsAt + index * psf.glyphBytes;
    QCOMPARE(glyph->bitmap.rows(), raw.mid(at, psf.glyphBytes));

    // An 8x8 glyph goes to the module as it is, whichever way it is fitted.
    if (psf.width == 8 && psf.height == 8) {
        Protocol::ColumnPattern columns{};
        for (int x = 0; x < 8; ++x) {
            for (int y = 0; y < 8; ++y) {
                if (quint8(raw[at + y]) & (0x80 >> x))
                    columns[size_t(x)] |= WeightFromTop[size_t(y)];
            }
        }
        QCOMPARE(glyphPattern(font, *glyph, Fit::Scale).columns(), columns);
        QCOMPARE(glyphPattern(font, *glyph, Fit::Crop).columns(), columns);
        QCOMPARE(bitmapFromPattern(Pattern::fromColumns(columns)), glyph->bitmap);
    }
}

void TestFonts::bdfGlyphs()
{
    const FontReading reading = readBdf(GoodBdf, QStringLiteral("tiny.bdf"));
    QVERIFY2(reading.font, qPrintable(reading.error));
    const BitmapFont &font = *reading.font;
    QCOMPARE(font.glyphs.size(), 3);
    QCOMPARE(font.height, 9);
    QCOMPARE(font.ascent, 7);
    QCOMPARE(font.width, 10);

    QCOMPARE(font.glyphFor(U'A'), &font.glyphs[0]);
    QCOMPARE(font.glyphFor(U'g'), &font.glyphs[1]);
    QCOMPARE(font.glyphs[2].code, -1);
    QVERIFY(font.glyphs[2].characters.isEmpty());

    QCOMPARE(asText(font.glyphs[0].bitmap),
             "..#.../.#.#../#...#./#####./#...#./#...#./#...#./....../......");
    QCOMPARE(asText(font.glyphs[1].bitmap),
             "....../....../....../..###./.#..#./.#..#./..###./....#./..##..");
    QCOMPARE(asText(font.glyphs[2].bitmap), "........../........../##########/"
                                            "#........#/##########/........../"
                                            "........../........../..........");

    QCOMPARE(asText(fitGlyph(font.glyphs[0].bitmap, font.ascent, font.body, Fit::Crop)),
             "...#..../..#.#.../.#...#../.#####../.#...#../.#...#../.#...#../........");
    QCOMPARE(asText(fitGlyph(font.glyphs[2].bitmap, font.ascent, font.body, Fit::Crop)),
             "......../......../########/......../########/......../......../........");

    const FontReading fromGzip = readFont(packed(GoodBdf), QStringLiteral("tiny.bdf.gz"));
    QVERIFY2(fromGzip.font, qPrintable(fromGzip.error));
    for (qsizetype i = 0; i < font.glyphs.size(); ++i)
        QCOMPARE(fromGzip.font->glyphs[i].bitmap, font.glyphs[i].bitmap);
}

void TestFonts::fit_data()
{
    QTest::addColumn<QString>("glyph");
    QTest::addColumn<int>("ascent");
    QTest::addColumn<int>("fit");
    QTest::addColumn<QString>("expected");

    const int scale = int(Fit::Scale);
    const int crop = int(Fit::Crop);
    const QString narrow = QString("#....#/").repeated(8).chopped(1);
    const QString narrowCentred = QString(".#....#./").repeated(8).chopped(1);
    QTest::newRow("narrow glyph centred, cropped") << narrow << 7 << crop << narrowCentred;
    QTest::newRow("narrow glyph centred, scaled") << narrow << 7 << scale << narrowCentred;
    QTest::newRow("low glyph keeps its baseline")
        << "########/#......#/#......#/#......#/########" << 5 << crop
        << "......../......../########/#......#/#......#/#......#/########/........";

    // Row r has its dot in column r % 8, so the rows kept can be told apart.
    QString diagonal;
    for (int row = 0; row < 16; ++row)
        diagonal += QString(8, u'.').replace(row % 8, 1, u'#') + u'/';
    diagonal.chop(1);
    QTest::newRow("high glyph: seven rows above the baseline, one below")
        << diagonal << 12 << crop
        << ".....#../......#./.......#/#......./.#....../..#...../...#..../....#...";
    QTest::newRow("high glyph whose ink fits is kept whole")
        << "......../##..##../##..##../######../##..##../##..##../##..##../" +
               QString("......../").repeated(9).chopped(1)
        << 12 << crop << "##..##../##..##../######../##..##../##..##../##..##../......../........";
    QTest::newRow("wide glyph centred on its ink")
        << QString(".........#..#.../").repeated(8).chopped(1) << 7 << crop
        << QString("..#..#../").repeated(8).chopped(1);

    QString checker;
    for (int row = 0; row < 16; ++row)
        checker += QString(row % 4 < 2 ? "##.." : "..##").repeated(4) + u'/';
    checker.chop(1);
    QTest::newRow("scaled by half")
        << checker << 16 << scale << QString("#.#.#.#./.#.#.#.#/").repeated(4).chopped(1);
    const QString empty16 = QString(16, u'.');
    QTest::newRow("a line one dot thin survives scaling")
        << (empty16 + u'/').repeated(9) + QString(16, u'#') + (u'/' + empty16).repeated(6) << 16
        << scale << "......../......../......../......../########/......../......../........";
    QTest::newRow("a quarter of a dot is not enough")
        << u'#' + QString(15, u'.') + (u'/' + empty16).repeated(15) << 16 << scale
        << QString("......../").repeated(8).chopped(1);
    // 10 rows above the baseline and 2 below shrink onto 6 and 2, not evenly onto 8.
    QTest::newRow("the baseline falls between two rows when scaled")
        << QString("......../").repeated(9) + "########/......../########" << 10 << scale
        << "......../......../......../......../......../########/########/........";
}

void TestFonts::fit()
{
    QFETCH(QString, glyph);
    QFETCH(int, ascent);
    QFETCH(int, fit);
    QFETCH(QString, expected);
    const Bitmap bitmap = fromText(glyph);
    const QRect cell(0, 0, bitmap.width(), bitmap.height());
    QCOMPARE(asText(fitGlyph(bitmap, ascent, cell, Fit(fit))), expected);
}

void TestFonts::damagedFonts_data()
{
    QTest::addColumn<bool>("bdf");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray psf1 = unpackedFont(QStringLiteral("Lat15-VGA8.psf.gz"));
    const QByteArray psf2 = unpackedFont(QStringLiteral("Uni2-Terminus12x6.psf.gz"));
    const QByteArray gz = [] {
        QFile file(ConsoleFonts + "Lat15-VGA8.psf.gz");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const int psf1Table = 4 + 256 * 8;
    const int psf2Table = 32 + 512 * 12;
    const auto psf = [](const char *name, const QByteArray &bytes, const char *reason) {
        QTest::newRow(name) << false << bytes << QString(reason);
    };
    const auto bdf = [](const char *name, const QByteArray &bytes, const char *reason) {
        QTest::newRow(name) << true << bytes << QString(reason);
    };

    psf("empty", QByteArray(), "does not begin with a PSF magic number");
    psf("bad magic", withByte(psf1, 0, 0x37), "does not begin with a PSF magic");
    psf("header only", psf1.left(4), "promises 256 glyphs, but the file holds only 0");
    psf("cut in the glyphs", psf1.left(4 + 100 * 8 + 3), "holds only 100");
    psf("unknown mode", withByte(psf1, 2, 0x08), "unknown PSF1 mode 0x08");
    psf("no rows", withByte(psf1, 3, 0), "0 dots high");
    psf("cut in the table", psf1.left(psf1Table + 11), "table ends early");
    psf("surrogate in the table", with32(psf1, psf1Table, 0xFFFFD800), "no character");
    psf("cut PSF2 header", psf2.left(20), "too short for a PSF2 header");
    psf("PSF2 version 1", with32(psf2, 4, 1), "only version 0 is known");
    psf("PSF2 header past the end", with32(psf2, 8, psf2.size() + 1), "header claims to be");
    psf("PSF2 count inflated", with32(psf2, 16, 100000), "promises 100000 glyphs");
    psf("PSF2 count absurd", with32(psf2, 16, 0xFFFFFFFF), "at most 262144");
    psf("PSF2 no glyphs", with32(psf2, 16, 0), "holds no glyphs");
    psf("PSF2 sizes that overflow", with32(with32(psf2, 24, ~0u), 28, ~0u), "4294967295 by");
    psf("PSF2 glyph bytes wrong", with32(psf2, 20, 13), "take 13 bytes each");
    psf("PSF2 bad UTF-8", withByte(psf2, psf2Table, char(0x80)), "starts no UTF-8");
    psf("gzip cut short", gz.left(gz.size() / 2), "the file is cut short");
    psf("gzip checksum wrong", withByte(gz, gz.size() - 8, ~gz[gz.size() - 8]), "damaged");
    psf("gzip magic only", QByteArray("\x1F\x8B"), "the file is cut short");
    psf("gzip and junk", gz + "junk", "data after the end");
    psf("gzip of text", packed("hello\n"), "does not begin with a PSF magic");
    bdf("no STARTFONT", GoodBdf.mid(14), "does not begin with STARTFONT");
    bdf("no FONTBOUNDINGBOX", replaced("FONTBOUNDINGBOX 6 9 0 -2\n", ""), "no FONTBOUNDINGBOX");
    bdf("negative FONTBOUNDINGBOX", replaced("BOX 6 9", "BOX -6 9"), "gives -6 by 9 dots");
    bdf("negative BBX", replaced("BBX 5 7", "BBX 5 -7"), "negative size in its BBX");
    bdf("no BBX", replaced("BBX 5 7 0 0\n", ""), "BITMAP before its BBX");
    bdf("BBX short of numbers", replaced("BBX 5 7 0 0", "BBX 5 7"), "needs 4 numbers");
    bdf("BBX not a number", replaced("BBX 5 7 0 0", "BBX 5 seven 0 0"), "\"seven\"");
    bdf("too few rows", replaced("F8\n88\n88\n88\n", "F8\n88\n88\n"), "has 6 bitmap rows");
    bdf("row not hex", replaced("F8\n", "FX\n"), "not hex");
    bdf("row too short", replaced("FFC0\n", "FF\n"), "of 2 hex digits");
    bdf("cut short", GoodBdf.left(GoodBdf.indexOf("STARTCHAR g")), "cut short");
    bdf("no ENDCHAR", replaced("60\nENDCHAR\n", "60\n"), "has no ENDCHAR");
    bdf("CHARS disagrees", replaced("CHARS 3", "CHARS 5"), "CHARS gives 5 glyphs");
    bdf("huge glyph", replaced("BBX 5 7", "BBX 5000 7"), "5000 by 7 dots");
    bdf("far from the origin", replaced("7 0 0", "7 0 -2147483648"), "more than 4096 dots away");
    bdf("glyphs too far apart", replaced("BBX 5 7 0 0", "BBX 5 7 0 300"), "reach over");
    bdf("gzip cut short", packed(GoodBdf).chopped(12), "cut short");
}

void TestFonts::damagedFonts()
{
    QFETCH(bool, bdf);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString name = bdf ? QStringLiteral("broken.bdf") : QStringLiteral("broken.psf");
    const FontReading reading = bdf ? readBdf(bytes, name) : readPsf(bytes, name);
    QVERIFY(!reading.font);
    QVERIFY2(reading.error.startsWith(name + ": "), qPrintable(reading.error));
    QVERIFY2(reading.error.contains(reason), qPrintable(reading.error));
}

void TestFonts::limits()
{
    const QByteArray data = QByteArray("glyph ").repeated(200);
    const QByteArray gz = packed(data);
    QString reason;
    QCOMPARE(gunzip(gz, 1200, &reason), data);
    QCOMPARE(gunzip(gz, 1199, &reason), std::nullopt);
    QVERIFY2(reason.contains("more than 1199 bytes"), qPrintable(reason));
    QCOMPARE(gunzip(gz + packed("two"), 1203, &reason), data + "two");

    QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("huge.psf"));
    QFile file(huge);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(MaxFileBytes + 1));
    file.close();
    FontReading reading = readFontFile(huge);
    QVERIFY(!reading.font);
    QCOMPARE(reading.error, huge + ": the file is larger than 32 MiB");

    reading = readFontFile(dir.filePath(QStringLiteral("missing.psf")));
    QVERIFY(!reading.font);
    QVERIFY2(reading.error.startsWith(dir.filePath("missing.psf") + ": "),
             qPrintable(reading.error));
}

void TestFonts::textGlyphs()
{
    const QString family = QStringLiteral("DejaVu Sans");
    const Bitmap a = textGlyph(family, 8, 50, U'A');
    QCOMPARE(textGlyph(family, 8, 50, U'A'), a);
    QCOMPARE(textGlyphPattern(family, 8, 50, U'A'), bitmapPattern(a));

    // The baseline lies above the bottom row; a descender reaches below it.
    QCOMPARE(a.inkRect().bottom(), 6);
    QCOMPARE(textGlyph(family, 8, 50, U'g').inkRect().bottom(), 7);
    const QRect ink = a.inkRect();
    QVERIFY2(qAbs(ink.left() - (7 - ink.right())) <= 1, qPrintable(asText(a)));
    QVERIFY(textGlyph(family, 8, 50, U' ').inkRect().isEmpty());

    // The size is dots to the em: a capital stands as high as the font's cap height.
    QFont font(family);
    font.setPixelSize(10 * TextOversampling);
    const qreal capHeight = QFontMetricsF(font).capHeight() / TextOversampling;
    const int height = textGlyph(family, 10, 50, U'H').inkRect().height();
    QVERIFY2(qAbs(height - capHeight) <= 1, qPrintable(QString::number(capHeight)));

    // A higher threshold keeps a subset of the dots.
    const auto bold = textGlyphPattern(family, 12, 1, U'W');
    const auto normal = textGlyphPattern(family, 12, 50, U'W');
    const auto thin = textGlyphPattern(family, 12, 100, U'W');
    QVERIFY(bold != thin);
    QCOMPARE(thin.bits() & normal.bits(), thin.bits());
    QCOMPARE(normal.bits() & bold.bits(), normal.bits());
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
