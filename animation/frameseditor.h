#pragma once

#include "animation.h"

#include <QList>
#include <QObject>

class GridEditor;
class LibraryDocument;
class QUndoStack;

// The animations of the open pattern library as the Frames window edits them. One animation is
// current and one of its frames selected; while the editor is active (the window is open) the
// main grid shows that frame, and every change of the grid is a change of it.
//
// Every change of the animations (a frame added, selected, moved, its time changed, an
// animation made or dropped) is one step of the Frames window's undo stack. While the grid shows
// a frame, the grid's own clicks and strokes go to the same stack, so that undo and redo walk
// back through both in the order they happened, with the same frame selected as when they were
// made. A step keeps the animations, the current animation and frame, and the grid's pattern as
// they were before and after it. When the grid stops showing a frame (the window closes, the last
// frame is deleted), what it shows from then on is one step of the grid's own stack, which goes
// back to the pattern it had before. Opening another library, or dropping its changes, clears
// the Frames stack: its steps were about animations that are gone.
class FramesEditor : public QObject
{
    Q_OBJECT

public:
    // `history` is the Frames window's undo stack; the grid's own is the one `grid` records into.
    FramesEditor(LibraryDocument *document, GridEditor *grid, QUndoStack *history,
                 QObject *parent = nullptr);

    QUndoStack *history() const { return m_history; }

    // While active the grid shows the selected frame, and changes of the grid go into it.
    // Becoming active changes nothing in the animations: an animation is made when the user
    // makes one or adds a frame.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    // What the grid edits now, for the main window to say: "Frame 3 of Wave", or nothing while
    // the grid shows no frame.
    QString gridSubject() const { return m_subject; }

    const QList<Animation> &animations() const;
    int currentAnimation() const { return m_current; }
    // The current animation's frames; none without one.
    QList<Frame> frames() const;
    int selectedFrame() const { return m_selected; }

    // Each of these is one undo step, or nothing (false) when it would change nothing or the
    // grid cannot show the frame it would select.
    bool selectAnimation(int index);
    bool newAnimation(const QString &name, const QList<Frame> &frames, const QString &stepName);
    bool renameAnimation(const QString &name);
    bool deleteAnimation();
    bool selectFrame(int index);
    // After the selected frame: a dark one, or a copy of the selected one. With no frame
    // selected (no animation, or one without frames), the first frame is the grid's pattern,
    // in a new animation if there is none.
    bool addFrame();
    bool duplicateFrame();
    bool deleteFrame();
    bool moveFrame(int from, int to);
    bool setDuration(int frame, int ms);

    // "Animation 1", "Animation 2", ...: the first such name no animation has.
    QString unusedName() const;

signals:
    // The animations, the current one or its selected frame changed, or the grid began or
    // stopped showing a frame.
    void changed();

private:
    friend class FramesStep;

    struct State
    {
        QList<Animation> animations;
        int current = -1;
        int selected = -1;
        Pattern grid;

        friend bool operator==(const State &, const State &) = default;
    };

    State state() const;
    Pattern gridPattern() const;
    // Sets everything as `state` has it; the grid last, so that the frame it shows is already
    // the selected one when the grid says it changed.
    void restore(const State &state);
    bool step(const State &after, const QString &name);
    // The state with `frame` of the current animation selected and, while active, shown on the
    // grid.
    State selecting(State state, int frame) const;
    void takeGridChange(const Pattern &pattern);
    // The grid's changes go to the Frames stack exactly while the grid shows a frame; when that
    // ends, the grid's change since it began (from what it showed before the frame) becomes one
    // step of the grid's own stack. `gridBefore` is what the grid showed before this change.
    void updateEditing(const Pattern &gridBefore);
    // Says that something changed, with the grid's subject brought up to date.
    void announce();

    LibraryDocument *m_document;
    GridEditor *m_grid;
    QUndoStack *m_history;
    QUndoStack *m_gridHistory;
    bool m_active = false;
    bool m_restoring = false;
    // The grid shows the selected frame and its changes go to the Frames stack.
    bool m_editing = false;
    // What the grid showed when it began to show a frame.
    Pattern m_gridBefore;
    int m_current = -1;
    int m_selected = -1;
    // "Frame 3 of Wave", as last announced.
    QString m_subject;
};
