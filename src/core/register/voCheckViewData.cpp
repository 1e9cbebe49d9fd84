#include "voCheckViewData.h"

#include "CheckViewHost.h"
#include "DescriptionLookup.h"
#include "document/BudgetDocument.h"
#include "document/DocumentSnapshot.h"
#include "document/NumberText.h"
#include "document/TextRules.h"
#include "platform/Alerts.h"
#include "document/Decimal.h"

#include <algorithm>
#include <vector>

namespace {

const QString kReconciledId = QStringLiteral("reconciled");
const QString kCategoryId = QStringLiteral("category");
const QString kReconciledMark = QStringLiteral("R");
const QString kOpenMark = QStringLiteral(" ");
const QString kLookupPending = QStringLiteral("");
const QString kLookupSet = QStringLiteral("set");

// The sort key of each method, in method order.
const QStringList &sortKeys()
{
    static const QStringList keys{QStringLiteral("day"), kCategoryId, QStringLiteral("amount"), kDescId,
                                  QStringLiteral("note")};
    return keys;
}

// Cuts each category's list for the month back to its envelope entry, then
// appends the records, in register order, to the lists of their categories.
void writeRecords(const QList<CategoryRow> &categories, std::unordered_map<QString, MonthLists> &catData, int month,
                  const QList<RegisterRecord> &records)
{
    const auto listOf = [&catData, month](const QString &category) -> EntryList * {
        const auto found = catData.find(category);
        return found == catData.end() ? nullptr : &found->second[std::size_t(month)];
    };
    for (int row = kFirstCategoryRow; row < categories.size(); ++row) {
        if (EntryList *list = listOf(categories[row].desc); list && list->size() > 1)
            list->resize(1);
    }
    for (const RegisterRecord &record : records) {
        // Every record's category is one of the budget's: the category
        // cell refuses anything else, and the categories cannot change
        // while a month is loaded.
        if (EntryList *list = listOf(record.category))
            list->append(record.toEntry());
    }
}

} // namespace

voCheckViewData::voCheckViewData(BudgetDocument &document, Alerts &alerts, CheckViewHost &window, QObject *parent)
    : QAbstractTableModel(parent)
    , _ourWindow(window)
    , _mainDataSrc(document)
    , _alerts(alerts)
{
}

const QStringList &voCheckViewData::columnIds()
{
    static const QStringList ids{kReconciledId,          QStringLiteral("day"),   kDescId, kCategoryId,
                                 QStringLiteral("amount"), QStringLiteral("note")};
    return ids;
}

int voCheckViewData::sortMethodForColumn(QStringView columnId)
{
    for (int method = kSortByDay; method <= kSortByNote; ++method) {
        if (sortKeys()[method] == columnId)
            return method;
    }
    return -1;
}

void voCheckViewData::loadMonthData(const QString &monthId)
{
    if (MonthTables::findMonth(monthId) < 0)
        return;
    beginResetModel();
    _dirty = false;
    _monthId = monthId;
    _monthData.clear();
    _ourWindow.setMonthTitle(monthId);
    reloadCategoryList();

    const int month = MonthTables::monthIndex(monthId);
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
    updateTotals();
}

void voCheckViewData::storeAndReleaseMonthData()
{
    _selection.clearSelection();
    if (_dirty) {
        _dirty = false;
        writeRecords(_mainDataSrc.getCatArray(), _mainDataSrc.getCatDataDictionary(),
                     MonthTables::monthIndex(_monthId), _monthData);
    }
    beginResetModel();
    _monthData = {}; // releases the memory too
    _monthId.clear();
    endResetModel();
}

