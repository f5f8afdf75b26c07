#include "characterscontroller.h"
#include "dotcell.h"
#include "dotgrid.h"
#include "dotpictures.h"
#include "editcontroller.h"
#include "editorsettings.h"
#include "formatchooser.h"
#include "framescontroller.h"
#include "frameseditor.h"
#include "frameswindow.h"
#include "frmmain.h"
#include "grideditor.h"
#include "imageimportdialog.h"
#include "librarycontroller.h"
#include "messagebox.h"
#include "patternimage.h"
#include "testsupport.h"
#include "textformats.h"
#include "transforms.h"
#include "undohistory.h"
#include "workspace.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSlider>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QWindow>

using namespace TestSupport;
using TextFormats::Format;

Q_DECLARE_METATYPE(Format)
Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(PatternImage::Fit)

namespace {

// The weight of a dot in its column's byte, top row first, as the module's documentation gives
// it; written out here so that a wrong table in the program cannot pass the tests.
constexpr std::array<quint8, 8> WeightFromTop = {0x10, 0x20, 0x40, 0x80, 0x01, 0x02, 0x04, 0x08};

Pattern gridPattern(const FrmMain &window)
{
    return Pattern::fromColumns(window.grid().columnValues());
}

// Lit pictures are red at the dot's centre, dark ones white.
bool showsLit(const DotCell *cell)
{
    const QColor centre = cell->pixmap().toImage().pixelColor(9, 12);
    return centre.red() > 200 && centre.green() < 120;
}

// Cells, DotState, ColumnValue and labels agree, as after clicks.
void verifyInvariant(const DotGrid &grid)
{
    for (int column = 1; column <= GridModel::Columns; ++column) {
        for (int weight : WeightFromTop) {
            const bool lit = grid.model().isLit(column, weight);
            QCOMPARE(grid.model().dotState(column, weight), qint16(lit ? -1 : 0));
            QCOMPARE(bool(grid.model().columnValue(column) & weight), lit);
            QCOMPARE(showsLit(grid.cell(column, weight)), lit);
            QCOMPARE(grid.cell(column, weight)->isLit(), lit);
        }
        QCOMPARE(grid.label(column)->text(),
                 QString::number(grid.model().columnValue(column), 16).toUpper());
    }
}

DotCell *cellAt(const FrmMain &window, int column, int row)
{
    return window.dotGrid()->cell(column, WeightFromTop[size_t(row)]);
}

// The centre of a cell in the frame's coordinates.
QPoint centreInFrame(const FrmMain &window, int column, int row)
{
    return cellAt(window, column, row)->geometry().center();
}

// Paste As answered by `answer`, which sees the readings offered and the one preselected.
void answerPasteAs(const std::function<std::optional<Format>(const QList<FormatChooser::Reading> &,
                                                             Format)> &answer)
{
    prompter().onDialog = [answer](QDialog &dialog) {
        auto *chooser = qobject_cast<FormatChooser *>(&dialog);
        if (!chooser)
            return int(QDialog::Rejected);
        const auto chosen = answer(chooser->readings(), chooser->chosen());
        if (!chosen)
            return int(QDialog::Rejected);
        chooser->choose(*chosen);
        return int(QDialog::Accepted);
    };
}

// Import Image answered by `answer`, which sets the dialog's controls; nothing: cancelled.
void answerImageImport(const std::function<bool(ImageImportDialog &)> &answer)
{
    prompter().onDialog = [answer](QDialog &dialog) {
        auto *import = qobject_cast<ImageImportDialog *>(&dialog);
        return import && answer(*import) ? int(QDialog::Accepted) : int(QDialog::Rejected);
    };
}
} // namespace

// Drawing on the grid with mouse and keys, undo and redo, transforms and the clipboard, down to
// the bytes on the line.
class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clickWithoutMovement();
    void quickClicksEachToggle_data();
    void quickClicksEachToggle();
    void dragStroke_data();
    void dragStroke();
    void keyboard();
    void accessibility();
    void contextMenuIsEditMenu();
    void randomEditsAgainstReference();
    void failedPictureKeepsUndo();
    void pasteToLine_data();
    void pasteToLine();
    void ambiguousBytesDefaultToLastChoice();
    void notAPatternChangesNothing_data();
    void notAPatternChangesNothing();
    void webEditorImages_data();
    void webEditorImages();
    void copyThenPaste_data();
    void copyThenPaste();
    void importImage();
    void importImageFit_data();
    void importImageFit();
    void importImageFitIsRemembered();

