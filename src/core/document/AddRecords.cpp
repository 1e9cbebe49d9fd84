#include "AddRecords.h"

#include "BudgetDocument.h"

#include <QHash>
#include <QSet>

#include <bitset>

namespace {

void recompute(BudgetDocument &document, const std::bitset<MonthTables::kMonthCount> &months)
{
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        if (months.test(std::size_t(month)))
            document.updateTotalsForMonth(MonthTables::monthIdString(month));
    }
}

} // namespace

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
        Entry entry = record.entry;
        if (entry.id == 0)
            entry.id = document.newEntryId();
        document.entryList(record.category, record.month)->append(entry);
        touched.set(std::size_t(record.month));
    }
    recompute(document, touched);
    return true;
}

void AddRecords::takeBack(BudgetDocument &document) const
{
    // By id, wherever a write-back in register order has moved them since.
    QHash<EntryList *, QSet<quint64>> added;
    std::bitset<MonthTables::kMonthCount> touched;
    for (const NewRecord &record : _records) {
        EntryList *list = document.entryList(record.category, record.month);
        if (!list || record.entry.id == 0)
            continue;
        added[list].insert(record.entry.id);
        touched.set(std::size_t(record.month));
    }
    for (auto list = added.cbegin(); list != added.cend(); ++list)
        list.key()->removeIf([&ids = list.value()](const Entry &entry) { return ids.contains(entry.id); });
    recompute(document, touched);
}

AddRecords AddRecords::withIds(BudgetDocument &document) const
{
    QList<NewRecord> records = _records;
    for (NewRecord &record : records) {
        if (record.entry.id == 0)
            record.entry.id = document.newEntryId();
    }
    return AddRecords(std::move(records));
}
