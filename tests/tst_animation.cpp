#include "characterscontroller.h"
#include "characterswindow.h"
#include "dotcell.h"
#include "dotgrid.h"
#include "editcontroller.h"
#include "editorsettings.h"
#include "framescontroller.h"
#include "frameseditor.h"
#include "frameswindow.h"
#include "frmmain.h"
#include "gifimportdialog.h"
#include "grideditor.h"
#include "librarycontroller.h"
#include "librarydocument.h"
#include "librarywindow.h"
#include "messagebox.h"
#include "patternlibrary.h"
#include "patternpicture.h"
#include "testsupport.h"
#include "textframesdialog.h"
#include "undoactions.h"
#include "undohistory.h"
#include "workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace TestSupport;
using Columns = Protocol::ColumnPattern;

namespace {

QList<Columns> patternsOf(const QList<Frame> &frames)
{
    QList<Columns> patterns;
    for (const Frame &frame : frames)
        patterns.append(frame.pattern.columns());
    return patterns;
}

} // namespace

// The Frames window: frames edited through the grid with one undo history, the onion skin,
// playing on the module through the simulator, files in and out, and Send as You Draw.
class TestAnimation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(); }
    void init();
    void cleanup();

    void openingChangesNothing();
    void commandDuringPlayStopsThePlayer_data();
    void commandDuringPlayStopsThePlayer();
    void framesHaveTheirOwnHistory();
    void closingLeavesTheFrameAsAGridStep();
    void undoNeverLeavesAStalePreview();
    void stopOnlyStops();
    void frameOperations_data();
    void frameOperations();
    void onionSkinIsOnlyDrawn();
    void playOnModuleThroughTheSimulator();
    void editDuringPlayReachesTheModule();
    void unplugStopsThePlayer();
    void savedWithTheLibrary();
    void importsAndExports();
    void exportsProposeTheAnimationsName_data();
    void exportsProposeTheAnimationsName();
    void importDialogShowsEachFramesTime();
    void textToFramesSaysWhatItCannotDo_data();
    void textToFramesSaysWhatItCannotDo();
    void sendAsYouDrawEndsOnTheLastPattern();

private:
    FramesEditor *editor() { return m_program->frames().framesEditor(); }
    Columns grid() const { return m_window->grid().columnValues(); }
    void click(int column, int weight) { m_window->gridEditor()->click(column, weight); }
    QAction *mainUndo() const { return m_window->findChild<QAction *>(QStringLiteral("mnuUndo")); }
    QAction *framesUndo() const { return m_frames->undoActions()->undoAction(); }

    Pty *m_pty = nullptr;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    FramesWindow *m_frames = nullptr;
    QStringList m_messages;
    QString m_nextFile;
    int m_saveQuestions = 0;
};

void TestAnimation::init()
{
    m_pty = startOnNewPty(&m_messages);
    prompter().onFile = [this](FileChooser::Purpose, const QString &, const QStringList &f) {
        return FileChooser::Choice{m_nextFile, f.value(0)};
    };
    m_saveQuestions = 0;
    prompter().onSave = [this](QWidget *, const QString &) {
        ++m_saveQuestions;
        return SaveQuestion::Answer::Discard;
    };
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    QVERIFY(m_window->serialPort().isOpen());
    m_program->frames().showFrames();
    m_frames = m_program->frames().framesWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_frames));
}

void TestAnimation::cleanup()
{
    delete m_program;
    m_program = nullptr;
    delete m_pty;
    prompter().reset();
    prompter().onDialog = {};
    prompter().onDialog = {};
}

// A command of another window while frames play on the module stops the player rather than
// be covered by the next frame within a tenth of a second; the window says why it stopped, and
// nothing follows the command on the line.
void TestAnimation::commandDuringPlayStopsThePlayer_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("SCROLL") << "cmdScroll" << hex("FD 48 49");
    QTest::newRow("an arrow") << "cmdUpArrow" << hex("F8 00");
    QTest::newRow("Send Dot Matrix") << "cmdDotM" << hex("FC 00 00 00 00 00 00 00 00");
}

