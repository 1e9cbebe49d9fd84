#include "RecurringMatch.h"

#include "RecurringDue.h"

#include "document/BudgetDocument.h"
#include "document/Decimal.h"

#include <QLocale>

namespace {

constexpr int kDaysApart = 4;

bool amountMatches(const RecurringTransaction &transaction, const QString &amount)
{
    const Decimal line = Decimal::fromText(amount);
    const Decimal expected = Decimal::fromText(transaction.amount);
    if (!transaction.estimate)
        return line == expected;
    // Within a tenth of the estimate: ten times the difference is no more than it.
    Decimal difference = line - expected;
    if (difference.sign() < 0)
        difference = Decimal() - difference;
    Decimal tenTimes;
    for (int i = 0; i < 10; ++i)
        tenTimes += difference;
    const Decimal size = expected.sign() < 0 ? Decimal() - expected : expected;
    return !(size < tenTimes);
}

} // namespace

RecurringMatch::RecurringMatch(const BudgetDocument &document, int year)
    : _items(RecurringRecords::read(document))
    , _year(year)
{ }

std::optional<RecurringHit> RecurringMatch::take(const QString &category, QDate day, const QString &amount)
{
    for (int index = 0; index < _items.size(); ++index) {
        const std::optional<RecurringTransaction> &transaction = _items[index].transaction;
        if (!transaction || transaction->category != category || !amountMatches(*transaction, amount))
            continue;
        std::optional<RecurringHit> best;
        for (const RecurrenceRule::Occurrence &occurrence :
             transaction->rule.between(day.addDays(-kDaysApart), day.addDays(kDaysApart))) {
            if (occurrence.date.year() != _year || _taken.contains({index, occurrence.date}))
                continue;
            const bool entered = transaction->last.isValid() && occurrence.date <= transaction->last;
            if (!entered) {
                // Only the first one due: the occurrences before it must be handled already.
                const QList<DueOccurrence> due = RecurringDue::upTo({_items[index]}, _year, occurrence.date);
                if (due.isEmpty() || due.first().occurrence.date != occurrence.date)
                    continue;
            }
            if (!best || std::abs(occurrence.date.daysTo(day)) < std::abs(best->occurrence.daysTo(day)))
                best = RecurringHit{index, occurrence.date, entered, transaction->estimate, transaction->description};
        }
        if (best) {
            _taken.insert({best->item, best->occurrence});
            return best;
        }
    }
    return std::nullopt;
}

namespace {

QString dayText(QDate occurrence)
{
    return QLocale().toString(occurrence, RecurringMatch::tr("d MMMM", "day and month of an occurrence"));
}

} // namespace

QString RecurringMatch::note(const RecurringHit &hit)
{
    const QString day = dayText(hit.occurrence);
    return hit.entered ? tr("matches %1 (entered %2)").arg(hit.description, day)
                       : tr("enters %1 of %2").arg(hit.description, day);
}

QString RecurringMatch::correctionNote(const RecurringHit &hit, const AmountCorrection &correction, bool ticked)
{
    const QString day = dayText(hit.occurrence);
    return ticked ? tr("books the bank's %1 for %2 of %3 (was %4)").arg(correction.to, hit.description, day, correction.entry.amount)
                  : tr("matches %1 (entered %2 as %3): tick to book the bank's %4")
                        .arg(hit.description, day, correction.entry.amount, correction.to);
}

DocumentExtensions RecurringMatch::withEntered(const BudgetDocument &document, const DocumentExtensions &extensions,
                                               const QList<RecurringHit> &hits)
{
    QList<RecurringItem> items = RecurringRecords::read(document);
    bool changed = false;
    for (const RecurringHit &hit : hits) {
        if (hit.entered || hit.item < 0 || hit.item >= items.size() || !items[hit.item].transaction)
            continue;
        QDate &last = items[hit.item].transaction->last;
        if (!last.isValid() || last < hit.occurrence) {
            last = hit.occurrence;
            changed = true;
        }
    }
    return changed ? RecurringRecords::withItems(extensions, items) : extensions;
}
