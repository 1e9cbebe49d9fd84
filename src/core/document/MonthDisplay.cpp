#include "MonthDisplay.h"

#include "MonthTables.h"

#include <QCoreApplication>

namespace MonthDisplay {

namespace {

const char *const kNames[] = {
    QT_TRANSLATE_NOOP("MonthDisplay", "January"), QT_TRANSLATE_NOOP("MonthDisplay", "February"),
    QT_TRANSLATE_NOOP("MonthDisplay", "March"),   QT_TRANSLATE_NOOP("MonthDisplay", "April"),
    QT_TRANSLATE_NOOP("MonthDisplay", "May"),     QT_TRANSLATE_NOOP("MonthDisplay", "June"),
    QT_TRANSLATE_NOOP("MonthDisplay", "July"),    QT_TRANSLATE_NOOP("MonthDisplay", "August"),
    QT_TRANSLATE_NOOP("MonthDisplay", "September"), QT_TRANSLATE_NOOP("MonthDisplay", "October"),
    QT_TRANSLATE_NOOP("MonthDisplay", "November"), QT_TRANSLATE_NOOP("MonthDisplay", "December")};

// Short names have a context of their own: "May" is both.
const char *const kShortNames[] = {
    QT_TRANSLATE_NOOP("MonthDisplay short", "Jan"), QT_TRANSLATE_NOOP("MonthDisplay short", "Feb"),
    QT_TRANSLATE_NOOP("MonthDisplay short", "Mar"), QT_TRANSLATE_NOOP("MonthDisplay short", "Apr"),
    QT_TRANSLATE_NOOP("MonthDisplay short", "May"), QT_TRANSLATE_NOOP("MonthDisplay short", "Jun"),
    QT_TRANSLATE_NOOP("MonthDisplay short", "Jul"), QT_TRANSLATE_NOOP("MonthDisplay short", "Aug"),
    QT_TRANSLATE_NOOP("MonthDisplay short", "Sep"), QT_TRANSLATE_NOOP("MonthDisplay short", "Oct"),
    QT_TRANSLATE_NOOP("MonthDisplay short", "Nov"), QT_TRANSLATE_NOOP("MonthDisplay short", "Dec")};

bool isMonth(int month)
{
    return month >= 0 && month < MonthTables::kMonthCount;
}

} // namespace

QString name(int month)
{
    return isMonth(month) ? QCoreApplication::translate("MonthDisplay", kNames[month]) : QString();
}

QString name(QStringView monthId)
{
    return name(MonthTables::findMonth(monthId));
}

QString shortName(int month)
{
    return isMonth(month) ? QCoreApplication::translate("MonthDisplay short", kShortNames[month]) : QString();
}

} // namespace MonthDisplay
