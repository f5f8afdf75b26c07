#include "canvasimage.h"
#include "formatchooser.h"
#include "frmmain.h"
#include "librarycontroller.h"
#include "librarydocument.h"
#include "messagebox.h"
#include "patternlibrary.h"
#include "prompter.h"
#include "spancanvasview.h"
#include "spandialogs.h"
#include "spaneditor.h"
#include "spanframes.h"
#include "spanscontroller.h"
#include "spansection.h"
#include "spantext.h"
#include "spanwindow.h"
#include "testsupport.h"
#include "workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace TestSupport;

namespace {

// An F in each module's place of a span of three.
const char ThreeFs[] = "######..######..######..\n"
                       "#.......#.......#.......\n"
                       "#.......#.......#.......\n"
                       "####....####....####....\n"
                       "#.......#.......#.......\n"
                       "#.......#.......#.......\n"
                       "#.......#.......#.......\n"
                       "......#.......#.......#.\n";

Span spanOf(const QString &name, int columns, int rows, const QStringList &targets,
            const QList<Orientation> &orientations = {})
{
    Span span;
    span.name = name;
    span.resize(columns, rows);
    for (int i = 0; i < span.moduleCount(); ++i)
        span.modules[i] = SpanModule{targets.value(i), orientations.value(i), {}};
    return span;
}

QStringList messagesIn(const QByteArray &bytes)
{
    QStringList out;
    for (qsizetype i = 0; i + 9 <= bytes.size(); i += 9)
        out.append(Protocol::hexString(bytes.mid(i, 9)));
    return out;
}

// Fills the span dialog's controls with `span`, as a user would.
void fillSpanDialog(SpanDialog &dialog, const Span &span)
{
    dialog.nameBox()->setText(span.name);
    dialog.columnsBox()->setValue(span.columns);
    dialog.rowsBox()->setValue(span.rows);
    for (int i = 0; i < span.modules.size(); ++i) {
        const SpanModule &module = span.modules.at(i);
        dialog.targetBox(i)->setCurrentText(module.target);
        QComboBox *rotation = dialog.rotationBox(i);
        rotation->setCurrentIndex(rotation->findData(module.orientation.rotation));
        dialog.mirroredBox(i)->setChecked(module.orientation.mirrored);
    }
}
} // namespace

// The Span window on the program's main window: a span defined in the window and its modules on
// pseudo-terminals (COM1 the main window's own port), drawing and undo, copy and paste, frames
// played on the modules, and the spans kept in the library file.
class TestSpanWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(); }
    void init();
    void cleanup();

    void definedInTheWindowAndSentToModules();
    void drawingIsOneStepAndUndoes();
    void keyboardAndTransforms();
    void copyAndPaste();
    void textToFramesPlayedOnModules();
    void onionSkinAndFrameOperations();
    void keptInTheLibraryFile();
    void unreadableSpansAreLeftAlone();
    void gifInAndOut();
    void dialogArrangesModules();
    void mainWindowSwitchesWhilePlaying_data();
    void mainWindowSwitchesWhilePlaying();

private:
    SpanEditor *editor() const { return m_spans->editor(); }
    // A span made through New Span, the dialog answering with `span`.
    void makeSpan(const Span &span);
    QPoint centreOf(int x, int y) const
    {
        return m_spans->canvasView()->dotRect(x, y).center().toPoint();
    }

    std::unique_ptr<Pty> m_com1;
    std::unique_ptr<Pty> m_com2;
    std::unique_ptr<Pty> m_com3;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    SpanWindow *m_spans = nullptr;
    QStringList m_messages;
    QString m_nextFile;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSpanWindow::init()
{
    m_com1.reset(startOnNewPty(&m_messages));
    m_com2 = std::make_unique<Pty>();
    m_com3 = std::make_unique<Pty>();
    mapPort(2, m_com2->slavePath());
    mapPort(3, m_com3->slavePath());
    m_dir = std::make_unique<QTemporaryDir>();
    prompter().onFile = [this](FileChooser::Purpose, const QString &, const QStringList &f) {
        return FileChooser::Choice{m_nextFile, f.value(0)};
    };
    prompter().onSave = [](QWidget *, const QString &) { return SaveQuestion::Answer::Discard; };
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    QVERIFY(m_window->serialPort().isOpen());
    QAction *menu = m_window->findChild<QAction *>(QStringLiteral("mnuSpans"));
    QVERIFY(menu);
    menu->trigger();
    m_spans = m_program->spans().spansWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_spans));
    QVERIFY(m_spans->isWindow());
    QCOMPARE(m_spans->font(), m_window->font());
}

