#pragma once

#include "Entry.h"

#include <QList>
#include <QString>

class BudgetDocument;

/// One record to add: its entry, its category and its month (0–11).
struct NewRecord
{
    QString category;
    int month = 0;
    Entry entry;

    friend bool operator==(const NewRecord &, const NewRecord &) = default;
};

/// Adds many records to the document in one step: each after the entries
/// of its category and month, then each month touched is recomputed once.
class AddRecords final
{
public:
    explicit AddRecords(QList<NewRecord> records);

    /// Adds every record, or none of them when one names a category the
    /// document lacks or a month outside 0–11 (false). A record without an
    /// id gets a new one.
    [[nodiscard]] bool apply(BudgetDocument &document) const;
    /// Takes back what apply() added, found by id: records without one are
    /// left where they are.
    void takeBack(BudgetDocument &document) const;
    /// The records, each with an id of the document's, as apply() adds them.
    [[nodiscard]] AddRecords withIds(BudgetDocument &document) const;

    [[nodiscard]] qsizetype count() const { return _records.size(); }
    [[nodiscard]] const QList<NewRecord> &records() const { return _records; }

private:
    QList<NewRecord> _records;
};
