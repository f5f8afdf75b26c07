#pragma once

#include "pattern.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <memory>

class DotGrid;
class GridEditor;
class LibraryDocument;
class LibraryRecovery;
class LibraryWindow;
class ModuleConnection;
class Prompter;
class QAction;
class QMenu;
class QUndoStack;

// The pattern library on the main window: the library file actions of the Pattern menu (New,
// Open, Open Recent, Save, Save As), the Pattern Library window, and the open library itself
// (LibraryDocument, made when first needed so that starting the program draws no starter set)
// with the recovery copy of its unsaved changes (LibraryRecovery).
// A pattern loaded from the library is one undo step of the grid; the library's Send goes to the
// module through the connection, as "Send Dot Matrix" does.
class LibraryController : public QObject
{
    Q_OBJECT

public:
    LibraryController(DotGrid &grid, GridEditor &editor, QUndoStack *history,
                      ModuleConnection &connection, Prompter &prompter, QWidget *window,
                      QObject *parent = nullptr);
    ~LibraryController() override;

    LibraryDocument *document();
    LibraryWindow *libraryWindow();
    // The recovery copy kept of the library's unsaved changes.
    LibraryRecovery &recovery() { return *m_recovery; }
    void showLibrary();
    // New, Open..., Open Recent, Save and Save As... in `pattern`.
    void addFileActions(QMenu *pattern);
    // Pattern > Library.
    QAction *addLibraryAction(QMenu *pattern);
    // Opens `path` as the library, asking about unsaved changes first, and shows it.
    bool openFile(const QString &path);

    // Before the program closes: unsaved changes are saved or dropped as the user says, and the
    // window closes. False when the user chose to stay.
    bool close();

private:
    void fillRecentMenu();
    void openRecent(const QString &path);
    void send(const Pattern &pattern);

    DotGrid &m_grid;
    GridEditor &m_editor;
    QUndoStack *m_history;
    ModuleConnection &m_connection;
    Prompter &m_prompter;
    QWidget *m_window;
    std::unique_ptr<LibraryDocument> m_document;
    // After the document: it goes first, and writes a copy still waiting while the document is
    // there.
    std::unique_ptr<LibraryRecovery> m_recovery;
    bool m_recoveryFailureTold = false;
    QPointer<LibraryWindow> m_libraryWindow;
    QMenu *m_recentMenu = nullptr;
};

// A menu action with an object name and a shortcut, as every menu of the program makes them.
QAction *addMenuAction(QMenu *menu, const char *name, const QString &text,
                       const QKeySequence &shortcut = QKeySequence());
