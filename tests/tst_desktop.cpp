#include "busnames.h"
#include "frmmain.h"
#include "librarycontroller.h"
#include "librarydocument.h"
#include "patternlibrary.h"
#include "starterset.h"
#include "testsupport.h"
#include "workspace.h"

#include <QDBusConnection>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace {

QString sourceFile(const char *path)
{
    return qEnvironmentVariable("GLYPHSMITH_SOURCE_DIR") + u'/' + QLatin1String(path);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

// Library files from the desktop: the type file managers know them by (packaging/glyphsmith.xml
// through the shared MIME database), the desktop entry that takes them, and a second start of the
// program, which hands its file to the program already running over the test's own session bus.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fileType_data();
    void fileType();
    void xdgMime_data();
    void xdgMime();
    void desktopEntry();
    void secondStart_data();
    void secondStart();
    void filesOpenOneAfterAnother();

private:
    QTemporaryDir m_data;
    QStringList m_messages;
    std::unique_ptr<Pty> m_pty;
};

// The type as the package installs it, in a data folder of the test's own before the system's:
// update-mime-database builds the cache there, as the package's trigger does in /usr/share/mime.
void TestDesktop::initTestCase()
{
    useTemporarySettings();
    const QString packages = m_data.filePath(QStringLiteral("mime/packages"));
    QVERIFY(QDir().mkpath(packages));
    QVERIFY(QFile::copy(sourceFile("packaging/glyphsmith.xml"),
                        packages + QStringLiteral("/glyphsmith.xml")));
    QProcess update;
    update.start(QStringLiteral("update-mime-database"), {m_data.filePath(QStringLiteral("mime"))});
    QVERIFY(update.waitForFinished(30000));
    QVERIFY2(update.exitCode() == 0, update.readAllStandardError().constData());
    qputenv("XDG_DATA_DIRS", (m_data.path() + QStringLiteral(":/usr/share")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_data.filePath(QStringLiteral("home")).toLocal8Bit());
}

void TestDesktop::init()
{
    m_pty.reset(startOnNewPty(&m_messages));
}

void TestDesktop::cleanup()
{
    prompter().reset();
    m_pty.reset();
}

void TestDesktop::fileType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");
    const QString library = QStringLiteral("application/x-glyphsmith-library");
    PatternLibrary animated = starterSet();
    animated.animations = {{QStringLiteral("Blink"), QList<Frame>(50, Frame{})}};
    QTest::newRow("by its name") << "shelf.glyphs" << starterSet().toJson() << library;
    QTest::newRow("by its name, whatever it holds") << "empty.glyphs" << QByteArray() << library;
    QTest::newRow("by its content, as the program writes it")
        << "shelf" << starterSet().toJson() << library;
    QTest::newRow("by its content, animations and all")
        << "animated" << animated.toJson() << library;
    QTest::newRow("by its content, written without spaces")
        << "compact" << QByteArray(R"({"format":"glyphsmith-library","version":1,"patterns":[]})")
        << library;
    QTest::newRow("other JSON") << "other.json" << QByteArray(R"({"format": "something else"})")
                                << "application/json";
}

void TestDesktop::fileType()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QVERIFY(writeFile(path, content));
    const QMimeDatabase database;
    QCOMPARE(database.mimeTypeForFile(path).name(), type);
    if (type != QLatin1String("application/json")) {
        const QMimeType found = database.mimeTypeForName(type);
        QVERIFY(found.inherits(QStringLiteral("application/json")));
        QCOMPARE(found.iconName(), QStringLiteral("application-x-glyphsmith-library"));
        QCOMPARE(found.comment(), QStringLiteral("8x8 Glyphsmith pattern library"));
        QCOMPARE(found.suffixes(), QStringList{QLatin1String(PatternLibrary::FileSuffix)});
    }
}

void TestDesktop::xdgMime_data()
{
    fileType_data();
}

// What a user asks on a desktop without its own file-type service: xdg-mime then reads the
// shared MIME database through mimetype(1) (Debian's libfile-mimeinfo-perl).
void TestDesktop::xdgMime()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QVERIFY(writeFile(path, content));
    QProcess query;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("X-Generic"));
    query.setProcessEnvironment(environment);
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("filetype"), path});
    QVERIFY(query.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(query.readAllStandardOutput()).trimmed(), type);
}

