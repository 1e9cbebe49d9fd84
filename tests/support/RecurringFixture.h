#pragma once

#include "DocumentFixtures.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "editing/DocumentSetup.h"
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
    for (const char *name : {"Rent", "Phone", "Power"})
        DocumentFixtures::addCategory(document, QString::fromLatin1(name));
    DocumentExtensions extensions;
    extensions.setYear(year);
    for (const QString &fields : records)
        extensions.append(record(fields));
    DocumentFixtures::setExtensions(document, extensions);
}

/// The document written and read again, as a save and an open would.
inline void reopen(BudgetDocument &document)
{
    const QByteArray bytes = BudgetFileWriter::buildData(document);
    DocumentSetup::eraseAllData(document);
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
