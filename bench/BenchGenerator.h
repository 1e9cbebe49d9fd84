#pragma once

#include <QString>

class BudgetDocument;

/// Builds large budgets for the benchmarks: 30 categories whose items are
/// spread over the twelve months, with the same items as a ledger journal.
namespace BenchGenerator {

inline constexpr int kCategoryCount = 30;

/// Fills a document (fixed rows already made) with `entries` booked items,
/// the same for the same seed.
void fill(BudgetDocument &document, int entries, unsigned seed = 2026);

/// Writes the document's items as a ledger journal: one transaction per
/// item, from Assets:Checking to Expenses:<category>.
[[nodiscard]] bool writeJournal(const BudgetDocument &document, const QString &path);

} // namespace BenchGenerator
