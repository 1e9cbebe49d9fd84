#pragma once

#include "DocumentExtensions.h"
#include "Entry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class BudgetDocument;

/// The budget as CSV for spreadsheet programs: RFC 4180 quoting, CR LF line
/// ends, "." as decimal point, UTF-8. Amounts are the exact stored figures,
/// not the whole units the grid shows. A text cell that starts like a
/// formula (= + - @, a tab or a CR) gets a leading "'" so that it stays text.
namespace CsvExport {

/// A text cell a spreadsheet would take for a formula, with a leading "'".
[[nodiscard]] QString asText(const QString &cell);

/// One line of fields, quoted where needed, ending in CR LF.
[[nodiscard]] QByteArray record(const QStringList &fields);

/// The grid: a header line, then Budget, Remain and every category with its
/// twelve months and average (the separator row is left out).
[[nodiscard]] QByteArray budgetGrid(const BudgetDocument &document);
/// One month's transactions of every category, in budget order; a month
/// with a split gains a last column that names each part's split.
[[nodiscard]] QByteArray monthRegister(const BudgetDocument &document, int month);

/// A transaction and the category it is booked under.
struct Transaction
{
    QString category;
    Entry entry;
};
/// Transactions of month 0–11 in the given order, under the same header as
/// monthRegister(): the register writes the month it shows, as it shows it.
/// The splits are the links among `extensions` (none: no Split column).
[[nodiscard]] QByteArray transactions(const QList<Transaction> &rows, const DocumentExtensions &extensions = {},
                                      int month = -1);

} // namespace CsvExport
