#include "voCheckViewData.h"

#include "CheckViewHost.h"
#include "document/BudgetDocument.h"
#include "document/Decimal.h"
#include "document/CarriedAmounts.h"
#include "document/EntryCompare.h"
#include "document/EnvelopeCarry.h"
#include "document/NumberText.h"
#include "editing/DocumentEditing.h"
#include "platform/MoneyDisplay.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace {

// The field each sort method sorts by, in method order.
constexpr RecordField kSortFields[]
    = { RecordField::Day, RecordField::Category, RecordField::Amount, RecordField::Desc, RecordField::Note };

} // namespace

voCheckViewData::voCheckViewData(DocumentEditing &edits, CheckViewHost &window, QObject *parent)
    : QAbstractTableModel(parent)
    , _ourWindow(window)
    , _edits(edits)
    , _mainDataSrc(edits.document())
{
    _edits.setCheckedOutMonth(this);
    connect(&_mainDataSrc, &BudgetDocument::extensionsChanged, this, [this] {
        _splits.reset();
        if (!_monthData.isEmpty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    });
}

voCheckViewData::~voCheckViewData() { _edits.setCheckedOutMonth(nullptr); }

const QStringList &voCheckViewData::columnIds() { return recordFieldIds(); }

int voCheckViewData::sortMethodForColumn(QStringView columnId)
{
    const std::optional<RecordField> field = recordFieldOf(columnId);
    const auto found = std::find(std::begin(kSortFields), std::end(kSortFields), field);
    return field && found != std::end(kSortFields) ? int(found - std::begin(kSortFields)) : -1;
}

QString voCheckViewData::getMonthId() const { return _month < 0 ? QString() : MonthTables::monthIdString(_month); }

void voCheckViewData::loadMonthData(const QString &monthId) { loadMonth(MonthTables::findMonth(monthId)); }

void voCheckViewData::loadMonth(int month)
{
    if (month < 0 || month >= MonthTables::kMonthCount)
        return;
    beginResetModel();
    _dirty = false;
    _month = month;
    _monthData.clear();
    _splits.reset();
    _ourWindow.setMonthTitle(month);
    reloadCategoryList();

    _edits.identifyEntries(month);
    _recurringMarks = RecurringMarks::forMonth(_mainDataSrc,
                                               _mainDataSrc.extensions().year().value_or(QDate::currentDate().year()), month);
    const QList<CategoryRow> &categories = _mainDataSrc.getCatArray();
    qsizetype booked = 0;
    for (int row = kFirstCategoryRow; row < categories.size(); ++row) {
        if (const EntryList *list = _mainDataSrc.entryList(categories[row].desc, month); list && !list->isEmpty())
            booked += list->size() - 1;
    }
    _monthData.reserve(booked);
    for (int row = kFirstCategoryRow; row < categories.size(); ++row) {
        const QString &name = categories[row].desc;
        const EntryList *list = _mainDataSrc.entryList(name, month);
        if (!list)
            continue;
        for (qsizetype at = 1; at < list->size(); ++at)
            _monthData.append(RegisterRecord::fromEntry(list->at(at), name));
    }
    sortRecords();
    endResetModel();
    _spent = {};
    for (const RegisterRecord &record : std::as_const(_monthData))
        _spent += Decimal::fromText(record.amount);
    updateTotals();
}

void voCheckViewData::storeAndReleaseMonthData()
{
    _selection.clearSelection();
    writeBack();
    beginResetModel();
    _monthData = {}; // releases the memory too
    _month = -1;
    _splits.reset();
    endResetModel();
}

void voCheckViewData::writeBack()
{
    if (!_dirty)
        return;
    _dirty = false;
    // The grid's figures follow at once: an export or the recovery file may read them before any view does.
    _edits.writeBack(_month, _monthData);
}

void voCheckViewData::reload()
{
    if (_month >= 0)
        loadMonth(_month);
}

int voCheckViewData::heldMonth() const { return _month; }

int voCheckViewData::rowOfRecord(quint64 id) const
{
    const auto found = std::find_if(_monthData.cbegin(), _monthData.cend(),
                                    [id](const RegisterRecord &record) { return record.id == id; });
    return found == _monthData.cend() ? -1 : int(found - _monthData.cbegin());
}

void voCheckViewData::replaceRecord(int row, const RegisterRecord &record)
{
    _dirty = true;
    if (record.amount != _monthData.at(row).amount)
        _spent += Decimal::fromText(record.amount) - Decimal::fromText(_monthData.at(row).amount);
    _monthData[row] = record;
    _splits.reset();
    emitRowChanged(row);
}

void voCheckViewData::insertRecord(int row, const RegisterRecord &record)
{
    _dirty = true;
    beginInsertRows({}, row, row);
    _monthData.insert(row, record);
    _splits.reset();
    _spent += Decimal::fromText(record.amount);
    endInsertRows();
}

void voCheckViewData::removeRecord(int row)
{
    _dirty = true;
    beginRemoveRows({}, row, row);
    _spent -= Decimal::fromText(_monthData.at(row).amount);
    _monthData.removeAt(row);
    _splits.reset();
    endRemoveRows();
}

void voCheckViewData::sortByMethod(int method)
{
    _sortMethod = method;
    sortRecords();
    // The row numbers stay, so the selection stays on them.
    if (!_monthData.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void voCheckViewData::sortRecords()
{
    if (_sortMethod < kSortByDay || _sortMethod > kSortByNote)
        return; // no key: every record compares equal
    const RecordField field = kSortFields[_sortMethod];

    struct Keyed
    {
        EntrySortKey key;
        qsizetype at;
    };
    std::vector<Keyed> keys;
    keys.reserve(std::size_t(_monthData.size()));
    for (qsizetype at = 0; at < _monthData.size(); ++at)
        keys.push_back({ EntrySortKey::of(_monthData.at(at), field), at });
    std::stable_sort(keys.begin(), keys.end(),
                     [](const Keyed &a, const Keyed &b) { return a.key.compare(b.key) < 0; });
    QList<RegisterRecord> sorted;
    sorted.reserve(_monthData.size());
    for (const Keyed &keyed : keys)
        sorted.append(std::move(_monthData[keyed.at]));
    _monthData = std::move(sorted);
    groupSplits();
}

void voCheckViewData::groupSplits()
{
    const MonthSplits &all = splits();
    if (all.isEmpty())
        return;
    QHash<quint64, qsizetype> rows;
    for (qsizetype at = 0; at < _monthData.size(); ++at)
        rows.insert(_monthData.at(at).id, at);
    QList<RegisterRecord> grouped;
    grouped.reserve(_monthData.size());
    QList<bool> placed(all.splits().size(), false);
    for (qsizetype at = 0; at < _monthData.size(); ++at) {
        const std::optional<MonthSplits::Part> part = all.partOf(_monthData.at(at).id);
        if (!part) {
            grouped.append(std::move(_monthData[at]));
            continue;
        }
        if (placed[part->split])
            continue;
        placed[part->split] = true;
        for (const quint64 id : all.splits()[part->split].parts)
            grouped.append(std::move(_monthData[rows.value(id)]));
    }
    _monthData = std::move(grouped);
}

const MonthSplits &voCheckViewData::splits() const
{
    if (!_splits)
        _splits = MonthSplits::of(_mainDataSrc.extensions(), heldMonth(), _monthData.size(),
                                  [this](qsizetype at) -> const Entry & { return _monthData.at(at); });
    return *_splits;
}

void voCheckViewData::reloadCategoryList()
{
    _categorySelect.clear();
    const QList<CategoryRow> &categories = _mainDataSrc.getCatArray();
    for (int row = kFirstCategoryRow; row < categories.size(); ++row)
        _categorySelect.append(categories[row].desc);
}

void voCheckViewData::updateTotals()
{
    if (_month < 0)
        return;
    const QString budget = _mainDataSrc.calculateBudgetForColumnId(_month);
    // What the envelopes carried over from the month before is money left too.
    const Decimal carried = CarriedAmounts::intoMonth(_mainDataSrc, _month);
    _ourWindow.setTotal(budget, (Decimal::fromText(budget) + carried - _spent).toText());
}

QString voCheckViewData::categoryFromDesc(const QString &desc) const
{
    return _edits.records().categoryFromDesc(*this, desc);
}

EditAnswer voCheckViewData::addData()
{
    if (_month < 0)
        return EditAnswer::unchanged();
    RegisterRecord record;
    record.reconciled = kOpenMark;
    record.amount = QStringLiteral("0");
    record.day = _lastDayEntered;
    record.desc = kInitialDescription;
    record.note = kInitialNote;
    record.category = _categorySelect.value(0);
    record.lookup = CategoryLookup::Pending;
    const EditAnswer answer = _edits.records().addRecord(*this, record);
    if (answer.isRefused())
        return answer;
    const int row = numberOfRowsInTableView() - 1;
    selectOnly(row);
    emit editRequested(index(row, int(RecordField::Day)));
    return answer;
}

void voCheckViewData::delData()
{
    deleteRows(selectedRows());
}

void voCheckViewData::deleteRows(const QList<int> &rows)
{
    _selection.clearSelection();
    (void)_edits.records().deleteRecords(*this, rows);
    _selection.clearSelection();
}

EditAnswer voCheckViewData::carryOverData()
{
    return _edits.records().carryOver(*this, selectedRows());
}

QVariant voCheckViewData::objectValueForTableColumn(const QString &column, int row) const
{
    const std::optional<RecordField> field = recordFieldOf(column);
    if (!field || row < 0 || row >= numberOfRowsInTableView())
        return {};
    const RegisterRecord &record = _monthData.at(row);
    if (field == RecordField::Reconciled)
        return record.reconciled == kReconciledMark ? 1 : 0;
    return record.value(*field);
}

bool voCheckViewData::setObjectValue(const QString &value, const QString &column, int row)
{
    const std::optional<RecordField> field = recordFieldOf(column);
    if (!field || row < 0 || row >= numberOfRowsInTableView())
        return false;
    const EditAnswer answer = _edits.records().setField(*this, row, *field, value);
    if (answer.isRefused()) {
        emit editRefused(answer.message);
        return false;
    }
    if (answer.isChanged() && field == RecordField::Day)
        _lastDayEntered = _monthData.at(row).day;
    return true;
}

QList<int> voCheckViewData::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &selected : _selection.selectedIndexes())
        rows.append(selected.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void voCheckViewData::selectOnly(int row)
{
    _selection.clearSelection();
    _selection.setCurrentIndex(index(row, 1), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void voCheckViewData::emitRowChanged(int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); }

int voCheckViewData::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : numberOfRowsInTableView();
}

int voCheckViewData::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columnIds().size());
}

QVariant voCheckViewData::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index))
        return {};
    const RecordField field = fieldOf(index.column());
    const RegisterRecord &record = _monthData.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (field == RecordField::Amount)
            return MoneyDisplay::format(record.value(field));
        if (field == RecordField::Desc) {
            if (const std::optional<MonthSplits::Part> part = splits().partOf(record.id))
                return tr("%1 (%2)").arg(record.desc, MonthSplits::partText(*part));
        }
        [[fallthrough]];
    case Qt::EditRole:
        return field == RecordField::Reconciled ? QVariant() : QVariant(record.value(field));
    case Qt::CheckStateRole:
        if (field != RecordField::Reconciled)
            return {};
        return record.reconciled == kReconciledMark ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        if (field == RecordField::Amount || field == RecordField::Day)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::AccessibleDescriptionRole: {
        QStringList marks;
        if (const std::optional<MonthSplits::Part> part = splits().partOf(record.id))
            marks.append(MonthSplits::partDescription(*part, splits().splits()[part->split]));
        if (const QString mark = _recurringMarks.markOf(record.category, record.desc); !mark.isEmpty())
            marks.append(mark);
        return marks.isEmpty() ? QVariant() : QVariant(marks.join(QStringLiteral("; ")));
    }
    case kRecurringRole:
        return !_recurringMarks.markOf(record.category, record.desc).isEmpty();
    default:
        return {};
    }
}

