#include "animatedpicture.h"
#include "frameplayer.h"
#include "frameschedule.h"
#include "testsupport.h"
#include "textframes.h"

#include <QFile>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

#include <gif_lib.h>

using namespace std::chrono_literals;
using Time = FrameSchedule::Time;
using Columns = Protocol::ColumnPattern;

namespace {

// The weight of a dot in its column's byte, top row first, as the module's documentation gives
// it; written out here so that a wrong table in the program cannot pass the tests.
constexpr std::array<quint8, 8> WeightFromTop = {0x10, 0x20, 0x40, 0x80, 0x01, 0x02, 0x04, 0x08};

Time at(int ms)
{
    return Time(std::chrono::milliseconds(ms));
}

Frame framed(const Protocol::ColumnPattern &columns, int durationMs)
{
    return {Pattern::fromColumns(columns), durationMs};
}

Frame frame(quint8 firstColumn, int durationMs)
{
    return framed({firstColumn, 0, 0, 0, 0, 0, 0, 0}, durationMs);
}

bool litAt(const Frame &frame, int row, int column)
{
    return frame.pattern.columns()[size_t(column)] & WeightFromTop[size_t(row)];
}

// Eight rows of '#' (lit) and '.' (dark), top first.
Columns art(const QStringList &rows)
{
    Columns columns{};
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows.at(y).size(); ++x) {
            if (rows.at(y).at(x) == u'#')
                columns[size_t(x)] |= WeightFromTop[size_t(y)];
        }
    }
    return columns;
}

const QStringList Diagonal = {"#.......", ".#......", "..#.....", "...#....",
                              "....#...", ".....#..", "......#.", ".......#"};
const QStringList Bar = {"........", "........", "........", "########",
                         "########", "........", "........", "........"};
const QStringList Corner = {".......#", "........", "........", "........",
                            "........", "........", "........", "........"};
const QStringList Lit = QStringList(8, QStringLiteral("########"));
const QStringList Dark = QStringList(8, QStringLiteral("........"));

// One frame of a GIF made for a test: its area on an 8 x 8 picture, its dots ('#' black, '.'
// white, ' ' the transparent colour), and its graphic control block.
struct GifFrame
{
    QRect area;
    QStringList rows;
    int delay = 0; // hundredths of a second
    int disposal = DISPOSAL_UNSPECIFIED;
    bool transparent = false;
    bool interlaced = false;
    bool control = true;
};

int appendTo(GifFileType *gif, const GifByteType *bytes, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

// The GIF written with giflib, as other programs write them: no knowledge of how this program
// reads it.
QByteArray gifFile(const QList<GifFrame> &frames)
{
    constexpr int Transparent = 2;
    QByteArray bytes;
    int status = 0;
    GifFileType *gif = EGifOpen(&bytes, appendTo, &status);
    GifColorType colours[4] = {{255, 255, 255}, {0, 0, 0}, {255, 255, 255}, {255, 0, 0}};
    ColorMapObject *map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, 8, 8, 2, 0, map);
    for (const GifFrame &frame : frames) {
        if (frame.control) {
            GraphicsControlBlock control{frame.disposal, false, frame.delay,
                                         frame.transparent ? Transparent : NO_TRANSPARENT_COLOR};
            GifByteType extension[4];
            EGifGCBToExtension(&control, extension);
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
        }
        const QRect area = frame.area;
        EGifPutImageDesc(gif, area.x(), area.y(), area.width(), area.height(), frame.interlaced,
                         nullptr);
        QList<int> order;
        if (frame.interlaced) {
            for (const auto &[start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
                for (int y = start; y < area.height(); y += step)
                    order.append(y);
        } else {
            for (int y = 0; y < area.height(); ++y)
                order.append(y);
        }
        for (int y : order) {
            QList<GifPixelType> line;
            for (QChar dot : frame.rows.at(y))
                line.append(dot == u'#' ? 1 : dot == u' ' ? Transparent : 0);
            EGifPutLine(gif, line.data(), area.width());
        }
    }
    EGifCloseFile(gif, &status);
    GifFreeMapObject(map);
    return bytes;
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString dataFile(const char *name)
{
    return qEnvironmentVariable("GLYPHSMITH_SOURCE_DIR") + QStringLiteral("/tests/data/") +
           QLatin1String(name);
}

// Four frames as the program's Export GIF writes them, 32 pixels to a dot.
QByteArray programGif()
{
    const QList<Frame> frames = {framed(art(Diagonal), 500), framed(art(Bar), 250),
                                 framed(art(Corner), 10), framed(art(Lit), 100)};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("four.gif"));
    QString error;
    if (!AnimatedPicture::writeGif(path, frames, 32, &error))
        qFatal("%s", qPrintable(error));
    return fileContents(path);
}

// The player with a line of the test's own in place of a connection.
class LinePlayer : public FramePlayer
{
public:
    std::function<bool(const Protocol::ColumnPattern &, bool *)> line;

protected:
    bool handOver(const Pattern &pattern, bool *replaced) override
    {
        return line(pattern.columns(), replaced);
    }
    bool sendsToModule() const override { return true; }
};

} // namespace

// Animations: when frames are due, what the player hands to the line, GIF and text frames.
class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void schedule_data();
    void schedule();
    void latestWinsOnASlowLine();
    void lateTickPassesFramesOver();
    void playsFramesAsTheyAreNow_data();
    void playsFramesAsTheyAreNow();
    void gifRoundTrip_data();
    void gifRoundTrip();
    void gifFramesAsShown_data();
    void gifFramesAsShown();
    void damagedGif_data();
    void damagedGif();
    void textScrollsOneDotAFrame_data();
    void textScrollsOneDotAFrame();
    void textTooLongIsRefused_data();
    void textTooLongIsRefused();
};

