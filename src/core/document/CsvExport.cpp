#include "CsvExport.h"

#include "BudgetDocument.h"

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

void appendRecord(QByteArray &out, const QStringList &fields)
{
    out += record(fields);
}

} // namespace

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
        QStringList fields{rows[row].desc};
        for (const QString &cell : rows[row].months)
            fields << cell;
        fields << rows[row].average;
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
    return transactions(rows);
}

QByteArray transactions(const QList<Transaction> &rows)
{
    QByteArray out;
    appendRecord(out, {QStringLiteral("Day"), QStringLiteral("Category"), QStringLiteral("Description"),
                       QStringLiteral("Amount"), QStringLiteral("Note"), QStringLiteral("Reconciled")});
    for (const Transaction &row : rows) {
        const Entry &entry = row.entry;
        appendRecord(out, {entry.day, row.category, entry.desc, entry.amount, entry.note,
                           entry.reconciled == u"R" ? QStringLiteral("yes") : QStringLiteral("no")});
    }
    return out;
}

} // namespace CsvExport
