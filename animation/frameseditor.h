#pragma once

#include "animation.h"

#include <QList>
#include <QObject>

class GridEditor;
class LibraryDocument;

// The animations of the open pattern library as the Frames window edits them. One animation is
// current and one of its frames selected; while the editor is active the main grid shows that
// frame, and every change of the grid is a change of it.
//
// Every change of the animations (a frame added, selected, moved, its time changed, an
// animation made or dropped) is one step of the grid's own undo stack, beside the grid's clicks
// and strokes, so that undo and redo walk back through both in the order they happened. A step
// keeps the animations, the current animation and frame, and the grid's pattern as they were
// before and after it. Opening another library, or dropping its changes, clears the stack: its
// steps were about animations that are gone.
class FramesEditor : public QObject
{
    Q_OBJECT

public:
    FramesEditor(LibraryDocument *document, GridEditor *grid, QObject *parent = nullptr);

    // While active the grid shows the selected frame, and changes of the grid go into it.
    // Becoming active with no animation at all makes one, from the grid's pattern.
    void setActive(bool active);
    bool isActive() const { return m_active; }

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
    // After the selected frame: a dark one, or a copy of the selected one.
    bool addFrame();
    bool duplicateFrame();
    bool deleteFrame();
    bool moveFrame(int from, int to);
    bool setDuration(int frame, int ms);

    // "Animation 1", "Animation 2", ...: the first such name no animation has.
    QString unusedName() const;

signals:
    // The animations, the current one or its selected frame changed.
    void changed();

private:
    friend class FramesStep;

    struct State
    {
        QList<Animation> animations;
        int current = -1;
        int selected = -1;
        Protocol::ColumnPattern grid{};

        friend bool operator==(const State &, const State &) = default;
    };

    State state() const;
    // Sets everything as `state` has it; the grid last, so that the frame it shows is already
    // the selected one when the grid says it changed.
    void restore(const State &state);
    bool step(const State &after, const QString &name);
    // The state with `frame` of the current animation selected and shown on the grid.
    State selecting(State state, int frame) const;
    void takeGridChange(const Protocol::ColumnPattern &columns);

    LibraryDocument *m_document;
    GridEditor *m_grid;
    bool m_active = false;
    bool m_restoring = false;
    int m_current = -1;
    int m_selected = -1;
};
