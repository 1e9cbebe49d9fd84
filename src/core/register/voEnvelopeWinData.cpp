#include "voEnvelopeWinData.h"

#include "document/BudgetDocument.h"
#include "document/CarriedAmounts.h"
#include "editing/DocumentEditing.h"
#include "editing/PlanningEdits.h"
#include "platform/MoneyDisplay.h"

voEnvelopeWinData::voEnvelopeWinData(DocumentEditing &edits, QObject *parent)
    : QAbstractTableModel(parent)
    , _edits(edits)
    , _document(edits.document())
{ }

void voEnvelopeWinData::initData(int month)
{
    beginResetModel();
    _month = month;
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
    const EntryList *list = _document.entryList(_catKeys[row], _month);
    return list && !list->isEmpty() ? list->first().amount : QString();
}

bool voEnvelopeWinData::setObjectValue(const QString &value, const QString &columnId, int row)
{
    if (columnId == kCategoryId || row < 0 || row >= _catKeys.size())
        return false;
    const EditAnswer answer = _edits.amounts().setEnvelope(_catKeys[row], _month, value);
    if (answer.isRefused())
        emit editRefused(answer.message);
    return answer.isChanged();
}

QString voEnvelopeWinData::columnId(Column column) { return column == Column::Category ? kCategoryId : kAmountId; }

int voEnvelopeWinData::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : numberOfRowsInTableView();
}

int voEnvelopeWinData::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 4; }

int voEnvelopeWinData::month() const { return _month; }

bool voEnvelopeWinData::carries(int row) const
{
    return EnvelopeCarry(_document.extensions()).modeOf(_catKeys.value(row)) != CarryMode::None;
}

QList<std::pair<CarryMode, QString>> voEnvelopeWinData::carryChoices()
{
    return {{CarryMode::None, tr("Nothing")}, {CarryMode::Left, tr("What Is Left")}, {CarryMode::All, tr("Everything")}};
}

QVariant voEnvelopeWinData::carryData(Column column, int row, int role) const
{
    const QString &category = _catKeys[row];
    if (column == Column::Carry) {
        const CarryMode mode = EnvelopeCarry(_document.extensions()).modeOf(category);
        for (const auto &[choice, word] : carryChoices()) {
            if (choice == mode)
                return role == Qt::EditRole ? QVariant(int(choice)) : QVariant(word);
        }
        return {};
    }
    if (!carries(row))
        return role == Qt::EditRole ? QVariant(QString()) : QVariant(QStringLiteral("–"));
    // January's amount is the opening amount the user typed, unless last year's file gives it.
    if (role == Qt::EditRole)
        return EnvelopeCarry(_document.extensions()).openingOf(category).value_or(QString());
    return MoneyDisplay::format(CarriedAmounts::into(_document, category, month()).toText());
}

bool voEnvelopeWinData::setCarryData(Column column, int row, const QString &value)
{
    EditAnswer answer;
    if (column == Column::Carry) {
        bool ok = false;
        const int choice = value.toInt(&ok);
        if (!ok || choice < int(CarryMode::None) || choice > int(CarryMode::All))
            return false;
        answer = _edits.planning().setCarryMode(_catKeys[row], CarryMode(choice));
    } else {
        answer = _edits.planning().setOpening(_catKeys[row], value);
    }
    if (answer.isRefused())
        emit editRefused(answer.message);
    return answer.isChanged();
}

QVariant voEnvelopeWinData::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Column column = Column(index.column());
    if (column == Column::CarriedIn || column == Column::Carry) {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return carryData(column, index.row(), role);
        if (role == Qt::TextAlignmentRole)
            return column == Column::CarriedIn ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
        if (role == Qt::ToolTipRole)
            return column == Column::Carry ? tr("What the envelope hands on to the next month")
                                           : tr("What the envelope took over from the month before; in January "
                                                "the opening amount, unless last year's budget gives it");
        return {};
    }
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
    const Column column = Column(index.column());
    if (column == Column::CarriedIn || column == Column::Carry) {
        if (!setCarryData(column, index.row(), value.toString()))
            return false;
        // The carry changes the carried-in amounts of every row's months.
        emit dataChanged(this->index(0, int(Column::CarriedIn)), this->index(rowCount() - 1, int(Column::Carry)));
        return true;
    }
    if (!setObjectValue(value.toString(), columnId(column), index.row()))
        return false;
    emit dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
    return true;
}

Qt::ItemFlags voEnvelopeWinData::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (Column(index.column())) {
    case Column::Category:
        return flags;
    case Column::CarriedIn:
        // Only January's is typed: the opening amount.
        return month() == 0 && carries(index.row()) ? flags | Qt::ItemIsEditable : flags;
    case Column::Amount:
    case Column::Carry:
        break;
    }
    return flags | Qt::ItemIsEditable;
}

QVariant voEnvelopeWinData::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (Column(section)) {
    case Column::Category:
        return tr("Category");
    case Column::Amount:
        return tr("Envelope");
    case Column::CarriedIn:
        return tr("Carried In");
    case Column::Carry:
        return tr("Carries");
    }
    return {};
}
