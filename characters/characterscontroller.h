#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class BankDocument;
class CharactersWindow;
class GridEditor;
class LibraryController;
class ModuleConnection;
class Prompter;
class QAction;
class QMenu;
class QUndoStack;

// The module's custom characters on the main window: Pattern > Characters, the Characters window
// and the bank it shows (BankDocument, made when first needed), which follows the device the
// connection reaches. Uploads go through the connection.
class CharactersController : public QObject
{
    Q_OBJECT

public:
    CharactersController(LibraryController &library, GridEditor &grid, QUndoStack *history,
                         ModuleConnection &connection, Prompter &prompter, QWidget *window,
                         QObject *parent = nullptr);
    ~CharactersController() override;

    BankDocument *characterBank();
    CharactersWindow *charactersWindow();
    void showCharacters();
    // Pattern > Characters...
    QAction *addAction(QMenu *pattern);
    void close();

private:
    QString bankDevice() const;
    void reportPortUnavailable();

    LibraryController &m_library;
    GridEditor &m_grid;
    QUndoStack *m_history;
    ModuleConnection &m_connection;
    Prompter &m_prompter;
    QWidget *m_window;
    std::unique_ptr<BankDocument> m_bank;
    QPointer<CharactersWindow> m_characters;
};
