#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace {

// A span of three simulated modules, COM1 upright, COM2 upside down, COM3 mirrored, and an
// animation of two frames: module 1's top row lit, then module 3's.
const char Library[] = R"({"format": "glyphsmith-library", "version": 1, "patterns": [],
 "spans": [{"name": "Shelf", "columns": 3, "rows": 1,
   "modules": [{"target": "COM1", "rotation": 0, "mirrored": false},
               {"target": "COM2", "rotation": 180, "mirrored": false},
               {"target": "COM3", "rotation": 0, "mirrored": true}],
   "animations": [{"name": "Sweep", "frames": [
       {"rows": "FF0000 000000 000000 000000 000000 000000 000000 000000", "duration": 40},
       {"rows": "0000FF 000000 000000 000000 000000 000000 000000 000000", "duration": 40}]}]},
   {"name": "Gap", "columns": 2, "rows": 1,
   "modules": [{"target": "COM1"}, {"target": "COM4"}]}]})";

// An F in each module's place, as text art of the whole span.
const char ThreeFs[] = "######..######..######..\n"
                       "#.......#.......#.......\n"
                       "#.......#.......#.......\n"
                       "####....####....####....\n"
                       "#.......#.......#.......\n"
                       "#.......#.......#.......\n"
                       "#.......#.......#.......\n"
                       "......#.......#.......#.\n";

} // namespace

// glyphsmith-send's span commands as a shell runs them, on three simulated modules of one
// glyphsmith-sim --count 3: what each module framed, as its log says, and the exit status.
class TestSpanSend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void picture_data();
    void picture();
    void playsAnimationOnEveryModule();
    void scrollsInStep();
    void missingModuleLeavesTheOthers();
    void lastLibraryOfTheProgram();
    void refused_data();
    void refused();

private:
    struct Result
    {
        int status = -1;
        QString error;
    };
    Result send(const QStringList &arguments, const QByteArray &input = QByteArray());
    // Every message module `n` (1..3) framed so far, times left out.
    QStringList logged(int n) const;
    // The same with the times, in milliseconds.
    QList<double> times(int n) const;
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_sim;
};

void TestSpanSend::initTestCase()
{
    useTemporarySettings();
    QVERIFY(QFileInfo(qEnvironmentVariable("GLYPHSMITH_SEND")).isExecutable());
    QVERIFY(QFileInfo(qEnvironmentVariable("GLYPHSMITH_SIM")).isExecutable());
}

void TestSpanSend::init()
{
    clearSettings();
    mapAllPortsToMissing();
    m_dir = std::make_unique<QTemporaryDir>();
    m_sim = std::make_unique<QProcess>();
    m_sim->start(qEnvironmentVariable("GLYPHSMITH_SIM"),
                 {"--headless", "--count", "3", "--baud", "9600", "--log-times", "--link",
                  path("module"), "--log", path("module.log")});
    QVERIFY(m_sim->waitForStarted());
    QByteArray printed;
    while (printed.count('\n') < 3 && m_sim->waitForReadyRead(5000))
        printed += m_sim->readAllStandardOutput();
    // One path a line, module 1 first, numbered as documented.
    QCOMPARE(QString::fromLocal8Bit(printed).split(u'\n', Qt::SkipEmptyParts),
             (QStringList{path("module-1"), path("module-2"), path("module-3")}));
    for (int n = 1; n <= 3; ++n)
        mapPort(n, path(QStringLiteral("module-%1").arg(n)));
    QFile library(path("shelf.glyphs"));
    QVERIFY(library.open(QIODevice::WriteOnly));
    library.write(Library);
}

void TestSpanSend::cleanup()
{
    m_sim->terminate();
    m_sim->waitForFinished();
    m_sim.reset();
    m_dir.reset();
}

TestSpanSend::Result TestSpanSend::send(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(qEnvironmentVariable("GLYPHSMITH_SEND"), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000))
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QStringList TestSpanSend::logged(int n) const
{
    QFile file(path(QStringLiteral("module-%1.log").arg(n)));
    QStringList messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    for (const QString &line : QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts))
        messages.append(line.section(u' ', 1));
    return messages;
}

