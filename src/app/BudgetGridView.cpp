#include "BudgetGridView.h"

#include <QDrag>
#include <QHeaderView>
#include <QMimeData>

BudgetGridView::BudgetGridView(QWidget *parent)
    : QTableView(parent)
{
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setDragEnabled(true);
    setDragDropMode(DragDrop);
    setDragDropOverwriteMode(false);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
}

void BudgetGridView::fitColumns()
{
    QHeaderView *header = horizontalHeader();
    const int figure = fontMetrics().horizontalAdvance(QStringLiteral("-000000")) + 16;
    header->setMinimumSectionSize(figure);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->resizeSection(0, fontMetrics().averageCharWidth() * 24);
}

bool BudgetGridView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Only a request that would open an editor is put to the check: the view
    // also calls this for clicks that merely pass events on.
    const bool opensEditor = index.isValid() && state() != EditingState
        && (trigger == AllEditTriggers || (trigger & editTriggers()))
        && (model()->flags(index) & Qt::ItemIsEditable);
    if (opensEditor && _editCheck && !_editCheck(index.column(), index.row()))
        return false;
    return QTableView::edit(index, trigger, event);
}

void BudgetGridView::startDrag(Qt::DropActions)
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    QMimeData *data = model()->mimeData(rows);
    if (!data)
        return;
    // The drop moves the row in the document; nothing is removed here.
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
}
