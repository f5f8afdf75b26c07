#include "bankdocument.h"
#include "characterscontroller.h"
#include "characterswindow.h"
#include "editcontroller.h"
#include "editorsettings.h"
#include "framescontroller.h"
#include "frameseditor.h"
#include "frameswindow.h"
#include "frmmain.h"
#include "grideditor.h"
#include "gridmodel.h"
#include "librarycontroller.h"
#include "librarydocument.h"
#include "librarywindow.h"
#include "messagebox.h"
#include "patternlibrary.h"
#include "shortcutswindow.h"
#include "testsupport.h"
#include "undoactions.h"
#include "undohistory.h"
#include "workspace.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <QUndoStack>

using namespace TestSupport;

namespace {

QStringList names(const LibraryDocument &document)
{
    QStringList result;
    for (const NamedPattern &named :
         const_cast<LibraryDocument &>(document).model()->library().patterns)
        result.append(named.name);
    return result;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The pattern library: its window, its files through the Pattern menu, and never losing
// changes without asking.
class TestLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void starterSetFirst();
    void addReplaceDelete();
    void renameRefused_data();
    void renameRefused();
    void renameKeepsWhatWasTyped();
    void copyAndPaste_data();
    void copyAndPaste();
    void copyKeyCopiesPatterns();
    void toolBarShowsEveryButton();
    void openedLibraryStartsAtTheTop();
    void reorder_data();
    void reorder();
    void filterByName();
    void loadIsOneUndoStep();
    void editsAreUndoSteps_data();
    void editsAreUndoSteps();
    void undoKeysInEveryWindow_data();
    void undoKeysInEveryWindow();
    void sendAsSendDotMatrix();
    void saveOpenAndRecent();
    void saveProposesAName_data();
    void saveProposesAName();
    void badFileLeavesLibrary_data();
    void badFileLeavesLibrary();
    void closeWithChanges_data();
    void closeWithChanges();
    void programCloseAsks();
    void shortcutsListed();

private:
    QAction *action(const char *name)
    {
        return m_window->findChild<QAction *>(QLatin1String(name));
    }
    LibraryDocument *document() { return m_program->library().document(); }
    void chooseFile(const QString &path) { m_nextFile = path; }

    Pty *m_pty = nullptr;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    LibraryWindow *m_library = nullptr;
    QTemporaryDir m_dir;
    QStringList m_messages;
    QString m_nextFile;
    QStringList m_asked;
    SaveQuestion::Answer m_answer = SaveQuestion::Answer::Cancel;
};

void TestLibrary::initTestCase()
{
    useTemporarySettings();
}

void TestLibrary::init()
{
    m_pty = startOnNewPty(&m_messages);
    m_asked.clear();
    m_nextFile.clear();
    prompter().onSave = [this](QWidget *, const QString &document) {
        m_asked.append(document);
        return m_answer;
    };
    prompter().onFile = [this](FileChooser::Purpose, const QString &, const QStringList &filters) {
        return FileChooser::Choice{m_nextFile, filters.value(0)};
    };
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    m_program->library().showLibrary();
    m_library = m_program->library().libraryWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_library));
}

void TestLibrary::cleanup()
{
    delete m_program;
    m_program = nullptr;
    delete m_pty;
    prompter().reset();
}

void TestLibrary::starterSetFirst()
{
    QVERIFY(document()->model()->rowCount() >= 20);
    QVERIFY(names(*document()).contains(QStringLiteral("Heart")));
    QVERIFY(!document()->isModified());
    QCOMPARE(m_library->windowTitle(), QStringLiteral("Pattern Library - Starter set[*]"));
    QVERIFY(m_library->isWindow());
    QVERIFY(m_library->view()->indexAt(QPoint(10, 10)).isValid()); // thumbnails laid out
}

