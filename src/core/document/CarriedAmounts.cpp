#include "CarriedAmounts.h"

#include "BudgetDocument.h"
#include "EnvelopeCarry.h"

namespace CarriedAmounts {

namespace {

Decimal intoRow(const BudgetDocument &document, const EnvelopeCarry &carry, int row, int month)
{
    const QList<CategoryRow> &rows = document.getCatArray();
    if (!document.isEnvelopeEnabled() || row < kFirstCategoryRow || row >= rows.size() || month < 0
        || month >= MonthTables::kMonthCount)
        return {};
    const QString before = month > 0 ? rows[row].months[std::size_t(month - 1)] : QString();
    return carry.carriedIn(rows[row].desc, month, before, document.lastYearClosing());
}

} // namespace

Decimal into(const BudgetDocument &document, const QString &category, int month)
{
    return intoRow(document, EnvelopeCarry(document.extensions()), document.rowOfCategory(category), month);
}

Decimal intoMonth(const BudgetDocument &document, int month)
{
    const EnvelopeCarry carry(document.extensions());
    Decimal sum;
    if (carry.isEmpty())
        return sum;
    for (int row = kFirstCategoryRow; row < document.getCatArray().size(); ++row)
        sum += intoRow(document, carry, row, month);
    return sum;
}

} // namespace CarriedAmounts
