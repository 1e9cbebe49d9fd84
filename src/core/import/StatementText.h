#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

/// The text of a statement file: how its bytes are decoded and split into lines.
namespace StatementText {

/// UTF-8 (without a byte-order mark) where the bytes are valid UTF-8,
/// otherwise Windows-1252, the encoding banks use when they do not use UTF-8.
[[nodiscard]] QString decode(QByteArrayView bytes);
/// "UTF-8" or "Windows-1252", as decode() reads the bytes.
[[nodiscard]] QString encodingOf(QByteArrayView bytes);
/// Whether the bytes hold something other than text (a photo, an archive):
/// a NUL byte, or control characters, near the start.
[[nodiscard]] bool looksBinary(QByteArrayView bytes);
/// The start of a text from the file, short enough to quote in a message.
[[nodiscard]] QString excerpt(QStringView text);
/// The lines of a text, split at CR LF, LF or a lone CR.
[[nodiscard]] QStringList splitLines(QStringView text);

} // namespace StatementText
