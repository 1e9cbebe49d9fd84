#pragma once

#include <QString>

#include <optional>

class DocumentExtensions;

/// Where a budget's previous year lives (`;@lastyear<TAB>PATH`).
namespace LastYearLink {

/// The linked file, resolved against the folder of the budget at `path`;
/// none when there is no link.
[[nodiscard]] std::optional<QString> linkedPath(const DocumentExtensions &extensions, const QString &path);

/// The link to `lastPath` as the budget at `path` stores it: relative to
/// its folder when the file lies below it, else absolute.
[[nodiscard]] QString storedLink(const QString &path, const QString &lastPath);

/// Links the budget at `path` to `lastPath`, as storedLink() writes it.
void setLink(DocumentExtensions &extensions, const QString &path, const QString &lastPath);

/// The file a user most likely means: the name with its year lowered by one,
/// in the same folder.
[[nodiscard]] std::optional<QString> suggestedPath(const QString &path);

} // namespace LastYearLink
