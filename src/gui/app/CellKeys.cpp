#include "CellKeys.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>

CellKeys::CellKeys(QAbstractItemView &view)
    : QObject(&view)
    , _view(view)
{
}

void CellKeys::install(QAbstractItemView &view)
{
    view.installEventFilter(new CellKeys(view));
}

bool CellKeys::eventFilter(QObject *watched, QEvent *event)
{
    // While a cell is edited the keys go to its editor, not here.
    if (watched != &_view || event->type() != QEvent::KeyPress || _passing)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QModelIndex current = _view.currentIndex();
    const QAbstractItemModel *cells = _view.model();
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return current.isValid() && (current.flags() & Qt::ItemIsEditable) && (_view.edit(current), true);
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (!cells)
            return false;
        const bool forward = key->key() == Qt::Key_Tab;
        const bool atEnd = forward ? current.row() == cells->rowCount() - 1 && current.column() == cells->columnCount() - 1
                                   : !current.isValid() || (current.row() == 0 && current.column() == 0);
        if (!atEnd)
            return false;
        // Qt's own focus chain takes the key once the table lets go of Tab.
        _passing = true;
        _view.setTabKeyNavigation(false);
        QCoreApplication::sendEvent(&_view, event);
        _view.setTabKeyNavigation(true);
        _passing = false;
        return true;
    }
    default:
        return false;
    }
}
