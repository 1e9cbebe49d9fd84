#pragma once

#include "document/BudgetDocument.h"

#include <algorithm>

#include <QList>
#include <QString>

#include <array>
#include <unordered_map>

/// For tests: the document's data at one moment: the grid rows, every category's entry
/// lists and the monthly budgets. A snapshot shares its lists with the
/// document until either side changes one, so taking it costs little more
/// than one map node per category.
struct DocumentSnapshot
{
    QList<CategoryRow> catArray;
    std::unordered_map<QString, MonthLists> catData;
    std::array<QString, MonthTables::kMonthCount> budgetTotals;

    [[nodiscard]] static DocumentSnapshot take(const BudgetDocument &document)
    {
        return { document.getCatArray(), document.getCatDataDictionary(), document.budgetTotals() };
    }

    /// Makes the document hold this data again, then recomputes every month
    /// in the document's present mode. A category that stays keeps its lists
    /// (refilled in place); the views hear of a row change only when the row
    /// names or their order differ.
    void restoreInto(BudgetDocument &document) const
    {
        const bool rowsChange
            = !std::equal(document.getCatArray().cbegin(), document.getCatArray().cend(), catArray.cbegin(),
                          catArray.cend(), [](const CategoryRow &x, const CategoryRow &y) { return x.desc == y.desc; });
        // The document's own signals, so a grid resets as for any other row change.
        if (rowsChange)
            emit document.rowsAboutToChange();
        document.getCatArray() = catArray;
        std::unordered_map<QString, MonthLists> &lists = document.getCatDataDictionary();
        std::erase_if(lists, [this](const auto &item) { return !catData.contains(item.first); });
        for (const auto &[name, months] : catData)
            lists[name] = months;
        document.budgetTotals() = budgetTotals;
        if (rowsChange)
            emit document.rowsChanged();
        document.updateView();
    }

    friend bool operator==(const DocumentSnapshot &, const DocumentSnapshot &) = default;
};
