#pragma once

#include "document/Decimal.h"

#include <QList>

#include <optional>

namespace Proportions {

/// `total` shared out in the proportions of `parts`: each part after the
/// first rounded to cents (half away from zero), the first taking the rest,
/// so the shares add up exactly to the total. None when the parts add up to zero.
[[nodiscard]] std::optional<QList<Decimal>> shares(const QList<Decimal> &parts, const Decimal &total);

} // namespace Proportions
