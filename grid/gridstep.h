#pragma once

#include "pattern.h"

#include <QUndoCommand>

// One undo step that sets what the grid shows. Whatever else a step changes, it says which
// pattern the grid shows before and after it, so that the editor can make sure the pictures for
// that pattern can be read before it takes the step back or does it again: a picture that cannot be
// read leaves everything as it was.
class GridStep : public QUndoCommand
{
public:
    using QUndoCommand::QUndoCommand;

    virtual Pattern gridBefore() const = 0;
    virtual Pattern gridAfter() const = 0;
};
