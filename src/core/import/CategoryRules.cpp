#include "CategoryRules.h"

namespace CategoryRules {

QString categoryFor(const QList<CategoryRule> &rules, const QString &description, const QSet<QString> &categories)
{
    for (const CategoryRule &rule : rules) {
        if (!rule.contains.isEmpty() && description.contains(rule.contains, Qt::CaseInsensitive)
            && categories.contains(rule.category))
            return rule.category;
    }
    return {};
}

} // namespace CategoryRules
