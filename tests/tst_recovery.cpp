#include "frmmain.h"
#include "librarycontroller.h"
#include "librarydocument.h"
#include "libraryrecovery.h"
#include "recoveryoffer.h"
#include "starterset.h"
#include "testsupport.h"
#include "workspace.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

using namespace TestSupport;

namespace {

// A library with every kind of content a copy must keep: patterns, animations, the bank's
// copy, and sections and fields this version does not know.
PatternLibrary fullLibrary()
{
    QString reason;
    const auto library = PatternLibrary::fromJson(
        R"({"format": "glyphsmith-library", "version": 1,
            "patterns": [{"name": "Smile", "bytes": "00 24 99 58 58 99 24 00", "colour": "red"},
                         {"name": "Heart", "bytes": "E0 F1 F3 E7 E7 F3 F1 E0"}],
            "animations": [{"name": "Blink", "frames": [
                {"bytes": "00 24 99 58 58 99 24 00", "duration": 400},
                {"bytes": "00 00 00 00 00 00 00 00", "duration": 100}]}],
            "characterBank": {"slots": ["00 00 00 00 00 00 00 00", "7C 8A 92 A2 7C 00 00 00",
                "01 00 00 00 00 00 00 00", "02 00 00 00 00 00 00 00", "03 00 00 00 00 00 00 00",
                "04 00 00 00 00 00 00 00", "05 00 00 00 00 00 00 00", "06 00 00 00 00 00 00 00",
                "07 00 00 00 00 00 00 00", "08 00 00 00 00 00 00 00"], "owner": "shelf"},
            "notes": {"written by": "another program"}})",
        &reason);
    if (!library)
        qFatal("test library: %s", qPrintable(reason));
    return *library;
}

QStringList copiesIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("library-*.glyphs")}, QDir::Files);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

// Unsaved library changes kept safe from a crash: the recovery copy, when it is written and
// removed, what the next start offers, a damaged copy set aside, and a program killed with
// SIGKILL whose changes come back byte for byte.
class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void copyRoundTrip_data();
    void copyRoundTrip();
    void writtenAfterChanges();
    void removedWhenNothingIsUnsaved_data();
    void removedWhenNothingIsUnsaved();
    void runningProgramsCopiesAreTheirs();
    void offer_data();
    void offer();
    void damagedCopy_data();
    void damagedCopy();
    void killedProgramsChangesComeBack();

private:
    QString stateFolder() const { return m_state->filePath(QStringLiteral("glyphsmith/recovery")); }

    std::unique_ptr<QTemporaryDir> m_state;
    std::unique_ptr<Pty> m_pty;
    QStringList m_messages;
    QStringList m_details;
};

void TestRecovery::initTestCase()
{
    useTemporarySettings();
}

void TestRecovery::init()
{
    m_state = std::make_unique<QTemporaryDir>();
    qputenv("XDG_STATE_HOME", m_state->path().toLocal8Bit());
    m_pty.reset(startOnNewPty(&m_messages));
    m_details.clear();
    prompter().onMessageDetail = [this](QWidget *, const QString &, const QString &detail) {
        m_details.append(detail);
    };
    QCOMPARE(RecoveryStore::defaultFolder(), stateFolder());
}

void TestRecovery::cleanup()
{
    prompter().reset();
    m_pty.reset();
}

void TestRecovery::copyRoundTrip_data()
{
    QTest::addColumn<PatternLibrary>("library");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("starterSet");
    QTest::newRow("the starter set, changed") << starterSet() << "" << true;
    QTest::newRow("an untitled library") << PatternLibrary() << "" << false;
    QTest::newRow("a file with everything in it")
        << fullLibrary() << "/home/user/shelf.glyphs" << false;
}

