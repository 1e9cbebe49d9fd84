#include "BookedSums.h"

#include "document/BudgetDocument.h"
#include "document/NumberText.h"

namespace BookedSums {

namespace {

constexpr int kEveryDay = 31;

Decimal ofList(const EntryList *list, int lastDay)
{
    Decimal sum;
    // Index 0 is the envelope entry.
    for (qsizetype at = 1; list && at < list->size(); ++at) {
        if (lastDay >= kEveryDay || NumberText::intValue(list->at(at).day) <= lastDay)
            sum += Decimal::fromText(list->at(at).amount);
    }
    return sum;
}

} // namespace

Decimal of(const BudgetDocument &document, const QString &category, int month)
{
    return throughDay(document, category, month, kEveryDay);
}

Decimal throughDay(const BudgetDocument &document, const QString &category, int month, int day)
{
    if (!category.isEmpty())
        return ofList(document.entryList(category, month), day);
    Decimal sum;
    const QList<CategoryRow> &rows = document.getCatArray();
    for (int row = kFirstCategoryRow; row < rows.size(); ++row)
        sum += ofList(document.entryList(rows[row].desc, month), day);
    return sum;
}

} // namespace BookedSums
