#include "BudgetYear.h"

#include "document/BudgetDocument.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace BudgetYear {

std::optional<NameYear> inFileName(const QString &path)
{
    static const QRegularExpression year(QStringLiteral("(?<!\\d)\\d{4}(?!\\d)"));
    const QString name = QFileInfo(path).fileName();
    QRegularExpressionMatch last;
    for (QRegularExpressionMatchIterator it = year.globalMatch(name); it.hasNext();)
        last = it.next();
    if (!last.hasMatch())
        return std::nullopt;
    return NameYear{last.captured().toInt(), last.capturedStart()};
}

std::optional<int> of(const BudgetDocument &document, const QString &path)
{
    if (const std::optional<int> stored = document.extensions().year())
        return stored;
    if (const std::optional<NameYear> named = inFileName(path))
        return named->year;
    return std::nullopt;
}

} // namespace BudgetYear
