#include "LastYearLink.h"

#include "BudgetYear.h"
#include "document/PlanningRecords.h"

#include <QDir>
#include <QFileInfo>

namespace LastYearLink {

std::optional<QString> linkedPath(const DocumentExtensions &extensions, const QString &path)
{
    const QList<ExtensionRecord> records = extensions.recordsOf(ExtensionKind::kLastYear);
    if (records.isEmpty() || records.first().field(0).isEmpty())
        return std::nullopt;
    const QString stored = records.first().field(0);
    if (QDir::isAbsolutePath(stored))
        return QDir::cleanPath(stored);
    return QDir::cleanPath(QFileInfo(path).absoluteDir().filePath(stored));
}

QString storedLink(const QString &path, const QString &lastPath)
{
    const QDir folder = QFileInfo(path).absoluteDir();
    const QString absolute = QDir::cleanPath(QFileInfo(lastPath).absoluteFilePath());
    const QString relative = folder.relativeFilePath(absolute);
    return relative.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(relative) ? absolute : relative;
}

void setLink(DocumentExtensions &extensions, const QString &path, const QString &lastPath)
{
    extensions.replaceKind(ExtensionKind::kLastYear,
                           {ExtensionRecord::of(ExtensionKind::kLastYear, {storedLink(path, lastPath)})});
}

std::optional<QString> suggestedPath(const QString &path)
{
    return BudgetYear::pathWithYearMoved(path, -1);
}

} // namespace LastYearLink
