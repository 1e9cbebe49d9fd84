#include "TagsCommandLine.h"

#include "TagTotals.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/DocumentSnapshot.h"
#include "platform/StderrAlerts.h"

#include <QStringList>

#include <cstdio>

namespace TagsCommandLine {

int run(const QString &path)
{
    BudgetDocument document;
    StderrAlerts alerts;
    if (BudgetFileReader::loadFile(document, path, alerts, {}) != BudgetFileReader::LoadResult::Loaded)
        return 1;
    QByteArray out;
    for (const TagTotals::Row &row : TagTotals::of(DocumentSnapshot::take(document)).rows) {
        QStringList cells{row.tag};
        for (const Decimal &month : row.months)
            cells << month.toText();
        cells << row.total().toText();
        out += cells.join(u'\t').toUtf8() + '\n';
    }
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    return 0;
}

} // namespace TagsCommandLine
