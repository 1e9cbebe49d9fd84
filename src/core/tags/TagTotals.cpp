#include "TagTotals.h"

#include "NoteTags.h"
#include "document/DocumentSnapshot.h"
#include "year/TransactionQuery.h"

#include <QHash>

#include <algorithm>

Decimal TagTotals::Row::total() const
{
    Decimal sum;
    for (const Decimal &month : months)
        sum += month;
    return sum;
}

TagTotals TagTotals::of(const DocumentSnapshot &year)
{
    TagTotals totals;
    QHash<QString, qsizetype> rowOfTag;
    // Notes repeat (a tag on every receipt of a trip): read each note once.
    QHash<QString, QStringList> tagsOfNote;
    const auto count = [&](int month, const Entry &entry) {
        if (!entry.note.contains(u'#'))
            return;
        auto tags = tagsOfNote.find(entry.note);
        if (tags == tagsOfNote.end())
            tags = tagsOfNote.insert(entry.note, NoteTags::of(entry.note));
        if (tags->isEmpty())
            return;
        const Decimal amount = Decimal::fromText(entry.amount);
        for (const QString &tag : std::as_const(*tags)) {
            auto row = rowOfTag.find(tag);
            if (row == rowOfTag.end()) {
                row = rowOfTag.insert(tag, totals.rows.size());
                totals.rows.append(Row{tag, {}});
            }
            totals.rows[*row].months[std::size_t(month)] += amount;
        }
    };
    // Only the budget's categories: lists of deleted ones are no records.
    for (int row = kFirstCategoryRow; row < year.catArray.size(); ++row) {
        const auto lists = year.catData.find(year.catArray[row].desc);
        if (lists == year.catData.end())
            continue;
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList &list = lists->second[std::size_t(month)];
            // Index 0 is the envelope entry.
            for (qsizetype at = 1; at < list.size(); ++at)
                count(month, list[at]);
        }
    }
    // Alphabetical as a reader sees it: "#äpfel" beside "#apfel", not after "#z".
    std::sort(totals.rows.begin(), totals.rows.end(), [](const Row &a, const Row &b) {
        const QString foldedA = TransactionQuery::fold(a.tag);
        const QString foldedB = TransactionQuery::fold(b.tag);
        return foldedA != foldedB ? foldedA < foldedB : a.tag < b.tag;
    });
    return totals;
}

QStringList TagTotals::tags() const
{
    QStringList names;
    names.reserve(rows.size());
    for (const Row &row : rows)
        names << row.tag;
    return names;
}
