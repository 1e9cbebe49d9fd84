#include "NewYearBudget.h"

#include "BudgetYear.h"
#include "NextYearCarry.h"
#include "document/BudgetDocument.h"
#include "recurring/RecurringCarry.h"

namespace NewYearBudget {

DocumentSnapshot from(const BudgetDocument &document, const QString &path)
{
    DocumentSnapshot next;
    next.catArray = document.getCatArray();
    next.budgetTotals = document.budgetTotals();
    for (int row = kFirstCategoryRow; row < next.catArray.size(); ++row) {
        const QString &name = next.catArray[row].desc;
        MonthLists lists;
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList *old = document.entryList(name, month);
            // Only the envelope entry goes over: it holds the month's envelope.
            lists[std::size_t(month)].append(old && !old->isEmpty() ? old->first() : Entry::envelope());
        }
        next.catData.emplace(name, std::move(lists));
    }
    const std::optional<int> year = BudgetYear::of(document, path);
    if (year)
        next.extensions.setYear(*year + 1);
    NextYearCarry::addTo(next.extensions, document);
    RecurringCarry::addTo(next.extensions, document, year);
    return next;
}

std::optional<QString> suggestedPath(const QString &path)
{
    return BudgetYear::pathWithYearMoved(path, 1);
}

} // namespace NewYearBudget