private:
    void press(int column, int row);
    void moveTo(int column, int row, QPoint offset = QPoint());
    void release();
    void usePictures(bool lit, bool dark);

    Pty *m_pty = nullptr;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    DotCell *m_pressed = nullptr;
    QTemporaryDir m_pictures;
    QStringList m_messages;
};

void TestEditing::initTestCase()
{
    useTemporarySettings();
}

void TestEditing::init()
{
    m_pty = startOnNewPty(&m_messages);
    usePictures(true, true);
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestEditing::cleanup()
{
    delete m_program;
    m_program = nullptr;
    delete m_pty;
    prompter().reset();
    prompter().onDialog = {};
}

void TestEditing::usePictures(bool lit, bool dark)
{
    const QString from = QCoreApplication::applicationDirPath();
    for (const char *name : {"dotf.BMP", "dotb.JPG"}) {
        const QString target = m_pictures.filePath(QLatin1String(name));
        QFile::remove(target);
        if (qstrcmp(name, "dotf.BMP") == 0 ? lit : dark)
            QVERIFY(QFile::copy(from + QLatin1Char('/') + QLatin1String(name), target));
    }
    DotPictures::setFolder(m_pictures.path());
}

void TestEditing::press(int column, int row)
{
    m_pressed = cellAt(*m_window, column, row);
    QTest::mousePress(m_pressed, Qt::LeftButton, {}, m_pressed->rect().center());
}

// A move as the pressed cell receives it while the button is held.
void TestEditing::moveTo(int column, int row, QPoint offset)
{
    const QPoint inFrame = centreInFrame(*m_window, column, row) + offset;
    const QPointF local = m_pressed->mapFrom(m_pressed->parentWidget(), inFrame);
    QMouseEvent move(QEvent::MouseMove, local, m_pressed->mapToGlobal(local), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_pressed, &move);
}

void TestEditing::release()
{
    QTest::mouseRelease(m_pressed, Qt::LeftButton, {}, m_pressed->rect().center());
}

void TestEditing::clickWithoutMovement()
{
    QTest::mouseClick(cellAt(*m_window, 3, 2), Qt::LeftButton);
    QCOMPARE(m_window->grid().columnValue(3), quint8(64));
    QCOMPARE(m_window->dotGrid()->label(3)->text(), QStringLiteral("40"));
    QUndoStack *stack = m_window->gridEditor()->undoStack();
    QCOMPARE(stack->count(), 1);
    QTest::mouseClick(cellAt(*m_window, 3, 2), Qt::LeftButton); // two quick clicks: two toggles
    QTest::mouseClick(cellAt(*m_window, 3, 2), Qt::LeftButton);
    QCOMPARE(m_window->grid().columnValue(3), quint8(64));
    QCOMPARE(stack->count(), 3);
    verifyInvariant(*m_window->dotGrid());
    m_window->gridEditor()->undo();
    QCOMPARE(m_window->grid().columnValue(3), quint8(0));
}

void TestEditing::quickClicksEachToggle_data()
{
    QTest::addColumn<QList<int>>("pressesMs"); // when each click's press comes
    QTest::addColumn<quint8>("column");        // the third column's byte afterwards
    QTest::newRow("two clicks 150 ms apart") << QList<int>{0, 150} << quint8(0);
    QTest::newRow("two clicks 30 ms apart") << QList<int>{0, 30} << quint8(0);
    QTest::newRow("three clicks 100 ms apart") << QList<int>{0, 100, 200} << quint8(64);
    QTest::newRow("four clicks 100 ms apart") << QList<int>{0, 100, 200, 300} << quint8(0);
    QTest::newRow("two clicks a second apart") << QList<int>{0, 1000} << quint8(0);
}

void TestEditing::quickClicksEachToggle()
{
    // Through the window system, as a mouse delivers them: the second press of a double click
    // reaches the widgets as a double click, not as a press.
    QFETCH(QList<int>, pressesMs);
    QFETCH(quint8, column);
    QVERIFY(QGuiApplication::styleHints()->mouseDoubleClickInterval() > 150);
    QWindow *window = m_window->windowHandle();
    const DotCell *cell = cellAt(*m_window, 3, 2);
    const QPointF local = window->mapFromGlobal(cell->mapToGlobal(cell->rect().center()));
    const QPointF global = window->mapToGlobal(local.toPoint());
    // Past any time QTest used, so that no earlier click counts as the first of a double click.
    static int start = 1'000'000;
    start += 100'000;
    int dblClicks = 0;
    struct Counter : QObject
    {
        int *count;
        explicit Counter(int *c)
            : count(c)
        {}
        bool eventFilter(QObject *, QEvent *event) override
        {
            *count += event->type() == QEvent::MouseButtonDblClick;
            return false;
        }
    } counter(&dblClicks);
    const_cast<DotCell *>(cell)->installEventFilter(&counter);
    for (int ms : pressesMs) {
        qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton,
                            QEvent::MouseButtonPress, {}, start + ms);
        qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton,
                            QEvent::MouseButtonRelease, {}, start + ms + 20);
    }
    QCoreApplication::processEvents();
    if (pressesMs.size() > 1 && pressesMs.at(1) < 400)
        QVERIFY(dblClicks > 0); // the case that went wrong: a double click arrived
    QCOMPARE(m_window->grid().columnValue(3), column);
    QCOMPARE(m_window->undoHistory()->grid()->count(), pressesMs.size());
    verifyInvariant(*m_window->dotGrid());
}

