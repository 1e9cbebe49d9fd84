#include "MoneyText.h"

#include "document/Decimal.h"

QString moneyText(const Decimal &amount)
{
    QString text = amount.toText();
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return text + QStringLiteral(".00");
    if (text.size() - point - 1 < 2)
        text += u'0';
    return text;
}
