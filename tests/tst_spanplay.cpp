#include "connectionpool.h"
#include "spanframes.h"
#include "spanmodules.h"
#include "spanplayer.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <poll.h>
#include <unistd.h>

using namespace TestSupport;
using SpanFrames::frameOf;
using SpanFrames::numbered;

namespace {

// Whatever the far end of `pty` has now, without waiting.
QByteArray takeNow(const Pty &pty)
{
    QByteArray got;
    for (;;) {
        pollfd pfd{pty.masterFd(), POLLIN, 0};
        if (pty.masterFd() < 0 || poll(&pfd, 1, 0) <= 0 || !(pfd.revents & POLLIN))
            return got;
        char buffer[512];
        const ssize_t n = ::read(pty.masterFd(), buffer, sizeof buffer);
        if (n <= 0)
            return got;
        got.append(buffer, n);
    }
}

QStringList messages(const QByteArray &bytes)
{
    QStringList out;
    for (qsizetype i = 0; i + 9 <= bytes.size(); i += 9)
        out.append(Protocol::hexString(bytes.mid(i, 9)));
    return out;
}

Span spanOf(const QStringList &targets, const QList<Orientation> &orientations = {})
{
    Span span;
    span.name = QStringLiteral("Shelf");
    span.columns = int(targets.size());
    span.rows = 1;
    span.modules.clear();
    for (int i = 0; i < targets.size(); ++i)
        span.modules.append(SpanModule{targets.at(i), orientations.value(i), {}});
    span.picture = span.blankCanvas();
    return span;
}

} // namespace

// Spans on pseudo-terminals: one connection per module however it is named, each module's
// bytes at its far end, and a span that plays on while one of its modules is pulled out and
// plugged in again.
class TestSpanPlay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void oneConnectionPerModule();
    void sharedConnectionIsUsed();
    void targets_data();
    void targets();
    void slicesAtTheFarEnds();
    void identifyAtTheFarEnds();
    void playsOnWithOneModulePulledOut();
    void mainConnectionSwitchesWhilePlaying_data();
    void mainConnectionSwitchesWhilePlaying();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSpanPlay::initTestCase()
{
    useTemporarySettings();
}

void TestSpanPlay::init()
{
    clearSettings();
    mapAllPortsToMissing();
    m_dir = std::make_unique<QTemporaryDir>();
}

// COM1, the link it is mapped to and the pty behind the link are one module: one connection,
// closed only when the last user gives it back.
void TestSpanPlay::oneConnectionPerModule()
{
    Pty pty;
    const QString link = m_dir->filePath(QStringLiteral("module"));
    QVERIFY(QFile::link(pty.slavePath(), link));
    mapPort(1, link);
    ConnectionPool pool;
    ModuleConnection *byCom = pool.acquire(QStringLiteral("com1"));
    QVERIFY(byCom);
    QVERIFY(byCom->isOpen());
    QCOMPARE(byCom->portName(), QStringLiteral("COM1"));
    QCOMPARE(pool.acquire(link), byCom);
    QCOMPARE(pool.acquire(pty.slavePath()), byCom);
    QCOMPARE(pool.ownedCount(), 1);

    Pty other;
    ModuleConnection *second = pool.acquire(other.slavePath());
    QVERIFY(second && second != byCom && second->isOpen());
    QCOMPARE(pool.ownedCount(), 2);

    pool.release(byCom);
    pool.release(byCom);
    QVERIFY(byCom->isOpen());
    QVERIFY(byCom->sendLatest(Protocol::dotMatrix({0x10, 0, 0, 0, 0, 0, 0, 0})));
    QCOMPARE(pty.read(9), hex("FC 10 00 00 00 00 00 00 00"));
    QPointer<ModuleConnection> watched = byCom;
    pool.release(byCom);
    QCOMPARE(pool.ownedCount(), 1);
    QTRY_VERIFY(!watched);

    // A COM number that stands for nothing gives a connection that says so, tried again later.
    ModuleConnection *missing = pool.acquire(QStringLiteral("COM4"));
    QVERIFY(missing);
    QCOMPARE(missing->state(), ModuleConnection::State::NotAvailable);
    mapPort(4, pty.slavePath());
    QCOMPARE(pool.acquire(QStringLiteral("COM4")), missing);
    QVERIFY(missing->isOpen());
}

