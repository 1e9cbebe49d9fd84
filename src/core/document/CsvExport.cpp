#include "CsvExport.h"

#include "BudgetDocument.h"
#include "splits/MonthSplits.h"

#include <QDate>

#include <QRegularExpression>
#include <QStringList>

namespace CsvExport {

namespace {

QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

/// A day or an amount stays a number; anything more than a plain figure
/// ("-1+2", "-1e3|cmd") is guarded as text.
QString number(const QString &cell)
{
    static const QRegularExpression plain(QStringLiteral(R"(^[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?$)"));
    return plain.match(cell).hasMatch() ? cell : asText(cell);
}

void appendRecord(QByteArray &out, const QStringList &fields)
{
    out += record(fields);
}

} // namespace

QString asText(const QString &cell)
{
    // Payees come from bank statements, that is from strangers.
    static constexpr QStringView kFormulaStarts = u"=+-@\t\r";
    if (cell.isEmpty() || !kFormulaStarts.contains(cell.front()))
        return cell;
    return u'\'' + cell;
}

QByteArray record(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &text : fields)
        quoted << field(text);
    return quoted.join(u',').toUtf8() + "\r\n";
}

QByteArray budgetGrid(const BudgetDocument &document)
{
    QByteArray out;
    QStringList header{QStringLiteral("Category")};
    header += MonthTables::monthNames();
    header << QStringLiteral("Average");
    appendRecord(out, header);
    const QList<CategoryRow> &rows = document.getCatArray();
    for (int row = 0; row < rows.size(); ++row) {
        if (row == kDashRowIndex)
            continue;
        QStringList fields{asText(rows[row].desc)};
        for (const QString &cell : rows[row].months)
            fields << number(cell);
        fields << number(rows[row].average);
        appendRecord(out, fields);
    }
    return out;
}

QByteArray monthRegister(const BudgetDocument &document, int month)
{
    QList<Transaction> rows;
    const QList<CategoryRow> &categories = document.getCatArray();
    for (int row = kFirstCategoryRow; row < categories.size(); ++row) {
        const EntryList *list = document.entryList(categories[row].desc, month);
        if (!list)
            continue;
        // Index 0 is the envelope, no transaction.
        for (qsizetype i = 1; i < list->size(); ++i)
            rows.append({categories[row].desc, list->at(i)});
    }
    return transactions(rows, document.extensions(), month);
}

QByteArray transactions(const QList<Transaction> &rows, const DocumentExtensions &extensions, int month)
{
    const MonthSplits splits = MonthSplits::of(extensions, month, rows.size(),
                                               [&rows](qsizetype at) -> const Entry & { return rows[at].entry; });
    // A month without a split is written as it always was.
    const bool splitColumn = !splits.isEmpty();
    const int year = extensions.year().value_or(QDate::currentDate().year());
    QByteArray out;
    QStringList header{QStringLiteral("Day"), QStringLiteral("Category"), QStringLiteral("Description"),
                       QStringLiteral("Amount"), QStringLiteral("Note"), QStringLiteral("Reconciled")};
    if (splitColumn)
        header << QStringLiteral("Split");
    appendRecord(out, header);
    for (const Transaction &row : rows) {
        const Entry &entry = row.entry;
        QStringList fields{number(entry.day), asText(row.category), asText(entry.desc), number(entry.amount),
                           asText(entry.note), entry.reconciled == u"R" ? QStringLiteral("yes") : QStringLiteral("no")};
        if (splitColumn) {
            const std::optional<MonthSplits::Part> part = splits.partOf(entry.id);
            fields << (part ? asText(MonthSplits::exportName(*part, splits.splits()[part->split], year, month))
                            : QString());
        }
        appendRecord(out, fields);
    }
    return out;
}

} // namespace CsvExport
