#pragma once

#include "document/Decimal.h"
#include "document/MonthTables.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

struct DocumentSnapshot;

/// What was booked per tag and month: each record counts under every tag of
/// its note (once, however often the note repeats it), envelope entries left
/// out. A part of a split is a record of its own with its own note.
struct TagTotals
{
    struct Row
    {
        /// In lower case, with its "#".
        QString tag;
        std::array<Decimal, MonthTables::kMonthCount> months;

        [[nodiscard]] Decimal total() const;
    };

    /// One row per tag used in the year, in alphabetical order.
    QList<Row> rows;

    [[nodiscard]] static TagTotals of(const DocumentSnapshot &year);

    /// The tags, in the rows' order.
    [[nodiscard]] QStringList tags() const;
};