void TestAnimation::commandDuringPlayStopsThePlayer()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, command);
    QVERIFY(editor()->newAnimation(QStringLiteral("Blink"),
                                   {Frame{Pattern::fromColumns({0xFF, 0, 0, 0, 0, 0, 0, 0}), 20},
                                    Frame{Pattern::fromColumns({0, 0, 0, 0, 0, 0, 0, 0xFF}), 20}},
                                   QStringLiteral("test")));
    m_window->cmdCLR_Click();
    m_window->findChild<QLineEdit *>(QStringLiteral("txtScroll"))->setText(QStringLiteral("HI"));
    m_frames->loopBox()->setChecked(true);
    m_frames->playOnModule();
    QTest::qWait(100);
    m_pty->read(1 << 16, 30); // the frames so far
    QTest::mouseClick(m_window->findChild<QPushButton *>(button), Qt::LeftButton);
    QVERIFY(!m_frames->player()->isPlaying());
    QVERIFY2(m_frames->countsLabel()->text().contains(QLatin1String("another message")),
             qPrintable(m_frames->countsLabel()->text()));
    // At most the frame already on its way, then the command, then nothing.
    QByteArray line = m_pty->readAll(200);
    if (line.startsWith(char(0xFC)) && command.front() != char(0xFC))
        line.remove(0, 9);
    QCOMPARE(line, command);
    QVERIFY(m_messages.isEmpty());
}

void TestAnimation::openingChangesNothing()
{
    // init() opened the window: no animation made, nothing to save, no step to take back.
    QVERIFY(editor()->animations().isEmpty());
    QVERIFY(!m_program->library().document()->isModified());
    QVERIFY(!m_window->undoHistory()->frames()->canUndo());
    QVERIFY(!m_window->undoHistory()->grid()->canUndo());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("8x8 Glyphsmith"));
    QCOMPARE(editor()->gridSubject(), QString());
    // Drawing on the grid with no frame is the grid's own business.
    click(3, 2);
    QVERIFY(editor()->animations().isEmpty());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("8x8 Glyphsmith"));
    QVERIFY(m_window->close());
    QCOMPARE(m_saveQuestions, 0);
}

void TestAnimation::framesHaveTheirOwnHistory()
{
    click(1, 16); // a drawing, before there is any frame
    // The first frame is what the grid shows, in an animation made for it.
    QVERIFY(editor()->addFrame());
    QCOMPARE(editor()->animations().size(), 1);
    QCOMPARE(editor()->animations().first().name, QStringLiteral("Animation 1"));
    QCOMPARE(patternsOf(editor()->frames()), (QList<Columns>{{0x10, 0, 0, 0, 0, 0, 0, 0}}));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("8x8 Glyphsmith - Frame 1 of Animation 1"));
    QVERIFY(editor()->addFrame());
    QCOMPARE(grid(), Columns{});
    QCOMPARE(m_window->windowTitle(), QStringLiteral("8x8 Glyphsmith - Frame 2 of Animation 1"));
    click(8, 8); // bottom right, on frame 2
    QCOMPARE(patternsOf(editor()->frames()),
             (QList<Columns>{{0x10, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0x08}}));

    // While the grid shows a frame, both windows' Undo name the same step and take it back.
    QCOMPARE(mainUndo()->text(), QStringLiteral("&Undo Click"));
    QCOMPARE(framesUndo()->text(), QStringLiteral("&Undo Click"));
    mainUndo()->trigger(); // the click on frame 2
    QCOMPARE(editor()->frames().at(1).pattern.columns(), Columns{});
    QCOMPARE(framesUndo()->text(), QStringLiteral("&Undo Add Frame"));
    QTest::keyClick(m_frames, Qt::Key_Z, Qt::ControlModifier); // adding frame 2
    QCOMPARE(editor()->frames().size(), 1);
    QCOMPARE(editor()->selectedFrame(), 0);
    QCOMPARE(grid(), (Columns{0x10, 0, 0, 0, 0, 0, 0, 0}));
    QTest::keyClick(m_frames, Qt::Key_Z, Qt::ControlModifier); // the first frame, its animation
    QVERIFY(editor()->animations().isEmpty());
    QCOMPARE(m_frames->animationList()->count(), 0);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("8x8 Glyphsmith"));
    QCOMPARE(grid(), (Columns{0x10, 0, 0, 0, 0, 0, 0, 0}));
    // The grid's own step, the click before any frame, is the main window's to take back.
    QVERIFY(!framesUndo()->isEnabled());
    QCOMPARE(mainUndo()->text(), QStringLiteral("&Undo Click"));
    QVERIFY(!m_program->library().document()->isModified());

    // Redo, with either key, in the order of the steps.
    QTest::keyClick(m_frames, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor()->frames().size(), 1);
    QTest::keyClick(m_frames, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(editor()->frames().size(), 2);
    QCOMPARE(m_frames->undoActions()->redoAction()->text(), QStringLiteral("&Redo Click"));
    m_window->findChild<QAction *>(QStringLiteral("mnuRedo"))->trigger();
    QCOMPARE(editor()->selectedFrame(), 1);
    QCOMPARE(grid(), (Columns{0, 0, 0, 0, 0, 0, 0, 0x08}));
    QCOMPARE(patternsOf(editor()->frames()),
             (QList<Columns>{{0x10, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0x08}}));
    QVERIFY(m_program->library().document()->isModified());

    // The Characters window's Undo, its own steps used up, leaves the frames alone.
    m_program->characters().showCharacters();
    CharactersWindow *characters = m_program->characters().charactersWindow();
    QVERIFY(QTest::qWaitForWindowExposed(characters));
    QTest::keyClick(characters, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor()->frames().size(), 2);
    QCOMPARE(grid(), (Columns{0, 0, 0, 0, 0, 0, 0, 0x08}));
}

