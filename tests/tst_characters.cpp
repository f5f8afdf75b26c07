#include "bankdocument.h"
#include "bankmodel.h"
#include "characterscontroller.h"
#include "characterswindow.h"
#include "editcontroller.h"
#include "framescontroller.h"
#include "frmmain.h"
#include "glyphmodel.h"
#include "grideditor.h"
#include "gridmodel.h"
#include "librarycontroller.h"
#include "librarydocument.h"
#include "messagebox.h"
#include "patternpicture.h"
#include "shortcutswindow.h"
#include "testsupport.h"
#include "textglyph.h"
#include "thumbnaildelegate.h"
#include "undoactions.h"
#include "undohistory.h"
#include "workspace.h"

#include <QAction>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QFile>
#include <QFontComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using namespace TestSupport;
using Mark = CharacterBank::Mark;
using Columns = Protocol::ColumnPattern;

namespace {

// The weight of a dot in its column's byte, top row first, as the module's documentation gives
// it; written out here so that a wrong table in the program cannot pass the tests.
constexpr std::array<quint8, 8> WeightFromTop = {0x10, 0x20, 0x40, 0x80, 0x01, 0x02, 0x04, 0x08};

const QString Lat15 = QStringLiteral("/usr/share/consolefonts/Lat15-VGA8.psf.gz");

// The module bytes of a character of a PSF1 console font with a character table, read from the
// bytes that gzip unpacks: the glyph whose table entry lists the character on its own.
std::optional<Columns> consoleGlyph(const QString &path, char32_t character)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
    gzip.waitForFinished(-1);
    const QByteArray data = gzip.readAllStandardOutput();
    const auto byte = [&](qsizetype at) { return quint8(data.at(at)); };
    if (data.size() < 4 || byte(0) != 0x36 || byte(1) != 0x04 || byte(3) != 8)
        return std::nullopt;
    const qsizetype count = byte(2) & 1 ? 512 : 256;
    qsizetype at = 4 + count * 8;
    for (qsizetype glyph = 0; glyph < count; ++glyph) {
        bool found = false;
        for (bool sequences = false;; at += 2) {
            const uint unit = byte(at) | byte(at + 1) << 8;
            if (unit == 0xFFFF)
                break;
            sequences = sequences || unit == 0xFFFE;
            found = found || (!sequences && unit == character);
        }
        at += 2;
        if (found) {
            Columns columns{};
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8; ++x) {
                    if (byte(4 + glyph * 8 + y) & (0x80 >> x))
                        columns[size_t(x)] |= WeightFromTop[size_t(y)];
                }
            }
            return columns;
        }
    }
    return std::nullopt;
}

Columns patternFor(int n)
{
    return {quint8(0x20 + n), 0x81, quint8(n), 0, 0, 0x18, 0, quint8(0xF0 - n)};
}

} // namespace

// The Characters window: its slots and marks, the undo steps it makes, uploads through the
// simulator, the bank kept per device, files, drops and glyphs from fonts.
class TestCharacters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useTemporarySettings(); }
    void init();
    void cleanup();

    void storeAndLoadAreUndoSteps();
    void dropFromLibrary_data();
    void dropFromLibrary();
    void uploadAllThroughTheSimulator();
    void unplugStopsAndIsReportedOnce();
    void bankPerDeviceSurvivesRestart();
    void glyphsFromConsoleFont();
    void installedFontThreshold();
    void slotsKeepTheirPlace();
    void selectedPictureIsFramed_data();
    void selectedPictureIsFramed();
    void defaultFontShowsLatin1();
    void blankCharactersAreNamed();
    void fillBoxTakesTen_data();
    void fillBoxTakesTen();
    void badFontChangesNothing_data();
    void badFontChangesNothing();
    void bankInLibraryFile();
    void shortcutsListed();

