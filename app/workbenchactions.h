#pragma once

#include "textformats.h"
#include "transforms.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>

class FramesEditor;
class FramesWindow;
class BankDocument;
class CharactersWindow;
class ConnectionPool;
class FrmMain;
class LibraryDocument;
class LibraryWindow;
class QAction;
class QImage;
class QMenu;
class ShortcutsWindow;
class SpanWindow;

// The workbench on the main window: the menus Edit, Pattern and Help after "Configure", the
// grid's context menu (the Edit menu), and the windows they open. Every change to the grid
// goes through the window's GridEditor as one undo step; the library's "Send" goes through the
// window's SendCommand as "Send Dot Matrix" does.
class WorkbenchActions : public QObject
{
    Q_OBJECT

public:
    explicit WorkbenchActions(FrmMain *window);

    QMenu *editMenu() const { return m_editMenu; }
    LibraryDocument *library();
    LibraryWindow *libraryWindow();
    ShortcutsWindow *shortcutsWindow() const;
    CharactersWindow *charactersWindow();
    BankDocument *characterBank();

    void copy();
    void paste();
    // Text in any workbench format; false (and the user told why) when it is no pattern.
    bool pasteText(const QString &text);
    void pastePicture(const QImage &image, const QString &source);
    void applyTransform(Transform transform);
    void importImage();
    bool importImageFile(const QString &path);
    void exportImage();
    void showLibrary();
    void showShortcuts();
    FramesEditor *framesEditor();
    FramesWindow *framesWindow();
    void showFrames();
    // Edit > Send as You Draw: every change of the grid goes to the module at once, a pattern
    // still waiting for the line replaced by the newer one.
    QAction *sendAsYouDrawAction() const { return m_sendAsYouDraw; }
    void showCharacters();
    // Pattern > Spans: several modules as one display, each reached through the one connection
    // the program has to it (the main window's included).
    SpanWindow *spansWindow();
    void showSpans();

    // Before the program closes: unsaved library changes are saved or dropped as the user says.
    // False when the user chose to stay.
    bool closeWorkbench();

private:
    void buildEditMenu();
    void buildPatternMenu();
    void buildHelpMenu();
    void fillRecentMenu();
    void openRecent(const QString &path);
    void updateUndoActions();
    void readSendAsYouDraw();
    void sendAsYouDraw(const Protocol::ColumnPattern &columns);
    Pattern gridPattern() const;
    QString bankDevice();
    QAction *addAction(QMenu *menu, const char *name, const QString &text,
                       const QKeySequence &shortcut = QKeySequence());

    FrmMain *m_window;
    LibraryDocument *m_library = nullptr;
    QPointer<LibraryWindow> m_libraryWindow;
    QPointer<ShortcutsWindow> m_shortcuts;
    FramesEditor *m_framesEditor = nullptr;
    QPointer<FramesWindow> m_framesWindow;
    QAction *m_sendAsYouDraw = nullptr;
    bool m_sendAsYouDrawRead = false;
    BankDocument *m_bank = nullptr;
    QPointer<CharactersWindow> m_characters;
    ConnectionPool *m_connections = nullptr;
    QPointer<SpanWindow> m_spansWindow;
    QMenu *m_editMenu = nullptr;
    QMenu *m_patternMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QMenu *m_recentMenu = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
