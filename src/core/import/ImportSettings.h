#pragma once

#include "CategoryRules.h"
#include "CsvMapping.h"

#include <QList>
#include <QString>

#include <optional>

class BudgetDocument;
class Settings;

/// What the import keeps in the user's settings: the category rules, the
/// CSV column layouts of the user's banks, and the budget year that earlier
/// versions remembered for each data file. Every setter writes at once;
/// nothing is stored by default.
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

    /// The year the budget stores; for a file that stores none, the year an
    /// earlier version remembered for its path.
    [[nodiscard]] std::optional<int> yearOf(const BudgetDocument &document, const QString &dataFile) const;

private:
    Settings &_settings;
};
