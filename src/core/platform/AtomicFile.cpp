#include "AtomicFile.h"

#include "FileRead.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

namespace AtomicFile {

namespace {

/// A copy's mode: the owner's read and write at most, and no more than
/// the owner has on the original; readable by the owner in any case.
QFileDevice::Permissions copyMode(const QString &original)
{
    struct stat status {};
    mode_t mode = S_IRUSR | S_IWUSR;
    if (!original.isEmpty() && ::stat(QFile::encodeName(original).constData(), &status) == 0)
        mode = (status.st_mode & mode) | S_IRUSR;
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner;
    if (mode & S_IWUSR)
        permissions |= QFileDevice::WriteOwner;
    return permissions;
}

bool writeFile(const QString &path, const QByteArray &contents, std::optional<QFileDevice::Permissions> permissions,
               QString *error)
{
    const auto failed = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    // QSaveFile would happily replace a folder's name with a file; refuse it.
    if (QFileInfo(path).isDir())
        return failed(QCoreApplication::translate("AtomicFile", "%1 is a folder").arg(path));
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows in write()'s count:
    // through the buffer a short flush can still end in a successful commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    // Set before a byte is written, so the content is never more open than
    // asked, whatever the umask. A replaced file keeps its mode (QSaveFile
    // sees to that) and its group, which may be the household's.
    struct stat replaced {};
    if (permissions) {
        file.setPermissions(*permissions);
    } else if (::stat(QFile::encodeName(path).constData(), &replaced) == 0) {
        // Refused when the user is no member of that group: theirs it is then.
        [[maybe_unused]] const int kept = ::fchown(file.handle(), uid_t(-1), replaced.st_gid);
    }
    if (file.write(contents) != contents.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    return file.commit() || failed(file.errorString());
}

} // namespace

bool write(const QString &path, const QByteArray &contents, QString *error)
{
    return writeFile(path, contents, std::nullopt, error);
}

bool writeCopy(const QString &path, const QByteArray &contents, const QString &original, QString *error)
{
    return writeFile(path, contents, copyMode(original), error);
}

std::optional<QByteArray> read(const QString &path)
{
    FileRead::Result result = FileRead::whole(path);
    if (!result.ok())
        return std::nullopt;
    return std::move(result.bytes);
}

} // namespace AtomicFile
