#include "UnattendedSave.h"

#include "BackupStore.h"
#include "document/BudgetFileWriter.h"
#include "platform/Settings.h"

#include <QDateTime>

UnattendedSave::UnattendedSave(const QString &path, const Settings &settings, SafetyPlaces places)
    : _path(path)
    , _settings(settings)
    , _places(std::move(places))
    , _lock(path)
{
}

std::optional<OpenFileLock::Holder> UnattendedSave::lock()
{
    if (_lock.tryLock())
        return std::nullopt;
    return OpenFileLock::otherHolder(_path);
}

std::optional<QString> UnattendedSave::write(const BudgetDocument &document)
{
    if (_settings.keepBackups()) {
        const BackupStore store(_places.backupsOf(_path));
        const QDateTime now = QDateTime::currentDateTime();
        QString error;
        if (store.keepCopyOf(_path, now, &error) != BackupStore::Copy::Kept)
            return tr("%1 was not written: the file it would replace could not be kept with the backups (%2).")
                .arg(_path, error);
        store.prune(now, {_settings.backupVersions(), _settings.backupDays()});
    }
    if (!BudgetFileWriter::writeFile(document, _path))
        return tr("Data File %1 could not be opened for write!").arg(_path);
    return std::nullopt;
}

QString UnattendedSave::heldMessage(const QString &path, const OpenFileLock::Holder &holder)
{
    return tr("%1 is open in Orrinwick on %2 (process %3), which would save over it. Nothing was written: quit "
              "that Orrinwick first.")
        .arg(path, holder.host)
        .arg(holder.pid);
}
