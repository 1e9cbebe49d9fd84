#include "YearComparison.h"

#include "BookedSums.h"
#include "WholeRatio.h"
#include "document/PlanningRecords.h"
#include "document/BudgetDocument.h"

#include <QSet>
#include <QStringList>

namespace {

Decimal sumThrough(const std::array<Decimal, MonthTables::kMonthCount> &months, int throughMonth)
{
    Decimal sum;
    for (int month = 0; month <= throughMonth && month < MonthTables::kMonthCount; ++month)
        sum += months[std::size_t(month)];
    return sum;
}

void addInto(YearComparison::Row &total, const YearComparison::Row &row)
{
    for (std::size_t month = 0; month < std::size_t(MonthTables::kMonthCount); ++month) {
        total.thisYear[month] += row.thisYear[month];
        total.lastYear[month] += row.lastYear[month];
    }
    total.thisToDate += row.thisToDate;
    total.lastToDate += row.lastToDate;
}

/// What a category booked from January 1 up to the month and day.
Decimal toDate(const BudgetDocument &document, const QString &category, const QDate &today)
{
    if (category.isEmpty())
        return {};
    const int lastMonth = today.isValid() ? today.month() - 1 : MonthTables::kMonthCount - 1;
    Decimal sum;
    for (int month = 0; month < lastMonth; ++month)
        sum += BookedSums::of(document, category, month);
    return sum + BookedSums::throughDay(document, category, lastMonth, today.isValid() ? today.day() : 31);
}

} // namespace

Decimal YearComparison::Row::totalThis(int throughMonth) const
{
    return sumThrough(thisYear, throughMonth);
}

Decimal YearComparison::Row::totalLast(int throughMonth) const
{
    return sumThrough(lastYear, throughMonth);
}

QString YearComparison::lastNameOf(const DocumentExtensions &thisYear, const BudgetDocument &lastYear,
                                   const QString &category)
{
    for (const ExtensionRecord &record : thisYear.recordsOf(ExtensionKind::kRenamed)) {
        if (record.field(0) == category && lastYear.rowOfCategory(record.field(1)) >= 0)
            return record.field(1);
    }
    return lastYear.rowOfCategory(category) >= 0 ? category : QString();
}

YearComparison YearComparison::of(const BudgetDocument &thisYear, const BudgetDocument *lastYear, const QDate &today)
{
    YearComparison comparison;
    QSet<QString> matched;
    const QList<CategoryRow> &rows = thisYear.getCatArray();
    for (int at = kFirstCategoryRow; at < rows.size(); ++at) {
        Row row;
        row.thisName = rows[at].desc;
        if (lastYear) {
            row.lastName = lastNameOf(thisYear.extensions(), *lastYear, row.thisName);
            // One of last year's categories answers one of this year's.
            if (matched.contains(row.lastName))
                row.lastName.clear();
            if (!row.lastName.isEmpty())
                matched.insert(row.lastName);
        }
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            row.thisYear[std::size_t(month)] = BookedSums::of(thisYear, row.thisName, month);
            if (!row.lastName.isEmpty())
                row.lastYear[std::size_t(month)] = BookedSums::of(*lastYear, row.lastName, month);
        }
        row.thisToDate = toDate(thisYear, row.thisName, today);
        if (lastYear)
            row.lastToDate = toDate(*lastYear, row.lastName, today);
        comparison.rows.append(row);
    }
    if (lastYear) {
        const QList<CategoryRow> &lastRows = lastYear->getCatArray();
        for (int at = kFirstCategoryRow; at < lastRows.size(); ++at) {
            if (matched.contains(lastRows[at].desc))
                continue;
            Row row;
            row.lastName = lastRows[at].desc;
            for (int month = 0; month < MonthTables::kMonthCount; ++month)
                row.lastYear[std::size_t(month)] = BookedSums::of(*lastYear, row.lastName, month);
            row.lastToDate = toDate(*lastYear, row.lastName, today);
            comparison.rows.append(row);
        }
    }
    for (const Row &row : std::as_const(comparison.rows))
        addInto(comparison.total, row);
    return comparison;
}

QDate YearComparison::toDateEnd(std::optional<int> budgetYear, const QDate &today)
{
    if (budgetYear && *budgetYear < today.year())
        return QDate(*budgetYear, 12, 31);
    return today;
}

QStringList YearComparison::figures(const Row &row, Figure figure)
{
    QList<Decimal> now(row.thisYear.begin(), row.thisYear.end());
    QList<Decimal> last(row.lastYear.begin(), row.lastYear.end());
    now << row.thisToDate << row.totalThis();
    last << row.lastToDate << row.totalLast();
    QStringList cells;
    for (qsizetype column = 0; column < now.size(); ++column) {
        switch (figure) {
        case Figure::ThisYear: cells << now[column].toText(); break;
        case Figure::LastYear: cells << last[column].toText(); break;
        case Figure::Difference: cells << (now[column] - last[column]).toText(); break;
        case Figure::Change: cells << percentChange(now[column], last[column]); break;
        }
    }
    return cells;
}

QString YearComparison::percentChange(const Decimal &now, const Decimal &last)
{
    if (last.isZero())
        return {};
    // In tenths of a percent, rounded half away from zero, then the point put in.
    QString tenths = wholeRatio(now - last, Decimal::fromText(u"1000"), last).toText();
    const bool negative = tenths.startsWith(u'-');
    if (negative)
        tenths.remove(0, 1);
    tenths = tenths.rightJustified(2, u'0');
    tenths.insert(tenths.size() - 1, u'.');
    return Decimal::fromText(negative ? u'-' + tenths : tenths).toText();
}
