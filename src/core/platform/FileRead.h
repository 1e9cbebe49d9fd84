#pragma once

#include <QByteArray>
#include <QString>

/// Every read of a file the program is pointed at (a data file, a
/// statement, a lock, a backup, a recovery file, a name from the settings):
/// refused unless it is a regular file, opened without blocking, and never
/// more than a limit. A pipe, a device, a socket or a huge file gives a
/// message instead of a hang or a full memory.
namespace FileRead {

/// The most a year's data file (and so its backups and recovery files) may hold.
inline constexpr qint64 kYearFileLimit = qint64(256) << 20;

enum class Fault { None, Missing, Unreadable, Folder, NotAFile, TooLarge };

/// What a read gave: the bytes, or why there are none.
struct Result
{
    QByteArray bytes;
    Fault fault = Fault::None;
    qint64 size = 0;   // of the file, when it is one
    qint64 limit = 0;
    QString reason;    // the system's, when it could not be opened or read

    [[nodiscard]] bool ok() const { return fault == Fault::None; }
    /// A sentence for the user that names the file and what is wrong.
    [[nodiscard]] QString message(const QString &path) const;
};

/// The whole file; a file larger than `limit` is refused, not cut.
[[nodiscard]] Result whole(const QString &path, qint64 limit = kYearFileLimit);
/// The first `count` bytes (all of a shorter file).
[[nodiscard]] Result start(const QString &path, qint64 count);

} // namespace FileRead