void TestFrames::schedule_data()
{
    QTest::addColumn<bool>("loop");
    QTest::addColumn<int>("nowMs");
    QTest::addColumn<int>("step"); // -1: the run is over
    QTest::addColumn<int>("nextMs");
    // Frames of 100, 50 and 250 ms.
    QTest::newRow("start") << false << 0 << 0 << 100;
    QTest::newRow("second frame") << false << 100 << 1 << 150;
    QTest::newRow("within the third") << false << 399 << 2 << 400;
    QTest::newRow("single run over") << false << 400 << -1 << 0;
    QTest::newRow("looping: second run") << true << 400 << 3 << 500;
    QTest::newRow("looping: tenth run, third frame") << true << 9 * 400 + 151 << 29 << 4000;
}

void TestFrames::schedule()
{
    QFETCH(bool, loop);
    QFETCH(int, nowMs);
    QFETCH(int, step);
    QFETCH(int, nextMs);
    const FrameSchedule schedule({100, 50, 250}, loop);
    const auto position = schedule.at(at(0), at(nowMs));
    QCOMPARE(position.has_value(), step >= 0);
    if (!position)
        return;
    QCOMPARE(position->step, step);
    QCOMPARE(position->frame, step % 3);
    QCOMPARE(position->nextAt, at(nextMs));
}

void TestFrames::latestWinsOnASlowLine()
{
    // A line that takes 25 ms for a message, and frames every 10 ms: a frame handed while one
    // waits replaces it, so there is never more than one waiting, and every frame is counted.
    constexpr int LineMs = 25;
    int lineFreeMs = 0;
    std::optional<Protocol::ColumnPattern> waiting;
    QList<Protocol::ColumnPattern> onTheLine;
    int nowMs = 0;
    const auto drain = [&] {
        while (waiting && lineFreeMs <= nowMs) {
            onTheLine.append(*waiting);
            waiting.reset();
            lineFreeMs += LineMs;
        }
    };
    LinePlayer player;
    QList<Frame> frames;
    for (int i = 0; i < 20; ++i)
        frames.append(frame(quint8(i), 10));
    player.setFrames(frames);
    player.line = [&](const Protocol::ColumnPattern &pattern, bool *replaced) {
        drain();
        *replaced = waiting.has_value();
        waiting = pattern;
        if (lineFreeMs <= nowMs)
            lineFreeMs = nowMs;
        drain();
        return true;
    };
    player.startAt(at(0));
    std::optional<Time> next = at(0);
    while (next) {
        nowMs = int(std::chrono::duration_cast<std::chrono::milliseconds>(next->time_since_epoch())
                        .count());
        drain();
        next = player.tick(*next);
    }
    nowMs += 1000;
    drain();
    QVERIFY(!player.isPlaying());
    QCOMPARE(player.shown() + player.skipped(), 20);
    QCOMPARE(player.shown(), onTheLine.size());
    QVERIFY(player.skipped() > 0);
    // In order, and the module ends on the last frame.
    for (qsizetype i = 1; i < onTheLine.size(); ++i)
        QVERIFY(onTheLine[i][0] > onTheLine[i - 1][0]);
    QCOMPARE(onTheLine.last()[0], quint8(19));
}

