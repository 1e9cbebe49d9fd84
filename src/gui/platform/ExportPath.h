#pragma once

#include <QString>

/// Where an export is first suggested: beside the budget file and named
/// after it ("household-2026 Tags.csv"), or in the home folder under the
/// export's own name for a budget not saved yet.
namespace ExportPath {

[[nodiscard]] QString suggested(const QString &dataFile, const QString &name, const QString &suffix);

} // namespace ExportPath
