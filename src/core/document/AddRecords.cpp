#include "AddRecords.h"

#include "BudgetDocument.h"

#include <bitset>

AddRecords::AddRecords(QList<NewRecord> records)
    : _records(std::move(records))
{
}

bool AddRecords::apply(BudgetDocument &document) const
{
    for (const NewRecord &record : _records) {
        // Only category rows have entry lists.
        if (record.month < 0 || record.month >= MonthTables::kMonthCount
            || !document.entryList(record.category, record.month))
            return false;
    }
    std::bitset<MonthTables::kMonthCount> touched;
    for (const NewRecord &record : _records) {
        document.entryList(record.category, record.month)->append(record.entry);
        touched.set(std::size_t(record.month));
    }
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        if (touched.test(std::size_t(month)))
            document.updateTotalsForMonth(MonthTables::monthIdString(month));
    }
    return true;
}