void TestLibrary::addReplaceDelete()
{
    const int rows = document()->model()->rowCount();
    m_window->col1_Click(16);
    m_library->addGridPattern();
    QCOMPARE(document()->model()->rowCount(), rows + 1);
    QCOMPARE(document()->model()->at(rows).name, QStringLiteral("Pattern 1"));
    QCOMPARE(document()->model()->at(rows).pattern.columns()[0], quint8(16));
    QVERIFY(document()->isModified());
    QVERIFY(m_library->isWindowModified());

    m_window->col2_Click(1);
    QCOMPARE(m_library->selectedRows(), QList<int>{rows});
    QTest::keyClick(m_library->view(), Qt::Key_R, Qt::ControlModifier); // Replace
    QCOMPARE(document()->model()->at(rows).pattern.columns()[1], quint8(1));

    m_library->selectRow(0);
    const QString second = document()->model()->at(1).name;
    QTest::keyClick(m_library->view(), Qt::Key_Delete);
    QCOMPARE(document()->model()->rowCount(), rows);
    QCOMPARE(document()->model()->at(0).name, second);
}

void TestLibrary::renameRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << "   "
                           << "A pattern needs a name.";
    QTest::newRow("another's name") << "Heart"
                                    << "There is already a pattern named \"Heart\".";
}

void TestLibrary::renameRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    LibraryModel *model = document()->model();
    const PatternLibrary before = model->library();
    QVERIFY(!model->setData(model->index(0), name));
    QTRY_COMPARE(m_messages, QStringList{reason});
    QVERIFY(model->library() == before);
    QVERIFY(!document()->isModified());
    QVERIFY(model->setData(model->index(0), QStringLiteral("Zero")));
    QCOMPARE(model->at(0).name, QStringLiteral("Zero"));
}

