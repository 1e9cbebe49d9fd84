#include "RecentFileList.h"

#include "platform/Settings.h"

#include <QFileInfo>

RecentFileList::RecentFileList(Settings &settings, RecentDocuments *desktop)
    : _settings(settings)
    , _desktop(desktop)
{
}

void RecentFileList::noteNewRecentDocument(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    _settings.setValue(kRecentFiles, QStringList(list.mid(0, kMaximum)));
    if (_desktop)
        _desktop->noteNewRecentDocument(absolute);
}

QStringList RecentFileList::paths() const
{
    return _settings.value(kRecentFiles).toStringList();
}

void RecentFileList::clear()
{
    _settings.setValue(kRecentFiles, QStringList());
}
