#include "DocumentSafety.h"

#include "OpenFileLock.h"
#include "RecoveryWriter.h"
#include "SnapshotFile.h"
#include "platform/Alerts.h"
#include "platform/Calendar.h"
#include "platform/Settings.h"

#include <QFileInfo>
#include <QLocale>

namespace {

QString shownTime(const QDateTime &time)
{
    return QLocale().toString(time, QLocale::ShortFormat);
}

} // namespace

DocumentSafety::DocumentSafety(Settings &settings, Alerts &alerts, const Calendar &calendar, Take take,
                               Replace replace, SafetyPlaces places, QObject *parent)
    : QObject(parent)
    , _settings(settings)
    , _alerts(alerts)
    , _calendar(calendar)
    , _take(std::move(take))
    , _replace(std::move(replace))
    , _places(std::move(places))
    , _writer(new RecoveryWriter(this))
{
    _delay.setSingleShot(true);
    _delay.setInterval(kRecoveryDelay);
    connect(&_delay, &QTimer::timeout, this, &DocumentSafety::writeRecovery);
    connect(_writer, &RecoveryWriter::written, this, &DocumentSafety::recoveryWriteEnded);
}

DocumentSafety::~DocumentSafety() = default;

bool DocumentSafety::mayOpen(const QString &path)
{
    if (path.isEmpty() || path == lockedPath())
        return true;
    const std::optional<OpenFileLock::Holder> holder = OpenFileLock::otherHolder(path);
    if (!holder)
        return true;
    const QString message = tr("%1 is open in Orrinwick on %2 (user %4) since %3.\n\nChanges made in one of the "
                               "two programs may be lost when the other saves.")
                                .arg(path, holder->host, shownTime(holder->since), holder->user);
    return _alerts.confirm(tr("File in Use"), message, Alerts::Button::Cancel, tr("Open Anyway"));
}

void DocumentSafety::opened(const QString &path)
{
    _path = path;
    _unsaved = false;
    takeLock(path);
    offerRecovery(path);
}

void DocumentSafety::documentChanged()
{
    _unsaved = true;
    // Not restarted by later changes: typing without a pause is saved too.
    if (!_delay.isActive())
        _delay.start();
}

bool DocumentSafety::aboutToSave(const QString &path)
{
    if (path.isEmpty() || !_settings.keepBackups())
        return true;
    const BackupStore store = backups(path);
    const QDateTime now = _calendar.now();
    QString error;
    switch (store.keepCopyOf(path, now, &error)) {
    case BackupStore::Copy::Kept:
        store.prune(now, limits());
        return true;
    case BackupStore::Copy::DataUnreadable:
        // Not written over unseen: what it holds would have no backup.
        _alerts.warning(tr("Data File %1 was not saved: it could not be read to keep its backup (%2).\n\nCheck "
                           "that it is a file you may read, or save the budget under another name.\n")
                            .arg(path, error));
        return false;
    case BackupStore::Copy::BackupUnwritten:
        _alerts.warning(tr("Data File %1 was not saved: its backup could not be written (%2).\n\nFree some space "
                           "on the disk, or turn off \"Keep backups\" in the Preferences.\n")
                            .arg(path, error));
        return false;
    }
    return false;
}

bool DocumentSafety::keepOtherVersion(const QString &path)
{
    QString error;
    if (backups(path).keepCopyOf(path, _calendar.now(), &error) == BackupStore::Copy::Kept)
        return true;
    _alerts.warning(tr("Data File %1 was not saved: the version another program wrote could not be kept with the "
                       "backups (%2).\n")
                        .arg(path, error));
    return false;
}

bool DocumentSafety::setAside()
{
    QString error;
    if (!backups(_path).keepBytes(SnapshotFile::bytes(_take()), _path, _calendar.now(), true, &error)) {
        _alerts.warning(tr("%1 was not reloaded: the unsaved changes could not be kept with the backups (%2).\n")
                            .arg(_path, error));
        return false;
    }
    _delay.stop();
    _unsaved = false;
    _writer->remove(_places.recoveryFile(_path));
    _writer->waitForDone();
    return true;
}

