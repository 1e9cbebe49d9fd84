#include "RecurringCarry.h"

#include "RecurringRecords.h"

#include "document/BudgetDocument.h"

#include <QStringList>

namespace RecurringCarry {

namespace {

/// The rule text with `name` set to `value` (added at the end when missing).
QString withPart(const QString &rrule, const QString &name, const QString &value)
{
    QStringList parts = rrule.split(u';');
    for (QString &part : parts) {
        if (part.startsWith(name + u'=')) {
            part = name + u'=' + value;
            return parts.join(u';');
        }
    }
    parts.append(name + u'=' + value);
    return parts.join(u';');
}

bool hasPart(const QString &rrule, QStringView name)
{
    const QStringList parts = rrule.split(u';');
    return std::any_of(parts.cbegin(), parts.cend(),
                       [name](const QString &part) { return part.startsWith(name) && part.mid(name.size(), 1) == u"="; });
}

/// The rule from a later first date: the day of the month, and a yearly
/// rule's month, that the old first date gave are written out, so that a
/// 31st that fell on the 28th goes back to the 31st.
QString movedRule(const RecurrenceRule &rule, int occurrencesBefore)
{
    QString text = rule.text();
    const bool simple = !hasPart(text, u"BYDAY") && !hasPart(text, u"BYYEARDAY") && !hasPart(text, u"BYWEEKNO")
        && !hasPart(text, u"BYSETPOS");
    const bool monthly = text.contains(QStringLiteral("FREQ=MONTHLY"));
    const bool yearly = text.contains(QStringLiteral("FREQ=YEARLY"));
    if (simple && (monthly || yearly) && !hasPart(text, u"BYMONTHDAY"))
        text = withPart(text, QStringLiteral("BYMONTHDAY"), QString::number(rule.start().day()));
    if (simple && yearly && !hasPart(text, u"BYMONTH"))
        text = withPart(text, QStringLiteral("BYMONTH"), QString::number(rule.start().month()));
    if (rule.count() > 0)
        text = withPart(text, QStringLiteral("COUNT"), QString::number(rule.count() - occurrencesBefore));
    return text;
}

} // namespace

void addTo(DocumentExtensions &nextYear, const BudgetDocument &thisYear, std::optional<int> year)
{
    QList<RecurringItem> carried;
    for (RecurringItem &item : RecurringRecords::read(thisYear)) {
        if (!item.transaction || !year) {
            carried.append(item);
            continue;
        }
        RecurringTransaction &transaction = *item.transaction;
        const auto next = transaction.rule.firstAfter(QDate(*year, 12, 31));
        if (!next)
            continue;
        const std::optional<RecurrenceRule> moved
            = RecurrenceRule::of(next->first.planned, movedRule(transaction.rule, next->second), transaction.rule.shift());
        if (!moved)
            continue;
        transaction.rule = *moved;
        transaction.last = QDate();
        carried.append(item);
    }
    if (!carried.isEmpty())
        nextYear = RecurringRecords::withItems(nextYear, carried);
}

} // namespace RecurringCarry
