#include "BudgetGridModel.h"

#include "BudgetGridEdits.h"

#include "document/BudgetDocument.h"
#include "document/GridText.h"
#include "document/MonthTables.h"
#include "document/Decimal.h"
#include "document/MonthDisplay.h"
#include "platform/ReadableColors.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QMimeData>
#include <QPalette>

BudgetGridModel::BudgetGridModel(const BudgetDocument &document, BudgetGridEdits &edits, QObject *parent)
    : QAbstractTableModel(parent)
    , _document(document)
    , _edits(edits)
{
}

int BudgetGridModel::numberOfRowsInTableView() const
{
    return int(_document.getCatArray().size());
}

QString BudgetGridModel::objectValueForTableColumn(const QString &columnId, int row) const
{
    Q_ASSERT_X(row >= 0 && row < numberOfRowsInTableView(), "MyDataSource",
               "Invalid parameter not satisfying: rowIndex >= 0 && rowIndex < [_catArray count]");
    return gridDisplayText(_document.getCatArray()[row], row, columnId);
}

QString BudgetGridModel::editValueForTableColumn(const QString &columnId, int row) const
{
    const int month = MonthTables::findMonth(columnId);
    if (row == kBudgetRowIndex && month >= 0 && !_document.isEnvelopeEnabled())
        return _document.budgetTotals()[std::size_t(month)];
    return _document.getCatArray()[row].value(columnId);
}

bool BudgetGridModel::shouldSelectRow(int row)
{
    return row != kRemainingRowIndex && row != kDashRowIndex;
}

QString BudgetGridModel::columnId(int column)
{
    return gridColumnIds().value(column);
}

int BudgetGridModel::columnOf(const QString &columnId)
{
    return int(gridColumnIds().indexOf(columnId));
}

int BudgetGridModel::monthOfColumn(int column)
{
    return column >= int(Column::January) && column <= int(Column::December) ? column - int(Column::January) : -1;
}

int BudgetGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : numberOfRowsInTableView();
}

int BudgetGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

bool BudgetGridModel::isNegativeRemainder(int row, int column) const
{
    const bool remainder = row == kRemainingRowIndex
        || (row >= kFirstCategoryRow && _document.isEnvelopeEnabled());
    if (!remainder || column == int(Column::Name))
        return false;
    const CategoryRow &cells = _document.getCatArray()[row];
    const int month = monthOfColumn(column);
    return Decimal::fromText(month >= 0 ? cells.months[std::size_t(month)] : cells.average) < Decimal();
}

QVariant BudgetGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        // The fixed rows' names are the program's, not the user's: shown in their language.
        if (column == int(Column::Name) && row == kBudgetRowIndex)
            return tr("Budget");
        if (column == int(Column::Name) && row == kRemainingRowIndex)
            return tr("Remain");
        return objectValueForTableColumn(columnId(column), row);
    case Qt::EditRole:
        return editValueForTableColumn(columnId(column), row);
    case Qt::TextAlignmentRole:
        return column == int(Column::Name) ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                           : int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole: {
        // Colours from the palette, or chosen against it, so that light and
        // dark schemes both read well; the fixed rows are shaded with the
        // window colour.
        const QPalette palette = QGuiApplication::palette();
        const bool fixedRow = row < kFirstCategoryRow;
        if (isNegativeRemainder(row, column))
            return QBrush(ReadableColors::negativeFigure(palette.color(fixedRow ? QPalette::Window : QPalette::Base)));
        if (row == kDashRowIndex)
            return palette.brush(QPalette::Disabled, QPalette::WindowText);
        return {};
    }
    case Qt::BackgroundRole:
        if (row < kFirstCategoryRow)
            return QGuiApplication::palette().brush(QPalette::Window);
        return {};
    case Qt::FontRole:
        if (row == kBudgetRowIndex || row == kRemainingRowIndex) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

bool BudgetGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    if (!_edits.setObjectValue(value.toString(), columnId(index.column()), index.row()))
        return false;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags BudgetGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const int row = index.row();
    const bool nameColumn = index.column() == int(Column::Name);
    const bool monthColumn = monthOfColumn(index.column()) >= 0;
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (shouldSelectRow(row))
        flags |= Qt::ItemIsSelectable;
    if ((row >= kFirstCategoryRow && nameColumn) || (row == kBudgetRowIndex && monthColumn))
        flags |= Qt::ItemIsEditable;
    if (row >= kFirstCategoryRow)
        flags |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    return flags;
}

QVariant BudgetGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole)
        return section == int(Column::Name) ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                            : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (section == int(Column::Name))
        return tr("Category");
    if (section == int(Column::Average))
        return tr("Average");
    return MonthDisplay::shortName(monthOfColumn(section));
}

QStringList BudgetGridModel::mimeTypes() const
{
    return {kDragType};
}

QMimeData *BudgetGridModel::mimeData(const QModelIndexList &indexes) const
{
    QList<int> rows;
    for (const QModelIndex &index : indexes) {
        if (!rows.contains(index.row()))
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    auto pasteboard = std::make_unique<QMimeData>();
    if (!_edits.writeRowsWithIndexes(rows, *pasteboard))
        return nullptr;
    return pasteboard.release();
}

Qt::DropActions BudgetGridModel::supportedDragActions() const
{
    return Qt::MoveAction;
}

Qt::DropActions BudgetGridModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

int BudgetGridModel::proposedRow(int row, const QModelIndex &parent) const
{
    if (row >= 0)
        return row;
    return parent.isValid() ? parent.row() : rowCount();
}

bool BudgetGridModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int row, int,
                                      const QModelIndex &parent) const
{
    return data && data->hasFormat(kDragType) && _edits.validateDrop(proposedRow(row, parent));
}

bool BudgetGridModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                                   const QModelIndex &parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    return _edits.acceptDrop(*data, proposedRow(row, parent));
}

void BudgetGridModel::beginRowsChange()
{
    beginResetModel();
}

void BudgetGridModel::endRowsChange()
{
    endResetModel();
}

void BudgetGridModel::redisplay()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}