bool voCheckViewData::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !checkIndex(index))
        return false;
    const RecordField field = fieldOf(index.column());
    const QString &column = columnIds()[index.column()];
    if (field == RecordField::Reconciled) {
        if (role != Qt::CheckStateRole)
            return false;
        const bool checked = value.toInt() == Qt::Checked;
        return setObjectValue(checked ? kReconciledMark : kOpenMark, column, index.row());
    }
    if (role != Qt::EditRole)
        return false;
    return setObjectValue(value.toString(), column, index.row());
}

Qt::ItemFlags voCheckViewData::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (fieldOf(index.column()) == RecordField::Reconciled)
        return base | Qt::ItemIsUserCheckable;
    return base | Qt::ItemIsEditable;
}

QVariant voCheckViewData::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const RecordField field = fieldOf(section);
    switch (role) {
    case Qt::DisplayRole:
        // The check box column stays narrow under a one-letter title.
        return field == RecordField::Reconciled ? tr("R") : RecordEdits::fieldTitle(field);
    case Qt::ToolTipRole:
        return RecordEdits::fieldTitle(field);
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}

int voCheckViewData::rowOfRecord(const QString &category, const Entry &entry) const
{
    for (int row = 0; row < _monthData.size(); ++row) {
        const RegisterRecord &record = _monthData.at(row);
        if (record.category == category && record.toEntry() == entry)
            return row;
    }
    return -1;
}
