#pragma once

#include "StatementLine.h"

#include <QDate>
#include <QStringList>

#include <optional>

/// Dates as banks write them in statements.
namespace DateText {

/// Reads a date: year first ("2024-12-31", "2024/12/31", "20241231"), day
/// first with dots ("31.12.2024"), or with slashes, dashes or the
/// apostrophe of QIF files ("12/31/2024", "12/31'24", "31-12-24") in the
/// order given. Spaces around the numbers are allowed ("12/ 1'24"); a time
/// after white space or "T" is ignored. A two-digit year after "'" is in
/// the 2000s, otherwise 70–99 are 1970–1999 and 00–69 2000–2069. An
/// impossible date (31 February) reads as none.
[[nodiscard]] std::optional<QDate> parse(QStringView text, DateOrder order);

/// How a set of dates is to be read.
struct OrderGuess
{
    DateOrder order = DateOrder::MonthFirst;
    /// Some dates depend on the order and none tells which it is; the
    /// order is then month first, as QIF began.
    bool open = false;
    /// Some dates are of a form whose order depends on the reader.
    bool matters = false;
};

/// The order that the dates call for: a first number above 12 means day
/// first, a second one above 12 month first; the more frequent evidence wins.
[[nodiscard]] OrderGuess guessOrder(const QStringList &dates);

} // namespace DateText
