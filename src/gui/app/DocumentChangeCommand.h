#pragma once

#include "editing/DocumentChange.h"

#include <QUndoCommand>

#include <functional>
#include <memory>

/// One change of the document on the undo stack. The change has been made
/// when the command is pushed, so its first redo does nothing. Every undo
/// and redo runs through `apply`, which lets the views follow.
class DocumentChangeCommand final : public QUndoCommand
{
public:
    using Apply = std::function<void(const std::function<void()> &step)>;

    DocumentChangeCommand(std::unique_ptr<DocumentChange> change, Apply apply);

    void undo() override;
    void redo() override;

private:
    std::unique_ptr<DocumentChange> _change;
    Apply _apply;
    bool _done = true;
};