void TestSpanWindow::cleanup()
{
    delete m_program;
    m_program = nullptr;
    m_window = nullptr;
    m_com1.reset();
    m_com2.reset();
    m_com3.reset();
    prompter().reset();
}

void TestSpanWindow::makeSpan(const Span &span)
{
    QString title;
    prompter().onDialog = [&title, span](QDialog &shown) {
        auto *dialog = qobject_cast<SpanDialog *>(&shown);
        if (!dialog)
            return int(QDialog::Rejected);
        title = dialog->windowTitle();
        fillSpanDialog(*dialog, span);
        return int(QDialog::Accepted);
    };
    m_spans->action(QStringLiteral("actNewSpan"))->trigger();
    QCOMPARE(title, QStringLiteral("New Span"));
    QCOMPARE(editor()->span().name, span.name);
}

// COM1 upright (the main window's own port), COM2 upside down, COM3 mirrored: each module is
// sent its slice at once, and all three Fs read upright.
void TestSpanWindow::definedInTheWindowAndSentToModules()
{
    makeSpan(spanOf(QStringLiteral("Shelf"), 3, 1, {"COM1", "COM2", "COM3"},
                    {Orientation{0, false}, Orientation{180, false}, Orientation{0, true}}));
    QVERIFY(m_spans->pasteText(QString::fromLatin1(ThreeFs)));
    m_spans->action(QStringLiteral("actSend"))->trigger();
    QCOMPARE(m_com1->read(9), hex("FC F7 90 90 90 10 10 08 00"));
    QCOMPARE(m_com2->read(9), hex("FC 00 10 08 08 09 09 09 EF"));
    QCOMPARE(m_com3->read(9), hex("FC 00 08 10 10 90 90 90 F7"));
    // One connection per module: COM1 is reached through the main window's.
    QCOMPARE(m_spans->modules()->connection(0), &m_window->serialPort());
    QCOMPARE(m_spans->statusLabel()->text(), QStringLiteral("Sent to the modules."));
    QCOMPARE(m_messages, QStringList());
    // The library now holds the span, and counts as changed.
    LibraryDocument *library = m_program->library().document();
    QVERIFY(library->isModified());
    QString reason;
    const auto kept = SpanSection::read(library->section(QLatin1String(SpanSection::Key)), &reason);
    QVERIFY2(kept, qPrintable(reason));
    QCOMPARE(kept->size(), 1);
    QCOMPARE(kept->first().picture, editor()->canvas());

    // Closing the window gives the modules back: the main window keeps its port.
    m_spans->close();
    QVERIFY(m_window->serialPort().isOpen());
    QVERIFY(!m_spans->modules()->isAttached());
}

