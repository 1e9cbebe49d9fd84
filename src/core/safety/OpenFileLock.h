#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

/// The lock that tells other programs a data file is open: a file beside
/// the data file (".NAME.lock") made only when it is not there, holding the
/// process id, the program's name, the host and the user, one a line, and
/// as its own time the moment it was taken. Nothing else: the machine's id
/// is meant to stay on the machine. A lock left by a process of this host
/// that no longer runs is stale and taken over silently; a live lock never
/// goes stale by age. Released when this object goes.
class OpenFileLock final
{
public:
    /// Who holds a lock.
    struct Holder
    {
        qint64 pid = 0;
        QString program;
        QString host;
        QString user;
        QDateTime since;
    };

    explicit OpenFileLock(const QString &dataPath);
    ~OpenFileLock();
    Q_DISABLE_COPY_MOVE(OpenFileLock)

    [[nodiscard]] static QString lockPath(const QString &dataPath);

    [[nodiscard]] QString dataPath() const { return _dataPath; }
    /// Takes the lock unless a live process holds it; answers whether it is held.
    bool tryLock();
    [[nodiscard]] bool isLocked() const { return _fd >= 0; }

    /// The holder of the lock on the data file, when another program holds
    /// it (a stale lock is taken over and answers nothing, and so does a
    /// lock that is no regular file or holds no holder).
    [[nodiscard]] static std::optional<Holder> otherHolder(const QString &dataPath);

private:
    [[nodiscard]] bool create();
    [[nodiscard]] static std::optional<Holder> holderIn(const QString &lockPath);
    [[nodiscard]] static bool isStale(const Holder &holder);

    QString _dataPath;
    QString _lockPath;
    int _fd = -1;
};
