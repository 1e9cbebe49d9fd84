#include "RecordEdits.h"

#include "CheckedOutMonth.h"
#include "DescriptionLookup.h"
#include "EditingSession.h"
#include "RecordSteps.h"
#include "TypedTextEdit.h"
#include "document/BudgetDocument.h"

#include <QHash>

namespace {

/// The places of the rows, ascending, for putting them back in that order.
QList<PlacedRecord> placesOf(const CheckedOutMonth &month, QList<int> rows)
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

} // namespace

RecordEdits::RecordEdits(EditingSession &editing)
    : _document(editing.document())
    , _editing(editing)
    , _monthRecords(editing)
{ }

QString RecordEdits::fieldTitle(RecordField field)
{
    switch (field) {
    case RecordField::Reconciled:
        return tr("Reconciled");
    case RecordField::Day:
        return tr("Day");
    case RecordField::Desc:
        return tr("Description");
    case RecordField::Category:
        return tr("Category");
    case RecordField::Amount:
        return tr("Amount");
    case RecordField::Note:
        return tr("Note");
    }
    Q_UNREACHABLE();
}

CheckedText RecordEdits::checkField(RecordField field, const QString &typed, const QLocale &locale) const
{
    switch (field) {
    case RecordField::Reconciled:
        return { typed == kReconciledMark ? kReconciledMark : kOpenMark, {} };
    case RecordField::Day:
        return TextRules::checkDay(typed);
    case RecordField::Desc:
        return TextRules::checkDescription(typed);
    case RecordField::Note:
        return TextRules::checkNote(typed);
    case RecordField::Amount:
        return TextRules::checkAmount(typed, locale);
    case RecordField::Category:
        // Write-back and carry-over need a category that has lists.
        if (_document.rowOfCategory(typed) >= 0)
            return { typed, {} };
        return { typed, tr("\"%1\" is not a category of this budget. Choose one of its categories.").arg(typed) };
    }
    Q_UNREACHABLE();
}

EditAnswer RecordEdits::setField(CheckedOutMonth &month, int row, RecordField field, const QString &typed,
                                 const QLocale &locale)
{
    if (row < 0 || row >= month.recordCount())
        return EditAnswer::unchanged();
    const RegisterRecord before = month.recordAt(row);
    RegisterRecord after = before;
    // The box sets the mark it shows, whatever an old file left there.
    const QString text = field == RecordField::Reconciled ? checkField(field, typed, locale).text : typed;
    const EditAnswer answer = applyTypedText(
        before.value(field), text,
        [this, field, &locale](const QString &value) { return checkField(field, value, locale); },
        [&](const QString &checked) {
            if (field == RecordField::Desc && before.lookup == CategoryLookup::Pending) {
                // Looked up while the record still carries its old description.
                after.lookup = CategoryLookup::Settled;
                after.category = categoryFromDesc(month, checked);
            }
            if (field == RecordField::Category)
                after.lookup = CategoryLookup::Settled;
            after.setValue(field, checked);
        });
    if (!answer.isChanged())
        return answer;
    month.replaceRecord(row, after);
    if (field == RecordField::Amount)
        month.amountsChanged();

    PlacedRecord was { before, {} };
    PlacedRecord is { after, {} };
    if (after.category != before.category) {
        was.place.afterInCategory = previousInCategory(month, row, before.category);
        is.place.afterInCategory = previousInCategory(month, row, after.category);
    }
    QString name;
    if (field == RecordField::Reconciled)
        name = after.reconciled == kReconciledMark ? tr("Reconcile") : tr("Clear Reconciled Mark");
    else
        name = tr("Edit %1").arg(fieldTitle(field));
    _editing.record(std::make_unique<RecordReplaced>(name, _monthRecords, month.heldMonth(), was, is));
    return answer;
}

EditAnswer RecordEdits::addRecord(CheckedOutMonth &month, RegisterRecord draft)
{
    if (_document.categoryCount() <= 0)
        return EditAnswer::refused(tr("Please create a category first. Categories can be edited by clicking the "
                                      "category action icon."));
    draft.id = _document.newEntryId();
    const int row = month.recordCount();
    const PlacedRecord placed {
        draft, { row > 0 ? month.recordAt(row - 1).id : 0, previousInCategory(month, row, draft.category) }
    };
    month.insertRecord(row, draft);
    month.amountsChanged();
    _editing.record(std::make_unique<RecordsAdded>(tr("Add Transaction"), _monthRecords, month.heldMonth(),
                                                   QList<PlacedRecord> { placed }));
    return EditAnswer::changed();
}

EditAnswer RecordEdits::deleteRecords(CheckedOutMonth &month, const QList<int> &rows)
{
    if (rows.isEmpty())
        return EditAnswer::unchanged();
    QList<PlacedRecord> removed = placesOf(month, rows);
    for (auto placed = removed.crbegin(); placed != removed.crend(); ++placed)
        month.removeRecord(month.rowOfRecord(placed->record.id));
    month.amountsChanged();
    const QString name = removed.size() == 1 ? tr("Delete Transaction") : tr("Delete Transactions");
    _editing.record(std::make_unique<RecordsRemoved>(name, _monthRecords, month.heldMonth(), std::move(removed)));
    return EditAnswer::changed();
}

EditAnswer RecordEdits::carryOver(CheckedOutMonth &month, const QList<int> &rows)
{
    const int next = month.heldMonth() + 1;
    if (rows.isEmpty() || month.heldMonth() < 0 || next >= MonthTables::kMonthCount)
        return EditAnswer::unchanged();
    QList<int> ascending = rows;
    std::sort(ascending.begin(), ascending.end());
    // The carried records go after the ones there, which need ids for that.
    _document.identifyEntries(next);
    QList<PlacedRecord> carried;
    for (const int row : std::as_const(ascending)) {
        const RegisterRecord &source = month.recordAt(row);
        const EntryList *list = _document.entryList(source.category, next);
        if (!list)
            continue;
        RegisterRecord copy = RegisterRecord::fromEntry(
            Entry { source.day, source.desc, source.amount, QString(), kOpenMark, _document.newEntryId() },
            source.category);
        // After whatever the month holds, the earlier carried ones included.
        const quint64 last = list->size() > 1 ? list->last().id : 0;
        carried.append({ copy, { RecordPlace::kLast, last } });
        _monthRecords.putRecord(next, copy, { RecordPlace::kLast, last });
    }
    if (carried.isEmpty())
        return EditAnswer::unchanged();
    _monthRecords.recordsChanged(next);
    _editing.record(std::make_unique<RecordsAdded>(tr("Carry Over"), _monthRecords, next, std::move(carried)));
    return EditAnswer::changed();
}

QString RecordEdits::categoryFromDesc(const CheckedOutMonth &month, const QString &desc) const
{
    for (int row = month.recordCount() - 1; row >= 0; --row) {
        if (month.recordAt(row).desc == desc)
            return month.recordAt(row).category;
    }
    const QString earlier = DescriptionLookup(_document, {desc}).categoryBefore(month.heldMonth(), desc);
    if (!earlier.isNull())
        return earlier;
    return _document.categoryCount() > 0 ? _document.getCatArray()[kFirstCategoryRow].desc : QString();
}

quint64 RecordEdits::previousInCategory(const CheckedOutMonth &month, int row, const QString &category)
{
    for (int above = row - 1; above >= 0; --above) {
        if (month.recordAt(above).category == category)
            return month.recordAt(above).id;
    }
    return 0;
}