// A module the main window already holds is reached through the main window's connection; the
// pool never closes it.
void TestSpanPlay::sharedConnectionIsUsed()
{
    Pty pty;
    const QString link = m_dir->filePath(QStringLiteral("module"));
    QVERIFY(QFile::link(pty.slavePath(), link));
    mapPort(2, link);
    ModuleConnection main;
    main.setCommPort(2);
    QVERIFY(main.open());
    ConnectionPool pool;
    pool.share(&main);
    QCOMPARE(pool.acquire(QStringLiteral("COM2")), &main);
    QCOMPARE(pool.acquire(pty.slavePath()), &main);
    QCOMPARE(pool.ownedCount(), 0);
    pool.release(&main);
    QVERIFY(main.isOpen());

    // Once the main window has let it go, the pool opens it itself.
    main.close();
    ModuleConnection *own = pool.acquire(QStringLiteral("COM2"));
    QVERIFY(own && own != &main && own->isOpen());
    QCOMPARE(pool.ownedCount(), 1);
}

void TestSpanPlay::targets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("valid");
    QTest::newRow("COM3") << "COM3" << true;
    QTest::newRow("com6") << "com6" << true;
    QTest::newRow("COM7") << "COM7" << false;
    QTest::newRow("COM0") << "COM0" << false;
    QTest::newRow("device") << "/dev/ttyUSB0" << true;
    QTest::newRow("raw TCP") << "tcp://127.0.0.1:2000" << true;
    QTest::newRow("RFC 2217 without port") << "rfc2217://127.0.0.1" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSpanPlay::targets()
{
    QFETCH(QString, target);
    QFETCH(bool, valid);
    QString error;
    QCOMPARE(ConnectionPool::isValidTarget(target, &error), valid);
    QCOMPARE(error.isEmpty(), valid);
    ConnectionPool pool;
    QCOMPARE(pool.acquire(target) != nullptr, valid);
}

// Three modules, the second upside down and the third mirrored, each sent its part of an F in
// every place, so that all three read upright.
void TestSpanPlay::slicesAtTheFarEnds()
{
    Pty ptys[3];
    for (int i = 0; i < 3; ++i)
        mapPort(i + 1, ptys[i].slavePath());
    const Span span =
        spanOf({"COM1", "COM2", "COM3"},
               {Orientation{0, false}, Orientation{180, false}, Orientation{0, true}});
    const char *f[8] = {"######..", "#.......", "#.......", "####....",
                        "#.......", "#.......", "#.......", "......#."};
    Canvas canvas = span.blankCanvas();
    for (int module = 0; module < 3; ++module) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x)
                canvas.setDot(module * 8 + x, y, f[y][x] == '#');
        }
    }
    ConnectionPool pool;
    SpanModules modules(&pool);
    modules.attach(span);
    QCOMPARE(modules.openCount(), 3);
    QCOMPARE(modules.send(canvas, span), QList<int>());
    QCOMPARE(ptys[0].read(9), hex("FC F7 90 90 90 10 10 08 00"));
    QCOMPARE(ptys[1].read(9), hex("FC 00 10 08 08 09 09 09 EF"));
    QCOMPARE(ptys[2].read(9), hex("FC 00 08 10 10 90 90 90 F7"));
    modules.detach();
    QCOMPARE(pool.ownedCount(), 0);
}

// Identify sends each module its number as it is: the module decides nothing about orientation.
void TestSpanPlay::identifyAtTheFarEnds()
{
    Pty first;
    Pty second;
    mapPort(1, first.slavePath());
    const Span span = spanOf({"COM1", second.slavePath(), "COM5"},
                             {Orientation{0, false}, Orientation{270, true}});
    ConnectionPool pool;
    SpanModules modules(&pool);
    modules.attach(span);
    QCOMPARE(modules.identify(), QList<int>{2});
    // "1" and "2" under the arrow, the corner dot top left.
    QCOMPARE(first.read(9), hex("FC 10 00 29 BF 38 20 00 00"));
    QCOMPARE(second.read(9), hex("FC 10 00 AE BA BB 20 00 00"));
    QVERIFY(!modules.problem(2).isEmpty() || !modules.connection(2)->isOpen());
}

