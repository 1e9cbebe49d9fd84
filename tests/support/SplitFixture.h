#pragma once

#include "DocumentFixtures.h"
#include "RecordedSteps.h"
#include "RecordingHost.h"
#include "RegisterRecords.h"

#include "editing/DocumentEditing.h"
#include "register/voCheckViewData.h"

/// A receipt of 84.20 at the market on 3 May, with May's register checked
/// out: Food, Household and Fun, a Bakery record of Food on the 9th and a
/// budget of 500. splitMarket() splits the receipt three ways through the
/// document's operations: Food 50, Household 24.20 ("soap"), Fun 10.
struct SplitBudget
{
    static constexpr int kMay = 4;

    BudgetDocument document;
    DocumentEditing editing{document};
    RecordedSteps steps;
    RecordingHost host;
    voCheckViewData records{editing, host};

    SplitBudget()
    {
        using DocumentFixtures::addItem;
        for (const char *name : {"Food", "Household", "Fun"})
            DocumentFixtures::addCategory(document, QString::fromLatin1(name));
        DocumentFixtures::setBudget(document, kMay, QStringLiteral("500"));
        DocumentFixtures::setBudget(document, kMay + 1, QStringLiteral("500"));
        addItem(document, QStringLiteral("Food"), kMay, QStringLiteral("3"), QStringLiteral("Market"),
                QStringLiteral("84.20"), QStringLiteral("receipt"));
        addItem(document, QStringLiteral("Food"), kMay, QStringLiteral("9"), QStringLiteral("Bakery"),
                QStringLiteral("6"));
        DocumentFixtures::recalculate(document);
        records.loadMonthData(MonthTables::monthIdString(kMay));
        editing.setChangeLog(&steps);
    }

    [[nodiscard]] int rowOf(const QString &desc) const
    {
        for (int row = 0; row < records.recordCount(); ++row) {
            if (records.recordAt(row).desc == desc)
                return row;
        }
        return -1;
    }
    [[nodiscard]] static QList<SplitPart> threeParts()
    {
        return {{QStringLiteral("Food"), QStringLiteral("50"), QString()},
                {QStringLiteral("Household"), QStringLiteral("24.20"), QStringLiteral("soap")},
                {QStringLiteral("Fun"), QStringLiteral("10"), QString()}};
    }
    EditAnswer splitMarket(const QList<SplitPart> &parts = threeParts())
    {
        return editing.splits().split(records, rowOf(QStringLiteral("Market")), parts);
    }
    /// The register's records in its order, each part with its mark and
    /// its split's total: "3|Market|Food|50|| |1 of 3|84.2".
    [[nodiscard]] QStringList shown() const
    {
        QStringList lines = RegisterRecords::lines(records);
        const MonthSplits &splits = records.splits();
        for (int row = 0; row < records.recordCount(); ++row) {
            const quint64 id = records.recordAt(row).id;
            if (const std::optional<MonthSplits::Part> part = splits.partOf(id))
                lines[row] += u'|' + MonthSplits::partText(*part) + u'|' + splits.splitOf(id)->total.toText();
        }
        return lines;
    }
    /// The document's records of month 0–11 as the file keeps them, each
    /// category's in its order, with the marks as shown() has them.
    [[nodiscard]] static QStringList stored(const BudgetDocument &document, int month)
    {
        QList<Entry> entries;
        QStringList categories;
        for (const QString &name : DocumentFixtures::categoryNames(document)) {
            const EntryList &list = *document.entryList(name, month);
            for (qsizetype at = 1; at < list.size(); ++at) {
                entries.append(list.at(at));
                categories.append(name);
            }
        }
        const MonthSplits splits = MonthSplits::of(document.extensions(), month, entries.size(),
                                                   [&entries](qsizetype at) -> const Entry & { return entries[at]; });
        QStringList lines;
        for (qsizetype at = 0; at < entries.size(); ++at) {
            const Entry &e = entries[at];
            QString line = QStringList{e.day, e.desc, categories[at], e.amount, e.note}.join(u'|');
            if (const std::optional<MonthSplits::Part> part = splits.partOf(e.id))
                line += u'|' + MonthSplits::partText(*part) + u'|' + splits.splitOf(e.id)->total.toText();
            lines << line;
        }
        return lines;
    }
    /// The categories, May as the register shows it and June as the
    /// document holds it.
    [[nodiscard]] QStringList state() const
    {
        QStringList lines{DocumentFixtures::categoryNames(document).join(u' ')};
        lines += shown();
        for (const QString &line : stored(document, kMay + 1))
            lines << QStringLiteral("jun ") + line;
        return lines;
    }
};