void DocumentSafety::saved(const QString &path)
{
    if (path.isEmpty())
        return;
    _delay.stop();
    _unsaved = false;
    _writer->remove(_places.recoveryFile(_path));
    if (path != _path) {
        _writer->remove(_places.recoveryFile(path));
        _path = path;
    }
    takeLock(path);
}

void DocumentSafety::closing()
{
    _delay.stop();
    if (_unsaved)
        writeRecovery();
    _writer->waitForDone();
    _lock.reset();
}

BackupStore DocumentSafety::backups(const QString &path) const
{
    return BackupStore(_places.backupsOf(path));
}

BackupLimits DocumentSafety::limits() const
{
    return {_settings.backupVersions(), _settings.backupDays()};
}

bool DocumentSafety::restore(const BackupStore::Version &version)
{
    const std::optional<DocumentSnapshot> snapshot = SnapshotFile::readFile(version.path);
    if (!snapshot) {
        _alerts.warning(tr("The backup %1 could not be read and was not restored.\n").arg(version.path));
        return false;
    }
    _replace(*snapshot, tr("Restore from Backup"));
    return true;
}

QString DocumentSafety::lockedPath() const
{
    return _lock && _lock->isLocked() ? _lock->dataPath() : QString();
}

void DocumentSafety::writeRecovery()
{
    if (_unsaved)
        _writer->write(_places.recoveryFile(_path), _take(), _path);
}

void DocumentSafety::recoveryWriteEnded(const QString &path, bool ok)
{
    if (ok == !_recoveryFailing) {
        emit recoveryWritten(path, ok);
        return;
    }
    _recoveryFailing = !ok;
    if (!ok)
        _alerts.warning(tr("The recovery file %1 could not be written.\n\nUntil it can, a crash would lose the "
                           "changes made since the last save; it is tried again after the next change. Free some "
                           "space on the disk, or save the budget.\n")
                            .arg(path));
    emit crashProtectionChanged(ok);
    emit recoveryWritten(path, ok);
}

void DocumentSafety::offerRecovery(const QString &path)
{
    const QString file = _places.recoveryFile(path);
    const QFileInfo recovery(file);
    if (!recovery.exists())
        return;
    const QDateTime changed = recovery.lastModified();
    const QFileInfo data(path);
    // Older than the file: written before a save that was cut off before it
    // could remove it, or the file changed elsewhere since. Kept, not offered.
    const bool offered = path.isEmpty() || !data.exists() || changed > data.lastModified();
    const QString name = path.isEmpty() ? tr("A budget never saved") : path;
    if (offered) {
        const QString message = tr("%1 has changes that were not saved. The last change was made on %2.\n\n"
                                   "Recover them, or discard them? Discarded changes are kept with the backups.")
                                    .arg(name, shownTime(changed));
        if (_alerts.show({Alerts::Kind::Question, tr("Recover Unsaved Changes"), message,
                          {{Alerts::Button::Action, tr("Recover")}, {Alerts::Button::OtherAction, tr("Discard")}},
                          Alerts::Button::Action})
            == Alerts::Button::Action) {
            if (const std::optional<DocumentSnapshot> snapshot = SnapshotFile::readFile(file)) {
                // The file stays until a save: it holds what the document holds.
                _replace(*snapshot, tr("Recover Unsaved Changes"));
                return;
            }
            _alerts.warning(tr("The unsaved changes to %1 could not be read; they are kept with the backups.\n")
                                .arg(name));
        }
    }
    QString error;
    if (!backups(path).moveIn(file, changed, &error))
        _alerts.warning(tr("The unsaved changes to %1 could not be moved to the backups (%2).\n").arg(name, error));
}

void DocumentSafety::takeLock(const QString &path)
{
    if (_lock && _lock->dataPath() == path)
        return;
    _lock.reset();
    if (path.isEmpty())
        return;
    _lock = std::make_unique<OpenFileLock>(path);
    // A file opened anyway stays unlocked: the lock is the other program's.
    _lock->tryLock();
}
