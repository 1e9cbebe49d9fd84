#include "MonthRecords.h"

#include "CheckedOutMonth.h"
#include "EditingSession.h"
#include "document/DocumentWriter.h"

#include <QHash>

#include <algorithm>

namespace {

struct EntryPosition
{
    EntryList *list = nullptr;
    qsizetype at = -1;
};

/// The stored entry with this id in the month, searched category by category.
EntryPosition findEntry(const DocumentWriter &writer, int month, quint64 id)
{
    const QList<CategoryRow> &categories = writer.document().getCatArray();
    for (int row = kFirstCategoryRow; row < categories.size(); ++row) {
        EntryList *list = writer.entryList(categories[row].desc, month);
        if (!list)
            continue;
        for (qsizetype at = 1; at < list->size(); ++at) {
            if (list->at(at).id == id)
                return { list, at };
        }
    }
    return {};
}

/// The index after the entry `after` in the list: 1 (after the envelope)
/// for none, the end when it is not there.
qsizetype indexAfter(const EntryList &list, quint64 after)
{
    if (after == 0)
        return qMin<qsizetype>(1, list.size());
    for (qsizetype at = 1; at < list.size(); ++at) {
        if (list.at(at).id == after)
            return at + 1;
    }
    return list.size();
}

} // namespace

QList<PlacedRecord> placedRecords(const CheckedOutMonth &month, QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    QList<PlacedRecord> placed;
    placed.reserve(rows.size());
    QHash<QString, quint64> lastOfCategory;
    quint64 last = 0;
    int row = 0;
    for (const int wanted : std::as_const(rows)) {
        for (; row < wanted; ++row) {
            const RegisterRecord &record = month.recordAt(row);
            lastOfCategory[record.category] = last = record.id;
        }
        const RegisterRecord &record = month.recordAt(wanted);
        placed.append({ record, { last, lastOfCategory.value(record.category) } });
    }
    return placed;
}

MonthRecords::MonthRecords(EditingSession &editing)
    : _document(editing.document())
    , _editing(editing)
{ }

void MonthRecords::putRecord(int month, const RegisterRecord &record, const RecordPlace &place)
{
    if (CheckedOutMonth *held = _editing.checkedOut(month)) {
        const int above = place.afterInList == 0 ? -1 : held->rowOfRecord(place.afterInList);
        held->insertRecord(place.afterInList != 0 && above < 0 ? held->recordCount() : above + 1, record);
        return;
    }
    if (EntryList *list = DocumentWriter(_document).entryList(record.category, month))
        list->insert(indexAfter(*list, place.afterInCategory), record.toEntry());
}

void MonthRecords::takeRecord(int month, quint64 id)
{
    if (CheckedOutMonth *held = _editing.checkedOut(month)) {
        if (const int row = held->rowOfRecord(id); row >= 0)
            held->removeRecord(row);
        return;
    }
    if (const EntryPosition found = findEntry(DocumentWriter(_document), month, id); found.list)
        found.list->removeAt(found.at);
}

void MonthRecords::replaceRecord(int month, quint64 id, const RegisterRecord &record, quint64 afterInCategory)
{
    if (CheckedOutMonth *held = _editing.checkedOut(month)) {
        if (const int row = held->rowOfRecord(id); row >= 0)
            held->replaceRecord(row, record);
        return;
    }
    const EntryPosition found = findEntry(DocumentWriter(_document), month, id);
    if (!found.list)
        return;
    if (found.list == _document.entryList(record.category, month)) {
        (*found.list)[found.at] = record.toEntry();
        return;
    }
    found.list->removeAt(found.at);
    putRecord(month, record, { 0, afterInCategory });
}

void MonthRecords::recordsChanged(int month)
{
    if (CheckedOutMonth *held = _editing.checkedOut(month))
        held->amountsChanged();
    else
        DocumentWriter(_document).updateTotalsForMonth(month);
}
