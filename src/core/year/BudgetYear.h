#pragma once

#include <QString>

#include <optional>

class BudgetDocument;

/// Which year a budget file holds.
namespace BudgetYear {

/// The last four-digit number standing alone in the file name
/// ("household-2026.txt" gives 2026), with where it stands in the name.
struct NameYear
{
    int year = 0;
    qsizetype start = 0;
};
[[nodiscard]] std::optional<NameYear> inFileName(const QString &path);

/// The year the file stores, else the one in its name.
[[nodiscard]] std::optional<int> of(const BudgetDocument &document, const QString &path);

} // namespace BudgetYear
