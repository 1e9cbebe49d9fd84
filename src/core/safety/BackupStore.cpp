#include "BackupStore.h"

#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kTimeFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
const QString kRecoveredMark = QStringLiteral("-recovered");

/// "20260314-102233-118.txt", "20260314-102233-118-2-recovered.txt".
const QRegularExpression &versionName()
{
    static const QRegularExpression name(
        QStringLiteral(R"(^(\d{8}-\d{6}-\d{3})(-\d+)?(-recovered)?\.txt$)"));
    return name;
}

} // namespace

BackupStore::BackupStore(QString folder)
    : _folder(std::move(folder))
{
}

BackupStore::Copy BackupStore::keepCopyOf(const QString &dataPath, const QDateTime &now, QString *error) const
{
    FileRead::Result data = FileRead::whole(dataPath);
    if (data.fault == FileRead::Fault::Missing)
        return Copy::Kept;
    if (!data.ok()) {
        *error = data.message(dataPath);
        return Copy::DataUnreadable;
    }
    const QByteArray &bytes = data.bytes;
    const QList<Version> kept = versions();
    if (!kept.isEmpty() && kept.first().size == bytes.size() && AtomicFile::read(kept.first().path) == bytes)
        return Copy::Kept;
    return keepBytes(bytes, dataPath, now, false, error) ? Copy::Kept : Copy::BackupUnwritten;
}

bool BackupStore::keepBytes(const QByteArray &bytes, const QString &dataPath, const QDateTime &now, bool recovered,
                            QString *error) const
{
    return makeFolder(error) && AtomicFile::writeCopy(newPath(now, recovered), bytes, dataPath, error);
}

bool BackupStore::moveIn(const QString &path, const QDateTime &time, QString *error) const
{
    if (!makeFolder(error))
        return false;
    const QString target = newPath(time, true);
    if (QFile::rename(path, target))
        return true;
    // Another file system: a whole copy first, then the original goes.
    const std::optional<QByteArray> bytes = AtomicFile::read(path);
    if (!bytes) {
        *error = tr("%1 could not be read").arg(path);
        return false;
    }
    if (!AtomicFile::writeCopy(target, *bytes, path, error))
        return false;
    QFile::remove(path);
    return true;
}

QList<BackupStore::Version> BackupStore::versions() const
{
    QList<Version> result;
    const QFileInfoList files = QDir(_folder).entryInfoList(QDir::Files, QDir::Name | QDir::Reversed);
    for (const QFileInfo &file : files) {
        const QRegularExpressionMatch match = versionName().match(file.fileName());
        if (!match.hasMatch())
            continue;
        result.append({file.absoluteFilePath(), QDateTime::fromString(match.captured(1), kTimeFormat), file.size(),
                       match.capturedLength(3) > 0});
    }
    // Names sort by time; a recovered file of the same millisecond is the older one.
    std::stable_sort(result.begin(), result.end(),
                     [](const Version &a, const Version &b) { return a.time > b.time; });
    return result;
}

void BackupStore::prune(const QDateTime &now, const BackupLimits &limits) const
{
    const QList<Version> all = versions();
    QList<QDateTime> times;
    for (const Version &version : all)
        times.append(version.time);
    const QList<bool> keep = BackupRetention::kept(times, now, limits);
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (!keep[i])
            QFile::remove(all[i].path);
    }
}

QString BackupStore::newPath(const QDateTime &time, bool recovered) const
{
    const QString stem = time.toString(kTimeFormat);
    const QString mark = recovered ? kRecoveredMark : QString();
    QString name = stem + mark + QStringLiteral(".txt");
    for (int n = 2; QFileInfo::exists(QDir(_folder).filePath(name)); ++n)
        name = stem + u'-' + QString::number(n) + mark + QStringLiteral(".txt");
    return QDir(_folder).filePath(name);
}

bool BackupStore::makeFolder(QString *error) const
{
    if (PrivateFolder::make(_folder))
        return true;
    *error = tr("the folder %1 could not be made").arg(_folder);
    return false;
}
