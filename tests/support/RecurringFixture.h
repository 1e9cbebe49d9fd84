#pragma once

#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "recurring/RecurringRecords.h"

#include <QStringList>

/// Budgets with recurring transactions, built as the file holds them.
namespace RecurringFixture {

/// One `;@recurring` record from its nine fields, tab-separated as the file has them.
inline ExtensionRecord record(const QString &fields)
{
    return ExtensionRecord::of(ExtensionKind::kRecurring, fields.split(u'\t'));
}

/// A budget of `year` with the categories Rent, Phone and Power and the records given.
inline void fill(BudgetDocument &document, int year, const QStringList &records)
{
    document.addFixedRows();
    for (const char *name : {"Rent", "Phone", "Power"})
        document.createCategory(QString::fromLatin1(name), QStringLiteral("0"));
    DocumentExtensions extensions;
    extensions.setYear(year);
    for (const QString &fields : records)
        extensions.append(record(fields));
    document.setExtensions(extensions);
}

/// The document written and read again, as a save and an open would.
inline void reopen(BudgetDocument &document)
{
    const QByteArray bytes = BudgetFileWriter::buildData(document);
    document.eraseAllData();
    BudgetFileReader::Options options;
    options.sortData = false;
    (void)BudgetFileReader::loadBytes(document, bytes, options);
}

/// Each recurring transaction's LAST as stored, "" when none.
inline QStringList lastFields(const BudgetDocument &document)
{
    QStringList fields;
    for (const RecurringItem &item : RecurringRecords::read(document))
        fields << item.record.field(RecurringField::Last);
    return fields;
}

} // namespace RecurringFixture
