#pragma once

#include "BackupRetention.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

/// The earlier versions of one data file, each a whole file in a folder of
/// its own under the user's data folder, named after the moment it was
/// put there ("20260314-102233-118.txt"). A version moved in from
/// elsewhere (a discarded recovery file) carries "-recovered".
class BackupStore final
{
    Q_DECLARE_TR_FUNCTIONS(BackupStore)

public:
    /// How keeping a copy of the data file ended.
    enum class Copy { Kept, DataUnreadable, BackupUnwritten };

    struct Version
    {
        QString path;
        QDateTime time;
        qint64 size = 0;
        bool recovered = false;
    };

    explicit BackupStore(QString folder);

    /// Keeps the data file as it is now, unless the newest version holds the
    /// same bytes; a missing data file needs no backup. Gives the reason when
    /// the data file could not be read or the copy not written whole.
    [[nodiscard]] Copy keepCopyOf(const QString &dataPath, const QDateTime &now, QString *error) const;
    /// Keeps the bytes as a version of `now`, marked as coming from
    /// elsewhere when `recovered`; answers false with the reason when they
    /// could not be written whole.
    [[nodiscard]] bool keepBytes(const QByteArray &bytes, const QString &dataPath, const QDateTime &now, bool recovered, QString *error) const;
    /// Moves the file in as a version of `time`; answers false with the
    /// reason when it stays where it was.
    [[nodiscard]] bool moveIn(const QString &path, const QDateTime &time, QString *error) const;

    /// The versions kept, newest first.
    [[nodiscard]] QList<Version> versions() const;
    /// Removes the versions the limits do not keep at `now`.
    void prune(const QDateTime &now, const BackupLimits &limits) const;

private:
    [[nodiscard]] QString newPath(const QDateTime &time, bool recovered) const;
    [[nodiscard]] bool makeFolder(QString *error) const;

    QString _folder;
};
