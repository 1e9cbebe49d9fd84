#pragma once

#include <QString>
#include <QVariant>
#include <QVariantHash>

#include <memory>

class QSettings;

/// The user's settings store with registered defaults. A default answers
/// only where the user has no value of their own and is never written; every
/// setter writes at once.
class Settings final
{
public:
    static inline const QString kDataFile = QStringLiteral("DataFile");
    static inline const QString kCurrentVersion = QStringLiteral("CurrentVersion");
    static inline const QString kSvnRunScript = QStringLiteral("SVNRunScript");
    static inline const QString kSortData = QStringLiteral("SortData");
    static inline const QString kSyncData = QStringLiteral("SyncData");
    static inline const QString kEnvelopeView = QStringLiteral("EnvelopeView");
    // The window as the user left it (toolkit state blobs; none until the first quit).
    static inline const QString kWindowGeometry = QStringLiteral("Window/Geometry");
    static inline const QString kWindowState = QStringLiteral("Window/State");
    static inline const QString kGridColumns = QStringLiteral("Window/GridColumns");
    static inline const QString kRegisterColumns = QStringLiteral("Window/RegisterColumns");
    static inline const QString kKeepBackups = QStringLiteral("KeepBackups");
    static inline const QString kBackupVersions = QStringLiteral("BackupVersions");
    static inline const QString kBackupDays = QStringLiteral("BackupDays");
    /// Days past today whose recurring transactions are entered or offered already.
    static inline const QString kRecurringLookAhead = QStringLiteral("RecurringLookAhead");

    /// The user's own store: QSettings, native format, "Orrinwick/Orrinwick".
    [[nodiscard]] static std::unique_ptr<Settings> user();
    /// A store that lives in memory only (command-line modes, tests).
    [[nodiscard]] static std::unique_ptr<Settings> inMemory();

    ~Settings();
    Q_DISABLE_COPY_MOVE(Settings)

    /// The program's defaults, registered before anything reads the store.
    void registerDefaults();

    [[nodiscard]] QVariant value(const QString &key) const;
    [[nodiscard]] bool boolValue(const QString &key) const { return value(key).toBool(); }
    [[nodiscard]] QString stringValue(const QString &key) const { return value(key).toString(); }
    /// Whether the user has a value of their own (not a registered default).
    [[nodiscard]] bool hasUserValue(const QString &key) const;
    void setValue(const QString &key, const QVariant &value);

    [[nodiscard]] QString dataFile() const { return stringValue(kDataFile); }
    [[nodiscard]] QString currentVersion() const { return stringValue(kCurrentVersion); }
    [[nodiscard]] bool svnRunScript() const { return boolValue(kSvnRunScript); }
    [[nodiscard]] bool sortData() const { return boolValue(kSortData); }
    [[nodiscard]] bool syncData() const { return boolValue(kSyncData); }
    [[nodiscard]] bool envelopeView() const { return boolValue(kEnvelopeView); }
    [[nodiscard]] QByteArray bytesValue(const QString &key) const { return value(key).toByteArray(); }
    /// Whether a save first keeps the file as it was with the backups.
    [[nodiscard]] bool keepBackups() const { return boolValue(kKeepBackups); }
    /// The newest backups kept whatever their day.
    [[nodiscard]] int backupVersions() const { return intValue(kBackupVersions, kBackupVersionsRange); }
    /// The days, today included, that keep their last backup.
    [[nodiscard]] int backupDays() const { return intValue(kBackupDays, kBackupDaysRange); }

    /// The values the Preferences offer; a value in the store outside them
    /// (edited by hand, or by another program) reads as the nearest one.
    struct IntRange
    {
        int min;
        int max;
    };
    static constexpr IntRange kBackupVersionsRange{1, 9999};
    static constexpr IntRange kBackupDaysRange{0, 3650};
    static constexpr IntRange kRecurringLookAheadRange{0, 365};
    /// A whole number within the range; one that is no number reads as the default.
    [[nodiscard]] int intValue(const QString &key, IntRange range) const;
    [[nodiscard]] int recurringLookAhead() const { return intValue(kRecurringLookAhead, kRecurringLookAheadRange); }

private:
    explicit Settings(std::unique_ptr<QSettings> store);

    std::unique_ptr<QSettings> _store; // none: values live in _memory
    QVariantHash _memory;
    QVariantHash _defaults;
};