void TestEditing::dragStroke_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QList<QPoint>>("path"); // pressed cell first, then one move per point
    QTest::addColumn<QString>("after");
    const QString clear = QStringLiteral("........\n").repeated(8);
    QTest::newRow("along the top row, one move")
        << clear << QList<QPoint>{{1, 0}, {8, 0}}
        << "########\n" + QStringLiteral("........\n").repeated(7);
    QTest::newRow("corner to corner, one move")
        << clear << QList<QPoint>{{1, 0}, {8, 7}}
        << "#.......\n.#......\n..#.....\n...#....\n....#...\n.....#..\n......#.\n.......#\n";
    QTest::newRow("down the third column and back")
        << clear << QList<QPoint>{{3, 0}, {3, 7}, {3, 3}}
        << QStringLiteral("..#.....\n").repeated(8);
    QTest::newRow("an L in two moves") << clear << QList<QPoint>{{1, 0}, {1, 7}, {8, 7}}
                                       << QStringLiteral("#.......\n").repeated(7) + "########\n";
    QTest::newRow("starting on a lit dot erases")
        << QStringLiteral("########\n").repeated(8) << QList<QPoint>{{2, 1}, {7, 1}}
        << "########\n#......#\n" + QStringLiteral("########\n").repeated(6);
}

void TestEditing::dragStroke()
{
    QFETCH(QString, before);
    QFETCH(QList<QPoint>, path);
    QFETCH(QString, after);
    GridEditor *editor = m_window->gridEditor();
    QVERIFY(editor->setPattern(*TextFormats::parse(before, Format::TextArt).pattern,
                               QStringLiteral("Set")));
    const int steps = editor->undoStack()->count();

    press(path.first().x(), path.first().y());
    for (const QPoint &point : path.mid(1))
        moveTo(point.x(), point.y());
    release();
    QCOMPARE(TextFormats::write(gridPattern(*m_window), Format::TextArt), after);
    verifyInvariant(*m_window->dotGrid());
    QCOMPARE(editor->undoStack()->count(), steps + 1); // the whole stroke is one step
    editor->undo();
    QCOMPARE(TextFormats::write(gridPattern(*m_window), Format::TextArt), before);
    editor->redo();
    QCOMPARE(TextFormats::write(gridPattern(*m_window), Format::TextArt), after);
    QVERIFY(m_messages.isEmpty());
}