void TestAnimation::closingLeavesTheFrameAsAGridStep()
{
    click(2, 1);
    const Columns drawing = grid();
    QList<Frame> frames = {Frame{Pattern::fromColumns({0x81, 0, 0, 0, 0, 0, 0, 0}), 100},
                           Frame{Pattern::fromColumns({0, 0x42, 0, 0, 0, 0, 0, 0}), 100}};
    QVERIFY(editor()->newAnimation(QStringLiteral("Wave"), frames, QStringLiteral("test")));
    QVERIFY(editor()->selectFrame(1));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("8x8 Glyphsmith - Frame 2 of Wave"));

    // Closed, the window takes its steps with it; the grid keeps the frame, as one step of its
    // own, and its Undo goes back to the drawing without touching the animation.
    m_frames->close();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("8x8 Glyphsmith"));
    QCOMPARE(grid(), frames.at(1).pattern.columns());
    QCOMPARE(mainUndo()->text(), QStringLiteral("&Undo Show Frame 2 of Wave"));
    mainUndo()->trigger();
    QCOMPARE(grid(), drawing);
    click(5, 5); // a change of the grid, not of a frame
    for (int i = 0; i < 5; ++i)
        mainUndo()->trigger();
    QCOMPARE(grid(), Columns{});
    QCOMPARE(editor()->animations().size(), 1);
    QCOMPARE(editor()->frames(), frames);

    // Opened again, the grid shows the frame it showed, and the window's steps are there.
    m_program->frames().showFrames();
    QVERIFY(QTest::qWaitForWindowExposed(m_frames));
    QCOMPARE(grid(), frames.at(1).pattern.columns());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("8x8 Glyphsmith - Frame 2 of Wave"));
    QCOMPARE(framesUndo()->text(), QStringLiteral("&Undo Show Frame 2"));
    framesUndo()->trigger();
    QCOMPARE(grid(), frames.at(0).pattern.columns());
    QCOMPARE(editor()->selectedFrame(), 0);
}