private:
    void startProgram();
    CharacterBank bank() const { return m_program->characters().characterBank()->bank(); }
    Columns grid() const { return m_window->grid().columnValues(); }
    void setSlots(const QList<int> &positions)
    {
        for (int n : positions)
            m_characters->storePatterns(n, {Pattern::fromColumns(patternFor(n))}, "set");
    }

    QTemporaryDir m_dir;
    Pty *m_pty = nullptr;
    Workspace *m_program = nullptr;
    FrmMain *m_window = nullptr;
    CharactersWindow *m_characters = nullptr;
    QStringList m_messages;
    QString m_nextFile;
};

void TestCharacters::init()
{
    m_pty = startOnNewPty(&m_messages);
    prompter().onFile = [this](FileChooser::Purpose, const QString &, const QStringList &f) {
        return FileChooser::Choice{m_nextFile, f.value(0)};
    };
    prompter().onSave = [](QWidget *, const QString &) { return SaveQuestion::Answer::Save; };
    startProgram();
}

void TestCharacters::startProgram()
{
    m_program = new Workspace(prompter());
    m_window = &m_program->window();
    m_window->Form_Load();
    m_window->show();
    m_program->characters().showCharacters();
    m_characters = m_program->characters().charactersWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_characters));
}

void TestCharacters::cleanup()
{
    delete m_program;
    m_program = nullptr;
    delete m_pty;
    prompter().reset();
}

