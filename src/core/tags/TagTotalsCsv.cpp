#include "TagTotalsCsv.h"

#include "TagTotals.h"
#include "document/CsvExport.h"

namespace TagTotalsCsv {

QByteArray of(const TagTotals &totals)
{
    QStringList header{QStringLiteral("Tag")};
    header += MonthTables::monthNames();
    header << QStringLiteral("Year");
    QByteArray out = CsvExport::record(header);
    for (const TagTotals::Row &row : totals.rows) {
        // Text cells pass the formula guard, as in every export.
        QStringList cells{CsvExport::asText(row.tag)};
        for (const Decimal &month : row.months)
            cells << month.toText();
        cells << row.total().toText();
        out += CsvExport::record(cells);
    }
    return out;
}

} // namespace TagTotalsCsv
