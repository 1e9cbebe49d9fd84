#pragma once

#include <QByteArray>

struct TagTotals;

/// What was booked per tag as CSV, laid out as the Tags window shows it: a
/// header, then per tag its months and the year, the exact sums.
namespace TagTotalsCsv {

[[nodiscard]] QByteArray of(const TagTotals &totals);

} // namespace TagTotalsCsv
