#include "undohistory.h"

#include <QUndoGroup>
#include <QUndoStack>

UndoHistory::UndoHistory(QObject *parent)
    : QObject(parent)
    , m_group(new QUndoGroup(this))
    , m_grid(new QUndoStack(this))
    , m_frames(new QUndoStack(this))
    , m_characters(new QUndoStack(this))
    , m_library(new QUndoStack(this))
{
    for (QUndoStack *stack : {m_grid, m_frames, m_characters, m_library})
        m_group->addStack(stack);
    m_group->setActiveStack(m_grid);
}

// The stacks empty themselves as they go and would tell the windows, which may be gone by then.
UndoHistory::~UndoHistory()
{
    m_group->blockSignals(true);
    for (QUndoStack *stack : {m_grid, m_frames, m_characters, m_library})
        stack->blockSignals(true);
}
