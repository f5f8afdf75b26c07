#include "animatedpicture.h"
#include "frameplayer.h"
#include "frameschedule.h"
#include "testsupport.h"
#include "textframes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;
using Time = FrameSchedule::Time;
using Columns = Protocol::ColumnPattern;

namespace {

Time at(int ms)
{
    return Time(std::chrono::milliseconds(ms));
}

Frame frame(quint8 firstColumn, int durationMs)
{
    return {{firstColumn, 0, 0, 0, 0, 0, 0, 0}, durationMs};
}

bool litAt(const Frame &frame, int row, int column)
{
    return frame.pattern[size_t(column)] & Protocol::RowWeights[size_t(row)];
}

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
    void gifRoundTrip();
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
    FramePlayer player;
    QList<Frame> frames;
    for (int i = 0; i < 20; ++i)
        frames.append(frame(quint8(i), 10));
    player.setFrames(frames);
    player.setSend([&](const Protocol::ColumnPattern &pattern, bool *replaced) {
        drain();
        *replaced = waiting.has_value();
        waiting = pattern;
        if (lineFreeMs <= nowMs)
            lineFreeMs = nowMs;
        drain();
        return true;
    });
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

void TestFrames::gifRoundTrip()
{
    // Written through giflib, read back through Qt: the same dots, the same times.
    const QList<Frame> frames = {{{0x10, 0xFF, 0, 0x08, 0, 0xF0, 0x0F, 0x81}, 100},
                                 {{0, 0, 0, 0, 0, 0, 0, 0}, 50},
                                 {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 230}};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dots.gif"));
    QString error;
    QVERIFY2(AnimatedPicture::writeGif(path, frames, 4, &error), qPrintable(error));
    const auto picture = AnimatedPicture::read(path, &error);
    QVERIFY2(picture, qPrintable(error));
    QCOMPARE(AnimatedPicture::toFrames(*picture, PatternImage::DefaultThreshold, false), frames);
}

void TestFrames::damagedGif_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no picture") << QByteArray("GIF89a but nothing else");
    QTest::newRow("header of a huge picture")
        << TestSupport::hex("47 49 46 38 39 61 20 4E 20 4E 00 00 00 2C 00 00 00 00 20 4E 20 "
                            "4E 00 02 02 44 01 00 3B");
}

void TestFrames::damagedGif()
{
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.gif"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QString error;
    QVERIFY(!AnimatedPicture::read(path, &error));
    QVERIFY2(error.startsWith(QStringLiteral("broken.gif: ")) && error.size() > 12,
             qPrintable(error));
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
    QCOMPARE(frames.first().pattern, Protocol::ColumnPattern{});
    QCOMPARE(frames.last().pattern, Protocol::ColumnPattern{});
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
    QCOMPARE(frames.last().pattern, Columns{});
    QVERIFY(TextFrames::scroll(QString(), options).isEmpty());
}

QTEST_MAIN(TestFrames)
#include "tst_frames.moc"
