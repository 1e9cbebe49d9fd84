#include "DocumentEditing.h"

#include "ReversibleChange.h"
#include "document/DocumentSnapshot.h"
#include "document/DocumentWriter.h"
#include "document/TextRules.h"
#include "editing/AddRecords.h"
#include "recurring/RecurringMatch.h"
#include "splits/SplitLinks.h"

#include <QHash>

namespace {

/// Gives every booked entry a new id, and the split links the ids of their parts.
void renumber(const DocumentWriter &writer)
{
    QList<SplitLink> links = SplitLinks::read(writer.document().extensions());
    QHash<quint64, quint64> renumbered;
    writer.forEachList([&](EntryList &list) {
        for (qsizetype at = 1; at < list.size(); ++at) {
            const quint64 id = writer.newEntryId();
            if (list.at(at).id != 0)
                renumbered.insert(list.at(at).id, id);
            list[at].id = id;
        }
    });
    if (links.isEmpty())
        return;
    for (SplitLink &link : links) {
        QList<quint64> parts;
        for (const quint64 id : std::as_const(link.parts)) {
            if (const auto found = renumbered.constFind(id); found != renumbered.cend())
                parts.append(*found);
        }
        link.parts = parts;
    }
    writer.setExtensions(SplitLinks::with(writer.document().extensions(), links));
}

} // namespace

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
        restructure([this, &snapshot] { DocumentWriter(document()).restore(snapshot); });
    };
    const DocumentSnapshot before = DocumentSnapshot::take(document());
    // A snapshot read from a file has no ids: hand them out now, once, so that
    // a redo brings back the very ids later steps look their records up by.
    restructure([this, &to] {
        const DocumentWriter writer(document());
        writer.restore(to);
        // Its split links name its entries by ids of the counter it was read with.
        renumber(writer);
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
            DocumentWriter(document()).createCategory(category, QStringLiteral("0"));
    };
    const auto removeCategories = [this, firstNewRow, count = int(newCategories.size())] {
        for (int row = firstNewRow + count - 1; row >= firstNewRow; --row)
            DocumentWriter(document()).deleteCategoryByIndex(row);
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
        DocumentWriter(document()).recalculate();
    DocumentWriter(document()).setExtensions(after);
    record(std::make_unique<ReversibleChange>(
        name,
        [this, added, before, removeCategories, hasNew = !newCategories.isEmpty()] {
            restructure([&] {
                added.takeBack(document());
                removeCategories();
            });
            if (hasNew)
                DocumentWriter(document()).recalculate();
            DocumentWriter(document()).setExtensions(before);
        },
        [this, apply, after, hasNew = !newCategories.isEmpty()] {
            (void)apply();
            if (hasNew)
                DocumentWriter(document()).recalculate();
            DocumentWriter(document()).setExtensions(after);
        }));
    return true;
}
