#pragma once

#include <QStringList>

/// The year's modes that run without a window:
///   --new-year IN OUT   writes next year's budget drawn from IN to OUT;
///   --pdf FILE OUT.pdf [--envelope] [--month 1-12]   writes the budget grid,
///                       or the month's register, as a PDF.
/// Each answers the exit status; --pdf runs under a GUI application.
namespace YearCommandLine {

[[nodiscard]] int newYear(const QString &in, const QString &out);
/// `arguments`, the command line as given, is read for --month.
[[nodiscard]] int pdf(const QString &in, const QString &out, bool envelope, const QStringList &arguments);

} // namespace YearCommandLine
