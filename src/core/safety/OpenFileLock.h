#pragma once

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

/// The lock that tells other programs a data file is open: a QLockFile
/// beside the data file (".NAME.lock") holding the host, the process and,
/// as its own time, the moment it was taken. A lock left by a process of
/// this host that no longer runs is stale and taken over silently; a live
/// lock never goes stale by age. Released when this object goes.
class OpenFileLock final
{
public:
    /// Who holds a lock.
    struct Holder
    {
        QString host;
        qint64 pid = 0;
        QDateTime since;
    };

    explicit OpenFileLock(const QString &dataPath);
    ~OpenFileLock();
    Q_DISABLE_COPY_MOVE(OpenFileLock)

    [[nodiscard]] static QString lockPath(const QString &dataPath);

    [[nodiscard]] QString dataPath() const { return _dataPath; }
    /// Takes the lock unless a live process holds it; answers whether it is held.
    bool tryLock();
    [[nodiscard]] bool isLocked() const;

    /// The holder of the lock on the data file, when another program holds
    /// it (a stale lock is taken over and answers nothing).
    [[nodiscard]] static std::optional<Holder> otherHolder(const QString &dataPath);

private:
    QString _dataPath;
    std::unique_ptr<QLockFile> _lock;
};
