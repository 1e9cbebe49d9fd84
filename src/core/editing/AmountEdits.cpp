#include "AmountEdits.h"

#include "EditingSession.h"
#include "ReversibleChange.h"
#include "TypedTextEdit.h"
#include "document/BudgetDocument.h"

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
        _document.budgetTotals()[std::size_t(month)] = text;
        _document.updateTotalsForMonth(MonthTables::monthIdString(month));
    };
    const EditAnswer answer = applyTypedText(
        before, typed, [&locale](const QString &text) { return TextRules::checkAmount(text, locale); }, put);
    if (answer.isChanged())
        _editing.record(
            ReversibleChange::ofValue(tr("Edit Budget"), before, _document.budgetTotals()[std::size_t(month)], put));
    return answer;
}

EditAnswer AmountEdits::setEnvelope(const QString &category, int month, const QString &typed, const QLocale &locale)
{
    const EntryList *list = _document.entryList(category, month);
    if (!list || list->isEmpty())
        return EditAnswer::unchanged();
    const QString before = list->first().amount;
    const auto put = [this, category, month](const QString &text) {
        if (EntryList *envelopes = _document.entryList(category, month); envelopes && !envelopes->isEmpty())
            (*envelopes)[0].amount = text;
        _document.updateTotalsForMonth(MonthTables::monthIdString(month));
    };
    const EditAnswer answer = applyTypedText(
        before, typed, [&locale](const QString &text) { return TextRules::checkAmount(text, locale); }, put);
    if (answer.isChanged())
        _editing.record(ReversibleChange::ofValue(tr("Edit Envelope"), before,
                                                  _document.entryList(category, month)->first().amount, put));
    return answer;
}
