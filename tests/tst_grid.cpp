#include "dotcell.h"
#include "dotgrid.h"
#include "dotpictures.h"
#include "frmmain.h"
#include "messagebox.h"
#include "testsupport.h"
#include "workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {

// The weight of a dot in its column's byte, top row first, as the module's documentation gives
// it; written out here so that a wrong table in the program cannot pass the tests.
constexpr std::array<quint8, 8> WeightFromTop = {0x10, 0x20, 0x40, 0x80, 0x01, 0x02, 0x04, 0x08};

// Which picture a cell shows, told apart by a pixel at the centre of the dot.
bool showsLit(const DotCell *cell)
{
    const QColor centre = cell->pixmap().toImage().pixelColor(9, 12);
    return centre.red() > 200 && centre.green() < 120;
}

// The three views of one dot must agree: DotState, the column's bit, and the cell's picture.
void verifyInvariant(const DotGrid &grid)
{
    for (int column = 1; column <= GridModel::Columns; ++column) {
        for (int weight : WeightFromTop) {
            const bool lit = grid.model().isLit(column, weight);
            QCOMPARE(bool(grid.model().columnValue(column) & weight), lit);
            QCOMPARE(showsLit(grid.cell(column, weight)), lit);
        }
        QCOMPARE(grid.label(column)->text(), grid.model().columnText(column));
    }
}

} // namespace

// The pattern editor: clicks on cells, column bytes and labels, Clear ALL, missing pictures.
class TestGrid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void columnLabel_data();
    void columnLabel();
    void twoClicksRestore();
    void rowsFromTheTopOnTheLine_data();
    void rowsFromTheTopOnTheLine();
    void clickTouchesOnlyItsColumn();
    void cellGeometry();
    void startPictureIsTheDarkPicture();
    void clearAll();
    void missingLitPicture();
    void missingDarkPicture();
    void unreadablePicture();
    void pictureFolder_data();
    void pictureFolder();
    void pictureFolderInBuildTree();

private:
    void usePictures(bool lit, bool dark);
    void click(int column, int weight);

    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    QTemporaryDir m_pictures;
    QStringList m_messages;
};

void TestGrid::initTestCase()
{
    useTemporarySettings();
    mapAllPortsToMissing();
}

void TestGrid::init()
{
    m_messages.clear();
    prompter().onMessage = [this](QWidget *, const QString &text) { m_messages.append(text); };
    usePictures(true, true);
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->show();
}

void TestGrid::cleanup()
{
    delete m_program;
    m_program = nullptr;
    prompter().reset();
}

void TestGrid::usePictures(bool lit, bool dark)
{
    const QString from = QCoreApplication::applicationDirPath();
    for (const char *name : {"dotf.BMP", "dotb.JPG"}) {
        const QString target = m_pictures.filePath(QLatin1String(name));
        QFile::remove(target);
        const bool wanted = QLatin1String(name) == QLatin1String("dotf.BMP") ? lit : dark;
        if (wanted)
            QVERIFY(QFile::copy(from + QLatin1Char('/') + QLatin1String(name), target));
    }
    DotPictures::setFolder(m_pictures.path());
}

void TestGrid::click(int column, int weight)
{
    QTest::mouseClick(m_window->dotGrid()->cell(column, weight), Qt::LeftButton);
}

void TestGrid::columnLabel_data()
{
    QTest::addColumn<QList<int>>("weights");
    QTest::addColumn<QString>("label");
    QTest::newRow("top cell") << QList<int>{16} << "10";
    QTest::newRow("bottom cell") << QList<int>{8} << "8";
    QTest::newRow("fifth cell from the top") << QList<int>{1} << "1";
    QTest::newRow("weight 4") << QList<int>{4} << "4";
    QTest::newRow("1, 2 and 8") << QList<int>{1, 2, 8} << "B";
    QTest::newRow("32 and 128") << QList<int>{32, 128} << "A0";
    QTest::newRow("whole column") << QList<int>{16, 32, 64, 128, 1, 2, 4, 8} << "FF";
    QTest::newRow("upper four, a command value") << QList<int>{16, 32, 64, 128} << "F0";
}

void TestGrid::columnLabel()
{
    QFETCH(QList<int>, weights);
    QFETCH(QString, label);
    for (int column : {1, 5, 8}) {
        for (int weight : weights)
            click(column, weight);
        QCOMPARE(m_window->dotGrid()->label(column)->text(), label);
        QCOMPARE(QString::number(m_window->grid().columnValue(column), 16).toUpper(), label);
    }
    verifyInvariant(*m_window->dotGrid());
    QVERIFY(m_messages.isEmpty());
}

