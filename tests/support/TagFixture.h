#pragma once

#include "DocumentFixtures.h"

/// A year whose notes carry tags across categories and months: #holiday in
/// three cases, a record with two tags, a tag repeated in one note, one on
/// an envelope entry (which counts nowhere), amounts whose sum is exact only
/// in decimal, and a "No#5" that is no tag.
namespace TagFixture {

inline void fillTaggedYear(BudgetDocument &document)
{
    using DocumentFixtures::addItem;
    for (const char *name : {"Travel", "Dining out", "Groceries"})
        DocumentFixtures::addCategory(document, QString::fromUtf8(name));
    const QString travel = QStringLiteral("Travel"), dining = QStringLiteral("Dining out");
    const QString groceries = QStringLiteral("Groceries");
    addItem(document, travel, 0, QStringLiteral("4"), QStringLiteral("Train"), QStringLiteral("0.1"),
            QStringLiteral("#holiday to the sea"));
    addItem(document, dining, 0, QStringLiteral("5"), QStringLiteral("Market café"), QStringLiteral("0.2"),
            QStringLiteral("lunch #Holiday #ann"));
    addItem(document, groceries, 2, QStringLiteral("6"), QStringLiteral("Market"), QStringLiteral("45.10"),
            QStringLiteral("No#5 soap"));
    addItem(document, travel, 6, QStringLiteral("12"), QStringLiteral("Hotel"), QStringLiteral("320"),
            QStringLiteral("#HOLIDAY, twice #holiday"));
    addItem(document, dining, 6, QStringLiteral("13"), QStringLiteral("Market stall"), QStringLiteral("-12.50"),
            QStringLiteral("refund #holiday"));
    addItem(document, groceries, 11, QStringLiteral("20"), QStringLiteral("Bakery"), QStringLiteral("8"),
            QStringLiteral("#ann's cake (#birthday)"));
    DocumentFixtures::entryAt(document, groceries, 3, 0).note = QStringLiteral("#holiday");
    DocumentFixtures::setEnvelope(document, groceries, 3, QStringLiteral("400"));
    DocumentFixtures::recalculate(document);
}

/// A receipt of 84.20 at the market on 3 May split three ways, each part
/// with its own note: Groceries 50 "#party", Dining out 20.20 "#Party #ann",
/// Household 14 without a tag. The split's link is the file's:
/// kSplitReceiptRecord, which the test appends to the written file.
inline void fillSplitReceipt(BudgetDocument &document)
{
    using DocumentFixtures::addItem;
    for (const char *name : {"Groceries", "Dining out", "Household"})
        DocumentFixtures::addCategory(document, QString::fromUtf8(name));
    constexpr int kMay = 4;
    addItem(document, QStringLiteral("Groceries"), kMay, QStringLiteral("3"), QStringLiteral("Market"),
            QStringLiteral("50.00"), QStringLiteral("#party"));
    addItem(document, QStringLiteral("Dining out"), kMay, QStringLiteral("3"), QStringLiteral("Market"),
            QStringLiteral("20.20"), QStringLiteral("#Party #ann"));
    addItem(document, QStringLiteral("Household"), kMay, QStringLiteral("3"), QStringLiteral("Market"),
            QStringLiteral("14.00"));
    DocumentFixtures::recalculate(document);
}

inline const QByteArray kSplitReceiptRecord = "; ****** ORRINWICK_EXTENSIONS 1 ******\r\n"
                                              ";@split\tmay\tGroceries\t1\tDining out\t1\tHousehold\t1\r\n";

} // namespace TagFixture
