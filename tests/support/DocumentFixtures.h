#pragma once

#include "document/BudgetDocument.h"
#include "document/DocumentWriter.h"

#include <QString>
#include <QStringList>

/// Helpers that build documents the way the program holds them, as the file
/// reader would: no undo step, and the figures recomputed only when asked
/// (`recalculate`), so that a large fixture costs one recomputation.
namespace DocumentFixtures {

/// Appends a category of this name (new and not empty) with its twelve envelopes.
inline void addCategory(BudgetDocument &document, const QString &name)
{
    DocumentWriter(document).appendCategory(name, QStringLiteral("0"));
}

inline void addCategories(BudgetDocument &document, const QStringList &names)
{
    for (const QString &name : names)
        addCategory(document, name);
}

/// Appends an entry to a category's month list (the category must exist).
inline void addEntry(BudgetDocument &document, const QString &category, int month, const Entry &entry)
{
    DocumentWriter(document).entryList(category, month)->append(entry);
}

/// Appends a booked item to a category's month list (the category must exist).
inline void addItem(BudgetDocument &document, const QString &category, int month, const QString &day,
                    const QString &desc, const QString &amount, const QString &note = {},
                    const QString &reconciled = QStringLiteral(" "))
{
    addEntry(document, category, month, Entry { day, desc, amount, note, reconciled });
}

inline void setEnvelope(BudgetDocument &document, const QString &category, int month, const QString &amount)
{
    DocumentWriter(document).setEnvelope(category, month, amount);
}

/// The typed budget of month 0–11 (standard mode's).
inline void setBudget(BudgetDocument &document, int month, const QString &amount)
{
    DocumentWriter(document).setBudget(month, amount);
}

/// Every month's typed budget.
inline void setBudgets(BudgetDocument &document, const QString &amount)
{
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        setBudget(document, month, amount);
}

/// A category's month list (the envelope entry first), for a test that
/// fills or changes it in place as the reader or an edit would.
inline EntryList &entries(BudgetDocument &document, const QString &category, int month)
{
    return *DocumentWriter(document).entryList(category, month);
}

inline Entry &entryAt(BudgetDocument &document, const QString &category, int month, qsizetype at)
{
    return entries(document, category, month)[at];
}

inline void setExtensions(BudgetDocument &document, const DocumentExtensions &extensions)
{
    DocumentWriter(document).setExtensions(extensions);
}

/// Recomputes every figure, as the reader does once a file is read.
inline void recalculate(BudgetDocument &document) { DocumentWriter(document).recalculate(); }

/// The descriptions of a category's booked entries for month 0–11, in stored
/// order (the envelope entry left out).
inline QStringList storedDescs(const BudgetDocument &document, const QString &category, int month)
{
    QStringList descs;
    const EntryList &list = *document.entryList(category, month);
    for (qsizetype at = 1; at < list.size(); ++at)
        descs.append(list.at(at).desc);
    return descs;
}

/// The names of the categories, in budget order.
inline QStringList categoryNames(const BudgetDocument &document)
{
    QStringList names;
    for (int row = kFirstCategoryRow; row < document.getCatArray().size(); ++row)
        names << document.getCatArray()[row].desc;
    return names;
}

/// The descriptions of every category's booked entries for month 0–11, the
/// categories in budget order, each list in stored order.
inline QStringList storedDescs(const BudgetDocument &document, int month)
{
    QStringList descs;
    for (const QString &category : categoryNames(document))
        descs << storedDescs(document, category, month);
    return descs;
}

/// The names of every grid row, the fixed rows included.
inline QStringList rowNames(const BudgetDocument &document)
{
    QStringList names;
    for (const CategoryRow &row : document.getCatArray())
        names << row.desc;
    return names;
}

/// The register's usual budget: the fixed rows, then Food, Rent and Fun; a
/// budget of 1000 in the month and four items stored out of day order:
/// Food's Market (day 20, 45.10) and Bakery (day 5, 8.5, note "bread",
/// reconciled), Rent's Landlord (day 1, 800), Fun's Cinema (day 12, -3).
inline void fillRegisterSample(BudgetDocument &document, int month)
{
    addCategories(document, { QStringLiteral("Food"), QStringLiteral("Rent"), QStringLiteral("Fun") });
    setBudget(document, month, QStringLiteral("1000"));
    addItem(document, QStringLiteral("Food"), month, QStringLiteral("20"), QStringLiteral("Market"),
            QStringLiteral("45.10"));
    addItem(document, QStringLiteral("Food"), month, QStringLiteral("5"), QStringLiteral("Bakery"),
            QStringLiteral("8.5"), QStringLiteral("bread"), QStringLiteral("R"));
    addItem(document, QStringLiteral("Rent"), month, QStringLiteral("1"), QStringLiteral("Landlord"),
            QStringLiteral("800"));
    addItem(document, QStringLiteral("Fun"), month, QStringLiteral("12"), QStringLiteral("Cinema"),
            QStringLiteral("-3"));
}

/// The cell of a row by name ("Budget", "Remain" or a category) and column id.
inline QString cell(const BudgetDocument &document, const QString &rowName, QStringView columnId)
{
    for (const CategoryRow &row : document.getCatArray()) {
        if (row.desc == rowName)
            return row.value(columnId);
    }
    return QStringLiteral("<no row %1>").arg(rowName);
}

} // namespace DocumentFixtures
