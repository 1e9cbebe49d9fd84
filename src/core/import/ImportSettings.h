#pragma once

#include "CategoryRules.h"
#include "CsvMapping.h"

#include <QList>
#include <QString>

#include <optional>

class Settings;

/// What the import keeps in the user's settings: the category rules, the
/// CSV column layouts of the user's banks, and the budget year of each
/// data file. Every setter writes at once; nothing is stored by default.
class ImportSettings final
{
public:
    static inline const QString kRules = QStringLiteral("ImportRules");
    static inline const QString kCsvLayouts = QStringLiteral("ImportCsvLayouts");
    static inline const QString kYears = QStringLiteral("ImportYears");

    explicit ImportSettings(Settings &settings);

    /// The rules, in the order they are tried; none at first.
    [[nodiscard]] QList<CategoryRule> rules() const;
    void setRules(const QList<CategoryRule> &rules);
    /// Puts a rule first, replacing any rule with the same text.
    void addRule(const CategoryRule &rule);

    /// The mapping saved for a header layout (CsvStatement::layoutKey()).
    [[nodiscard]] std::optional<CsvMapping> csvMapping(const QString &layoutKey) const;
    void setCsvMapping(const QString &layoutKey, const CsvMapping &mapping);

    /// The budget year last imported into the data file at the path.
    [[nodiscard]] std::optional<int> year(const QString &dataFile) const;
    void setYear(const QString &dataFile, int year);

private:
    Settings &_settings;
};
