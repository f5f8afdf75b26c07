#include "appstyle.h"
#include "frmmain.h"
#include "messagebox.h"
#include "startup.h"
#include "workspace.h"
#include "testsupport.h"
#include "windowstyle.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImageReader>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace {

// The image format plugins this process has loaded, by file name.
QStringList loadedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(cannot read /proc/self/maps)")};
    QStringList plugins;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const qsizetype at = line.indexOf("/imageformats/");
        if (at < 0)
            continue;
        const QString name = QString::fromLocal8Bit(line.mid(at + 14));
        if (!plugins.contains(name))
            plugins.append(name);
    }
    return plugins;
}

QImage rendered(QWidget &widget)
{
    return widget.grab().toImage();
}

} // namespace

class TestAppStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    // Runs first: it needs a process that has not read any picture yet.
    void startUpLoadsNoImageFormatPlugin();
    void groupBoxFrameAsThePlatformStyleDrawsIt_data();
    void groupBoxFrameAsThePlatformStyleDrawsIt();
    void menuBarChevronAsThePlatformStyleHasIt_data();
    void menuBarChevronAsThePlatformStyleHasIt();
    void appIconDrawnAtEverySize_data();
    void appIconDrawnAtEverySize();

private:
    std::unique_ptr<QStyle> m_appStyle;
    // The platform's style on its own (a proxy's base style would call back into the proxy).
    std::unique_ptr<QStyle> m_platformStyle;
};

void TestAppStyle::initTestCase()
{
    useTemporarySettings();
    clearSettings();
    mapAllPortsToMissing();
    m_appStyle.reset(createAppStyle());
    const QString platformStyle = static_cast<QProxyStyle *>(m_appStyle.get())->baseStyle()->name();
    m_platformStyle.reset(QStyleFactory::create(platformStyle));
    QVERIFY(m_platformStyle);
}

void TestAppStyle::startUpLoadsNoImageFormatPlugin()
{
    QVERIFY2(loadedImagePlugins().isEmpty(), qPrintable(loadedImagePlugins().join(u' ')));
    QStringList messages;
    prompter().onMessage = [&messages](QWidget *, const QString &text) { messages.append(text); };
    const auto program = startProgram(prompter());
    prompter().reset();
    // The whole window drawn once, menu bar and frames included, as at its first expose.
    QVERIFY(!rendered(program->window()).isNull());

    // Every picture shown at start-up is read as the PNG it is, without asking each installed
    // format plugin whether it knows the file: no plugin is loaded at all.
    QCOMPARE(loadedImagePlugins(), QStringList());
    QCOMPARE(messages.size(), 1); // COM1 is mapped to a missing device
    QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
}

void TestAppStyle::groupBoxFrameAsThePlatformStyleDrawsIt_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("checkable");
    QTest::newRow("titled") << QStringLiteral("DOT MATRIX") << false;
    QTest::newRow("untitled") << QString() << false;
    QTest::newRow("checkable, untitled") << QString() << true;
}

void TestAppStyle::groupBoxFrameAsThePlatformStyleDrawsIt()
{
    QFETCH(QString, title);
    QFETCH(bool, checkable);
    QGroupBox ours(title), theirs(title);
    ours.setStyle(m_appStyle.get());
    theirs.setStyle(m_platformStyle.get());
    for (QGroupBox *box : {&ours, &theirs}) {
        box->setCheckable(checkable);
        box->setFont(dialogFont());
        box->resize(233, 105);
    }
    QCOMPARE(rendered(ours), rendered(theirs));
}

void TestAppStyle::menuBarChevronAsThePlatformStyleHasIt_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("left to right") << Qt::LeftToRight;
    QTest::newRow("right to left") << Qt::RightToLeft;
}

void TestAppStyle::menuBarChevronAsThePlatformStyleHasIt()
{
    QFETCH(Qt::LayoutDirection, direction);
    QStyleOption option;
    option.direction = direction;
    constexpr auto chevron = QStyle::SP_ToolBarHorizontalExtensionButton;
    for (int size : {8, 16, 32}) {
        const QImage ours = m_appStyle->standardIcon(chevron, &option).pixmap(size, size).toImage();
        QVERIFY(!ours.isNull());
        QCOMPARE(ours,
                 m_platformStyle->standardIcon(chevron, &option).pixmap(size, size).toImage());
    }
}

void TestAppStyle::appIconDrawnAtEverySize_data()
{
    // Window managers draw a window's icon at 64 pixels or less; X is offered only those, which
    // it reads as the window is created. Launchers take the larger ones from the icon theme.
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("offeredToWindows");
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(size))) << size << (size <= 64);
}

void TestAppStyle::appIconDrawnAtEverySize()
{
    QFETCH(int, size);
    QFETCH(bool, offeredToWindows);
    const QIcon icon = appIcon();
    QCOMPARE(icon.availableSizes().contains(QSize(size, size)), offeredToWindows);

    // The picture drawn for this size, not one scaled from another.
    const QImage image = icon.pixmap(QSize(size, size)).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    QImageReader reader(QStringLiteral(":/icons/glyphsmith-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    QCOMPARE(image.convertToFormat(QImage::Format_ARGB32_Premultiplied),
             reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied));

    // The heart: the dot in row 3, column 1 is lit and the top left one dark, each seen at the
    // middle of its cell of size / 8 pixels.
    const auto at = [&image, size](int row, int column) {
        return image.pixelColor(column * size / 8 + size / 16, row * size / 8 + size / 16);
    };
    const QColor lit = at(2, 0);
    QVERIFY2(lit.red() > 200 && lit.green() < 140, qPrintable(lit.name()));
    const QColor dark = at(0, 0);
    QVERIFY2(dark.red() < 120, qPrintable(dark.name()));
    const QColor litBottom = at(6, 3);
    QVERIFY2(litBottom.red() > 200 && litBottom.green() < 140, qPrintable(litBottom.name()));
    const QColor darkBottom = at(7, 3);
    QVERIFY2(darkBottom.red() < 120, qPrintable(darkBottom.name()));
}

QTEST_MAIN(TestAppStyle)
#include "tst_appstyle.moc"
