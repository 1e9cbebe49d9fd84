#include "RecurringTransaction.h"

#include "document/DocumentExtensions.h"

ExtensionRecord RecurringTransaction::toRecord() const
{
    return ExtensionRecord::of(ExtensionKind::kRecurring,
                               {RecurrenceRule::dateText(rule.start()), rule.text(),
                                RecurrenceRule::shiftWord(rule.shift()),
                                entry == RecurringEntry::Auto ? QStringLiteral("auto") : QStringLiteral("ask"),
                                category, description, amountField(), note,
                                last.isValid() ? RecurrenceRule::dateText(last) : QString()});
}
