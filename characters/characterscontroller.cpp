#include "characterscontroller.h"

#include "bankdocument.h"
#include "characterswindow.h"
#include "librarycontroller.h"
#include "messagebox.h"
#include "moduleconnection.h"
#include "portresolver.h"
#include "prompter.h"

#include <QAction>
#include <QMenu>

CharactersController::CharactersController(LibraryController &library, GridEditor &grid,
                                           QUndoStack *history, ModuleConnection &connection,
                                           Prompter &prompter, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_library(library)
    , m_grid(grid)
    , m_history(history)
    , m_connection(connection)
    , m_prompter(prompter)
    , m_window(window)
{}

// The window goes before the bank it shows.
CharactersController::~CharactersController()
{
    delete m_characters;
}

QAction *CharactersController::addAction(QMenu *pattern)
{
    QAction *action = addMenuAction(pattern, "mnuCharacters", tr("&Characters..."),
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(action, &QAction::triggered, this, &CharactersController::showCharacters);
    return action;
}

// The device whose module the bank describes: the open port's, else the one the COM number
// stands for now.
QString CharactersController::bankDevice() const
{
    if (m_connection.isOpen())
        return m_connection.deviceName();
    const int port = m_connection.commPort();
    return PortResolver::devicePath(port).value_or(QStringLiteral("COM%1").arg(port));
}

BankDocument *CharactersController::characterBank()
{
    if (!m_bank) {
        m_bank = std::make_unique<BankDocument>();
        m_bank->setDevice(bankDevice());
        connect(&m_connection, &ModuleConnection::openChanged, m_bank.get(), [this](bool open) {
            if (open)
                m_bank->setDevice(bankDevice());
        });
        // Said once a run: a store that cannot be written now will not be writable later.
        connect(m_bank.get(), &BankDocument::saveFailed, this, [this](const QString &device) {
            disconnect(m_bank.get(), &BankDocument::saveFailed, this, nullptr);
            m_prompter.message(m_characters ? static_cast<QWidget *>(m_characters) : m_window,
                               tr("The custom characters of %1 could not be stored in the "
                                  "settings; the program will not remember them at its next "
                                  "start.")
                                   .arg(device));
        });
    }
    return m_bank.get();
}

CharactersWindow *CharactersController::charactersWindow()
{
    if (!m_characters) {
        m_characters =
            new CharactersWindow(characterBank(), &m_grid, m_history, m_library.document(),
                                 m_connection, m_prompter, m_window);
        m_characters->setWindowIcon(m_window->windowIcon());
        connect(m_characters, &CharactersWindow::portUnavailable, this,
                &CharactersController::reportPortUnavailable);
    }
    return m_characters;
}

void CharactersController::showCharacters()
{
    CharactersWindow *window = charactersWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void CharactersController::reportPortUnavailable()
{
    m_prompter.message(m_window, MessageBox::text(MessageBox::PortUnavailable),
                       m_connection.failureDetail());
}

void CharactersController::close()
{
    if (m_characters)
        m_characters->close();
}
