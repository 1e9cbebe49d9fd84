#include "OpenFileLock.h"

#include "platform/FileRead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// Enough for the four lines; a larger "lock" is none of ours.
constexpr qint64 kMaxLockBytes = 4096;

QString userName()
{
    if (const passwd *entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::geteuid());
}

QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

/// The program a process of this host runs; empty when that cannot be seen.
QString programOf(qint64 pid)
{
    // A program updated while it runs is shown as "NAME (deleted)".
    QString name = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid))).fileName();
    name.remove(QStringLiteral(" (deleted)"));
    return name;
}

} // namespace

OpenFileLock::OpenFileLock(const QString &dataPath)
    : _dataPath(dataPath)
    , _lockPath(lockPath(dataPath))
{
}

OpenFileLock::~OpenFileLock()
{
    if (_fd < 0)
        return;
    // Removed only while it is still ours, not one taken over meanwhile.
    struct stat held {}, named {};
    const QByteArray path = QFile::encodeName(_lockPath);
    if (::fstat(_fd, &held) == 0 && ::stat(path.constData(), &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino)
        ::unlink(path.constData());
    ::close(_fd);
}

QString OpenFileLock::lockPath(const QString &dataPath)
{
    const QFileInfo data(dataPath);
    return data.absoluteDir().filePath(u'.' + data.fileName() + QStringLiteral(".lock"));
}

bool OpenFileLock::tryLock()
{
    if (isLocked() || create())
        return true;
    if (errno != EEXIST)
        return false;
    const std::optional<Holder> holder = holderIn(_lockPath);
    if (!holder || !isStale(*holder))
        return false;
    QFile::remove(_lockPath);
    return create();
}

bool OpenFileLock::create()
{
    const int fd = ::open(QFile::encodeName(_lockPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0644);
    if (fd < 0)
        return false;
    const QByteArray contents = QByteArray::number(QCoreApplication::applicationPid()) + '\n' + programName().toUtf8()
        + '\n' + QSysInfo::machineHostName().toUtf8() + '\n' + userName().toUtf8() + '\n';
    if (::write(fd, contents.constData(), std::size_t(contents.size())) != contents.size()) {
        const int error = errno;
        ::close(fd);
        QFile::remove(_lockPath);
        errno = error;
        return false;
    }
    _fd = fd;
    return true;
}

std::optional<OpenFileLock::Holder> OpenFileLock::holderIn(const QString &lockPath)
{
    const FileRead::Result file = FileRead::whole(lockPath, kMaxLockBytes);
    if (!file.ok())
        return std::nullopt;
    const QList<QByteArray> lines = file.bytes.split('\n');
    bool number = false;
    Holder holder;
    holder.pid = lines.value(0).toLongLong(&number);
    if (!number || holder.pid <= 0 || lines.size() < 3)
        return std::nullopt;
    holder.program = QString::fromUtf8(lines.value(1));
    holder.host = QString::fromUtf8(lines.value(2));
    holder.user = QString::fromUtf8(lines.value(3));
    holder.since = QFileInfo(lockPath).lastModified();
    return holder;
}

bool OpenFileLock::isStale(const Holder &holder)
{
    // Of another host nothing can be known: it holds the file until it lets go.
    if (holder.host != QSysInfo::machineHostName())
        return false;
    if (::kill(pid_t(holder.pid), 0) != 0 && errno == ESRCH)
        return true;
    // The number taken by another program since (after a restart).
    const QString running = programOf(holder.pid);
    return !running.isEmpty() && !holder.program.isEmpty() && running != holder.program;
}

std::optional<OpenFileLock::Holder> OpenFileLock::otherHolder(const QString &dataPath)
{
    OpenFileLock probe(dataPath);
    // A lock the probe could take is let go as the probe goes.
    if (probe.tryLock())
        return std::nullopt;
    return holderIn(probe._lockPath);
}
