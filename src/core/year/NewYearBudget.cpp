#include "NewYearBudget.h"

#include "document/BudgetDocument.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace NewYearBudget {

DocumentSnapshot from(const BudgetDocument &document)
{
    DocumentSnapshot next;
    next.catArray = document.getCatArray();
    next.budgetTotals = document.budgetTotals();
    for (int row = kFirstCategoryRow; row < next.catArray.size(); ++row) {
        const QString &name = next.catArray[row].desc;
        MonthLists lists;
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList *old = document.entryList(name, month);
            // Only the envelope entry goes over: it holds the month's envelope.
            lists[std::size_t(month)].append(old && !old->isEmpty() ? old->first() : Entry::envelope());
        }
        next.catData.emplace(name, std::move(lists));
    }
    return next;
}

std::optional<QString> suggestedPath(const QString &path)
{
    static const QRegularExpression year(QStringLiteral("(?<!\\d)\\d{4}(?!\\d)"));
    const QFileInfo file(path);
    QString name = file.fileName();
    QRegularExpressionMatch last;
    for (QRegularExpressionMatchIterator it = year.globalMatch(name); it.hasNext();)
        last = it.next();
    if (!last.hasMatch())
        return std::nullopt;
    const int next = last.captured().toInt() + 1;
    name.replace(last.capturedStart(), last.capturedLength(), QStringLiteral("%1").arg(next, 4, 10, QLatin1Char('0')));
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? name : path.left(slash + 1) + name;
}

} // namespace NewYearBudget
