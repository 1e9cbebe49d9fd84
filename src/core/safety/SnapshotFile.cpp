#include "SnapshotFile.h"

#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "platform/AtomicFile.h"

namespace SnapshotFile {

QByteArray bytes(const DocumentSnapshot &snapshot)
{
    // The writer reads only the rows, the lists, the budgets and the
    // extension records, so they are
    // handed over as they are; nothing is recomputed.
    BudgetDocument document;
    document.getCatArray() = snapshot.catArray;
    document.getCatDataDictionary() = snapshot.catData;
    document.budgetTotals() = snapshot.budgetTotals;
    document.setExtensions(snapshot.extensions);
    return BudgetFileWriter::buildData(document);
}

std::optional<DocumentSnapshot> read(const QByteArray &bytes)
{
    BudgetDocument document;
    document.addFixedRows();
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
