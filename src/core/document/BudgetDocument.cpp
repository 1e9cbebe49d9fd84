#include "BudgetDocument.h"

#include "NumberText.h"
#include "Decimal.h"
#include "EnvelopeCarry.h"
#include "PlanningRecords.h"
#include "recurring/RecurringRename.h"

BudgetDocument::BudgetDocument(QObject *parent)
    : QObject(parent)
{
    _catArray.reserve(kFirstCategoryRow);
    _budgetTotals.fill(QStringLiteral("0"));
    addFixedRows();
}

const EntryList *BudgetDocument::entryList(const QString &category, int month) const
{
    const auto found = _catData.find(category);
    if (found == _catData.end() || month < 0 || month >= MonthTables::kMonthCount)
        return nullptr;
    return &found->second[std::size_t(month)];
}

int BudgetDocument::rowOfCategory(const QString &name) const
{
    for (int row = kFirstCategoryRow; row < _catArray.size(); ++row) {
        if (_catArray[row].desc == name)
            return row;
    }
    return -1;
}

QString BudgetDocument::uniqueCategoryName(const QString &name) const
{
    if (rowOfCategory(name) < 0)
        return name;
    for (int number = 2;; ++number) {
        const QString candidate = name + u' ' + QString::number(number);
        if (rowOfCategory(candidate) < 0)
            return candidate;
    }
}

int BudgetDocument::createCategory(const QString &name, const QString &withValue)
{
    if (name.isEmpty())
        return 0;
    // Two rows under one name would share, and then lose, one set of lists.
    if (_catArray.size() >= kFirstCategoryRow && rowOfCategory(name) >= 0)
        return 0;
    appendCategory(name, withValue);
    return 1;
}

void BudgetDocument::appendCategory(const QString &name, const QString &withValue)
{
    emit rowsAboutToChange();
    _catArray.append(CategoryRow::filled(name, withValue));
    if (_catArray.size() > kFirstCategoryRow) {
        MonthLists lists;
        for (EntryList &list : lists)
            list.append(Entry::envelope());
        _catData[name] = std::move(lists);
    }
    emit rowsChanged();
    emit redisplayRequested();
}

void BudgetDocument::deleteCategoryByIndex(int row)
{
    if (row < kFirstCategoryRow || row >= _catArray.size())
        return;
    emit rowsAboutToChange();
    // The whole element goes, so nothing later finds lists without their
    // envelope entry under a name that no row has.
    _catData.erase(_catArray[row].desc);
    // The records that name the category go with it.
    DocumentExtensions extensions = _extensions;
    PlanningRecords::dropCategory(extensions, _catArray[row].desc);
    _catArray.removeAt(row);
    emit rowsChanged();
    setExtensions(std::move(extensions));
    recalculate();
}

bool BudgetDocument::renameCategory(int row, const QString &toName)
{
    if (row < 0 || row >= _catArray.size())
        return false;
    const QString oldName = _catArray[row].desc;
    if (oldName == toName)
        return true;
    if (row >= kFirstCategoryRow && rowOfCategory(toName) >= 0)
        return false;
    _catArray[row].desc = toName;
    auto node = _catData.extract(oldName);
    if (!node.empty()) {
        node.key() = toName;
        _catData.insert(std::move(node));
    }
    // So do the records that name it.
    DocumentExtensions extensions = _extensions;
    PlanningRecords::renameCategory(extensions, oldName, toName);
    RecurringRename::renameCategory(extensions, oldName, toName);
    setExtensions(std::move(extensions));
    return true;
}

void BudgetDocument::moveCategoryRow(int from, int to)
{
    if (from < kFirstCategoryRow || from >= _catArray.size() || to < kFirstCategoryRow || to > _catArray.size())
        return;
    emit rowsAboutToChange();
    const CategoryRow moved = _catArray[from];
    _catArray.insert(to, moved);
    _catArray.removeAt(from > to ? from + 1 : from);
    emit rowsChanged();
    recalculate();
}

void BudgetDocument::insertCategory(int row, const CategoryRow &category, const MonthLists &lists)
{
    if (row < kFirstCategoryRow || row > _catArray.size() || rowOfCategory(category.desc) >= 0)
        return;
    emit rowsAboutToChange();
    _catArray.insert(row, category);
    _catData[category.desc] = lists;
    emit rowsChanged();
    recalculate();
}

void BudgetDocument::identifyEntries(int month)
{
    if (month < 0 || month >= MonthTables::kMonthCount)
        return;
    for (auto &[name, months] : _catData) {
        EntryList &list = months[std::size_t(month)];
        for (qsizetype at = 1; at < list.size(); ++at) {
            if (list.at(at).id == 0)
                list[at].id = newEntryId();
        }
    }
}

void BudgetDocument::addFixedRows()
{
    createCategory(QStringLiteral("Budget"), QStringLiteral("0"));
    createCategory(QStringLiteral("Remain"), QStringLiteral("0"));
    createCategory(kRowLine, kRowLine);
}

