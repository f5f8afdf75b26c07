#include "characterswindow.h"

#include "bankdocument.h"
#include "bankmodel.h"
#include "dotgrid.h"
#include "editorsettings.h"
#include "glyphmodel.h"
#include "grideditor.h"
#include "gridmodel.h"
#include "librarydocument.h"
#include "messagebox.h"
#include "moduleconnection.h"
#include "patternlibrary.h"
#include "patternpicture.h"
#include "prompter.h"
#include "textglyph.h"
#include "thumbnaildelegate.h"
#include "undoactions.h"
#include "windowstyle.h"

#include <QAction>
#include <QButtonGroup>
#include <QFileInfo>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QValidator>

namespace {

constexpr int PreviewDotSize = 12;
const QString ConsoleFonts = QStringLiteral("/usr/share/consolefonts");

// A change of slots as a step of the window's undo stack. It belongs to the device whose bank it
// changed, even after the port has moved on.
class BankStep : public QUndoCommand
{
public:
    using Patterns = QMap<int, Pattern>;

    BankStep(BankDocument *bank, const Patterns &before, const Patterns &after, const QString &text)
        : QUndoCommand(text)
        , m_bank(bank)
        , m_device(bank->device())
        , m_before(before)
        , m_after(after)
    {}

    void redo() override { m_bank->setPatterns(m_device, m_after); }
    void undo() override { m_bank->setPatterns(m_device, m_before); }

private:
    BankDocument *m_bank;
    QString m_device;
    Patterns m_before;
    Patterns m_after;
};

// A push button for an action, with its mnemonic, enabled as the action is.
QPushButton *button(QAction *action, QWidget *parent)
{
    auto *b = new QPushButton(action->text(), parent);
    b->setAutoDefault(false);
    b->setEnabled(action->isEnabled());
    QObject::connect(b, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, b, &QPushButton::setEnabled);
    return b;
}

// One character for each slot, ten at most, counted as characters, not UTF-16 units. What
// would go past the tenth is left out where it was put in, as a maximum length does: a key
// typed into a full box, the end of a paste that does not fit.
class SlotCharacters : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        QList<char32_t> codes;
        for (const char32_t c : input.toUcs4())
            codes.append(c);
        const qsizetype excess = codes.size() - CharacterBank::Slots;
        if (excess <= 0)
            return Acceptable;
        const qsizetype cursor = QStringView(input).left(pos).toUcs4().size();
        const qsizetype from = qMax<qsizetype>(0, cursor - excess);
        codes.remove(from, cursor - from);
        codes.resize(qMin<qsizetype>(codes.size(), CharacterBank::Slots));
        input = QString::fromUcs4(codes.constData(), codes.size());
        pos = int(QString::fromUcs4(codes.constData(), qMin(from, codes.size())).size());
        return Acceptable;
    }
};

QListView *iconList(const char *name, QWidget *parent)
{
    auto *view = new QListView(parent);
    view->setObjectName(QLatin1String(name));
    view->setViewMode(QListView::IconMode);
    view->setMovement(QListView::Static);
    view->setResizeMode(QListView::Adjust);
    view->setWrapping(true);
    view->setUniformItemSizes(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    return view;
}

} // namespace

