#pragma once

#include "document/RegisterRecord.h"

/// A month's records checked out of the document into a working list (the
/// register's), which reaches the document only when written back. The
/// record operations and their undo steps change the records through this
/// while the month is checked out, and the document itself otherwise.
class CheckedOutMonth
{
public:
    virtual ~CheckedOutMonth() = default;

    /// The month held, 0–11, or -1 when none is.
    [[nodiscard]] virtual int heldMonth() const = 0;
    [[nodiscard]] virtual int recordCount() const = 0;
    [[nodiscard]] virtual const RegisterRecord &recordAt(int row) const = 0;
    /// The row of the record with this id, or -1.
    [[nodiscard]] virtual int rowOfRecord(quint64 id) const = 0;

    virtual void replaceRecord(int row, const RegisterRecord &record) = 0;
    virtual void insertRecord(int row, const RegisterRecord &record) = 0;
    virtual void removeRecord(int row) = 0;
    /// Amounts changed: the month's figures follow.
    virtual void amountsChanged() = 0;

    /// Writes the records back into the document if they changed, and the
    /// month's figures with them, keeping the month checked out; reload()
    /// then reads it again from the document.
    virtual void writeBack() = 0;
    virtual void reload() = 0;
};
