#pragma once

#include <QList>
#include <QtGlobal>

#include <functional>
#include <memory>

class BudgetDocument;
class ChangeLog;
class CheckedOutMonth;
class DocumentChange;
struct RegisterRecord;

/// What every operation on a document shares: the document, where its
/// changes are recorded, and the month the register has checked out, so
/// that an undo step reaches records wherever they are.
class EditingSession
{
public:
    explicit EditingSession(BudgetDocument &document);
    Q_DISABLE_COPY_MOVE(EditingSession)

    [[nodiscard]] BudgetDocument &document() const { return _document; }

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
    /// An undo or redo was applied: the checked-out month's figures follow.
    void changeApplied();

    /// Gives each booked entry of month 0–11 that has none an id, so that
    /// the month can be checked out and its records found again.
    void identifyEntries(int month);
    /// Makes month 0–11 hold the checked-out records, in their order, each
    /// in its category after the envelope entry; the figures follow.
    void writeBack(int month, const QList<RegisterRecord> &records);

protected:
    ~EditingSession() = default;

private:
    BudgetDocument &_document;
    ChangeLog *_log = nullptr;
    CheckedOutMonth *_checkedOut = nullptr;
};
