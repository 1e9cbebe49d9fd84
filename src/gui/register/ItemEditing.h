#pragma once

#include <QAbstractItemDelegate>
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

/// Gives the focus back to the view once an edit has closed. The alert of a
/// refused value takes the focus while the editor closes; without this the
/// window's first button would have it when the alert is gone.
inline void keepFocusAfterEditing(QAbstractItemView &view)
{
    QObject::connect(
        view.itemDelegate(), &QAbstractItemDelegate::closeEditor, &view,
        [&view] {
            // Tab moves on to the next cell's editor, which keeps the focus.
            if (view.isVisible() && !view.indexWidget(view.currentIndex()))
                view.setFocus();
        },
        Qt::QueuedConnection);
}
