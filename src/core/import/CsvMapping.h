#pragma once

#include "StatementLine.h"

#include <QVariantMap>

#include <optional>

/// Which columns of a bank's CSV hold what, and how its dates and amounts
/// are written. Columns count from 0; kNone marks a column not used.
struct CsvMapping
{
    static constexpr int kNone = -1;

    bool hasHeader = true;
    int date = kNone;
    int description = kNone;
    int memo = kNone;
    /// One signed amount column, or separate debit and credit columns.
    int amount = kNone;
    int debit = kNone;
    int credit = kNone;
    bool decimalComma = false;
    /// The order of dates written with slashes or dashes; none: found from the dates.
    std::optional<DateOrder> dateOrder;

    /// Whether the date, the description and an amount have a column.
    [[nodiscard]] bool isComplete() const
    {
        return date != kNone && description != kNone && (amount != kNone || debit != kNone || credit != kNone);
    }

    /// The mapping as the settings keep it, and back.
    [[nodiscard]] QVariantMap toVariant() const;
    [[nodiscard]] static CsvMapping fromVariant(const QVariantMap &map);

    friend bool operator==(const CsvMapping &, const CsvMapping &) = default;
};
