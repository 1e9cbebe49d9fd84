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

class DocumentWriter;

/// The one budget year in memory: the grid rows, every category's entry
/// lists, the monthly budgets, and the figures computed from them. Read it
/// here; change it through the editing layer, which alone (with the file
/// readers) holds a `DocumentWriter`. The views hear of changes through the
/// signals.
class BudgetDocument final : public QObject
{
    Q_OBJECT

public:
    /// A document holding the Budget, Remain and separator rows and zero budgets.
    explicit BudgetDocument(QObject *parent = nullptr);

    [[nodiscard]] const QList<CategoryRow> &getCatArray() const { return _catArray; }
    [[nodiscard]] const std::unordered_map<QString, MonthLists> &getCatDataDictionary() const { return _catData; }
    [[nodiscard]] const std::array<QString, MonthTables::kMonthCount> &budgetTotals() const { return _budgetTotals; }

    /// The entry list of a category and month, or none when the category has no data.
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
    /// December's figures of last year's categories that carry, under this
    /// year's names; read from last year's file, never saved.
    [[nodiscard]] const std::unordered_map<QString, QString> &lastYearClosing() const { return _lastYearClosing; }

    [[nodiscard]] bool isEnvelopeEnabled() const { return _envelopeView; }

    [[nodiscard]] int categoryCount() const { return int(_catArray.size()) - kFirstCategoryRow; }
    /// The row of the category with this name, or -1.
    [[nodiscard]] int rowOfCategory(const QString &name) const;
    /// The name itself when no category uses it, otherwise the name followed
    /// by the first free number from 2 on ("New Category 2").
    [[nodiscard]] QString uniqueCategoryName(const QString &name) const;

    /// The budget of month 0–11: the typed budget, or in envelope mode the
    /// sum of the categories' envelopes.
    [[nodiscard]] QString calculateBudgetForColumnId(int month) const;

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
    friend class DocumentWriter;

    int createCategory(const QString &name, const QString &withValue);
    void appendCategory(const QString &name, const QString &withValue);
    void deleteCategoryByIndex(int row);
    bool renameCategory(int row, const QString &toName);
    void moveCategoryRow(int from, int to);
    void insertCategory(int row, const CategoryRow &category, const MonthLists &lists);
    void eraseAllData();
    void addFixedRows();
    void setExtensions(DocumentExtensions extensions);
    bool setLastYearClosing(std::unordered_map<QString, QString> figures);
    void updateTotalsForMonth(int month);
    void recalculate();
    quint64 newEntryId() { return ++_lastEntryId; }
    void identifyEntries(int month);

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