void TestEditing::keyboard()
{
    // The grid's focus stop comes after the last control and before the first.
    QWidget *arrow = m_window->findChild<QWidget *>(QStringLiteral("cmdLeftArrow"));
    arrow->setFocus();
    QTest::keyClick(arrow, Qt::Key_Tab);
    QWidget *grid = QApplication::focusWidget();
    QCOMPARE(grid, m_window->dotGrid()->focusWidget());

    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down,
                        Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down})
        QTest::keyClick(grid, key);
    QTest::keyClick(grid, Qt::Key_Space);
    // Column 4, row 3 from the top: weight 64.
    QCOMPARE(m_window->grid().columnValues(), (Protocol::ColumnPattern{0, 0, 0, 64, 0, 0, 0, 0}));
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(m_window->grid().columnValue(4), quint8(64 + 32));
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(m_window->grid().columnValue(4), quint8(64));
    // Arrows stop at the edges.
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(m_window->dotGrid()->focusColumn(), 1);
    verifyInvariant(*m_window->dotGrid());
    QCOMPARE(m_window->gridEditor()->undoStack()->count(), 3);
    // Undo by key.
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_window->grid().columnValue(4), quint8(64 + 32));
}

void TestEditing::accessibility()
{
    DotCell *cell = cellAt(*m_window, 5, 2);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(cell);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Row 3, column 5"));
    QCOMPARE(accessible->role(), QAccessible::CheckBox);
    QVERIFY(accessible->state().checkable);
    QVERIFY(!accessible->state().checked);
    QTest::mouseClick(cell, Qt::LeftButton);
    QVERIFY(accessible->state().checked);
    // An assistive tool's toggle is a click.
    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!accessible->state().checked);
    QCOMPARE(m_window->grid().columnValue(5), quint8(0));
    QCOMPARE(m_window->gridEditor()->undoStack()->count(), 2);
}

void TestEditing::contextMenuIsEditMenu()
{
    DotCell *cell = cellAt(*m_window, 2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, cell->rect().center(),
                            cell->mapToGlobal(cell->rect().center()));
    QApplication::sendEvent(cell, &event);
    QMenu *edit = m_program->edit().menu();
    QTRY_VERIFY(edit->isVisible());
    QVERIFY(edit->findChild<QAction *>(QStringLiteral("mnuUndo")));
    edit->close();
}

void TestEditing::randomEditsAgainstReference()
{
    // The reference: every pattern the grid has shown as a step, and where undo stands.
    QList<Pattern> history{Pattern()};
    int current = 0;
    const auto changed = [&](const Pattern &pattern) {
        if (pattern == history.at(current))
            return;
        history.resize(current + 1);
        history.append(pattern);
        ++current;
    };
    QRandomGenerator random(1313);
    GridEditor *editor = m_window->gridEditor();
    Workspace *workbench = m_program;
    for (int step = 0; step < 400; ++step) {
        Pattern expected = history.at(current);
        switch (random.bounded(8)) {
        case 0:
        case 1: {
            const int column = int(random.bounded(8)) + 1;
            const int row = int(random.bounded(8));
            QTest::mouseClick(cellAt(*m_window, column, row), Qt::LeftButton);
            expected.setDot(row, column - 1, !expected.dot(row, column - 1));
            changed(expected);
            break;
        }
        case 2: {
            const int row = int(random.bounded(8));
            const bool lit = !expected.dot(row, 0);
            press(1, row);
            moveTo(8, row);
            release();
            for (int column = 0; column < 8; ++column)
                expected.setDot(row, column, lit);
            changed(expected);
            break;
        }
        case 3: {
            const Transform transform = AllTransforms[random.bounded(int(AllTransforms.size()))];
            workbench->edit().applyTransform(transform);
            changed(transformed(expected, transform));
            break;
        }
        case 4: {
            const Pattern pasted = Pattern::fromBits(random.generate64());
            QVERIFY(workbench->edit().pasteText(TextFormats::write(pasted, Format::Integer64)));
            changed(pasted);
            break;
        }
        case 5:
            if (random.bounded(4) == 0) {
                m_window->cmdCLR_Click();
                changed(Pattern());
            }
            break;
        case 6:
            editor->undo();
            current = std::max(0, current - 1);
            break;
        case 7:
            editor->redo();
            current = std::min(int(history.size()) - 1, current + 1);
            break;
        }
        QCOMPARE(gridPattern(*m_window).bits(), history.at(current).bits());
        QCOMPARE(editor->undoStack()->index(), current);
        QCOMPARE(editor->undoStack()->count(), history.size() - 1);
    }
    verifyInvariant(*m_window->dotGrid());
    QVERIFY(m_messages.isEmpty());
}

