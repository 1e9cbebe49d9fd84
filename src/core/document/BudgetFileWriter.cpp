#include "BudgetFileWriter.h"

#include "AppendString.h"
#include "BudgetDocument.h"
#include "TextRules.h"
#include "platform/AtomicFile.h"
#include "splits/SplitFile.h"

namespace BudgetFileWriter {

namespace {

void appendEntry(QByteArray &buffer, const Entry &entry)
{
    constexpr auto fileSafeField = TextRules::fileSafeField;
    constexpr auto fileSafeLine = TextRules::fileSafeLine;
    appendText(buffer, fileSafeLine(fileSafeField(entry.amount)));
    buffer.append('\t');
    appendString(buffer, fileSafeField(entry.reconciled));
    appendText(buffer, fileSafeLine(fileSafeField(entry.day)));
    buffer.append('\t');
    appendString(buffer, TextRules::fileSafeText(entry.note));
    appendString(buffer, fileSafeLine(entry.desc));
}

qsizetype estimatedSize(const BudgetDocument &document)
{
    qsizetype entries = 0;
    for (const auto &[name, lists] : document.getCatDataDictionary()) {
        for (const EntryList &list : lists)
            entries += list.size();
    }
    return 1000 + entries * 40;
}

} // namespace

QByteArray buildData(const BudgetDocument &document)
{
    QByteArray buffer;
    buffer.reserve(estimatedSize(document));
    appendString(buffer, kFileHeader);
    appendString(buffer, kFileVersion1);
    for (const QString &budget : document.budgetTotals())
        appendString(buffer, TextRules::fileSafeLine(budget));

    // The splits are kept by the places their parts are written at.
    SplitFileWriter splits(document.extensions());
    const QList<CategoryRow> &rows = document.getCatArray();
    for (int row = kFirstCategoryRow; row < rows.size(); ++row) {
        const QString name = TextRules::fileSafeLine(rows[row].desc);
        appendString(buffer, u"; ****** CATEGORY_ID ******");
        appendString(buffer, name);
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList *list = document.entryList(rows[row].desc, month);
            const qsizetype count = list ? list->size() : 0;
            appendString(buffer, QStringLiteral("; ****** [%1] %2 %3 Entries ******")
                                     .arg(MonthTables::monthNames()[month], name, QString::number(count)));
            appendString(buffer, QString::number(count));
            if (!list)
                continue;
            for (const Entry &entry : *list)
                appendEntry(buffer, entry);
            if (splits.isEmpty())
                continue;
            for (qsizetype place = 1; place < count; ++place)
                splits.entryWritten(name, place, list->at(place));
        }
    }
    // Nothing to keep, nothing written: such a file stays as it always was.
    const DocumentExtensions extensions = splits.isEmpty() ? document.extensions()
                                                           : splits.forFile(document.extensions());
    if (!extensions.isEmpty()) {
        appendString(buffer, kExtensionHeader);
        for (const ExtensionRecord &record : extensions.records())
            appendString(buffer, record.toLine());
    }
    return buffer;
}

bool writeFile(const BudgetDocument &document, const QString &path)
{
    return AtomicFile::write(path, buildData(document));
}

} // namespace BudgetFileWriter
