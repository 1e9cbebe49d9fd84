#include "ComparisonCsv.h"

#include "YearComparison.h"
#include "document/CsvExport.h"

namespace ComparisonCsv {

namespace {

QString figureName(YearComparison::Figure figure)
{
    switch (figure) {
    case YearComparison::Figure::ThisYear: return QStringLiteral("This year");
    case YearComparison::Figure::LastYear: return QStringLiteral("Last year");
    case YearComparison::Figure::Difference: return QStringLiteral("Difference");
    case YearComparison::Figure::Change: return QStringLiteral("Change %");
    }
    return {};
}

void appendRow(QByteArray &out, const QString &name, const QString &lastName, const YearComparison::Row &row)
{
    for (const YearComparison::Figure figure : YearComparison::kFigures)
        out += CsvExport::record(QStringList{name, lastName, figureName(figure)} + YearComparison::figures(row, figure));
}

} // namespace

QByteArray of(const YearComparison &comparison)
{
    QStringList header{QStringLiteral("Category"), QStringLiteral("Last year's category"), QStringLiteral("Figure")};
    header += MonthTables::monthNames();
    header << QStringLiteral("Year to date") << QStringLiteral("Year");
    QByteArray out = CsvExport::record(header);
    for (const YearComparison::Row &row : comparison.rows)
        appendRow(out, row.thisName, row.lastName, row);
    appendRow(out, QStringLiteral("Total"), QString(), comparison.total);
    return out;
}

} // namespace ComparisonCsv
