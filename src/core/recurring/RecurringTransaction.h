#pragma once

#include "RecurrenceRule.h"
#include "document/ExtensionRecord.h"

#include <QDate>
#include <QString>

/// Whether a recurring transaction's occurrences are entered without a
/// question, or listed in Due Transactions first.
enum class RecurringEntry { Auto, Ask };

namespace ExtensionKind {
/// Beside its feature, so that a new kind rebuilds only what uses it.
inline const QString kRecurring = QStringLiteral("recurring");
} // namespace ExtensionKind

/// The fields of a `;@recurring` record, in their order.
namespace RecurringField {
enum : int { Start, Rule, Shift, Entry, Category, Description, Amount, Note, Last, Count };
} // namespace RecurringField

/// A transaction that comes back by a rule: rent, a subscription, a bill.
/// Stored as one `;@recurring` record:
/// `DTSTART RRULE SHIFT ENTRY CATEGORY DESCRIPTION AMOUNT NOTE LAST`.
struct RecurringTransaction
{
    RecurrenceRule rule;
    RecurringEntry entry = RecurringEntry::Ask;
    QString category;
    QString description;
    /// In the file's form, without the estimate's "~".
    QString amount;
    /// The amount is only an estimate ("about 80"): it always asks.
    bool estimate = false;
    QString note;
    /// The last occurrence entered or skipped; every one on or before it is
    /// handled. Null when none is.
    QDate last;

    /// Whether its occurrences are listed in Due Transactions rather than entered.
    [[nodiscard]] bool asks() const { return entry == RecurringEntry::Ask || estimate; }
    /// The AMOUNT field: "49.90", or "~80" for an estimate.
    [[nodiscard]] QString amountField() const { return estimate ? u'~' + amount : amount; }

    [[nodiscard]] ExtensionRecord toRecord() const;
};