// A copy reads back as it was written, and is a library file itself.
void TestRecovery::copyRoundTrip()
{
    QFETCH(PatternLibrary, library);
    QFETCH(QString, file);
    QFETCH(bool, starterSet);
    const RecoveryCopy copy{library, file, starterSet,
                            QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26, 535), Qt::UTC)};
    const QByteArray json = RecoveryStore::toJson(copy);
    QString problem;
    const auto back = RecoveryStore::fromJson(json, &problem);
    QVERIFY2(back, qPrintable(problem));
    QCOMPARE(*back, copy);
    QVERIFY(json.startsWith("{\n    \"format\": \"glyphsmith-library\",\n    \"version\": 1,\n"));
    QVERIFY(json.contains("\"written\": \"2026-03-14T15:09:26.535Z\""));
    const auto asLibrary = PatternLibrary::fromJson(json, &problem);
    QVERIFY(asLibrary);
    QCOMPARE(asLibrary->patterns, library.patterns);
}

void TestRecovery::writtenAfterChanges()
{
    Workspace program(prompter());
    LibraryRecovery &recovery = program.library().recovery();
    recovery.setDelay(std::chrono::milliseconds(200));
    LibraryDocument *document = program.library().document();
    QVERIFY(copiesIn(stateFolder()).isEmpty());
    document->model()->addPattern(Pattern::fromColumns({1, 2, 3, 4, 5, 6, 7, 8}), "First");
    // Not at once: a run of quick edits makes one write.
    QVERIFY(recovery.isPending());
    QCOMPARE(copiesIn(stateFolder()), QStringList());
    QTRY_COMPARE(copiesIn(stateFolder()).size(), 1);
    const QString path = recovery.store().path();
    QString problem;
    auto copy = RecoveryStore::read(path, &problem);
    QVERIFY2(copy, qPrintable(problem));
    QCOMPARE(copy->library, document->current());
    QCOMPARE(copy->file, QString());
    QVERIFY(copy->starterSet);
    QVERIFY(qAbs(copy->written.secsTo(QDateTime::currentDateTimeUtc())) < 10);

    // A later change is in the next copy, under the same name.
    document->model()->renamePattern(document->model()->rowCount() - 1, "Second");
    QTRY_VERIFY(!recovery.isPending());
    copy = RecoveryStore::read(path, &problem);
    QVERIFY(copy);
    QCOMPARE(copy->library.patterns.constLast().name, QStringLiteral("Second"));
    QCOMPARE(copiesIn(stateFolder()).size(), 1);
}

void TestRecovery::removedWhenNothingIsUnsaved_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("saved") << "save";
    QTest::newRow("changes discarded") << "revert";
    QTest::newRow("the edit undone by hand") << "undo";
    QTest::newRow("program closed, saving") << "close";
}

void TestRecovery::removedWhenNothingIsUnsaved()
{
    QFETCH(QString, how);
    QTemporaryDir files;
    const QString file = files.filePath(QStringLiteral("shelf.glyphs"));
    QString error;
    QVERIFY(fullLibrary().write(file, &error));
    {
        Workspace program(prompter());
        LibraryRecovery &recovery = program.library().recovery();
        recovery.setDelay(std::chrono::milliseconds(50));
        LibraryDocument *document = program.library().document();
        QVERIFY(document->openFile(file, nullptr));
        const int row = document->model()->addPattern(Pattern::fromColumns({9}), "Extra");
        QTRY_COMPARE(copiesIn(stateFolder()).size(), 1);
        if (how == QLatin1String("save")) {
            QVERIFY(document->save(nullptr));
        } else if (how == QLatin1String("revert")) {
            document->revert();
        } else if (how == QLatin1String("undo")) {
            document->model()->removePatterns({row});
        } else {
            prompter().onSave = [](QWidget *, const QString &) {
                return SaveQuestion::Answer::Save;
            };
            QVERIFY(program.window().close());
        }
        QVERIFY(!document->isModified());
        QCOMPARE(copiesIn(stateFolder()), QStringList());
    }
    QCOMPARE(copiesIn(stateFolder()), QStringList());
}