void TestFrames::lateTickPassesFramesOver()
{
    FramePlayer player;
    player.setFrames({frame(1, 10), frame(2, 10), frame(3, 10), frame(4, 10), frame(5, 10)});
    QList<int> due;
    connect(&player, &FramePlayer::frameDue, this, [&due](int index) { due.append(index); });
    player.startAt(at(0));
    QCOMPARE(player.tick(at(0)), std::optional<Time>(at(10)));
    QCOMPARE(player.tick(at(35)), std::optional<Time>(at(40))); // 10 and 20 ms went by unseen
    QCOMPARE(due, (QList<int>{0, 3}));
    QCOMPARE(player.skipped(), 2);
    QCOMPARE(player.tick(at(50)), std::nullopt);
    QVERIFY(!player.isPlaying());
}

void TestFrames::playsFramesAsTheyAreNow_data()
{
    QTest::addColumn<QList<Frame>>("before");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<int>("editAtMs");
    QTest::addColumn<QList<Frame>>("after");
    QTest::addColumn<QList<int>>("ticksMs");
    QTest::addColumn<QList<int>>("sent"); // first byte handed over at each tick; -1: nothing
    QTest::addColumn<bool>("playing");    // after the last tick
    const QList<Frame> three = {frame(1, 100), frame(2, 100), frame(3, 100)};
    QTest::newRow("dots changed: each frame as it is at its next turn")
        << QList<Frame>{frame(1, 100), frame(2, 100)} << true << 50
        << QList<Frame>{frame(0x11, 100), frame(0x22, 100)} << QList<int>{0, 50, 100, 200, 300}
        << QList<int>{1, -1, 0x22, 0x11, 0x22} << true;
    QTest::newRow("time of the frame on show shortened") // frame 2 has shown since 100
        << three << false << 150 << QList<Frame>{frame(1, 100), frame(2, 20), frame(3, 100)}
        << QList<int>{0, 100, 150, 160, 230} << QList<int>{1, 2, 3, -1, -1} << false;
    QTest::newRow("a frame added after the one on show")
        << QList<Frame>{frame(1, 100), frame(2, 100)} << false << 50
        << QList<Frame>{frame(1, 100), frame(9, 50), frame(2, 100)}
        << QList<int>{0, 50, 100, 150, 250} << QList<int>{1, -1, 9, 2, -1} << false;
    QTest::newRow("fewer frames than the place of the one on show")
        << three << true << 250 << QList<Frame>{frame(1, 100)} << QList<int>{0, 100, 200, 250, 300}
        << QList<int>{1, 2, 3, -1, 1} << true;
    QTest::newRow("no frames left: it stops")
        << three << true << 50 << QList<Frame>{} << QList<int>{0, 50, 100} << QList<int>{1, -1, -1}
        << false;
}

void TestFrames::playsFramesAsTheyAreNow()
{
    QFETCH(QList<Frame>, before);
    QFETCH(bool, loop);
    QFETCH(int, editAtMs);
    QFETCH(QList<Frame>, after);
    QFETCH(QList<int>, ticksMs);
    QFETCH(QList<int>, sent);
    QFETCH(bool, playing);
    LinePlayer player;
    player.setFrames(before);
    player.setLoop(loop);
    int handed = -1;
    player.line = [&handed](const Protocol::ColumnPattern &pattern, bool *replaced) {
        handed = pattern[0];
        *replaced = false;
        return true;
    };
    player.startAt(at(0));
    bool edited = false;
    QList<int> got;
    for (int ms : ticksMs) {
        if (!edited && ms >= editAtMs) {
            player.updateFrames(after);
            edited = true;
        }
        handed = -1;
        player.tick(at(ms));
        got.append(handed);
    }
    QCOMPARE(got, sent);
    QCOMPARE(player.isPlaying(), playing);
}

