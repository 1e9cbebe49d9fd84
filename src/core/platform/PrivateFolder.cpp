#include "PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>

namespace PrivateFolder {

bool make(const QString &path)
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (QFileInfo(clean).isDir())
        return true;
    const QString parent = QFileInfo(clean).path();
    if (parent != clean && !make(parent))
        return false;
    // A umask takes bits away, never adds them: 0700 stays 0700 or less.
    return ::mkdir(QFile::encodeName(clean).constData(), S_IRWXU) == 0 || (errno == EEXIST && QFileInfo(clean).isDir());
}

} // namespace PrivateFolder
