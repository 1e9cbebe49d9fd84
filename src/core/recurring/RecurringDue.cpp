#include "RecurringDue.h"

#include <algorithm>

namespace RecurringDue {

QList<DueOccurrence> between(const QList<RecurringItem> &items, int year, QDate from, QDate to)
{
    const QDate first = std::max(from, QDate(year, 1, 1));
    const QDate end = std::min(to, QDate(year, 12, 31));
    QList<DueOccurrence> due;
    if (first > end)
        return due;
    for (int index = 0; index < items.size(); ++index) {
        const std::optional<RecurringTransaction> &transaction = items[index].transaction;
        if (!transaction)
            continue;
        QDate start = first;
        if (transaction->last.isValid())
            start = std::max(start, transaction->last.addDays(1));
        for (const RecurrenceRule::Occurrence &occurrence : transaction->rule.between(start, end))
            due.append({index, occurrence});
    }
    std::stable_sort(due.begin(), due.end(), [](const DueOccurrence &a, const DueOccurrence &b) {
        return a.occurrence.date < b.occurrence.date;
    });
    return due;
}

QList<DueOccurrence> upTo(const QList<RecurringItem> &items, int year, QDate until)
{
    return between(items, year, QDate(year, 1, 1), until);
}

} // namespace RecurringDue
