#pragma once

#include <QString>

/// `orrinwick --compare FILE [--last LASTFILE]`: what was booked per
/// category and month this year and last, one line per category (this
/// year's in their order, then last year's that match none), each figure
/// the exact sum in its shortest form, then a line "Total".
namespace CompareCommandLine {

/// LASTFILE defaults to the file FILE links to (empty `lastPath`). Answers
/// the exit status: 1, with a message, when either file cannot be read.
[[nodiscard]] int run(const QString &path, const QString &lastPath);

} // namespace CompareCommandLine
