#pragma once

#include "document/Decimal.h"
#include "document/MonthTables.h"

#include <QList>
#include <QString>

#include <array>

class QChart;

/// A chart of figures by month: per month one bar for each series, January
/// to December along the bottom, on the window's own background.
namespace MonthBarChart {

struct Series
{
    QString name;
    std::array<Decimal, MonthTables::kMonthCount> months;
};

/// A new chart, for the caller to hand to a view, titled `title`. Refunds
/// may make a month negative: the axis reaches below 0 then.
[[nodiscard]] QChart *of(const QString &title, const QList<Series> &series);

} // namespace MonthBarChart
