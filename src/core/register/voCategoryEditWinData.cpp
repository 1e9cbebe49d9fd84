#include "voCategoryEditWinData.h"

#include "document/BudgetDocument.h"
#include "editing/DocumentEditing.h"

voCategoryEditWinData::voCategoryEditWinData(DocumentEditing &edits, QObject *parent)
    : QAbstractListModel(parent)
    , _edits(edits)
    , _document(edits.document())
{ }

void voCategoryEditWinData::initData()
{
    beginResetModel();
    _categoryList.clear();
    const QList<CategoryRow> &categories = _document.getCatArray();
    for (int row = kFirstCategoryRow; row < categories.size(); ++row)
        _categoryList.append(categories[row].desc);
    endResetModel();
}

QString voCategoryEditWinData::objectValueForTableColumn(int column, int row) const
{
    if (column != 0 || row < 0 || row >= numberOfRowsInTableView())
        return {};
    return _categoryList.at(row);
}

bool voCategoryEditWinData::setObjectValue(const QString &value, int column, int row)
{
    if (column != 0 || row < 0 || row >= numberOfRowsInTableView() || value.isEmpty())
        return false;
    const EditAnswer answer = _edits.categories().renameCategory(row + kFirstCategoryRow, value);
    if (answer.isRefused()) {
        emit editRefused(answer.message);
        return false;
    }
    if (answer.isChanged()) {
        _categoryList[row] = _document.getCatArray()[row + kFirstCategoryRow].desc;
        emit dataChanged(index(row), index(row));
    }
    return true;
}

void voCategoryEditWinData::addCategory()
{
    const int row = numberOfRowsInTableView();
    beginInsertRows({}, row, row);
    (void)_edits.categories().createCategory(_document.uniqueCategoryName(kDefaultCategoryName));
    _categoryList.append(_document.getCatArray().constLast().desc);
    endInsertRows();
    _selection.clearSelection();
    _selection.setCurrentIndex(index(row), QItemSelectionModel::ClearAndSelect);
    emit editRequested(index(row));
}

int voCategoryEditWinData::selectedRow() const
{
    const QModelIndexList selected = _selection.selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void voCategoryEditWinData::delCategory(int row)
{
    if (row < 0 || row >= numberOfRowsInTableView())
        return;
    (void)_edits.categories().deleteCategory(row + kFirstCategoryRow);
    _selection.clearSelection();
    beginRemoveRows({}, row, row);
    _categoryList.removeAt(row);
    endRemoveRows();
}

int voCategoryEditWinData::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : numberOfRowsInTableView();
}

QVariant voCategoryEditWinData::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index))
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return objectValueForTableColumn(index.column(), index.row());
}

bool voCategoryEditWinData::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !checkIndex(index))
        return false;
    return setObjectValue(value.toString(), index.column(), index.row());
}

Qt::ItemFlags voCategoryEditWinData::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

QVariant voCategoryEditWinData::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return tr("Category");
    return QAbstractListModel::headerData(section, orientation, role);
}