// The editor comes back with the name typed, to be put right, not the old name.
void TestLibrary::renameKeepsWhatWasTyped()
{
    m_library->selectRow(0);
    m_library->view()->setFocus();
    m_library->renameSelected();
    auto editor = [this] { return m_library->view()->viewport()->findChild<QLineEdit *>(); };
    QTRY_VERIFY(editor() && editor()->isVisible());
    QCOMPARE(editor()->text(), QStringLiteral("Digit 0"));
    editor()->selectAll();
    QTest::keyClicks(editor(), QStringLiteral("Heart"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QTRY_COMPARE(m_messages, QStringList{"There is already a pattern named \"Heart\"."});
    QTRY_VERIFY(editor() && editor()->isVisible() && editor()->text() == QLatin1String("Heart"));
    QCOMPARE(document()->model()->at(0).name, QStringLiteral("Digit 0"));
    QTest::keyClick(editor(), Qt::Key_End);
    QTest::keyClicks(editor(), QStringLiteral(" of gold"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QTRY_COMPARE(document()->model()->at(0).name, QStringLiteral("Heart of gold"));
    QCOMPARE(m_messages.size(), 1);
}

void TestLibrary::copyAndPaste_data()
{
    // Sources: "library" copies rows 0 and 1 of the library window (Digit 0, Digit 1); "grid"
    // copies the grid; anything else is put on the clipboard as text.
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target"); // "library" or "grid"
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("message");
    QTest::newRow("library to library") << "library"
                                        << "library" << QStringList{"Digit 0 2", "Digit 1 2"} << "";
    QTest::newRow("grid to library") << "grid"
                                     << "library" << QStringList{"Pattern 1"} << "";
    QTest::newRow("C array to library") << "const uint8_t x[8] = {0x80, 0, 0, 0, 0, 0, 0, 0};"
                                        << "library" << QStringList{"Pattern 1"} << "";
    QTest::newRow("web editor's images to library")
        << "const uint64_t IMAGES[] = {0x1, 0x2, 0x4};"
        << "library" << QStringList{"IMAGES 1", "IMAGES 2", "IMAGES 3"} << "";
    QTest::newRow("words to library")
        << "hello world"
        << "library" << QStringList{}
        << "Nothing was pasted: no pattern was found in the text on the clipboard.";
    QTest::newRow("library to grid") << "library"
                                     << "grid" << QStringList{} << "";
}

void TestLibrary::copyAndPaste()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QStringList, added);
    QFETCH(QString, message);
    LibraryModel *model = document()->model();
    const int rows = model->rowCount();
    Pattern expected;
    if (source == QLatin1String("library")) {
        m_library->selectRow(0);
        m_library->view()->selectionModel()->select(m_library->proxy()->index(1, 0),
                                                    QItemSelectionModel::Select);
        m_library->copySelected();
        expected = model->at(0).pattern;
    } else if (source == QLatin1String("grid")) {
        m_window->col3_Click(64);
        action("mnuCopy")->trigger();
        expected = Pattern::fromColumns(m_window->grid().columnValues());
    } else {
        QGuiApplication::clipboard()->setText(source);
        expected.setDot(0, 0, true);
    }

    if (target == QLatin1String("grid")) {
        action("mnuPaste")->trigger();
        QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdDotM")),
                          Qt::LeftButton);
        // Digit 0, as "Send Dot Matrix" sends it.
        const QByteArray line = hex("FC 00 E3 15 94 54 E3 00 00");
        QCOMPARE(m_pty->read(int(line.size())), line);
        QCOMPARE(model->rowCount(), rows);
        QVERIFY(m_messages.isEmpty());
        return;
    }
    m_library->view()->setFocus();
    QTest::keySequence(m_library->view(), QKeySequence::Paste);
    QCOMPARE(m_messages, message.isEmpty() ? QStringList() : QStringList{message});
    QStringList names;
    for (int row = rows; row < model->rowCount(); ++row)
        names.append(model->at(row).name);
    QCOMPARE(names, added);
    if (added.isEmpty())
        return;
    QCOMPARE(model->at(rows).pattern, expected);
    if (source == QLatin1String("library"))
        QCOMPARE(model->at(rows + 1).pattern, model->at(1).pattern);
    // The pasted patterns are selected, to be moved or sent at once.
    QCOMPARE(m_library->selectedRows().size(), added.size());
    QCOMPARE(m_library->selectedRows().constFirst(), rows);
}

// Ctrl+C in the list copies the patterns, in the copy format, not the name shown.
void TestLibrary::copyKeyCopiesPatterns()
{
    m_library->selectRow(0);
    m_library->view()->setFocus();
    QTest::keySequence(m_library->view(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("00 E3 15 94 54 E3 00 00"));
    EditorSettings::setCopyFormat(TextFormats::Format::CArray);
    QTest::keySequence(m_library->view(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             TextFormats::write(document()->model()->at(0).pattern, TextFormats::Format::CArray,
                                QStringLiteral("Digit 0")));
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        QLatin1String("const uint8_t Digit_0[8] = {")));
}

void TestLibrary::toolBarShowsEveryButton()
{
    auto *toolBar = m_library->findChild<QToolBar *>();
    QVERIFY(toolBar);
    QCOMPARE(m_library->size(), m_library->sizeHint().expandedTo(m_library->size()));
    for (QAction *action : toolBar->actions()) {
        if (action->isSeparator())
            continue;
        QWidget *button = toolBar->widgetForAction(action);
        QVERIFY2(button && button->isVisible(), qPrintable(action->text()));
        QVERIFY2(toolBar->rect().contains(QRect(button->pos(), button->size())),
                 qPrintable(action->text()));
    }
}

void TestLibrary::openedLibraryStartsAtTheTop()
{
    PatternLibrary big;
    for (int i = 0; i < 400; ++i)
        big.patterns.append({QStringLiteral("P%1").arg(i), Pattern::fromBits(quint64(i)), {}});
    QString error;
    const QString first = m_dir.filePath(QStringLiteral("first.glyphs"));
    const QString second = m_dir.filePath(QStringLiteral("second.glyphs"));
    QVERIFY2(big.write(first, &error) && big.write(second, &error), qPrintable(error));
    QVERIFY(document()->openFile(first, m_library));
    QScrollBar *bar = m_library->view()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    QVERIFY(document()->openFile(second, m_library));
    QTRY_COMPARE(bar->value(), 0);
}

void TestLibrary::reorder_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<int>>("viewRows");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QStringList>("firstNames");
    QTest::newRow("first to third") << QString() << QList<int>{0} << 3
                                    << QStringList{"Digit 1", "Digit 2", "Digit 0", "Digit 3"};
    QTest::newRow("two to the front") << QString() << QList<int>{2, 4} << 0
                                      << QStringList{"Digit 2", "Digit 4", "Digit 0", "Digit 1"};
    QTest::newRow("onto itself") << QString() << QList<int>{1} << 1
                                 << QStringList{"Digit 0", "Digit 1", "Digit 2", "Digit 3"};
    QTest::newRow("filtered: last digit before the first")
        << "digit" << QList<int>{9} << 0 << QStringList{"Digit 9", "Digit 0", "Digit 1", "Digit 2"};
}

