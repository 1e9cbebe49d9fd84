#include "UndoHistory.h"

#include <QAction>

namespace {

/// The desktop's keys for a command followed by the usual ones it may lack.
QList<QKeySequence> keysWith(QKeySequence::StandardKey standard, const QList<QKeySequence> &usual)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence &key : usual) {
        if (!keys.contains(key))
            keys.append(key);
    }
    return keys;
}

} // namespace

UndoHistory::UndoHistory(Applied applied, QObject *parent)
    : QObject(parent)
    , _applied(std::move(applied))
    , _undo(_stack.createUndoAction(this, tr("Undo")))
    , _redo(_stack.createRedoAction(this, tr("Redo")))
{
    _undo->setObjectName(QStringLiteral("actionUndo"));
    _redo->setObjectName(QStringLiteral("actionRedo"));
    _undo->setStatusTip(tr("Take back the last change"));
    _redo->setStatusTip(tr("Make the change taken back again"));
    _undo->setShortcuts(keysWith(QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}));
    _redo->setShortcuts(keysWith(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                                      QKeySequence(Qt::CTRL | Qt::Key_Y)}));
}

void UndoHistory::record(std::unique_ptr<DocumentChange> change)
{
    // A view that commits an edit while a step is taken back would push a
    // command in the middle of an undo.
    if (_restoring)
        return;
    _stack.push(new DocumentChangeCommand(std::move(change),
                                          [this](const std::function<void()> &step) { apply(step); }));
}

void UndoHistory::clear()
{
    _stack.clear();
}

void UndoHistory::apply(const std::function<void()> &step)
{
    _restoring = true;
    step();
    _applied();
    _restoring = false;
}
