#include "SampleBudget.h"

#include <QFile>
#include <QFileInfo>

QString SampleBudget::copyPath() const
{
    return _folder.filePath(QFileInfo(kResource).fileName());
}

QString SampleBudget::makeCopy()
{
    if (!_folder.isValid())
        return {};
    const QString path = copyPath();
    QFile::remove(path);
    if (!QFile::copy(kResource, path))
        return {};
    // A copy from the resources is read-only, and the sample is for changing.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}
