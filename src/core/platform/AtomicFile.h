#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

/// Whole-file reads and writes. A write goes to a temporary file beside the
/// target and is renamed over it, so the target is always either the old
/// image or the new one.
namespace AtomicFile {

/// On failure `error`, when given, receives the reason. A file replaced
/// keeps its mode and its group.
[[nodiscard]] bool write(const QString &path, const QByteArray &contents, QString *error = nullptr);
/// The same for a copy kept of the file at `original` (a backup, a
/// recovery file; none for a budget never saved): readable and writable by
/// its owner only, whatever the umask, and never more than the original.
[[nodiscard]] bool writeCopy(const QString &path, const QByteArray &contents, const QString &original,
                             QString *error = nullptr);

/// The whole content of a year-sized regular file (FileRead::whole()), or
/// nothing when it cannot be read.
[[nodiscard]] std::optional<QByteArray> read(const QString &path);

} // namespace AtomicFile
