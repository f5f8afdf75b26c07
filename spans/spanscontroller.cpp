#include "spanscontroller.h"

#include "librarycontroller.h"
#include "spanwindow.h"

#include <QAction>
#include <QMenu>

SpansController::SpansController(LibraryController &library, ConnectionPool &pool,
                                 Prompter &prompter, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_library(library)
    , m_pool(pool)
    , m_prompter(prompter)
    , m_window(window)
{}

// The window goes before the library it shows.
SpansController::~SpansController()
{
    delete m_spansWindow;
}

QAction *SpansController::addAction(QMenu *pattern)
{
    QAction *action = addMenuAction(pattern, "mnuSpans", tr("S&pans..."));
    connect(action, &QAction::triggered, this, &SpansController::showSpans);
    return action;
}

SpanWindow *SpansController::spansWindow()
{
    if (!m_spansWindow) {
        m_spansWindow = new SpanWindow(m_library.document(), &m_pool, m_prompter, m_window);
        m_spansWindow->setWindowIcon(m_window->windowIcon());
    }
    return m_spansWindow;
}

void SpansController::showSpans()
{
    SpanWindow *window = spansWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void SpansController::close()
{
    if (m_spansWindow)
        m_spansWindow->close();
}
