#include "DuplicateFinder.h"

#include "AmountText.h"

#include "document/BudgetDocument.h"
#include "document/NumberText.h"

#include <QSet>

#include <bitset>

DuplicateFinder::DuplicateFinder(const BudgetDocument &document, const QList<std::pair<int, Entry>> &lines)
{
    // Most stored entries fall on no day of the statement or bear none of
    // its descriptions: they are passed over before any key is made.
    std::bitset<MonthTables::kMonthCount * 32> days;
    QSet<QString> descriptions;
    for (const auto &[month, entry] : lines) {
        days.set(std::size_t(month * 32 + NumberText::intValue(entry.day)));
        descriptions.insert(entry.desc);
    }
    document.forEachBookedEntry([this, &days, &descriptions](int, int month, const Entry &entry) {
        const int day = NumberText::intValue(entry.day);
        if (day >= 1 && day <= 31 && days.test(std::size_t(month * 32 + day)) && descriptions.contains(entry.desc))
            ++_unmatched[key(month, entry)];
    });
}

bool DuplicateFinder::take(int month, const Entry &entry)
{
    const auto found = _unmatched.find(key(month, entry));
    if (found == _unmatched.end() || *found == 0)
        return false;
    --*found;
    return true;
}

DuplicateFinder::Key DuplicateFinder::key(int month, const Entry &entry)
{
    return {month * 32 + NumberText::intValue(entry.day), AmountText::comparable(entry.amount), entry.desc};
}