void TestCharacters::storeAndLoadAreUndoSteps()
{
    // A change of the slots is a step of the window's own history; a slot loaded into the grid
    // is a change of the grid, a step of the grid's.
    QVERIFY(m_characters->isWindow());
    QUndoStack *bankSteps = m_window->undoHistory()->characters();
    QUndoStack *drawing = m_window->undoHistory()->grid();
    m_window->col2_Click(16);
    m_window->col8_Click(8);
    const Columns drawn = grid();
    m_characters->selectSlot(3);
    m_characters->storeGridInSlot();
    QCOMPARE(bank().slot(3).pattern.columns(), drawn);
    QCOMPARE(bank().slot(3).mark(), Mark::NeverUploaded);
    QCOMPARE(bankSteps->undoText(), QStringLiteral("Store Grid in Slot 3"));
    QCOMPARE(m_characters->undoActions()->undoAction()->text(),
             QStringLiteral("&Undo Store Grid in Slot 3"));

    m_window->cmdCLR_Click();
    m_characters->loadSlotIntoGrid();
    QCOMPARE(grid(), drawn);
    QCOMPARE(drawing->undoText(), QStringLiteral("Load Slot 3"));
    QCOMPARE(m_window->findChild<QAction *>(QStringLiteral("mnuUndo"))->text(),
             QStringLiteral("&Undo Load Slot 3"));
    // Ctrl+Z in the Characters window takes back the store, and leaves the grid alone.
    QTest::keyClick(m_characters, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(bank().slot(3).pattern.columns(), Columns{});
    QCOMPARE(grid(), drawn);
    QVERIFY(!bankSteps->canUndo());
    QTest::keyClick(m_characters, Qt::Key_Z, Qt::ControlModifier); // nothing more of its own
    QCOMPARE(grid(), drawn);
    m_window->gridEditor()->undo(); // the load
    QCOMPARE(grid(), Columns{});
    m_window->gridEditor()->undo(); // Clear ALL
    QCOMPARE(grid(), drawn);
    QTest::keyClick(m_characters, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(bank().slot(3).pattern.columns(), drawn);
    QCOMPARE(m_characters->bankModel()->index(3).data(BankModel::MarkRole).toInt(),
             int(Mark::NeverUploaded));
}

void TestCharacters::dropFromLibrary_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("onSlot");
    QTest::addColumn<int>("dragged");
    QTest::addColumn<QList<int>>("filled");
    QTest::newRow("one on a slot") << -1 << 4 << 1 << QList<int>{4};
    QTest::newRow("two between slots") << 6 << -1 << 2 << QList<int>{6, 7};
    QTest::newRow("three on slot 8: the last one has no slot") << -1 << 8 << 3 << QList<int>{8, 9};
}

void TestCharacters::dropFromLibrary()
{
    QFETCH(int, row);
    QFETCH(int, onSlot);
    QFETCH(int, dragged);
    QFETCH(QList<int>, filled);
    LibraryModel *library = m_program->library().document()->model();
    QModelIndexList rows;
    for (int i = 0; i < dragged; ++i)
        rows.append(library->index(i + 1));
    std::unique_ptr<QMimeData> data(library->mimeData(rows));
    BankModel *model = m_characters->bankModel();
    const QModelIndex parent = onSlot >= 0 ? model->index(onSlot) : QModelIndex();
    QVERIFY(model->dropMimeData(data.get(), Qt::MoveAction, row, 0, parent));
    for (int position = 0; position < CharacterBank::Slots; ++position) {
        const int at = int(filled.indexOf(position));
        QCOMPARE(bank().slot(position).pattern.columns(),
                 at >= 0 ? library->at(at + 1).pattern.columns() : Columns{});
    }
    QCOMPARE(library->rowCount() > dragged, true); // the library keeps them
    m_characters->undoActions()->undoAction()->trigger();
    for (int position = 0; position < CharacterBank::Slots; ++position)
        QCOMPARE(bank().slot(position).pattern.columns(), Columns{});
    QMimeData text;
    text.setText(QStringLiteral("not a pattern"));
    QVERIFY(!model->dropMimeData(&text, Qt::CopyAction, -1, 0, model->index(0)));
    QVERIFY(!model->dropMimeData(data.get(), Qt::MoveAction, -1, -1, QModelIndex())); // no slot
}

void TestCharacters::uploadAllThroughTheSimulator()
{
    const QString link = m_dir.filePath(QStringLiteral("module"));
    const QString log = m_dir.filePath(QStringLiteral("log"));
    QProcess sim;
    sim.start(qEnvironmentVariable("GLYPHSMITH_SIM"),
              {"--headless", "--baud", "9600", "--link", link, "--log", log});
    QVERIFY(sim.waitForReadyRead(5000));
    mapPort(1, link);
    m_window->mnuCOM_Click(1);
    QVERIFY(m_window->serialPort().isOpen());
    QCOMPARE(m_program->characters().characterBank()->device(), link);
    setSlots({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});

    QSignalSpy marks(m_program->characters().characterBank(), &BankDocument::changed);
    m_characters->uploadAll();
    QVERIFY(m_characters->isUploading());
    QTRY_VERIFY(!m_characters->isUploading());
    QCOMPARE(m_characters->progressBar()->value(), 10);
    QCOMPARE(m_characters->statusLabel()->text(), QStringLiteral("Uploaded 10 slots."));
    QCOMPARE(marks.count(), 10);
    QCOMPARE(bank().pendingPositions(), QList<int>{});

    // One slot changed since: its mark says so, and Upload sends that slot alone.
    m_characters->storePatterns(2, {Pattern::fromBits(1)}, "set");
    QCOMPARE(bank().slot(2).mark(), Mark::Changed);
    // Beside the new pattern, small, what the module still holds.
    const QImage thumbnail = m_characters->bankModel()
                                 ->index(2)
                                 .data(Qt::DecorationRole)
                                 .value<QPixmap>()
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
    const QImage held =
        PatternPicture::draw(Pattern::fromColumns(patternFor(2)), BankModel::HeldDotSize)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(thumbnail.copy(
                 QRect(QPoint(thumbnail.width() - held.width(), thumbnail.height() - held.height()),
                       held.size())),
             held);
    m_characters->selectSlot(2);
    m_characters->upload();
    QTRY_VERIFY(!m_characters->isUploading());
    QCOMPARE(bank().slot(2).mark(), Mark::Uploaded);

    QStringList expected;
    for (int n = 0; n < 10; ++n) {
        expected << Protocol::hexString(Protocol::dotMatrix(patternFor(n)).bytes())
                 << Protocol::hexString(Protocol::saveCustom(n).bytes());
    }
    expected << Protocol::hexString(Protocol::dotMatrix(Pattern::fromBits(1).columns()).bytes())
             << QStringLiteral("F9 02");
    const auto logged = [&log] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly)
                   ? QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                   : QStringList();
    };
    QTRY_COMPARE(logged(), expected);
    QVERIFY(m_messages.isEmpty());

    // Another port reaches another module: what the last upload did there is no news here.
    Pty other;
    mapPort(3, other.slavePath());
    m_window->mnuCOM_Click(3);
    QCOMPARE(m_program->characters().characterBank()->device(), other.slavePath());
    QCOMPARE(m_characters->progressBar()->value(), 0);
    QCOMPARE(m_characters->statusLabel()->text(), QString());
    sim.terminate();
    sim.waitForFinished(3000);
}