CharactersWindow::CharactersWindow(BankDocument *bank, GridEditor *editor, QUndoStack *history,
                                   LibraryDocument *library, ModuleConnection &link,
                                   Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter)
    , m_bank(bank)
    , m_editor(editor)
    , m_history(history)
    , m_library(library)
    , m_link(link)
    , m_uploader(link)
{
    setObjectName(QStringLiteral("frmCharacters"));
    setWindowTitle(tr("Characters"));
    // The main window's palette, as a window of its own would not take it.
    setAttribute(Qt::WA_WindowPropagation);
    setFont(dialogFont());

    auto *note = new QLabel(
        tr("The module cannot be read back: each slot shows what this program last stored for "
           "it, and its mark says only what this program sent to the module on this port: "
           "\"uploaded\" as shown, \"changed\" since the last upload, or \"never uploaded\"."),
        this);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);

    m_slotBox = new QGroupBox(this);
    buildSlotPart(m_slotBox);
    auto *fontBox = new QGroupBox(tr("Glyphs from a font"), this);
    buildFontPart(fontBox);

    // The slots' own history: what was loaded into the grid is the grid's to undo.
    m_undo = new UndoActions(m_history, this);
    m_actions.append({m_undo->undoAction(), m_undo->redoAction()});
    auto *undoRow = new QHBoxLayout;
    undoRow->addWidget(UndoActions::button(m_undo->undoAction(), this));
    undoRow->addWidget(UndoActions::button(m_undo->redoAction(), this));
    undoRow->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(undoRow);
    layout->addWidget(note);
    layout->addWidget(m_slotBox);
    layout->addWidget(fontBox, 1);

    connect(m_bank, &BankDocument::deviceChanged, this, &CharactersWindow::updateDevice);
    connect(&m_uploader, &BankUploader::slotUploaded, m_bank, &BankDocument::markUploaded);
    connect(&m_uploader, &BankUploader::progress, this, [this](int done, int total) {
        m_uploadDone = done;
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    });
    connect(&m_uploader, &BankUploader::finished, this, &CharactersWindow::uploadFinished);
    connect(&m_link, &ModuleConnection::lost, this, [this] { m_portLostSeen = true; });
    // The last upload's progress was about the module the port reached then.
    connect(m_bank, &BankDocument::deviceChanged, this, [this] {
        if (m_uploader.isRunning())
            return;
        m_progress->setRange(0, 1);
        m_progress->setValue(0);
        m_status->clear();
    });

    updateDevice();
    updateUploadActions();
    applyInstalledFont();
    updateFontControls();
    selectSlot(0);
    resize(660, 720);
}

QAction *CharactersWindow::addAction(const QString &text, const QKeySequence &shortcut,
                                     void (CharactersWindow::*slot)())
{
    auto *action = new QAction(text, this);
    action->setShortcut(shortcut);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    QWidget::addAction(action);
    m_actions.append(action);
    return action;
}

