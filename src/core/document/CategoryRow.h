#pragma once

#include "MonthTables.h"

#include <QString>

#include <array>

/// Identifier of the name column and key of a row's name.
inline const QString kDescId = QStringLiteral("desc");
/// Identifier of the average column.
inline const QString kAverageId = QStringLiteral("average");

/// One row of the budget grid: its name, the text of each month's cell and
/// the average, all as text.
struct CategoryRow
{
    QString desc;
    std::array<QString, MonthTables::kMonthCount> months;
    QString average;

    /// A row whose twelve months and average all hold the value.
    [[nodiscard]] static CategoryRow filled(const QString &name, const QString &value)
    {
        CategoryRow row;
        row.desc = name;
        row.months.fill(value);
        row.average = value;
        return row;
    }

    /// The cell under a column identifier ("desc", a month key, "average");
    /// a null text for any other identifier.
    [[nodiscard]] QString value(QStringView id) const
    {
        if (id == kDescId)
            return desc;
        if (id == kAverageId)
            return average;
        const int month = MonthTables::findMonth(id);
        return month < 0 ? QString() : months[month];
    }

    /// Sets the cell under a column identifier; other identifiers change nothing.
    void setValue(QStringView id, const QString &text)
    {
        if (id == kDescId) {
            desc = text;
        } else if (id == kAverageId) {
            average = text;
        } else if (const int month = MonthTables::findMonth(id); month >= 0) {
            months[month] = text;
        }
    }

    friend bool operator==(const CategoryRow &, const CategoryRow &) = default;
};