QList<double> TestSpanSend::times(int n) const
{
    QFile file(path(QStringLiteral("module-%1.log").arg(n)));
    QList<double> result;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QString &line :
             QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts))
            result.append(line.section(u' ', 0, 0).toDouble());
    }
    return result;
}

void TestSpanSend::picture_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("text art on standard input") << "stdin";
    QTest::newRow("text art in a file") << "text";
    QTest::newRow("PNG, one pixel a dot") << "png1";
    QTest::newRow("PNG, four pixels a dot") << "png4";
}

// Three Fs: each module gets its own part, turned back as it is mounted, so all read upright.
void TestSpanSend::picture()
{
    QFETCH(QString, how);
    QStringList arguments = {"--library", path("shelf.glyphs"), "span-pattern", "Shelf"};
    QByteArray input;
    if (how == u"stdin") {
        arguments.append("-");
        input = ThreeFs;
    } else if (how == u"text") {
        QFile file(path("fs.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ThreeFs);
        arguments.append(file.fileName());
    } else {
        const int scale = how == u"png1" ? 1 : 4;
        QImage image(24 * scale, 8 * scale, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QStringList rows = QString::fromLatin1(ThreeFs).split(u'\n', Qt::SkipEmptyParts);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (rows.at(y / scale).at(x / scale) == u'#')
                    image.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
        QVERIFY(image.save(path("fs.png")));
        arguments.append(path("fs.png"));
    }
    const Result result = send(arguments, input);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.status, 0);
    QTRY_COMPARE(logged(1), QStringList{"FC F7 90 90 90 10 10 08 00"});
    QTRY_COMPARE(logged(2), QStringList{"FC 00 10 08 08 09 09 09 EF"});
    QTRY_COMPARE(logged(3), QStringList{"FC 00 08 10 10 90 90 90 F7"});
}

// span-play: each frame to every module at its time.
void TestSpanSend::playsAnimationOnEveryModule()
{
    const Result result = send({"span-play", path("shelf.glyphs"), "Sweep"});
    QCOMPARE(result.error, QString());
    QCOMPARE(result.status, 0);
    QTRY_COMPARE(logged(1),
                 (QStringList{"FC 10 10 10 10 10 10 10 10", "FC 00 00 00 00 00 00 00 00"}));
    QTRY_COMPARE(logged(2),
                 (QStringList{"FC 00 00 00 00 00 00 00 00", "FC 00 00 00 00 00 00 00 00"}));
    QTRY_COMPARE(logged(3),
                 (QStringList{"FC 00 00 00 00 00 00 00 00", "FC 10 10 10 10 10 10 10 10"}));
    // 40 ms apart on each module.
    const QList<double> first = times(1);
    QVERIFY(first.at(1) - first.at(0) > 30 && first.at(1) - first.at(0) < 60);
}

// A text across the three: every module takes every frame, and each frame reaches them within
// one message time (9.4 ms) of each other.
void TestSpanSend::scrollsInStep()
{
    const Result result = send(
        {"--library", path("shelf.glyphs"), "--frame-ms", "30", "span-scroll", "Shelf", "Hello"});
    QCOMPARE(result.error, QString());
    QCOMPARE(result.status, 0);
    QTRY_VERIFY(logged(1).size() > 24);
    QTest::qWait(100);
    const QList<double> one = times(1);
    QCOMPARE(times(2).size(), one.size());
    QCOMPARE(times(3).size(), one.size());
    for (int k = 0; k < one.size(); ++k) {
        for (int n : {2, 3})
            QVERIFY2(qAbs(times(n).at(k) - one.at(k)) < 9.4,
                     qPrintable(QStringLiteral("frame %1, module %2").arg(k).arg(n)));
    }
    // The text came in from the right: the first frame is dark everywhere and the last module
    // shows something before the first does.
    QCOMPARE(logged(1).first(), QStringLiteral("FC 00 00 00 00 00 00 00 00"));
    // Whole messages are matched: anything but a dark module.
    const QRegularExpression lit(QStringLiteral("FC (?!00 00 00 00 00 00 00 00$).*"));
    const qsizetype firstOn3 = logged(3).indexOf(lit);
    const qsizetype firstOn1 = logged(1).indexOf(lit);
    QVERIFY(firstOn3 > 0 && firstOn1 > firstOn3);
}

// A module that cannot be opened: the others are sent theirs, the status says so and stderr
// names the module.
void TestSpanSend::missingModuleLeavesTheOthers()
{
    const QString art = QStringLiteral("#..............#\n") + QString(".").repeated(16) + "\n" +
                        QString(".").repeated(16) + "\n" + QString(".").repeated(16) + "\n" +
                        QString(".").repeated(16) + "\n" + QString(".").repeated(16) + "\n" +
                        QString(".").repeated(16) + "\n" + QString(".").repeated(16) + "\n";
    const Result result =
        send({"--library", path("shelf.glyphs"), "span-pattern", "Gap", "-"}, art.toLatin1());
    QCOMPARE(result.status, 5);
    QVERIFY2(result.error.startsWith(QStringLiteral("glyphsmith-send: module 2 (COM4) was not "
                                                    "available")),
             qPrintable(result.error));
    QTRY_COMPARE(logged(1), QStringList{"FC 10 00 00 00 00 00 00 00"});
}

// Without --library, the library the program opened last: the first of its recent files.
void TestSpanSend::lastLibraryOfTheProgram()
{
    Result result = send({"span-pattern", "Shelf", "-"}, ThreeFs);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.error.contains(QStringLiteral("--library")), qPrintable(result.error));
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Kaldor8x8"), QStringLiteral("Kaldor8x8"));
        settings.setValue(QStringLiteral("Workbench/RecentFiles"),
                          QStringList{path("shelf.glyphs"), path("other.glyphs")});
    }
    result = send({"span-pattern", "Shelf", "-"}, ThreeFs);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.status, 0);
    QTRY_COMPARE(logged(2), QStringList{"FC 00 10 08 08 09 09 09 EF"});
}

