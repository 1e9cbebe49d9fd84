#include "DocumentWriter.h"

#include "DocumentSnapshot.h"
#include "RegisterRecord.h"

#include <algorithm>

namespace {

bool sameRowNames(const QList<CategoryRow> &a, const QList<CategoryRow> &b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
                      [](const CategoryRow &x, const CategoryRow &y) { return x.desc == y.desc; });
}

} // namespace

EntryList *DocumentWriter::entryList(const QString &category, int month) const
{
    const auto found = _document._catData.find(category);
    if (found == _document._catData.end() || month < 0 || month >= MonthTables::kMonthCount)
        return nullptr;
    return &found->second[std::size_t(month)];
}

void DocumentWriter::setBudget(int month, const QString &amount) const
{
    if (month >= 0 && month < MonthTables::kMonthCount)
        _document._budgetTotals[std::size_t(month)] = amount;
}

void DocumentWriter::setEnvelope(const QString &category, int month, const QString &amount) const
{
    if (EntryList *list = entryList(category, month); list && !list->isEmpty())
        (*list)[0].amount = amount;
}

void DocumentWriter::replaceMonthRecords(int month, const QList<RegisterRecord> &records) const
{
    if (month < 0 || month >= MonthTables::kMonthCount)
        return;
    for (int row = kFirstCategoryRow; row < _document._catArray.size(); ++row) {
        if (EntryList *list = entryList(_document._catArray[row].desc, month); list && list->size() > 1)
            list->resize(1);
    }
    for (const RegisterRecord &record : records) {
        if (EntryList *list = entryList(record.category, month))
            list->append(record.toEntry());
    }
    _document.updateTotalsForMonth(month);
}

void DocumentWriter::restore(const DocumentSnapshot &snapshot) const
{
    const bool rowsChange = !sameRowNames(_document._catArray, snapshot.catArray);
    // The document's own signals, so the grid resets as for any other row change.
    if (rowsChange)
        emit _document.rowsAboutToChange();
    _document._catArray = snapshot.catArray;
    std::unordered_map<QString, MonthLists> &lists = _document._catData;
    std::erase_if(lists, [&snapshot](const auto &item) { return !snapshot.catData.contains(item.first); });
    for (const auto &[name, months] : snapshot.catData)
        lists[name] = months;
    _document._budgetTotals = snapshot.budgetTotals;
    _document.setExtensions(snapshot.extensions);
    if (rowsChange)
        emit _document.rowsChanged();
    _document.recalculate();
}

void DocumentWriter::setEnvelopeView(bool on) const
{
    if (_document._envelopeView == on)
        return;
    _document._envelopeView = on;
    _document.recalculate();
}

void DocumentWriter::setLastYearClosing(std::unordered_map<QString, QString> figures) const
{
    if (_document.setLastYearClosing(std::move(figures)))
        _document.recalculate();
}