void TestLibrary::reorder()
{
    QFETCH(QString, filter);
    QFETCH(QList<int>, viewRows);
    QFETCH(int, destination);
    QFETCH(QStringList, firstNames);
    const int rows = document()->model()->rowCount();
    m_library->filterBox()->setText(filter);
    m_library->moveViewRows(viewRows, destination);
    QCOMPARE(names(*document()).mid(0, 4), firstNames);
    QCOMPARE(document()->model()->rowCount(), rows);
    QCOMPARE(document()->isModified(), firstNames.at(1) != QLatin1String("Digit 1"));
}

void TestLibrary::filterByName()
{
    QTest::keyClick(m_library, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), m_library->filterBox());
    QTest::keyClicks(m_library->filterBox(), QStringLiteral("ARROW"));
    QCOMPARE(m_library->proxy()->rowCount(), 4);
    m_library->filterBox()->clear();
    QCOMPARE(m_library->proxy()->rowCount(), document()->model()->rowCount());
}

void TestLibrary::loadIsOneUndoStep()
{
    m_window->col8_Click(8);
    const int heart = int(names(*document()).indexOf(QStringLiteral("Heart")));
    m_library->selectRow(heart);
    QTest::keyClick(m_library->view(), Qt::Key_Return);
    QCOMPARE(m_window->grid().columnValues(), document()->model()->at(heart).pattern.columns());
    GridEditor *editor = m_window->gridEditor();
    QCOMPARE(editor->undoStack()->count(), 2);
    QCOMPARE(editor->undoStack()->undoText(), QStringLiteral("Load \"Heart\""));
    editor->undo();
    QCOMPARE(m_window->grid().columnValues(), (Protocol::ColumnPattern{0, 0, 0, 0, 0, 0, 0, 8}));

    // A double click loads too.
    const int digit = int(names(*document()).indexOf(QStringLiteral("Digit 1")));
    const QRect item = m_library->view()->visualRect(m_library->proxy()->index(digit, 0));
    QTest::mouseClick(m_library->view()->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(m_library->view()->viewport(), Qt::LeftButton, {}, item.center());
    QCOMPARE(m_window->grid().columnValues(), document()->model()->at(digit).pattern.columns());
}

void TestLibrary::editsAreUndoSteps_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("step"); // as the window's Undo names it
    QTest::newRow("add") << "add"
                         << "&Undo Add \"Pattern 1\"";
    QTest::newRow("replace") << "replace"
                             << "&Undo Replace \"Digit 1\"";
    QTest::newRow("rename in the view") << "rename"
                                        << "&Undo Rename \"Digit 1\"";
    QTest::newRow("delete one, without a question") << "delete"
                                                    << "&Undo Delete \"Digit 1\"";
    QTest::newRow("delete three") << "delete three"
                                  << "&Undo Delete 3 Patterns";
    QTest::newRow("drag two to the front") << "move"
                                           << "&Undo Move 2 Patterns";
}

