#include "AddRecords.h"

#include "document/DocumentWriter.h"

#include <QHash>
#include <QSet>

#include <bitset>

namespace {

void recompute(const DocumentWriter &writer, const std::bitset<MonthTables::kMonthCount> &months)
{
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        if (months.test(std::size_t(month)))
            writer.updateTotalsForMonth(month);
    }
}

Entry *correctedEntry(const DocumentWriter &writer, const AmountCorrection &correction)
{
    EntryList *list = writer.entryList(correction.category, correction.month);
    const quint64 id = correction.entry.id;
    // Index 0 is the envelope entry.
    for (qsizetype at = 1; list && at < list->size(); ++at) {
        Entry &entry = (*list)[at];
        if (id != 0 ? entry.id == id : entry.id == 0 && entry == correction.entry)
            return &entry;
    }
    return nullptr;
}

} // namespace

AddRecords::AddRecords(QList<NewRecord> records, QList<AmountCorrection> corrections, QList<QList<qsizetype>> splits)
    : _records(std::move(records))
    , _corrections(std::move(corrections))
    , _splits(std::move(splits))
{ }

bool AddRecords::apply(BudgetDocument &document) const
{
    const DocumentWriter writer(document);
    for (const NewRecord &record : _records) {
        // Only category rows have entry lists.
        if (record.month < 0 || record.month >= MonthTables::kMonthCount
            || !writer.entryList(record.category, record.month))
            return false;
    }
    for (const AmountCorrection &correction : _corrections) {
        if (correction.month < 0 || correction.month >= MonthTables::kMonthCount || !correctedEntry(writer, correction))
            return false;
    }
    std::bitset<MonthTables::kMonthCount> touched;
    for (const AmountCorrection &correction : _corrections) {
        correctedEntry(writer, correction)->amount = correction.to;
        touched.set(std::size_t(correction.month));
    }
    for (const NewRecord &record : _records) {
        Entry entry = record.entry;
        if (entry.id == 0)
            entry.id = writer.newEntryId();
        writer.entryList(record.category, record.month)->append(entry);
        touched.set(std::size_t(record.month));
    }
    recompute(writer, touched);
    return true;
}

void AddRecords::takeBack(BudgetDocument &document) const
{
    const DocumentWriter writer(document);
    // By id, wherever a write-back in register order has moved them since.
    QHash<EntryList *, QSet<quint64>> added;
    std::bitset<MonthTables::kMonthCount> touched;
    for (const NewRecord &record : _records) {
        EntryList *list = writer.entryList(record.category, record.month);
        if (!list || record.entry.id == 0)
            continue;
        added[list].insert(record.entry.id);
        touched.set(std::size_t(record.month));
    }
    for (auto list = added.cbegin(); list != added.cend(); ++list)
        list.key()->removeIf([&ids = list.value()](const Entry &entry) { return ids.contains(entry.id); });
    for (const AmountCorrection &correction : _corrections) {
        if (Entry *entry = correctedEntry(writer, correction)) {
            entry->amount = correction.entry.amount;
            touched.set(std::size_t(correction.month));
        }
    }
    recompute(writer, touched);
}

AddRecords AddRecords::withIds(BudgetDocument &document) const
{
    const DocumentWriter writer(document);
    QList<NewRecord> records = _records;
    for (NewRecord &record : records) {
        if (record.entry.id == 0)
            record.entry.id = writer.newEntryId();
    }
    QList<AmountCorrection> corrections = _corrections;
    for (AmountCorrection &correction : corrections) {
        Entry *booked = correction.entry.id == 0 ? correctedEntry(writer, correction) : nullptr;
        if (booked) {
            booked->id = writer.newEntryId();
            correction.entry.id = booked->id;
        }
    }
    return AddRecords(std::move(records), std::move(corrections), _splits);
}