void BudgetDocument::eraseAllData()
{
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        if (!_catArray.isEmpty())
            _catArray[kBudgetRowIndex].months[std::size_t(month)] = QStringLiteral("0");
        _budgetTotals[std::size_t(month)] = QStringLiteral("0");
    }
    setExtensions({});
    if (_catArray.size() <= kFirstCategoryRow)
        return;
    // One structural change instead of a recomputation per deleted row.
    emit rowsAboutToChange();
    for (int row = kFirstCategoryRow; row < _catArray.size(); ++row)
        _catData.erase(_catArray[row].desc);
    _catArray.resize(kFirstCategoryRow);
    emit rowsChanged();
    recalculate();
}

bool BudgetDocument::setLastYearClosing(std::unordered_map<QString, QString> figures)
{
    if (figures == _lastYearClosing)
        return false;
    _lastYearClosing = std::move(figures);
    return true;
}

void BudgetDocument::setExtensions(DocumentExtensions extensions)
{
    if (extensions == _extensions)
        return;
    _extensions = std::move(extensions);
    emit extensionsChanged();
}

QString BudgetDocument::calculateBudgetForColumnId(int month) const
{
    if (month < 0 || month >= MonthTables::kMonthCount)
        return {};
    if (!_envelopeView)
        return _budgetTotals[std::size_t(month)];
    Decimal sum;
    for (int row = kFirstCategoryRow; row < _catArray.size(); ++row) {
        const EntryList *list = entryList(_catArray[row].desc, month);
        if (list && !list->isEmpty())
            sum += Decimal::fromText(list->first().amount);
    }
    return sum.toText();
}

void BudgetDocument::updateTotalsForMonth(int month)
{
    if (month < 0 || month >= MonthTables::kMonthCount || _catArray.size() <= kRemainingRowIndex)
        return;
    const auto column = std::size_t(month);
    const QString budget = calculateBudgetForColumnId(month);
    _catArray[kBudgetRowIndex].months[column] = budget;
    _catArray[kRemainingRowIndex].months[column] = budget;
    // The fixed rows show no average.
    _catArray[kBudgetRowIndex].average = QString();
    if (_catArray.size() <= kFirstCategoryRow)
        return;
    // Once for every row: asked per row, a budget of many categories with
    // few entries would cost the square of their number.
    const int activeMonths = activeMonthCount();

    const Decimal remaining = Decimal::fromText(budget);
    // What the envelopes carry in counts as theirs; without carry records it is 0.
    const EnvelopeCarry carry(_extensions);
    const bool carries = _envelopeView && !carry.isEmpty();
    Decimal carriedInAll;
    Decimal bookedInAll;
    for (int row = kFirstCategoryRow; row < _catArray.size(); ++row) {
        CategoryRow &category = _catArray[row];
        const EntryList *list = entryList(category.desc, month);
        Decimal booked;
        Decimal envelope;
        if (list) {
            for (qsizetype i = 1; i < list->size(); ++i)
                booked += Decimal::fromText(list->at(i).amount);
            if (!list->isEmpty())
                envelope = Decimal::fromText(list->first().amount);
        }
        if (carries) {
            const QString before = month > 0 ? category.months[column - 1] : QString();
            const Decimal carried = carry.carriedIn(category.desc, month, before, _lastYearClosing);
            envelope += carried;
            carriedInAll += carried;
        }
        category.months[column] = _envelopeView ? (envelope - booked).toText() : booked.toText();
        bookedInAll += booked;
        updateAverage(row, activeMonths);
    }
    _catArray[kRemainingRowIndex].months[column] = (remaining + carriedInAll - bookedInAll).toText();
    updateAverage(kRemainingRowIndex, activeMonths);
    emit redisplayRequested();
    // What is carried runs on through the rest of the year.
    if (carries && month + 1 < MonthTables::kMonthCount)
        updateTotalsForMonth(month + 1);
}

bool BudgetDocument::isActiveMonth(int month) const
{
    for (int row = kFirstCategoryRow; row < _catArray.size(); ++row) {
        const EntryList *list = entryList(_catArray[row].desc, month);
        if (list && list->size() > 1)
            return true;
    }
    return false;
}

int BudgetDocument::activeMonthCount() const
{
    int active = 0;
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        if (isActiveMonth(month))
            ++active;
    }
    return active;
}

void BudgetDocument::updateAverage(int row, int activeMonths)
{
    if (row < 0 || row >= _catArray.size())
        return;
    if (row < kFirstCategoryRow) {
        _catArray[row].average = QString();
        return;
    }
    // 32-bit sum that wraps like the machine's int instead of overflowing.
    quint32 sum = 0;
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        sum += quint32(NumberText::intValue(_catArray[row].months[std::size_t(month)]));
    const int average = activeMonths == 0 ? 0 : qint32(sum) / activeMonths;
    _catArray[row].average = QString::number(average);
}

void BudgetDocument::recalculate()
{
    // With carry, January's recomputation runs on through the year by itself.
    if (_envelopeView && categoryCount() > 0 && !EnvelopeCarry(_extensions).isEmpty()) {
        updateTotalsForMonth(0);
        return;
    }
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        updateTotalsForMonth(month);
}
