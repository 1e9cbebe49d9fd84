#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <future>

/// The data file as this program last read or wrote it: its size, its
/// modification time and a hash of its bytes. Another program's change (an
/// update in a terminal, a sync tool, a second computer) shows against it.
class DiskVersion final
{
public:
    /// How closely the file is looked at.
    enum class Look {
        /// Size and time first; the bytes are read only when those differ,
        /// so that a file written again with the same bytes is no change.
        Quick,
        /// The bytes always: before a save replaces the file.
        Thorough,
    };

    /// Notes the file as it is now; one that cannot be read is forgotten.
    void note(const QString &path);
    /// A file's size and modification time.
    struct Stamp
    {
        qint64 size = 0;
        QDateTime modified;

        [[nodiscard]] static Stamp of(const QString &path);
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };

    /// Notes the file from the bytes just read from it or written to it,
    /// without reading them again; `stamp` taken before the read, or after
    /// the write.
    void note(const QString &path, const QByteArray &bytes, const Stamp &stamp);
    void forget();
    [[nodiscard]] QString path() const { return _path; }

    /// Whether the bytes of the noted file differ from what was noted. A
    /// file that is gone or cannot be read is no change: nothing of it could
    /// be lost, and a save writes it again.
    [[nodiscard]] bool changedSince(Look look);

private:
    QString _path;
    Stamp _stamp;
    /// Worked out beside the rest of an open or a save, and waited for when
    /// the file is looked at: a large file's hash would delay the window.
    std::shared_future<QByteArray> _hash;
};
