#pragma once

#include <QStringList>

/// The year's modes that run without a window:
///   --new-year IN OUT   writes next year's budget drawn from IN to OUT;
///   --pdf FILE OUT.pdf [--envelope] [--month 1-12]   writes the budget grid,
///                       or the month's register, as a PDF.
/// Each makes its own application object and answers the exit status.
namespace YearCommandLine {

[[nodiscard]] int newYear(int &argc, char **argv, const QStringList &arguments);
[[nodiscard]] int pdf(int &argc, char **argv, const QStringList &arguments);

} // namespace YearCommandLine