void TestEditing::failedPictureKeepsUndo()
{
    GridEditor *editor = m_window->gridEditor();
    QTest::mouseClick(cellAt(*m_window, 1, 0), Qt::LeftButton);
    m_window->cmdCLR_Click();
    usePictures(true, false);
    editor->undo(); // lights the dot again: only the lit picture is needed
    QCOMPARE(m_window->grid().columnValue(1), quint8(16));
    editor->undo(); // darkens it: the dark picture is missing
    QCOMPARE(m_messages,
             QStringList{QStringLiteral("Cannot read picture file ") + DotPictures::darkPath()});
    QCOMPARE(m_window->grid().columnValue(1), quint8(16));
    QCOMPARE(editor->undoStack()->index(), 1);
    m_program->edit().applyTransform(Transform::Invert);
    QCOMPARE(m_window->grid().columnValue(1), quint8(16));
    QCOMPARE(editor->undoStack()->count(), 2);
    verifyInvariant(*m_window->dotGrid());
    usePictures(true, true);
    editor->undo();
    QCOMPARE(m_window->grid().columnValue(1), quint8(0));
    verifyInvariant(*m_window->dotGrid());
}

void TestEditing::pasteToLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Format>("answer"); // for the format chooser, should it ask
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("Arduino heart")
        << "byte heart[8] = {B00000000, B01100110, B11111111, B11111111, B01111110, B00111100, "
           "B00011000, B00000000};"
        << Format::ModuleBytes << hex("FC C0 E1 E3 C7 C7 E3 E1 C0");
    QTest::newRow("web editor face")
        << "0x3c4281a5a599423c" << Format::ModuleBytes << hex("FC C3 24 99 58 58 99 24 C3");
    QTest::newRow("bare bytes taken as rows")
        << "80 00 00 00 00 00 00 00" << Format::RowBytes << hex("FC 10 00 00 00 00 00 00 00");
    QTest::newRow("bare bytes taken as module bytes")
        << "80 00 00 00 00 00 00 00" << Format::ModuleBytes << hex("FC 80 00 00 00 00 00 00 00");
    QTest::newRow("text art, bottom right")
        << "........\n........\n........\n........\n........\n........\n........\n.......#"
        << Format::ModuleBytes << hex("FC 00 00 00 00 00 00 00 08");
}

void TestEditing::pasteToLine()
{
    QFETCH(QString, text);
    QFETCH(Format, answer);
    QFETCH(QByteArray, line);
    answerPasteAs([&](const QList<FormatChooser::Reading> &, Format) { return answer; });
    QApplication::clipboard()->setText(text);
    m_window->findChild<QAction *>(QStringLiteral("mnuPaste"))->trigger();
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdDotM")),
                      Qt::LeftButton);
    QCOMPARE(m_pty->read(int(line.size())), line);
    verifyInvariant(*m_window->dotGrid());
    QCOMPARE(m_window->gridEditor()->undoStack()->undoText(), QStringLiteral("Paste"));
}

