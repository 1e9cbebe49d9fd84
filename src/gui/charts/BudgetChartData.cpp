#include "BudgetChartData.h"

#include "document/BudgetDocument.h"
#include "document/Decimal.h"
#include "document/CarriedAmounts.h"
#include "document/EnvelopeCarry.h"

namespace {

double toDouble(const Decimal &value)
{
    return value.toText().toDouble();
}

} // namespace

BudgetChartData BudgetChartData::fromDocument(const BudgetDocument &document)
{
    BudgetChartData data;
    data.envelopeMode = document.isEnvelopeEnabled();
    const QList<CategoryRow> &rows = document.getCatArray();
    std::array<Decimal, 12> spent;
    std::array<Decimal, 12> envelopes;
    for (int row = kFirstCategoryRow; row < rows.size(); ++row) {
        Decimal yearSpent;
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList *list = document.entryList(rows[row].desc, month);
            if (!list || list->isEmpty())
                continue;
            envelopes[std::size_t(month)] += Decimal::fromText(list->first().amount);
            for (qsizetype i = 1; i < list->size(); ++i) {
                const Decimal amount = Decimal::fromText(list->at(i).amount);
                spent[std::size_t(month)] += amount;
                yearSpent += amount;
            }
        }
        data.categories.append({rows[row].desc, toDouble(yearSpent)});
    }
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        const auto index = std::size_t(month);
        // What the envelopes carried in is money to spend as much as the month's own.
        const Decimal carried = CarriedAmounts::intoMonth(document, month);
        data.budget[index] = toDouble(Decimal::fromText(document.calculateBudgetForColumnId(month)) + carried);
        data.spent[index] = toDouble(spent[index]);
        data.envelopes[index] = toDouble(envelopes[index] + carried);
    }
    return data;
}
