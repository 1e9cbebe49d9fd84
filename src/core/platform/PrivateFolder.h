#pragma once

#include <QString>

/// The folders the program makes for itself (backups, recovery files):
/// each made readable by its owner only (0700), whatever the umask, as the
/// XDG base directory rules ask of the folders a program makes.
namespace PrivateFolder {

/// Makes the folder and every missing one above it; answers whether it is
/// there now. Folders already there are left as they are.
[[nodiscard]] bool make(const QString &path);

} // namespace PrivateFolder
