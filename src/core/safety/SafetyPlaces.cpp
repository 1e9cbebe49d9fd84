#include "SafetyPlaces.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

SafetyPlaces SafetyPlaces::user()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // Qt 6.4 knows no state location; an unset or relative variable means the default.
    const bool stateUsable = !state.isEmpty() && QDir::isAbsolutePath(state);
    return {stateUsable ? QDir(state).filePath(QStringLiteral("Orrinwick/recovery"))
                        : QDir(data).filePath(QStringLiteral("recovery")),
            QDir(data).filePath(QStringLiteral("backups"))};
}

QString SafetyPlaces::fileKey(const QString &dataPath)
{
    if (dataPath.isEmpty())
        return QStringLiteral("untitled");
    const QString absolute = QDir::cleanPath(QFileInfo(dataPath).absoluteFilePath());
    const QByteArray hash = QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QFileInfo(absolute).fileName() + u'-' + QString::fromLatin1(hash);
}

QString SafetyPlaces::recoveryFile(const QString &dataPath) const
{
    return QDir(recoveryFolder).filePath(fileKey(dataPath));
}

QString SafetyPlaces::backupsOf(const QString &dataPath) const
{
    return QDir(backupsFolder).filePath(fileKey(dataPath));
}
