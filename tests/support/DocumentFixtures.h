#pragma once

#include "document/BudgetDocument.h"

#include <QString>
#include <QStringList>

/// Helpers that build documents the way the program holds them.
namespace DocumentFixtures {

/// Appends a booked item to a category's month list (the category must exist).
inline void addItem(BudgetDocument &document, const QString &category, int month, const QString &day,
                    const QString &desc, const QString &amount, const QString &note = {},
                    const QString &reconciled = QStringLiteral(" "))
{
    document.entryList(category, month)->append(Entry{day, desc, amount, note, reconciled});
}

inline void setEnvelope(BudgetDocument &document, const QString &category, int month, const QString &amount)
{
    document.entryList(category, month)->first().amount = amount;
}

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
