#include "DescriptionLookup.h"

#include "document/BudgetDocument.h"

DescriptionLookup::DescriptionLookup(const BudgetDocument &document, const QSet<QString> &descriptions)
    : _document(document)
{
    const QList<CategoryRow> &categories = document.getCatArray();
    for (int row = kFirstCategoryRow; row < categories.size(); ++row) {
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList *list = document.entryList(categories[row].desc, month);
            if (!list)
                continue;
            // Index 0 is the envelope entry.
            for (qsizetype at = 1; at < list->size(); ++at) {
                const QString &desc = list->at(at).desc;
                if (!descriptions.contains(desc))
                    continue;
                Rows &rows = _rows[desc][std::size_t(month)];
                if (rows.first < 0)
                    rows.first = row;
                rows.last = row;
            }
        }
    }
}

QString DescriptionLookup::categoryFor(int month, const QString &desc) const
{
    const auto found = _rows.constFind(desc);
    if (found == _rows.cend() || month < 0 || month >= MonthTables::kMonthCount)
        return {};
    const int row = (*found)[std::size_t(month)].last;
    return row >= 0 ? _document.getCatArray()[row].desc : categoryBefore(month, desc);
}

QString DescriptionLookup::categoryBefore(int month, const QString &desc) const
{
    const auto found = _rows.constFind(desc);
    if (found == _rows.cend())
        return {};
    for (int earlier = std::min(month, MonthTables::kMonthCount) - 1; earlier >= 0; --earlier) {
        const int row = (*found)[std::size_t(earlier)].first;
        if (row >= 0)
            return _document.getCatArray()[row].desc;
    }
    return {};
}
