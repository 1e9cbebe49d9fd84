#include "DocumentEditing.h"

#include "CheckedOutMonth.h"
#include "DocumentChange.h"
#include "ReversibleChange.h"
#include "document/AddRecords.h"
#include "document/DocumentSnapshot.h"

DocumentEditing::DocumentEditing(BudgetDocument &document)
    : _document(document)
    , _amounts(document, *this)
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

void DocumentEditing::replaceDocument(const DocumentSnapshot &to, const QString &name)
{
    // The lists are shared with the snapshots, so both ends of the step cost
    // little more than their maps until either side changes.
    const auto put = [this](const DocumentSnapshot &snapshot) {
        restructure([this, &snapshot] { snapshot.restoreInto(_document); });
    };
    const DocumentSnapshot before = DocumentSnapshot::take(_document);
    put(to);
    record(std::make_unique<ReversibleChange>(
        name, [put, before] { put(before); }, [put, to] { put(to); }));
}

bool DocumentEditing::addRecords(const AddRecords &records, const QString &name)
{
    // Ids fixed once, so that later steps find the records after an undo and redo.
    const AddRecords added = records.withIds(_document);
    bool done = false;
    restructure([this, &added, &done] { done = added.apply(_document); });
    if (!done)
        return false;
    record(std::make_unique<ReversibleChange>(
        name, [this, added] { restructure([this, &added] { added.takeBack(_document); }); },
        [this, added] { restructure([this, &added] { (void)added.apply(_document); }); }));
    return true;
}

void DocumentEditing::changeApplied()
{
    if (_checkedOut && _checkedOut->heldMonth() >= 0)
        _checkedOut->amountsChanged();
}