void TestFrames::gifRoundTrip_data()
{
    QTest::addColumn<QList<Frame>>("frames");
    QTest::newRow("assorted times")
        << QList<Frame>{framed({0x10, 0xFF, 0, 0x08, 0, 0xF0, 0x0F, 0x81}, 100),
                        framed({0, 0, 0, 0, 0, 0, 0, 0}, 50),
                        framed({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 230)};
    QTest::newRow("500 and 250 ms")
        << QList<Frame>{framed(art(Diagonal), 500), framed(art(Bar), 250)};
    QTest::newRow("10 ms frames, the shortest")
        << QList<Frame>{framed(art(Diagonal), 10), framed(art(Bar), 10), framed(art(Corner), 10)};
    QTest::newRow("a minute") << QList<Frame>{framed(art(Corner), 60000), framed(art(Bar), 20)};
}

void TestFrames::gifRoundTrip()
{
    // Written and read back through giflib: the same dots, the same times.
    QFETCH(QList<Frame>, frames);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dots.gif"));
    QString error;
    QVERIFY2(AnimatedPicture::writeGif(path, frames, 4, &error), qPrintable(error));
    const auto picture = AnimatedPicture::read(path, &error);
    QVERIFY2(picture, qPrintable(error));
    QCOMPARE(AnimatedPicture::toFrames(*picture, PatternImage::DefaultThreshold, false), frames);
}

void TestFrames::gifFramesAsShown_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<Columns>>("patterns");
    QTest::addColumn<QList<int>>("delaysMs");    // as the file gives them
    QTest::addColumn<QList<int>>("durationsMs"); // as they are kept
    const QRect all(0, 0, 8, 8);
    const QRect topLeft(0, 0, 4, 4);
    const QStringList square = QStringList(4, QStringLiteral("####"));
    const QStringList hole = QStringList(4, QStringLiteral("...."));
    QTest::newRow("delays of 50, 20 and 30 hundredths")
        << gifFile({{all, Diagonal, 50}, {all, Bar, 20}, {all, Corner, 30}})
        << QList<Columns>{art(Diagonal), art(Bar), art(Corner)} << QList<int>{500, 200, 300}
        << QList<int>{500, 200, 300};
    QTest::newRow("delays of 0 and 1: 100 ms as browsers, 10 ms as written")
        << gifFile({{all, Diagonal, 0}, {all, Bar, 1}}) << QList<Columns>{art(Diagonal), art(Bar)}
        << QList<int>{0, 10} << QList<int>{100, 10};
    QTest::newRow("no graphic control block")
        << gifFile({{all, Diagonal, 0, DISPOSAL_UNSPECIFIED, false, false, false}})
        << QList<Columns>{art(Diagonal)} << QList<int>{0} << QList<int>{100};
    QTest::newRow("a frame over part of the picture")
        << gifFile({{all, Diagonal, 10}, {QRect(2, 2, 4, 4), square, 10}})
        << QList<Columns>{art(Diagonal), art({"#.......", ".#......", "..####..", "..####..",
                                              "..####..", "..####..", "......#.", ".......#"})}
        << QList<int>{100, 100} << QList<int>{100, 100};
    QTest::newRow("transparent dots show the frame below")
        << gifFile({{all, Lit, 10},
                    {all,
                     {"        ", "        ", "        ", "        ", "........", "........",
                      "........", "........"},
                     10,
                     DISPOSAL_UNSPECIFIED,
                     true}})
        << QList<Columns>{art(Lit), art({"########", "########", "########", "########", "........",
                                         "........", "........", "........"})}
        << QList<int>{100, 100} << QList<int>{100, 100};
    QTest::newRow("disposal to the background clears the frame's area")
        << gifFile({{all, Lit, 10},
                    {topLeft, hole, 10, DISPOSE_BACKGROUND},
                    {QRect(6, 6, 2, 2), {"..", ".."}, 10}})
        << QList<Columns>{art(Lit),
                          art({"....####", "....####", "....####", "....####", "########",
                               "########", "########", "########"}),
                          art({"....####", "....####", "....####", "....####", "########",
                               "########", "######..", "######.."})}
        << QList<int>{100, 100, 100} << QList<int>{100, 100, 100};
    QTest::newRow("disposal to the previous picture puts it back")
        << gifFile({{all, Lit, 10},
                    {topLeft, hole, 10, DISPOSE_PREVIOUS},
                    {QRect(6, 6, 2, 2), {"..", ".."}, 10}})
        << QList<Columns>{art(Lit),
                          art({"....####", "....####", "....####", "....####", "########",
                               "########", "########", "########"}),
                          art({"########", "########", "########", "########", "########",
                               "########", "######..", "######.."})}
        << QList<int>{100, 100, 100} << QList<int>{100, 100, 100};
    QTest::newRow("interlaced rows")
        << gifFile({{all,
                     {"#.......", "##......", "###.....", "####....", "#####...", "######..",
                      "#######.", "########"},
                     20,
                     DISPOSAL_UNSPECIFIED,
                     false,
                     true}})
        << QList<Columns>{art({"#.......", "##......", "###.....", "####....", "#####...",
                               "######..", "#######.", "########"})}
        << QList<int>{200} << QList<int>{200};
    // Made with ImageMagick 6.9: convert -delay 50 a.png -delay 20 b.png -delay 30 c.png
    // -loop 0 (a the diagonal, b the bar, c the corner, 8 x 8 pixels, black on white).
    QTest::newRow("ImageMagick: delays of 50, 20 and 30")
        << fileContents(dataFile("imagemagick-delays-50-20-30.gif"))
        << QList<Columns>{art(Diagonal), art(Bar), art(Corner)} << QList<int>{500, 200, 300}
        << QList<int>{500, 200, 300};
    // The same with -layers Optimize: the third frame covers only the rows that change.
    QTest::newRow("ImageMagick: optimized frames")
        << fileContents(dataFile("imagemagick-optimized.gif"))
        << QList<Columns>{art(Diagonal), art(Bar), art(Corner)} << QList<int>{500, 200, 300}
        << QList<int>{500, 200, 300};
    // convert -delay 0 a.png -delay 1 b.png -delay 2 c.png -loop 0
    QTest::newRow("ImageMagick: delays of 0, 1 and 2")
        << fileContents(dataFile("imagemagick-delays-0-1-2.gif"))
        << QList<Columns>{art(Diagonal), art(Bar), art(Corner)} << QList<int>{0, 10, 20}
        << QList<int>{100, 10, 20};
}

