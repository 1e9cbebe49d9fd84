#include "DiskVersion.h"

#include "platform/AtomicFile.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace {

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

void DiskVersion::note(const QString &path)
{
    forget();
    // The time is read before the bytes: a change between the two shows as
    // a newer time, and is looked at again, never missed.
    const QFileInfo file(path);
    const std::optional<QByteArray> bytes = AtomicFile::read(path);
    if (path.isEmpty() || !bytes)
        return;
    _path = path;
    _size = file.size();
    _modified = file.lastModified();
    _hash = hashOf(*bytes);
}

void DiskVersion::forget()
{
    _path.clear();
    _hash.clear();
}

bool DiskVersion::changedSince(Look look)
{
    if (_path.isEmpty())
        return false;
    const QFileInfo file(_path);
    if (!file.exists())
        return false;
    if (look == Look::Quick && file.size() == _size && file.lastModified() == _modified)
        return false;
    const std::optional<QByteArray> bytes = AtomicFile::read(_path);
    if (!bytes)
        return false;
    if (hashOf(*bytes) != _hash)
        return true;
    // Touched, or written again alike: the next quick look need not read it.
    _size = file.size();
    _modified = file.lastModified();
    return false;
}
