#include "ComparisonChart.h"

#include "charts/MonthBarChart.h"

#include <QCoreApplication>

namespace ComparisonChart {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ComparisonChart)
};

} // namespace

QChart *of(const YearComparison::Row &row, const QString &title)
{
    return MonthBarChart::of(title, {{Text::tr("This year"), row.thisYear}, {Text::tr("Last year"), row.lastYear}});
}

} // namespace ComparisonChart
