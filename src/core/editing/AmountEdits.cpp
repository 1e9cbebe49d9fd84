#include "AmountEdits.h"

#include "TypedTextEdit.h"
#include "document/DocumentWriter.h"

namespace {

std::function<CheckedText(const QString &)> amountCheck(const QLocale &locale)
{
    return [locale](const QString &text) { return TextRules::checkAmount(text, locale); };
}

} // namespace

AmountEdits::AmountEdits(EditingSession &editing)
    : _document(editing.document())
    , _editing(editing)
{ }

EditAnswer AmountEdits::setBudget(int month, const QString &typed, const QLocale &locale)
{
    if (month < 0 || month >= MonthTables::kMonthCount)
        return EditAnswer::unchanged();
    const QString before = _document.budgetTotals()[std::size_t(month)];
    const auto put = [this, month](const QString &text) {
        const DocumentWriter writer(_document);
        writer.setBudget(month, text);
        writer.updateTotalsForMonth(month);
    };
    return applyTypedValue(_editing, tr("Edit Budget"), before, typed, amountCheck(locale), put);
}

EditAnswer AmountEdits::setEnvelope(const QString &category, int month, const QString &typed, const QLocale &locale)
{
    const EntryList *list = _document.entryList(category, month);
    if (!list || list->isEmpty())
        return EditAnswer::unchanged();
    const QString before = list->first().amount;
    const auto put = [this, category, month](const QString &text) {
        const DocumentWriter writer(_document);
        writer.setEnvelope(category, month, text);
        writer.updateTotalsForMonth(month);
    };
    return applyTypedValue(_editing, tr("Edit Envelope"), before, typed, amountCheck(locale), put);
}
