#pragma once

#include "SplitLinks.h"

#include "document/Decimal.h"
#include "document/Entry.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>

#include <optional>

/// The splits among one month's records: which record is which part of
/// which split, and each split's total (the sum of its parts). Only the
/// parts still there count, and a split needs two of them.
class MonthSplits final
{
    Q_DECLARE_TR_FUNCTIONS(MonthSplits)

public:
    struct Split
    {
        /// The parts' ids, in part order.
        QList<quint64> parts;
        QString day;
        QString desc;
        Decimal total;
    };
    struct Part
    {
        int split = -1;
        /// 1 for the first part.
        int number = 0;
        int count = 0;
    };

    /// `records` are the month's records by id.
    [[nodiscard]] static MonthSplits of(const QList<SplitLink> &links, const QHash<quint64, const Entry *> &records);
    /// The month's records as `count` and `at(i)` give them (a working list or an export's rows).
    template<typename At>
    [[nodiscard]] static MonthSplits of(const DocumentExtensions &extensions, int month, qsizetype count, At at)
    {
        const QList<SplitLink> links = SplitLinks::ofMonth(extensions, month);
        if (links.isEmpty())
            return {};
        QHash<quint64, const Entry *> records;
        records.reserve(count);
        for (qsizetype i = 0; i < count; ++i) {
            const Entry &entry = at(i);
            if (entry.id != 0)
                records.insert(entry.id, &entry);
        }
        return of(links, records);
    }

    [[nodiscard]] bool isEmpty() const { return _splits.isEmpty(); }
    [[nodiscard]] const QList<Split> &splits() const { return _splits; }
    [[nodiscard]] std::optional<Part> partOf(quint64 id) const;
    /// The split of a record that is a part, or none.
    [[nodiscard]] const Split *splitOf(quint64 id) const;

    /// "1 of 3".
    [[nodiscard]] static QString partText(const Part &part);
    /// "part 1 of 3 of Market 84.20", the total as the user's locale writes money.
    [[nodiscard]] static QString partDescription(const Part &part, const Split &split);
    /// "Market 2026-05-03 84.20, 1 of 3": the split as a spreadsheet can put
    /// it back together, for month 0–11 of `year`.
    [[nodiscard]] static QString exportName(const Part &part, const Split &split, int year, int month);
    /// "84.20, 1 of 3": the split's total beside the part, as Find lists it.
    [[nodiscard]] static QString findText(const Part &part, const Split &split);
    /// The total with two decimals at least, in the file's form: "84.20".
    [[nodiscard]] static QString totalText(const Split &split);

private:
    QList<Split> _splits;
    QHash<quint64, Part> _parts;
};
