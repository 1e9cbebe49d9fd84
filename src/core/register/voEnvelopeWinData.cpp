#include "voEnvelopeWinData.h"

#include "document/BudgetDocument.h"
#include "document/NumberText.h"
#include "document/TextRules.h"
#include "platform/Alerts.h"
#include "platform/MoneyDisplay.h"

voEnvelopeWinData::voEnvelopeWinData(BudgetDocument &document, Alerts &alerts, QObject *parent)
    : QAbstractTableModel(parent)
    , _document(document)
    , _alerts(alerts)
{
}

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
    EntryList *list = _document.entryList(_catKeys[row], MonthTables::findMonth(_monthId));
    if (!list || list->isEmpty())
        return false;
    const CheckedText checked = TextRules::checkAmount(value);
    if (!checked.ok()) {
        _alerts.warning(checked.error);
        return false;
    }
    Entry &envelope = (*list)[0];
    if (envelope.amount == checked.text)
        return false;
    envelope.amount = NumberText::validNumber(checked.text);
    emit documentChanged(tr("Edit Envelope"));
    return true;
}

QString voEnvelopeWinData::columnId(int column)
{
    return column == 0 ? kCategoryId : kAmountId;
}

int voEnvelopeWinData::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : numberOfRowsInTableView();
}

int voEnvelopeWinData::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant voEnvelopeWinData::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 1)
            return MoneyDisplay::format(objectValueForTableColumn(columnId(index.column()), index.row()));
        [[fallthrough]];
    case Qt::EditRole:
        return objectValueForTableColumn(columnId(index.column()), index.row());
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool voEnvelopeWinData::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    if (!setObjectValue(value.toString(), columnId(index.column()), index.row()))
        return false;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags voEnvelopeWinData::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == 0 ? flags : flags | Qt::ItemIsEditable;
}

QVariant voEnvelopeWinData::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? tr("Category") : tr("Envelope");
}
