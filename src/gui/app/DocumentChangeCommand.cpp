#include "DocumentChangeCommand.h"

DocumentChangeCommand::DocumentChangeCommand(const QString &text, DocumentSnapshot before, DocumentSnapshot after,
                                             Restore restore)
    : QUndoCommand(text)
    , _before(std::move(before))
    , _after(std::move(after))
    , _restore(std::move(restore))
{
}

void DocumentChangeCommand::undo()
{
    _restore(_before);
    _done = false;
}

void DocumentChangeCommand::redo()
{
    if (!_done)
        _restore(_after);
    _done = true;
}
