#pragma once

#include "DocumentChangeCommand.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

class QAction;

/// The undo history of the document: the document's operations record each
/// change the user makes, after it is made, as a step that holds just what
/// the change touched. Undo and Redo take the step back or make it again and
/// let the views follow. The history starts afresh with every document
/// loaded or made new.
class UndoHistory final : public QObject, public ChangeLog
{
    Q_OBJECT

public:
    /// Runs after every undo and redo, so that the views show the document.
    using Applied = std::function<void()>;

    explicit UndoHistory(Applied applied, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(UndoHistory)

    [[nodiscard]] QUndoStack &stack() { return _stack; }
    /// Edit → Undo (Ctrl+Z) and Edit → Redo (Ctrl+Shift+Z, Ctrl+Y), named
    /// after the change they act on and enabled only when there is one.
    [[nodiscard]] QAction *undoAction() const { return _undo; }
    [[nodiscard]] QAction *redoAction() const { return _redo; }

    /// A change has just been made.
    void record(std::unique_ptr<DocumentChange> change) override;
    /// Forgets every change: the document as it stands is where undo stops.
    void clear();

private:
    /// Runs an undo or redo step, then lets the views follow.
    void apply(const std::function<void()> &step);

    Applied _applied;
    QUndoStack _stack;
    QAction *_undo;
    QAction *_redo;
    bool _restoring = false;
};
