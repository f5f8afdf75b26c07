#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QPushButton;
class QUndoStack;
class QWidget;

// A window's Undo and Redo on its own undo stack. Their texts name the step they would take back
// or do again ("Undo Add Frame"), and their keys are the same in every window: Ctrl+Z to undo,
// Ctrl+Shift+Z and Ctrl+Y to redo, whatever the platform's own habit.
class UndoActions : public QObject
{
    Q_OBJECT

public:
    using Step = std::function<void()>;

    // The actions are added to `window`. `undo` and `redo` take a step back and do it again
    // (without them, the stack's own undo() and redo()): an editor may first make sure a step
    // can be taken.
    UndoActions(QUndoStack *stack, QWidget *window, Step undo = {}, Step redo = {});

    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }

    static QList<QKeySequence> undoKeys();
    static QList<QKeySequence> redoKeys();
    // "&Undo Add Frame", or "&Undo" with nothing to undo; a step's own '&' stays a character.
    static QString undoText(bool canUndo, const QString &step);
    static QString redoText(bool canRedo, const QString &step);

    // A push button for an undo or redo action: enabled as it is, showing its text, cut short
    // with "..." where a step's name is long, so that the window keeps its size.
    static QPushButton *button(QAction *action, QWidget *parent);

private:
    void update();

    QUndoStack *m_stack;
    QAction *m_undo;
    QAction *m_redo;
};
