#include "appsettings.h"
#include "linepacer.h"
#include "moduleconnection.h"
#include "networktransport.h"
#include "portholder.h"
#include "tcptransport.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace TestSupport;
using namespace std::chrono_literals;
using Time = LinePacer::Time;

namespace {

// A message handed over: its size, whether it ends by the idle gap, and when (ms from zero).
struct Sent
{
    int bytes;
    bool byGap;
    double atMs;
};

Time at(double ms)
{
    return Time(std::chrono::duration_cast<LinePacer::Duration>(
        std::chrono::duration<double, std::milli>(ms)));
}

double msOf(Time time)
{
    return std::chrono::duration<double, std::milli>(time.time_since_epoch()).count();
}

} // namespace

Q_DECLARE_METATYPE(QList<Sent>)

// The serial link's pacing, its settings in the store, and what a failed port tells the user.
class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(); }

    void pacing_data();
    void pacing();
    void textsNeverTouchOnThePty();
    void latestWinsReplacesTheWaitingPicture();
    void unsentCountsWhatTheFarSideHasNotAcknowledged();
    void storeFailureNamesFileAndReason_data();
    void storeFailureNamesFileAndReason();
    void failureDetail_data();
    void failureDetail();
    void portHolder_data();
    void portHolder();
};

void TestLink::pacing_data()
{
    QTest::addColumn<QList<Sent>>("sent");
    QTest::addColumn<double>("nowMs");
    QTest::addColumn<int>("driverQueued");
    QTest::addColumn<double>("expectedMs");
    // 9600 baud 8N1: 1.041667 ms a byte; a message of known length may be handed over one
    // byte time before the line is free, a text only after the line is free and 5 ms quiet.
    QTest::newRow("idle line: at once") << QList<Sent>{} << 3.0 << 0 << 3.0;
    QTest::newRow("after a pattern") << QList<Sent>{{9, false, 0}} << 1.0 << 0 << 8 * 1.041667;
    QTest::newRow("after a text: line time and gap")
        << QList<Sent>{{6, true, 0}} << 1.0 << 0 << 6 * 1.041667 + 5;
    QTest::newRow("after a text, long since") << QList<Sent>{{6, true, 0}} << 50.0 << 0 << 50.0;
    QTest::newRow("handed over early: counted from the line, not the hand-over")
        << QList<Sent>{{9, false, 0}, {9, false, 8.0}} << 9.0 << 0 << 17 * 1.041667;
    QTest::newRow("driver still holds bytes after a text")
        << QList<Sent>{{3, true, 0}} << 2.0 << 10 << 2 + 10 * 1.041667 + 5;
    QTest::newRow("driver holds bytes after a pattern")
        << QList<Sent>{{9, false, 0}} << 1.0 << 20 << 1 + 19 * 1.041667;
}

void TestLink::pacing()
{
    QFETCH(QList<Sent>, sent);
    QFETCH(double, nowMs);
    QFETCH(int, driverQueued);
    QFETCH(double, expectedMs);
    LinePacer pacer;
    for (const Sent &message : sent)
        pacer.sent(at(message.atMs), message.bytes, message.byGap);
    QVERIFY2(qAbs(msOf(pacer.nextStart(at(nowMs), driverQueued)) - expectedMs) < 0.001,
             qPrintable(QString::number(msOf(pacer.nextStart(at(nowMs), driverQueued)))));
}

void TestLink::textsNeverTouchOnThePty()
{
    // Two texts handed over at once reach the far end as two bursts, the second only after the
    // first's line time and the idle gap, as the module needs to tell them apart.
    Pty pty;
    ModuleConnection link;
    QVERIFY(link.setSettings(QStringLiteral("9600,n,8,1")));
    QVERIFY(link.openDevice(pty.slavePath()));
    const QByteArray first = hex("FD 48 45 4C 4C 4F");
    const QByteArray second = hex("FB 48 49");
    QElapsedTimer clock;
    clock.start();
    QVERIFY(link.send(first, ModuleConnection::MessageEnd::ByIdleGap));
    QVERIFY(link.send(second, ModuleConnection::MessageEnd::ByIdleGap));
    QCOMPARE(link.queuedMessages(), 1);
    QCOMPARE(pty.read(int(first.size()), 1000), first);
    const double firstMs = double(clock.nsecsElapsed()) / 1e6;
    QCOMPARE(pty.read(int(second.size()), 1000), second);
    const double secondMs = double(clock.nsecsElapsed()) / 1e6;
    QVERIFY2(secondMs >= 6 * 1.0416 + 5,
             qPrintable(QStringLiteral("second text read %1 ms after the first, %2 ms after both "
                                       "were handed over")
                            .arg(secondMs - firstMs)
                            .arg(secondMs)));
}

