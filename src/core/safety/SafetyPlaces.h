#pragma once

#include <QString>

/// Where the copies that protect a data file live: the recovery files under
/// the user's state folder and the backups under the user's data folder.
/// Neither is ever beside the data file, so a folder-wide commit of the
/// data file's folder never takes them along.
struct SafetyPlaces
{
    QString recoveryFolder;
    QString backupsFolder;

    /// The user's folders: $XDG_STATE_HOME/Orrinwick (or the application's
    /// data folder) and the application's data folder's "backups".
    [[nodiscard]] static SafetyPlaces user();

    /// A file name part that is the same for one data file path only: the
    /// file's name, readable, and a hash of its absolute path. An empty path
    /// (a document never saved) is "untitled".
    [[nodiscard]] static QString fileKey(const QString &dataPath);

    [[nodiscard]] QString recoveryFile(const QString &dataPath) const;
    [[nodiscard]] QString backupsOf(const QString &dataPath) const;
};
