#include "PlanningEdits.h"

#include "EditingSession.h"
#include "ReversibleChange.h"
#include "document/DocumentWriter.h"
#include "document/PlanningRecords.h"
#include "document/TextRules.h"

namespace {

// The steps outlive the operation that made them (views make one when they
// need it), so they hold the document, never the operation.

void putExtensions(BudgetDocument &document, const DocumentExtensions &extensions)
{
    const DocumentWriter writer(document);
    writer.setExtensions(extensions);
    writer.recalculate();
}

void putAmounts(BudgetDocument &document, const QList<FilledAmount> &amounts, bool after)
{
    const DocumentWriter writer(document);
    for (const FilledAmount &amount : amounts) {
        const QString &text = after ? amount.after : amount.before;
        if (amount.category.isEmpty())
            writer.setBudget(amount.month, text);
        else
            writer.setEnvelope(amount.category, amount.month, text);
    }
    writer.recalculate();
}

} // namespace

PlanningEdits::PlanningEdits(EditingSession &editing)
    : _document(editing.document())
    , _editing(editing)
{ }

EditAnswer PlanningEdits::changeExtensions(const QString &name, const DocumentExtensions &to)
{
    const DocumentExtensions before = _document.extensions();
    if (before == to)
        return EditAnswer::unchanged();
    BudgetDocument *document = &_document;
    putExtensions(*document, to);
    _editing.record(std::make_unique<ReversibleChange>(
        name, [document, before] { putExtensions(*document, before); },
        [document, to] { putExtensions(*document, to); }));
    return EditAnswer::changed();
}

EditAnswer PlanningEdits::setCarryMode(const QString &category, CarryMode mode)
{
    if (_document.rowOfCategory(category) < 0)
        return EditAnswer::unchanged();
    return changeExtensions(tr("Change Carry"), EnvelopeCarry::withMode(_document.extensions(), category, mode));
}

EditAnswer PlanningEdits::setOpening(const QString &category, const QString &typed, const QLocale &locale)
{
    if (_document.rowOfCategory(category) < 0)
        return EditAnswer::unchanged();
    QString amount;
    if (!typed.trimmed().isEmpty()) {
        const CheckedText checked = TextRules::checkAmount(typed, locale);
        if (!checked.ok())
            return EditAnswer::refused(checked.error);
        amount = checked.text;
    }
    return changeExtensions(tr("Edit Opening Amount"),
                            EnvelopeCarry::withOpening(_document.extensions(), category, amount));
}

EditAnswer PlanningEdits::setLastYearLink(const QString &stored)
{
    DocumentExtensions extensions = _document.extensions();
    QList<ExtensionRecord> records;
    if (!stored.isEmpty())
        records.append(ExtensionRecord::of(ExtensionKind::kLastYear, {stored}));
    extensions.replaceKind(ExtensionKind::kLastYear, records);
    return changeExtensions(tr("Choose Last Year's Budget"), extensions);
}

EditAnswer PlanningEdits::matchLastYear(const QString &category, const QString &lastName)
{
    if (_document.rowOfCategory(category) < 0)
        return EditAnswer::unchanged();
    DocumentExtensions extensions = _document.extensions();
    PlanningRecords::replaceCategoryRecord(extensions, ExtensionKind::kRenamed, category,
                                           lastName.isEmpty() ? QStringList() : QStringList{lastName});
    return changeExtensions(tr("Match Category"), extensions);
}

EditAnswer PlanningEdits::fill(const QList<FilledAmount> &amounts)
{
    QList<FilledAmount> changes;
    for (const FilledAmount &amount : amounts) {
        const bool known = amount.month >= 0 && amount.month < MonthTables::kMonthCount
            && (amount.category.isEmpty() || _document.entryList(amount.category, amount.month));
        if (known && amount.before != amount.after)
            changes.append(amount);
    }
    if (changes.isEmpty())
        return EditAnswer::unchanged();
    BudgetDocument *document = &_document;
    putAmounts(*document, changes, true);
    _editing.record(std::make_unique<ReversibleChange>(
        changes.size() == 1 ? tr("Fill 1 Month") : tr("Fill %1 Months").arg(changes.size()), [document, changes] { putAmounts(*document, changes, false); },
        [document, changes] { putAmounts(*document, changes, true); }));
    return EditAnswer::changed();
}
