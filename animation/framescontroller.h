#pragma once

#include "pattern.h"

#include <QObject>
#include <QPointer>

class FramesEditor;
class FramesWindow;
class GridEditor;
class LibraryController;
class ModuleConnection;
class Prompter;
class QAction;
class QMenu;
class QUndoStack;

// The animations of the open library on the main window: Pattern > Frames, the Frames window,
// and the editor that makes every change of them an undo step of the Frames window's history.
// Play on Module plays through the connection; a port that is not open is told as the main
// window tells it.
class FramesController : public QObject
{
    Q_OBJECT

public:
    FramesController(LibraryController &library, GridEditor &grid, QUndoStack *history,
                     ModuleConnection &connection, Prompter &prompter, QWidget *window,
                     QObject *parent = nullptr);
    ~FramesController() override;

    FramesEditor *framesEditor();
    FramesWindow *framesWindow();
    void showFrames();
    // Pattern > Frames.
    QAction *addAction(QMenu *pattern);
    // Several pictures at once (the web editor's IMAGES block): the user says whether they become
    // an animation of the library or only the first goes on the grid. False when nothing
    // changed.
    bool pasteImages(const QList<Pattern> &images, const QString &arrayName);
    void close();

signals:
    // What the grid shows when it shows a frame ("Frame 3 of Wave"); empty otherwise.
    void gridSubjectChanged(const QString &subject);

private:
    void reportPortUnavailable();

    LibraryController &m_library;
    GridEditor &m_grid;
    QUndoStack *m_history;
    ModuleConnection &m_connection;
    Prompter &m_prompter;
    QWidget *m_window;
    FramesEditor *m_framesEditor = nullptr;
    QPointer<FramesWindow> m_framesWindow;
};
