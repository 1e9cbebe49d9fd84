#pragma once

#include "BudgetDocument.h"

#include <QList>
#include <QString>

#include <array>
#include <unordered_map>

/// The document's data at one moment: the grid rows, every category's entry
/// lists, the monthly budgets and the extension records. A snapshot shares its lists with the
/// document until either side changes one, so taking it costs little more
/// than one map node per category.
struct DocumentSnapshot
{
    QList<CategoryRow> catArray;
    std::unordered_map<QString, MonthLists> catData;
    std::array<QString, MonthTables::kMonthCount> budgetTotals;
    DocumentExtensions extensions;

    [[nodiscard]] static DocumentSnapshot take(const BudgetDocument &document);

    friend bool operator==(const DocumentSnapshot &, const DocumentSnapshot &) = default;
};
