#pragma once

class BudgetDocument;
class DocumentExtensions;

/// What the envelopes that carry hand on to next year's budget.
namespace NextYearCarry {

/// Each category's carry mode, and for each category that carries its
/// December figure in envelope mode as next year's opening amount.
void addTo(DocumentExtensions &nextYear, const BudgetDocument &thisYear);

} // namespace NextYearCarry
