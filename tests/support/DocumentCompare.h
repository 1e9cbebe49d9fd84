#pragma once

#include "DocumentFixtures.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "editing/DocumentSetup.h"
#include "platform/ScriptedAlerts.h"

#include <QString>

#include <memory>

/// Whole-document comparison for round-trip tests: the grid rows
/// (`_catArray`), the monthly budgets (`_budgetTotals`) and every category's
/// entry lists (`_catData`), with a readable first difference.
namespace DocumentCompare {

/// A text short enough for a failure message, with its line breaks and tabs visible.
inline QString shown(const QString &text)
{
    QString visible = text.size() > 120 ? text.left(60) + QStringLiteral("…(%1 characters)").arg(text.size()) : text;
    visible.replace(u'\r', QStringLiteral("\\r"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\t', QStringLiteral("\\t"));
    return u'"' + visible + u'"';
}

inline QString shown(const Entry &entry)
{
    return QStringLiteral("[day %1, desc %2, amount %3, note %4, mark %5]")
        .arg(shown(entry.day), shown(entry.desc), shown(entry.amount), shown(entry.note), shown(entry.reconciled));
}

/// The first difference between the two documents, or an empty text when
/// they hold the same rows, budgets and entries.
inline QString firstDifference(const BudgetDocument &a, const BudgetDocument &b)
{
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        const QString &x = a.budgetTotals()[std::size_t(month)];
        const QString &y = b.budgetTotals()[std::size_t(month)];
        if (x != y)
            return QStringLiteral("budget of month %1: %2 / %3").arg(month).arg(shown(x), shown(y));
    }
    const QList<CategoryRow> &rowsA = a.getCatArray();
    const QList<CategoryRow> &rowsB = b.getCatArray();
    if (rowsA.size() != rowsB.size())
        return QStringLiteral("%1 / %2 grid rows").arg(rowsA.size()).arg(rowsB.size());
    for (qsizetype row = 0; row < rowsA.size(); ++row) {
        if (rowsA[row].desc != rowsB[row].desc)
            return QStringLiteral("name of row %1: %2 / %3")
                .arg(row)
                .arg(shown(rowsA[row].desc), shown(rowsB[row].desc));
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const QString &x = rowsA[row].months[std::size_t(month)];
            const QString &y = rowsB[row].months[std::size_t(month)];
            if (x != y)
                return QStringLiteral("row %1 month %2: %3 / %4").arg(row).arg(month).arg(shown(x), shown(y));
        }
        if (rowsA[row].average != rowsB[row].average)
            return QStringLiteral("average of row %1: %2 / %3")
                .arg(row)
                .arg(shown(rowsA[row].average), shown(rowsB[row].average));
    }
    const auto &dataA = a.getCatDataDictionary();
    const auto &dataB = b.getCatDataDictionary();
    if (dataA.size() != dataB.size())
        return QStringLiteral("%1 / %2 categories with entries").arg(dataA.size()).arg(dataB.size());
    for (const auto &[name, lists] : dataA) {
        const auto other = dataB.find(name);
        if (other == dataB.end())
            return QStringLiteral("entries of %1 only in the first").arg(shown(name));
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList &x = lists[std::size_t(month)];
            const EntryList &y = other->second[std::size_t(month)];
            if (x.size() != y.size())
                return QStringLiteral("%1 month %2: %3 / %4 entries")
                    .arg(shown(name))
                    .arg(month)
                    .arg(x.size())
                    .arg(y.size());
            for (qsizetype i = 0; i < x.size(); ++i) {
                if (!(x[i] == y[i]))
                    return QStringLiteral("%1 month %2 entry %3: %4 / %5")
                        .arg(shown(name))
                        .arg(month)
                        .arg(i)
                        .arg(shown(x[i]), shown(y[i]));
            }
        }
    }
    return {};
}

/// The data file at the path loaded into a fresh document with the fixed
/// rows, as the program loads it; none when it does not load.
inline std::unique_ptr<BudgetDocument> loaded(const QString &path, bool envelopeView, bool sortData)
{
    auto document = std::make_unique<BudgetDocument>();
    DocumentSetup::setEnvelopeView(*document, envelopeView);
    ScriptedAlerts alerts;
    BudgetFileReader::Options options;
    options.sortData = sortData;
    if (BudgetFileReader::loadFile(*document, path, alerts, options) != BudgetFileReader::LoadResult::Loaded)
        return nullptr;
    return document;
}

} // namespace DocumentCompare
