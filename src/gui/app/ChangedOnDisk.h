#pragma once

#include <QCoreApplication>
#include <QString>

class Alerts;
class DocumentSafety;

/// What another program's change to the open file means for the document.
/// With nothing unsaved the file is simply reloaded; with unsaved changes
/// the user chooses, and the version that gives way goes to the backups
/// first, so that nothing is lost either way.
class ChangedOnDisk final
{
    Q_DECLARE_TR_FUNCTIONS(ChangedOnDisk)

public:
    /// What the file commands do next.
    enum class Next {
        Reload, ///< the document gives way to the file
        Save,   ///< the document is saved over the file
        Stay,   ///< neither: a version could not be kept (the user was told)
    };

    ChangedOnDisk(DocumentSafety &safety, Alerts &alerts);
    Q_DISABLE_COPY_MOVE(ChangedOnDisk)

    /// The file at `path` was changed by another program; `unsaved` says
    /// whether the document has changes the file does not hold.
    [[nodiscard]] Next resolve(const QString &path, bool unsaved);

    /// The status bar's note once the file has been reloaded.
    [[nodiscard]] static QString reloadedNote(const QString &path);

private:
    DocumentSafety &_safety;
    Alerts &_alerts;
};
