#include "RecurringRecords.h"

#include "document/BudgetDocument.h"
#include "document/TextRules.h"

namespace F = RecurringField;

RecurringItem RecurringRecords::fromRecord(const ExtensionRecord &record,
                                           const std::function<bool(const QString &)> &categoryKnown)
{
    RecurringItem item{record, std::nullopt, {}};
    if (!record.isReadable()) {
        item.problem = tr("the line holds a backslash that starts no escape");
        return item;
    }
    if (record.fields.size() != RecurringField::Count) {
        item.problem = tr("the record has %1 fields instead of %2").arg(record.fields.size()).arg(RecurringField::Count);
        return item;
    }
    const QDate start = RecurrenceRule::dateOf(record.field(F::Start));
    if (!start.isValid()) {
        item.problem = tr("the first date \"%1\" is not a date").arg(record.field(F::Start));
        return item;
    }
    const std::optional<WeekendShift> shift = RecurrenceRule::shiftOf(record.field(F::Shift));
    if (!shift) {
        item.problem = tr("the weekend shift \"%1\" is not none, before or after").arg(record.field(F::Shift));
        return item;
    }
    QString why;
    const std::optional<RecurrenceRule> rule = RecurrenceRule::of(start, record.field(F::Rule), *shift, &why);
    if (!rule) {
        item.problem = why;
        return item;
    }
    const QString &entry = record.field(F::Entry);
    if (entry != u"auto" && entry != u"ask") {
        item.problem = tr("the entry \"%1\" is not auto or ask").arg(entry);
        return item;
    }
    if (!categoryKnown(record.field(F::Category))) {
        item.problem = tr("the category \"%1\" is not in this budget").arg(record.field(F::Category));
        return item;
    }
    QString amount = record.field(F::Amount);
    const bool estimate = amount.startsWith(u'~');
    if (estimate)
        amount.remove(0, 1);
    const CheckedText checked = TextRules::checkAmount(amount, QLocale::c());
    if (!checked.ok() || checked.text != amount) {
        item.problem = tr("the amount \"%1\" is not an amount").arg(record.field(F::Amount));
        return item;
    }
    QDate last;
    if (!record.field(F::Last).isEmpty()) {
        last = RecurrenceRule::dateOf(record.field(F::Last));
        if (!last.isValid()) {
            item.problem = tr("the last date \"%1\" is not a date").arg(record.field(F::Last));
            return item;
        }
    }
    item.transaction = RecurringTransaction{*rule,
                                            entry == u"auto" ? RecurringEntry::Auto : RecurringEntry::Ask,
                                            record.field(F::Category),
                                            record.field(F::Description),
                                            amount,
                                            estimate,
                                            record.field(F::Note),
                                            last};
    return item;
}

QList<RecurringItem> RecurringRecords::read(const BudgetDocument &document)
{
    const auto known = [&document](const QString &name) { return document.rowOfCategory(name) >= kFirstCategoryRow; };
    QList<RecurringItem> items;
    // All records, not only the readable ones: a broken line is listed with its reason.
    for (const ExtensionRecord &record : document.extensions().records()) {
        if (record.kind == ExtensionKind::kRecurring)
            items.append(fromRecord(record, known));
    }
    return items;
}

DocumentExtensions RecurringRecords::withItems(const DocumentExtensions &extensions, const QList<RecurringItem> &items)
{
    // All of them where the first stood, broken lines among them as read.
    DocumentExtensions replaced;
    bool placed = false;
    const auto place = [&] {
        for (const RecurringItem &item : items)
            replaced.append(item.transaction ? item.transaction->toRecord() : item.record);
        placed = true;
    };
    for (const ExtensionRecord &record : extensions.records()) {
        if (record.kind != ExtensionKind::kRecurring)
            replaced.append(record);
        else if (!placed)
            place();
    }
    if (!placed)
        place();
    return replaced;
}
