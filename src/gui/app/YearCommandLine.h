#pragma once

#include <QStringList>

class Settings;

/// The year's modes that run without a window:
///   --new-year IN OUT   writes next year's budget drawn from IN to OUT;
///   --pdf FILE OUT.pdf [--envelope] [--month 1-12]   writes the budget grid,
///                       or the month's register, as a PDF.
/// Each answers the exit status; --pdf runs under a GUI application.
namespace YearCommandLine {

/// OUT is written as a save from the window writes (UnattendedSave): never over
/// an existing file, under its lock.
[[nodiscard]] int newYear(const QString &in, const QString &out, const Settings &settings);
/// `arguments`, the command line as given, is read for --month.
[[nodiscard]] int pdf(const QString &in, const QString &out, bool envelope, const QStringList &arguments);

} // namespace YearCommandLine