void TestCharacters::unplugStopsAndIsReportedOnce()
{
    // The line takes 110 ms for all ten; the hang-up is seen at the next pass of the event loop.
    m_characters->uploadAll();
    m_pty->closeMaster();
    QTRY_VERIFY(!m_characters->isUploading());
    QTest::qWait(100);
    QCOMPARE(m_messages, QStringList{MessageBox::text(MessageBox::PortUnavailable)});
    QVERIFY2(m_characters->statusLabel()->text().startsWith("Stopped: the port closed after"),
             qPrintable(m_characters->statusLabel()->text()));
    QVERIFY(bank().slot(9).mark() == Mark::NeverUploaded);

    // With the port closed, Upload says so at once.
    m_messages.clear();
    m_characters->upload();
    QCOMPARE(m_messages, QStringList{MessageBox::text(MessageBox::PortUnavailable)});
}

void TestCharacters::bankPerDeviceSurvivesRestart()
{
    setSlots({5});
    m_characters->selectSlot(5);
    m_characters->upload();
    QTRY_VERIFY(!m_characters->isUploading());
    setSlots({6});
    delete m_program;
    m_program = nullptr;
    startProgram();
    QCOMPARE(bank().slot(5).pattern.columns(), patternFor(5));
    QCOMPARE(bank().slot(5).mark(), Mark::Uploaded);
    QCOMPARE(bank().slot(6).mark(), Mark::NeverUploaded);
    QCOMPARE(bank().slot(6).pattern.columns(), patternFor(6));

    // Another device behind COM2 has a bank of its own; back on COM1 the first one returns.
    Pty other;
    mapPort(2, other.slavePath());
    m_window->mnuCOM_Click(2);
    QCOMPARE(bank(), CharacterBank());
    m_window->mnuCOM_Click(1);
    QCOMPARE(bank().slot(5).mark(), Mark::Uploaded);
}

void TestCharacters::glyphsFromConsoleFont()
{
    QVERIFY(m_characters->openFontFile(Lat15));
    GlyphModel *glyphs = m_characters->glyphModel();
    QVERIFY(glyphs->usesBitmapFont());
    int row = 0;
    while (row < glyphs->rowCount() && glyphs->text(row) != QStringLiteral("&"))
        ++row;
    QListView *view = m_characters->glyphView();
    view->scrollTo(glyphs->index(row));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(glyphs->index(row)).center());
    QCOMPARE(grid(), consoleGlyph(Lat15, U'&'));
    QCOMPARE(m_window->undoHistory()->grid()->undoText(), QStringLiteral("Glyph \"&\""));

    QVERIFY(m_characters->fillSlots(QStringLiteral("0Ag\u00e9\u00df#?@~9")));
    const QList<uint> filled = QStringLiteral("0Ag\u00e9\u00df#?@~9").toUcs4();
    for (int n = 0; n < 10; ++n)
        QCOMPARE(bank().slot(n).pattern.columns(), consoleGlyph(Lat15, filled.at(n)));
    m_characters->undoActions()->undoAction()->trigger();
    QCOMPARE(bank().slot(1).pattern.columns(), Columns{});

    QVERIFY(!m_characters->fillSlots(QStringLiteral("AB\u4e2d")));
    QCOMPARE(m_messages, QStringList{"Nothing was filled: the font has no glyph for \"\u4e2d\"."});
    QCOMPARE(bank().slot(0).pattern.columns(), Columns{});
}

