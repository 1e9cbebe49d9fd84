#pragma once

#include <QList>
#include <QSet>
#include <QString>

/// "Description contains …" → category: the user's own rule for a payee.
struct CategoryRule
{
    QString contains;
    QString category;

    friend bool operator==(const CategoryRule &, const CategoryRule &) = default;
};

namespace CategoryRules {

/// The category of the first rule whose text the description contains
/// (ignoring case) and whose category is one of `categories`; a null text
/// when no rule applies. A rule with no text applies to nothing.
[[nodiscard]] QString categoryFor(const QList<CategoryRule> &rules, const QString &description,
                                  const QSet<QString> &categories);

} // namespace CategoryRules
