#include "SplitFile.h"

#include "document/DocumentWriter.h"

#include <optional>

namespace {

/// A part's place: a whole number from 1 on (0 is the envelope entry).
std::optional<qsizetype> placeOf(const QString &field)
{
    bool ok = false;
    const qlonglong place = field.toLongLong(&ok);
    if (!ok || place < 1 || place > (qlonglong(1) << 39) || field.startsWith(u'+'))
        return std::nullopt;
    return qsizetype(place);
}

} // namespace

SplitFileReader::SplitFileReader(const DocumentExtensions &extensions)
{
    for (const ExtensionRecord &record : extensions.records()) {
        if (record.kind != ExtensionKind::kSplit)
            continue;
        const qsizetype fields = record.fields.size();
        FileSplit split{MonthTables::findMonth(record.field(0)), {}, {}, false};
        // MONTH and two parts at least, each a category and a place.
        split.damaged = !record.isReadable() || split.month < 0 || fields < 5 || fields % 2 == 0;
        const int index = int(_splits.size());
        for (qsizetype at = 1; !split.damaged && at + 1 < fields; at += 2) {
            const std::optional<qsizetype> place = placeOf(record.fields[at + 1]);
            QHash<qint64, Wanted> &wanted = _byCategory[record.fields[at]];
            const qint64 key = place ? keyOf(split.month, *place) : 0;
            if (!place || wanted.contains(key)) {
                // Also when another split claims the entry: the later one is damaged.
                split.damaged = true;
                break;
            }
            wanted.insert(key, {index, int(split.ids.size())});
            split.ids.append(0);
        }
        if (split.damaged)
            ++_unreadable;
        else
            _splits.append(std::move(split));
        if (split.damaged) {
            // What a damaged record claimed is free for the others.
            for (auto &wanted : _byCategory)
                wanted.removeIf([index](const auto &item) { return item.value().split == index; });
        }
    }
}

void SplitFileReader::beginCategory(const QString &nameLine)
{
    _current = nullptr;
    if (_splits.isEmpty() || _begun.contains(nameLine))
        return;
    _begun.insert(nameLine);
    const auto found = _byCategory.constFind(nameLine);
    if (found != _byCategory.cend())
        _current = &*found;
}

void SplitFileReader::entryRead(int month, qsizetype place, Entry &entry, const DocumentWriter &writer)
{
    if (!_current)
        return;
    const auto found = _current->constFind(keyOf(month, place));
    if (found == _current->cend())
        return;
    FileSplit &split = _splits[found->split];
    if (!split.shared)
        split.shared = std::pair(entry.day, entry.desc);
    if (entry.desc == kEnvelopeDesc || entry.day != split.shared->first || entry.desc != split.shared->second) {
        // The entries were changed or moved since the record was written.
        split.damaged = true;
        return;
    }
    if (entry.id == 0)
        entry.id = writer.newEntryId();
    split.ids[found->part] = entry.id;
}

int SplitFileReader::finish(const DocumentWriter &writer)
{
    if (isEmpty())
        return 0;
    int damaged = _unreadable;
    QList<SplitLink> links;
    for (const FileSplit &split : std::as_const(_splits)) {
        if (split.damaged || split.ids.contains(0)) {
            ++damaged;
            continue;
        }
        links.append({split.month, split.ids});
    }
    DocumentExtensions extensions;
    // The unreadable split records go: the links replace what was read.
    for (const ExtensionRecord &record : writer.document().extensions().records()) {
        if (record.kind != ExtensionKind::kSplit || record.isReadable())
            extensions.append(record);
    }
    writer.setExtensions(SplitLinks::with(extensions, links));
    return damaged;
}

SplitFileWriter::SplitFileWriter(const DocumentExtensions &extensions)
    : _links(SplitLinks::read(extensions))
{
    for (int link = 0; link < _links.size(); ++link) {
        const QList<quint64> &parts = _links[link].parts;
        _written.append(QList<std::optional<Written>>(parts.size()));
        for (int part = 0; part < parts.size(); ++part)
            _wanted.insert(parts[part], {link, part});
    }
}

void SplitFileWriter::entryWritten(const QString &nameLine, qsizetype place, const Entry &entry)
{
    if (entry.id == 0 || place == 0)
        return;
    const auto found = _wanted.constFind(entry.id);
    if (found == _wanted.cend())
        return;
    _written[found->link][found->part] = Written{nameLine, place};
}

DocumentExtensions SplitFileWriter::forFile(const DocumentExtensions &extensions) const
{
    QList<ExtensionRecord> records;
    for (int link = 0; link < _links.size(); ++link) {
        QStringList fields;
        int parts = 0;
        for (const std::optional<Written> &written : _written[link]) {
            if (!written)
                continue;
            if (fields.isEmpty())
                fields << MonthTables::monthIdString(_links[link].month);
            fields << written->category << QString::number(written->place);
            ++parts;
        }
        if (parts > 1)
            records.append(ExtensionRecord::of(ExtensionKind::kSplit, fields));
    }
    DocumentExtensions file = extensions;
    file.replaceKind(ExtensionKind::kSplit, records);
    return file;
}
