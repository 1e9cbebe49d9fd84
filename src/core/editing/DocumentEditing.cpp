#include "DocumentEditing.h"

#include "CheckedOutMonth.h"
#include "DocumentChange.h"

DocumentEditing::DocumentEditing(BudgetDocument &document)
    : _amounts(document, *this)
    , _categories(document, *this)
    , _records(document, *this)
{ }

void DocumentEditing::record(std::unique_ptr<DocumentChange> change)
{
    if (_log)
        _log->record(std::move(change));
}

CheckedOutMonth *DocumentEditing::checkedOut(int month) const
{
    return _checkedOut && month >= 0 && _checkedOut->heldMonth() == month ? _checkedOut : nullptr;
}

void DocumentEditing::restructure(const std::function<void()> &change)
{
    const bool held = _checkedOut && _checkedOut->heldMonth() >= 0;
    if (held)
        _checkedOut->writeBack();
    change();
    if (held)
        _checkedOut->reload();
}

void DocumentEditing::changeApplied()
{
    if (_checkedOut && _checkedOut->heldMonth() >= 0)
        _checkedOut->amountsChanged();
}