void TestGrid::twoClicksRestore()
{
    for (int column = 1; column <= 8; ++column) {
        for (int weight : WeightFromTop) {
            click(column, weight);
            QVERIFY(m_window->grid().isLit(column, weight));
            QCOMPARE(m_window->grid().dotState(column, weight), qint16(-1));
            click(column, weight);
            QCOMPARE(m_window->grid().dotState(column, weight), qint16(0));
            QCOMPARE(m_window->dotGrid()->label(column)->text(), QStringLiteral("0"));
        }
    }
    verifyInvariant(*m_window->dotGrid());
}

void TestGrid::clickTouchesOnlyItsColumn()
{
    for (int column = 1; column <= 8; ++column)
        click(column, 1 << (column - 1));
    const Protocol::ColumnPattern before = m_window->grid().columnValues();

    click(4, 64);
    Protocol::ColumnPattern expected = before;
    expected[3] ^= 64;
    QCOMPARE(m_window->grid().columnValues(), expected);
    verifyInvariant(*m_window->dotGrid());
}

void TestGrid::cellGeometry()
{
    // col1 is leftmost; rows from the top carry 16, 32, 64, 128, 1, 2, 4, 8; 24 px apart.
    const DotGrid &grid = *m_window->dotGrid();
    QCOMPARE(grid.cell(1, 16)->geometry(), QRect(24, 32, 18, 19));
    QCOMPARE(grid.cell(8, 8)->geometry(), QRect(24 + 7 * 24, 32 + 7 * 24, 18, 19));
    QCOMPARE(grid.cell(3, 1)->geometry().topLeft(), QPoint(24 + 2 * 24, 32 + 4 * 24));
    QCOMPARE(grid.cell(1, 16)->parentWidget()->objectName(), QStringLiteral("Frame1"));
    QCOMPARE(grid.cell(2, 4)->objectName(), QStringLiteral("col2"));
    QCOMPARE(grid.cell(2, 4)->property("Index").toInt(), 4);
    QCOMPARE(grid.label(3)->geometry(), QRect(80, 264, 25, 17));
}

void TestGrid::startPictureIsTheDarkPicture()
{
    // The built-in start picture is the dark dot, pixel for pixel, so the first Clear ALL or
    // second click changes nothing a user can see.
    const QImage dark(DotPictures::darkPath());
    QVERIFY(!dark.isNull());
    QCOMPARE(DotPictures::startPicture().toImage().convertToFormat(QImage::Format_RGB32),
             dark.convertToFormat(QImage::Format_RGB32));
}

void TestGrid::clearAll()
{
    for (int column = 1; column <= 8; ++column) {
        for (int weight : {16, 2, column == 3 ? 8 : 128})
            click(column, weight);
    }
    m_window->cmdCLR_Click();
    for (int column = 1; column <= 8; ++column)
        QCOMPARE(m_window->grid().columnValue(column), quint8(0));
    verifyInvariant(*m_window->dotGrid());

    // Clearing a clear grid is harmless, and the next click lights its cell.
    m_window->cmdCLR_Click();
    click(6, 32);
    QCOMPARE(m_window->dotGrid()->label(6)->text(), QStringLiteral("20"));
    verifyInvariant(*m_window->dotGrid());
}

void TestGrid::missingLitPicture()
{
    usePictures(false, true);
    click(2, 16);
    QCOMPARE(m_messages,
             QStringList{QStringLiteral("Cannot read picture file ") + DotPictures::litPath()});
    QCOMPARE(m_window->grid().columnValue(2), quint8(0));
    verifyInvariant(*m_window->dotGrid());
}

void TestGrid::missingDarkPicture()
{
    click(2, 16);
    click(7, 8);
    usePictures(true, false);
    const QString expected = QStringLiteral("Cannot read picture file ") + DotPictures::darkPath();

    click(2, 16); // a lit cell cannot go dark
    QCOMPARE(m_messages, QStringList{expected});
    QVERIFY(m_window->grid().isLit(2, 16));

    m_window->cmdCLR_Click(); // nothing is cleared, not even DotState
    QCOMPARE(m_messages, QStringList({expected, expected}));
    QVERIFY(m_window->grid().isLit(2, 16));
    QVERIFY(m_window->grid().isLit(7, 8));
    QCOMPARE(m_window->dotGrid()->label(7)->text(), QStringLiteral("8"));
    verifyInvariant(*m_window->dotGrid());

    click(3, 1); // lighting still works
    QVERIFY(m_window->grid().isLit(3, 1));
    verifyInvariant(*m_window->dotGrid());
}

void TestGrid::unreadablePicture()
{
    QFile lit(m_pictures.filePath(QStringLiteral("dotf.BMP")));
    QVERIFY(lit.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lit.write("this is not a picture");
    lit.close();

    click(1, 1);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().startsWith(QStringLiteral("Cannot read picture file /")));
    QCOMPARE(m_window->grid().columnValue(1), quint8(0));
    verifyInvariant(*m_window->dotGrid());
}