void TestCharacters::installedFontThreshold()
{
    GlyphModel *glyphs = m_characters->glyphModel();
    QVERIFY(!glyphs->usesBitmapFont());
    QVERIFY(glyphs->rowCount() > 90);
    const QString family = m_characters->familyBox()->currentFont().family();
    m_characters->sizeBox()->setValue(10);
    int w = 0;
    while (w < glyphs->rowCount() && glyphs->text(w) != QStringLiteral("W"))
        ++w;
    QList<Columns> seen;
    for (int threshold : {5, 50, 95}) {
        m_characters->thresholdSlider()->setValue(threshold);
        m_characters->putGlyphOnGrid(w);
        QCOMPARE(grid(), Fonts::textGlyphPattern(family, 10, threshold, U'W').columns());
        QVERIFY(!seen.contains(grid())); // the threshold makes strokes bolder or thinner
        seen.append(grid());
    }
}

// A mark that changes, bold "never uploaded" to "uploaded", leaves every slot where and as
// large as it was: a whole cell, so that its repaint covers all the old mark.
void TestCharacters::slotsKeepTheirPlace()
{
    QListView *view = m_characters->slotView();
    const auto places = [view] {
        QList<QRect> rects;
        for (int row = 0; row < CharacterBank::Slots; ++row)
            rects.append(view->visualRect(view->model()->index(row, 0)));
        return rects;
    };
    const QList<QRect> before = places();
    for (const QRect &rect : before)
        QCOMPARE(rect.size(), view->gridSize());
    setSlots({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    QCOMPARE(bank().slot(4).mark(), Mark::NeverUploaded);
    QCOMPARE(places(), before);
    for (int n = 0; n < CharacterBank::Slots; ++n)
        m_program->characters().characterBank()->markUploaded(n,
                                                              Pattern::fromColumns(patternFor(n)));
    QCOMPARE(bank().slot(4).mark(), Mark::Uploaded);
    QCOMPARE(places(), before);
    // Another device: other marks, the same places.
    m_program->characters().characterBank()->setDevice(QStringLiteral("/dev/another"));
    QCOMPARE(places(), before);
}

void TestCharacters::selectedPictureIsFramed_data()
{
    QTest::addColumn<bool>("inSlots");
    QTest::addColumn<int>("row");
    QTest::newRow("slot 3") << true << 3;
    QTest::newRow("glyph 5") << false << 5;
}

// A selected item shows its picture untouched, with a frame of the selection colour around it.
void TestCharacters::selectedPictureIsFramed()
{
    QFETCH(bool, inSlots);
    QFETCH(int, row);
    setSlots({3});
    QListView *view = inSlots ? m_characters->slotView() : m_characters->glyphView();
    const QModelIndex index = view->model()->index(row, 0);
    view->setFocus();
    view->setCurrentIndex(index);
    QVERIFY(view->selectionModel()->isSelected(index));
    const QImage shown = view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = index.data(Qt::DecorationRole).value<QPixmap>().toImage();
    const QRect place = ThumbnailDelegate::pictureRect(view->visualRect(index), picture.size());
    QImage expected(picture.size(), QImage::Format_RGB32);
    expected.fill(view->palette().color(QPalette::Active, QPalette::Base));
    QPainter(&expected).drawImage(0, 0, picture);
    QCOMPARE(shown.copy(place), expected);
    const QColor highlight = view->palette().color(QPalette::Active, QPalette::Highlight);
    const int frame = ThumbnailDelegate::FrameWidth;
    for (const QPoint outside : {place.topLeft() - QPoint(1, 1), place.bottomRight() + QPoint(1, 1),
                                 QPoint(place.center().x(), place.top() - frame),
                                 QPoint(place.left() - frame, place.center().y())})
        QCOMPARE(shown.pixelColor(outside), highlight);
}

// At the window's first size and threshold the installed font shows every printable Latin-1
// character, ! . , : ; ' among them, with at least one dot.
void TestCharacters::defaultFontShowsLatin1()
{
    QCOMPARE(m_characters->sizeBox()->value(), 8);
    QCOMPARE(m_characters->thresholdSlider()->value(), 25);
    GlyphModel *glyphs = m_characters->glyphModel();
    const QString family = m_characters->familyBox()->currentFont().family();
    QString blank;
    int latin1 = 0;
    for (int row = 0; row < glyphs->rowCount(); ++row) {
        const char32_t c = glyphs->text(row).toUcs4().value(0);
        if (!((c > 0x20 && c < 0x7F) || (c > 0xA0 && c <= 0xFF && c != 0xAD)))
            continue;
        ++latin1;
        if (glyphs->pattern(row) == Pattern())
            blank += glyphs->text(row);
        QCOMPARE(glyphs->pattern(row), Fonts::textGlyphPattern(family, 8, 25, c));
    }
    QVERIFY2(latin1 > 180, qPrintable(family));
    QCOMPARE(blank, QString());
    QSignalSpy found(glyphs, &GlyphModel::blanksFound);
    m_characters->thresholdSlider()->setValue(26);
    QVERIFY(found.wait());
    QVERIFY(!m_characters->blankNote()->isVisible());
}

// Where characters come out without a dot, a note under the picker names each, and only those.
void TestCharacters::blankCharactersAreNamed()
{
    GlyphModel *glyphs = m_characters->glyphModel();
    const QString family = m_characters->familyBox()->currentFont().family();
    QSignalSpy found(glyphs, &GlyphModel::blanksFound);
    m_characters->thresholdSlider()->setValue(50);
    QVERIFY(!m_characters->blankNote()->isVisible()); // until every character is drawn again
    QVERIFY(found.wait());
    const QString blanks = found.last().first().toString();
    for (const char32_t c : {U'!', U'.', U',', U':', U';', U'\''})
        QVERIFY2(blanks.contains(QString::fromUcs4(&c, 1)), qPrintable(blanks));
    for (int row = 0; row < glyphs->rowCount(); ++row) {
        const char32_t c = glyphs->text(row).toUcs4().value(0);
        if (!((c > 0x20 && c < 0x7F) || (c > 0xA0 && c <= 0xFF && c != 0xAD)))
            continue;
        QCOMPARE(blanks.contains(glyphs->text(row)),
                 Fonts::textGlyphPattern(family, 8, 50, c) == Pattern());
    }
    QVERIFY(m_characters->blankNote()->isVisible());
    QVERIFY2(m_characters->blankNote()->text().contains(QStringLiteral(": ! ' , . : ;")),
             qPrintable(m_characters->blankNote()->text()));
}

void TestCharacters::fillBoxTakesTen_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    const QString smile = QString::fromUcs4(U"\U0001F642", 1);
    QTest::newRow("typed past ten") << "" << 0 << false << "0123456789AB"
                                    << "0123456789";
    QTest::newRow("typed into a full box") << "0123456789" << 3 << false << "X"
                                           << "0123456789";
    QTest::newRow("a paste keeps what fits") << "0123" << 4 << true << "ABCDEFGHIJ"
                                             << "0123ABCDEF";
    QTest::newRow("a paste in the middle") << "0123" << 2 << true << "ABCDEFGHIJ"
                                           << "01ABCDEF23";
    QTest::newRow("ten characters outside the BMP")
        << "" << 0 << true << smile.repeated(10) << smile.repeated(10);
    QTest::newRow("eleven outside the BMP")
        << "" << 0 << true << smile.repeated(11) << smile.repeated(10);
}

// The box for Fill Slots takes ten characters, one for each slot, as a maximum length does.
void TestCharacters::fillBoxTakesTen()
{
    QFETCH(QString, start);
    QFETCH(int, cursor);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, result);
    QLineEdit *box = m_characters->fillBox();
    box->setText(start);
    box->setCursorPosition(cursor);
    box->setFocus();
    if (paste) {
        QGuiApplication::clipboard()->setText(input);
        QTest::keySequence(box, QKeySequence::Paste);
    } else {
        QTest::keyClicks(box, input);
    }
    QCOMPARE(box->text(), result);
    QVERIFY(m_messages.isEmpty());
}