void TestLibrary::editsAreUndoSteps()
{
    QFETCH(QString, edit);
    QFETCH(QString, step);
    LibraryModel *model = document()->model();
    const PatternLibrary before = model->library();
    m_window->col4_Click(2);
    m_library->selectRow(1); // "Digit 1"
    if (edit == QLatin1String("add")) {
        QTest::keyClick(m_library->view(), Qt::Key_Insert);
    } else if (edit == QLatin1String("replace")) {
        QTest::keyClick(m_library->view(), Qt::Key_R, Qt::ControlModifier);
    } else if (edit == QLatin1String("rename")) {
        QVERIFY(model->setData(model->index(1), QStringLiteral("One")));
    } else if (edit == QLatin1String("delete")) {
        QTest::keyClick(m_library->view(), Qt::Key_Delete);
    } else if (edit == QLatin1String("delete three")) {
        m_library->view()->selectionModel()->select(m_library->proxy()->index(2, 0),
                                                    QItemSelectionModel::Select);
        m_library->view()->selectionModel()->select(m_library->proxy()->index(5, 0),
                                                    QItemSelectionModel::Select);
        m_library->deleteSelected();
    } else {
        m_library->moveViewRows({3, 5}, 0);
    }
    const PatternLibrary after = model->library();
    QVERIFY(!(after == before));
    QVERIFY(document()->isModified());
    QVERIFY(m_asked.isEmpty());
    QAction *undo = m_library->undoActions()->undoAction();
    QCOMPARE(undo->text(), step);

    // Taken back by key, nothing is left to save; done again, it is as it was.
    QTest::keyClick(m_library->view(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(model->library() == before);
    QVERIFY(!document()->isModified());
    QVERIFY(!m_library->isWindowModified());
    QCOMPARE(m_library->selectedRows(),
             edit == QLatin1String("delete three") ? (QList<int>{1, 2, 5}) : QList<int>{1});
    QTest::keyClick(m_library->view(), Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(model->library() == after);
    QVERIFY(document()->isModified());
    // The grid's own history has only the click.
    QCOMPARE(m_window->undoHistory()->grid()->count(), 1);

    // Another library leaves nothing to undo in this one.
    m_answer = SaveQuestion::Answer::Discard;
    action("mnuNew")->trigger();
    QVERIFY(!undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));
}

void TestLibrary::undoKeysInEveryWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QKeyCombination>("redo");
    for (const char *window : {"main", "library", "frames", "characters"}) {
        QTest::addRow("%s, Ctrl+Shift+Z", window)
            << QString::fromLatin1(window) << (Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QTest::addRow("%s, Ctrl+Y", window)
            << QString::fromLatin1(window) << (Qt::CTRL | Qt::Key_Y);
    }
}

void TestLibrary::undoKeysInEveryWindow()
{
    QFETCH(QString, window);
    QFETCH(QKeyCombination, redo);
    Workspace *workbench = m_program;
    QWidget *target = m_window;
    std::function<bool()> changed;
    QString step;
    if (window == QLatin1String("main")) {
        m_library->close();
        m_window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), m_window);
        m_window->col2_Click(32);
        changed = [this] { return m_window->grid().columnValue(2) == 32; };
        step = QStringLiteral("&Undo Click");
    } else if (window == QLatin1String("library")) {
        target = m_library;
        const int rows = document()->model()->rowCount();
        m_library->addGridPattern();
        changed = [this, rows] { return document()->model()->rowCount() == rows + 1; };
        step = QStringLiteral("&Undo Add \"Pattern 1\"");
    } else if (window == QLatin1String("frames")) {
        workbench->frames().showFrames();
        target = workbench->frames().framesWindow();
        QVERIFY(QTest::qWaitForWindowExposed(target));
        QVERIFY(workbench->frames().framesEditor()->addFrame());
        changed = [workbench] { return workbench->frames().framesEditor()->frames().size() == 1; };
        step = QStringLiteral("&Undo Add Frame");
    } else {
        workbench->characters().showCharacters();
        target = workbench->characters().charactersWindow();
        QVERIFY(QTest::qWaitForWindowExposed(target));
        m_window->col1_Click(1);
        workbench->characters().charactersWindow()->selectSlot(2);
        workbench->characters().charactersWindow()->storeGridInSlot();
        changed = [workbench] {
            return workbench->characters().characterBank()->bank().slot(2).pattern.columns()[0] ==
                   1;
        };
        step = QStringLiteral("&Undo Store Grid in Slot 2");
    }
    QVERIFY(changed());
    // Each window's Undo names its step, and answers the same keys.
    QList<QAction *> undos;
    for (QAction *action : target->actions()) {
        if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)))
            undos.append(action);
    }
    if (window == QLatin1String("main"))
        undos = {action("mnuUndo")};
    QCOMPARE(undos.size(), 1);
    QCOMPARE(undos.first()->text(), step);
    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!changed());
    QTest::keyClick(target, redo.key(), redo.keyboardModifiers());
    QVERIFY(changed());
}

