#include "DuplicateFinder.h"

#include "document/BudgetDocument.h"
#include "document/Decimal.h"
#include "document/NumberText.h"

DuplicateFinder::DuplicateFinder(const BudgetDocument &document, const QSet<QString> &descriptions)
{
    const QList<CategoryRow> &categories = document.getCatArray();
    for (int row = kFirstCategoryRow; row < categories.size(); ++row) {
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList *list = document.entryList(categories[row].desc, month);
            if (!list)
                continue;
            for (qsizetype at = 1; at < list->size(); ++at) {
                if (descriptions.contains(list->at(at).desc))
                    ++_unmatched[key(month, list->at(at))];
            }
        }
    }
}

bool DuplicateFinder::take(int month, const Entry &entry)
{
    const auto found = _unmatched.find(key(month, entry));
    if (found == _unmatched.end() || *found == 0)
        return false;
    --*found;
    return true;
}

QString DuplicateFinder::key(int month, const Entry &entry)
{
    // "12.5" and "12.50" are one amount; the description is compared as written.
    return QString::number(month) + u'|' + QString::number(NumberText::intValue(entry.day)) + u'|'
        + Decimal::fromText(entry.amount).toText() + u'|' + entry.desc;
}
