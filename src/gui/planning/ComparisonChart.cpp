#include "ComparisonChart.h"

#include "document/MonthDisplay.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QValueAxis>

#include <algorithm>

namespace ComparisonChart {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ComparisonChart)
};

} // namespace

QChart *of(const YearComparison::Row &row, const QString &title)
{
    auto *chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(8, 8, 8, 8));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setTitle(title);
    auto *now = new QBarSet(Text::tr("This year"));
    auto *last = new QBarSet(Text::tr("Last year"));
    // Refunds may make a month negative: the axis reaches below 0 then.
    double lowest = 0;
    double highest = 0;
    for (std::size_t month = 0; month < std::size_t(MonthTables::kMonthCount); ++month) {
        const double booked[] = {row.thisYear[month].toText().toDouble(), row.lastYear[month].toText().toDouble()};
        *now << booked[0];
        *last << booked[1];
        lowest = std::min({lowest, booked[0], booked[1]});
        highest = std::max({highest, booked[0], booked[1]});
    }
    auto *series = new QBarSeries;
    series->append(now);
    series->append(last);
    chart->addSeries(series);

    auto *months = new QBarCategoryAxis;
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        months->append(MonthDisplay::shortName(month));
    chart->addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);
    auto *amounts = new QValueAxis;
    amounts->setRange(lowest * 1.1, highest > 0 ? highest * 1.1 : 1);
    amounts->setLabelFormat(QStringLiteral("%.0f"));
    amounts->applyNiceNumbers();
    chart->addAxis(amounts, Qt::AlignLeft);
    series->attachAxis(amounts);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

} // namespace ComparisonChart
