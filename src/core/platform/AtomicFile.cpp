#include "AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace AtomicFile {

bool write(const QString &path, const QByteArray &contents, QString *error)
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
    if (file.write(contents) != contents.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    return file.commit() || failed(file.errorString());
}

std::optional<QByteArray> read(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace AtomicFile
