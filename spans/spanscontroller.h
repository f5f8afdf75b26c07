#pragma once

#include <QObject>
#include <QPointer>

class ConnectionPool;
class LibraryController;
class Prompter;
class QAction;
class QMenu;
class SpanWindow;

// Spans on the main window: Pattern > Spans and the Span window, which edits the spans of the
// open library and reaches each of their modules through the program's connection pool, where
// the main window's connection is shared.
class SpansController : public QObject
{
    Q_OBJECT

public:
    SpansController(LibraryController &library, ConnectionPool &pool, Prompter &prompter,
                    QWidget *window, QObject *parent = nullptr);
    ~SpansController() override;

    SpanWindow *spansWindow();
    void showSpans();
    // Pattern > Spans...
    QAction *addAction(QMenu *pattern);
    void close();

private:
    LibraryController &m_library;
    ConnectionPool &m_pool;
    Prompter &m_prompter;
    QWidget *m_window;
    QPointer<SpanWindow> m_spansWindow;
};