void voCheckViewData::writePendingMonth(DocumentSnapshot &snapshot) const
{
    if (_dirty)
        writeRecords(snapshot.catArray, snapshot.catData, MonthTables::monthIndex(_monthId), _monthData);
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
    const QString &key = sortKeys()[_sortMethod];

    // The order of compareDataRecord, with each record's day and amount read
    // once instead of at every comparison: a month can hold many thousands.
    struct SortKey
    {
        int day;
        float amount;
        QString text;
        qsizetype at;
    };
    const bool byAmount = _sortMethod == kSortByAmount;
    const bool byText = !byAmount && _sortMethod != kSortByDay;
    std::vector<SortKey> keys;
    keys.reserve(std::size_t(_monthData.size()));
    for (qsizetype at = 0; at < _monthData.size(); ++at) {
        const RegisterRecord &record = _monthData.at(at);
        keys.push_back({NumberText::intValue(record.day), byAmount ? NumberText::floatValue(record.amount) : 0.0f,
                        byText ? record.value(key) : QString(), at});
    }
    std::stable_sort(keys.begin(), keys.end(), [byAmount, byText](const SortKey &a, const SortKey &b) {
        if (byText) {
            if (const int order = a.text.compare(b.text, Qt::CaseSensitive); order != 0)
                return order < 0;
        } else if (byAmount) {
            if (a.amount < b.amount)
                return true;
            if (b.amount < a.amount)
                return false;
        }
        return a.day < b.day;
    });
    QList<RegisterRecord> sorted;
    sorted.reserve(_monthData.size());
    for (const SortKey &sortKey : keys)
        sorted.append(std::move(_monthData[sortKey.at]));
    _monthData = std::move(sorted);
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
    if (_monthId.isNull())
        return;
    const QString budget = _mainDataSrc.calculateBudgetForColumnId(_monthId);
    Decimal spent;
    for (const RegisterRecord &record : std::as_const(_monthData))
        spent += Decimal::fromText(record.amount);
    _ourWindow.setTotal(budget, (Decimal::fromText(budget) - spent).toText());
}

QString voCheckViewData::categoryFromDesc(const QString &desc) const
{
    for (auto record = _monthData.crbegin(); record != _monthData.crend(); ++record) {
        if (record->desc == desc)
            return record->category;
    }
    const QString earlier
        = DescriptionLookup(_mainDataSrc, {desc}).categoryBefore(MonthTables::monthIndex(_monthId), desc);
    return earlier.isNull() ? _categorySelect.value(0) : earlier;
}

bool voCheckViewData::validateSelection(const QList<int> &rows, const QString &errorMessage)
{
    if (!rows.isEmpty())
        return true;
    _alerts.run(tr("No Entry Selected"), errorMessage, tr("OK"));
    return false;
}

void voCheckViewData::addData()
{
    if (_monthId.isNull())
        return;
    if (_categorySelect.isEmpty()) {
        _alerts.run(tr("No Categories Defined"),
                    tr("Please create a category first. Categories can be edited by clicking the category action "
                       "icon."),
                    tr("OK"));
        return;
    }
    RegisterRecord record;
    record.reconciled = kOpenMark;
    record.amount = QStringLiteral("0");
    record.day = _lastDayEntered;
    record.desc = kInitialDescription;
    record.note = kInitialNote;
    record.category = _categorySelect.first();
    record.autoLookupKey = kLookupPending;

    _dirty = true;
    const int row = numberOfRowsInTableView();
    beginInsertRows({}, row, row);
    _monthData.append(record);
    endInsertRows();
    emit documentChanged(tr("Add Transaction"));
    selectOnly(row);
    emit editRequested(index(row, 1));
}

void voCheckViewData::delData()
{
    const QList<int> rows = selectedRows();
    if (!validateSelection(rows, tr("Please select item(s) to delete.")))
        return;
    _selection.clearSelection();
    if (_alerts.run(tr("Confirm Delete"), tr("Are you sure you want to delete selected items?"), tr("Cancel"),
                    tr("OK"))
        == Alerts::kDefaultButton)
        return;
    _dirty = true;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        beginRemoveRows({}, *row, *row);
        _monthData.removeAt(*row);
        endRemoveRows();
    }
    _selection.clearSelection();
    updateTotals();
    emit documentChanged(rows.size() == 1 ? tr("Delete Transaction") : tr("Delete Transactions"));
}