void TestEditing::ambiguousBytesDefaultToLastChoice()
{
    QList<Format> offered;
    Format preferred = Format::TextArt;
    answerPasteAs([&](const QList<FormatChooser::Reading> &readings, Format p) {
        offered.clear();
        for (const auto &reading : readings)
            offered.append(reading.format);
        preferred = p;
        return std::optional<Format>(Format::RowBytes);
    });
    Workspace *workbench = m_program;
    QVERIFY(workbench->edit().pasteText(QStringLiteral("01 00 00 00 00 00 00 00")));
    QCOMPARE(offered, (QList<Format>{Format::ModuleBytes, Format::RowBytes}));
    QCOMPARE(preferred, Format::ModuleBytes); // nothing chosen before
    QVERIFY(workbench->edit().pasteText(QStringLiteral("02 00 00 00 00 00 00 00")));
    QCOMPARE(preferred, Format::RowBytes);
    // Cancelling the choice changes nothing.
    answerPasteAs([](const auto &, Format) { return std::optional<Format>(); });
    QVERIFY(!workbench->edit().pasteText(QStringLiteral("04 00 00 00 00 00 00 00")));
    QCOMPARE(gridPattern(*m_window).rows()[0], quint8(0x02));
}

void TestEditing::notAPatternChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("seven bytes")
        << "10 00 00 00 00 00 00"
        << "Nothing was pasted: the text on the clipboard is not a pattern, as there are 7 "
           "numbers; eight hex bytes were expected.";
    QTest::newRow("words") << "hello world"
                           << "Nothing was pasted: no pattern was found in the text on the "
                              "clipboard.";
    QTest::newRow("one number in a list")
        << "[0x18]"
        << "Nothing was pasted: the text on the clipboard is not a pattern, as there is 1 "
           "number between [ and ]; a pattern is 8 rows.";
    QTest::newRow("one line of art") << "#..##..#"
                                     << "Nothing was pasted: the text on the clipboard is not a "
                                        "pattern, as there is 1 line; text art is 8 lines of 8 "
                                        "dots.";
}

void TestEditing::notAPatternChangesNothing()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QTest::mouseClick(cellAt(*m_window, 2, 2), Qt::LeftButton);
    const auto before = m_window->grid().columnValues();
    QApplication::clipboard()->setText(text);
    m_window->findChild<QAction *>(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(m_messages, QStringList{message});
    QCOMPARE(m_window->grid().columnValues(), before);
    QCOMPARE(m_window->gridEditor()->undoStack()->count(), 1);
}

// The web editor's IMAGES block: a new animation of the library, the first picture, or nothing.
void TestEditing::webEditorImages_data()
{
    QTest::addColumn<std::optional<int>>("answer");
    QTest::addColumn<QStringList>("animations");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("steps");
    const QByteArray face = hex("FC C3 24 99 58 58 99 24 C3");
    // The Frames window then opens on the new animation: a step of the Frames window's own.
    QTest::newRow("added as an animation") << std::optional<int>(0) << QStringList{"IMAGES"} << face
                                           << QStringList{"Paste animation \"IMAGES\""};
    QTest::newRow("the first picture") << std::optional<int>(1) << QStringList{} << face
                                       << QStringList{"Paste the first of 3 pictures"};
    QTest::newRow("cancelled") << std::optional<int>() << QStringList{}
                               << hex("FC 00 00 00 00 00 00 00 00") << QStringList{};
}

