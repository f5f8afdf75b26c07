#include "workspace.h"

#include "aboutdialog.h"
#include "characterscontroller.h"
#include "characterswindow.h"
#include "dotgrid.h"
#include "editcontroller.h"
#include "framescontroller.h"
#include "frameswindow.h"
#include "frmmain.h"
#include "librarycontroller.h"
#include "librarydocument.h"
#include "librarywindow.h"
#include "patternlibrary.h"
#include "prompter.h"
#include "recoveryoffer.h"
#include "shortcutswindow.h"
#include "spanscontroller.h"
#include "spanwindow.h"
#include "windowplacement.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

namespace {

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

Workspace::Workspace(Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_bus(m_connection,
            {[this](const QString &file) { openFile(file); }, [this] { bringToFront(); }})
    , m_window(std::make_unique<FrmMain>(m_connection, prompter, m_history))
{
    FrmMain *window = m_window.get();
    GridEditor &grid = *window->gridEditor();
    m_library = std::make_unique<LibraryController>(*window->dotGrid(), grid, m_history.library(),
                                                    m_connection, prompter, window);
    m_edit = std::make_unique<EditController>(*window->dotGrid(), grid, m_history, m_connection,
                                              prompter, window);
    m_frames = std::make_unique<FramesController>(*m_library, grid, m_history.frames(),
                                                  m_connection, prompter, window);
    m_characters = std::make_unique<CharactersController>(*m_library, grid, m_history.characters(),
                                                          m_connection, prompter, window);
    m_pool.share(&m_connection);
    m_spans = std::make_unique<SpansController>(*m_library, m_pool, prompter, window);
    m_edit->setImagesHandler([this](const QList<Pattern> &images, const QString &name) {
        return m_frames->pasteImages(images, name);
    });
    connect(m_frames.get(), &FramesController::gridSubjectChanged, window,
            &FrmMain::showGridSubject);
    buildMenus();
    window->installEventFilter(this);
}

// The windows go first, while what they show is still there.
Workspace::~Workspace()
{
    m_window.reset();
}

void Workspace::buildMenus()
{
    QMenuBar *bar = m_window->menuBar();
    m_edit->buildMenu(bar);
    m_patternMenu = bar->addMenu(tr("&Pattern"));
    m_patternMenu->setObjectName(QStringLiteral("mnuPattern"));
    m_library->addFileActions(m_patternMenu);
    m_patternMenu->addSeparator();
    m_edit->addPictureActions(m_patternMenu);
    m_patternMenu->addSeparator();
    m_library->addLibraryAction(m_patternMenu);
    m_frames->addAction(m_patternMenu);
    m_characters->addAction(m_patternMenu);
    m_spans->addAction(m_patternMenu);

    m_helpMenu = bar->addMenu(tr("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    connect(addMenuAction(m_helpMenu, "mnuShortcuts", tr("&Keyboard Shortcuts"),
                          QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &Workspace::showShortcuts);
    m_helpMenu->addSeparator();
    connect(addMenuAction(m_helpMenu, "mnuAbout", tr("&About 8x8 Glyphsmith")), &QAction::triggered,
            this, &Workspace::showAbout);
}

void Workspace::showAbout()
{
    AboutDialog about(m_window.get());
    about.setWindowIcon(m_window->windowIcon());
    m_prompter.exec(about);
}

bool Workspace::offerOnBus(const QDBusConnection &bus)
{
    return m_bus.offer(bus);
}

void Workspace::welcome(const QString &file)
{
    offerRecovery(*m_library, m_prompter, m_window.get());
    if (!file.isEmpty())
        openFile(file);
    // How the tests make unsaved changes in a program that they then kill: the library of the
    // file this names, taken as an edit of the open library.
    const QString edit = qEnvironmentVariable("GLYPHSMITH_TEST_LIBRARY_EDIT");
    if (!edit.isEmpty()) {
        QString error;
        if (const auto contents = PatternLibrary::read(edit, &error))
            m_library->document()->replaceContents(*contents);
    }
}

// A file that comes while another is being opened (its question or message still up) waits for
// that one: they are opened one after the other, each asked about as Open asks.
void Workspace::openFile(const QString &path)
{
    m_filesToOpen.append(path);
    if (m_openingFiles)
        return;
    m_openingFiles = true;
    while (!m_filesToOpen.isEmpty()) {
        bringToFront();
        m_library->openFile(m_filesToOpen.takeFirst());
    }
    m_openingFiles = false;
}

void Workspace::bringToFront()
{
    FrmMain *window = m_window.get();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// Unsaved patterns are never lost silently: the user may save them or stay. Then the feature
// windows close with the main window.
bool Workspace::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window.get() && event->type() == QEvent::Close) {
        if (!m_library->close()) {
            event->ignore();
            return true;
        }
        WindowPlacement::remember(m_window.get());
        m_frames->close();
        m_characters->close();
        m_spans->close();
        if (m_shortcuts)
            m_shortcuts->close();
    }
    return QObject::eventFilter(watched, event);
}

void Workspace::showShortcuts()
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
        for (const QMenu *menu : {m_edit->menu(), m_patternMenu, m_helpMenu})
            collect(menu, withoutMnemonic(menu->title()) + QStringLiteral(" > "));
        sections.append(main);
        sections.append({tr("Dot matrix grid"),
                         {{tr("Move the focus cell"), tr("Arrow keys")},
                          {tr("Toggle the focus cell, as a click does"), tr("Space")},
                          {tr("Open the Edit menu"), tr("Menu, Shift+F10")},
                          {tr("Draw: press on a dot and drag over others"), tr("Mouse")},
                          {tr("Go to the next or previous control"), tr("Tab, Shift+Tab")}}});
        ShortcutsWindow::Section library{tr("Pattern Library window"), {}};
        const auto keysOf = [](const QAction *action) {
            QStringList keys;
            for (const QKeySequence &key : action->shortcuts())
                keys.append(key.toString(QKeySequence::NativeText));
            return keys.join(QStringLiteral(", "));
        };
        for (const QAction *action : m_library->libraryWindow()->shortcutActions()) {
            QString keys = keysOf(action);
            if (action->shortcutContext() == Qt::WidgetShortcut)
                keys = tr("Enter, double-click");
            library.entries.append({action->iconText(), keys});
        }
        sections.append(library);
        ShortcutsWindow::Section frames{tr("Frames window"), {}};
        for (const QAction *action : m_frames->framesWindow()->shortcutActions())
            frames.entries.append({action->iconText(), keysOf(action)});
        sections.append(frames);
        ShortcutsWindow::Section characters{tr("Characters window"), {}};
        for (const QAction *action : m_characters->charactersWindow()->shortcutActions()) {
            QStringList keys;
            for (const QKeySequence &key : action->shortcuts())
                keys.append(key.toString(QKeySequence::NativeText));
            if (action->shortcutContext() == Qt::WidgetShortcut)
                keys = {action->property(CharactersWindow::KeysProperty).toString()};
            characters.entries.append({action->iconText(), keys.join(QStringLiteral(", "))});
        }
        sections.append(characters);
        ShortcutsWindow::Section spans{tr("Span window"), {}};
        for (const QAction *action : m_spans->spansWindow()->shortcutActions())
            spans.entries.append({action->iconText(), keysOf(action)});
        sections.append(spans);
        sections.append(
            {tr("Dialogs and windows"), {{tr("Close a dialog or this list"), tr("Esc")}}});
        m_shortcuts = new ShortcutsWindow(sections, m_window.get());
        m_shortcuts->setWindowIcon(m_window->windowIcon());
    }
    m_shortcuts->show();
    m_shortcuts->raise();
    m_shortcuts->activateWindow();
}
