#include "RecurringMarks.h"

#include "RecurrencePattern.h"
#include "RecurringRecords.h"

#include "document/BudgetDocument.h"

namespace {

QString keyOf(const QString &category, const QString &description)
{
    return category + u'\t' + description;
}

} // namespace

RecurringMarks RecurringMarks::forMonth(const BudgetDocument &document, int year, int month)
{
    RecurringMarks marks;
    const QDate first(year, month + 1, 1);
    const QDate last(year, month + 1, first.daysInMonth());
    for (const RecurringItem &item : RecurringRecords::read(document)) {
        if (!item.transaction || !item.transaction->last.isValid() || item.transaction->last < first)
            continue;
        const RecurringTransaction &transaction = *item.transaction;
        if (transaction.rule.between(first, std::min(last, transaction.last)).isEmpty())
            continue;
        marks._marks.insert(keyOf(transaction.category, transaction.description),
                            tr("recurring: %1, %2")
                                .arg(transaction.description,
                                     RecurrencePattern::describe(transaction.rule.text(), transaction.rule.start())));
    }
    return marks;
}

QString RecurringMarks::markOf(const QString &category, const QString &description) const
{
    return _marks.value(keyOf(category, description));
}