void TestFrames::gifFramesAsShown()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<Columns>, patterns);
    QFETCH(QList<int>, delaysMs);
    QFETCH(QList<int>, durationsMs);
    QVERIFY(!content.isEmpty());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("made.gif"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QString error;
    const auto picture = AnimatedPicture::read(path, &error);
    QVERIFY2(picture, qPrintable(error));
    QVERIFY(picture->gif);
    QCOMPARE(picture->delaysMs, delaysMs);
    const QList<Frame> frames = AnimatedPicture::toFrames(*picture, 128, false);
    QList<Columns> gotPatterns;
    QList<int> gotDurations;
    for (const Frame &frame : frames) {
        gotPatterns.append(frame.pattern.columns());
        gotDurations.append(frame.durationMs);
    }
    QCOMPARE(gotPatterns, patterns);
    QCOMPARE(gotDurations, durationsMs);
}

void TestFrames::damagedGif_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason"); // part of the message; empty: any
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("no picture") << QByteArray("GIF89a but nothing else") << QString();
    QTest::newRow("header of a huge picture")
        << TestSupport::hex("47 49 46 38 39 61 20 4E 20 4E 00 00 00 2C 00 00 00 00 20 4E 20 "
                            "4E 00 02 02 44 01 00 3B")
        << "at most 16 million pixels";
    QTest::newRow("a frame larger than the picture allows")
        << TestSupport::hex("47 49 46 38 39 61 08 00 08 00 00 00 00 2C 00 00 00 00 20 4E 20 "
                            "4E 00 02 02 44 01 00 3B")
        << "at most 16 million pixels";

    // A real GIF, cut at several places and damaged throughout.
    const QByteArray four = programGif();
    QVERIFY(four.size() > 1200);
    for (int length :
         {10, 100, 800, int(four.size()) / 2, int(four.size()) - 40, int(four.size()) - 1}) {
        QTest::addRow("four frames cut to %d of %d bytes", length, int(four.size()))
            << four.left(length) << (length == four.size() - 1 ? "after frame 4" : "cut short");
    }
    const QByteArray made = fileContents(dataFile("imagemagick-optimized.gif"));
    for (int length : {13, 50, 120, int(made.size()) - 1})
        QTest::addRow("ImageMagick's cut to %d of %d bytes", length, int(made.size()))
            << made.left(length) << "cut short";
    for (int every : {7, 23, 101}) {
        QByteArray flipped = four;
        for (qsizetype i = 13; i < flipped.size(); i += every)
            flipped[i] = char(~flipped.at(i));
        QTest::addRow("four frames, one byte in %d flipped", every) << flipped << "damaged";
    }
}

