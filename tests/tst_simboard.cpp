#include "ledboard.h"
#include "testsupport.h"

#include <QApplication>
#include <QTest>

using TestSupport::hex;

// The window of the simulated module: which LED lights for which bit.
class TestSimBoard : public QObject
{
    Q_OBJECT

private slots:
    void leds_data();
    void leds();
};

void TestSimBoard::leds_data()
{
    QTest::addColumn<QByteArray>("columns");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("picture");

    QTest::newRow("top left") << hex("10 00 00 00 00 00 00 00") << QSize(300, 300)
                              << QStringList{"#.......", "........", "........", "........",
                                             "........", "........", "........", "........"};
    QTest::newRow("weights down column 1")
        << hex("10 20 40 80 01 02 04 08") << QSize(300, 300)
        << QStringList{"#.......", ".#......", "..#.....", "...#....",
                       "....#...", ".....#..", "......#.", ".......#"};
    QTest::newRow("command values in a wide window")
        << hex("F0 FE 00 00 00 00 00 0F") << QSize(500, 240)
        << QStringList{"##......", "##......", "##......", "##......",
                       ".......#", ".#.....#", ".#.....#", ".#.....#"};
}

void TestSimBoard::leds()
{
    QFETCH(QByteArray, columns);
    QFETCH(QSize, size);
    QFETCH(QStringList, picture);

    LedBoard board;
    QCOMPARE(board.windowTitle(), QStringLiteral("Kaldor8x8 module (simulated)"));
    Protocol::ColumnPattern pattern{};
    std::copy(columns.begin(), columns.end(), pattern.begin());
    board.setPattern(Pattern::fromColumns(pattern));
    board.resize(size);
    const QImage image = board.grab().toImage();
    QCOMPARE(image.size(), size);

    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const QRectF led = LedBoard::ledRect(row, column, size);
            QVERIFY(QRectF(QPointF(0, 0), QSizeF(size)).contains(led));
            const QColor colour = image.pixelColor(led.center().toPoint());
            const bool lit = picture[row][column] == '#';
            const QString where =
                QStringLiteral("row %1 column %2: %3").arg(row).arg(column).arg(colour.name());
            // Lit: bright red; dark: a dim red that is still an LED, not the board.
            QVERIFY2(lit ? colour.red() > 200 && colour.green() < 140
                         : colour.red() < 100 && colour.red() > colour.green(),
                     qPrintable(where));
        }
    }
}

QTEST_MAIN(TestSimBoard)
#include "tst_simboard.moc"
