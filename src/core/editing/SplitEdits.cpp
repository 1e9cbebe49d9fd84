#include "SplitEdits.h"

#include "CheckedOutMonth.h"
#include "EditingSession.h"
#include "RecordSteps.h"
#include "document/DocumentWriter.h"
#include "document/TextRules.h"

#include <algorithm>

SplitEdits::SplitEdits(EditingSession &editing)
    : _document(editing.document())
    , _editing(editing)
    , _monthRecords(editing)
{ }

MonthSplits SplitEdits::splitsOf(const CheckedOutMonth &month) const
{
    return MonthSplits::of(_document.extensions(), month.heldMonth(), month.recordCount(),
                           [&month](qsizetype at) -> const Entry & { return month.recordAt(int(at)); });
}

QList<int> SplitEdits::rowsOfSplit(const CheckedOutMonth &month, int row) const
{
    if (row < 0 || row >= month.recordCount())
        return {};
    const MonthSplits splits = splitsOf(month);
    const MonthSplits::Split *split = splits.splitOf(month.recordAt(row).id);
    if (!split)
        return {row};
    QList<int> rows;
    for (const quint64 id : split->parts)
        rows.append(month.rowOfRecord(id));
    return rows;
}

QList<SplitPart> SplitEdits::partsOf(const CheckedOutMonth &month, int row) const
{
    QList<SplitPart> parts;
    for (const int at : rowsOfSplit(month, row)) {
        const RegisterRecord &record = month.recordAt(at);
        parts.append({record.category, record.amount, record.note});
    }
    return parts;
}

Decimal SplitEdits::totalOf(const CheckedOutMonth &month, int row) const
{
    Decimal total;
    for (const int at : rowsOfSplit(month, row))
        total += Decimal::fromText(month.recordAt(at).amount);
    return total;
}

EditAnswer SplitEdits::split(CheckedOutMonth &month, int row, const QList<SplitPart> &parts, const QLocale &locale)
{
    const QList<int> rows = rowsOfSplit(month, row);
    if (rows.isEmpty())
        return EditAnswer::unchanged();
    if (parts.size() < 2)
        return EditAnswer::refused(tr("A split needs two parts or more."));
    const RegisterRecord &whole = month.recordAt(rows.first());
    QList<RegisterRecord> records;
    Decimal sum;
    for (const SplitPart &part : parts) {
        if (_document.rowOfCategory(part.category) < kFirstCategoryRow)
            return EditAnswer::refused(tr("Choose a category for each part."));
        const CheckedText amount = TextRules::checkAmount(part.amount, locale);
        if (!amount.ok())
            return EditAnswer::refused(amount.error);
        const CheckedText note = TextRules::checkNote(part.note);
        if (!note.ok())
            return EditAnswer::refused(note.error);
        sum += Decimal::fromText(amount.text);
        RegisterRecord record = whole;
        record.category = part.category;
        record.amount = amount.text;
        record.note = note.text;
        record.lookup = CategoryLookup::Settled;
        records.append(record);
    }
    const Decimal total = totalOf(month, row);
    if (!(sum == total))
        return EditAnswer::refused(tr("The parts add up to %1, but the total is %2.").arg(sum.toText(), total.toText()));
    const bool wasSplit = rows.size() > 1;
    if (wasSplit && rows.size() == records.size()) {
        bool same = true;
        for (qsizetype at = 0; at < rows.size() && same; ++at) {
            const RegisterRecord &now = month.recordAt(rows[at]);
            same = now.category == records[at].category && now.amount == records[at].amount
                && now.note == records[at].note;
        }
        if (same)
            return EditAnswer::unchanged();
    }
    return replaceRecords(wasSplit ? tr("Change Split") : tr("Split Transaction"), month, rows, records, true);
}

EditAnswer SplitEdits::unsplit(CheckedOutMonth &month, int row)
{
    const QList<int> rows = rowsOfSplit(month, row);
    if (rows.size() < 2)
        return EditAnswer::unchanged();
    RegisterRecord whole = month.recordAt(rows.first());
    QStringList notes;
    for (const int at : rows) {
        const QString &note = month.recordAt(at).note;
        if (!note.isEmpty() && !notes.contains(note))
            notes.append(note);
    }
    whole.amount = totalOf(month, row).toText();
    whole.note = notes.join(QStringLiteral("; "));
    return replaceRecords(tr("Unsplit Transaction"), month, rows, {whole}, false);
}

EditAnswer SplitEdits::replaceRecords(const QString &name, CheckedOutMonth &month, const QList<int> &rows,
                                      QList<RegisterRecord> records, bool link)
{
    const QList<PlacedRecord> removed = placedRecords(month, rows);
    QList<quint64> oldIds;
    for (const PlacedRecord &placed : removed)
        oldIds.append(placed.record.id);
    const int at = *std::min_element(rows.cbegin(), rows.cend());
    for (auto placed = removed.crbegin(); placed != removed.crend(); ++placed)
        month.removeRecord(month.rowOfRecord(placed->record.id));
    QList<int> added;
    QList<quint64> ids;
    for (qsizetype part = 0; part < records.size(); ++part) {
        records[part].id = DocumentWriter(_document).newEntryId();
        ids.append(records[part].id);
        month.insertRecord(at + int(part), records[part]);
        added.append(at + int(part));
    }
    month.amountsChanged();

    // The old link goes where it stood, the new one takes its place.
    QList<SplitLink> links = SplitLinks::read(_document.extensions());
    const auto old = std::find_if(links.begin(), links.end(), [&oldIds](const SplitLink &link) {
        return std::any_of(link.parts.cbegin(), link.parts.cend(), [&oldIds](quint64 id) { return oldIds.contains(id); });
    });
    if (link && old != links.end())
        *old = {month.heldMonth(), ids};
    else if (link)
        links.append({month.heldMonth(), ids});
    else if (old != links.end())
        links.erase(old);
    const DocumentExtensions before = _document.extensions();
    const DocumentExtensions after = SplitLinks::with(before, links);
    DocumentWriter(_document).setExtensions(after);

    auto group = std::make_unique<StepGroup>(name);
    group->add(std::make_unique<RecordsRemoved>(name, _monthRecords, month.heldMonth(), removed));
    group->add(std::make_unique<RecordsAdded>(name, _monthRecords, month.heldMonth(), placedRecords(month, added)));
    group->add(std::make_unique<ExtensionsReplaced>(_document, before, after));
    _editing.record(std::move(group));
    return EditAnswer::changed();
}
