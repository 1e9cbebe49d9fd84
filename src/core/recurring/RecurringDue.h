#pragma once

#include "RecurringRecords.h"

#include <QDate>
#include <QList>

/// One occurrence of a recurring transaction that has not been entered or skipped.
struct DueOccurrence
{
    /// The transaction's place in the list RecurringRecords::read gives.
    int item = 0;
    RecurrenceRule::Occurrence occurrence;

    friend bool operator==(const DueOccurrence &, const DueOccurrence &) = default;
};

/// Which occurrences are due: those after each transaction's LAST, within
/// the budget's year (a file holds one year; the rest belong to the others).
namespace RecurringDue {

/// The due occurrences dated from `from` to `to`, in date order (the list's
/// order on one day); broken records have none.
[[nodiscard]] QList<DueOccurrence> between(const QList<RecurringItem> &items, int year, QDate from, QDate to);
/// The same up to `until`, from the start of the year.
[[nodiscard]] QList<DueOccurrence> upTo(const QList<RecurringItem> &items, int year, QDate until);

} // namespace RecurringDue