// A copy whose program still runs is that program's: the next start does not offer it.
void TestRecovery::runningProgramsCopiesAreTheirs()
{
    auto running = std::make_unique<RecoveryStore>(stateFolder());
    QString error;
    QVERIFY2(
        running->write({fullLibrary(), QString(), false, QDateTime::currentDateTimeUtc()}, &error),
        qPrintable(error));
    RecoveryStore starting(stateFolder());
    QCOMPARE(starting.leftBehind().size(), 0);
    // Its program ends without removing it (the lock goes with the program).
    const QString path = running->path();
    running.reset();
    const auto left = starting.leftBehind();
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.at(0).path, path);
    QVERIFY(left.at(0).copy);
    QCOMPARE(left.at(0).copy->library, fullLibrary());
}

void TestRecovery::offer_data()
{
    QTest::addColumn<int>("choice"); // -1: Cancel
    QTest::addColumn<bool>("withFile");
    QTest::newRow("restore changes of a file") << 0 << true;
    QTest::newRow("restore changes of the starter set") << 0 << false;
    QTest::newRow("discard") << 1 << true;
    QTest::newRow("decide at the next start") << -1 << true;
}

void TestRecovery::offer()
{
    QFETCH(int, choice);
    QFETCH(bool, withFile);
    QTemporaryDir files;
    const QString file = withFile ? files.filePath(QStringLiteral("shelf.glyphs")) : QString();
    QString error;
    if (withFile)
        QVERIFY(starterSet().write(file, &error));
    // What an earlier run left: the starter set or the file with everything added.
    PatternLibrary changed = fullLibrary();
    const QDateTime written(QDate(2026, 3, 14), QTime(15, 9, 26), Qt::LocalTime);
    {
        RecoveryStore earlier(stateFolder());
        QVERIFY(earlier.write({changed, file, !withFile, written.toUTC()}, &error));
    }
    const QString left = QDir(stateFolder()).filePath(copiesIn(stateFolder()).value(0));

    Workspace program(prompter());
    QStringList asked;
    prompter().onChoice = [&](const QString &text, const QString &detail,
                              const QStringList &choices) -> std::optional<int> {
        asked << text << detail << choices.join(u'|');
        return choice < 0 ? std::nullopt : std::optional<int>(choice);
    };
    offerRecovery(program.library(), prompter(), &program.window());
    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked.at(0),
             withFile ? QStringLiteral("The program ended before changes of the library "
                                       "shelf.glyphs were saved. A copy of them was kept.")
                      : QStringLiteral("The program ended before changes of the starter set were "
                                       "saved. A copy of them was kept."));
    QVERIFY2(asked.at(1).startsWith(QStringLiteral("The copy was written on Saturday, 14 March "
                                                   "2026, 15:09:26. ")),
             qPrintable(asked.at(1)));
    QVERIFY2(asked.at(1).contains(withFile ? QStringLiteral("It belongs to the file %1.").arg(file)
                                           : QStringLiteral("It belongs to no file yet.")),
             qPrintable(asked.at(1)));
    QCOMPARE(asked.at(2), QStringLiteral("Restore|Discard"));

    LibraryDocument *document = program.library().document();
    switch (choice) {
    case 0:
        QVERIFY(document->isModified());
        QCOMPARE(document->current(), changed);
        QCOMPARE(document->filePath(), file);
        QCOMPARE(document->isStarterSet(), !withFile);
        QVERIFY(!QFile::exists(left));
        // Kept again at once, as this run's own copy.
        QCOMPARE(copiesIn(stateFolder()).size(), 1);
        // Discard goes back to what the file holds now.
        document->revert();
        QCOMPARE(document->current(), starterSet());
        break;
    case 1:
        QVERIFY(!document->isModified());
        QCOMPARE(copiesIn(stateFolder()), QStringList());
        break;
    default:
        QVERIFY(!document->isModified());
        QVERIFY(QFile::exists(left));
        QCOMPARE(program.library().recovery().store().leftBehind().size(), 1);
        break;
    }
}

