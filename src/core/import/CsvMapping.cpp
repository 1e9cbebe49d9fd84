#include "CsvMapping.h"

namespace {

const QString kHasHeader = QStringLiteral("hasHeader");
const QString kDate = QStringLiteral("date");
const QString kDescription = QStringLiteral("description");
const QString kMemo = QStringLiteral("memo");
const QString kAmount = QStringLiteral("amount");
const QString kDebit = QStringLiteral("debit");
const QString kCredit = QStringLiteral("credit");
const QString kDecimalComma = QStringLiteral("decimalComma");
const QString kDateOrder = QStringLiteral("dateOrder");
const QString kDayFirst = QStringLiteral("dayFirst");
const QString kMonthFirst = QStringLiteral("monthFirst");

int column(const QVariantMap &map, const QString &key)
{
    bool ok = false;
    const int value = map.value(key).toInt(&ok);
    return ok && value >= 0 ? value : CsvMapping::kNone;
}

} // namespace

QVariantMap CsvMapping::toVariant() const
{
    QVariantMap map{{kHasHeader, hasHeader}, {kDate, date},   {kDescription, description},
                    {kMemo, memo},           {kAmount, amount}, {kDebit, debit},
                    {kCredit, credit},       {kDecimalComma, decimalComma}};
    if (dateOrder)
        map.insert(kDateOrder, *dateOrder == DateOrder::DayFirst ? kDayFirst : kMonthFirst);
    return map;
}

CsvMapping CsvMapping::fromVariant(const QVariantMap &map)
{
    CsvMapping mapping;
    mapping.hasHeader = map.value(kHasHeader, true).toBool();
    mapping.date = column(map, kDate);
    mapping.description = column(map, kDescription);
    mapping.memo = column(map, kMemo);
    mapping.amount = column(map, kAmount);
    mapping.debit = column(map, kDebit);
    mapping.credit = column(map, kCredit);
    mapping.decimalComma = map.value(kDecimalComma).toBool();
    const QString order = map.value(kDateOrder).toString();
    if (order == kDayFirst)
        mapping.dateOrder = DateOrder::DayFirst;
    else if (order == kMonthFirst)
        mapping.dateOrder = DateOrder::MonthFirst;
    return mapping;
}