void TestFrames::damagedGif()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.gif"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QString error;
    const auto picture = AnimatedPicture::read(path, &error);
    QVERIFY2(!picture, qPrintable(QStringLiteral("read %1 frames").arg(picture->frames.size())));
    QVERIFY2(error.startsWith(QStringLiteral("broken.gif: ")) && error.size() > 12,
             qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestFrames::textScrollsOneDotAFrame_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("left") << int(TextFrames::Direction::Left);
    QTest::newRow("right") << int(TextFrames::Direction::Right);
    QTest::newRow("up") << int(TextFrames::Direction::Up);
    QTest::newRow("down") << int(TextFrames::Direction::Down);
}

void TestFrames::textScrollsOneDotAFrame()
{
    QFETCH(int, direction);
    TextFrames::Options options;
    options.font = QFont(QStringLiteral("DejaVu Sans Mono"));
    options.font.setPixelSize(9);
    options.direction = TextFrames::Direction(direction);
    options.frameMs = 40;
    const QList<Frame> frames = TextFrames::scroll(QStringLiteral("HI"), options);
    const QImage strip = TextFrames::strip(QStringLiteral("HI"), options);
    const bool vertical = direction >= int(TextFrames::Direction::Up);
    QCOMPARE(frames.size(), (vertical ? strip.height() : strip.width()) + 9);
    QCOMPARE(frames.first().pattern.columns(), Columns{});
    QCOMPARE(frames.last().pattern.columns(), Columns{});
    int lit = 0;
    for (qsizetype k = 0; k + 1 < frames.size(); ++k) {
        QCOMPARE(frames[k].durationMs, 40);
        // What frame k shows at one place, frame k + 1 shows one dot further along.
        for (int a = 0; a < 8; ++a) {
            for (int b = 0; b < 7; ++b) {
                const int shift = (direction == int(TextFrames::Direction::Right) ||
                                   direction == int(TextFrames::Direction::Down))
                                      ? -1
                                      : 1;
                const int from = shift > 0 ? b + 1 : b;
                const int to = shift > 0 ? b : b + 1;
                const bool before =
                    vertical ? litAt(frames[k], from, a) : litAt(frames[k], a, from);
                const bool after =
                    vertical ? litAt(frames[k + 1], to, a) : litAt(frames[k + 1], a, to);
                QCOMPARE(after, before);
                lit += before;
            }
        }
    }
    QVERIFY(lit > 0);
}

void TestFrames::textTooLongIsRefused_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("fitting"); // -1: measured, as the font has it
    // Up and down take eight dots a character and nine frames more: 1,248 characters fit.
    QTest::newRow("left, 3,000 characters") << int(TextFrames::Direction::Left) << 3000 << -1;
    QTest::newRow("up, 2,000 characters") << int(TextFrames::Direction::Up) << 2000 << 1248;
    QTest::newRow("down, 1,249 characters") << int(TextFrames::Direction::Down) << 1249 << 1248;
}

void TestFrames::textTooLongIsRefused()
{
    QFETCH(int, direction);
    QFETCH(int, length);
    QFETCH(int, fitting);
    TextFrames::Options options;
    options.font = QFont(QStringLiteral("DejaVu Sans"));
    options.font.setPixelSize(9);
    options.direction = TextFrames::Direction(direction);
    const QString text = QStringLiteral("Lorem ipsum dolor sit amet ").repeated(200).left(length);
    QVERIFY(TextFrames::frameCount(text, options) > Frames::MaxFrames);
    QVERIFY(TextFrames::scroll(text, options).isEmpty());
    const qsizetype fits = TextFrames::fittingLength(text, options);
    if (fitting >= 0)
        QCOMPARE(fits, fitting);
    QVERIFY(TextFrames::frameCount(text.left(fits), options) <= Frames::MaxFrames);
    QVERIFY(TextFrames::frameCount(text.left(fits + 1), options) > Frames::MaxFrames);
    // What fits is made whole, as many frames as were counted, ending dark.
    const QList<Frame> frames = TextFrames::scroll(text.left(fits), options);
    QCOMPARE(frames.size(), TextFrames::frameCount(text.left(fits), options));
    QCOMPARE(frames.last().pattern.columns(), Columns{});
    QVERIFY(TextFrames::scroll(QString(), options).isEmpty());
}

QTEST_MAIN(TestFrames)
#include "tst_frames.moc"