void TestGrid::pictureFolder_data()
{
    // Which pictures lie beside the program (lib/glyphsmith) and in the installed data folder
    // (share/glyphsmith), and which folder is read.
    QTest::addColumn<QStringList>("beside");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("chosen");
    const QStringList both{QStringLiteral("dotf.BMP"), QStringLiteral("dotb.JPG")};
    const QStringList none;
    QTest::newRow("build tree: beside the program") << both << none << "lib/glyphsmith";
    QTest::newRow("installed: in share") << none << both << "share/glyphsmith";
    QTest::newRow("both: the program's own first") << both << both << "lib/glyphsmith";
    QTest::newRow("one beside, both in share")
        << QStringList{QStringLiteral("dotf.BMP")} << both << "share/glyphsmith";
    QTest::newRow("neither: the program's own, to report") << none << none << "lib/glyphsmith";
    QTest::newRow("half in each: the program's own, to report")
        << QStringList{QStringLiteral("dotf.BMP")} << QStringList{QStringLiteral("dotb.JPG")}
        << "lib/glyphsmith";
    QTest::newRow("lit picture only in share: the program's own, to report")
        << none << QStringList{QStringLiteral("dotf.BMP")} << "lib/glyphsmith";
}

void TestGrid::pictureFolder()
{
    QFETCH(QStringList, beside);
    QFETCH(QStringList, installed);
    QFETCH(QString, chosen);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QDir usr(root.filePath(QStringLiteral("usr")));
    const auto place = [&usr](const QString &folder, const QStringList &names) {
        QVERIFY(usr.mkpath(folder));
        for (const QString &name : names) {
            QFile file(usr.filePath(folder + QLatin1Char('/') + name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    };
    place(QStringLiteral("lib/glyphsmith"), beside);
    place(QStringLiteral("share/glyphsmith"), installed);

    QCOMPARE(DotPictures::folderFor(usr.filePath(QStringLiteral("lib/glyphsmith"))),
             usr.filePath(chosen));
}

void TestGrid::pictureFolderInBuildTree()
{
    // The test, like the program, runs in build/bin, where the pictures are copied beside it.
    DotPictures::setFolder({});
    const QString own = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    QCOMPARE(DotPictures::folder(), own);
    QCOMPARE(DotPictures::darkPath(), own + QStringLiteral("/dotb.JPG"));
    click(4, 2);
    QVERIFY(m_window->grid().isLit(4, 2));
    QVERIFY(m_messages.isEmpty());
    verifyInvariant(*m_window->dotGrid());
}

// A click on the dot at each row, counted from the top on the screen, sets the column's bit the
// module expects for that row: the label and the bytes on the line, written out in hex.
void TestGrid::rowsFromTheTopOnTheLine_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("line");
    const char *bytes[] = {"FC 10 00 00 00 00 00 00 00", "FC 20 00 00 00 00 00 00 00",
                           "FC 40 00 00 00 00 00 00 00", "FC 80 00 00 00 00 00 00 00",
                           "FC 01 00 00 00 00 00 00 00", "FC 02 00 00 00 00 00 00 00",
                           "FC 04 00 00 00 00 00 00 00", "FC 08 00 00 00 00 00 00 00"};
    const char *labels[] = {"10", "20", "40", "80", "1", "2", "4", "8"};
    for (int row = 0; row < 8; ++row)
        QTest::addRow("row %d", row + 1)
            << row << QString::fromLatin1(labels[row]) << hex(bytes[row]);
}

void TestGrid::rowsFromTheTopOnTheLine()
{
    QFETCH(int, row);
    QFETCH(QString, label);
    QFETCH(QByteArray, line);
    Pty pty;
    mapPort(1, pty.slavePath());
    m_window->mnuCOM_Click(1);
    QVERIFY(m_window->serialPort().isOpen());
    // The first column's cells, from the top of the screen down.
    QList<DotCell *> cells;
    for (DotCell *cell : m_window->findChildren<DotCell *>()) {
        if (cell->column() == 1)
            cells.append(cell);
    }
    QCOMPARE(cells.size(), 8);
    std::sort(cells.begin(), cells.end(), [](DotCell *a, DotCell *b) { return a->y() < b->y(); });
    QTest::mouseClick(cells.at(row), Qt::LeftButton);
    QCOMPARE(m_window->dotGrid()->label(1)->text(), label);
    m_window->cmdDotM_Click();
    QCOMPARE(pty.read(int(line.size())), line);
    mapAllPortsToMissing();
}

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