// A fast drag across two modules lights every dot the pointer crossed; the stroke is one step,
// taken back with Ctrl+Z and done again with Ctrl+Shift+Z and Ctrl+Y.
void TestSpanWindow::drawingIsOneStepAndUndoes()
{
    makeSpan(spanOf(QStringLiteral("Pair"), 2, 1, {}));
    SpanCanvasView *view = m_spans->canvasView();
    const int before = m_spans->editor()->undoStack()->count();
    QTest::mousePress(view, Qt::LeftButton, {}, centreOf(0, 0));
    QTest::mouseMove(view, centreOf(12, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, centreOf(12, 0));
    const Canvas drawn = editor()->canvas();
    for (int x = 0; x <= 12; ++x)
        QVERIFY2(drawn.dot(x, 0), qPrintable(QString::number(x)));
    QCOMPARE(drawn.litCount(), 13);
    QCOMPARE(m_spans->editor()->undoStack()->count(), before + 1);
    QCOMPARE(view->canvas(), drawn);

    // The stroke erases from a lit dot on.
    QTest::mousePress(view, Qt::LeftButton, {}, centreOf(12, 0));
    QTest::mouseMove(view, centreOf(10, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, centreOf(10, 0));
    QCOMPARE(editor()->canvas().litCount(), 10);

    QTest::keyClick(m_spans, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor()->canvas(), drawn);
    QTest::keyClick(m_spans, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(editor()->canvas().isBlank());
    QVERIFY(view->canvas().isBlank());
    QTest::keyClick(m_spans, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(editor()->canvas(), drawn);
    QTest::keyClick(m_spans, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor()->canvas().litCount(), 10);
    QVERIFY(m_spans->action(QStringLiteral("actUndo"))->text().contains(QStringLiteral("Draw")));
}

// The focus cell moves with the arrow keys and Space toggles it; the transforms keep the shape.
void TestSpanWindow::keyboardAndTransforms()
{
    makeSpan(spanOf(QStringLiteral("Pair"), 2, 1, {}));
    SpanCanvasView *view = m_spans->canvasView();
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(view->focusDot(), QPoint(9, 1));
    QVERIFY(editor()->canvas().dot(9, 1));
    QCOMPARE(editor()->canvas().litCount(), 1);
    QVERIFY(view->accessibleDescription().contains(QStringLiteral("module 2")));

    m_spans->applyTransform(Transform::WrapLeft);
    QVERIFY(editor()->canvas().dot(8, 1));
    QTest::keyClick(m_spans, Qt::Key_M, Qt::ControlModifier); // mirror left to right
    QVERIFY(editor()->canvas().dot(7, 1));
    QTest::keyClick(m_spans, Qt::Key_R, Qt::ControlModifier | Qt::AltModifier); // rotate 180
    QVERIFY(editor()->canvas().dot(8, 6));
    QTest::keyClick(m_spans, Qt::Key_I, Qt::ControlModifier); // invert
    QCOMPARE(editor()->canvas().litCount(), 127);
    m_spans->clearCanvas();
    QVERIFY(editor()->canvas().isBlank());
}

// Copy gives text art and a picture; text art of any size, one module's pattern in a workbench
// format, and pictures paste back, a grey picture through the threshold.
void TestSpanWindow::copyAndPaste()
{
    makeSpan(spanOf(QStringLiteral("Pair"), 2, 1, {}));
    QVERIFY(m_spans->pasteText(QStringLiteral("#.#\n.#.\n")));
    const Canvas small = editor()->canvas();
    QCOMPARE(small.litCount(), 3);
    m_spans->copy();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->text().startsWith(QStringLiteral("#.#.............\n.#..............\n")));
    QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(), QSize(128, 64));
    m_spans->clearCanvas();
    m_spans->paste();
    QCOMPARE(editor()->canvas(), small);

    // Module bytes into the module of the focus cell, after the question which reading.
    m_spans->clearCanvas();
    m_spans->canvasView()->setFocusDot(QPoint(11, 3));
    int asked = 0;
    prompter().onDialog = [&asked](QDialog &shown) {
        auto *chooser = qobject_cast<FormatChooser *>(&shown);
        if (!chooser)
            return int(QDialog::Rejected);
        ++asked;
        chooser->choose(TextFormats::Format::ModuleBytes);
        return int(QDialog::Accepted);
    };
    QVERIFY(m_spans->pasteText(QStringLiteral("10 00 00 00 00 00 00 08")));
    QCOMPARE(asked, 1);
    QVERIFY(editor()->canvas().dot(8, 0) && editor()->canvas().dot(15, 7));
    QCOMPARE(editor()->canvas().litCount(), 2);

    // A crisp picture goes straight in, brought down to 16 x 8 dots.
    Canvas drawn(2, 1);
    drawn.setDot(3, 3, true);
    drawn.setDot(14, 6, true);
    QVERIFY(m_spans->pastePicture(CanvasImage::render(drawn, 5), QStringLiteral("test")));
    QCOMPARE(editor()->canvas(), drawn);
    // A grey one asks for the threshold.
    int threshold = 0;
    prompter().onDialog = [&threshold](QDialog &shown) {
        auto *dialog = qobject_cast<CanvasImportDialog *>(&shown);
        if (!dialog)
            return int(QDialog::Rejected);
        threshold = dialog->levels().first().width();
        dialog->thresholdSlider()->setValue(200);
        dialog->lightIsLitBox()->setChecked(false);
        return int(QDialog::Accepted);
    };
    QImage grey(160, 80, QImage::Format_RGB32);
    grey.fill(qRgb(150, 150, 150));
    QVERIFY(m_spans->pastePicture(grey, QStringLiteral("test")));
    QCOMPARE(threshold, 16);
    QCOMPARE(editor()->canvas().litCount(), 128);

    // Text that is nothing of the kind changes nothing and says why.
    const Canvas kept = editor()->canvas();
    QVERIFY(!m_spans->pasteText(QStringLiteral("hello there")));
    QCOMPARE(editor()->canvas(), kept);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().startsWith(QStringLiteral("Nothing was pasted")));
}

// Text to Frames across the whole span, played on the modules: every frame reaches every
// module, and the last frame leaves them dark.
void TestSpanWindow::textToFramesPlayedOnModules()
{
    makeSpan(spanOf(QStringLiteral("Shelf"), 3, 1, {"COM1", "COM2", "COM3"},
                    {Orientation{0, false}, Orientation{180, false}, Orientation{0, true}}));
    TextFrames::Options options;
    options.font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    options.font.setPixelSize(9);
    options.frameMs = 40;
    const QList<SpanFrame> frames = SpanText::scroll(QStringLiteral("Hi"), options, 3, 1);
    prompter().onDialog = [options](QDialog &shown) {
        auto *dialog = qobject_cast<SpanTextDialog *>(&shown);
        if (!dialog || dialog->columns() != 3 || dialog->rows() != 1)
            return int(QDialog::Rejected);
        dialog->textBox()->setText(QStringLiteral("Hi"));
        dialog->fontBox()->setCurrentFont(options.font);
        dialog->sizeBox()->setValue(options.font.pixelSize());
        dialog->frameTimeBox()->setValue(options.frameMs);
        return int(QDialog::Accepted);
    };
    m_spans->action(QStringLiteral("actTextToFrames"))->trigger();
    QCOMPARE(editor()->frames(), frames);
    QCOMPARE(m_spans->animationList()->currentText(), QStringLiteral("Animation: Text: Hi"));
    QCOMPARE(m_spans->strip()->model()->rowCount(), frames.size());

    m_spans->loopBox()->setChecked(false);
    m_spans->action(QStringLiteral("actPlayOnModules"))->trigger();
    QVERIFY(m_spans->player()->isPlaying());
    QByteArray received[3];
    Pty *ptys[3] = {m_com1.get(), m_com2.get(), m_com3.get()};
    QTRY_VERIFY_WITH_TIMEOUT(!m_spans->player()->isPlaying(), 5000);
    for (int i = 0; i < 3; ++i)
        received[i] = ptys[i]->readAll(150);
    for (int i = 0; i < 3; ++i) {
        const QStringList sent = messagesIn(received[i]);
        QCOMPARE(sent.size(), frames.size());
        QCOMPARE(sent.first(), QStringLiteral("FC 00 00 00 00 00 00 00 00"));
        QCOMPARE(sent.last(), QStringLiteral("FC 00 00 00 00 00 00 00 00"));
    }
    // The canvas shows the chosen frame again once playing is over.
    QCOMPARE(m_spans->canvasView()->canvas(), editor()->canvas());
    QVERIFY(m_spans->countsLabel()->text().startsWith(
        QStringLiteral("Frame %1 of %1").arg(frames.size())));
}

void TestSpanWindow::onionSkinAndFrameOperations()
{
    makeSpan(spanOf(QStringLiteral("Pair"), 2, 1, {}));
    m_spans->editor()->newAnimation(QStringLiteral("Steps"), {}, QStringLiteral("test"));
    QVERIFY(m_spans->pasteText(QStringLiteral("#")));
    m_spans->action(QStringLiteral("actAddFrame"))->trigger();
    QCOMPARE(editor()->selectedFrame(), 1);
    QVERIFY(editor()->canvas().isBlank());
    m_spans->onionSkinBox()->setChecked(true);
    // The previous frame is only drawn: the canvas's own dots stay dark.
    QVERIFY(editor()->canvas().isBlank());
    m_spans->durationBox()->setValue(250);
    QCOMPARE(editor()->frames().at(1).durationMs, 250);
    m_spans->action(QStringLiteral("actDuplicateFrame"))->trigger();
    QCOMPARE(editor()->frames().size(), 3);
    m_spans->action(QStringLiteral("actEarlier"))->trigger();
    m_spans->action(QStringLiteral("actEarlier"))->trigger();
    QCOMPARE(editor()->selectedFrame(), 0);
    QVERIFY(editor()->frames().at(1).canvas.dot(0, 0));
    m_spans->action(QStringLiteral("actDeleteFrame"))->trigger();
    QCOMPARE(editor()->frames().size(), 2);
    // All of it one step each, back to the start of the animation.
    while (editor()->undoStack()->canUndo() && editor()->currentAnimation() >= 0)
        editor()->undo();
    QCOMPARE(editor()->currentAnimation(), -1);
    QVERIFY(editor()->span().animations.isEmpty());
}

// Saved with the library, read again when it is opened: a new library has none.
void TestSpanWindow::keptInTheLibraryFile()
{
    makeSpan(spanOf(QStringLiteral("Wall"), 2, 2, {"COM1", "COM2", "", "tcp://127.0.0.1:9"},
                    {{}, Orientation{90, true}}));
    QVERIFY(m_spans->pasteText(QStringLiteral("#\n.#")));
    m_spans->editor()->newAnimation(QStringLiteral("Blink"), {}, QStringLiteral("test"));
    const QList<Span> made = editor()->spans();
    LibraryDocument *library = m_program->library().document();
    const QString path = m_dir->filePath(QStringLiteral("wall.glyphs"));
    QVERIFY(library->saveTo(path, m_window));
    QString reason;
    const auto file = PatternLibrary::read(path, &reason);
    QVERIFY2(file, qPrintable(reason));
    QCOMPARE(SpanSection::read(*file, &reason), made);

    QVERIFY(library->newLibrary(m_window));
    QVERIFY(editor()->spans().isEmpty());
    QCOMPARE(m_spans->spanList()->count(), 0);
    QVERIFY(!m_spans->action(QStringLiteral("actSend"))->isEnabled());
    QVERIFY(library->openFile(path, m_window));
    QCOMPARE(editor()->spans(), made);
    QCOMPARE(m_spans->spanList()->currentText(), QStringLiteral("Wall (2 x 2)"));
    QVERIFY(!editor()->undoStack()->canUndo());
}

// A spans section this version cannot read is shown as such and kept as it is when the library
// is saved.
void TestSpanWindow::unreadableSpansAreLeftAlone()
{
    const QString path = m_dir->filePath(QStringLiteral("odd.glyphs"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "glyphsmith-library", "version": 1, "patterns": [],
                   "spans": [{"name": "Odd", "columns": 40, "rows": 1, "modules": []}]})");
    file.close();
    LibraryDocument *library = m_program->library().document();
    QVERIFY(library->openFile(path, m_window));
    QVERIFY(!editor()->isEditable());
    QVERIFY(m_spans->statusLabel()->text().contains(QStringLiteral("cannot be shown")));
    QVERIFY(!m_spans->action(QStringLiteral("actNewSpan"))->isEnabled());
    const QJsonValue before = library->section(QLatin1String(SpanSection::Key));
    QVERIFY(library->saveTo(path, m_window));
    QString reason;
    QCOMPARE(
        PatternLibrary::read(path, &reason)->otherSections.value(QLatin1String(SpanSection::Key)),
        before);
}

// An animated GIF at the span's size in and out.
void TestSpanWindow::gifInAndOut()
{
    makeSpan(spanOf(QStringLiteral("Pair"), 2, 1, {}));
    QList<SpanFrame> frames;
    for (int i = 0; i < 4; ++i) {
        Canvas canvas(2, 1);
        canvas.setDot(i * 4, i, true);
        frames.append({canvas, 60});
    }
    const QString gif = m_dir->filePath(QStringLiteral("in.gif"));
    QString error;
    QVERIFY(CanvasImage::writeGif(gif, frames, 2, &error));
    prompter().onDialog = [](QDialog &shown) {
        auto *dialog = qobject_cast<CanvasImportDialog *>(&shown);
        if (!dialog || dialog->levels().size() != 4)
            return int(QDialog::Rejected);
        dialog->thresholdSlider()->setValue(128);
        dialog->lightIsLitBox()->setChecked(false);
        return int(QDialog::Accepted);
    };
    QVERIFY(m_spans->importAnimationFile(gif));
    QCOMPARE(editor()->frames(), frames);
    QCOMPARE(m_spans->animationList()->currentText(), QStringLiteral("Animation: in"));
    const QString out = m_dir->filePath(QStringLiteral("out.gif"));
    QVERIFY(m_spans->exportGifFile(out));
    const auto back = CanvasImage::readAnimation(out, 2, 1, &error);
    QVERIFY2(back, qPrintable(error));
    QCOMPARE(CanvasImage::toFrames(*back, 128, false), frames);
    QVERIFY(!m_spans->importAnimationFile(m_dir->filePath(QStringLiteral("missing.gif"))));
    QCOMPARE(m_messages.size(), 1);
}

// The dialog itself: the modules follow the size, Identify shows each its number, and two places
// on one module are refused.
void TestSpanWindow::dialogArrangesModules()
{
    Span span =
        spanOf(QStringLiteral("Pair"), 2, 1, {"COM1", "COM2"}, {{}, Orientation{180, false}});
    ConnectionPool pool;
    pool.share(&m_window->serialPort());
    SpanDialog dialog(prompter(), span, {}, -1, &pool);
    dialog.show();
    dialog.columnsBox()->setValue(3);
    QVERIFY(dialog.targetBox(2));
    QCOMPARE(dialog.targetBox(1)->currentText(), QStringLiteral("COM2"));
    QCOMPARE(dialog.rotationBox(1)->currentData().toInt(), 180);
    QCOMPARE(dialog.targetBox(2)->currentText(), QString());
    QCOMPARE(dialog.rowsBox()->maximum(), 5);
    dialog.targetBox(2)->setCurrentText(QStringLiteral("COM3"));
    dialog.mirroredBox(2)->setChecked(true);
    dialog.identify();
    // As they are, without orientation: "1", "2" and "3" under the arrow.
    QCOMPARE(m_com1->read(9), hex("FC 10 00 29 BF 38 20 00 00"));
    QCOMPARE(m_com2->read(9), hex("FC 10 00 AE BA BB 20 00 00"));
    QCOMPARE(m_com3->read(9), hex("FC 10 00 A8 BA BF 20 00 00"));
    QCOMPARE(dialog.statusLabel()->text(), QStringLiteral("Each module shows its number."));

    dialog.targetBox(2)->setCurrentText(QStringLiteral("com2"));
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().contains(QStringLiteral("both")));
    dialog.targetBox(2)->setCurrentText(QStringLiteral("COM9"));
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QVERIFY(m_messages.last().contains(QStringLiteral("COM1 to COM6")));
    dialog.targetBox(2)->setCurrentText(QStringLiteral("COM3"));
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    const Span result = dialog.span();
    QCOMPARE(result.columns, 3);
    QCOMPARE(result.modules.at(2).target, QStringLiteral("COM3"));
    QCOMPARE(result.modules.at(2).orientation, (Orientation{0, true}));
    QCOMPARE(result.picture.width(), 24);
    QVERIFY(m_window->serialPort().isOpen());
}

