#pragma once

#include "document/RegisterRecord.h"

class BudgetDocument;
class CheckedOutMonth;
class EditingSession;

/// Where an undo or redo puts a record back: after the record `afterInList`
/// in the register's working list (0: first), and after the entry
/// `afterInCategory` in its category's stored list (0: first, after the
/// envelope entry). A record that is no longer there puts it last.
struct RecordPlace
{
    /// As `afterInList`: after every record the working list holds.
    static constexpr quint64 kLast = ~quint64(0);

    quint64 afterInList = 0;
    quint64 afterInCategory = 0;
};

/// A record with the place it was taken from or put at.
struct PlacedRecord
{
    RegisterRecord record;
    RecordPlace place;
};

/// The records at the rows of the working list, ascending, each with its
/// place, so that an undo puts them back in that order.
[[nodiscard]] QList<PlacedRecord> placedRecords(const CheckedOutMonth &month, QList<int> rows);

/// The records of a month as undo steps reach them, by id: in the
/// register's working list when it holds that month, otherwise in the
/// document's lists.
class MonthRecords final
{
public:
    explicit MonthRecords(EditingSession &editing);

    void putRecord(int month, const RegisterRecord &record, const RecordPlace &place);
    void takeRecord(int month, quint64 id);
    /// Replaces the record with id `id`; a record whose category changes
    /// goes after `afterInCategory` in its new category's list.
    void replaceRecord(int month, quint64 id, const RegisterRecord &record, quint64 afterInCategory);
    /// Records of the month were put, taken or replaced: its figures follow.
    void recordsChanged(int month);

private:
    BudgetDocument &_document;
    EditingSession &_editing;
};
