#include "BudgetFileWriter.h"

#include "AppendString.h"
#include "DocumentSnapshot.h"
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

qsizetype estimatedSize(const DocumentSnapshot &contents)
{
    qsizetype entries = 0;
    for (const auto &[name, lists] : contents.catData) {
        for (const EntryList &list : lists)
            entries += list.size();
    }
    return 1000 + entries * 40;
}

} // namespace

QByteArray buildData(const BudgetDocument &document) { return buildData(DocumentSnapshot::take(document)); }

QByteArray buildData(const DocumentSnapshot &contents)
{
    QByteArray buffer;
    buffer.reserve(estimatedSize(contents));
    appendString(buffer, kFileHeader);
    appendString(buffer, kFileVersion1);
    for (const QString &budget : contents.budgetTotals)
        appendString(buffer, TextRules::fileSafeLine(budget));

    // The splits are kept by the places their parts are written at.
    SplitFileWriter splits(contents.extensions);
    const QList<CategoryRow> &rows = contents.catArray;
    for (int row = kFirstCategoryRow; row < rows.size(); ++row) {
        const QString name = TextRules::fileSafeLine(rows[row].desc);
        appendString(buffer, u"; ****** CATEGORY_ID ******");
        appendString(buffer, name);
        const auto lists = contents.catData.find(rows[row].desc);
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList *list = lists == contents.catData.end() ? nullptr : &lists->second[std::size_t(month)];
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
    const DocumentExtensions extensions = splits.isEmpty() ? contents.extensions : splits.forFile(contents.extensions);
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
