#include "SplitLinks.h"

#include "document/DocumentExtensions.h"
#include "document/MonthTables.h"
#include "editing/AddRecords.h"

namespace SplitLinks {

namespace {

ExtensionRecord recordOf(const SplitLink &link)
{
    QStringList fields{MonthTables::monthIdString(link.month)};
    for (const quint64 id : link.parts)
        fields.append(QString::number(id));
    return ExtensionRecord::of(ExtensionKind::kSplit, fields);
}

} // namespace

QList<SplitLink> read(const DocumentExtensions &extensions)
{
    QList<SplitLink> links;
    for (const ExtensionRecord &record : extensions.recordsOf(ExtensionKind::kSplit)) {
        SplitLink link{MonthTables::findMonth(record.field(0)), {}};
        for (qsizetype at = 1; at < record.fields.size(); ++at)
            link.parts.append(record.fields[at].toULongLong());
        if (link.month >= 0)
            links.append(std::move(link));
    }
    return links;
}

QList<SplitLink> ofMonth(const DocumentExtensions &extensions, int month)
{
    QList<SplitLink> links = read(extensions);
    links.removeIf([month](const SplitLink &link) { return link.month != month; });
    return links;
}

DocumentExtensions with(const DocumentExtensions &extensions, const QList<SplitLink> &links)
{
    QList<ExtensionRecord> records;
    records.reserve(links.size());
    for (const SplitLink &link : links) {
        if (link.parts.size() > 1)
            records.append(recordOf(link));
    }
    DocumentExtensions changed = extensions;
    changed.replaceKind(ExtensionKind::kSplit, records);
    return changed;
}

} // namespace SplitLinks

DocumentExtensions SplitLinks::withAdded(const DocumentExtensions &extensions, const AddRecords &records)
{
    if (records.splits().isEmpty())
        return extensions;
    QList<SplitLink> links = read(extensions);
    for (const QList<qsizetype> &split : records.splits()) {
        SplitLink link;
        for (const qsizetype at : split) {
            const NewRecord &record = records.records().at(at);
            link.month = record.month;
            link.parts.append(record.entry.id);
        }
        links.append(link);
    }
    return with(extensions, links);
}