void CharactersWindow::buildSlotPart(QGroupBox *box)
{
    m_bankModel = new BankModel(m_bank, this);
    m_slots = iconList("lstSlots", box);
    m_slots->setModel(m_bankModel);
    const QSize thumbnail = BankModel::thumbnailSize();
    m_slots->setIconSize(thumbnail);
    // Every slot takes a whole cell, wide enough for the longest mark in bold, so that a mark
    // that changes leaves nothing of the old one behind.
    QFont bold = font();
    bold.setBold(true);
    const int cell = QFontMetrics(bold).horizontalAdvance(tr("never uploaded")) + 16;
    m_slots->setGridSize(QSize(cell, thumbnail.height() + 3 * fontMetrics().height() + 8));
    m_slots->setItemDelegate(new ThumbnailDelegate(m_slots->gridSize(), m_slots));
    m_slots->setMinimumHeight(2 * m_slots->gridSize().height() + 8);
    m_slots->setMinimumWidth(5 * cell + 24);
    // Patterns dragged from the library window land on a slot.
    m_slots->setDragDropMode(QAbstractItemView::DropOnly);
    m_slots->setAcceptDrops(true);
    m_slots->setDropIndicatorShown(true);
    m_slots->setDefaultDropAction(Qt::CopyAction);
    connect(m_bankModel, &BankModel::patternsDropped, this,
            [this](int position, const QList<Pattern> &patterns) {
                storePatterns(position, patterns, tr("Drop on Slot %1").arg(position));
            });

    auto *load = addAction(tr("&Load into Grid"), QKeySequence(Qt::Key_Return),
                           &CharactersWindow::loadSlotIntoGrid);
    // Enter reaches the view as activation; the shortcut is listed, not installed twice.
    load->setShortcutContext(Qt::WidgetShortcut);
    load->setProperty(KeysProperty, tr("Enter, double-click"));
    connect(m_slots, &QListView::activated, this, &CharactersWindow::loadSlotIntoGrid);
    auto *store = addAction(tr("&Store Grid in Slot"), QKeySequence(Qt::CTRL | Qt::Key_R),
                            &CharactersWindow::storeGridInSlot);
    m_upload =
        addAction(tr("&Upload"), QKeySequence(Qt::CTRL | Qt::Key_U), &CharactersWindow::upload);
    m_uploadAll = addAction(tr("Upload &All"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U),
                            &CharactersWindow::uploadAll);
    m_cancel = addAction(tr("Ca&ncel"), QKeySequence(Qt::CTRL | Qt::Key_Period),
                         &CharactersWindow::cancelUpload);
    auto *saveBank = addAction(tr("Sa&ve in Library File"), QKeySequence::Save, nullptr);
    connect(saveBank, &QAction::triggered, this, [this] { saveBankInLibrary(); });
    auto *loadBank = addAction(tr("L&oad from File..."), QKeySequence::Open,
                               &CharactersWindow::chooseLibraryFile);

    m_progress = new QProgressBar(box);
    m_progress->setObjectName(QStringLiteral("prgUpload"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_status = new QLabel(box);
    m_status->setObjectName(QStringLiteral("lblStatus"));

    auto *editRow = new QHBoxLayout;
    editRow->addWidget(button(load, box));
    editRow->addWidget(button(store, box));
    editRow->addStretch();
    editRow->addWidget(button(saveBank, box));
    editRow->addWidget(button(loadBank, box));
    auto *uploadRow = new QHBoxLayout;
    uploadRow->addWidget(button(m_upload, box));
    uploadRow->addWidget(button(m_uploadAll, box));
    uploadRow->addWidget(m_progress, 1);
    uploadRow->addWidget(button(m_cancel, box));
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(m_slots);
    layout->addLayout(editRow);
    layout->addLayout(uploadRow);
    layout->addWidget(m_status);
}

void CharactersWindow::buildFontPart(QGroupBox *box)
{
    m_glyphModel = new GlyphModel(this);

    m_installed = new QRadioButton(tr("&Installed font:"), box);
    m_installed->setChecked(true);
    m_family = new QFontComboBox(box);
    m_family->setObjectName(QStringLiteral("cboFamily"));
    auto *sizeLabel = new QLabel(tr("Si&ze:"), box);
    m_size = new QSpinBox(box);
    m_size->setObjectName(QStringLiteral("spnSize"));
    m_size->setRange(1, Fonts::MaxTextDotSize);
    m_size->setValue(8);
    m_size->setSuffix(tr(" dots"));
    sizeLabel->setBuddy(m_size);
    auto *thresholdLabel = new QLabel(tr("&Threshold:"), box);
    m_threshold = new QSlider(Qt::Horizontal, box);
    m_threshold->setObjectName(QStringLiteral("sldThreshold"));
    m_threshold->setRange(1, 100);
    // At 8 dots, a quarter of a dot's pixels lets even the thin strokes of ! ' , . : ; show.
    m_threshold->setValue(25);
    m_threshold->setPageStep(10);
    thresholdLabel->setBuddy(m_threshold);
    m_thresholdValue = new QLabel(box);
    m_thresholdValue->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100 %")));

    m_file = new QRadioButton(tr("Font fil&e:"), box);
    auto *openFont =
        addAction(tr("Open Font File..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
                  &CharactersWindow::chooseFontFile);
    m_fontFile = new QLabel(tr("none"), box);
    m_fontFile->setObjectName(QStringLiteral("lblFontFile"));
    m_scale = new QRadioButton(tr("S&cale to 8 x 8"), box);
    m_scale->setChecked(true);
    m_crop = new QRadioButton(tr("C&rop to 8 x 8"), box);
    auto *sources = new QButtonGroup(box);
    sources->addButton(m_installed);
    sources->addButton(m_file);
    auto *fits = new QButtonGroup(box);
    fits->addButton(m_scale);
    fits->addButton(m_crop);

    m_glyphs = iconList("lstGlyphs", box);
    m_glyphs->setModel(m_glyphModel);
    const int thumbnail = 8 * GlyphModel::ThumbnailDotSize;
    m_glyphs->setIconSize(QSize(thumbnail, thumbnail));
    m_glyphs->setGridSize(QSize(thumbnail + 14, thumbnail + fontMetrics().height() + 10));
    m_glyphs->setItemDelegate(new ThumbnailDelegate(m_glyphs->gridSize(), m_glyphs));
    m_glyphs->setToolTip(tr("A click puts the glyph on the grid."));
    connect(m_glyphs, &QListView::clicked, this,
            [this](const QModelIndex &index) { putGlyphOnGrid(index.row()); });
    connect(m_glyphs, &QListView::activated, this,
            [this](const QModelIndex &index) { putGlyphOnGrid(index.row()); });
    auto *put = addAction(tr("Put Glyph on Grid"), QKeySequence(Qt::Key_Return), nullptr);
    put->setShortcutContext(Qt::WidgetShortcut);
    put->setProperty(KeysProperty, tr("Enter, click"));
    connect(m_glyphs->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CharactersWindow::updatePreview);
    connect(m_glyphModel, &QAbstractItemModel::dataChanged, this, &CharactersWindow::updatePreview);
    connect(m_glyphModel, &QAbstractItemModel::modelReset, this, [this] {
        if (m_glyphModel->rowCount() > 0)
            m_glyphs->setCurrentIndex(m_glyphModel->index(0));
        updatePreview();
    });

    m_preview = new QLabel(box);
    m_preview->setObjectName(QStringLiteral("lblPreview"));
    m_preview->setFixedSize(8 * PreviewDotSize, 8 * PreviewDotSize);
    m_previewText = new QLabel(box);
    m_previewText->setAlignment(Qt::AlignHCenter);

    m_blankNote = new QLabel(box);
    m_blankNote->setObjectName(QStringLiteral("lblBlank"));
    m_blankNote->setWordWrap(true);
    m_blankNote->hide();
    connect(m_glyphModel, &GlyphModel::blanksFound, this, [this](const QString &blanks) {
        QStringList shown;
        for (const char32_t c : blanks.toUcs4())
            shown.append(QString::fromUcs4(&c, 1));
        m_blankNote->setText(
            tr("Blank at this size and threshold, without a single dot: %1. A lower threshold "
               "or a larger size shows them.")
                .arg(shown.join(u' ')));
        m_blankNote->setVisible(!blanks.isEmpty());
    });

    auto *fillLabel = new QLabel(tr("C&haracters for slots 0 to 9:"), box);
    m_fillText = new QLineEdit(QStringLiteral("0123456789"), box);
    m_fillText->setObjectName(QStringLiteral("txtFill"));
    m_fillText->setValidator(new SlotCharacters(m_fillText));
    fillLabel->setBuddy(m_fillText);
    auto *fill =
        addAction(tr("&Fill Slots"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), nullptr);
    connect(fill, &QAction::triggered, this, [this] { fillSlots(m_fillText->text()); });
    connect(m_fillText, &QLineEdit::returnPressed, fill, &QAction::trigger);

    connect(m_installed, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            useInstalledFont();
    });
    connect(m_file, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        if (m_glyphModel->bitmapFont())
            m_glyphModel->useBitmapFont(true);
        else
            chooseFontFile();
        updateFontControls();
    });
    connect(m_family, &QFontComboBox::currentFontChanged, this,
            &CharactersWindow::applyInstalledFont);
    connect(m_size, &QSpinBox::valueChanged, this, &CharactersWindow::applyInstalledFont);
    connect(m_threshold, &QSlider::valueChanged, this, &CharactersWindow::applyInstalledFont);
    connect(m_crop, &QRadioButton::toggled, this, [this](bool crop) {
        m_glyphModel->setFit(crop ? Fonts::Fit::Crop : Fonts::Fit::Scale);
    });

    auto *grid = new QGridLayout;
    grid->addWidget(m_installed, 0, 0);
    grid->addWidget(m_family, 0, 1, 1, 2);
    grid->addWidget(sizeLabel, 0, 3);
    grid->addWidget(m_size, 0, 4);
    grid->addWidget(thresholdLabel, 1, 1, Qt::AlignRight);
    grid->addWidget(m_threshold, 1, 2, 1, 2);
    grid->addWidget(m_thresholdValue, 1, 4);
    grid->addWidget(m_file, 2, 0);
    QPushButton *openFontButton = button(openFont, box);
    grid->addWidget(openFontButton, 2, 1);
    grid->addWidget(m_fontFile, 2, 2, 1, 3);
    auto *fitRow = new QHBoxLayout;
    fitRow->addWidget(m_scale);
    fitRow->addWidget(m_crop);
    fitRow->addStretch();
    grid->addLayout(fitRow, 3, 1, 1, 4);
    grid->setColumnStretch(2, 1);

    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(m_preview);
    previewColumn->addWidget(m_previewText);
    previewColumn->addStretch();
    auto *pickerRow = new QHBoxLayout;
    pickerRow->addWidget(m_glyphs, 1);
    pickerRow->addLayout(previewColumn);
    auto *fillRow = new QHBoxLayout;
    fillRow->addWidget(fillLabel);
    fillRow->addWidget(m_fillText, 1);
    QPushButton *fillButton = button(fill, box);
    fillRow->addWidget(fillButton);

    auto *layout = new QVBoxLayout(box);
    layout->addLayout(grid);
    layout->addLayout(pickerRow, 1);
    layout->addWidget(m_blankNote);
    layout->addLayout(fillRow);

    // Tab goes through the controls as they stand, the buttons made last included.
    setTabOrder(m_file, openFontButton);
    setTabOrder(openFontButton, m_scale);
    setTabOrder(m_fillText, fillButton);
}

int CharactersWindow::currentSlot() const
{
    const QModelIndex current = m_slots->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CharactersWindow::selectSlot(int position)
{
    m_slots->setCurrentIndex(m_bankModel->index(position));
}

void CharactersWindow::loadSlotIntoGrid()
{
    const int position = currentSlot();
    if (position >= 0)
        m_editor->setPattern(m_bank->bank().slot(position).pattern,
                             tr("Load Slot %1").arg(position));
}

void CharactersWindow::storeGridInSlot()
{
    const int position = currentSlot();
    if (position >= 0)
        changeSlots({{position, m_editor->grid()->model().pattern()}},
                    tr("Store Grid in Slot %1").arg(position));
}

void CharactersWindow::storePatterns(int position, const QList<Pattern> &patterns,
                                     const QString &stepName)
{
    QMap<int, Pattern> after;
    for (int i = 0; i < patterns.size() && position + i < CharacterBank::Slots; ++i)
        after.insert(position + i, patterns.at(i));
    changeSlots(after, stepName);
}

void CharactersWindow::changeSlots(const QMap<int, Pattern> &after, const QString &stepName)
{
    QMap<int, Pattern> before;
    for (auto it = after.begin(); it != after.end(); ++it)
        before.insert(it.key(), m_bank->bank().slot(it.key()).pattern);
    if (before != after)
        m_history->push(new BankStep(m_bank, before, after, stepName));
}

void CharactersWindow::upload()
{
    const int position = currentSlot();
    if (position >= 0)
        startUpload({position});
}

void CharactersWindow::uploadAll()
{
    QList<int> positions;
    for (int position = 0; position < CharacterBank::Slots; ++position)
        positions.append(position);
    startUpload(positions);
}

void CharactersWindow::startUpload(const QList<int> &positions)
{
    if (m_uploader.isRunning())
        return;
    if (!m_link.isOpen()) {
        emit portUnavailable();
        return;
    }
    QList<BankUploader::Item> items;
    for (int position : positions)
        items.append({position, m_bank->bank().slot(position).pattern});
    m_uploadDone = 0;
    m_uploadTotal = int(items.size());
    m_cancelRequested = false;
    m_portLostSeen = false;
    m_status->setText(tr("Uploading..."));
    m_uploader.start(items);
    updateUploadActions();
}

void CharactersWindow::cancelUpload()
{
    if (!m_uploader.isRunning())
        return;
    m_cancelRequested = true;
    m_uploader.cancel();
    m_status->setText(tr("Cancelling after the slot under way..."));
}

void CharactersWindow::uploadFinished(bool completed)
{
    updateUploadActions();
    if (completed) {
        m_status->setText(m_uploadTotal == 1 ? tr("Uploaded 1 slot.")
                                             : tr("Uploaded %1 slots.").arg(m_uploadTotal));
        return;
    }
    if (m_cancelRequested) {
        m_status->setText(
            tr("Cancelled: %1 of %2 slots uploaded.").arg(m_uploadDone).arg(m_uploadTotal));
        return;
    }
    m_status->setText(
        tr("Stopped: the port closed after %1 of %2 slots.").arg(m_uploadDone).arg(m_uploadTotal));
    // A port that goes while the line is busy is reported by the main window (portLost), once;
    // a write refused at once closes the port without that report, so it is made here. The
    // check waits for the link's own deferred close, which comes first.
    QTimer::singleShot(0, this, [this] {
        if (!m_portLostSeen)
            emit portUnavailable();
    });
}

void CharactersWindow::updateUploadActions()
{
    const bool running = m_uploader.isRunning();
    m_upload->setEnabled(!running);
    m_uploadAll->setEnabled(!running);
    m_cancel->setEnabled(running);
}

void CharactersWindow::updateDevice()
{
    const QString device = m_bank->device();
    m_slotBox->setTitle(device.isEmpty() ? tr("Custom characters")
                                         : tr("Custom characters of the module on %1").arg(device));
}

void CharactersWindow::chooseFontFile()
{
    const QString folder =
        QFileInfo::exists(ConsoleFonts) ? ConsoleFonts : EditorSettings::lastFolder();
    const auto choice = m_prompter.chooseFile(
        this, FileChooser::Purpose::Open, tr("Open Font File"), folder,
        {tr("Bitmap fonts (*.psf *.psfu *.psf.gz *.psfu.gz *.bdf *.bdf.gz)"), tr("All files (*)")});
    if (choice.path.isEmpty() || !openFontFile(choice.path))
        updateFontControls();
}

bool CharactersWindow::openFontFile(const QString &path)
{
    const Fonts::FontReading reading = Fonts::readFontFile(path);
    if (!reading.font) {
        m_prompter.message(this, reading.error);
        return false;
    }
    m_glyphModel->setBitmapFont(*reading.font);
    const QFileInfo file(path);
    m_fontFile->setText(tr("%1, %2 x %3 dots, %4 glyphs")
                            .arg(file.fileName())
                            .arg(reading.font->width)
                            .arg(reading.font->height)
                            .arg(reading.font->glyphs.size()));
    m_fontFile->setToolTip(file.absoluteFilePath());
    updateFontControls();
    return true;
}

void CharactersWindow::useInstalledFont()
{
    m_glyphModel->useBitmapFont(false);
    updateFontControls();
}

// The radio buttons and the enabled controls follow what the picker shows.
void CharactersWindow::updateFontControls()
{
    const bool bitmap = m_glyphModel->usesBitmapFont();
    const QSignalBlocker blockInstalled(m_installed);
    const QSignalBlocker blockFile(m_file);
    m_installed->setChecked(!bitmap);
    m_file->setChecked(bitmap);
    for (QWidget *control : {static_cast<QWidget *>(m_family), static_cast<QWidget *>(m_size),
                             static_cast<QWidget *>(m_threshold)})
        control->setEnabled(!bitmap);
    m_scale->setEnabled(bitmap);
    m_crop->setEnabled(bitmap);
}

void CharactersWindow::applyInstalledFont()
{
    // Until the characters have been drawn again.
    m_blankNote->hide();
    m_thresholdValue->setText(QStringLiteral("%1 %").arg(m_threshold->value()));
    m_glyphModel->setInstalledFont(m_family->currentFont().family(), m_size->value(),
                                   m_threshold->value());
}

void CharactersWindow::updatePreview()
{
    const int row = m_glyphs->currentIndex().row();
    const Pattern pattern = m_glyphModel->pattern(row);
    m_preview->setPixmap(PatternPicture::draw(pattern, PreviewDotSize));
    m_previewText->setText(
        m_glyphModel->data(m_glyphModel->index(row), Qt::ToolTipRole).toString());
}

void CharactersWindow::putGlyphOnGrid(int row)
{
    if (row < 0 || row >= m_glyphModel->rowCount())
        return;
    m_editor->setPattern(m_glyphModel->pattern(row),
                         tr("Glyph \"%1\"").arg(m_glyphModel->text(row)));
}

bool CharactersWindow::fillSlots(const QString &characters)
{
    const QList<uint> codes = characters.toUcs4();
    if (codes.isEmpty() || codes.size() > CharacterBank::Slots) {
        m_prompter.message(this, tr("Nothing was filled: type one to ten characters for the slots "
                                    "from 0 on."));
        return false;
    }
    QMap<int, Pattern> after;
    QStringList missing;
    for (int position = 0; position < codes.size(); ++position) {
        const char32_t character = codes.at(position);
        const auto pattern = m_glyphModel->patternFor(character);
        if (pattern)
            after.insert(position, *pattern);
        else
            missing.append(QStringLiteral("\"%1\"").arg(QString::fromUcs4(&character, 1)));
    }
    if (!missing.isEmpty()) {
        m_prompter.message(this, tr("Nothing was filled: the font has no glyph for %1.")
                                     .arg(missing.join(QStringLiteral(", "))));
        return false;
    }
    changeSlots(after, tr("Fill Slots"));
    return true;
}

bool CharactersWindow::saveBankInLibrary()
{
    CharacterBankSection section =
        m_library->model()->library().characterBank.value_or(CharacterBankSection());
    for (int position = 0; position < CharacterBank::Slots; ++position)
        section.patterns[size_t(position)] = m_bank->bank().slot(position).pattern;
    m_library->model()->setCharacterBank(section);
    if (!m_library->save(this))
        return false;
    m_status->setText(tr("The bank is saved in %1.").arg(m_library->displayName()));
    return true;
}

void CharactersWindow::chooseLibraryFile()
{
    const QString folder = m_library->filePath().isEmpty()
                               ? EditorSettings::lastFolder()
                               : QFileInfo(m_library->filePath()).absolutePath();
    const auto choice = m_prompter.chooseFile(
        this, FileChooser::Purpose::Open, tr("Load Character Bank"), folder,
        {tr("Pattern libraries (*.%1)").arg(QLatin1String(PatternLibrary::FileSuffix))});
    if (!choice.path.isEmpty())
        loadBankFromFile(choice.path);
}

bool CharactersWindow::loadBankFromFile(const QString &path)
{
    QString error;
    const auto library = PatternLibrary::read(path, &error);
    if (!library) {
        m_prompter.message(this, error);
        return false;
    }
    if (!library->characterBank) {
        m_prompter.message(this,
                           tr("The pattern library %1 keeps no character bank; the slots are as "
                              "they were.")
                               .arg(path));
        return false;
    }
    QMap<int, Pattern> after;
    for (int position = 0; position < CharacterBank::Slots; ++position)
        after.insert(position, library->characterBank->patterns[size_t(position)]);
    changeSlots(after, tr("Load Bank from %1").arg(QFileInfo(path).fileName()));
    m_status->setText(tr("Slots loaded from %1.").arg(path));
    return true;
}
