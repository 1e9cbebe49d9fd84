#pragma once

#include "AmountEdits.h"
#include "CategoryEdits.h"
#include "RecordEdits.h"

#include <functional>
#include <memory>

class BudgetDocument;
class ChangeLog;
class CheckedOutMonth;
class DocumentChange;
struct DocumentSnapshot;
class AddRecords;

/// Every kind of change to a document, each one operation with its check,
/// its message and its undo step; views call these and show the answer.
/// Also knows the month the register has checked out, so that an undo step
/// reaches records wherever they are.
class DocumentEditing final
{
public:
    explicit DocumentEditing(BudgetDocument &document);
    Q_DISABLE_COPY_MOVE(DocumentEditing)

    [[nodiscard]] AmountEdits &amounts() { return _amounts; }
    [[nodiscard]] CategoryEdits &categories() { return _categories; }
    [[nodiscard]] RecordEdits &records() { return _records; }

    /// Where changes are recorded; none (the default) records nothing.
    void setChangeLog(ChangeLog *log) { _log = log; }
    /// Hands a change that has just been made to the change log.
    void record(std::unique_ptr<DocumentChange> change);

    /// The register's working list, or none.
    void setCheckedOutMonth(CheckedOutMonth *month) { _checkedOut = month; }
    /// The working list when it holds `month`, otherwise none.
    [[nodiscard]] CheckedOutMonth *checkedOut(int month) const;
    /// Runs a change of the category rows with the checked-out month written
    /// back before and read again after, so its records follow renamed,
    /// deleted and restored categories.
    void restructure(const std::function<void()> &change);
    /// Makes the document hold `to` (a backup or a recovered file) as one
    /// undo step named `name`, the register's month following.
    void replaceDocument(const DocumentSnapshot &to, const QString &name);
    /// Adds many records in one undo step named `name` (an import); none
    /// when one names no category of the document (false).
    bool addRecords(const AddRecords &records, const QString &name);
    /// An undo or redo was applied: the checked-out month's figures follow.
    void changeApplied();

private:
    BudgetDocument &_document;
    ChangeLog *_log = nullptr;
    CheckedOutMonth *_checkedOut = nullptr;
    AmountEdits _amounts;
    CategoryEdits _categories;
    RecordEdits _records;
};
