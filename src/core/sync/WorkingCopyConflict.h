#pragma once

#include <QString>

/// Whether Subversion left a file of a working copy in conflict.
namespace WorkingCopyConflict {

/// True when the conflict files that Subversion writes beside a conflicted
/// file are there: `<file>.mine`, `<file>.working`, `<file>.r<N>`,
/// `<file>.merge-left.r<N>` or `<file>.merge-right.r<N>`. The file itself
/// then holds conflict markers rather than the user's data.
[[nodiscard]] bool isConflicted(const QString &filePath);

} // namespace WorkingCopyConflict
