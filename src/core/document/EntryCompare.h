#pragma once

#include "NumberText.h"

#include <QStringView>

/// Orders two entries by day: -1 when a comes first, 1 when b does, 0 when
/// their days are equal.
template <typename Record>
[[nodiscard]] int compareDate(const Record &a, const Record &b)
{
    const int dayA = NumberText::intValue(a.day);
    const int dayB = NumberText::intValue(b.day);
    return dayA < dayB ? -1 : (dayA > dayB ? 1 : 0);
}

/// Orders two entries (or register records) by one key: "day"; "category",
/// "desc" or "note" as plain text, then by day; "amount" as a number, then by
/// day. Any other key leaves every pair equal.
template <typename Record>
[[nodiscard]] int compareDataRecord(const Record &a, const Record &b, QStringView key)
{
    if (key == u"day")
        return compareDate(a, b);
    if (key == u"category" || key == u"desc" || key == u"note") {
        const int order = a.value(key).compare(b.value(key), Qt::CaseSensitive);
        if (order != 0)
            return order < 0 ? -1 : 1;
        return compareDate(a, b);
    }
    if (key == u"amount") {
        const float amountA = NumberText::floatValue(a.amount);
        const float amountB = NumberText::floatValue(b.amount);
        if (amountA < amountB)
            return -1;
        if (amountB < amountA)
            return 1;
        return compareDate(a, b);
    }
    return 0;
}