void voCheckViewData::carryOverData()
{
    const QList<int> rows = selectedRows();
    if (!validateSelection(rows, tr("Please select item(s) to carry-over.")))
        return;
    const int next = MonthTables::monthIndex(_monthId) + 1;
    if (next >= MonthTables::kMonthCount)
        return;
    const QString nextName = MonthTables::monthFriendlyName(MonthTables::monthIdString(next));
    if (_alerts.run(tr("Confirm Carry-Over"), Alerts::format(tr("Insert data into %@ ?"), nextName), tr("Insert"),
                    tr("Cancel"))
        != Alerts::kDefaultButton)
        return;
    for (const int row : rows) {
        const RegisterRecord &record = _monthData.at(row);
        if (EntryList *list = _mainDataSrc.entryList(record.category, next))
            list->append(Entry{record.day, record.desc, record.amount, kInitialNote, kOpenMark});
    }
    emit documentChanged(tr("Carry Over"));
}

QVariant voCheckViewData::objectValueForTableColumn(const QString &column, int row) const
{
    if (row < 0 || row >= numberOfRowsInTableView())
        return {};
    const RegisterRecord &record = _monthData.at(row);
    if (column == kReconciledId)
        return record.reconciled == kReconciledMark ? 1 : 0;
    return record.value(column);
}

bool voCheckViewData::setObjectValue(const QString &value, const QString &column, int row)
{
    if (row < 0 || row >= numberOfRowsInTableView() || !columnIds().contains(column))
        return false;
    RegisterRecord &record = _monthData[row];
    if (column == kReconciledId) {
        if (record.reconciled == value)
            return true;
        _dirty = true;
        record.reconciled = record.reconciled == kOpenMark ? kReconciledMark : kOpenMark;
        emitRowChanged(row);
        emit documentChanged(record.reconciled == kReconciledMark ? tr("Reconcile") : tr("Clear Reconciled Mark"));
        return true;
    }

    CheckedText checked;
    if (column == u"day")
        checked = TextRules::checkDay(value);
    else if (column == u"amount")
        checked = TextRules::checkAmount(value);
    else if (column == kDescId)
        checked = TextRules::checkDescription(value);
    else if (column == u"note")
        checked = TextRules::checkNote(value);
    else if (_categorySelect.contains(value))
        checked = {value, {}};
    else
        checked = {value, tr("\"%1\" is not a category of this budget. Choose one of its categories.").arg(value)};
    if (!checked.ok()) {
        _alerts.warning(checked.error);
        return false;
    }

    const QString &text = checked.text;
    if (record.value(column) == text)
        return true;
    _dirty = true;
    if (column == kDescId && record.autoLookupKey == kLookupPending) {
        record.autoLookupKey = kLookupSet;
        record.category = categoryFromDesc(text);
    }
    if (column == kCategoryId)
        record.autoLookupKey = kLookupSet;
    if (column == u"day")
        _lastDayEntered = text;
    record.setValue(column, text);
    emitRowChanged(row);
    if (column == u"amount")
        updateTotals();
    emit documentChanged(tr("Edit %1").arg(columnTitle(int(columnIds().indexOf(column)))));
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

void voCheckViewData::emitRowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

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
    const QString &column = columnIds()[index.column()];
    const bool reconciledColumn = column == kReconciledId;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return reconciledColumn ? QVariant() : objectValueForTableColumn(column, index.row());
    case Qt::CheckStateRole:
        if (!reconciledColumn)
            return {};
        return objectValueForTableColumn(column, index.row()).toInt() == 1 ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        if (column == u"amount" || column == u"day")
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

bool voCheckViewData::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !checkIndex(index))
        return false;
    const QString &column = columnIds()[index.column()];
    if (column == kReconciledId) {
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
    if (columnIds()[index.column()] == kReconciledId)
        return base | Qt::ItemIsUserCheckable;
    return base | Qt::ItemIsEditable;
}

QString voCheckViewData::columnTitle(int section)
{
    static const char *const titles[] = {QT_TR_NOOP("Reconciled"), QT_TR_NOOP("Day"),    QT_TR_NOOP("Description"),
                                         QT_TR_NOOP("Category"),   QT_TR_NOOP("Amount"), QT_TR_NOOP("Note")};
    return tr(titles[section]);
}

QVariant voCheckViewData::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const bool reconciledColumn = columnIds()[section] == kReconciledId;
    switch (role) {
    case Qt::DisplayRole:
        // The check box column stays narrow under a one-letter title.
        return reconciledColumn ? tr("R") : columnTitle(section);
    case Qt::ToolTipRole:
        return columnTitle(section);
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}
