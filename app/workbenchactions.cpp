#include "workbenchactions.h"

#include "bankdocument.h"
#include "characterswindow.h"
#include "connectionpool.h"
#include "dotgrid.h"
#include "editorsettings.h"
#include "formatchooser.h"
#include "frameseditor.h"
#include "frameswindow.h"
#include "frmmain.h"
#include "grideditor.h"
#include "imageimportdialog.h"
#include "librarydocument.h"
#include "librarywindow.h"
#include "messagebox.h"
#include "patternimage.h"
#include "patternlibrary.h"
#include "portresolver.h"
#include "questions.h"
#include "shortcutswindow.h"
#include "spanwindow.h"

#include <QActionGroup>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

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
    {Transform::Invert, nullptr, QT_TR_NOOP("&Invert"), QT_TR_NOOP("Invert"), Qt::CTRL | Qt::Key_I},
    {Transform::ShiftUp, QT_TR_NOOP("&Shift"), QT_TR_NOOP("&Up"), QT_TR_NOOP("Shift Up"),
     Qt::CTRL | Qt::Key_Up},
    {Transform::ShiftDown, QT_TR_NOOP("&Shift"), QT_TR_NOOP("&Down"), QT_TR_NOOP("Shift Down"),
     Qt::CTRL | Qt::Key_Down},
    {Transform::ShiftLeft, QT_TR_NOOP("&Shift"), QT_TR_NOOP("&Left"), QT_TR_NOOP("Shift Left"),
     Qt::CTRL | Qt::Key_Left},
    {Transform::ShiftRight, QT_TR_NOOP("&Shift"), QT_TR_NOOP("&Right"), QT_TR_NOOP("Shift Right"),
     Qt::CTRL | Qt::Key_Right},
    {Transform::WrapUp, QT_TR_NOOP("&Shift"), QT_TR_NOOP("Up, &Wrapping Around"),
     QT_TR_NOOP("Shift Up, Wrapping Around"), Qt::CTRL | Qt::SHIFT | Qt::Key_Up},
    {Transform::WrapDown, QT_TR_NOOP("&Shift"), QT_TR_NOOP("Down, W&rapping Around"),
     QT_TR_NOOP("Shift Down, Wrapping Around"), Qt::CTRL | Qt::SHIFT | Qt::Key_Down},
    {Transform::WrapLeft, QT_TR_NOOP("&Shift"), QT_TR_NOOP("Left, Wr&apping Around"),
     QT_TR_NOOP("Shift Left, Wrapping Around"), Qt::CTRL | Qt::SHIFT | Qt::Key_Left},
    {Transform::WrapRight, QT_TR_NOOP("&Shift"), QT_TR_NOOP("Right, Wra&pping Around"),
     QT_TR_NOOP("Shift Right, Wrapping Around"), Qt::CTRL | Qt::SHIFT | Qt::Key_Right},
    {Transform::RotateClockwise, QT_TR_NOOP("&Rotate"), QT_TR_NOOP("90\u00b0 &Clockwise"),
     QT_TR_NOOP("Rotate Clockwise"), Qt::CTRL | Qt::Key_R},
    {Transform::RotateAnticlockwise, QT_TR_NOOP("&Rotate"), QT_TR_NOOP("90\u00b0 &Anticlockwise"),
     QT_TR_NOOP("Rotate Anticlockwise"), Qt::CTRL | Qt::SHIFT | Qt::Key_R},
    {Transform::Rotate180, QT_TR_NOOP("&Rotate"), QT_TR_NOOP("&180\u00b0"),
     QT_TR_NOOP("Rotate 180\u00b0"), Qt::CTRL | Qt::ALT | Qt::Key_R},
    {Transform::MirrorLeftRight, QT_TR_NOOP("&Mirror"), QT_TR_NOOP("&Left to Right"),
     QT_TR_NOOP("Mirror Left to Right"), Qt::CTRL | Qt::Key_M},
    {Transform::MirrorTopBottom, QT_TR_NOOP("&Mirror"), QT_TR_NOOP("&Top to Bottom"),
     QT_TR_NOOP("Mirror Top to Bottom"), Qt::CTRL | Qt::SHIFT | Qt::Key_M},
};

