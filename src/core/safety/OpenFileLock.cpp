#include "OpenFileLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

OpenFileLock::OpenFileLock(const QString &dataPath)
    : _dataPath(dataPath)
    , _lock(std::make_unique<QLockFile>(lockPath(dataPath)))
{
    // By default a lock older than 30 seconds counts as stale: a file open
    // for an afternoon would be taken over by the next program.
    _lock->setStaleLockTime(0);
}

OpenFileLock::~OpenFileLock() = default;

QString OpenFileLock::lockPath(const QString &dataPath)
{
    const QFileInfo data(dataPath);
    return data.absoluteDir().filePath(u'.' + data.fileName() + QStringLiteral(".lock"));
}

bool OpenFileLock::tryLock()
{
    return _lock->isLocked() || _lock->tryLock(0);
}

bool OpenFileLock::isLocked() const
{
    return _lock->isLocked();
}

std::optional<OpenFileLock::Holder> OpenFileLock::otherHolder(const QString &dataPath)
{
    OpenFileLock probe(dataPath);
    // A lock the probe could take is let go as the probe goes.
    if (probe.tryLock())
        return std::nullopt;
    Holder holder;
    QString application;
    if (!probe._lock->getLockInfo(&holder.pid, &holder.host, &application))
        return std::nullopt;
    holder.since = QFileInfo(lockPath(dataPath)).lastModified();
    return holder;
}
