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
    qsizetype count = 0;
    qsizetype glyphBytes = 0;
    int width = 0;
    int height = 0;
    qsizetype glyphsAt = 0;
    bool utf8 = false;
};

quint32 at32(const QByteArray &data, int at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

RawPsf rawLayout(const QByteArray &data)
{
    if (data.startsWith("\x36\x04"))
        return {data[2] & 1 ? 512 : 256, quint8(data[3]), 8, quint8(data[3]), 4, false};
    return {at32(data, 16),      at32(data, 20), int(at32(data, 28)),
            int(at32(data, 24)), at32(data, 8),  true};
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

const QByteArray GoodBdf = "STARTFONT 2.1\n"
                           "COMMENT three glyphs for the tests\n"
                           "FONT -test-tiny\n"
                           "SIZE 8 75 75\n"
                           "FONTBOUNDINGBOX 6 9 0 -2\n"
                           "STARTPROPERTIES 2\n"
                           "CHARSET_REGISTRY \"ISO10646\"\n"
                           "CHARSET_ENCODING \"1\"\n"
                           "ENDPROPERTIES\n"
                           "CHARS 3\n"
                           "STARTCHAR A\nENCODING 65\nSWIDTH 500 0\nDWIDTH 6 0\nBBX 5 7 0 0\n"
                           "BITMAP\n20\n50\n88\nF8\n88\n88\n88\nENDCHAR\n"
                           "STARTCHAR g\nENCODING 103\nDWIDTH 6 0\nBBX 4 6 1 -2\n"
                           "BITMAP\n70\n90\n90\n70\n10\n60\nENDCHAR\n"
                           "STARTCHAR wide\nENCODING -1\nDWIDTH 10 0\nBBX 10 3 0 2\n"
                           "BITMAP\nFFC0\n8040\nffc0\nENDCHAR\n"
                           "ENDFONT\n";

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
    void columnBytes();
    void damagedPsf_data();
    void damagedPsf();
    void damagedBdf_data();
    void damagedBdf();
    void gunzipLimits();
    void fileLimits();
    void textGlyphs();
};

void TestFonts::psfGlyphs_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("character");
    QTest::newRow("PSF1 8x8 A") << "Lat15-VGA8.psf.gz"
                                << "A";
    QTest::newRow("PSF1 8x8 g") << "Lat15-VGA8.psf.gz"
                                << "g";
    QTest::newRow("PSF1 512 glyphs e-acute") << "Uni1-VGA8.psf.gz"
                                             << "é";
    QTest::newRow("PSF1 512 glyphs Cyrillic") << "Uni2-VGA8.psf.gz"
                                              << "Ж";
    QTest::newRow("PSF1 8x16 A") << "Lat2-Terminus16.psf.gz"
                                 << "A";
    QTest::newRow("PSF2 6 wide A") << "Uni2-Terminus12x6.psf.gz"
                                   << "A";
    QTest::newRow("PSF2 10 wide sharp s") << "Lat15-Terminus20x10.psf.gz"
                                          << "ß";
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

    QString expected;
    Protocol::ColumnPattern columns{};
    const int stride = (psf.width + 7) / 8;
    for (int y = 0; y < psf.height; ++y) {
        for (int x = 0; x < psf.width; ++x) {
            const auto byte =
                quint8(raw[psf.glyphsAt + index * psf.glyphBytes + y * stride + x / 8]);
            const bool on = byte & (0x80 >> (x % 8));
            expected += on ? u'#' : u'.';
            if (on && x < 8 && y < 8)
                columns[size_t(x)] |= Protocol::RowWeights[size_t(y)];
        }
        expected += u'/';
    }
    expected.chop(1);
    QCOMPARE(asText(glyph->bitmap), expected);

    // An 8x8 glyph goes to the module as it is, whichever way it is fitted.
    if (psf.width == 8 && psf.height == 8) {
        QCOMPARE(glyphPattern(font, *glyph, Fit::Scale), columns);
        QCOMPARE(glyphPattern(font, *glyph, Fit::Crop), columns);
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

void TestFonts::columnBytes()
{
    for (int x = 0; x < 8; ++x) {
        for (int y = 0; y < 8; ++y) {
            Bitmap dot(8, 8);
            dot.setDot(x, y, true);
            Protocol::ColumnPattern expected{};
            expected[size_t(x)] = Protocol::RowWeights[size_t(y)];
            QCOMPARE(columnPattern(dot), expected);
            QCOMPARE(bitmapFromPattern(expected), dot);
        }
    }
}

void TestFonts::damagedPsf_data()
{
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

    QTest::newRow("empty") << QByteArray() << "does not begin with a PSF magic number";
    QTest::newRow("bad magic") << withByte(psf1, 0, 0x37) << "does not begin with a PSF magic";
    QTest::newRow("header only") << psf1.left(4)
                                 << "promises 256 glyphs, but the file holds only 0";
    QTest::newRow("cut in the glyphs") << psf1.left(4 + 100 * 8 + 3) << "holds only 100";
    QTest::newRow("unknown mode") << withByte(psf1, 2, 0x08) << "unknown PSF1 mode 0x08";
    QTest::newRow("no rows") << withByte(psf1, 3, 0) << "0 dots high";
    QTest::newRow("cut in the table") << psf1.left(psf1Table + 11) << "table ends early";
    QTest::newRow("surrogate in the table")
        << withByte(withByte(psf1, psf1Table, 0), psf1Table + 1, char(0xD8)) << "no character";
    QTest::newRow("cut PSF2 header") << psf2.left(20) << "too short for a PSF2 header";
    QTest::newRow("PSF2 version 1") << with32(psf2, 4, 1) << "only version 0 is known";
    QTest::newRow("PSF2 header past the end")
        << with32(psf2, 8, quint32(psf2.size() + 1)) << "header claims to be";
    QTest::newRow("PSF2 count inflated") << with32(psf2, 16, 100000) << "promises 100000 glyphs";
    QTest::newRow("PSF2 count absurd") << with32(psf2, 16, 0xFFFFFFFF) << "at most 262144";
    QTest::newRow("PSF2 no glyphs") << with32(psf2, 16, 0) << "holds no glyphs";
    QTest::newRow("PSF2 sizes that overflow")
        << with32(with32(with32(psf2, 20, 0xFFFFFFFF), 24, 0xFFFFFFFF), 28, 0xFFFFFFFF)
        << "4294967295 by 4294967295 dots";
    QTest::newRow("PSF2 glyph bytes wrong") << with32(psf2, 20, 13) << "take 13 bytes each";
    QTest::newRow("PSF2 bad UTF-8") << withByte(psf2, psf2Table, char(0x80)) << "starts no UTF-8";
    QTest::newRow("gzip cut short") << gz.left(gz.size() / 2) << "the file is cut short";
    QTest::newRow("gzip damaged") << withByte(gz, gz.size() / 2, char(~gz[gz.size() / 2]))
                                  << "damaged compressed data";
    QTest::newRow("gzip magic only") << QByteArray("\x1F\x8B") << "the file is cut short";
    QTest::newRow("gzip and junk") << gz + "junk"
                                   << "data after the end";
    QTest::newRow("gzip of text") << packed("hello\n") << "does not begin with a PSF magic";
}

void TestFonts::damagedPsf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const FontReading reading = readPsf(bytes, QStringLiteral("broken.psf"));
    QVERIFY(!reading.font);
    QVERIFY2(reading.error.startsWith("broken.psf: "), qPrintable(reading.error));
    QVERIFY2(reading.error.contains(reason), qPrintable(reading.error));
}

void TestFonts::damagedBdf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no STARTFONT") << GoodBdf.mid(14) << "does not begin with STARTFONT";
    QTest::newRow("no FONTBOUNDINGBOX")
        << replaced("FONTBOUNDINGBOX 6 9 0 -2\n", "") << "no FONTBOUNDINGBOX";
    QTest::newRow("negative FONTBOUNDINGBOX")
        << replaced("FONTBOUNDINGBOX 6 9", "FONTBOUNDINGBOX -6 9") << "gives -6 by 9 dots";
    QTest::newRow("negative BBX") << replaced("BBX 5 7", "BBX 5 -7") << "negative size in its BBX";
    QTest::newRow("no BBX") << replaced("BBX 5 7 0 0\n", "") << "BITMAP before its BBX";
    QTest::newRow("BBX short of numbers")
        << replaced("BBX 5 7 0 0", "BBX 5 7") << "needs 4 numbers";
    QTest::newRow("BBX not a number") << replaced("BBX 5 7 0 0", "BBX 5 seven 0 0") << "\"seven\"";
    QTest::newRow("too few rows") << replaced("F8\n88\n88\n88\n", "F8\n88\n88\n")
                                  << "has 6 bitmap rows where its BBX gives 7";
    QTest::newRow("row not hex") << replaced("F8\n", "FX\n") << "not hex";
    QTest::newRow("row too short") << replaced("FFC0\n", "FF\n") << "of 2 hex digits";
    QTest::newRow("cut short") << GoodBdf.left(GoodBdf.indexOf("STARTCHAR g")) << "cut short";
    QTest::newRow("no ENDCHAR") << replaced("60\nENDCHAR\n", "60\n") << "has no ENDCHAR";
    QTest::newRow("CHARS disagrees") << replaced("CHARS 3", "CHARS 5") << "CHARS gives 5 glyphs";
    QTest::newRow("huge glyph") << replaced("BBX 5 7", "BBX 5000 7") << "5000 by 7 dots";
    QTest::newRow("far from the origin")
        << replaced("BBX 5 7 0 0", "BBX 5 7 0 -2147483648") << "more than 4096 dots away";
    QTest::newRow("glyphs too far apart")
        << replaced("BBX 5 7 0 0", "BBX 5 7 0 300") << "reach over";
    QTest::newRow("gzip cut short") << packed(GoodBdf).chopped(12) << "cut short";
}

