#pragma once

#include "document/Decimal.h"

#include <QString>

class BudgetDocument;

/// What was booked in a month, the envelope entries left out.
namespace BookedSums {

/// The exact sum of the category's items of month 0–11; every category's
/// when `category` is empty; 0 for a category the budget does not have.
[[nodiscard]] Decimal of(const BudgetDocument &document, const QString &category, int month);
/// The same for the items of the month's days 1 to `day` only.
[[nodiscard]] Decimal throughDay(const BudgetDocument &document, const QString &category, int month, int day);

} // namespace BookedSums
