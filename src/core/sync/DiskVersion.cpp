#include "DiskVersion.h"

#include "platform/AtomicFile.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace {

QByteArray hashOf(const QByteArray &bytes)
{
    // Every open and every save hashes the whole file: BLAKE2b reads it three
    // times faster than SHA-256, with as many bits.
    return QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256);
}

} // namespace

void DiskVersion::note(const QString &path)
{
    forget();
    // The time is read before the bytes: a change between the two shows as
    // a newer time, and is looked at again, never missed.
    const Stamp stamp = Stamp::of(path);
    const std::optional<QByteArray> bytes = AtomicFile::read(path);
    if (!path.isEmpty() && bytes)
        note(path, *bytes, stamp);
}

DiskVersion::Stamp DiskVersion::Stamp::of(const QString &path)
{
    const QFileInfo file(path);
    return {file.size(), file.lastModified()};
}

void DiskVersion::note(const QString &path, const QByteArray &bytes, const Stamp &stamp)
{
    _path = path;
    _stamp = stamp;
    _hash = std::async(std::launch::async, hashOf, bytes).share();
}

void DiskVersion::forget()
{
    _path.clear();
    _hash = {};
}

bool DiskVersion::changedSince(Look look)
{
    if (_path.isEmpty() || !QFileInfo::exists(_path))
        return false;
    const Stamp now = Stamp::of(_path);
    if (look == Look::Quick && now == _stamp)
        return false;
    const std::optional<QByteArray> bytes = AtomicFile::read(_path);
    if (!bytes)
        return false;
    if (!_hash.valid() || hashOf(*bytes) != _hash.get())
        return true;
    // Touched, or written again alike: the next quick look need not read it.
    _stamp = now;
    return false;
}
