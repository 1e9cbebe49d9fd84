#pragma once

#include "document/DocumentSnapshot.h"

#include <QUndoCommand>

#include <functional>

/// One change to the document in the undo history: the document before and
/// after it. The change has been made when the command is pushed, so its
/// first redo does nothing.
class DocumentChangeCommand final : public QUndoCommand
{
public:
    using Restore = std::function<void(const DocumentSnapshot &)>;

    DocumentChangeCommand(const QString &text, DocumentSnapshot before, DocumentSnapshot after, Restore restore);

    void undo() override;
    void redo() override;

private:
    DocumentSnapshot _before;
    DocumentSnapshot _after;
    Restore _restore;
    bool _done = true;
};
