#include "NewYearBudget.h"

#include "BudgetYear.h"
#include "document/BudgetDocument.h"

#include <QFileInfo>

namespace NewYearBudget {

DocumentSnapshot from(const BudgetDocument &document, const QString &path)
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
    if (const std::optional<int> year = BudgetYear::of(document, path))
        next.extensions.setYear(*year + 1);
    return next;
}

std::optional<QString> suggestedPath(const QString &path)
{
    const std::optional<BudgetYear::NameYear> year = BudgetYear::inFileName(path);
    if (!year)
        return std::nullopt;
    QString name = QFileInfo(path).fileName();
    name.replace(year->start, 4, QStringLiteral("%1").arg(year->year + 1, 4, 10, QLatin1Char('0')));
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? name : path.left(slash + 1) + name;
}

} // namespace NewYearBudget