void TestLink::storeFailureNamesFileAndReason_data()
{
    QTest::addColumn<bool>("folderIsAFile");
    QTest::addColumn<QString>("reason");
    // Where the settings folder should be, there is a plain file.
    QTest::newRow("folder cannot be made") << true << "Not a directory";
    // Where the settings file should be, there is a folder.
    QTest::newRow("file cannot be written") << false << "Is a directory";
}

void TestLink::storeFailureNamesFileAndReason()
{
    QFETCH(bool, folderIsAFile);
    QFETCH(QString, reason);
    // QSettings takes its folder from the environment once a run, so the blocker goes in the
    // test's own settings folder and is taken away again.
    const QString file = AppSettings::fileName();
    const QString folder = QFileInfo(file).absolutePath();
    QVERIFY(QDir(folder).removeRecursively());
    const QString blocker = folderIsAFile ? folder : file;
    if (folderIsAFile) {
        QFile plain(blocker);
        QVERIFY(plain.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(blocker));
    }
    const auto failure = AppSettings::storeCommPort(2);
    QVERIFY(folderIsAFile ? QFile::remove(blocker) : QDir(folder).removeRecursively());
    QVERIFY(failure);
    QCOMPARE(failure->fileName, file);
    QCOMPARE(failure->reason, reason);
    QVERIFY(!AppSettings::storeCommPort(2));
}

void TestLink::failureDetail_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("says");
    using F = LinkFailure;
    const QString system = QStringLiteral("COM3 is /dev/ttyUSB7.\nThe system says: Why.");
    QTest::newRow("no such device")
        << int(F::NotFound) << "Why" << system << QStringList{"plugged in", "COM3"};
    QTest::newRow("permission denied")
        << int(F::PermissionDenied) << "Why" << system << QStringList{"dialout"};
    QTest::newRow("not a serial device")
        << int(F::NotSerial) << "Why" << system << QStringList{"not a serial"};
    QTest::newRow("gone while open") << int(F::Lost) << "Why" << system << QStringList{"went away"};
    // A held port names its holder in the same words everywhere, with no "system says" line.
    QTest::newRow("held by a program found out")
        << int(F::InUse) << "another program holds the port: minicom (process 4711)"
        << "COM3 is /dev/ttyUSB7.\nAnother program holds the port: minicom (process 4711). Close it"
        << QStringList{};
    QTest::newRow("held by a program not found out")
        << int(F::InUse) << QString()
        << "COM3 is /dev/ttyUSB7.\nAnother program holds the port. Close" << QStringList{};
}

void TestLink::failureDetail()
{
    QFETCH(int, failure);
    QFETCH(QString, reason);
    QFETCH(QString, start);
    QFETCH(QStringList, says);
    const QString detail =
        portFailureDetail(3, QStringLiteral("/dev/ttyUSB7"), LinkFailure(failure), reason);
    QVERIFY2(detail.startsWith(start), qPrintable(detail));
    for (const QString &word : says)
        QVERIFY2(detail.contains(word), qPrintable(detail));
    QVERIFY(portFailureDetail(4, std::nullopt, LinkFailure::NotFound, QString())
                .startsWith(QStringLiteral("COM4 stands for no device")));
}

// Who holds a device, from a lock file in any of the traditional forms or from the processes'
// open files, in a folder laid out as /var/lock and /proc are.
void TestLink::portHolder_data()
{
    QTest::addColumn<QByteArray>("lockFile"); // empty: none
    QTest::addColumn<bool>("openByProcess");  // the process has the device among its fds
    QTest::addColumn<QString>("expected");    // empty: nobody found
    QTest::addColumn<bool>("throughLink");    // the port is named by a link to the device
    QTest::addColumn<bool>("lockOfLink");     // the lock file is named after the link
    QTest::newRow("Qt lock file") << QByteArray("4711\nminicom\nhost\n") << false
                                  << "minicom (process 4711)" << false << false;
    QTest::newRow("uucp text lock file")
        << QByteArray("      4711\n") << false << "minicom (process 4711)" << false << false;
    QTest::newRow("binary lock file")
        << QByteArray("\x67\x12\x00\x00", 4) << false << "minicom (process 4711)" << false << false;
    QTest::newRow("stale lock file, nobody has it")
        << QByteArray("99999\n") << false << "" << false << false;
    QTest::newRow("stale lock file, a process has it open")
        << QByteArray("99999\n") << true << "minicom (process 4711)" << false << false;
    QTest::newRow("no lock file, a process has it open")
        << QByteArray() << true << "minicom (process 4711)" << false << false;
    QTest::newRow("nothing at all") << QByteArray() << false << "" << false << false;
    // Qt Serial Port names its lock after the path it opened, a link included; another process
    // with the device open (the far end's own program, say) is not the holder then.
    QTest::newRow("Qt lock named after the link") << QByteArray("4711\nglyphsmith\nhost\n") << false
                                                  << "minicom (process 4711)" << true << true;
    QTest::newRow("lock named after the device, port named by a link")
        << QByteArray("4711\n") << false << "minicom (process 4711)" << true << false;
}

