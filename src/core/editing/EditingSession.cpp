#include "EditingSession.h"

#include "CheckedOutMonth.h"
#include "DocumentChange.h"
#include "document/DocumentWriter.h"

EditingSession::EditingSession(BudgetDocument &document)
    : _document(document)
{ }

void EditingSession::record(std::unique_ptr<DocumentChange> change)
{
    if (_log)
        _log->record(std::move(change));
}

CheckedOutMonth *EditingSession::checkedOut(int month) const
{
    return _checkedOut && month >= 0 && _checkedOut->heldMonth() == month ? _checkedOut : nullptr;
}

void EditingSession::restructure(const std::function<void()> &change)
{
    const bool held = _checkedOut && _checkedOut->heldMonth() >= 0;
    if (held)
        _checkedOut->writeBack();
    change();
    if (held)
        _checkedOut->reload();
}

void EditingSession::changeApplied()
{
    if (_checkedOut && _checkedOut->heldMonth() >= 0)
        _checkedOut->amountsChanged();
}

void EditingSession::identifyEntries(int month) { DocumentWriter(_document).identifyEntries(month); }

void EditingSession::writeBack(int month, const QList<RegisterRecord> &records)
{
    DocumentWriter(_document).replaceMonthRecords(month, records);
}
