#include "voEnvelopeWinData.h"

#include "document/BudgetDocument.h"
#include "editing/DocumentEditing.h"
#include "platform/Alerts.h"
#include "platform/MoneyDisplay.h"

voEnvelopeWinData::voEnvelopeWinData(DocumentEditing &edits, Alerts &alerts, QObject *parent)
    : QAbstractTableModel(parent)
    , _edits(edits)
    , _document(edits.document())
    , _alerts(alerts)
{ }

void voEnvelopeWinData::initData(const QString &monthId)
{
    beginResetModel();
    _monthId = monthId;
    _catKeys.clear();
    const QList<CategoryRow> &rows = _document.getCatArray();
    for (int row = kFirstCategoryRow; row < rows.size(); ++row)
        _catKeys << rows[row].desc;
    endResetModel();
}

QString voEnvelopeWinData::objectValueForTableColumn(const QString &columnId, int row) const
{
    if (row < 0 || row >= _catKeys.size())
        return {};
    if (columnId == kCategoryId)
        return _catKeys[row];
    const EntryList *list = _document.entryList(_catKeys[row], MonthTables::findMonth(_monthId));
    return list && !list->isEmpty() ? list->first().amount : QString();
}

bool voEnvelopeWinData::setObjectValue(const QString &value, const QString &columnId, int row)
{
    if (columnId == kCategoryId || row < 0 || row >= _catKeys.size())
        return false;
    const EditAnswer answer
        = _edits.amounts().setEnvelope(_catKeys[row], MonthTables::findMonth(_monthId), value);
    if (answer.isRefused())
        _alerts.warning(answer.message);
    return answer.isChanged();
}

QString voEnvelopeWinData::columnId(Column column) { return column == Column::Category ? kCategoryId : kAmountId; }

int voEnvelopeWinData::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : numberOfRowsInTableView();
}

int voEnvelopeWinData::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 2; }

QVariant voEnvelopeWinData::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (Column(index.column()) == Column::Amount)
            return MoneyDisplay::format(objectValueForTableColumn(columnId(Column::Amount), index.row()));
        [[fallthrough]];
    case Qt::EditRole:
        return objectValueForTableColumn(columnId(Column(index.column())), index.row());
    case Qt::TextAlignmentRole:
        return Column(index.column()) == Column::Category ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                          : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool voEnvelopeWinData::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    if (!setObjectValue(value.toString(), columnId(Column(index.column())), index.row()))
        return false;
    emit dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
    return true;
}

Qt::ItemFlags voEnvelopeWinData::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Column(index.column()) == Column::Category ? flags : flags | Qt::ItemIsEditable;
}

QVariant voEnvelopeWinData::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return Column(section) == Column::Category ? tr("Category") : tr("Envelope");
}
