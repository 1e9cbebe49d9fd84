#include "DocumentEditing.h"

#include "ReversibleChange.h"
#include "document/AddRecords.h"
#include "document/DocumentSnapshot.h"
#include "document/TextRules.h"
#include "recurring/RecurringMatch.h"
#include "splits/SplitLinks.h"

DocumentEditing::DocumentEditing(BudgetDocument &document)
    : EditingSession(document)
    , _amounts(*this)
    , _categories(*this)
    , _records(*this)
    , _planning(*this)
    , _recurring(*this)
    , _splits(*this)
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
        // Its split links name its entries by ids of the counter it was read with.
        SplitLinks::renumber(document());
    });
    const DocumentSnapshot after = DocumentSnapshot::take(document());
    record(std::make_unique<ReversibleChange>(
        name, [put, before] { put(before); }, [put, after] { put(after); }));
}

bool DocumentEditing::addRecords(const AddRecords &records, const QString &name, std::optional<int> year,
                                 const QStringList &newCategories, const QList<RecurringHit> &recurring)
{
    for (const QString &category : newCategories) {
        const CheckedText checked = TextRules::checkName(category);
        if (!checked.ok() || category.isEmpty() || document().rowOfCategory(category) >= 0
            || newCategories.count(category) > 1)
            return false;
    }
    // Ids fixed once, so that later steps find the records after an undo and
    // redo, and the splits among them link them as the register does.
    const AddRecords added = records.withIds(document());
    const DocumentExtensions before = document().extensions();
    DocumentExtensions after
        = SplitLinks::withAdded(RecurringMatch::withEntered(document(), before, recurring), added);
    if (year)
        after.setYear(*year);
    const int firstNewRow = int(document().getCatArray().size());
    const auto createCategories = [this, newCategories] {
        for (const QString &category : newCategories)
            document().createCategory(category, QStringLiteral("0"));
    };
    const auto removeCategories = [this, firstNewRow, count = int(newCategories.size())] {
        for (int row = firstNewRow + count - 1; row >= firstNewRow; --row)
            document().deleteCategoryByIndex(row);
    };
    const auto apply = [this, added, createCategories, removeCategories] {
        bool done = false;
        restructure([&] {
            createCategories();
            done = added.apply(document());
            if (!done)
                removeCategories();
        });
        return done;
    };
    if (!apply())
        return false;
    if (!newCategories.isEmpty())
        document().recalculate();
    document().setExtensions(after);
    record(std::make_unique<ReversibleChange>(
        name,
        [this, added, before, removeCategories, hasNew = !newCategories.isEmpty()] {
            restructure([&] {
                added.takeBack(document());
                removeCategories();
            });
            if (hasNew)
                document().recalculate();
            document().setExtensions(before);
        },
        [this, apply, after, hasNew = !newCategories.isEmpty()] {
            (void)apply();
            if (hasNew)
                document().recalculate();
            document().setExtensions(after);
        }));
    return true;
}
