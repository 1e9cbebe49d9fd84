#include "DuplicateFinder.h"

#include "AmountText.h"

#include "document/BudgetDocument.h"
#include "document/Decimal.h"
#include "document/NumberText.h"
#include "splits/SplitLinks.h"

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
    const QList<SplitLink> links = SplitLinks::read(document.extensions());
    QHash<quint64, qsizetype> splitOfPart;
    for (qsizetype at = 0; at < links.size(); ++at) {
        for (const quint64 id : links[at].parts)
            splitOfPart.insert(id, at);
    }
    QHash<qsizetype, QList<std::pair<int, Entry>>> parts;
    const auto count = [this, &days, &descriptions](int month, const Entry &entry) {
        const int day = NumberText::intValue(entry.day);
        if (day >= 1 && day <= 31 && days.test(std::size_t(month * 32 + day)) && descriptions.contains(entry.desc))
            ++_unmatched[key(month, entry)];
    };
    document.forEachBookedEntry([&](int, int month, const Entry &entry) {
        const auto split = splitOfPart.constFind(entry.id);
        if (entry.id != 0 && split != splitOfPart.cend())
            parts[*split].append({month, entry});
        else
            count(month, entry);
    });
    for (const QList<std::pair<int, Entry>> &split : std::as_const(parts)) {
        // A split with one part left is a whole record again.
        if (split.size() == 1) {
            count(split.first().first, split.first().second);
            continue;
        }
        Entry whole = split.first().second;
        Decimal total;
        for (const auto &part : split)
            total += Decimal::fromText(part.second.amount);
        whole.amount = total.toText();
        count(split.first().first, whole);
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

DuplicateFinder::Key DuplicateFinder::key(int month, const Entry &entry)
{
    return {month * 32 + NumberText::intValue(entry.day), AmountText::comparable(entry.amount), entry.desc};
}