void TestAnimation::undoNeverLeavesAStalePreview()
{
    QList<Frame> frames = {Frame{Pattern::fromColumns({0xFF, 0xFF, 0, 0, 0, 0, 0, 0}), 100}};
    QVERIFY(editor()->newAnimation(QStringLiteral("Bar"), frames, QStringLiteral("New Bar")));
    const QImage shown = m_frames->previewLabel()->pixmap().toImage();
    QCOMPARE(shown,
             PatternPicture::draw(frames.at(0).pattern, m_frames->previewLabel()->width() / 8)
                 .toImage());
    QCOMPARE(framesUndo()->text(), QStringLiteral("&Undo New Bar"));
    framesUndo()->trigger();
    QVERIFY(editor()->animations().isEmpty());
    QVERIFY(m_frames->previewLabel()->pixmap().isNull());

    // Playing, the animation taken away by an undo stops the player and the preview with it.
    m_frames->undoActions()->redoAction()->trigger();
    m_frames->playOnScreen();
    QVERIFY(m_frames->player()->isPlaying());
    framesUndo()->trigger();
    QVERIFY(!m_frames->player()->isPlaying());
    QVERIFY(m_frames->previewLabel()->pixmap().isNull());
}

void TestAnimation::stopOnlyStops()
{
    QList<Frame> frames = {Frame{Pattern::fromColumns({1, 0, 0, 0, 0, 0, 0, 0}), 50},
                           Frame{Pattern::fromColumns({2, 0, 0, 0, 0, 0, 0, 0}), 50}};
    QVERIFY(editor()->newAnimation(QStringLiteral("Two"), frames, QStringLiteral("test")));
    // Nothing playing: Stop (Escape) leaves the window where it is.
    QTest::keyClick(m_frames, Qt::Key_Escape);
    QVERIFY(m_frames->isVisible());
    m_frames->loopBox()->setChecked(true);
    m_frames->playOnScreen();
    QVERIFY(m_frames->player()->isPlaying());
    QTest::keyClick(m_frames, Qt::Key_Escape);
    QVERIFY(!m_frames->player()->isPlaying());
    QVERIFY(m_frames->isVisible());
    QTest::keyClick(m_frames, Qt::Key_Escape);
    QVERIFY(m_frames->isVisible());
    // The window closes as a window does.
    QTest::keyClick(m_frames, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!m_frames->isVisible());
}

void TestAnimation::frameOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QList<int>>("order"); // first column byte of each frame afterwards
    QTest::addColumn<int>("selected");
    // Frames 1, 2, 3 (first bytes 1, 2, 3), the second selected.
    QTest::newRow("duplicate") << "duplicate" << QList<int>{1, 2, 2, 3} << 2;
    QTest::newRow("delete") << "delete" << QList<int>{1, 3} << 1;
    QTest::newRow("move later") << "later" << QList<int>{1, 3, 2} << 2;
    QTest::newRow("move earlier") << "earlier" << QList<int>{2, 1, 3} << 0;
    QTest::newRow("dropped at the end") << "drop" << QList<int>{1, 3, 2} << 2;
}

void TestAnimation::frameOperations()
{
    QFETCH(QString, operation);
    QFETCH(QList<int>, order);
    QFETCH(int, selected);
    QList<Frame> frames;
    for (quint8 first : {1, 2, 3})
        frames.append(Frame{Pattern::fromColumns({first, 0, 0, 0, 0, 0, 0, 0}), 40});
    QVERIFY(editor()->newAnimation(QStringLiteral("Three"), frames, QStringLiteral("test")));
    QVERIFY(editor()->selectFrame(1));
    if (operation == QLatin1String("duplicate"))
        QVERIFY(editor()->duplicateFrame());
    else if (operation == QLatin1String("delete"))
        QVERIFY(editor()->deleteFrame());
    else if (operation == QLatin1String("later"))
        QVERIFY(editor()->moveFrame(1, 2));
    else if (operation == QLatin1String("earlier"))
        QVERIFY(editor()->moveFrame(1, 0));
    else
        emit m_frames->strip()->rowsDropped({1}, 3);
    QList<int> firsts;
    for (const Frame &frame : editor()->frames())
        firsts.append(frame.pattern.columns()[0]);
    QCOMPARE(firsts, order);
    QCOMPARE(editor()->selectedFrame(), selected);
    QCOMPARE(grid(), editor()->frames().at(selected).pattern.columns());

    // The time of a frame, through its box, is one more step.
    m_frames->durationBox()->setValue(250);
    QCOMPARE(editor()->frames().at(selected).durationMs, 250);
    QCOMPARE(framesUndo()->text(), QStringLiteral("&Undo Frame Time"));
    m_window->gridEditor()->undo();
    QCOMPARE(editor()->frames().at(selected).durationMs, 40);
}