// The entry passes the files it is given, and says which type it takes.
void TestDesktop::desktopEntry()
{
    QFile file(sourceFile("packaging/glyphsmith.desktop"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    QVERIFY(lines.contains(QStringLiteral("Exec=glyphsmith %F")));
    QVERIFY(lines.contains(QStringLiteral("MimeType=application/x-glyphsmith-library;")));
}

void TestDesktop::secondStart_data()
{
    QTest::addColumn<QString>("file"); // "" none, "{good}" a library, "{bad}" a damaged one
    QTest::addColumn<bool>("unsaved"); // the running program has unsaved changes
    QTest::addColumn<int>("answer");   // to the question about them
    QTest::addColumn<bool>("opened");
    using Answer = SaveQuestion::Answer;
    QTest::newRow("a file, nothing unsaved") << "{good}" << false << int(Answer::Cancel) << true;
    QTest::newRow("a file, unsaved changes discarded")
        << "{good}" << true << int(Answer::Discard) << true;
    QTest::newRow("a file, the user keeps the changes")
        << "{good}" << true << int(Answer::Cancel) << false;
    QTest::newRow("a file that is no library") << "{bad}" << false << int(Answer::Cancel) << false;
    QTest::newRow("no file: the window to the front")
        << "" << false << int(Answer::Cancel) << false;
}

// `glyphsmith FILE` while the program runs: the running program opens the file (asking about
// unsaved changes first, as Open does) and comes to the front; the second start ends at once.
void TestDesktop::secondStart()
{
    QFETCH(QString, file);
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    QFETCH(bool, opened);
    QTemporaryDir folder;
    const QString good = folder.filePath(QStringLiteral("shelf.glyphs"));
    const QString bad = folder.filePath(QStringLiteral("damaged.glyphs"));
    PatternLibrary library;
    library.patterns = {{QStringLiteral("Only"), Pattern::fromColumns({1, 2, 3}), {}}};
    QString error;
    QVERIFY(library.write(good, &error));
    QVERIFY(writeFile(bad, "{\"format\": \"glyphsmith-library\", \"vers"));
    file.replace(QLatin1String("{good}"), good);
    file.replace(QLatin1String("{bad}"), bad);

    Workspace program(prompter());
    program.window().Form_Load();
    program.window().show();
    QVERIFY(program.offerOnBus(QDBusConnection::sessionBus()));
    LibraryDocument *document = program.library().document();
    if (unsaved)
        document->model()->addPattern(Pattern::fromColumns({7}), QStringLiteral("Unsaved"));
    QStringList asked;
    prompter().onSave = [&](QWidget *, const QString &name) {
        asked << name;
        return SaveQuestion::Answer(answer);
    };
    program.window().showMinimized();

    QProcess second;
    second.start(qEnvironmentVariable("GLYPHSMITH_PROGRAM"),
                 file.isEmpty() ? QStringList() : QStringList{file});
    // The running program answers from this thread, so the wait keeps its events going.
    QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardError(), QByteArray());
    QTRY_VERIFY(!(program.window().windowState() & Qt::WindowMinimized));

    QTest::qWait(50);
    QCOMPARE(asked, unsaved ? QStringList{"Starter set"} : QStringList());
    QCOMPARE(document->filePath(), opened ? good : QString());
    if (opened)
        QCOMPARE(document->current(), library);
    else
        QCOMPARE(document->isModified(), unsaved);
    if (file == bad) {
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.at(0).contains(bad) &&
                     m_messages.at(0).contains(QLatin1String("cut short")),
                 qPrintable(m_messages.at(0)));
    } else {
        QCOMPARE(m_messages, QStringList());
    }
}

// A file that comes while the program still asks about the one before waits for it.
void TestDesktop::filesOpenOneAfterAnother()
{
    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("first.glyphs"));
    const QString second = folder.filePath(QStringLiteral("second.glyphs"));
    QString error;
    QVERIFY(starterSet().write(first, &error));
    PatternLibrary other;
    QVERIFY(other.write(second, &error));
    Workspace program(prompter());
    LibraryDocument *document = program.library().document();
    document->model()->addPattern(Pattern::fromColumns({7}), QStringLiteral("Unsaved"));
    QStringList asked;
    QString openWhileAsked;
    prompter().onSave = [&](QWidget *, const QString &name) {
        asked << name;
        program.openFile(second);
        openWhileAsked = document->filePath();
        return SaveQuestion::Answer::Discard;
    };
    program.openFile(first);
    QCOMPARE(asked, QStringList{"Starter set"});
    QCOMPARE(openWhileAsked, QString());
    QCOMPARE(document->filePath(), second);
    QCOMPARE(document->current(), other);
    QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kaldor8x8", "Kaldor8x8")
                 .value(QStringLiteral("Workbench/RecentFiles"))
                 .toStringList(),
             (QStringList{second, first}));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
