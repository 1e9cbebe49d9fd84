#include "MonthTables.h"

namespace MonthTables {

const QStringList &monthKeys()
{
    static const QStringList keys{
        QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"), QStringLiteral("apr"),
        QStringLiteral("may"), QStringLiteral("jun"), QStringLiteral("jul"), QStringLiteral("aug"),
        QStringLiteral("sep"), QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dec")};
    return keys;
}

const QStringList &monthNames()
{
    static const QStringList names{
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    return names;
}

const QStringList &monthFriendlyNames()
{
    static const QStringList names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
        QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

QString monthIdString(int index)
{
    return monthKeys().value(index, monthKeys().first());
}

int findMonth(QStringView monthId)
{
    const QStringList &keys = monthKeys();
    for (int i = 0; i < kMonthCount; ++i) {
        if (keys[i] == monthId)
            return i;
    }
    return -1;
}

int monthIndex(QStringView monthId)
{
    return qMax(findMonth(monthId), 0);
}

QString monthFriendlyName(QStringView monthId)
{
    const int index = findMonth(monthId);
    return index < 0 ? QString() : monthFriendlyNames()[index];
}

} // namespace MonthTables