// What Copy adds for this program itself: the module bytes, so that its own pattern pastes back
// without a question, whatever text format was chosen.
constexpr char PatternMimeType[] = "application/x-glyphsmith-pattern";

// The dot sizes a picture is exported at, with the file dialog's filter for each.
constexpr int ExportDotSizes[] = {1, 16, 32};

QString exportFilter(int dotSize)
{
    if (dotSize == 1)
        return WorkbenchActions::tr("PNG picture, 8 x 8 pixels (*.png)");
    return WorkbenchActions::tr("PNG picture, %1 pixels to a dot (*.png)").arg(dotSize);
}

QString pictureFilter()
{
    QStringList patterns;
    for (const QByteArray &suffix : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(suffix));
    return WorkbenchActions::tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
}

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

WorkbenchActions::WorkbenchActions(FrmMain *window)
    : QObject(window)
    , m_window(window)
{
    buildEditMenu();
    buildPatternMenu();
    buildHelpMenu();
    window->dotGrid()->setContextMenu(m_editMenu);
    connect(window->dotGrid(), &DotGrid::patternChanged, this, &WorkbenchActions::sendAsYouDraw);
}

QAction *WorkbenchActions::addAction(QMenu *menu, const char *name, const QString &text,
                                     const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

void WorkbenchActions::buildEditMenu()
{
    m_editMenu = m_window->menuBar()->addMenu(tr("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("mnuEdit"));
    GridEditor *editor = m_window->gridEditor();

    m_undo = addAction(m_editMenu, "mnuUndo", tr("&Undo"), QKeySequence::Undo);
    // The menu texts name the step; the list of shortcuts takes these.
    m_undo->setIconText(tr("Undo"));
    connect(m_undo, &QAction::triggered, editor, &GridEditor::undo);
    m_redo = addAction(m_editMenu, "mnuRedo", tr("&Redo"));
    m_redo->setShortcuts({QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_redo->setIconText(tr("Redo"));
    connect(m_redo, &QAction::triggered, editor, &GridEditor::redo);
    QUndoStack *stack = editor->undoStack();
    connect(stack, &QUndoStack::indexChanged, this, &WorkbenchActions::updateUndoActions);
    updateUndoActions();

    m_editMenu->addSeparator();
    connect(addAction(m_editMenu, "mnuCopy", tr("&Copy"), QKeySequence::Copy), &QAction::triggered,
            this, &WorkbenchActions::copy);
    QMenu *copyAs = m_editMenu->addMenu(tr("Copy &As"));
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
    connect(addAction(m_editMenu, "mnuPaste", tr("&Paste"), QKeySequence::Paste),
            &QAction::triggered, this, &WorkbenchActions::paste);

    m_editMenu->addSeparator();
    QHash<QString, QMenu *> submenus;
    for (const TransformItem &item : TransformItems) {
        QMenu *menu = m_editMenu;
        if (item.submenu) {
            QMenu *&submenu = submenus[QLatin1String(item.submenu)];
            if (!submenu)
                submenu = m_editMenu->addMenu(tr(item.submenu));
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

    m_editMenu->addSeparator();
    connect(addAction(m_editMenu, "mnuClear", tr("Clear A&LL"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)),
            &QAction::triggered, m_window, &FrmMain::cmdCLR_Click);

    m_editMenu->addSeparator();
    m_sendAsYouDraw = addAction(m_editMenu, "mnuSendAsYouDraw", tr("Send as You &Draw"),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    m_sendAsYouDraw->setCheckable(true);
    connect(m_editMenu, &QMenu::aboutToShow, this, &WorkbenchActions::readSendAsYouDraw);
    connect(m_sendAsYouDraw, &QAction::toggled, this, [this](bool on) {
        m_sendAsYouDrawRead = true;
        EditorSettings::setSendAsYouDraw(on);
        if (on)
            sendAsYouDraw(m_window->grid().columnValues());
    });
}

// The setting is read when first needed (the menu opens, the grid changes), not while the
// program starts.
void WorkbenchActions::readSendAsYouDraw()
{
    if (m_sendAsYouDrawRead)
        return;
    m_sendAsYouDrawRead = true;
    const QSignalBlocker blocker(m_sendAsYouDraw);
    m_sendAsYouDraw->setChecked(EditorSettings::sendAsYouDraw());
}

void WorkbenchActions::sendAsYouDraw(const Protocol::ColumnPattern &columns)
{
    readSendAsYouDraw();
    if (m_sendAsYouDraw->isChecked())
        m_window->serialPort().sendLatest(Protocol::dotMatrix(columns));
}

void WorkbenchActions::buildPatternMenu()
{
    m_patternMenu = m_window->menuBar()->addMenu(tr("&Pattern"));
    m_patternMenu->setObjectName(QStringLiteral("mnuPattern"));
    connect(addAction(m_patternMenu, "mnuNew", tr("&New"), QKeySequence::New), &QAction::triggered,
            this, [this] {
                if (library()->newLibrary(m_window))
                    showLibrary();
            });
    connect(addAction(m_patternMenu, "mnuOpen", tr("&Open..."), QKeySequence::Open),
            &QAction::triggered, this, [this] {
                if (library()->open(m_window))
                    showLibrary();
            });
    m_recentMenu = m_patternMenu->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName(QStringLiteral("mnuRecent"));
    // Filled as the Pattern menu opens: an empty submenu would not open at all, and the settings
    // are then read when needed, not while the program starts.
    connect(m_patternMenu, &QMenu::aboutToShow, this, &WorkbenchActions::fillRecentMenu);
    connect(addAction(m_patternMenu, "mnuSave", tr("&Save"), QKeySequence::Save),
            &QAction::triggered, this, [this] { library()->save(m_window); });
    connect(addAction(m_patternMenu, "mnuSaveAs", tr("Save &As..."), QKeySequence::SaveAs),
            &QAction::triggered, this, [this] { library()->saveAs(m_window); });
    m_patternMenu->addSeparator();
    connect(addAction(m_patternMenu, "mnuImportImage", tr("&Import Image..."),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)),
            &QAction::triggered, this, &WorkbenchActions::importImage);
    connect(addAction(m_patternMenu, "mnuExportImage", tr("&Export Image..."),
                      QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, &WorkbenchActions::exportImage);
    m_patternMenu->addSeparator();
    connect(
        addAction(m_patternMenu, "mnuLibrary", tr("&Library"), QKeySequence(Qt::CTRL | Qt::Key_L)),
        &QAction::triggered, this, &WorkbenchActions::showLibrary);
    connect(addAction(m_patternMenu, "mnuFrames", tr("&Frames"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)),
            &QAction::triggered, this, &WorkbenchActions::showFrames);
    connect(addAction(m_patternMenu, "mnuCharacters", tr("&Characters..."),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)),
            &QAction::triggered, this, &WorkbenchActions::showCharacters);
    connect(addAction(m_patternMenu, "mnuSpans", tr("S&pans...")), &QAction::triggered, this,
            &WorkbenchActions::showSpans);
}

FramesEditor *WorkbenchActions::framesEditor()
{
    if (!m_framesEditor)
        m_framesEditor = new FramesEditor(library(), m_window->gridEditor(), this);
    return m_framesEditor;
}

FramesWindow *WorkbenchActions::framesWindow()
{
    if (!m_framesWindow) {
        m_framesWindow = new FramesWindow(framesEditor(), m_window->gridEditor(), m_window);
        m_framesWindow->setWindowIcon(m_window->windowIcon());
        m_framesWindow->setConnection(&m_window->serialPort());
        connect(m_framesWindow, &FramesWindow::portUnavailable, m_window,
                &FrmMain::reportPortUnavailable);
    }
    return m_framesWindow;
}

void WorkbenchActions::showFrames()
{
    FramesWindow *window = framesWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void WorkbenchActions::buildHelpMenu()
{
    m_helpMenu = m_window->menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    connect(
        addAction(m_helpMenu, "mnuShortcuts", tr("&Keyboard Shortcuts"), QKeySequence(Qt::Key_F1)),
        &QAction::triggered, this, &WorkbenchActions::showShortcuts);
}

void WorkbenchActions::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = EditorSettings::recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QAction *item = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (files.isEmpty())
        m_recentMenu->addAction(tr("No recent files"))->setEnabled(false);
}

void WorkbenchActions::openRecent(const QString &path)
{
    if (library()->openFile(path, m_window)) {
        showLibrary();
        return;
    }
    if (!QFileInfo::exists(path))
        EditorSettings::removeRecentFile(path);
}

void WorkbenchActions::updateUndoActions()
{
    const QUndoStack *stack = m_window->gridEditor()->undoStack();
    m_undo->setEnabled(stack->canUndo());
    m_undo->setText(stack->canUndo() ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo"));
    m_redo->setEnabled(stack->canRedo());
    m_redo->setText(stack->canRedo() ? tr("&Redo %1").arg(stack->redoText()) : tr("&Redo"));
}

Pattern WorkbenchActions::gridPattern() const
{
    return Pattern::fromColumns(m_window->grid().columnValues());
}

void WorkbenchActions::copy()
{
    const Pattern pattern = gridPattern();
    auto *data = new QMimeData;
    data->setText(TextFormats::write(pattern, EditorSettings::copyFormat()));
    data->setImageData(PatternImage::render(pattern, 16));
    data->setData(QLatin1String(PatternMimeType), bytesText(pattern).toLatin1());
    QGuiApplication::clipboard()->setMimeData(data);
}

void WorkbenchActions::paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasFormat(QLatin1String(PatternMimeType))) {
        const auto own =
            patternFromBytesText(QString::fromLatin1(data->data(QLatin1String(PatternMimeType))));
        if (own) {
            m_window->gridEditor()->setPattern(own->columns(), tr("Paste"));
            return;
        }
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
    MessageBox::show(m_window, tr("Nothing was pasted: the clipboard holds neither a pattern nor "
                                  "a picture."));
}

bool WorkbenchActions::pasteText(const QString &text)
{
    const auto detection = TextFormats::detect(text);
    if (detection.formats.isEmpty()) {
        MessageBox::show(m_window,
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
            FormatChooser::choose(m_window, readings, EditorSettings::lastBareFormat());
        if (!chosen)
            return false;
        for (const auto &candidate : std::as_const(readings)) {
            if (candidate.format == *chosen)
                reading = candidate;
        }
        EditorSettings::setLastBareFormat(reading.format);
    }
    return m_window->gridEditor()->setPattern(reading.pattern.columns(), tr("Paste"));
}

void WorkbenchActions::pastePicture(const QImage &image, const QString &source)
{
    if (image.isNull()) {
        MessageBox::show(m_window,
                         tr("Nothing was pasted: the picture on %1 is empty.").arg(source));
        return;
    }
    if (qint64(image.width()) * image.height() > PatternImage::MaxPixels) {
        MessageBox::show(m_window, tr("Nothing was pasted: the picture on %1 is %2 x %3 pixels, "
                                      "more than the workbench takes.")
                                       .arg(source)
                                       .arg(image.width())
                                       .arg(image.height()));
        return;
    }
    const auto levels = PatternImage::levels(image);
    // A picture of crisp black and white dots, as Copy makes, needs no threshold chosen.
    const auto pattern = PatternImage::isCrisp(levels)
                             ? std::optional<Pattern>(PatternImage::threshold(levels))
                             : ImageImportDialog::run(m_window, levels, source);
    if (pattern)
        m_window->gridEditor()->setPattern(pattern->columns(), tr("Paste"));
}

void WorkbenchActions::applyTransform(Transform transform)
{
    for (const TransformItem &item : TransformItems) {
        if (item.transform == transform)
            m_window->gridEditor()->setPattern(transformed(gridPattern(), transform).columns(),
                                               tr(item.stepName));
    }
}

void WorkbenchActions::importImage()
{
    const auto choice =
        FileChooser::choose(m_window, FileChooser::Purpose::Open, tr("Import Image"),
                            EditorSettings::lastFolder(), {pictureFilter()});
    if (!choice.path.isEmpty())
        importImageFile(choice.path);
}

bool WorkbenchActions::importImageFile(const QString &path)
{
    QString error;
    const auto levels = PatternImage::readLevels(path, &error);
    if (!levels) {
        MessageBox::show(m_window, error);
        return false;
    }
    EditorSettings::setLastFolder(QFileInfo(path).absolutePath());
    const auto pattern = ImageImportDialog::run(m_window, *levels, path);
    return pattern && m_window->gridEditor()->setPattern(pattern->columns(), tr("Import Image"));
}

void WorkbenchActions::exportImage()
{
    QStringList filters;
    QString selected;
    for (int dotSize : ExportDotSizes) {
        filters.append(exportFilter(dotSize));
        if (dotSize == EditorSettings::exportDotSize())
            selected = filters.last();
    }
    auto choice = FileChooser::choose(m_window, FileChooser::Purpose::Save, tr("Export Image"),
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
        MessageBox::show(m_window, error);
        return;
    }
    EditorSettings::setExportDotSize(dotSize);
    EditorSettings::setLastFolder(QFileInfo(choice.path).absolutePath());
}

LibraryWindow *WorkbenchActions::libraryWindow()
{
    if (!m_libraryWindow) {
        m_libraryWindow = new LibraryWindow(library(), &m_window->grid(), m_window);
        m_libraryWindow->setWindowIcon(m_window->windowIcon());
        connect(m_libraryWindow, &LibraryWindow::loadRequested, this,
                [this](const Pattern &pattern, const QString &name) {
                    m_window->gridEditor()->setPattern(pattern.columns(),
                                                       tr("Load \"%1\"").arg(name));
                });
        connect(m_libraryWindow, &LibraryWindow::sendRequested, this,
                [this](const Pattern &pattern) { m_window->sendPattern(pattern.columns()); });
    }
    return m_libraryWindow;
}

void WorkbenchActions::showLibrary()
{
    LibraryWindow *window = libraryWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

ShortcutsWindow *WorkbenchActions::shortcutsWindow() const
{
    return m_shortcuts;
}

void WorkbenchActions::showShortcuts()
{
    if (!m_shortcuts) {
        QList<ShortcutsWindow::Section> sections;
        ShortcutsWindow::Section main{tr("Main window"), {}};
        std::function<void(const QMenu *, const QString &)> collect = [&](const QMenu *menu,
                                                                          const QString &path) {
            for (const QAction *action : menu->actions()) {
                const QString name = path + action->iconText();
                if (action->menu())
                    collect(action->menu(), name + QStringLiteral(" > "));
                else if (!action->shortcuts().isEmpty()) {
                    QStringList keys;
                    for (const QKeySequence &key : action->shortcuts())
                        keys.append(key.toString(QKeySequence::NativeText));
                    main.entries.append({name, keys.join(QStringLiteral(", "))});
                }
            }
        };
        for (const QMenu *menu : {m_editMenu, m_patternMenu, m_helpMenu})
            collect(menu, withoutMnemonic(menu->title()) + QStringLiteral(" > "));
        sections.append(main);
        sections.append({tr("Dot matrix grid"),
                         {{tr("Move the focus cell"), tr("Arrow keys")},
                          {tr("Toggle the focus cell, as a click does"), tr("Space")},
                          {tr("Open the Edit menu"), tr("Menu, Shift+F10")},
                          {tr("Draw: press on a dot and drag over others"), tr("Mouse")},
                          {tr("Go to the next or previous control"), tr("Tab, Shift+Tab")}}});
        ShortcutsWindow::Section library{tr("Pattern Library window"), {}};
        for (const QAction *action : libraryWindow()->shortcutActions()) {
            QString keys = action->shortcut().toString(QKeySequence::NativeText);
            if (action->shortcutContext() == Qt::WidgetShortcut)
                keys = tr("Enter, double-click");
            library.entries.append({action->iconText(), keys});
        }
        sections.append(library);
        ShortcutsWindow::Section frames{tr("Frames window"), {}};
        for (const QAction *action : framesWindow()->shortcutActions())
            frames.entries.append(
                {action->iconText(), action->shortcut().toString(QKeySequence::NativeText)});
        sections.append(frames);
        ShortcutsWindow::Section characters{tr("Characters window"), {}};
        for (const QAction *action : charactersWindow()->shortcutActions()) {
            QStringList keys;
            for (const QKeySequence &key : action->shortcuts())
                keys.append(key.toString(QKeySequence::NativeText));
            if (action->shortcutContext() == Qt::WidgetShortcut)
                keys = {action->property(CharactersWindow::KeysProperty).toString()};
            characters.entries.append({action->iconText(), keys.join(QStringLiteral(", "))});
        }
        sections.append(characters);
        sections.append(
            {tr("Dialogs and windows"), {{tr("Close a dialog or this list"), tr("Esc")}}});
        m_shortcuts = new ShortcutsWindow(sections, m_window);
        m_shortcuts->setWindowIcon(m_window->windowIcon());
    }
    m_shortcuts->show();
    m_shortcuts->raise();
    m_shortcuts->activateWindow();
}

LibraryDocument *WorkbenchActions::library()
{
    // Made when first needed, so that the program's start-up does not draw the starter set.
    if (!m_library)
        m_library = new LibraryDocument(this);
    return m_library;
}

// The device whose module the bank describes: the open port's, else the one the COM number
// stands for now.
QString WorkbenchActions::bankDevice()
{
    ModuleConnection &link = m_window->serialPort();
    if (link.isOpen())
        return link.deviceName();
    const int port = m_window->commPort().commPort();
    return PortResolver::devicePath(port).value_or(QStringLiteral("COM%1").arg(port));
}

BankDocument *WorkbenchActions::characterBank()
{
    if (!m_bank) {
        m_bank = new BankDocument(this);
        m_bank->setDevice(bankDevice());
        connect(&m_window->serialPort(), &ModuleConnection::openChanged, m_bank, [this](bool open) {
            if (open)
                m_bank->setDevice(bankDevice());
        });
        // Said once a run: a store that cannot be written now will not be writable later.
        connect(m_bank, &BankDocument::saveFailed, this, [this](const QString &device) {
            disconnect(m_bank, &BankDocument::saveFailed, this, nullptr);
            MessageBox::show(m_characters ? static_cast<QWidget *>(m_characters) : m_window,
                             tr("The custom characters of %1 could not be stored in the "
                                "settings; the program will not remember them at its next start.")
                                 .arg(device));
        });
    }
    return m_bank;
}

CharactersWindow *WorkbenchActions::charactersWindow()
{
    if (!m_characters) {
        m_characters = new CharactersWindow(characterBank(), m_window->gridEditor(), library(),
                                            m_window->serialPort(), m_window);
        m_characters->setWindowIcon(m_window->windowIcon());
        connect(m_characters, &CharactersWindow::portUnavailable, m_window,
                &FrmMain::reportPortUnavailable);
    }
    return m_characters;
}

void WorkbenchActions::showCharacters()
{
    CharactersWindow *window = charactersWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

SpanWindow *WorkbenchActions::spansWindow()
{
    if (!m_spansWindow) {
        if (!m_connections) {
            m_connections = new ConnectionPool(this);
            m_connections->share(&m_window->serialPort());
        }
        m_spansWindow = new SpanWindow(library(), m_connections, m_window);
        m_spansWindow->setWindowIcon(m_window->windowIcon());
    }
    return m_spansWindow;
}

void WorkbenchActions::showSpans()
{
    SpanWindow *window = spansWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

bool WorkbenchActions::closeWorkbench()
{
    if (m_library && !m_library->maybeSave(m_libraryWindow && m_libraryWindow->isVisible()
                                               ? static_cast<QWidget *>(m_libraryWindow)
                                               : m_window))
        return false;
    if (m_libraryWindow)
        m_libraryWindow->close();
    if (m_framesWindow)
        m_framesWindow->close();
    if (m_shortcuts)
        m_shortcuts->close();
    if (m_characters)
        m_characters->close();
    if (m_spansWindow)
        m_spansWindow->close();
    return true;
}
