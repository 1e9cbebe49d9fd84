#pragma once

#include <QByteArray>

struct YearComparison;

/// This year against last as CSV, laid out as the window shows it: per
/// category four lines (this year, last year, the difference, the change in
/// percent) over the months, the year to date and the year, then the
/// totals. Amounts are the exact booked sums; a change with nothing booked
/// last year is empty.
namespace ComparisonCsv {

[[nodiscard]] QByteArray of(const YearComparison &comparison);

} // namespace ComparisonCsv
