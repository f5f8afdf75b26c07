#include "bankdocument.h"
#include "bankuploader.h"
#include "characterbank.h"
#include "moduleconnection.h"
#include "testsupport.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {

// The module's bytes for a slot's test pattern.
Protocol::ColumnPattern columnsFor(int position)
{
    return {quint8(0x10 + position), 0xFF, 0, 0, 0, 0, quint8(position), 0x81};
}

Pattern patternFor(int position)
{
    return Pattern::fromColumns(columnsFor(position));
}

} // namespace

// The custom characters the program keeps per device, and their upload to the module.
class TestBank : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(); }
    void marksAndMemoryPerDevice();
    void changesGoToTheirDevice();
    void uploadAllThroughTheSimulator();
    void cancelStopsBetweenSlots();
};

void TestBank::marksAndMemoryPerDevice()
{
    CharacterBank bank;
    QCOMPARE(bank.slot(3).mark(), CharacterBank::Mark::NeverUploaded);
    bank.setPattern(3, patternFor(3));
    bank.markUploaded(3, patternFor(3));
    QCOMPARE(bank.slot(3).mark(), CharacterBank::Mark::Uploaded);
    bank.setPattern(3, patternFor(4));
    QCOMPARE(bank.slot(3).mark(), CharacterBank::Mark::Changed);
    QCOMPARE(bank.pendingPositions(), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

    // Each device keeps its own, across restarts; another device knows nothing yet.
    QVERIFY(bank.save(QStringLiteral("/dev/serial/by-id/usb-FTDI_A-if00-port0")));
    QCOMPARE(CharacterBank::load(QStringLiteral("/dev/serial/by-id/usb-FTDI_A-if00-port0")), bank);
    QCOMPARE(CharacterBank::load(QStringLiteral("tcp://127.0.0.1:2000")), CharacterBank());
}

void TestBank::changesGoToTheirDevice()
{
    const QString first = QStringLiteral("/dev/ttyUSB7");
    const QString second = QStringLiteral("/dev/ttyACM7");
    BankDocument document;
    QSignalSpy changed(&document, &BankDocument::changed);
    document.setDevice(first);
    document.setPatterns(first, {{2, patternFor(2)}, {7, patternFor(7)}});
    document.markUploaded(2, patternFor(2));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(CharacterBank::load(first), document.bank());

    // An undo after the port moved on changes the first device's bank, not the one shown.
    document.setDevice(second);
    QCOMPARE(document.bank(), CharacterBank());
    changed.clear();
    document.setPatterns(first, {{7, Pattern()}});
    QCOMPARE(changed.count(), 0);
    QCOMPARE(document.bank(), CharacterBank());
    document.setDevice(first);
    QCOMPARE(document.bank().slot(7).pattern, Pattern());
    QCOMPARE(document.bank().slot(2).mark(), CharacterBank::Mark::Uploaded);
}

void TestBank::uploadAllThroughTheSimulator()
{
    // For each slot, in order: the pattern, then the store of what is shown at that position.
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("module"));
    const QString log = folder.filePath(QStringLiteral("log"));
    QProcess sim;
    sim.start(qEnvironmentVariable("GLYPHSMITH_SIM"),
              {"--headless", "--baud", "9600", "--link", link, "--log", log, "--state",
               folder.filePath(QStringLiteral("state"))});
    QVERIFY(sim.waitForReadyRead(5000));
    ModuleConnection port;
    QVERIFY(port.setSettings(QStringLiteral("9600,n,8,1")));
    QVERIFY(port.openDevice(link));
    BankUploader uploader(port);
    QSignalSpy uploaded(&uploader, &BankUploader::slotUploaded);
    QSignalSpy finished(&uploader, &BankUploader::finished);
    QList<BankUploader::Item> items;
    QStringList expected;
    for (int position = 0; position < CharacterBank::Slots; ++position) {
        items.append({position, patternFor(position)});
        expected << Protocol::hexString(Protocol::dotMatrix(columnsFor(position)).bytes())
                 << Protocol::hexString(Protocol::saveCustom(position).bytes());
    }
    QVERIFY(uploader.start(items));
    QVERIFY(!uploader.start(items)); // one upload at a time
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(uploaded.count(), CharacterBank::Slots);

    const auto logged = [&log] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly)
                   ? QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                   : QStringList();
    };
    // Compared as text, so that a failure shows what the module saw.
    QTRY_COMPARE(logged().join(u'|'), expected.join(u'|'));
    sim.terminate();
    QVERIFY(sim.waitForFinished(3000));
    // The simulated module stored each pattern at its place.
    QFile state(folder.filePath(QStringLiteral("state")));
    QVERIFY(state.open(QIODevice::ReadOnly));
    QVERIFY(state.readAll().contains("custom 9 19 FF 00 00 00 00 09 81"));
}

void TestBank::cancelStopsBetweenSlots()
{
    Pty pty;
    ModuleConnection port;
    QVERIFY(port.openDevice(pty.slavePath()));
    BankUploader uploader(port);
    QSignalSpy finished(&uploader, &BankUploader::finished);
    QList<BankUploader::Item> items;
    for (int position = 0; position < CharacterBank::Slots; ++position)
        items.append({position, patternFor(position)});
    QVERIFY(uploader.start(items));
    // Paced by the line: the store waits behind the pattern, and the next slot is not queued.
    QCOMPARE(port.queuedMessages(), 1);
    uploader.cancel();
    QVERIFY(finished.wait(2000));
    QCOMPARE(finished.first().first().toBool(), false);
    // The slot under way is finished: its pattern and its store, nothing after.
    QCOMPARE(pty.readAll(100),
             Protocol::dotMatrix(columnsFor(0)).bytes() + Protocol::saveCustom(0).bytes());
}

QTEST_GUILESS_MAIN(TestBank)
#include "tst_bank.moc"