void TestAnimation::onionSkinIsOnlyDrawn()
{
    click(2, 1);
    QVERIFY(editor()->addFrame()); // the grid's pattern as frame 1
    QVERIFY(editor()->addFrame()); // a dark frame 2
    m_frames->onionSkinBox()->setChecked(true);
    DotGrid *dots = m_window->dotGrid();
    QVERIFY(dots->cell(2, 1)->isGhost());
    QVERIFY(!dots->cell(3, 1)->isGhost());
    QCOMPARE(grid(), Columns{});
    // What is sent is the grid's own pattern, not the faint one.
    m_window->cmdDotM_Click();
    QCOMPARE(m_pty->read(9), hex("FC 00 00 00 00 00 00 00 00"));
    m_frames->onionSkinBox()->setChecked(false);
    QVERIFY(!dots->cell(2, 1)->isGhost());
}

void TestAnimation::playOnModuleThroughTheSimulator()
{
    // The module on a 9600-baud line: the frames arrive in order, each no earlier than its time.
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("module"));
    const QString log = folder.filePath(QStringLiteral("log"));
    QProcess sim;
    sim.start(qEnvironmentVariable("GLYPHSMITH_SIM"),
              {"--headless", "--baud", "9600", "--log-times", "--link", link, "--log", log});
    QVERIFY(sim.waitForReadyRead(5000));
    QVERIFY(m_window->serialPort().openDevice(link));

    QList<Frame> frames;
    for (quint8 i = 1; i <= 5; ++i)
        frames.append(Frame{Pattern::fromColumns({i, 0xFF, 0, 0, 0, 0, 0, i}), 50});
    QVERIFY(editor()->newAnimation(QStringLiteral("Count"), frames, QStringLiteral("test")));
    m_frames->loopBox()->setChecked(false);
    m_frames->playOnModule();
    QVERIFY(m_frames->player()->isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!m_frames->player()->isPlaying(), 3000);
    QCOMPARE(m_frames->player()->shown(), 5);
    QCOMPARE(m_frames->player()->skipped(), 0);

    const auto logged = [&log] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly)
                   ? QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                   : QStringList();
    };
    QTRY_COMPARE(logged().size(), 5);
    const QStringList lines = logged();
    // The simulator stamps a message when it reads it, a little late now and then on a busy
    // machine; frames sent back to back would come about 10 ms apart instead of 50.
    QList<double> ms;
    for (int i = 0; i < 5; ++i) {
        const qsizetype space = lines[i].indexOf(u' ');
        QCOMPARE(lines[i].mid(space + 1),
                 Protocol::hexString(Protocol::dotMatrix(frames[i].pattern.columns()).bytes()));
        ms.append(lines[i].left(space).toDouble());
        if (i > 0)
            QVERIFY2(ms[i] - ms[i - 1] >= 25, qPrintable(lines.join(u'\n')));
    }
    QVERIFY2(ms.last() - ms.first() >= 4 * 50 - 15, qPrintable(lines.join(u'\n')));
    sim.terminate();
    sim.waitForFinished(3000);
}

