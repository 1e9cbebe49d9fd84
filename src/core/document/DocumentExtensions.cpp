#include "DocumentExtensions.h"

#include <algorithm>

QList<ExtensionRecord> DocumentExtensions::recordsOf(QStringView kind) const
{
    QList<ExtensionRecord> found;
    for (const ExtensionRecord &record : _records) {
        if (record.kind == kind && record.isReadable())
            found.append(record);
    }
    return found;
}

void DocumentExtensions::replaceKind(const QString &kind, const QList<ExtensionRecord> &records)
{
    qsizetype at = -1;
    for (qsizetype i = _records.size() - 1; i >= 0; --i) {
        // A line whose fields could not be read stays where it was.
        if (_records[i].kind == kind && _records[i].isReadable()) {
            _records.removeAt(i);
            at = i;
        }
    }
    if (at < 0)
        at = _records.size();
    for (const ExtensionRecord &record : records)
        _records.insert(at++, record);
}

std::optional<int> DocumentExtensions::year() const
{
    for (const ExtensionRecord &record : recordsOf(ExtensionKind::kYear)) {
        const QString field = record.field(0);
        if (field.size() == 4 && std::all_of(field.cbegin(), field.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return field.toInt();
    }
    return std::nullopt;
}

void DocumentExtensions::setYear(std::optional<int> year)
{
    QList<ExtensionRecord> records;
    if (year)
        records.append(ExtensionRecord::of(ExtensionKind::kYear, {QStringLiteral("%1").arg(*year, 4, 10, QLatin1Char('0'))}));
    replaceKind(ExtensionKind::kYear, records);
}
