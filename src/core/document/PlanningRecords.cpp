#include "PlanningRecords.h"

namespace PlanningRecords {

namespace {

const QStringList &categoryKinds()
{
    static const QStringList kinds{ExtensionKind::kCarry, ExtensionKind::kOpening, ExtensionKind::kRenamed};
    return kinds;
}

/// The records, in their order, with each readable one of the kinds that
/// name `category` passed through `change`: its new fields, or none to drop it.
template<typename Change>
void rewrite(DocumentExtensions &extensions, const QString &category, Change &&change)
{
    DocumentExtensions rewritten;
    for (const ExtensionRecord &record : extensions.records()) {
        if (!record.isReadable() || !categoryKinds().contains(record.kind) || record.field(0) != category) {
            rewritten.append(record);
        } else if (const std::optional<QStringList> fields = change(record)) {
            rewritten.append(ExtensionRecord::of(record.kind, *fields));
        }
    }
    extensions = std::move(rewritten);
}

} // namespace

void replaceCategoryRecord(DocumentExtensions &extensions, const QString &kind, const QString &category,
                           const QStringList &fields)
{
    QList<ExtensionRecord> records;
    bool placed = false;
    for (const ExtensionRecord &record : extensions.recordsOf(kind)) {
        if (record.field(0) != category) {
            records.append(record);
        } else if (!placed && !fields.isEmpty()) {
            records.append(ExtensionRecord::of(kind, QStringList{category} + fields));
            placed = true;
        }
    }
    if (!placed && !fields.isEmpty())
        records.append(ExtensionRecord::of(kind, QStringList{category} + fields));
    extensions.replaceKind(kind, records);
}

void renameCategory(DocumentExtensions &extensions, const QString &from, const QString &to)
{
    rewrite(extensions, from, [&to](const ExtensionRecord &record) -> std::optional<QStringList> {
        QStringList fields = record.fields;
        fields[0] = to;
        return fields;
    });
}

void dropCategory(DocumentExtensions &extensions, const QString &name)
{
    rewrite(extensions, name, [](const ExtensionRecord &) -> std::optional<QStringList> { return std::nullopt; });
}

} // namespace PlanningRecords