void TestEditing::webEditorImages()
{
    QFETCH(std::optional<int>, answer);
    QFETCH(QStringList, animations);
    QFETCH(QByteArray, line);
    QFETCH(QStringList, steps);
    QStringList asked;
    prompter().onChoice = [&](const QString &text, const QString &detail,
                              const QStringList &choices) {
        asked << text << detail << choices;
        return answer;
    };
    QApplication::clipboard()->setText(
        QStringLiteral("const uint64_t IMAGES[] = {\n  0x3c4281a5a599423c,\n  0x0000000000000001,\n"
                       "  0xff000000000000ff\n};\nconst int IMAGES_LEN = sizeof(IMAGES)/8;\n"));
    m_window->findChild<QAction *>(QStringLiteral("mnuPaste"))->trigger();

    QVERIFY(m_messages.isEmpty());
    QCOMPARE(asked.size(), 4);
    QVERIFY2(asked.at(0).contains(QLatin1String("3 pictures")), qPrintable(asked.at(0)));
    QVERIFY2(asked.at(1).contains(QLatin1String("\"IMAGES\"")), qPrintable(asked.at(1)));
    QCOMPARE(asked.mid(2), (QStringList{"Add as &Animation", "Paste the &First Picture"}));
    Workspace *workbench = m_program;
    QStringList names;
    for (const Animation &animation : workbench->frames().framesEditor()->animations())
        names.append(animation.name);
    QCOMPARE(names, animations);
    if (!animations.isEmpty()) {
        const QList<Frame> frames =
            workbench->frames().framesEditor()->animations().constFirst().frames;
        QCOMPARE(frames.size(), 3);
        QCOMPARE(frames.at(1).pattern.columns(),
                 (Protocol::ColumnPattern{0x10, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(frames.at(2).durationMs, Frames::DefaultDurationMs);
        // The Frames window shows the new animation, its first frame on the grid.
        QVERIFY(workbench->frames().framesWindow()->isVisible());
        QCOMPARE(workbench->frames().framesEditor()->currentAnimation(), 0);
    }
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdDotM")),
                      Qt::LeftButton);
    QCOMPARE(m_pty->read(int(line.size())), line);
    // The animation is the Frames window's step; the first picture alone the grid's.
    const QUndoStack *stack =
        animations.isEmpty() ? m_window->undoHistory()->grid() : m_window->undoHistory()->frames();
    QStringList done;
    for (int i = 0; i < stack->index(); ++i)
        done.append(stack->text(i));
    QCOMPARE(done, steps);
}

void TestEditing::copyThenPaste_data()
{
    QTest::addColumn<Format>("format");
    for (Format format : TextFormats::AllFormats)
        QTest::newRow(qPrintable(TextFormats::id(format))) << format;
}

void TestEditing::copyThenPaste()
{
    QFETCH(Format, format);
    // The program's own copy pastes back without asking which reading is meant.
    bool asked = false;
    answerPasteAs([&](const auto &, Format) {
        asked = true;
        return std::optional<Format>();
    });
    const Pattern drawn = Pattern::fromBits(0x1824'4281'8142'2418);
    QVERIFY(m_window->gridEditor()->setPattern(drawn, QStringLiteral("Draw")));
    m_window->findChild<QAction *>(QStringLiteral("mnuCopyAs-") + TextFormats::id(format))
        ->trigger();
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), TextFormats::write(drawn, format));
    const QImage image = qvariant_cast<QImage>(copied->imageData());
    QCOMPARE(PatternImage::threshold(PatternImage::levels(image)).bits(), drawn.bits());

    m_window->cmdCLR_Click();
    m_window->findChild<QAction *>(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(gridPattern(*m_window).bits(), drawn.bits());
    QVERIFY(!asked);
    // The picture alone pastes too, without asking for a threshold: its dots are crisp.
    m_window->cmdCLR_Click();
    QApplication::clipboard()->setImage(image);
    m_window->findChild<QAction *>(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(gridPattern(*m_window).bits(), drawn.bits());
    QVERIFY(m_messages.isEmpty());
}

void TestEditing::importImage()
{
    // Eight grey bars, black on the left to light grey on the right.
    QImage bars(80, 80, QImage::Format_RGB32);
    for (int x = 0; x < 80; ++x) {
        for (int y = 0; y < 80; ++y)
            bars.setPixel(x, y, qRgb(x / 10 * 32, x / 10 * 32, x / 10 * 32));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bars.png"));
    QVERIFY(bars.save(path));
    int threshold = 50;
    bool lightIsLit = false;
    answerImageImport([&](ImageImportDialog &dialog) {
        const QPixmap before = dialog.preview();
        dialog.thresholdSlider()->setValue(threshold);
        dialog.lightIsLitBox()->setChecked(lightIsLit);
        return dialog.preview().toImage() != before.toImage(); // the preview followed
    });
    QVERIFY(m_program->edit().importImageFile(path));
    for (quint8 row : gridPattern(*m_window).rows())
        QCOMPARE(row, quint8(0xC0));
    threshold = 40;
    lightIsLit = true;
    QVERIFY(m_program->edit().importImageFile(path));
    QCOMPARE(gridPattern(*m_window).rows()[7], quint8(0x3F));
    QCOMPARE(m_window->gridEditor()->undoStack()->undoText(), QStringLiteral("Import Image"));

    // A picture too large to decode changes nothing and says why.
    const QString huge = dir.filePath(QStringLiteral("huge.pgm"));
    QFile file(huge);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("P5\n20000 20000\n255\n");
    file.close();
    const auto before = m_window->grid().columnValues();
    QVERIFY(!m_program->edit().importImageFile(huge));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(huge) && m_messages.first().contains("20000 x 20000"),
             qPrintable(m_messages.first()));
    QCOMPARE(m_window->grid().columnValues(), before);
    prompter().onDialog = {};
}

namespace {
// Twice as wide as high, black in its left quarter: each fit makes another pattern of it.
QImage leftQuarterBlack()
{
    QImage image(32, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    }
    return image;
}
} // namespace

void TestEditing::importImageFit_data()
{
    QTest::addColumn<PatternImage::Fit>("fit");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("kept whole") << PatternImage::Fit::KeepAspect
                                << hex("FC C3 C3 00 00 00 00 00 00");
    QTest::newRow("cropped") << PatternImage::Fit::Crop << hex("FC 00 00 00 00 00 00 00 00");
    QTest::newRow("stretched") << PatternImage::Fit::Stretch << hex("FC FF FF 00 00 00 00 00 00");
}

// The fit chosen last comes to the picture imported next, down to the bytes on the line.
void TestEditing::importImageFit()
{
    QFETCH(PatternImage::Fit, fit);
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.png"));
    QVERIFY(leftQuarterBlack().save(path));
    EditorSettings::setImageFit(fit);
    answerImageImport([](ImageImportDialog &) { return true; });
    QVERIFY(m_program->edit().importImageFile(path));
    prompter().onDialog = {};
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdDotM")),
                      Qt::LeftButton);
    QCOMPARE(m_pty->read(int(line.size())), line);
}

// The dialog offers the three fits for a picture that is not square, starts on the one taken
// last, and remembers the one accepted in [Workbench].
void TestEditing::importImageFitIsRemembered()
{
    using Fit = PatternImage::Fit;
    EditorSettings::setImageFit(Fit::Stretch);
    {
        ImageImportDialog dialog(leftQuarterBlack(), QStringLiteral("wide.png"));
        QVERIFY(dialog.fitButton(Fit::Stretch)->isChecked());
        QCOMPARE(dialog.pattern().rows()[3], quint8(0xC0));
        const QImage before = dialog.preview().toImage();
        dialog.fitButton(Fit::KeepAspect)->click();
        QCOMPARE(dialog.pattern().rows()[0], quint8(0));
        QCOMPARE(dialog.pattern().rows()[3], quint8(0xC0));
        QVERIFY(dialog.preview().toImage() != before); // the preview follows
        // Light parts lit: the dots beside the picture stay dark.
        dialog.lightIsLitBox()->setChecked(true);
        QCOMPARE(dialog.pattern().rows()[0], quint8(0));
        QCOMPARE(dialog.pattern().rows()[3], quint8(0x3F));
        dialog.reject();
    }
    QCOMPARE(EditorSettings::imageFit(), Fit::Stretch); // cancelled: nothing remembered
    {
        ImageImportDialog dialog(leftQuarterBlack(), QStringLiteral("wide.png"));
        dialog.fitButton(Fit::Crop)->click();
        dialog.accept();
    }
    QCOMPARE(EditorSettings::imageFit(), Fit::Crop);
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Kaldor8x8", "Kaldor8x8");
    QCOMPARE(settings.value(QStringLiteral("Workbench/ImageFit")).toString(),
             QStringLiteral("crop"));
    // A square picture looks the same every way: nothing to choose.
    QImage square(16, 16, QImage::Format_RGB32);
    square.fill(Qt::white);
    ImageImportDialog dialog(square, QStringLiteral("square.png"));
    QVERIFY(!dialog.fitButton(Fit::Crop)->isEnabled());
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
