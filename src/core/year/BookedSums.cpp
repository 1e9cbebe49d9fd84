#include "BookedSums.h"

#include "document/BudgetDocument.h"

namespace BookedSums {

namespace {

Decimal ofList(const EntryList *list)
{
    Decimal sum;
    // Index 0 is the envelope entry.
    for (qsizetype at = 1; list && at < list->size(); ++at)
        sum += Decimal::fromText(list->at(at).amount);
    return sum;
}

} // namespace

Decimal of(const BudgetDocument &document, const QString &category, int month)
{
    if (!category.isEmpty())
        return ofList(document.entryList(category, month));
    Decimal sum;
    const QList<CategoryRow> &rows = document.getCatArray();
    for (int row = kFirstCategoryRow; row < rows.size(); ++row)
        sum += ofList(document.entryList(rows[row].desc, month));
    return sum;
}

} // namespace BookedSums
