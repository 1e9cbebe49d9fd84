#include "SnapshotFile.h"

#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "platform/AtomicFile.h"

namespace SnapshotFile {

QByteArray bytes(const DocumentSnapshot &snapshot) { return BudgetFileWriter::buildData(snapshot); }

std::optional<DocumentSnapshot> read(const QByteArray &bytes)
{
    BudgetDocument document;
    BudgetFileReader::Options options;
    options.sortData = false;
    if (BudgetFileReader::loadBytes(document, bytes, options) != BudgetFileReader::LoadResult::Loaded)
        return std::nullopt;
    return DocumentSnapshot::take(document);
}

std::optional<DocumentSnapshot> readFile(const QString &path)
{
    const std::optional<QByteArray> bytes = AtomicFile::read(path);
    return bytes ? read(*bytes) : std::nullopt;
}

Counts counts(const DocumentSnapshot &snapshot)
{
    Counts result;
    result.categories = int(snapshot.catArray.size()) - kFirstCategoryRow;
    for (const auto &[name, months] : snapshot.catData) {
        for (const EntryList &list : months)
            result.entries += qMax<qsizetype>(list.size() - 1, 0);
    }
    return result;
}

} // namespace SnapshotFile