void TestAnimation::editDuringPlayReachesTheModule()
{
    // Two frames, the first selected and so on the grid, played again and again.
    QList<Frame> frames = {Frame{Pattern::fromColumns({0x01, 0, 0, 0, 0, 0, 0, 0}), 150},
                           Frame{Pattern::fromColumns({0x02, 0, 0, 0, 0, 0, 0, 0}), 150}};
    QVERIFY(editor()->newAnimation(QStringLiteral("Edited"), frames, QStringLiteral("test")));
    QCOMPARE(editor()->selectedFrame(), 0);
    m_frames->loopBox()->setChecked(true);
    QList<QImage> previews;
    connect(m_frames->player(), &FramePlayer::frameDue, this, [this, &previews](int frame) {
        if (frame == 0)
            previews.append(m_frames->previewLabel()->pixmap().toImage());
    });
    m_frames->playOnModule();
    QCOMPARE(m_pty->read(9), hex("FC 01 00 00 00 00 00 00 00"));
    click(8, 8); // the bottom right dot of frame 1, while it plays
    QCOMPARE(m_pty->read(9), hex("FC 02 00 00 00 00 00 00 00"));
    QCOMPARE(m_pty->read(9), hex("FC 01 00 00 00 00 00 00 08"));
    QCOMPARE(m_pty->read(9), hex("FC 02 00 00 00 00 00 00 00"));
    m_frames->stop();
    QVERIFY(previews.size() >= 2);
    const int dot = m_frames->previewLabel()->width() / 8;
    QCOMPARE(
        previews.at(1),
        PatternPicture::draw(Pattern::fromColumns({0x01, 0, 0, 0, 0, 0, 0, 0x08}), dot).toImage());
}

void TestAnimation::unplugStopsThePlayer()
{
    QList<Frame> frames;
    for (quint8 i = 1; i <= 4; ++i)
        frames.append(Frame{Pattern::fromColumns({i, 0, 0, 0, 0, 0, 0, 0}), 20});
    QVERIFY(editor()->newAnimation(QStringLiteral("Loop"), frames, QStringLiteral("test")));
    m_frames->loopBox()->setChecked(true);
    m_frames->playOnModule();
    QVERIFY(m_frames->player()->isPlaying());
    m_pty->closeMaster();
    QTRY_VERIFY(!m_frames->player()->isPlaying());
    QTest::qWait(200);
    QCOMPARE(m_messages, QStringList{QStringLiteral("Selected Comm Port Not Available")});
    QCOMPARE(editor()->frames(), frames);
}

void TestAnimation::savedWithTheLibrary()
{
    QList<Frame> frames = {Frame{Pattern::fromColumns({0x81, 0, 0, 0, 0, 0, 0, 0x18}), 120},
                           Frame{Pattern::fromColumns({0, 0xFF, 0, 0, 0, 0, 0, 0}), 35}};
    QVERIFY(editor()->newAnimation(QStringLiteral("Wink"), frames, QStringLiteral("test")));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("anim.glyphs"));
    LibraryDocument *document = m_program->library().document();
    QVERIFY(document->saveTo(path, m_window));
    QVERIFY(document->newLibrary(m_window));
    QVERIFY(document->animations().isEmpty());
    QVERIFY(document->openFile(path, m_window));
    QCOMPARE(document->animations().last(), (Animation{QStringLiteral("Wink"), frames}));
    QCOMPARE(editor()->currentAnimation(), 0);
}

