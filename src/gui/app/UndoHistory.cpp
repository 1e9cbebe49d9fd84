#include "UndoHistory.h"

#include <QAction>
#include <QMenu>

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

UndoHistory::UndoHistory(Take take, Restore restore, QObject *parent)
    : QObject(parent)
    , _take(std::move(take))
    , _restore(std::move(restore))
    , _current(_take())
    , _undo(_stack.createUndoAction(this, tr("Undo")))
    , _redo(_stack.createRedoAction(this, tr("Redo")))
{
    _undo->setObjectName(QStringLiteral("actionUndo"));
    _redo->setObjectName(QStringLiteral("actionRedo"));
    _undo->setShortcuts(keysWith(QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}));
    _redo->setShortcuts(keysWith(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                                      QKeySequence(Qt::CTRL | Qt::Key_Y)}));
}

void UndoHistory::addActionsTo(QMenu &menu) const
{
    QAction *first = menu.actions().value(0);
    menu.insertAction(first, _undo);
    menu.insertAction(first, _redo);
    menu.insertSeparator(first);
}

void UndoHistory::record(const QString &actionName)
{
    // A view that commits while the document is put back would push a
    // command in the middle of an undo.
    if (_restoring)
        return;
    DocumentSnapshot now = _take();
    if (now == _current)
        return;
    DocumentSnapshot before = std::exchange(_current, now);
    _stack.push(new DocumentChangeCommand(actionName, std::move(before), std::move(now),
                                          [this](const DocumentSnapshot &snapshot) { restore(snapshot); }));
}

void UndoHistory::clear()
{
    _stack.clear();
    _current = _take();
}

void UndoHistory::restore(const DocumentSnapshot &snapshot)
{
    _restoring = true;
    _restore(snapshot);
    _restoring = false;
    // Taken again: the figures were recomputed, which the next change's
    // "before" should show.
    _current = _take();
}
