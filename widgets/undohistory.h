#pragma once

#include <QObject>

class QUndoGroup;
class QUndoStack;

// The program's undo history: one stack for each window that edits something of its own, so
// that a window's Undo takes back only what was done to what that window shows, and names the
// step it would take back.
//
// - grid: the main window's pattern. Every change of the grid is a step here, whichever window
//   asked for it (a pattern loaded from the library, a slot or a glyph from the Characters
//   window), except while the grid shows a frame of the Frames window.
// - frames: the Frames window's animations. While the grid shows one of its frames (the main
//   window's title says which), the grid's changes are changes of that frame and steps here,
//   and the main window's Edit > Undo acts here too. These steps are taken back only while the
//   Frames window is open, so it always shows what an undo did. When the grid stops showing a
//   frame, what it then shows is one step of the grid's own history.
// - characters: the Characters window's slots.
// - library: the Pattern Library window's patterns: add, replace, rename, delete, reorder.
//
// The group's active stack is the one the main window's Edit > Undo and Redo act on: the one the
// grid's changes go to. Opening another library, or dropping its changes, empties the frames
// and library stacks, whose steps were about a library that is gone.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    explicit UndoHistory(QObject *parent = nullptr);
    ~UndoHistory() override;

    QUndoGroup *group() const { return m_group; }
    QUndoStack *grid() const { return m_grid; }
    QUndoStack *frames() const { return m_frames; }
    QUndoStack *characters() const { return m_characters; }
    QUndoStack *library() const { return m_library; }

private:
    QUndoGroup *m_group;
    QUndoStack *m_grid;
    QUndoStack *m_frames;
    QUndoStack *m_characters;
    QUndoStack *m_library;
};
