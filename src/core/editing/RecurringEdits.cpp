#include "RecurringEdits.h"

#include "EditingSession.h"
#include "ReversibleChange.h"
#include "document/DocumentWriter.h"
#include "document/RegisterRecord.h"
#include "document/TextRules.h"
#include "editing/AddRecords.h"
#include "recurring/RecurringDue.h"
#include "recurring/RecurringRecords.h"

#include <QHash>

RecurringEdits::RecurringEdits(EditingSession &editing)
    : _document(editing.document())
    , _editing(editing)
{ }

std::optional<QString> RecurringEdits::refusal(RecurringTransaction &transaction, const QLocale &locale) const
{
    if (_document.rowOfCategory(transaction.category) < kFirstCategoryRow)
        return tr("Choose the category the transaction goes into.");
    const CheckedText description = TextRules::checkDescription(transaction.description);
    if (!description.ok())
        return description.error;
    const CheckedText amount = TextRules::checkAmount(transaction.amount, locale);
    if (!amount.ok())
        return amount.error;
    const CheckedText note = TextRules::checkNote(transaction.note);
    if (!note.ok())
        return note.error;
    if (!transaction.rule.start().isValid())
        return tr("Choose the first date.");
    transaction.description = description.text;
    transaction.amount = amount.text;
    transaction.note = note.text;
    return std::nullopt;
}

EditAnswer RecurringEdits::changeExtensions(const QString &name, const DocumentExtensions &to)
{
    const DocumentExtensions before = _document.extensions();
    if (before == to)
        return EditAnswer::unchanged();
    BudgetDocument *document = &_document;
    DocumentWriter(*document).setExtensions(to);
    _editing.record(std::make_unique<ReversibleChange>(
        name, [document, before] { DocumentWriter(*document).setExtensions(before); },
        [document, to] { DocumentWriter(*document).setExtensions(to); }));
    return EditAnswer::changed();
}

EditAnswer RecurringEdits::add(RecurringTransaction transaction, const QLocale &locale)
{
    if (const std::optional<QString> why = refusal(transaction, locale))
        return EditAnswer::refused(*why);
    QList<RecurringItem> items = RecurringRecords::read(_document);
    items.append({transaction.toRecord(), transaction, {}});
    return changeExtensions(tr("New Recurring Transaction"),
                            RecurringRecords::withItems(_document.extensions(), items));
}

EditAnswer RecurringEdits::replace(int index, RecurringTransaction transaction, const QLocale &locale)
{
    QList<RecurringItem> items = RecurringRecords::read(_document);
    if (index < 0 || index >= items.size())
        return EditAnswer::unchanged();
    if (const std::optional<QString> why = refusal(transaction, locale))
        return EditAnswer::refused(*why);
    items[index] = {transaction.toRecord(), transaction, {}};
    return changeExtensions(tr("Edit Recurring Transaction"), RecurringRecords::withItems(_document.extensions(), items));
}

EditAnswer RecurringEdits::remove(int index)
{
    QList<RecurringItem> items = RecurringRecords::read(_document);
    if (index < 0 || index >= items.size())
        return EditAnswer::unchanged();
    items.removeAt(index);
    return changeExtensions(tr("Delete Recurring Transaction"), RecurringRecords::withItems(_document.extensions(), items));
}

EditAnswer RecurringEdits::handle(const QList<HandledOccurrence> &occurrences, int year, const QLocale &locale)
{
    if (occurrences.isEmpty())
        return EditAnswer::unchanged();
    QList<RecurringItem> items = RecurringRecords::read(_document);
    QHash<int, QList<QDate>> handledDates;
    QList<NewRecord> records;
    for (const HandledOccurrence &handled : occurrences) {
        if (handled.item < 0 || handled.item >= items.size() || items[handled.item].isBroken())
            return EditAnswer::refused(tr("The recurring transaction cannot be read."));
        const RecurringTransaction &transaction = *items[handled.item].transaction;
        handledDates[handled.item].append(handled.date);
        if (!handled.enter)
            continue;
        if (!handled.day.isValid() || handled.day.year() != year)
            return EditAnswer::refused(tr("The day must lie in the budget's year, %1.").arg(year));
        const CheckedText amount = TextRules::checkAmount(handled.amount, locale);
        if (!amount.ok())
            return EditAnswer::refused(amount.error);
        Entry entry{QString::number(handled.day.day()), transaction.description, amount.text, transaction.note,
                    kOpenMark};
        records.append({transaction.category, handled.day.month() - 1, entry});
    }
    for (auto it = handledDates.begin(); it != handledDates.end(); ++it) {
        std::sort(it.value().begin(), it.value().end());
        RecurringTransaction &transaction = *items[it.key()].transaction;
        // Only the first ones still due: LAST cannot leave a gap for later.
        QList<QDate> due;
        for (const DueOccurrence &occurrence :
             RecurringDue::upTo({items[it.key()]}, year, it.value().last()))
            due.append(occurrence.occurrence.date);
        if (due != it.value())
            return EditAnswer::refused(
                tr("An earlier occurrence of \"%1\" is still due.").arg(transaction.description));
        transaction.last = it.value().last();
    }
    const int entered = int(records.size());
    const int skipped = int(occurrences.size());
    const QString name = entered == 1 ? tr("Enter 1 Recurring Transaction")
        : entered > 1                 ? tr("Enter %1 Recurring Transactions").arg(entered)
        : skipped == 1                ? tr("Skip 1 Recurring Transaction")
                                      : tr("Skip %1 Recurring Transactions").arg(skipped);
    const DocumentExtensions before = _document.extensions();
    const DocumentExtensions after = RecurringRecords::withItems(before, items);
    // Ids fixed once, so that an undo and a redo find the very records again.
    const AddRecords added = AddRecords(records).withIds(_document);
    EditingSession *editing = &_editing;
    BudgetDocument *document = &_document;
    const auto apply = [editing, document, added, after] {
        editing->restructure([&] { (void)added.apply(*document); });
        DocumentWriter(*document).setExtensions(after);
    };
    bool done = false;
    _editing.restructure([&] { done = added.apply(_document); });
    if (!done)
        return EditAnswer::refused(tr("The category of a recurring transaction is not in this budget."));
    DocumentWriter(_document).setExtensions(after);
    _editing.record(std::make_unique<ReversibleChange>(
        name,
        [editing, document, added, before] {
            editing->restructure([&] { added.takeBack(*document); });
            DocumentWriter(*document).setExtensions(before);
        },
        apply));
    return EditAnswer::changed();
}
