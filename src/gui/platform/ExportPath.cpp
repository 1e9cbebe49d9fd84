#include "ExportPath.h"

#include <QDir>
#include <QFileInfo>

namespace ExportPath {

QString suggested(const QString &dataFile, const QString &name, const QString &suffix)
{
    const QString folder = dataFile.isEmpty() ? QDir::homePath() : QFileInfo(dataFile).absolutePath();
    const QString file = dataFile.isEmpty() ? name : QFileInfo(dataFile).completeBaseName() + u' ' + name;
    return QDir(folder).filePath(file + u'.' + suffix);
}

} // namespace ExportPath
