#pragma once

#include <QByteArray>

class BudgetDocument;

/// The budget as CSV for spreadsheet programs: RFC 4180 quoting, CR LF line
/// ends, "." as decimal point, UTF-8. Amounts are the exact stored figures,
/// not the whole units the grid shows.
namespace CsvExport {

/// The grid: a header line, then Budget, Remain and every category with its
/// twelve months and average (the separator row is left out).
[[nodiscard]] QByteArray budgetGrid(const BudgetDocument &document);
/// One month's transactions of every category, in budget order.
[[nodiscard]] QByteArray monthRegister(const BudgetDocument &document, int month);

} // namespace CsvExport
