#include "DescriptionLookup.h"

#include "document/BudgetDocument.h"

DescriptionLookup::DescriptionLookup(const BudgetDocument &document, const QSet<QString> &descriptions)
    : _document(document)
{
    document.forEachBookedEntry([this, &descriptions](int row, int month, const Entry &entry) {
        if (!descriptions.contains(entry.desc))
            return;
        Rows &rows = _rows[entry.desc][std::size_t(month)];
        if (rows.first < 0)
            rows.first = row;
        rows.last = row;
    });
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