void TestLibrary::sendAsSendDotMatrix()
{
    const int heart = int(names(*document()).indexOf(QStringLiteral("Heart")));
    m_library->selectRow(heart);
    QTest::keyClick(m_library->view(), Qt::Key_Return, Qt::ControlModifier);
    // The starter heart: rows .##..##. / ######## x3 / .######. / ..####.. / ...##...
    QCOMPARE(m_pty->read(9), hex("FC E0 F1 F3 E7 E7 F3 F1 E0"));
    QCOMPARE(m_window->grid().columnValues(), Protocol::ColumnPattern{}); // the grid is untouched
    // Sent through the connection, as every window sends: the main window's pending payload
    // belongs to its own buttons.
    QCOMPARE(m_window->commandData(), QByteArray());
    // A closed port says so, as Send Dot Matrix does, and sends nothing.
    m_window->mnuCOM_Click(2);
    m_messages.clear();
    QTest::keyClick(m_library->view(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_messages, QStringList{QStringLiteral("Selected Comm Port Not Available")});
}

void TestLibrary::saveOpenAndRecent()
{
    const QString path = m_dir.filePath(QStringLiteral("mine")); // the suffix is added
    m_window->col1_Click(16);
    m_library->addGridPattern();
    chooseFile(path);
    action("mnuSaveAs")->trigger();
    const QString saved = path + QStringLiteral(".glyphs");
    QVERIFY2(QFile::exists(saved), qPrintable(m_messages.join('\n')));
    QVERIFY(!document()->isModified());
    QCOMPARE(m_library->windowTitle(), QStringLiteral("Pattern Library - mine.glyphs[*]"));
    const PatternLibrary written = document()->model()->library();

    action("mnuNew")->trigger();
    QCOMPARE(document()->model()->rowCount(), 0);
    chooseFile(saved);
    action("mnuOpen")->trigger();
    QVERIFY(document()->model()->library() == written);

    // Remembered in the workbench's own group, beside the port setting, which stays as it was.
    setStoredCommPort(QStringLiteral("4"));
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Kaldor8x8", "Kaldor8x8");
    QCOMPARE(settings.value(QStringLiteral("Workbench/RecentFiles")).toStringList(),
             QStringList{saved});
    QCOMPARE(settings.value(QStringLiteral("Properties/CommPort")).toString(), QStringLiteral("4"));
    QVERIFY(m_messages.isEmpty());
}

// Save As proposes the library's own file, or "Untitled.glyphs" in the last folder used or the
// home folder; never a folder's name as the file's.
void TestLibrary::saveProposesAName_data()
{
    QTest::addColumn<QString>("lastFolder"); // under the temporary folder; empty: none stored
    QTest::addColumn<QString>("opened");     // a library file opened first
    QTest::addColumn<QString>("folder");     // "{home}" for the home folder
    QTest::addColumn<QString>("file");
    QTest::newRow("first save, no Documents folder") << ""
                                                     << ""
                                                     << "{home}"
                                                     << "Untitled.glyphs";
    QTest::newRow("untitled, a folder used before") << "used"
                                                    << ""
                                                    << "used"
                                                    << "Untitled.glyphs";
    QTest::newRow("the folder used before is gone") << "gone"
                                                    << ""
                                                    << "{home}"
                                                    << "Untitled.glyphs";
    QTest::newRow("opened from wave.glyphs") << "used"
                                             << "songs/wave.glyphs"
                                             << "songs"
                                             << "wave.glyphs";
}

void TestLibrary::saveProposesAName()
{
    QFETCH(QString, lastFolder);
    QFETCH(QString, opened);
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QTemporaryDir home;
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    const auto restoreHome = qScopeGuard([&realHome] { qputenv("HOME", realHome); });
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("used")));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("songs")));
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kaldor8x8", "Kaldor8x8")
        .remove(QStringLiteral("Workbench"));
    if (!lastFolder.isEmpty())
        EditorSettings::setLastFolder(m_dir.filePath(lastFolder));
    if (!opened.isEmpty()) {
        QString error;
        QVERIFY2(PatternLibrary().write(m_dir.filePath(opened), &error), qPrintable(error));
        QVERIFY(document()->openFile(m_dir.filePath(opened), m_library));
        // Opening remembers its folder; Save As still starts beside the file.
        EditorSettings::setLastFolder(m_dir.filePath(lastFolder));
    }

    const FileProposal proposal = proposedFile([this] { action("mnuSaveAs")->trigger(); });
    const QString expected =
        folder == QLatin1String("{home}") ? home.path() : m_dir.filePath(folder);
    QCOMPARE(proposal.folder, QDir(expected).absolutePath());
    QCOMPARE(proposal.file, QDir(expected).absoluteFilePath(file));
    QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("Documents.glyphs"))));
    QVERIFY(m_messages.isEmpty());
}

