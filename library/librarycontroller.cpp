#include "librarycontroller.h"

#include "dotgrid.h"
#include "editorsettings.h"
#include "grideditor.h"
#include "librarydocument.h"
#include "libraryrecovery.h"
#include "librarywindow.h"
#include "messagebox.h"
#include "moduleconnection.h"
#include "prompter.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

QAction *addMenuAction(QMenu *menu, const char *name, const QString &text,
                       const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

LibraryController::LibraryController(DotGrid &grid, GridEditor &editor, QUndoStack *history,
                                     ModuleConnection &connection, Prompter &prompter,
                                     QWidget *window, QObject *parent)
    : QObject(parent)
    , m_grid(grid)
    , m_editor(editor)
    , m_history(history)
    , m_connection(connection)
    , m_prompter(prompter)
    , m_window(window)
    , m_recovery(std::make_unique<LibraryRecovery>())
{
    // Said once a run: a state folder that cannot be written now will not be writable at the
    // next change either.
    connect(m_recovery.get(), &LibraryRecovery::writeFailed, this, [this](const QString &reason) {
        if (std::exchange(m_recoveryFailureTold, true))
            return;
        m_prompter.message(m_window,
                           tr("Unsaved changes cannot be kept safe from a crash: their recovery "
                              "copy cannot be written (%1).")
                               .arg(reason),
                           tr("Save the library to keep them."));
    });
}

// The window goes before the document it shows.
LibraryController::~LibraryController()
{
    delete m_libraryWindow;
}

LibraryDocument *LibraryController::document()
{
    if (!m_document) {
        m_document = std::make_unique<LibraryDocument>(m_prompter);
        m_recovery->watch(m_document.get());
    }
    return m_document.get();
}

void LibraryController::addFileActions(QMenu *pattern)
{
    connect(addMenuAction(pattern, "mnuNew", tr("&New"), QKeySequence::New), &QAction::triggered,
            this, [this] {
                if (document()->newLibrary(m_window))
                    showLibrary();
            });
    connect(addMenuAction(pattern, "mnuOpen", tr("&Open..."), QKeySequence::Open),
            &QAction::triggered, this, [this] {
                if (document()->open(m_window))
                    showLibrary();
            });
    m_recentMenu = pattern->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName(QStringLiteral("mnuRecent"));
    // Filled as the Pattern menu opens: an empty submenu would not open at all, and the settings
    // are then read when needed, not while the program starts.
    connect(pattern, &QMenu::aboutToShow, this, &LibraryController::fillRecentMenu);
    connect(addMenuAction(pattern, "mnuSave", tr("&Save"), QKeySequence::Save), &QAction::triggered,
            this, [this] { document()->save(m_window); });
    connect(addMenuAction(pattern, "mnuSaveAs", tr("Save &As..."), QKeySequence::SaveAs),
            &QAction::triggered, this, [this] { document()->saveAs(m_window); });
}

QAction *LibraryController::addLibraryAction(QMenu *pattern)
{
    QAction *action =
        addMenuAction(pattern, "mnuLibrary", tr("&Library"), QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(action, &QAction::triggered, this, &LibraryController::showLibrary);
    return action;
}

void LibraryController::fillRecentMenu()
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

void LibraryController::openRecent(const QString &path)
{
    if (openFile(path))
        return;
    if (!QFileInfo::exists(path))
        EditorSettings::removeRecentFile(path);
}

bool LibraryController::openFile(const QString &path)
{
    if (!document()->openFile(path, m_window))
        return false;
    showLibrary();
    return true;
}

LibraryWindow *LibraryController::libraryWindow()
{
    if (!m_libraryWindow) {
        m_libraryWindow =
            new LibraryWindow(document(), &m_grid.model(), m_history, m_prompter, m_window);
        m_libraryWindow->setWindowIcon(m_window->windowIcon());
        connect(m_libraryWindow, &LibraryWindow::loadRequested, this,
                [this](const Pattern &pattern, const QString &name) {
                    m_editor.setPattern(pattern, tr("Load \"%1\"").arg(name));
                });
        connect(m_libraryWindow, &LibraryWindow::sendRequested, this, &LibraryController::send);
    }
    return m_libraryWindow;
}

void LibraryController::showLibrary()
{
    LibraryWindow *window = libraryWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

// The dot-pattern message, as "Send Dot Matrix" sends the grid's.
void LibraryController::send(const Pattern &pattern)
{
    if (!m_connection.send(Protocol::dotMatrix(pattern.columns())))
        m_prompter.message(m_window, MessageBox::text(MessageBox::PortUnavailable),
                           m_connection.failureDetail());
}

bool LibraryController::close()
{
    if (m_document && !m_document->maybeSave(m_libraryWindow && m_libraryWindow->isVisible()
                                                 ? static_cast<QWidget *>(m_libraryWindow)
                                                 : m_window))
        return false;
    if (m_libraryWindow)
        m_libraryWindow->close();
    return true;
}
