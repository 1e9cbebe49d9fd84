#include "MonthBarChart.h"

#include "document/MonthDisplay.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QValueAxis>

#include <algorithm>

namespace MonthBarChart {

QChart *of(const QString &title, const QList<Series> &series)
{
    auto *chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(8, 8, 8, 8));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setTitle(title);
    auto *bars = new QBarSeries;
    double lowest = 0;
    double highest = 0;
    for (const Series &one : series) {
        auto *set = new QBarSet(one.name);
        for (const Decimal &month : one.months) {
            // Charts only draw: a double is near enough.
            const double booked = month.toText().toDouble();
            *set << booked;
            lowest = std::min(lowest, booked);
            highest = std::max(highest, booked);
        }
        bars->append(set);
    }
    chart->addSeries(bars);

    auto *months = new QBarCategoryAxis;
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        months->append(MonthDisplay::shortName(month));
    chart->addAxis(months, Qt::AlignBottom);
    bars->attachAxis(months);
    auto *amounts = new QValueAxis;
    amounts->setRange(lowest * 1.1, highest > 0 ? highest * 1.1 : 1);
    amounts->setLabelFormat(QStringLiteral("%.0f"));
    amounts->applyNiceNumbers();
    chart->addAxis(amounts, Qt::AlignLeft);
    bars->attachAxis(amounts);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

} // namespace MonthBarChart
