#pragma once

#include "BackupStore.h"
#include "SafetyPlaces.h"
#include "document/DocumentSnapshot.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class Alerts;
class Calendar;
class OpenFileLock;
class RecoveryWriter;
class Settings;

/// Keeps the open budget from being lost: a recovery file written shortly
/// after every change and offered after a crash, a backup of the data file
/// before each save replaces it, and a lock that tells other programs the
/// file is open. The application controller calls it at fixed points:
///
///     mayOpen(path)        before leaving the current file for another
///     opened(path)         after a file has loaded (or failed to)
///     documentChanged()    after every change the user made
///     aboutToSave(path)    before a save replaces the data file
///     saved(path)          after a save succeeded
///     closing()            on Quit, and on New and Open once the file left was saved
class DocumentSafety final : public QObject
{
    Q_OBJECT

public:
    /// The document as it stands, with any change still held by a view.
    using Take = std::function<DocumentSnapshot()>;
    /// Makes the document hold the snapshot, as one change named `actionName`.
    using Replace = std::function<void(const DocumentSnapshot &snapshot, const QString &actionName)>;

    /// At most this long after a change the recovery write starts.
    static constexpr std::chrono::milliseconds kRecoveryDelay{1000};

    DocumentSafety(Settings &settings, Alerts &alerts, const Calendar &calendar, Take take, Replace replace,
                   SafetyPlaces places = SafetyPlaces::user(), QObject *parent = nullptr);
    ~DocumentSafety() override;
    Q_DISABLE_COPY_MOVE(DocumentSafety)

    /// Whether the file may be opened: when another program holds its lock
    /// the user is asked, and Cancel answers false.
    [[nodiscard]] bool mayOpen(const QString &path);
    /// The file (empty: none) is the document's now: takes its lock, and
    /// offers its recovery file when that is newer than the file. An older
    /// one is moved to the backups unasked.
    void opened(const QString &path);
    /// The document changed: the recovery file follows within kRecoveryDelay
    /// and the time of a write.
    void documentChanged();
    /// Keeps a backup of the file before it is replaced. False (the user was
    /// told) when the backup could not be written: the save must not go on.
    [[nodiscard]] bool aboutToSave(const QString &path);
    /// Keeps the file as it is now with the backups, whatever the settings
    /// say: another program's version, about to be saved over. False (the
    /// user was told) when it could not be kept.
    [[nodiscard]] bool keepOtherVersion(const QString &path);
    /// Keeps the document as it stands with the backups, whatever the
    /// settings say, before another program's version of the file replaces
    /// it; it has nothing unsaved from then on. False (the user was told)
    /// when it could not be kept: the document must stay.
    [[nodiscard]] bool setAside();
    /// The document is safe in the file: its recovery file goes, and the
    /// lock moves there when the file is another one (Save As, New).
    void saved(const QString &path);
    /// The document's file is left: any change not yet saved goes to the
    /// recovery file at once, and the lock is released.
    void closing();

    [[nodiscard]] const SafetyPlaces &places() const { return _places; }
    [[nodiscard]] BackupStore backups(const QString &path) const;
    /// Makes the document hold the version, as a change that Undo takes
    /// back. False (the user was told) when it does not read.
    bool restore(const BackupStore::Version &version);
    /// The path whose lock this holds, or an empty text.
    [[nodiscard]] QString lockedPath() const;
    /// False from a recovery write that failed until one succeeds (after the
    /// next change): a crash meanwhile would lose the unsaved changes.
    [[nodiscard]] bool crashProtectionOn() const { return !_recoveryFailing; }

signals:
    /// A recovery write has ended.
    void recoveryWritten(const QString &path, bool ok);
    /// Crash protection went off (a recovery write failed) or came back.
    void crashProtectionChanged(bool on);

private:
    [[nodiscard]] BackupLimits limits() const;
    void writeRecovery();
    /// Warns once when writes start failing, and tells when they work again.
    void recoveryWriteEnded(const QString &path, bool ok);
    void offerRecovery(const QString &path);
    void takeLock(const QString &path);

    Settings &_settings;
    Alerts &_alerts;
    const Calendar &_calendar;
    Take _take;
    Replace _replace;
    SafetyPlaces _places;
    RecoveryWriter *_writer;
    std::unique_ptr<OpenFileLock> _lock;
    QTimer _delay;
    QString _path;
    bool _unsaved = false;
    bool _recoveryFailing = false;
};
