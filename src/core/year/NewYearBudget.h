#pragma once

#include "document/DocumentSnapshot.h"

#include <QString>

#include <optional>

class BudgetDocument;

/// Next year's budget drawn from this year's.
namespace NewYearBudget {

/// The same categories in the same order, the same monthly budgets and the
/// same envelope amounts, and no booked items; the year after the one of
/// the budget at `path` (BudgetYear::of), when that is known.
[[nodiscard]] DocumentSnapshot from(const BudgetDocument &document, const QString &path);

/// The path with the four-digit year in its file name raised by one, in the
/// same folder ("household-2026.txt" gives "household-2027.txt"); nothing
/// when the file name holds no four-digit number standing alone.
[[nodiscard]] std::optional<QString> suggestedPath(const QString &path);

} // namespace NewYearBudget
