#pragma once

#include "document/Entry.h"

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

/// A booked record's amount put right: the record an estimate entered,
/// given the bank's amount. The record is found by its id, or while it has
/// none by its value.
struct AmountCorrection
{
    QString category;
    int month = 0;
    /// The record as booked.
    Entry entry;
    QString to;

    friend bool operator==(const AmountCorrection &, const AmountCorrection &) = default;
};

/// Adds many records to the document in one step, each after the entries
/// of its category and month, and makes the amount corrections that come
/// with them (an import's); then each month touched is recomputed once.
class AddRecords final
{
public:
    /// `splits` are the records that form one split each, by their index
    /// in `records` (the parts of one month, in part order).
    explicit AddRecords(QList<NewRecord> records, QList<AmountCorrection> corrections = {},
                        QList<QList<qsizetype>> splits = {});

    /// Adds every record and makes every correction, or nothing when a
    /// record names a category the document lacks or a month outside 0–11,
    /// or a corrected record is not there (false). A record without an id
    /// gets a new one.
    [[nodiscard]] bool apply(BudgetDocument &document) const;
    /// Takes back what apply() added, found by id (records without one are
    /// left where they are), and puts the corrected amounts back.
    void takeBack(BudgetDocument &document) const;
    /// The records, each with an id of the document's, as apply() adds them;
    /// a corrected record that has none is given one.
    [[nodiscard]] AddRecords withIds(BudgetDocument &document) const;

    /// The records added.
    [[nodiscard]] qsizetype count() const { return _records.size(); }
    [[nodiscard]] bool isEmpty() const { return _records.isEmpty() && _corrections.isEmpty(); }
    [[nodiscard]] const QList<NewRecord> &records() const { return _records; }
    [[nodiscard]] const QList<AmountCorrection> &corrections() const { return _corrections; }
    [[nodiscard]] const QList<QList<qsizetype>> &splits() const { return _splits; }

private:
    QList<NewRecord> _records;
    QList<AmountCorrection> _corrections;
    QList<QList<qsizetype>> _splits;
};