void TestLink::portHolder()
{
    QFETCH(QByteArray, lockFile);
    QFETCH(bool, openByProcess);
    QFETCH(QString, expected);
    QFETCH(bool, throughLink);
    QFETCH(bool, lockOfLink);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString locks = root.filePath(QStringLiteral("lock"));
    const QString proc = root.filePath(QStringLiteral("proc"));
    const QString device = root.filePath(QStringLiteral("ttyUSB3"));
    QVERIFY(QDir().mkpath(locks));
    QVERIFY(QDir().mkpath(proc + QStringLiteral("/4711/fd")));
    QFile comm(proc + QStringLiteral("/4711/comm"));
    QVERIFY(comm.open(QIODevice::WriteOnly));
    comm.write("minicom\n");
    comm.close();
    QFile node(device);
    QVERIFY(node.open(QIODevice::WriteOnly));
    node.close();
    const QString link = root.filePath(QStringLiteral("module"));
    QVERIFY(QFile::link(device, link));
    // Lock files are named after the device's path below /dev, or its whole path otherwise.
    QString lockName = lockOfLink ? link : QFileInfo(device).canonicalFilePath();
    lockName.replace(u'/', u'_');
    if (!lockFile.isEmpty()) {
        QFile lock(locks + QStringLiteral("/LCK..") + lockName);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(lockFile);
    }
    if (openByProcess)
        QVERIFY(QFile::link(device, proc + QStringLiteral("/4711/fd/3")));
    if (throughLink) {
        // Another process has the device open, as the far end's program holds a pty: the lock
        // names the holder all the same.
        QVERIFY(QDir().mkpath(proc + QStringLiteral("/4000/fd")));
        QFile otherComm(proc + QStringLiteral("/4000/comm"));
        QVERIFY(otherComm.open(QIODevice::WriteOnly));
        otherComm.write("glyphsmith-sim\n");
        QVERIFY(QFile::link(device, proc + QStringLiteral("/4000/fd/5")));
    }
    const auto holder = PortHolder::find(throughLink ? link : device, {locks}, proc);
    QCOMPARE(holder ? holder->describe() : QString(), expected);
}

// Pictures handed over faster than a 9600-baud line carries them: each takes the place of the
// one still waiting, so the far end sees the first (on an idle line, at once) and the last,
// nothing between them.
void TestLink::latestWinsReplacesTheWaitingPicture()
{
    Pty pty;
    ModuleConnection link;
    QVERIFY(link.setSettings(QStringLiteral("9600,n,8,1")));
    link.setReconnecting(false);
    QVERIFY(link.openDevice(pty.slavePath()));
    int replaced = 0;
    for (quint8 n = 1; n <= 10; ++n) {
        bool wasReplaced = false;
        QVERIFY(link.sendLatest(Protocol::dotMatrix({n, 0, 0, 0, 0, 0, 0, n}), &wasReplaced));
        replaced += wasReplaced;
    }
    QCOMPARE(replaced, 8);
    QCOMPARE(link.queuedMessages(), 1);
    QCOMPARE(pty.read(18, 2000), hex("FC 01 00 00 00 00 00 00 01 FC 0A 00 00 00 00 00 00 0A"));
    QCOMPARE(pty.readAll(100), QByteArray());
}

// A far side that reads nothing and keeps its receive window shut: what the system sent it but
// it has not acknowledged counts as not sent, or a connection closed now would lose it.
void TestLink::unsentCountsWhatTheFarSideHasNotAcknowledged()
{
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    QVERIFY(listener >= 0);
    const int small = 4096;
    ::setsockopt(listener, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QVERIFY(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
    socklen_t length = sizeof address;
    QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) == 0);
    QVERIFY(::listen(listener, 1) == 0);

    const auto endpoint =
        Endpoint::parse(QStringLiteral("tcp://127.0.0.1:%1").arg(ntohs(address.sin_port)));
    QVERIFY(endpoint);
    TcpTransport transport(*endpoint);
    QVERIFY(transport.open());
    // The transport connects from the event loop: the connection is taken as it comes.
    int accepted = -1;
    QVERIFY(QTest::qWaitFor([&] {
        accepted = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK);
        return accepted >= 0;
    }));
    QTRY_VERIFY(transport.isOpen());
    // Well below the sender's own buffer, so that all of it is handed to the system at once.
    QVERIFY(transport.write(QByteArray(64 * 1024, 'x')));
    QTRY_VERIFY(transport.unsent() > 32 * 1024);
    // Once the far side reads, its acknowledgements bring the count down to nothing.
    char buffer[8192];
    QTRY_VERIFY_WITH_TIMEOUT(
        (::recv(accepted, buffer, sizeof buffer, MSG_DONTWAIT), transport.unsent() == 0), 5000);
    ::close(accepted);
    ::close(listener);
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
