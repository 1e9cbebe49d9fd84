#pragma once

#include "Decimal.h"

#include <QHash>
#include <QString>

class BudgetDocument;

/// What the envelopes of a document carry over, as its figures show it.
namespace CarriedAmounts {

/// What the category's envelope took over into month 0–11 in envelope
/// mode, from the figures as last computed; 0 in standard mode and for a
/// category that carries nothing.
[[nodiscard]] Decimal into(const BudgetDocument &document, const QString &category, int month);
/// The sum of what every category took over into the month.
[[nodiscard]] Decimal intoMonth(const BudgetDocument &document, int month);

} // namespace CarriedAmounts