void TestSpanSend::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("no such span") << QStringList{"--library", "{library}", "span-scroll", "Wall",
                                                 "Hi"}
                                  << "has no span named \"Wall\" (it has \"Shelf\", \"Gap\")";
    QTest::newRow("no such animation")
        << QStringList{"span-play", "{library}", "Fade"} << "has no span animation named \"Fade\"";
    QTest::newRow("--port with a span command")
        << QStringList{"--port", "COM1", "--library", "{library}", "span-scroll", "Shelf", "Hi"}
        << "--port does not go with the span commands";
    QTest::newRow("--library with another command")
        << QStringList{"--library", "{library}", "scroll", "Hi"}
        << "--library goes with the span commands only";
    QTest::newRow("text art of another size")
        << QStringList{"--library", "{library}", "span-pattern", "Shelf", "{small}"}
        << "is 24 x 8 dots (8 lines of 24 dots); this is 3 x 2";
    QTest::newRow("picture of another size")
        << QStringList{"--library", "{library}", "span-pattern", "Shelf", "{picture}"}
        << "the picture is 30 x 8 pixels";
    QTest::newRow("missing library")
        << QStringList{"span-play", "{missing}", "Sweep"} << "Cannot open the pattern library";
    QTest::newRow("frame time out of range")
        << QStringList{"--library", "{library}", "--frame-ms", "3", "span-scroll", "Shelf", "Hi"}
        << "--frame-ms must be a number from 10 to 60000";
}

// Bad usage: status 2, one line saying why, nothing sent to any module.
void TestSpanSend::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QFile small(path("small.txt"));
    QVERIFY(small.open(QIODevice::WriteOnly));
    small.write("#.#\n.#.\n");
    small.close();
    QImage picture(30, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QVERIFY(picture.save(path("wide.png")));
    arguments.replaceInStrings(QStringLiteral("{library}"), path("shelf.glyphs"));
    arguments.replaceInStrings(QStringLiteral("{small}"), small.fileName());
    arguments.replaceInStrings(QStringLiteral("{picture}"), path("wide.png"));
    arguments.replaceInStrings(QStringLiteral("{missing}"), path("missing.glyphs"));
    const Result result = send(arguments);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.error.contains(error), qPrintable(result.error));
    QCOMPARE(result.error.count(u'\n'), 1);
    QTest::qWait(50);
    QCOMPARE(logged(1), QStringList());
}

QTEST_MAIN(TestSpanSend)
#include "tst_spansend.moc"
