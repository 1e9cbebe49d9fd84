#pragma once

#include <QList>
#include <QString>

#include <array>

class BudgetDocument;

/// The figures the charts draw, read from the document: per month the budget,
/// what was spent and (in envelope mode) the envelopes set aside; per
/// category what was spent in the year. Charts only draw, so doubles do.
struct BudgetChartData
{
    struct CategoryTotal
    {
        QString name;
        double spent = 0;
    };

    std::array<double, 12> budget {};
    std::array<double, 12> spent {};
    std::array<double, 12> envelopes {};
    QList<CategoryTotal> categories;
    bool envelopeMode = false;

    [[nodiscard]] static BudgetChartData fromDocument(const BudgetDocument &document);
};
