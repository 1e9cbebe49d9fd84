#pragma once

#include "document/Decimal.h"

/// `value` times `factor`, divided by `divisor`, rounded to a whole number,
/// half away from zero; 0 for a divisor of 0. The fill helpers' averages and
/// percent changes, and the comparison's change in percent.
[[nodiscard]] Decimal wholeRatio(const Decimal &value, const Decimal &factor, const Decimal &divisor);
