#pragma once

#include "BudgetDocument.h"

struct DocumentSnapshot;
struct RegisterRecord;

/// The one way to change a document. Only the editing layer and the file
/// readers hold one (the layers check keeps it so); everything else reads
/// the document and asks the editing layer for changes.
class DocumentWriter
{
public:
    explicit DocumentWriter(BudgetDocument &document)
        : _document(document)
    { }

    [[nodiscard]] BudgetDocument &document() const { return _document; }

    /// The entry list of a category and month (the envelope entry first), or
    /// none when the category has no data.
    [[nodiscard]] EntryList *entryList(const QString &category, int month) const;
    /// Calls `visit(list)` for every entry list of every category.
    template <typename Visit> void forEachList(Visit &&visit) const
    {
        for (auto &[name, months] : _document._catData) {
            for (EntryList &list : months)
                visit(list);
        }
    }

    /// Appends a row named `name` with every month and the average set to
    /// `withValue`; a category row (index 3 up) also gets twelve lists, each
    /// holding a fresh envelope entry. An empty name, or the name of an
    /// existing category, creates nothing (0).
    int createCategory(const QString &name, const QString &withValue) const
    {
        return _document.createCategory(name, withValue);
    }
    /// The same without the search for the name, for a caller that keeps
    /// track of the names itself (the file reader): `name` must be new and
    /// not empty.
    void appendCategory(const QString &name, const QString &withValue) const
    {
        _document.appendCategory(name, withValue);
    }
    /// Removes a category row (index 3 up), all its entries and the records
    /// that name it, then recomputes.
    void deleteCategoryByIndex(int row) const { _document.deleteCategoryByIndex(row); }
    /// Renames a row; its entry lists and the records that name it follow.
    /// A name that another category uses is refused (false) and changes nothing.
    bool renameCategory(int row, const QString &toName) const { return _document.renameCategory(row, toName); }
    /// Moves the row at `from` so that it lands before the row at `to`
    /// (at `to` when moving up, at `to` - 1 when moving down), then recomputes.
    void moveCategoryRow(int from, int to) const { _document.moveCategoryRow(from, to); }
    /// Puts a category row back at `row` with its lists, as it was before
    /// it was deleted, then recomputes.
    void insertCategory(int row, const CategoryRow &category, const MonthLists &lists) const
    {
        _document.insertCategory(row, category, lists);
    }
    /// Empties the document down to the three fixed rows and zero budgets.
    void eraseAllData() const { _document.eraseAllData(); }

    /// The typed budget of month 0–11, as typed; the caller recomputes.
    void setBudget(int month, const QString &amount) const;
    /// The envelope amount of a category and month, as typed; the caller recomputes.
    void setEnvelope(const QString &category, int month, const QString &amount) const;
    /// All twelve typed budgets; the caller recomputes.
    void setBudgets(const std::array<QString, MonthTables::kMonthCount> &budgets) const
    {
        _document._budgetTotals = budgets;
    }
    /// Cuts each category's list of month 0–11 back to its envelope entry,
    /// then appends the records, in their order, to the lists of their
    /// categories (a record of no category is left out); then recomputes the month.
    void replaceMonthRecords(int month, const QList<RegisterRecord> &records) const;
    /// Makes the document hold the snapshot's data, then recomputes every
    /// month in the document's present mode. A category that stays keeps its
    /// lists (refilled in place); the views hear of a row change only when
    /// the row names or their order differ.
    void restore(const DocumentSnapshot &snapshot) const;
    void setExtensions(DocumentExtensions extensions) const { _document.setExtensions(std::move(extensions)); }

    /// Shows the figures in envelope mode or not, recomputing when it changes.
    void setEnvelopeView(bool on) const;
    /// Last year's December figures that January carries in from; recomputes
    /// when they changed.
    void setLastYearClosing(std::unordered_map<QString, QString> figures) const;

    /// Recomputes the Budget, Remain and category cells of month 0–11 and the averages.
    void updateTotalsForMonth(int month) const { _document.updateTotalsForMonth(month); }
    /// Recomputes all twelve months.
    void recalculate() const { _document.recalculate(); }

    /// An id no entry of this document has had yet.
    [[nodiscard]] quint64 newEntryId() const { return _document.newEntryId(); }
    /// Gives each booked entry of month 0–11 that has no id one.
    void identifyEntries(int month) const { _document.identifyEntries(month); }

private:
    BudgetDocument &_document;
};
