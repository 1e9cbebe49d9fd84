#include "WorkingCopyConflict.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace WorkingCopyConflict {

bool isConflicted(const QString &filePath)
{
    const QFileInfo file(filePath);
    const QString name = file.fileName();
    if (name.isEmpty())
        return false;
    const QRegularExpression conflictFile(QStringLiteral("^%1\\.(mine|working|(merge-left\\.|merge-right\\.)?r\\d+)$")
                                              .arg(QRegularExpression::escape(name)));
    const QStringList candidates = file.dir().entryList(QDir::Files | QDir::Hidden);
    return std::any_of(candidates.cbegin(), candidates.cend(),
                       [&](const QString &candidate) { return conflictFile.match(candidate).hasMatch(); });
}

} // namespace WorkingCopyConflict
