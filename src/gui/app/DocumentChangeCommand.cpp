#include "DocumentChangeCommand.h"

DocumentChangeCommand::DocumentChangeCommand(std::unique_ptr<DocumentChange> change, Apply apply)
    : QUndoCommand(change->name())
    , _change(std::move(change))
    , _apply(std::move(apply))
{
}

void DocumentChangeCommand::undo()
{
    _apply([this] { _change->undo(); });
    _done = false;
}

void DocumentChangeCommand::redo()
{
    if (_done)
        return;
    _apply([this] { _change->redo(); });
    _done = true;
}
