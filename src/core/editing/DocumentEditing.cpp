#include "DocumentEditing.h"

#include "ReversibleChange.h"
#include "document/AddRecords.h"
#include "document/DocumentSnapshot.h"

DocumentEditing::DocumentEditing(BudgetDocument &document)
    : EditingSession(document)
    , _amounts(*this)
    , _categories(*this)
    , _records(*this)
    , _planning(*this)
{ }

void DocumentEditing::replaceDocument(const DocumentSnapshot &to, const QString &name)
{
    // The lists are shared with the snapshots, so both ends of the step cost
    // little more than their maps until either side changes.
    const auto put = [this](const DocumentSnapshot &snapshot) {
        restructure([this, &snapshot] { snapshot.restoreInto(document()); });
    };
    const DocumentSnapshot before = DocumentSnapshot::take(document());
    // A snapshot read from a file has no ids: hand them out now, once, so that
    // a redo brings back the very ids later steps look their records up by.
    restructure([this, &to] {
        to.restoreInto(document());
        for (int month = 0; month < MonthTables::kMonthCount; ++month)
            document().identifyEntries(month);
    });
    const DocumentSnapshot after = DocumentSnapshot::take(document());
    record(std::make_unique<ReversibleChange>(
        name, [put, before] { put(before); }, [put, after] { put(after); }));
}

bool DocumentEditing::addRecords(const AddRecords &records, const QString &name, std::optional<int> year)
{
    // Ids fixed once, so that later steps find the records after an undo and redo.
    const AddRecords added = records.withIds(document());
    const DocumentExtensions before = document().extensions();
    DocumentExtensions after = before;
    if (year)
        after.setYear(*year);
    bool done = false;
    restructure([this, &added, &done] { done = added.apply(document()); });
    if (!done)
        return false;
    document().setExtensions(after);
    record(std::make_unique<ReversibleChange>(
        name,
        [this, added, before] {
            restructure([this, &added] { added.takeBack(document()); });
            document().setExtensions(before);
        },
        [this, added, after] {
            restructure([this, &added] { (void)added.apply(document()); });
            document().setExtensions(after);
        }));
    return true;
}
