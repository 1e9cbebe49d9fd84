#include "TunnelHelperLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

TunnelHelperLocation::TunnelHelperLocation(const QString &resourcesFolder)
    : _bundlePath(QStringLiteral("%1/Pellmarsh.app").arg(resourcesFolder))
{
}

QString TunnelHelperLocation::resourcesFolderFor(const QString &programFolder)
{
    const QDir folder(programFolder);
    if (folder.dirName() == QLatin1String("bin"))
        return QDir::cleanPath(folder.filePath(QStringLiteral("../share/orrinwick")));
    return QDir::cleanPath(programFolder);
}

QString TunnelHelperLocation::resourcesFolder()
{
    return resourcesFolderFor(QCoreApplication::applicationDirPath());
}

QString TunnelHelperLocation::executablePath() const
{
    const QFileInfo bundle(_bundlePath);
    return bundle.filePath() + u'/' + bundle.completeBaseName();
}
