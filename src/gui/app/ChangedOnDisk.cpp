#include "ChangedOnDisk.h"

#include "platform/Alerts.h"
#include "safety/DocumentSafety.h"
#include "safety/SnapshotFile.h"

#include <QFileInfo>

ChangedOnDisk::ChangedOnDisk(DocumentSafety &safety, Alerts &alerts)
    : _safety(safety)
    , _alerts(alerts)
{
}

ChangedOnDisk::Next ChangedOnDisk::resolve(const QString &path, bool unsaved)
{
    // A file that no longer reads as a budget would leave the window empty:
    // what it held then goes to the backups first, as unsaved changes do.
    if (!unsaved && SnapshotFile::readFile(path))
        return Next::Reload;
    const QString message = tr("%1 was changed by another program since it was opened or saved here, and this "
                               "window holds a version that is not in the file.\n\nReload the file (your changes go to the "
                               "backups first), or keep your version (the other one goes to the backups first, "
                               "then yours is saved)?")
                                .arg(path);
    const Alerts::Alert question{Alerts::Kind::Question,
                                 tr("File Changed on Disk"),
                                 message,
                                 {{Alerts::Button::Action, tr("Reload")}, {Alerts::Button::OtherAction, tr("Keep Mine")}},
                                 Alerts::Button::Action};
    if (_alerts.show(question) == Alerts::Button::Action)
        return _safety.setAside() ? Next::Reload : Next::Stay;
    return _safety.keepOtherVersion(path) ? Next::Save : Next::Stay;
}

QString ChangedOnDisk::reloadedNote(const QString &path)
{
    return tr("%1 was changed by another program and has been reloaded.").arg(QFileInfo(path).fileName());
}
