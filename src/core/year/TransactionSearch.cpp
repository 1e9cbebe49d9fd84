#include "TransactionSearch.h"

#include "splits/MonthSplits.h"

#include "TransactionQuery.h"
#include "document/DocumentSnapshot.h"
#include "document/NumberText.h"
#include "tags/NoteTags.h"

#include <QHash>

#include <algorithm>

namespace {

const QChar kFieldBreak(u'\n');

/// Folds each distinct text once: descriptions and notes repeat a lot.
class FoldCache
{
public:
    const QString &fold(const QString &text)
    {
        auto found = _folded.find(text);
        if (found == _folded.end())
            found = _folded.insert(text, TransactionQuery::fold(text));
        return *found;
    }

private:
    QHash<QString, QString> _folded;
};

} // namespace

namespace {

/// The splits among the month's items of the snapshot.
MonthSplits splitsOf(const DocumentSnapshot &snapshot, int month)
{
    if (SplitLinks::ofMonth(snapshot.extensions, month).isEmpty())
        return {};
    QList<const Entry *> entries;
    for (const auto &[name, lists] : snapshot.catData) {
        const EntryList &list = lists[std::size_t(month)];
        for (qsizetype at = 1; at < list.size(); ++at)
            entries.append(&list[at]);
    }
    return MonthSplits::of(snapshot.extensions, month, entries.size(),
                           [&entries](qsizetype at) -> const Entry & { return *entries[at]; });
}

} // namespace

void TransactionSearch::rebuild(const DocumentSnapshot &snapshot)
{
    _items.clear();
    _haystacks.clear();
    _noteTags.assign(1, QStringList());
    FoldCache cache;
    QHash<QString, int> haystackIds;
    QHash<QString, int> noteTagIds;
    struct Order
    {
        int month;
        int day;
        std::size_t at;
    };
    std::vector<Order> order;
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        const MonthSplits splits = splitsOf(snapshot, month);
        for (int row = kFirstCategoryRow; row < snapshot.catArray.size(); ++row) {
            const QString &category = snapshot.catArray[row].desc;
            const auto lists = snapshot.catData.find(category);
            if (lists == snapshot.catData.end())
                continue;
            const QString foldedCategory = cache.fold(category);
            const EntryList &list = lists->second[std::size_t(month)];
            for (qsizetype at = 1; at < list.size(); ++at) {
                const Entry &entry = list[at];
                QString haystack = cache.fold(entry.desc);
                haystack += kFieldBreak;
                haystack += cache.fold(entry.note);
                haystack += kFieldBreak;
                haystack += foldedCategory;
                auto id = haystackIds.find(haystack);
                if (id == haystackIds.end()) {
                    id = haystackIds.insert(haystack, int(_haystacks.size()));
                    _haystacks.push_back(std::move(haystack));
                }
                // Most notes hold no "#" at all: they need no look-up.
                int tags = 0;
                if (entry.note.contains(u'#')) {
                    auto known = noteTagIds.find(entry.note);
                    if (known == noteTagIds.end()) {
                        QStringList found = NoteTags::of(entry.note);
                        known = noteTagIds.insert(entry.note, found.isEmpty() ? 0 : int(_noteTags.size()));
                        if (!found.isEmpty())
                            _noteTags.push_back(std::move(found));
                    }
                    tags = *known;
                }
                order.push_back({month, NumberText::intValue(entry.day), _items.size()});
                QString split;
                if (const std::optional<MonthSplits::Part> part = splits.partOf(entry.id))
                    split = MonthSplits::findText(*part, *splits.splitOf(entry.id));
                _items.push_back({{month, category, entry, Decimal::fromText(entry.amount), split}, *id, tags});
            }
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Order &a, const Order &b) {
        return a.month != b.month ? a.month < b.month : a.day < b.day;
    });
    std::vector<Item> sorted;
    sorted.reserve(_items.size());
    for (const Order &item : order)
        sorted.push_back(std::move(_items[item.at]));
    _items = std::move(sorted);
}

TransactionSearch::Result TransactionSearch::find(const TransactionQuery &query) const
{
    Result result;
    if (query.isEmpty())
        return result;
    const QString &text = query.foldedText();
    const bool byText = !text.isEmpty() && !text.contains(kFieldBreak);
    const bool byAmount = query.hasAmounts();
    std::vector<char> textFound(_haystacks.size(), 0);
    if (byText) {
        for (std::size_t at = 0; at < _haystacks.size(); ++at)
            textFound[at] = _haystacks[at].contains(text);
    }
    const QStringList &tags = query.tags();
    const bool byTagsOnly = !tags.isEmpty() && !query.hasTextOrAmounts();
    for (std::size_t row = 0; row < _items.size(); ++row) {
        const Item &item = _items[row];
        if (!tags.isEmpty() && !hasTags(item, tags))
            continue;
        if (byTagsOnly || textFound[std::size_t(item.haystack)]
            || (byAmount && query.matchesAmount(item.found.amount))) {
            result.rows.append(int(row));
            result.total += item.found.amount;
        }
    }
    return result;
}

bool TransactionSearch::hasTags(const Item &item, const QStringList &tags) const
{
    const QStringList &held = _noteTags[std::size_t(item.tags)];
    return std::all_of(tags.begin(), tags.end(), [&held](const QString &tag) { return held.contains(tag); });
}
