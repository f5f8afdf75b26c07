#pragma once

#include "busservice.h"
#include "connectionpool.h"
#include "moduleconnection.h"
#include "shortcutswindow.h"
#include "undohistory.h"

#include <QObject>
#include <QPointer>

#include <memory>

class AboutDialog;
class CharactersController;
class EditController;
class FramesController;
class FrmMain;
class LibraryController;
class Prompter;
class SpansController;
class QMenu;

// Everything one run of the program holds, and how it fits together. The connection to the
// module, the undo history and the prompter are made first and outlive every window: the main
// window (FrmMain) and each feature's controller get them handed in, and none reaches another
// through the main window. The controllers own their menu actions and windows:
//
//   Edit menu, picture import and export     EditController       (editing/)
//   Pattern > New, Open, Save, Library       LibraryController    (library/)
//   Pattern > Frames                         FramesController     (animation/)
//   Pattern > Characters                     CharactersController (characters/)
//   Pattern > Spans                          SpansController      (spans/)
//   Help                                     here: the list of keyboard shortcuts, About
//
// Every other module a window reaches (a span's) comes from the connection pool, which shares the
// main window's connection, so that no device is ever opened twice. The menus after "Configure"
// are built here, in this order, on the main window's menu bar.
// Closing the main window first asks about unsaved library changes, remembers where the window
// was and closes the feature windows; destroying the workspace takes the windows down before
// what they show.
//
// The program on the session bus (BusService, bus/) works on the same connection, so that
// scripts share the module with the user's clicks; its Open and Activate come here. Unsaved
// library changes are kept in a recovery copy by the library's controller, and offered back at
// the next start after a crash (welcome()).
class Workspace : public QObject
{
    Q_OBJECT

public:
    explicit Workspace(Prompter &prompter, QObject *parent = nullptr);
    ~Workspace() override;

    FrmMain &window() { return *m_window; }
    ModuleConnection &connection() { return m_connection; }
    ConnectionPool &connections() { return m_pool; }
    UndoHistory &history() { return m_history; }
    Prompter &prompter() { return m_prompter; }
    EditController &edit() { return *m_edit; }
    LibraryController &library() { return *m_library; }
    FramesController &frames() { return *m_frames; }
    CharactersController &characters() { return *m_characters; }
    SpansController &spans() { return *m_spans; }

    ShortcutsWindow *shortcutsWindow() const { return m_shortcuts; }
    void showShortcuts();
    // Help > About, through the prompter as every modal dialog.
    void showAbout();

    BusService &busService() { return m_bus; }
    // Offers the program on `bus` (org.glyphsmith.Glyphsmith): false when another program has
    // the name.
    bool offerOnBus(const QDBusConnection &bus);

    // The last steps of a start, with the window shown: unsaved changes left by a run that ended
    // unexpectedly are offered back, then `file` (a library named on the command line; may be
    // empty) is opened.
    void welcome(const QString &file);
    // Opens a library file from the desktop, the command line or another start of the program,
    // asking about unsaved changes first as Pattern > Open does, with the window to the front.
    void openFile(const QString &path);
    void bringToFront();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();

    Prompter &m_prompter;
    ModuleConnection m_connection;
    ConnectionPool m_pool;
    BusService m_bus;
    UndoHistory m_history;
    std::unique_ptr<FrmMain> m_window;
    std::unique_ptr<LibraryController> m_library;
    std::unique_ptr<EditController> m_edit;
    std::unique_ptr<FramesController> m_frames;
    std::unique_ptr<CharactersController> m_characters;
    std::unique_ptr<SpansController> m_spans;
    QPointer<ShortcutsWindow> m_shortcuts;
    QMenu *m_patternMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QStringList m_filesToOpen;
    bool m_openingFiles = false;
};