void TestAnimation::importsAndExports()
{
    QTemporaryDir folder;
    // A GIF written by the program comes back as the same frames, under the file's name.
    QList<Frame> frames = {Frame{Pattern::fromColumns({0x10, 0, 0, 0, 0, 0, 0, 0}), 100},
                           Frame{Pattern::fromColumns({0, 0, 0, 0, 0, 0, 0, 0x08}), 200}};
    QVERIFY(editor()->newAnimation(QStringLiteral("Corners"), frames, QStringLiteral("test")));
    m_nextFile = folder.filePath(QStringLiteral("corners.gif"));
    m_frames->exportGif();
    // Taken as the dialog offers it: threshold 128, dark parts lit.
    prompter().onDialog = [](QDialog &dialog) {
        auto *import = qobject_cast<GifImportDialog *>(&dialog);
        return import && import->thresholdSlider()->value() == 128 &&
                       !import->lightIsLitBox()->isChecked()
                   ? int(QDialog::Accepted)
                   : int(QDialog::Rejected);
    };
    QVERIFY(m_frames->importAnimationFile(m_nextFile));
    QCOMPARE(editor()->animations().last().name, QStringLiteral("corners"));
    QCOMPARE(editor()->frames(), frames);

    // The C array: one line of row bytes per frame, and the times.
    m_nextFile = folder.filePath(QStringLiteral("corners.h"));
    m_frames->exportCArray(true);
    QFile array(m_nextFile);
    QVERIFY(array.open(QIODevice::ReadOnly));
    const QByteArray text = array.readAll();
    QVERIFY2(text.contains("const uint8_t corners_frames[2][8] = {\n"
                           "    {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},\n"
                           "    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01},\n};\n"
                           "const uint16_t corners_durations_ms[2] = {100, 200};"),
             text.constData());

    // A damaged picture: one message naming the file, nothing added.
    const qsizetype animations = editor()->animations().size();
    QFile broken(folder.filePath(QStringLiteral("broken.gif")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("GIF89a");
    broken.close();
    QVERIFY(!m_frames->importAnimationFile(broken.fileName()));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(QStringLiteral("broken.gif")), qPrintable(m_messages[0]));
    QCOMPARE(editor()->animations().size(), animations);

    // The program's own GIF cut short: refused with the reason, no dialog, nothing changed.
    QFile exported(folder.filePath(QStringLiteral("corners.gif")));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QByteArray whole = exported.readAll();
    QFile cut(folder.filePath(QStringLiteral("cut.gif")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(whole.left(whole.size() - 30));
    cut.close();
    int dialogs = 0;
    prompter().onDialog = [&dialogs](QDialog &) {
        ++dialogs;
        return int(QDialog::Rejected);
    };
    const int steps = m_window->undoHistory()->frames()->count();
    m_messages.clear();
    QVERIFY(!m_frames->importAnimationFile(cut.fileName()));
    QCOMPARE(dialogs, 0);
    QCOMPARE(m_messages, QStringList{QStringLiteral(
                             "Cannot import the animation cut.gif: the file ends too soon: it is "
                             "cut short or damaged (in frame 2)")});
    QCOMPARE(editor()->animations().size(), animations);
    QCOMPARE(m_window->undoHistory()->frames()->count(), steps);
}

void TestAnimation::importDialogShowsEachFramesTime()
{
    // Made with ImageMagick: delays of 0, 1 and 2 hundredths.
    const QString path = qEnvironmentVariable("GLYPHSMITH_SOURCE_DIR") +
                         QStringLiteral("/tests/data/imagemagick-delays-0-1-2.gif");
    QString error;
    const auto picture = AnimatedPicture::read(path, &error);
    QVERIFY2(picture, qPrintable(error));
    GifImportDialog dialog(*picture, path, m_frames);
    QStringList times;
    for (int i = 0; i < dialog.timeList()->count(); ++i)
        times.append(dialog.timeList()->item(i)->text());
    QCOMPARE(times, (QStringList{"1: 100 ms", "2: 10 ms", "3: 20 ms"}));
    QVERIFY(!dialog.delayNote()->isHidden());
    QCOMPARE(dialog.delayNote()->text(),
             QStringLiteral("Frame 1 has no delay in the file (0): it is shown for 100 ms, as "
                            "browsers show it. Frame 2 has a delay of 1 hundredth of a second: it "
                            "is kept as 10 ms, as this program writes its shortest frames "
                            "(browsers show it for 100 ms)."));
    QList<int> durations;
    for (const Frame &frame : dialog.frames())
        durations.append(frame.durationMs);
    QCOMPARE(durations, (QList<int>{100, 10, 20}));

    // Times the file gives exactly need no note.
    const auto exact =
        AnimatedPicture::read(qEnvironmentVariable("GLYPHSMITH_SOURCE_DIR") +
                                  QStringLiteral("/tests/data/imagemagick-delays-50-20-30.gif"),
                              &error);
    QVERIFY2(exact, qPrintable(error));
    GifImportDialog plain(*exact, path, m_frames);
    QVERIFY(plain.delayNote()->isHidden());
    QCOMPARE(plain.timeList()->item(0)->text(), QStringLiteral("1: 500 ms"));
}

void TestAnimation::textToFramesSaysWhatItCannotDo_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("says");
    QTest::newRow("empty") << QString() << false << "Type the text to scroll.";
    QTest::newRow("only spaces") << "    " << false << "Type the text to scroll.";
    QTest::newRow("a word") << "Hi" << true << " frames, ";
    QTest::newRow("too long for an animation")
        << QStringLiteral("A long story, told slowly. ").repeated(300) << false
        << "This text needs ";
    QTest::newRow("as long as the box takes")
        << QStringLiteral("W").repeated(32767) << false << "an animation holds at most 10,000";
}

void TestAnimation::textToFramesSaysWhatItCannotDo()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, says);
    TextFramesDialog dialog(m_frames);
    dialog.textBox()->setText(text);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.buttons()->button(QDialogButtonBox::Ok)->isEnabled(), accepted);
    QVERIFY2(dialog.countLabel()->text().contains(says), qPrintable(dialog.countLabel()->text()));
    QCOMPARE(dialog.frames().isEmpty(), !accepted);
    // However long the text, the dialog fits on the screen.
    const QRect screen = dialog.screen()->availableGeometry();
    QVERIFY2(dialog.frameGeometry().width() <= screen.width(),
             qPrintable(QString::number(dialog.frameGeometry().width())));
    QVERIFY(dialog.frameGeometry().height() <= screen.height());
}

