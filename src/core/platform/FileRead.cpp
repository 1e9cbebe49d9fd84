#include "FileRead.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileRead {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

/// Reads up to `count` bytes; false with the reason on a read error.
bool readUpTo(int fd, qint64 count, qint64 sizeHint, Result &result)
{
    result.bytes.reserve(qsizetype(std::min(count, sizeHint)));
    char buffer[64 * 1024];
    while (result.bytes.size() < count) {
        const auto wanted = std::size_t(std::min<qint64>(qint64(sizeof buffer), count - result.bytes.size()));
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.fault = Fault::Unreadable;
            result.reason = systemReason(errno);
            return false;
        }
        if (got == 0)
            break;
        result.bytes.append(buffer, qsizetype(got));
    }
    return true;
}

Result read(const QString &path, qint64 limit, bool cut)
{
    Result result;
    result.limit = limit;
    // Without O_NONBLOCK opening a pipe waits for a writer that never comes.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        result.fault = error == ENOENT ? Fault::Missing : error == ENXIO ? Fault::NotAFile : Fault::Unreadable;
        result.reason = systemReason(error);
        return result;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        result.fault = Fault::Unreadable;
        result.reason = systemReason(errno);
    } else if (S_ISDIR(status.st_mode)) {
        result.fault = Fault::Folder;
    } else if (!S_ISREG(status.st_mode)) {
        result.fault = Fault::NotAFile;
    } else {
        result.size = status.st_size;
        if (!cut && result.size > limit)
            result.fault = Fault::TooLarge;
        // One byte past the limit tells a file that grew while it was read.
        else if (readUpTo(fd, cut ? limit : limit + 1, result.size, result) && !cut && result.bytes.size() > limit)
            result.fault = Fault::TooLarge;
    }
    ::close(fd);
    if (!result.ok())
        result.bytes.clear();
    return result;
}

} // namespace

QString Result::message(const QString &path) const
{
    switch (fault) {
    case Fault::None:
        return {};
    case Fault::Missing:
        return QCoreApplication::translate("FileRead", "%1 does not exist.").arg(path);
    case Fault::Unreadable:
        return QCoreApplication::translate("FileRead", "%1 could not be read: %2.").arg(path, reason);
    case Fault::Folder:
        return QCoreApplication::translate("FileRead", "%1 is a folder, not a file.").arg(path);
    case Fault::NotAFile:
        return QCoreApplication::translate("FileRead", "%1 is no ordinary file but a device, a pipe or a socket.").arg(path);
    case Fault::TooLarge:
        return QCoreApplication::translate("FileRead", "%1 is %2, larger than the limit of %3.")
            .arg(path, QLocale().formattedDataSize(std::max(size, limit + 1)), QLocale().formattedDataSize(limit));
    }
    return {};
}

Result whole(const QString &path, qint64 limit)
{
    return read(path, limit, false);
}

Result start(const QString &path, qint64 count)
{
    return read(path, count, true);
}

} // namespace FileRead