void TestSpanWindow::mainWindowSwitchesWhilePlaying_data()
{
    QTest::addColumn<int>("to");
    QTest::newRow("to a module outside the span") << 3;
    QTest::newRow("to the span's other module") << 2;
}

// Communication > COM3 or COM2 while a span of COM1 and COM2 plays on its modules: both go on
// getting their own parts to the last frame, COM3 gets nothing, and the main window's port opens.
void TestSpanWindow::mainWindowSwitchesWhilePlaying()
{
    QFETCH(int, to);
    constexpr int Count = 30;
    makeSpan(spanOf(QStringLiteral("Pair"), 2, 1, {"COM1", "COM2"}));
    QList<SpanFrame> frames;
    for (int k = 0; k < Count; ++k)
        frames.append({SpanFrames::numbered(2, k), 40});
    QVERIFY(editor()->newAnimation(QStringLiteral("Count"), frames, QStringLiteral("test")));
    m_spans->loopBox()->setChecked(false);
    m_spans->action(QStringLiteral("actPlayOnModules"))->trigger();
    QTRY_VERIFY(m_spans->player()->isPlaying());
    QTRY_VERIFY(m_spans->player()->framesDue() >= 10);
    m_window->mnuCOM_Click(to);
    QVERIFY2(m_window->serialPort().isOpen(), qPrintable(m_window->serialPort().errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(!m_spans->player()->isPlaying(), 5000);
    Pty *ptys[3] = {m_com1.get(), m_com2.get(), m_com3.get()};
    for (int module : {0, 1}) {
        const QStringList sent = messagesIn(ptys[module]->readAll(150));
        QVERIFY2(sent.size() >= Count - 3, qPrintable(sent.join(u'\n')));
        for (int k = 1; k < sent.size(); ++k) {
            QVERIFY2(SpanFrames::frameOf(sent.at(k), module) >
                         SpanFrames::frameOf(sent.at(k - 1), module),
                     qPrintable(sent.join(u'\n')));
        }
        QCOMPARE(SpanFrames::frameOf(sent.last(), module), Count - 1);
    }
    QCOMPARE(m_com3->readAll(100), QByteArray());
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TestSpanWindow)
#include "tst_spanwindow.moc"
