#pragma once

#include "year/YearComparison.h"

class QChart;

/// One row of this year against last as a chart: per month a bar for what
/// was booked this year beside one for last year.
namespace ComparisonChart {

/// A new chart, for the caller to hand to a view, titled `title`.
[[nodiscard]] QChart *of(const YearComparison::Row &row, const QString &title);

} // namespace ComparisonChart
