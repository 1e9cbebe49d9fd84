#pragma once

#include "CategoryRow.h"
#include "DocumentExtensions.h"
#include "Entry.h"
#include "MonthTables.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <unordered_map>

using EntryList = QList<Entry>;
/// A category's twelve entry lists, "jan" first.
using MonthLists = std::array<EntryList, MonthTables::kMonthCount>;

inline constexpr int kBudgetRowIndex = 0;
inline constexpr int kRemainingRowIndex = 1;
inline constexpr int kDashRowIndex = 2;
inline constexpr int kFirstCategoryRow = 3;
inline const QString kRowLine = QStringLiteral("-----");
inline const QString kDefaultCategoryName = QStringLiteral("New Category");

/// The one budget year in memory: the grid rows, every category's entry
/// lists, the monthly budgets, and the figures computed from them. Changes
/// are made in place; the views hear of them through the signals.
class BudgetDocument final : public QObject
{
    Q_OBJECT

public:
    explicit BudgetDocument(QObject *parent = nullptr);

    // Live containers.
    [[nodiscard]] QList<CategoryRow> &getCatArray() { return _catArray; }
    [[nodiscard]] const QList<CategoryRow> &getCatArray() const { return _catArray; }
    [[nodiscard]] std::unordered_map<QString, MonthLists> &getCatDataDictionary() { return _catData; }
    [[nodiscard]] const std::unordered_map<QString, MonthLists> &getCatDataDictionary() const { return _catData; }
    [[nodiscard]] std::array<QString, MonthTables::kMonthCount> &budgetTotals() { return _budgetTotals; }
    [[nodiscard]] const std::array<QString, MonthTables::kMonthCount> &budgetTotals() const { return _budgetTotals; }

    /// The entry list of a category and month, or none when the category has no data.
    [[nodiscard]] EntryList *entryList(const QString &category, int month);
    [[nodiscard]] const EntryList *entryList(const QString &category, int month) const;

    /// Calls `visit(row, month, entry)` for every booked item of every
    /// category, in budget order, month by month; envelope entries are left out.
    template<typename Visit>
    void forEachBookedEntry(Visit &&visit) const
    {
        for (int row = kFirstCategoryRow; row < _catArray.size(); ++row) {
            for (int month = 0; month < MonthTables::kMonthCount; ++month) {
                const EntryList *list = entryList(_catArray[row].desc, month);
                // Index 0 is the envelope entry.
                for (qsizetype at = 1; list && at < list->size(); ++at)
                    visit(row, month, list->at(at));
            }
        }
    }

    /// What the file keeps beyond the Ver 1 layout: the year, and the
    /// records of later features.
    [[nodiscard]] const DocumentExtensions &extensions() const { return _extensions; }
    void setExtensions(DocumentExtensions extensions);
    /// December's figures of last year's categories that carry, under this
    /// year's names; read from last year's file, never saved.
    [[nodiscard]] const std::unordered_map<QString, QString> &lastYearClosing() const { return _lastYearClosing; }
    /// Answers whether they changed; the caller recomputes.
    bool setLastYearClosing(std::unordered_map<QString, QString> figures);

    [[nodiscard]] bool isEnvelopeEnabled() const { return _envelopeView; }
    void setEnvelopeView(bool on) { _envelopeView = on; }

    [[nodiscard]] int categoryCount() const { return int(_catArray.size()) - kFirstCategoryRow; }
    /// The row of the category with this name, or -1.
    [[nodiscard]] int rowOfCategory(const QString &name) const;
    /// The name itself when no category uses it, otherwise the name followed
    /// by the first free number from 2 on ("New Category 2").
    [[nodiscard]] QString uniqueCategoryName(const QString &name) const;

    /// Appends a row named `name` with every month and the average set to
    /// `withValue`; a category row (index 3 up) also gets twelve lists, each
    /// holding a fresh envelope entry. An empty name, or the name of an
    /// existing category, creates nothing (0).
    int createCategory(const QString &name, const QString &withValue);
    /// The same without the search for the name, for a caller that keeps
    /// track of the names itself (the file reader): `name` must be new and
    /// not empty.
    void appendCategory(const QString &name, const QString &withValue);
    /// Removes a category row (index 3 up) and all its entries, then recomputes.
    void deleteCategoryByIndex(int row);
    /// Renames a row; its entry lists move with it to the new name. A name
    /// that another category uses is refused (false) and changes nothing.
    bool renameCategory(int row, const QString &toName);
    /// Moves the row at `from` so that it lands before the row at `to`
    /// (at `to` when moving up, at `to` - 1 when moving down), then recomputes.
    void moveCategoryRow(int from, int to);
    /// Puts a category row back at `row` with its lists, as it was before
    /// it was deleted, then recomputes.
    void insertCategory(int row, const CategoryRow &category, const MonthLists &lists);
    /// Empties the document down to the three fixed rows and zero budgets.
    void eraseAllData();
    /// Adds the Budget, Remain and separator rows to an empty document, as
    /// start-up and every reader of a file without the window begin.
    void addFixedRows();

    /// The month's budget: the typed budget, or in envelope mode the sum of
    /// the categories' envelopes.
    [[nodiscard]] QString calculateBudgetForColumnId(const QString &monthId) const;
    /// Recomputes the Budget, Remain and category cells of one month column
    /// and the averages; "desc" changes nothing.
    void updateTotalsForMonth(const QString &columnId);
    /// Recomputes the average of one row.
    void updateAveragesForCategory(int row);
    /// Recomputes all twelve months.
    void recalculate();

    /// An id no entry of this document has had yet.
    [[nodiscard]] quint64 newEntryId() { return ++_lastEntryId; }
    /// Gives each booked entry of month 0–11 that has no id one.
    void identifyEntries(int month);

signals:
    /// The grid should redraw its cells; the rows are the same.
    void redisplayRequested();
    /// Rows are about to be added, removed or moved.
    void rowsAboutToChange();
    /// Rows were added, removed or moved.
    void rowsChanged();
    /// The extension records changed.
    void extensionsChanged();

private:
    [[nodiscard]] bool isActiveMonth(int month) const;
    /// The months in which any category has a booked entry: what the averages divide by.
    [[nodiscard]] int activeMonthCount() const;
    void updateAverage(int row, int activeMonths);

    QList<CategoryRow> _catArray;
    std::unordered_map<QString, MonthLists> _catData;
    std::array<QString, MonthTables::kMonthCount> _budgetTotals;
    DocumentExtensions _extensions;
    std::unordered_map<QString, QString> _lastYearClosing;
    bool _envelopeView = false;
    quint64 _lastEntryId = 0;
};