// A span of three on links that COM1..COM3 stand for. The second is pulled out while playing:
// the other two are sent every frame, in order; it is said out once, and back once it returns,
// and from then on it takes the frames in step again.
void TestSpanPlay::playsOnWithOneModulePulledOut()
{
    constexpr int Count = 60;
    constexpr int FrameMs = 30;
    std::unique_ptr<Pty> ptys[3];
    QStringList links;
    for (int i = 0; i < 3; ++i) {
        ptys[i] = std::make_unique<Pty>();
        links.append(m_dir->filePath(QStringLiteral("module%1").arg(i + 1)));
        QVERIFY(QFile::link(ptys[i]->slavePath(), links.at(i)));
        mapPort(i + 1, links.at(i));
    }
    const Span span = spanOf({"COM1", "COM2", "COM3"});
    QList<SpanFrame> frames;
    for (int k = 0; k < Count; ++k)
        frames.append({numbered(3, k), FrameMs});

    ConnectionPool pool;
    SpanModules modules(&pool);
    modules.attach(span);
    QCOMPARE(modules.openCount(), 3);
    SpanPlayer player;
    player.setSpan(span);
    player.setFrames(frames);
    player.setConnections(modules.connections());
    QSignalSpy out(&player, &SpanPlayer::moduleOut);
    QSignalSpy back(&player, &SpanPlayer::moduleBack);
    QByteArray received[3];
    QByteArray receivedBefore;
    player.start();
    bool pulled = false;
    bool returned = false;
    QElapsedTimer clock;
    clock.start();
    while (player.isPlaying() && clock.elapsed() < 10000) {
        QTest::qWait(5);
        for (int i = 0; i < 3; ++i)
            received[i] += takeNow(*ptys[i]);
        if (!pulled && player.framesDue() >= 15) {
            pulled = true;
            receivedBefore = received[1];
            ptys[1]->closeMaster();
            QFile::remove(links.at(1));
        }
        if (pulled && !returned && player.framesDue() >= 30) {
            returned = true;
            ptys[1] = std::make_unique<Pty>();
            QVERIFY(QFile::link(ptys[1]->slavePath(), links.at(1)));
            received[1].clear();
        }
    }
    QVERIFY(!player.isPlaying());
    QTest::qWait(50);
    for (int i = 0; i < 3; ++i)
        received[i] += takeNow(*ptys[i]);

    // The two that stayed: every frame, in order, each its own slice.
    for (int module : {0, 2}) {
        const QStringList sent = messages(received[module]);
        QCOMPARE(sent.size(), Count);
        for (int k = 0; k < Count; ++k)
            QCOMPARE(frameOf(sent.at(k), module), k);
    }
    // Frame 5 on module 3, written out: 5 is bits 0 and 2 of the top row, and module 3's mark
    // is in the bottom row of its third column.
    QCOMPARE(messages(received[2]).at(5), QStringLiteral("FC 10 00 18 00 00 00 00 00"));

    // The one pulled out: said once, back once; before it went, the frames from the start in
    // order; after its return, frames in order up to the last.
    QCOMPARE(out.size(), 1);
    QCOMPARE(out.at(0).at(0).toInt(), 1);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back.at(0).at(0).toInt(), 1);
    const QStringList before = messages(receivedBefore);
    QVERIFY(before.size() >= 10);
    for (int k = 0; k < before.size(); ++k)
        QCOMPARE(frameOf(before.at(k), 1), k);
    const QStringList after = messages(received[1]);
    QVERIFY2(after.size() >= 10, qPrintable(QString::number(after.size())));
    // The frame of the moment it came back, at the earliest.
    QVERIFY2(frameOf(after.first(), 1) >= 29, qPrintable(after.first()));
    for (int k = 1; k < after.size(); ++k)
        QCOMPARE(frameOf(after.at(k), 1), frameOf(after.at(k - 1), 1) + 1);
    QCOMPARE(frameOf(after.last(), 1), Count - 1);
    QVERIFY(player.counts(1).missed > 0);
    QCOMPARE(player.counts(0).missed, 0);
}

