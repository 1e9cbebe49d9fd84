#include "GridText.h"

#include "BudgetDocument.h"
#include "NumberText.h"

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
    return NumberText::roundCurrency(value);
}