void TestFonts::damagedBdf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const FontReading reading = readBdf(bytes, QStringLiteral("broken.bdf"));
    QVERIFY(!reading.font);
    QVERIFY2(reading.error.startsWith("broken.bdf: "), qPrintable(reading.error));
    QVERIFY2(reading.error.contains(reason), qPrintable(reading.error));
}

void TestFonts::gunzipLimits()
{
    QByteArray data;
    for (int i = 0; i < 1000; ++i)
        data += char(i * 7);
    const QByteArray gz = packed(data);
    QString reason;
    QCOMPARE(gunzip(gz, 1000, &reason), data);
    QCOMPARE(gunzip(gz, 999, &reason), std::nullopt);
    QVERIFY2(reason.contains("more than 999 bytes"), qPrintable(reason));
    QCOMPARE(gunzip(gz + packed("two"), 2000, &reason), data + "two");
}

void TestFonts::fileLimits()
{
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
    QCOMPARE(textGlyphPattern(family, 8, 50, U'A'), columnPattern(a));

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
    const Bitmap bold = textGlyph(family, 12, 1, U'W');
    const Bitmap normal = textGlyph(family, 12, 50, U'W');
    const Bitmap thin = textGlyph(family, 12, 100, U'W');
    QVERIFY(bold != thin);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            QVERIFY(!thin.dot(x, y) || normal.dot(x, y));
            QVERIFY(!normal.dot(x, y) || bold.dot(x, y));
        }
    }
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
