#include "framescontroller.h"

#include "frameseditor.h"
#include "frameswindow.h"
#include "grideditor.h"
#include "librarycontroller.h"
#include "librarydocument.h"
#include "messagebox.h"
#include "moduleconnection.h"
#include "prompter.h"

#include <QAction>
#include <QMenu>

FramesController::FramesController(LibraryController &library, GridEditor &grid,
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

// The window goes before the editor it shows.
FramesController::~FramesController()
{
    delete m_framesWindow;
}

QAction *FramesController::addAction(QMenu *pattern)
{
    QAction *action = addMenuAction(pattern, "mnuFrames", tr("&Frames"),
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    connect(action, &QAction::triggered, this, &FramesController::showFrames);
    return action;
}

FramesEditor *FramesController::framesEditor()
{
    if (!m_framesEditor) {
        m_framesEditor = new FramesEditor(m_library.document(), &m_grid, m_history, this);
        // The main window says when the grid edits a frame, so that no edit lands in one unseen.
        connect(m_framesEditor, &FramesEditor::changed, this,
                [this] { emit gridSubjectChanged(m_framesEditor->gridSubject()); });
    }
    return m_framesEditor;
}

FramesWindow *FramesController::framesWindow()
{
    if (!m_framesWindow) {
        m_framesWindow = new FramesWindow(framesEditor(), &m_grid, m_prompter, m_window);
        m_framesWindow->setWindowIcon(m_window->windowIcon());
        m_framesWindow->setConnection(&m_connection);
        connect(m_framesWindow, &FramesWindow::portUnavailable, this,
                &FramesController::reportPortUnavailable);
    }
    return m_framesWindow;
}

void FramesController::showFrames()
{
    FramesWindow *window = framesWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void FramesController::reportPortUnavailable()
{
    m_prompter.message(m_window, MessageBox::text(MessageBox::PortUnavailable),
                       m_connection.failureDetail());
}

void FramesController::close()
{
    if (m_framesWindow)
        m_framesWindow->close();
}

// The web editor keeps an animation as one list of pictures: the user says whether it becomes an
// animation of the library, or only its first picture goes on the grid.
bool FramesController::pasteImages(const QList<Pattern> &images, const QString &arrayName)
{
    const auto &animations = framesEditor()->animations();
    const auto taken = [&animations](const QString &name) {
        return std::any_of(animations.begin(), animations.end(),
                           [&name](const Animation &a) { return a.name == name; });
    };
    QString name = arrayName.isEmpty() ? framesEditor()->unusedName() : arrayName;
    for (int number = 2; taken(name); ++number)
        name = QStringLiteral("%1 %2").arg(arrayName).arg(number);

    const bool fits = images.size() <= Frames::MaxFrames;
    QStringList choices;
    if (fits)
        choices.append(tr("Add as &Animation"));
    choices.append(tr("Paste the &First Picture"));
    const QString text =
        tr("The clipboard holds %1 pictures, as the web editor keeps an animation.")
            .arg(images.size());
    const QString detail =
        fits ? tr("Add them as the frames of a new animation \"%1\" of the pattern library "
                  "%2, or paste only the first picture on the grid?")
                   .arg(name, m_library.document()->displayName())
             : tr("An animation holds at most %1 frames. Paste only the first picture on the "
                  "grid?")
                   .arg(Frames::MaxFrames);
    const auto chosen = m_prompter.choose(m_window, text, detail, choices);
    if (!chosen)
        return false;
    if (!fits || *chosen == 1)
        return m_grid.setPattern(images.constFirst(),
                                 tr("Paste the first of %1 pictures").arg(images.size()));
    QList<Frame> frames;
    for (const Pattern &image : images)
        frames.append(Frame{image, Frames::DefaultDurationMs});
    if (!framesEditor()->newAnimation(name, frames, tr("Paste animation \"%1\"").arg(name)))
        return false;
    showFrames();
    return true;
}
