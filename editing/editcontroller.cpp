#include "editcontroller.h"

#include "dotgrid.h"
#include "editorsettings.h"
#include "formatchooser.h"
#include "grideditor.h"
#include "imageimportdialog.h"
#include "moduleconnection.h"
#include "patternclipboard.h"
#include "patternimage.h"
#include "prompter.h"
#include "undoactions.h"
#include "undohistory.h"

#include <QActionGroup>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUndoGroup>

namespace {

using TextFormats::Format;

struct TransformItem
{
    Transform transform;
    const char *submenu; // nullptr: in the Edit menu itself
    const char *text;
    const char *stepName;
    QKeyCombination keys;
};

const TransformItem TransformItems[] = {
    {Transform::Invert, nullptr, QT_TRANSLATE_NOOP("EditController", "&Invert"),
     QT_TRANSLATE_NOOP("EditController", "Invert"), Qt::CTRL | Qt::Key_I},
    {Transform::ShiftUp, QT_TRANSLATE_NOOP("EditController", "&Shift"),
     QT_TRANSLATE_NOOP("EditController", "&Up"), QT_TRANSLATE_NOOP("EditController", "Shift Up"),
     Qt::CTRL | Qt::Key_Up},
    {Transform::ShiftDown, QT_TRANSLATE_NOOP("EditController", "&Shift"),
     QT_TRANSLATE_NOOP("EditController", "&Down"),
     QT_TRANSLATE_NOOP("EditController", "Shift Down"), Qt::CTRL | Qt::Key_Down},
    {Transform::ShiftLeft, QT_TRANSLATE_NOOP("EditController", "&Shift"),
     QT_TRANSLATE_NOOP("EditController", "&Left"),
     QT_TRANSLATE_NOOP("EditController", "Shift Left"), Qt::CTRL | Qt::Key_Left},
    {Transform::ShiftRight, QT_TRANSLATE_NOOP("EditController", "&Shift"),
     QT_TRANSLATE_NOOP("EditController", "&Right"),
     QT_TRANSLATE_NOOP("EditController", "Shift Right"), Qt::CTRL | Qt::Key_Right},
    {Transform::WrapUp, QT_TRANSLATE_NOOP("EditController", "&Shift"),
     QT_TRANSLATE_NOOP("EditController", "Up, &Wrapping Around"),
     QT_TRANSLATE_NOOP("EditController", "Shift Up, Wrapping Around"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_Up},
    {Transform::WrapDown, QT_TRANSLATE_NOOP("EditController", "&Shift"),
     QT_TRANSLATE_NOOP("EditController", "Down, W&rapping Around"),
     QT_TRANSLATE_NOOP("EditController", "Shift Down, Wrapping Around"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_Down},
    {Transform::WrapLeft, QT_TRANSLATE_NOOP("EditController", "&Shift"),
     QT_TRANSLATE_NOOP("EditController", "Left, Wr&apping Around"),
     QT_TRANSLATE_NOOP("EditController", "Shift Left, Wrapping Around"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_Left},
    {Transform::WrapRight, QT_TRANSLATE_NOOP("EditController", "&Shift"),
     QT_TRANSLATE_NOOP("EditController", "Right, Wra&pping Around"),
     QT_TRANSLATE_NOOP("EditController", "Shift Right, Wrapping Around"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_Right},
    {Transform::RotateClockwise, QT_TRANSLATE_NOOP("EditController", "&Rotate"),
     QT_TRANSLATE_NOOP("EditController", "90\u00b0 &Clockwise"),
     QT_TRANSLATE_NOOP("EditController", "Rotate Clockwise"), Qt::CTRL | Qt::Key_R},
    {Transform::RotateAnticlockwise, QT_TRANSLATE_NOOP("EditController", "&Rotate"),
     QT_TRANSLATE_NOOP("EditController", "90\u00b0 &Anticlockwise"),
     QT_TRANSLATE_NOOP("EditController", "Rotate Anticlockwise"), Qt::CTRL | Qt::SHIFT | Qt::Key_R},
    {Transform::Rotate180, QT_TRANSLATE_NOOP("EditController", "&Rotate"),
     QT_TRANSLATE_NOOP("EditController", "&180\u00b0"),
     QT_TRANSLATE_NOOP("EditController", "Rotate 180\u00b0"), Qt::CTRL | Qt::ALT | Qt::Key_R},
    {Transform::MirrorLeftRight, QT_TRANSLATE_NOOP("EditController", "&Mirror"),
     QT_TRANSLATE_NOOP("EditController", "&Left to Right"),
     QT_TRANSLATE_NOOP("EditController", "Mirror Left to Right"), Qt::CTRL | Qt::Key_M},
    {Transform::MirrorTopBottom, QT_TRANSLATE_NOOP("EditController", "&Mirror"),
     QT_TRANSLATE_NOOP("EditController", "&Top to Bottom"),
     QT_TRANSLATE_NOOP("EditController", "Mirror Top to Bottom"), Qt::CTRL | Qt::SHIFT | Qt::Key_M},
};

// The dot sizes a picture is exported at, with the file dialog's filter for each.
constexpr int ExportDotSizes[] = {1, 16, 32};

QString exportFilter(int dotSize)
{
    if (dotSize == 1)
        return EditController::tr("PNG picture, 8 x 8 pixels (*.png)");
    return EditController::tr("PNG picture, %1 pixels to a dot (*.png)").arg(dotSize);
}

QString pictureFilter()
{
    QStringList patterns;
    for (const QByteArray &suffix : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(suffix));
    return EditController::tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
}

} // namespace

EditController::EditController(DotGrid &grid, GridEditor &editor, UndoHistory &history,
                               ModuleConnection &connection, Prompter &prompter, QWidget *window,
                               QObject *parent)
    : QObject(parent)
    , m_grid(grid)
    , m_editor(editor)
    , m_history(history)
    , m_connection(connection)
    , m_prompter(prompter)
    , m_window(window)
{
    connect(&m_grid, &DotGrid::patternChanged, this, &EditController::sendAsYouDraw);
}

void EditController::addPictureActions(QMenu *pattern)
{
    connect(addAction(pattern, "mnuImportImage", tr("&Import Image..."),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)),
            &QAction::triggered, this, &EditController::importImage);
    connect(addAction(pattern, "mnuExportImage", tr("&Export Image..."),
                      QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, &EditController::exportImage);
}

// Several pictures from the web editor: whoever keeps animations asks what to make of them;
// without one, the first picture goes on the grid.
bool EditController::pasteImages(const QList<Pattern> &images, const QString &arrayName)
{
    if (m_imagesHandler)
        return m_imagesHandler(images, arrayName);
    return m_editor.setPattern(images.constFirst(),
                               tr("Paste the first of %1 pictures").arg(images.size()));
}

QMenu *EditController::buildMenu(QMenuBar *bar)
{
    m_menu = bar->addMenu(tr("&Edit"));
    m_menu->setObjectName(QStringLiteral("mnuEdit"));
    GridEditor *editor = &m_editor;

    // Undo and Redo act on the stack the grid's changes go to: the grid's own, or the Frames
    // window's while the grid shows a frame (UndoHistory).
    m_undo = addAction(m_menu, "mnuUndo", tr("&Undo"));
    m_undo->setShortcuts(UndoActions::undoKeys());
    // The menu texts name the step; the list of shortcuts takes these.
    m_undo->setIconText(tr("Undo"));
    connect(m_undo, &QAction::triggered, editor, [editor] { editor->undo(); });
    m_redo = addAction(m_menu, "mnuRedo", tr("&Redo"));
    m_redo->setShortcuts(UndoActions::redoKeys());
    m_redo->setIconText(tr("Redo"));
    connect(m_redo, &QAction::triggered, editor, [editor] { editor->redo(); });
    QUndoGroup *group = m_history.group();
    connect(group, &QUndoGroup::indexChanged, this, &EditController::updateUndoActions);
    connect(group, &QUndoGroup::activeStackChanged, this, &EditController::updateUndoActions);
    updateUndoActions();

    m_menu->addSeparator();
    connect(addAction(m_menu, "mnuCopy", tr("&Copy"), QKeySequence::Copy), &QAction::triggered,
            this, &EditController::copy);
    QMenu *copyAs = m_menu->addMenu(tr("Copy &As"));
    copyAs->setObjectName(QStringLiteral("mnuCopyAs"));
    auto *formats = new QActionGroup(copyAs);
    for (Format format : TextFormats::AllFormats) {
        QAction *item = copyAs->addAction(TextFormats::displayName(format));
        item->setObjectName(QStringLiteral("mnuCopyAs-") + TextFormats::id(format));
        item->setCheckable(true);
        item->setData(TextFormats::id(format));
        formats->addAction(item);
        connect(item, &QAction::triggered, this, [this, format] {
            EditorSettings::setCopyFormat(format);
            if (format == Format::ModuleBytes || format == Format::RowBytes)
                EditorSettings::setLastBareFormat(format);
            copy();
        });
    }
    // The settings are read when the menu opens, not while the program starts.
    connect(copyAs, &QMenu::aboutToShow, formats, [formats] {
        const QString chosen = TextFormats::id(EditorSettings::copyFormat());
        for (QAction *item : formats->actions())
            item->setChecked(item->data().toString() == chosen);
    });
    connect(addAction(m_menu, "mnuPaste", tr("&Paste"), QKeySequence::Paste), &QAction::triggered,
            this, &EditController::paste);

    m_menu->addSeparator();
    QHash<QString, QMenu *> submenus;
    for (const TransformItem &item : TransformItems) {
        QMenu *menu = m_menu;
        if (item.submenu) {
            QMenu *&submenu = submenus[QLatin1String(item.submenu)];
            if (!submenu)
                submenu = m_menu->addMenu(tr(item.submenu));
            menu = submenu;
            if (item.transform == Transform::WrapUp)
                menu->addSeparator();
        }
        QAction *action = menu->addAction(tr(item.text));
        action->setObjectName(QStringLiteral("mnuTransform%1").arg(int(item.transform)));
        action->setShortcut(item.keys);
        const Transform transform = item.transform;
        connect(action, &QAction::triggered, this,
                [this, transform] { applyTransform(transform); });
    }

    m_menu->addSeparator();
    connect(addAction(m_menu, "mnuClear", tr("Clear A&LL"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)),
            &QAction::triggered, this, [this] { m_editor.clear(); });

    m_menu->addSeparator();
    m_sendAsYouDraw = addAction(m_menu, "mnuSendAsYouDraw", tr("Send as You &Draw"),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    m_sendAsYouDraw->setCheckable(true);
    connect(m_menu, &QMenu::aboutToShow, this, &EditController::readSendAsYouDraw);
    connect(m_sendAsYouDraw, &QAction::toggled, this, [this](bool on) {
        m_sendAsYouDrawRead = true;
        EditorSettings::setSendAsYouDraw(on);
        if (on)
            sendAsYouDraw(m_grid.model().pattern());
    });
    m_grid.setContextMenu(m_menu);
    return m_menu;
}

// The setting is read when first needed (the menu opens, the grid changes), not while the
// program starts.
void EditController::readSendAsYouDraw()
{
    if (m_sendAsYouDrawRead)
        return;
    m_sendAsYouDrawRead = true;
    const QSignalBlocker blocker(m_sendAsYouDraw);
    m_sendAsYouDraw->setChecked(EditorSettings::sendAsYouDraw());
}

void EditController::sendAsYouDraw(const Pattern &pattern)
{
    readSendAsYouDraw();
    if (m_sendAsYouDraw->isChecked())
        m_connection.sendLatest(Protocol::dotMatrix(pattern.columns()));
}

void EditController::updateUndoActions()
{
    const QUndoGroup *group = m_history.group();
    m_undo->setEnabled(group->canUndo());
    m_undo->setText(UndoActions::undoText(group->canUndo(), group->undoText()));
    m_redo->setEnabled(group->canRedo());
    m_redo->setText(UndoActions::redoText(group->canRedo(), group->redoText()));
}

Pattern EditController::gridPattern() const
{
    return m_grid.model().pattern();
}

// Beside the text in the chosen format, the module bytes, so that the program's own pattern
// pastes back without a question.
void EditController::copy()
{
    QGuiApplication::clipboard()->setMimeData(PatternClipboard::mimeData(
        {NamedPattern{QString(), gridPattern(), {}}}, EditorSettings::copyFormat()));
}

void EditController::paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    // Patterns copied in the library window come as they are: the first of them.
    if (const auto own = PatternClipboard::ownPatterns(data)) {
        m_editor.setPattern(own->constFirst().pattern, tr("Paste"));
        return;
    }
    const bool hasImage = data && data->hasImage();
    if (data && data->hasText() && !data->text().trimmed().isEmpty()) {
        // A picture copied from elsewhere often comes with text, its address for one.
        if (hasImage && TextFormats::detect(data->text()).formats.isEmpty())
            pastePicture(qvariant_cast<QImage>(data->imageData()), tr("the clipboard"));
        else
            pasteText(data->text());
        return;
    }
    if (hasImage) {
        pastePicture(qvariant_cast<QImage>(data->imageData()), tr("the clipboard"));
        return;
    }
    m_prompter.message(m_window, tr("Nothing was pasted: the clipboard holds neither a pattern nor "
                                    "a picture."));
}

bool EditController::pasteText(const QString &text)
{
    if (const auto images = TextFormats::parseImages(text))
        return pasteImages(images->patterns, images->name);
    const auto detection = TextFormats::detect(text);
    if (detection.nothingFound) {
        m_prompter.message(m_window,
                           tr("Nothing was pasted: no pattern was found in the text on the "
                              "clipboard."));
        return false;
    }
    if (detection.formats.isEmpty()) {
        m_prompter.message(m_window,
                           tr("Nothing was pasted: the text on the clipboard is not a pattern, as "
                              "%1.")
                               .arg(detection.error));
        return false;
    }
    QList<FormatChooser::Reading> readings;
    for (Format format : detection.formats) {
        const Pattern pattern = *TextFormats::parse(text, format).pattern;
        const bool known = std::any_of(readings.begin(), readings.end(),
                                       [&](const auto &r) { return r.pattern == pattern; });
        if (!known)
            readings.append({format, pattern});
    }
    FormatChooser::Reading reading = readings.first();
    if (readings.size() > 1) {
        const auto chosen =
            FormatChooser::choose(m_prompter, m_window, readings, EditorSettings::lastBareFormat());
        if (!chosen)
            return false;
        for (const auto &candidate : std::as_const(readings)) {
            if (candidate.format == *chosen)
                reading = candidate;
        }
        EditorSettings::setLastBareFormat(reading.format);
    }
    return m_editor.setPattern(reading.pattern, tr("Paste"));
}

void EditController::pastePicture(const QImage &image, const QString &source)
{
    if (image.isNull()) {
        m_prompter.message(m_window,
                           tr("Nothing was pasted: the picture on %1 is empty.").arg(source));
        return;
    }
    if (qint64(image.width()) * image.height() > PatternImage::MaxPixels) {
        m_prompter.message(m_window, tr("Nothing was pasted: the picture on %1 is %2 x %3 pixels, "
                                        "more than the workbench takes.")
                                         .arg(source)
                                         .arg(image.width())
                                         .arg(image.height()));
        return;
    }
    const auto levels = PatternImage::levels(image, EditorSettings::imageFit());
    // A picture of crisp black and white dots, as Copy makes, needs no threshold chosen.
    const auto pattern = PatternImage::isCrisp(levels)
                             ? std::optional<Pattern>(PatternImage::threshold(levels))
                             : ImageImportDialog::run(m_prompter, m_window, image, source);
    if (pattern)
        m_editor.setPattern(*pattern, tr("Paste"));
}

void EditController::applyTransform(Transform transform)
{
    for (const TransformItem &item : TransformItems) {
        if (item.transform == transform)
            m_editor.setPattern(transformed(gridPattern(), transform), tr(item.stepName));
    }
}

void EditController::importImage()
{
    const auto choice =
        m_prompter.chooseFile(m_window, FileChooser::Purpose::Open, tr("Import Image"),
                              EditorSettings::lastFolder(), {pictureFilter()});
    if (!choice.path.isEmpty())
        importImageFile(choice.path);
}

bool EditController::importImageFile(const QString &path)
{
    QString error;
    const auto image = PatternImage::readImage(path, &error);
    if (!image) {
        m_prompter.message(m_window, error);
        return false;
    }
    EditorSettings::setLastFolder(QFileInfo(path).absolutePath());
    const auto pattern = ImageImportDialog::run(m_prompter, m_window, *image, path);
    return pattern && m_editor.setPattern(*pattern, tr("Import Image"));
}

void EditController::exportImage()
{
    QStringList filters;
    QString selected;
    for (int dotSize : ExportDotSizes) {
        filters.append(exportFilter(dotSize));
        if (dotSize == EditorSettings::exportDotSize())
            selected = filters.last();
    }
    auto choice = m_prompter.chooseFile(m_window, FileChooser::Purpose::Save, tr("Export Image"),
                                        EditorSettings::lastFolder(), filters, selected);
    if (choice.path.isEmpty())
        return;
    int dotSize = EditorSettings::exportDotSize();
    for (int size : ExportDotSizes) {
        if (choice.filter == exportFilter(size))
            dotSize = size;
    }
    if (QFileInfo(choice.path).suffix().isEmpty())
        choice.path += QStringLiteral(".png");
    QString error;
    if (!PatternImage::writePng(gridPattern(), dotSize, choice.path, &error)) {
        m_prompter.message(m_window, error);
        return;
    }
    EditorSettings::setExportDotSize(dotSize);
    EditorSettings::setLastFolder(QFileInfo(choice.path).absolutePath());
}

QAction *EditController::addAction(QMenu *menu, const char *name, const QString &text,
                                   const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}