void TestLibrary::badFileLeavesLibrary_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray() << "No such file or directory";
    QTest::newRow("newer version")
        << QByteArray(R"({"format": "glyphsmith-library", "version": 2, "patterns": []})")
        << "format version 2";
    QTest::newRow("truncated") << QByteArray(R"({"format": "glyphsmith-library", "vers)")
                               << "cut short";
}

void TestLibrary::badFileLeavesLibrary()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(QStringLiteral("bad.glyphs"));
    QFile::remove(path);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    m_library->addGridPattern(); // a change that must survive
    const PatternLibrary before = document()->model()->library();
    m_answer = SaveQuestion::Answer::Discard;
    chooseFile(path);
    QVERIFY(!document()->openFile(path, m_library));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(path) && m_messages.first().contains(reason),
             qPrintable(m_messages.first()));
    QVERIFY(document()->model()->library() == before);
    QVERIFY(document()->isModified());
    QCOMPARE(contents(path), content);
}

void TestLibrary::closeWithChanges_data()
{
    QTest::addColumn<SaveQuestion::Answer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("kept");
    QTest::newRow("cancel") << SaveQuestion::Answer::Cancel << false << true;
    QTest::newRow("discard") << SaveQuestion::Answer::Discard << true << false;
    QTest::newRow("save") << SaveQuestion::Answer::Save << true << true;
}

void TestLibrary::closeWithChanges()
{
    QFETCH(SaveQuestion::Answer, answer);
    QFETCH(bool, closed);
    QFETCH(bool, kept);
    const QString path = m_dir.filePath(QStringLiteral("close.glyphs"));
    QFile::remove(path);
    const int rows = document()->model()->rowCount();
    m_library->close();
    QVERIFY(m_asked.isEmpty()); // nothing to save yet
    m_program->library().showLibrary();
    m_library->addGridPattern();
    m_answer = answer;
    chooseFile(path);
    m_library->close();
    QCOMPARE(m_asked, QStringList{QStringLiteral("Starter set")});
    QCOMPARE(m_library->isVisible(), !closed);
    QCOMPARE(document()->model()->rowCount(), kept ? rows + 1 : rows);
    QCOMPARE(QFile::exists(path), answer == SaveQuestion::Answer::Save);
    QCOMPARE(document()->isModified(), answer == SaveQuestion::Answer::Cancel);
}

void TestLibrary::programCloseAsks()
{
    m_library->addGridPattern();
    m_answer = SaveQuestion::Answer::Cancel;
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QVERIFY(m_library->isVisible());
    m_answer = SaveQuestion::Answer::Discard;
    QVERIFY(m_window->close());
    QVERIFY(!m_library->isVisible());
    QCOMPARE(m_asked.size(), 2);
}

void TestLibrary::shortcutsListed()
{
    action("mnuShortcuts")->trigger();
    ShortcutsWindow *shortcuts = m_program->shortcutsWindow();
    QVERIFY(shortcuts && shortcuts->isVisible());
    QStringList rows;
    for (int i = 0; i < shortcuts->list()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = shortcuts->list()->topLevelItem(i);
        rows.append(item->text(0).trimmed() + QLatin1Char('=') + item->text(1));
    }
    const QString all = rows.join(QLatin1Char('\n'));
    for (const char *expected :
         {"Edit > Undo=Ctrl+Z", "Edit > Shift > Up=Ctrl+Up",
          "Edit > Rotate > 90\u00b0 Clockwise=Ctrl+R", "Pattern > Save=Ctrl+S",
          "Toggle the focus cell, as a click does=Space", "Add Grid Pattern=Ins",
          "Load into Grid=Enter, double-click", "Help > Keyboard Shortcuts=F1"})
        QVERIFY2(all.contains(QString::fromUtf8(expected)), expected);
}

QTEST_MAIN(TestLibrary)
#include "tst_library.moc"
