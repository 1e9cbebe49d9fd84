#include "DocumentSnapshot.h"

#include <algorithm>

namespace {

bool sameRowNames(const QList<CategoryRow> &a, const QList<CategoryRow> &b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
                      [](const CategoryRow &x, const CategoryRow &y) { return x.desc == y.desc; });
}

} // namespace

DocumentSnapshot DocumentSnapshot::take(const BudgetDocument &document)
{
    return {document.getCatArray(), document.getCatDataDictionary(), document.budgetTotals(), document.extensions()};
}

void DocumentSnapshot::restoreInto(BudgetDocument &document) const
{
    const bool rowsChange = !sameRowNames(document.getCatArray(), catArray);
    // The document's own signals, so the grid resets as for any other row change.
    if (rowsChange)
        emit document.rowsAboutToChange();
    document.getCatArray() = catArray;
    std::unordered_map<QString, MonthLists> &lists = document.getCatDataDictionary();
    std::erase_if(lists, [this](const auto &item) { return !catData.contains(item.first); });
    for (const auto &[name, months] : catData)
        lists[name] = months;
    document.budgetTotals() = budgetTotals;
    document.setExtensions(extensions);
    if (rowsChange)
        emit document.rowsChanged();
    document.recalculate();
}
