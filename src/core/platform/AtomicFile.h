#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

/// Whole-file reads and writes. A write goes to a temporary file beside the
/// target and is renamed over it, so the target is always either the old
/// image or the new one.
namespace AtomicFile {

/// On failure `error`, when given, receives the reason.
[[nodiscard]] bool write(const QString &path, const QByteArray &contents, QString *error = nullptr);

/// The whole content, or nothing when the file cannot be opened for reading.
[[nodiscard]] std::optional<QByteArray> read(const QString &path);

} // namespace AtomicFile
