#pragma once

#include "document/MonthTables.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <array>

class BudgetDocument;

/// The category a description was booked under, found in the stored
/// entries as the register finds it: in a month, the last entry so
/// described (budget order, then list order); in the earlier months, the
/// first one, latest month first. Only the descriptions asked for are
/// indexed, so a lookup of many lines reads the document once.
class DescriptionLookup final
{
public:
    DescriptionLookup(const BudgetDocument &document, const QSet<QString> &descriptions);

    /// The category of the last entry described `desc` in `month` (0–11),
    /// else the earlier months' answer; a null text when there is none.
    [[nodiscard]] QString categoryFor(int month, const QString &desc) const;
    /// The category of the first entry described `desc` in the months
    /// before `month`, latest month first; a null text when there is none.
    [[nodiscard]] QString categoryBefore(int month, const QString &desc) const;

private:
    /// The first and last category rows with such an entry in a month; -1 for none.
    struct Rows
    {
        int first = -1;
        int last = -1;
    };
    using MonthRows = std::array<Rows, MonthTables::kMonthCount>;

    const BudgetDocument &_document;
    QHash<QString, MonthRows> _rows;
};
