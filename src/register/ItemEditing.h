#pragma once

#include <QAbstractItemView>
#include <QItemSelectionModel>

/// Commits the cell being edited in the view, as a click elsewhere in it
/// would, without changing the selection. Buttons and header clicks that
/// do not take the focus call it before they act on the rows.
inline void finishEditing(QAbstractItemView &view)
{
    QItemSelectionModel *selection = view.selectionModel();
    const QModelIndex current = selection->currentIndex();
    selection->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}
