#include "GridText.h"

#include "BudgetDocument.h"
#include "NumberText.h"

#include "Decimal.h"

const QStringList &gridColumnIds()
{
    static const QStringList ids = [] {
        QStringList list{kDescId};
        list += MonthTables::monthKeys();
        list += kAverageId;
        return list;
    }();
    return ids;
}

QString gridDisplayText(const CategoryRow &row, int rowIndex, QStringView columnId)
{
    const QString value = row.value(columnId);
    if (rowIndex == kDashRowIndex || columnId == kDescId || (columnId == kAverageId && rowIndex < kFirstCategoryRow))
        return value;
    const QString whole = NumberText::roundCurrency(value);
    // Less than one below zero still reads as below zero: the red alone
    // would not tell it apart from a figure just above.
    if (whole == u"0" && Decimal::fromText(value) < Decimal())
        return QStringLiteral("-0");
    return whole;
}