void TestSpanPlay::mainConnectionSwitchesWhilePlaying_data()
{
    QTest::addColumn<int>("to");
    // COM1 and COM2 are the span's modules, COM1 reached through the main connection.
    QTest::newRow("main turns to a module outside the span") << 3;
    QTest::newRow("main takes the span's other module") << 2;
}

// The main window's connection is shared with the pool. When it turns to another module while a
// span plays, each of the span's modules goes on getting its own slice, from one connection per
// module, and no other module gets any.
void TestSpanPlay::mainConnectionSwitchesWhilePlaying()
{
    QFETCH(int, to);
    constexpr int Count = 40;
    constexpr int FrameMs = 30;
    Pty ptys[3];
    for (int i = 0; i < 3; ++i)
        mapPort(i + 1, ptys[i].slavePath());
    ModuleConnection main;
    main.setCommPort(1);
    QVERIFY(main.open());
    ConnectionPool pool;
    pool.share(&main);
    const Span span = spanOf({"COM1", "COM2"});
    QList<SpanFrame> frames;
    for (int k = 0; k < Count; ++k)
        frames.append({numbered(2, k), FrameMs});
    SpanModules modules(&pool);
    modules.attach(span);
    QCOMPARE(modules.connection(0), &main);
    SpanPlayer player;
    player.setSpan(span);
    player.setFrames(frames);
    player.setConnections(modules.connections());
    connect(&modules, &SpanModules::connectionChanged, &player,
            [&](int index) { player.replaceConnection(index, modules.connection(index)); });
    QSignalSpy out(&player, &SpanPlayer::moduleOut);
    QByteArray received[3];
    player.start();
    bool switched = false;
    QElapsedTimer clock;
    clock.start();
    while (player.isPlaying() && clock.elapsed() < 10000) {
        QTest::qWait(5);
        for (int i = 0; i < 3; ++i)
            received[i] += takeNow(ptys[i]);
        if (!switched && player.framesDue() >= 15) {
            switched = true;
            main.setCommPort(to);
            QVERIFY2(main.open(), qPrintable(main.errorString()));
        }
    }
    QVERIFY(switched);
    QVERIFY(!player.isPlaying());
    // The main connection's own message goes to the module it turned to, after the span's.
    QVERIFY(main.send(Protocol::scroll(QStringLiteral("MAIN"))));
    QTest::qWait(50);
    for (int i = 0; i < 3; ++i)
        received[i] += takeNow(ptys[i]);
    const QByteArray mainMessage = Protocol::scroll(QStringLiteral("MAIN")).bytes();
    QVERIFY2(received[to - 1].endsWith(mainMessage), qPrintable(received[to - 1].toHex(' ')));
    received[to - 1].chop(mainMessage.size());

    // Both modules of the span: their own slices in order, up to the last frame; at most the
    // frames of the switch itself are missing.
    for (int module : {0, 1}) {
        const QStringList sent = messages(received[module]);
        QVERIFY2(sent.size() >= Count - 3, qPrintable(sent.join(u'\n')));
        for (int k = 0; k < sent.size(); ++k) {
            QVERIFY2(frameOf(sent.at(k), module) >= 0, qPrintable(sent.at(k)));
            if (k > 0)
                QVERIFY2(frameOf(sent.at(k), module) > frameOf(sent.at(k - 1), module),
                         qPrintable(sent.join(u'\n')));
        }
        QCOMPARE(frameOf(sent.last(), module), Count - 1);
    }
    if (to == 3)
        QVERIFY2(received[2].isEmpty(), qPrintable(received[2].toHex(' ')));
    QCOMPARE(out.size(), 0);
    QCOMPARE(pool.ownedCount(), to == 3 ? 2 : 1);
    modules.detach();
    QCOMPARE(pool.ownedCount(), 0);
    QVERIFY(main.isOpen());
}

QTEST_MAIN(TestSpanPlay)
#include "tst_spanplay.moc"
