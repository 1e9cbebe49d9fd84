#pragma once

#include "DocumentChangeCommand.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

class QAction;
class QMenu;

/// The undo history of the document: every change the user makes is
/// recorded, after it is made, as the document before and after it. Undo
/// and Redo put the document back as it was and let its views follow. The
/// history starts afresh with every document loaded or made new.
class UndoHistory final : public QObject
{
    Q_OBJECT

public:
    /// The document as it stands, with any change still held by the register.
    using Take = std::function<DocumentSnapshot()>;
    /// Makes the document hold the snapshot and its views show it.
    using Restore = DocumentChangeCommand::Restore;

    UndoHistory(Take take, Restore restore, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(UndoHistory)

    [[nodiscard]] QUndoStack &stack() { return _stack; }
    /// Edit → Undo (Ctrl+Z) and Edit → Redo (Ctrl+Shift+Z, Ctrl+Y), named
    /// after the change they act on and enabled only when there is one.
    [[nodiscard]] QAction *undoAction() const { return _undo; }
    [[nodiscard]] QAction *redoAction() const { return _redo; }
    /// Puts Undo and Redo, then a separator, at the top of the menu.
    void addActionsTo(QMenu &menu) const;

    /// A change named `actionName` has just been made. Nothing is recorded
    /// when the document is as it was after the last change.
    void record(const QString &actionName);
    /// Forgets every change: the document as it stands is where undo stops.
    void clear();

private:
    void restore(const DocumentSnapshot &snapshot);

    Take _take;
    Restore _restore;
    QUndoStack _stack;
    DocumentSnapshot _current;
    QAction *_undo;
    QAction *_redo;
    bool _restoring = false;
};
