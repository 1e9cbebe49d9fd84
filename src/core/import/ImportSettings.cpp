#include "ImportSettings.h"

#include "document/BudgetDocument.h"
#include "platform/Settings.h"

#include <QFileInfo>

namespace {

const QString kContains = QStringLiteral("contains");
const QString kCategory = QStringLiteral("category");

/// Paths name a file however they were typed.
QString fileKey(const QString &dataFile)
{
    return QFileInfo(dataFile).absoluteFilePath();
}

} // namespace

ImportSettings::ImportSettings(Settings &settings)
    : _settings(settings)
{
}

QList<CategoryRule> ImportSettings::rules() const
{
    QList<CategoryRule> rules;
    for (const QVariant &item : _settings.value(kRules).toList()) {
        const QVariantMap map = item.toMap();
        rules.append({map.value(kContains).toString(), map.value(kCategory).toString()});
    }
    return rules;
}

void ImportSettings::setRules(const QList<CategoryRule> &rules)
{
    QVariantList list;
    for (const CategoryRule &rule : rules)
        list.append(QVariantMap{{kContains, rule.contains}, {kCategory, rule.category}});
    _settings.setValue(kRules, list);
}

void ImportSettings::addRule(const CategoryRule &rule)
{
    QList<CategoryRule> list = rules();
    list.removeIf([&rule](const CategoryRule &old) { return old.contains.compare(rule.contains, Qt::CaseInsensitive) == 0; });
    list.prepend(rule);
    setRules(list);
}

std::optional<CsvMapping> ImportSettings::csvMapping(const QString &layoutKey) const
{
    const QVariantMap layouts = _settings.value(kCsvLayouts).toMap();
    if (!layouts.contains(layoutKey))
        return std::nullopt;
    return CsvMapping::fromVariant(layouts.value(layoutKey).toMap());
}

void ImportSettings::setCsvMapping(const QString &layoutKey, const CsvMapping &mapping)
{
    QVariantMap layouts = _settings.value(kCsvLayouts).toMap();
    layouts.insert(layoutKey, mapping.toVariant());
    _settings.setValue(kCsvLayouts, layouts);
}

std::optional<int> ImportSettings::yearOf(const BudgetDocument &document, const QString &dataFile) const
{
    if (const std::optional<int> stored = document.extensions().year())
        return stored;
    if (dataFile.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int year = _settings.value(kYears).toMap().value(fileKey(dataFile)).toInt(&ok);
    return ok ? std::optional<int>(year) : std::nullopt;
}
