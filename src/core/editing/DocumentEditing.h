#pragma once

#include "AmountEdits.h"
#include "CategoryEdits.h"
#include "EditingSession.h"
#include "PlanningEdits.h"
#include "RecordEdits.h"
#include "RecurringEdits.h"
#include "SplitEdits.h"
#include "recurring/RecurringMatch.h"

#include <optional>

class AddRecords;
struct DocumentSnapshot;

/// Every kind of change to a document, each one operation with its check,
/// its message and its undo step; views call these and show the answer.
class DocumentEditing final : public EditingSession
{
public:
    explicit DocumentEditing(BudgetDocument &document);

    [[nodiscard]] AmountEdits &amounts() { return _amounts; }
    [[nodiscard]] CategoryEdits &categories() { return _categories; }
    [[nodiscard]] RecordEdits &records() { return _records; }
    [[nodiscard]] PlanningEdits &planning() { return _planning; }
    [[nodiscard]] RecurringEdits &recurring() { return _recurring; }
    [[nodiscard]] SplitEdits &splits() { return _splits; }

    /// Makes the document hold `to` (a backup or a recovered file) as one
    /// undo step named `name`, the register's month following.
    void replaceDocument(const DocumentSnapshot &to, const QString &name);
    /// Adds many records in one undo step named `name` (an import), after
    /// appending the `newCategories` they may go into, and stores the
    /// budget's year when one is given; none when a record names no category
    /// of the document or a new one is not a name a new category may have
    /// (false). The due occurrences of recurring transactions that the
    /// records are (`recurring`) count as handled from then on.
    bool addRecords(const AddRecords &records, const QString &name, std::optional<int> year = std::nullopt,
                    const QStringList &newCategories = {}, const QList<RecurringHit> &recurring = {});

private:
    AmountEdits _amounts;
    CategoryEdits _categories;
    RecordEdits _records;
    PlanningEdits _planning;
    RecurringEdits _recurring;
    SplitEdits _splits;
};
