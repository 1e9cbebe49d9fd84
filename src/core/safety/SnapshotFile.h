#pragma once

#include "document/DocumentSnapshot.h"

#include <QByteArray>

#include <optional>

/// A document snapshot as the data file's text and back, for the copies
/// kept outside the document: recovery files and backups.
namespace SnapshotFile {

/// The file image of the snapshot, as a save would write it. Safe on any
/// thread: it touches only the snapshot's (shared, never changed) lists.
[[nodiscard]] QByteArray bytes(const DocumentSnapshot &snapshot);

/// The document in a file image, exactly as written (nothing sorted);
/// nothing when the bytes are no budget file.
[[nodiscard]] std::optional<DocumentSnapshot> read(const QByteArray &bytes);
/// The same for the file at `path`; nothing when it cannot be read either.
[[nodiscard]] std::optional<DocumentSnapshot> readFile(const QString &path);

/// How much a document holds: its categories and its booked entries
/// (the envelopes not counted).
struct Counts
{
    int categories = 0;
    qsizetype entries = 0;
};
[[nodiscard]] Counts counts(const DocumentSnapshot &snapshot);

} // namespace SnapshotFile