void TestRecovery::damagedCopy_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");
    QTest::newRow("cut short") << QByteArray(
                                      R"({"format": "glyphsmith-library", "version": 1, "pat)")
                               << "cut short";
    QTest::newRow("empty") << QByteArray() << "the file is empty";
    QTest::newRow("a library, but no copy")
        << QByteArray(R"({"format": "glyphsmith-library", "version": 1, "patterns": []})")
        << "it does not say which file it belongs to and when it was written";
    QTest::newRow("a time that is none")
        << QByteArray(R"({"format": "glyphsmith-library", "version": 1, "patterns": [],
                          "glyphsmithRecovery": {"file": "", "written": "yesterday"}})")
        << "it does not say which file it belongs to";
    QTest::newRow("a bank of nine slots")
        << QByteArray(R"({"format": "glyphsmith-library", "version": 1, "patterns": [],
                          "characterBank": {"slots": ["00", "00", "00", "00", "00", "00", "00",
                          "00", "00"]},
                          "glyphsmithRecovery": {"file": "", "written": "2026-03-14T15:09:26Z"}})")
        << "slot";
}

// Never loaded in part: reported, set aside under a name that says so, and the library left as
// it was.
void TestRecovery::damagedCopy()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    QVERIFY(QDir().mkpath(stateFolder()));
    const QString path = stateFolder() + QStringLiteral("/library-20260314-150926-4711.glyphs");
    QVERIFY(writeFile(path, content));
    Workspace program(prompter());
    bool asked = false;
    prompter().onChoice = [&](const QString &, const QString &, const QStringList &) {
        asked = true;
        return std::optional<int>(0);
    };
    offerRecovery(program.library(), prompter(), &program.window());
    QVERIFY(!asked);
    QCOMPARE(m_messages,
             QStringList{"A recovery copy of unsaved changes is damaged and was not restored."});
    QVERIFY2(m_details.value(0).startsWith(path + QStringLiteral(": ")) &&
                 m_details.value(0).contains(problem),
             qPrintable(m_details.value(0)));
    QVERIFY2(m_details.value(0).endsWith(
                 QStringLiteral("It has been set aside as %1.damaged.").arg(path)),
             qPrintable(m_details.value(0)));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(readAll(path + QStringLiteral(".damaged")), content);
    QVERIFY(!program.library().document()->isModified());
    // Set aside, it is not offered again.
    m_messages.clear();
    offerRecovery(program.library(), prompter(), &program.window());
    QCOMPARE(m_messages, QStringList());
}

// The real program, changes unsaved, killed with SIGKILL: the next start offers them back, and
// saving them writes exactly what the program held.
void TestRecovery::killedProgramsChangesComeBack()
{
    QTemporaryDir files;
    const QString file = files.filePath(QStringLiteral("shelf.glyphs"));
    const QString edit = files.filePath(QStringLiteral("edit.glyphs"));
    QString error;
    QVERIFY(starterSet().write(file, &error));
    QVERIFY(fullLibrary().write(edit, &error));
    const QByteArray expected = readAll(edit);

    QProcess running;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GLYPHSMITH_TEST_LIBRARY_EDIT"), edit);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString());
    running.setProcessEnvironment(environment);
    running.start(qEnvironmentVariable("GLYPHSMITH_PROGRAM"), {file});
    QVERIFY(running.waitForStarted());
    QVERIFY2(QTest::qWaitFor([this] { return !copiesIn(stateFolder()).isEmpty(); }, 15000),
             "the program wrote no recovery copy");
    // The copy is complete when it is there: it is written whole or not at all.
    ::kill(pid_t(running.processId()), SIGKILL);
    QVERIFY(running.waitForFinished(5000));
    QCOMPARE(running.exitStatus(), QProcess::CrashExit);
    // The file itself was never touched.
    QCOMPARE(readAll(file), starterSet().toJson());

    Workspace program(prompter());
    QString text;
    prompter().onChoice = [&](const QString &question, const QString &,
                              const QStringList &) -> std::optional<int> {
        text = question;
        return 0;
    };
    offerRecovery(program.library(), prompter(), &program.window());
    QCOMPARE(text, QStringLiteral("The program ended before changes of the library shelf.glyphs "
                                  "were saved. A copy of them was kept."));
    LibraryDocument *document = program.library().document();
    QVERIFY(document->isModified());
    QCOMPARE(document->filePath(), file);
    QVERIFY(document->save(nullptr));
    QCOMPARE(readAll(file), expected);
    QCOMPARE(copiesIn(stateFolder()), QStringList());
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
