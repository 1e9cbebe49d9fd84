#include "BudgetGridView.h"

#include "BudgetGridModel.h"

#include "platform/TextCellDelegate.h"
#include <QApplication>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

BudgetGridView::BudgetGridView(QWidget *parent)
    : QTableView(parent)
{
    setItemDelegate(new TextCellDelegate(this));
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
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

namespace {

bool isNameColumn(const QModelIndex &cell) { return cell.column() == int(BudgetGridModel::Column::Name); }

} // namespace

bool BudgetGridView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // A click on the selected row renames only where it was on the name: the
    // Budget row's months open an editor or the envelopes only when asked to.
    if (trigger == SelectedClicked && !isNameColumn(index))
        return false;
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

void BudgetGridView::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!plain)
            break;
        if (const QModelIndex next = nextEditable(currentIndex(), event->key() == Qt::Key_Tab, false); next.isValid()) {
            setCurrentIndex(next);
            event->accept();
        } else {
            // Past the last cell the focus moves on to the next control.
            event->ignore();
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Desktops other than the Mac bind no key but F2 to editing.
        if (plain && state() != EditingState && edit(currentIndex(), EditKeyPressed, event))
            return;
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex BudgetGridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction == MoveNext || cursorAction == MovePrevious)
        return nextEditable(currentIndex(), cursorAction == MoveNext, _leavingEditor);
    return QTableView::moveCursor(cursorAction, modifiers);
}

void BudgetGridView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    _leavingEditor = true;
    QTableView::closeEditor(editor, hint);
    _leavingEditor = false;
}

void BudgetGridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex cell = indexAt(event->position().toPoint());
    const bool draggableName = event->button() == Qt::LeftButton && isNameColumn(cell)
        && (model()->flags(cell) & Qt::ItemIsDragEnabled) && state() != EditingState;
    if (!draggableName) {
        QTableView::mouseDoubleClickEvent(event);
        return;
    }
    // The view would open the editor at this press and forget it; hands that
    // click twice before they drag get the drag, and a still double click
    // still edits, at its release.
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(), event->modifiers(),
                      event->pointingDevice());
    mousePressEvent(&press);
    _nameToEditOnRelease = cell;
    _doubleClickAt = event->position().toPoint();
}

void BudgetGridView::mouseMoveEvent(QMouseEvent *event)
{
    if (_nameToEditOnRelease.isValid()
        && (event->position().toPoint() - _doubleClickAt).manhattanLength() > QApplication::startDragDistance())
        _nameToEditOnRelease = QPersistentModelIndex();
    QTableView::mouseMoveEvent(event);
}

void BudgetGridView::mouseReleaseEvent(QMouseEvent *event)
{
    const QModelIndex name = _nameToEditOnRelease;
    _nameToEditOnRelease = QPersistentModelIndex();
    QTableView::mouseReleaseEvent(event);
    if (name.isValid() && indexAt(event->position().toPoint()) == name)
        edit(name, DoubleClicked, event);
}

QModelIndex BudgetGridView::nextEditable(const QModelIndex &from, bool forward, bool sameKind) const
{
    const QAbstractItemModel *cells = model();
    if (!cells)
        return {};
    const int columns = cells->columnCount();
    const int count = cells->rowCount() * columns;
    const int step = forward ? 1 : -1;
    int position = from.isValid() ? from.row() * columns + from.column() : (forward ? -1 : count);
    for (position += step; position >= 0 && position < count; position += step) {
        const QModelIndex cell = cells->index(position / columns, position % columns);
        if (sameKind && from.isValid()
            && (isNameColumn(from) ? !isNameColumn(cell) : cell.row() != from.row()))
            continue;
        if (cells->flags(cell) & Qt::ItemIsEditable)
            return cell;
    }
    return {};
}
