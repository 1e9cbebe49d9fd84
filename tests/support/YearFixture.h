#pragma once

#include "DocumentFixtures.h"

/// A small year for Find and New Year: three categories, items in three
/// months (an accented description, a refund, notes) and envelopes set.
inline void fillYearFixture(BudgetDocument &document)
{
    using DocumentFixtures::addItem;
    DocumentFixtures::setBudgets(document, QStringLiteral("2000"));
    DocumentFixtures::setBudget(document, 1, QStringLiteral("2100"));
    for (const char *name : {"Groceries", "Dining out", "Rent"})
        DocumentFixtures::addCategory(document, QString::fromUtf8(name));
    DocumentFixtures::setEnvelope(document, QStringLiteral("Groceries"), 0, QStringLiteral("450"));
    DocumentFixtures::setEnvelope(document, QStringLiteral("Rent"), 2, QStringLiteral("1200"));
    addItem(document, QStringLiteral("Groceries"), 0, QStringLiteral("3"), QStringLiteral("Market"),
            QStringLiteral("12.50"), QStringLiteral("weekly shop"), QStringLiteral("R"));
    addItem(document, QStringLiteral("Dining out"), 0, QStringLiteral("7"), QStringLiteral("Café Lune"),
            QStringLiteral("18.15"));
    addItem(document, QStringLiteral("Rent"), 0, QStringLiteral("1"), QStringLiteral("Landlord"),
            QStringLiteral("1200"), QStringLiteral("monthly rent"), QStringLiteral("R"));
    addItem(document, QStringLiteral("Groceries"), 1, QStringLiteral("20"), QStringLiteral("Market"),
            QStringLiteral("100"));
    addItem(document, QStringLiteral("Groceries"), 1, QStringLiteral("17"), QStringLiteral("Bakery"),
            QStringLiteral("8.66"));
    addItem(document, QStringLiteral("Dining out"), 1, QStringLiteral("2"), QStringLiteral("Pizzeria"),
            QStringLiteral("-20"), QStringLiteral("voucher"));
    addItem(document, QStringLiteral("Rent"), 2, QStringLiteral("1"), QStringLiteral("Landlord"),
            QStringLiteral("1200"));
    DocumentFixtures::recalculate(document);
}
