#include "RecordEdits.h"

#include "CheckedOutMonth.h"
#include "DescriptionLookup.h"
#include "EditingSession.h"
#include "RecordSteps.h"
#include "TypedTextEdit.h"
#include "document/DocumentWriter.h"
#include "splits/MonthSplits.h"

#include <QHash>

namespace {

/// The rows with every other part of the splits they are parts of, ascending.
QList<int> withWholeSplits(const CheckedOutMonth &month, const MonthSplits &splits, const QList<int> &rows)
{
    QList<int> whole = rows;
    if (!splits.isEmpty()) {
        for (const int row : rows) {
            const MonthSplits::Split *split = splits.splitOf(month.recordAt(row).id);
            for (const quint64 id : split ? split->parts : QList<quint64>())
                whole.append(month.rowOfRecord(id));
        }
    }
    std::sort(whole.begin(), whole.end());
    whole.erase(std::unique(whole.begin(), whole.end()), whole.end());
    return whole;
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
    // The parts of a split share the day and the description.
    QList<int> rows{row};
    if (field == RecordField::Day || field == RecordField::Desc)
        rows = withWholeSplits(month, MonthSplits::of(_document.extensions(), month.heldMonth(), month.recordCount(),
                                                      [&month](qsizetype at) -> const Entry & {
                                                          return month.recordAt(int(at));
                                                      }),
                               {row});
    if (rows.size() > 1)
        return setSplitField(month, rows, field, after.value(field));
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

EditAnswer RecordEdits::setSplitField(CheckedOutMonth &month, const QList<int> &rows, RecordField field,
                                      const QString &text)
{
    auto group = std::make_unique<StepGroup>(tr("Edit %1").arg(fieldTitle(field)));
    for (const int row : rows) {
        const RegisterRecord before = month.recordAt(row);
        RegisterRecord after = before;
        after.setValue(field, text);
        month.replaceRecord(row, after);
        group->add(std::make_unique<RecordReplaced>(QString(), _monthRecords, month.heldMonth(),
                                                    PlacedRecord{before, {}}, PlacedRecord{after, {}}));
    }
    _editing.record(std::move(group));
    return EditAnswer::changed();
}

EditAnswer RecordEdits::addRecord(CheckedOutMonth &month, RegisterRecord draft)
{
    if (_document.categoryCount() <= 0)
        return EditAnswer::refused(tr("Please create a category first. Categories can be edited by clicking the "
                                      "category action icon."));
    draft.id = DocumentWriter(_document).newEntryId();
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
    QList<PlacedRecord> removed = placedRecords(month, rows);
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
    // A split goes over whole, as a split of the same parts.
    const MonthSplits splits = MonthSplits::of(_document.extensions(), month.heldMonth(), month.recordCount(),
                                               [&month](qsizetype at) -> const Entry & {
                                                   return month.recordAt(int(at));
                                               });
    const QList<int> ascending = withWholeSplits(month, splits, rows);
    // The carried records go after the ones there, which need ids for that.
    DocumentWriter(_document).identifyEntries(next);
    QList<PlacedRecord> carried;
    QHash<int, QList<std::pair<int, quint64>>> carriedParts; // split → (part number, copy's id)
    for (const int row : std::as_const(ascending)) {
        const RegisterRecord &source = month.recordAt(row);
        const EntryList *list = _document.entryList(source.category, next);
        if (!list)
            continue;
        RegisterRecord copy = RegisterRecord::fromEntry(Entry { source.day, source.desc, source.amount, QString(),
                                                                kOpenMark, DocumentWriter(_document).newEntryId() },
                                                        source.category);
        // After whatever the month holds, the earlier carried ones included.
        const quint64 last = list->size() > 1 ? list->last().id : 0;
        carried.append({ copy, { RecordPlace::kLast, last } });
        _monthRecords.putRecord(next, copy, { RecordPlace::kLast, last });
        if (const std::optional<MonthSplits::Part> part = splits.partOf(source.id))
            carriedParts[part->split].append({part->number, copy.id});
    }
    if (carried.isEmpty())
        return EditAnswer::unchanged();
    _monthRecords.recordsChanged(next);
    auto added = std::make_unique<RecordsAdded>(tr("Carry Over"), _monthRecords, next, std::move(carried));
    if (carriedParts.isEmpty()) {
        _editing.record(std::move(added));
        return EditAnswer::changed();
    }
    QList<SplitLink> links = SplitLinks::read(_document.extensions());
    for (auto parts = carriedParts.begin(); parts != carriedParts.end(); ++parts) {
        std::sort(parts->begin(), parts->end());
        SplitLink link{next, {}};
        for (const auto &[number, id] : std::as_const(*parts))
            link.parts.append(id);
        links.append(link);
    }
    const DocumentExtensions before = _document.extensions();
    const DocumentExtensions after = SplitLinks::with(before, links);
    DocumentWriter(_document).setExtensions(after);
    auto group = std::make_unique<StepGroup>(tr("Carry Over"));
    group->add(std::move(added));
    group->add(std::make_unique<ExtensionsReplaced>(_document, before, after));
    _editing.record(std::move(group));
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
