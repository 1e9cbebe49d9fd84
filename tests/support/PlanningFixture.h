#pragma once

#include "DocumentFixtures.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileWriter.h"

#include <QStringList>

/// Budgets for the planning features: envelopes, bookings and the records
/// of the extension section, built the way the program holds them.
namespace PlanningFixture {

/// Food with an envelope of 100 and Rent with one of 500 every month;
/// `food` and `rent` are what each booked in January, February, March …
/// (one item per month, none for an empty text).
inline void fillEnvelopes(BudgetDocument &document, const QStringList &food, const QStringList &rent = {})
{
    for (const char *name : {"Food", "Rent"})
        DocumentFixtures::addCategory(document, QString::fromLatin1(name));
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        DocumentFixtures::setEnvelope(document, QStringLiteral("Food"), month, QStringLiteral("100"));
        DocumentFixtures::setEnvelope(document, QStringLiteral("Rent"), month, QStringLiteral("500"));
    }
    const auto book = [&document](const QString &category, const QStringList &amounts) {
        for (int month = 0; month < amounts.size(); ++month) {
            if (!amounts[month].isEmpty())
                DocumentFixtures::addItem(document, category, month, QStringLiteral("1"), QStringLiteral("Shop"),
                                          amounts[month]);
        }
    };
    book(QStringLiteral("Food"), food);
    book(QStringLiteral("Rent"), rent);
    DocumentFixtures::recalculate(document);
}

/// The document's extension records with these added, as a file would hold them.
inline void addRecords(BudgetDocument &document, const QList<QStringList> &records)
{
    DocumentExtensions extensions = document.extensions();
    for (const QStringList &record : records)
        extensions.append(ExtensionRecord::of(record.first(), record.mid(1)));
    DocumentFixtures::setExtensions(document, extensions);
    DocumentFixtures::recalculate(document);
}

/// The cells of a row for January, February, March …, `count` of them.
inline QStringList cells(const BudgetDocument &document, const QString &row, int count = 3)
{
    QStringList texts;
    for (int month = 0; month < count; ++month)
        texts << DocumentFixtures::cell(document, row, MonthTables::monthIdString(month));
    return texts;
}

/// Writes the document to `path`; false when it could not be written.
[[nodiscard]] inline bool write(const BudgetDocument &document, const QString &path)
{
    return BudgetFileWriter::writeFile(document, path);
}

} // namespace PlanningFixture