void TestCharacters::badFontChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not gzip") << QByteArray("\x1f\x8bnot really gzip") << "damaged compressed data";
    QTest::newRow("PSF promising more glyphs than it holds")
        << QByteArray("\x36\x04\x00\x08", 4) + QByteArray(100, '\x18') << "";
    QTest::newRow("neither PSF nor BDF") << QByteArray("hello") << "";
}

void TestCharacters::badFontChangesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(QStringLiteral("bad.psf.gz"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    GlyphModel *glyphs = m_characters->glyphModel();
    const int rows = glyphs->rowCount();
    QVERIFY(!m_characters->openFontFile(path));
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first(), Fonts::readFontFile(path).error);
    QVERIFY(m_messages.first().contains(QStringLiteral("bad.psf.gz")));
    QVERIFY2(m_messages.first().contains(reason), qPrintable(m_messages.first()));
    QCOMPARE(glyphs->rowCount(), rows);
    QVERIFY(!glyphs->usesBitmapFont());
}

void TestCharacters::bankInLibraryFile()
{
    setSlots({0, 9});
    m_nextFile = m_dir.filePath(QStringLiteral("with-bank.glyphs"));
    QVERIFY(m_characters->saveBankInLibrary());
    QString error;
    const auto saved = PatternLibrary::read(m_nextFile, &error);
    QVERIFY2(saved && saved->characterBank, qPrintable(error));
    QCOMPARE(saved->characterBank->patterns[9].columns(), patternFor(9));
    QVERIFY(!saved->patterns.isEmpty()); // the library's own patterns are still there

    setSlots({1});
    QVERIFY(m_characters->loadBankFromFile(m_nextFile));
    QCOMPARE(bank().slot(1).pattern.columns(), Columns{});
    QCOMPARE(bank().slot(9).pattern.columns(), patternFor(9));
    m_characters->undoActions()->undoAction()->trigger();
    QCOMPARE(bank().slot(1).pattern.columns(), patternFor(1));

    // A damaged bank changes nothing and says what is wrong.
    QFile file(m_nextFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray json = file.readAll().replace("\"slots\": [", "\"slots\": [\"00\", ");
    file.close();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(json);
    file.close();
    QVERIFY(!m_characters->loadBankFromFile(m_nextFile));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains("11 slots instead of 10"), qPrintable(m_messages.first()));
    QCOMPARE(bank().slot(1).pattern.columns(), patternFor(1));
}

void TestCharacters::shortcutsListed()
{
    m_program->showShortcuts();
    const QTreeWidget *list = m_program->shortcutsWindow()->list();
    QStringList rows;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(list)); *it; ++it)
        rows.append((*it)->text(0).trimmed() + " = " + (*it)->text(1));
    for (const char *row : {"Pattern > Characters = Ctrl+Shift+C", "Upload All = Ctrl+Shift+U",
                            "Store Grid in Slot = Ctrl+R", "Put Glyph on Grid = Enter, click"})
        QVERIFY2(rows.contains(QLatin1String(row)), row);
}

QTEST_MAIN(TestCharacters)
#include "tst_characters.moc"
