#pragma once

#include <optional>

class BudgetDocument;
class DocumentExtensions;

/// The recurring transactions that go on into next year's budget.
namespace RecurringCarry {

/// Each recurring transaction of `thisYear` (the year `year`) that has an
/// occurrence after it, starting from that occurrence with the count it has
/// left and nothing handled yet; broken records go over as they are. Without
/// a known year they go over unchanged.
void addTo(DocumentExtensions &nextYear, const BudgetDocument &thisYear, std::optional<int> year);

} // namespace RecurringCarry
