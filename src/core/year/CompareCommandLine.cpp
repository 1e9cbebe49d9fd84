#include "CompareCommandLine.h"

#include "LastYearLink.h"
#include "YearComparison.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "platform/StderrAlerts.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace CompareCommandLine {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(CompareCommandLine)
};

bool load(BudgetDocument &document, const QString &path)
{
    StderrAlerts alerts;
    return BudgetFileReader::loadFile(document, path, alerts, {}) == BudgetFileReader::LoadResult::Loaded;
}

QString line(const QString &name, const YearComparison::Row &row)
{
    QStringList cells{name};
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        cells << row.thisYear[std::size_t(month)].toText() << row.lastYear[std::size_t(month)].toText();
    cells << row.totalThis().toText() << row.totalLast().toText();
    return cells.join(u'\t');
}

} // namespace

int run(const QString &path, const QString &lastPath)
{
    BudgetDocument thisYear;
    if (!load(thisYear, path))
        return 1;
    QString last = lastPath;
    if (last.isEmpty())
        last = LastYearLink::linkedPath(thisYear.extensions(), path).value_or(QString());
    if (last.isEmpty()) {
        std::fputs(qPrintable(QStringLiteral("orrinwick: ")
                              + Text::tr("%1 names no last year's budget; give it with --last").arg(path) + u'\n'),
                   stderr);
        return 1;
    }
    BudgetDocument lastYear;
    if (!load(lastYear, last))
        return 1;
    const YearComparison comparison = YearComparison::of(thisYear, &lastYear);
    QByteArray out;
    for (const YearComparison::Row &row : comparison.rows)
        out += line(row.name(), row).toUtf8() + '\n';
    out += line(QStringLiteral("Total"), comparison.total).toUtf8() + '\n';
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    return 0;
}

} // namespace CompareCommandLine