void TestAnimation::exportsProposeTheAnimationsName_data()
{
    QTest::addColumn<QString>("animation");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("file");
    QTest::newRow("GIF") << "Blink"
                         << "gif"
                         << "Blink.gif";
    QTest::newRow("sprite sheet") << "Walk cycle"
                                  << "png"
                                  << "Walk cycle.png";
    QTest::newRow("C array, rows") << "Blink"
                                   << "rows"
                                   << "Blink.h";
    QTest::newRow("C array, module bytes") << "Blink"
                                           << "module"
                                           << "Blink.h";
    QTest::newRow("characters a file name cannot hold") << "Text: HI/LO?"
                                                        << "gif"
                                                        << "Text_ HI_LO_.gif";
    QTest::newRow("nothing of the name is left") << "..."
                                                 << "png"
                                                 << "Animation.png";
}

// In the last folder used, never as a folder's name.
void TestAnimation::exportsProposeTheAnimationsName()
{
    QFETCH(QString, animation);
    QFETCH(QString, kind);
    QFETCH(QString, file);
    QTemporaryDir folder;
    EditorSettings::setLastFolder(folder.path());
    QVERIFY(editor()->newAnimation(animation, {Frame{}}, QStringLiteral("test")));
    const FileProposal proposal = proposedFile([this, &kind] {
        if (kind == QLatin1String("gif"))
            m_frames->exportGif();
        else if (kind == QLatin1String("png"))
            m_frames->exportSpriteSheet();
        else
            m_frames->exportCArray(kind == QLatin1String("rows"));
    });
    QCOMPARE(proposal.folder, QDir(folder.path()).absolutePath());
    QCOMPARE(proposal.file, QDir(folder.path()).absoluteFilePath(file));
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList()); // cancelled
}

void TestAnimation::sendAsYouDrawEndsOnTheLastPattern()
{
    m_frames->close();
    m_program->edit().sendAsYouDrawAction()->setChecked(true);
    QCOMPARE(m_pty->read(9), hex("FC 00 00 00 00 00 00 00 00"));
    // A quick stroke across a row: the line cannot carry every step, but it always ends on the
    // grid's last pattern, and nothing waits behind it.
    for (int column = 1; column <= 8; ++column)
        click(column, 16);
    const QByteArray received = m_pty->readAll(200);
    QVERIFY(!received.isEmpty() && received.size() % 9 == 0);
    QCOMPARE(received.right(9), hex("FC 10 10 10 10 10 10 10 10"));
    QCOMPARE(m_window->serialPort().queuedMessages(), 0);
}

QTEST_MAIN(TestAnimation)
#include "tst_animation.moc"
