#include "DocumentCompare.h"
#include "DocumentFixtures.h"
#include "ImportFixtures.h"

#include "document/CsvExport.h"
#include "editing/AddRecords.h"
#include "editing/DocumentEditing.h"
#include "import/CsvStatement.h"
#include "import/ImportPlan.h"
#include "import/StatementSource.h"
#include "splits/Proportions.h"
#include "splits/SplitLinks.h"

#include <QTest>

namespace {

using DocumentFixtures::addItem;

StatementLine line(const QString &date, const QString &amount, const QString &description)
{
    return {QDate::fromString(date, Qt::ISODate), description, QString(), amount, 0, {}};
}

/// A budget with the fixed rows and the named categories.
std::unique_ptr<BudgetDocument> budget(const QStringList &categories)
{
    auto document = std::make_unique<BudgetDocument>();
    for (const QString &name : categories)
        DocumentFixtures::addCategory(*document, name);
    return document;
}

QList<StatementLine> statementLines(const QString &file)
{
    const StatementSource source = StatementSource::open(ImportFixtures::kFolder + file);
    ReadChoices choices;
    if (source.format() == StatementFormat::Csv)
        choices.csv = CsvStatement::recognise(source.csvTable()).value_or(CsvMapping());
    return source.read(choices).lines;
}

QString states(const ImportPlan &plan)
{
    QStringList names;
    for (const PlannedLine &planned : plan.lines())
        names << ImportPlan::stateName(planned.state()) + (planned.ticked ? QStringLiteral("+") : QString());
    return names.join(u',');
}

const QString kSplits = QStringLiteral("statement-splits.qif");

/// Each line as "categories|state|+" (ticked) the way the preview shows it.
QStringList shownLines(const ImportPlan &plan)
{
    QStringList shown;
    for (const PlannedLine &planned : plan.lines())
        shown << ImportPlan::categoryText(planned) + u'|' + ImportPlan::stateText(planned)
                + (planned.ticked ? QStringLiteral("|+") : QString());
    return shown;
}

} // namespace

class ImportPlanTest : public QObject
{
    Q_OBJECT

private slots:
    void eachStatementEntersTheSampleBudgetOnce_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : ImportFixtures::kStatements)
            QTest::newRow(qPrintable(file)) << file;
    }

    void eachStatementEntersTheSampleBudgetOnce()
    {
        QFETCH(QString, file);
        const std::unique_ptr<BudgetDocument> document = DocumentCompare::loaded(ImportFixtures::kSample, false, true);
        QVERIFY(document);
        const QByteArray april = CsvExport::monthRegister(*document, 3);
        const QList<StatementLine> lines = statementLines(file);
        QCOMPARE(lines.size(), 10);

        const ImportPlan plan(*document, lines, 2026, {});
        QCOMPARE(states(plan), QStringLiteral("duplicate,new+,new+,credit,new+,needs a category,new+,new+,credit,"
                                              "other year"));
        QVERIFY(AddRecords(plan.records()).apply(*document));
        QCOMPARE(CsvExport::monthRegister(*document, 4), ImportFixtures::kImportedMay);
        QCOMPARE(CsvExport::monthRegister(*document, 3), april);
        QCOMPARE(DocumentFixtures::cell(*document, QStringLiteral("Remain"), u"may"), QStringLiteral("2381.05"));

        const ImportPlan again(*document, lines, 2026, {});
        QCOMPARE(again.tickedCount(), 0);
        QCOMPARE(again.count(LineState::Duplicate), 6);
    }

    void duplicatesAreMatchedOneForOne_data()
    {
        QTest::addColumn<QList<StatementLine>>("lines");
        QTest::addColumn<QString>("expected");
        // The register holds Market, 2 May, 12.50.
        const StatementLine stored = line("2026-05-02", "-12.50", "Market");
        QTest::newRow("the same line") << QList{stored} << "duplicate";
        QTest::newRow("the same amount written otherwise") << QList{line("2026-05-02", "-12.5", "Market")} << "duplicate";
        QTest::newRow("another day") << QList{line("2026-05-03", "-12.50", "Market")} << "new+";
        QTest::newRow("another month") << QList{line("2026-06-02", "-12.50", "Market")} << "new+";
        QTest::newRow("another amount") << QList{line("2026-05-02", "-12.51", "Market")} << "new+";
        QTest::newRow("another description") << QList{line("2026-05-02", "-12.50", "Market Hall")} << "needs a category";
        QTest::newRow("a byte-order mark in the description") << QList{line("2026-05-02", "-12.50", "\uFEFFMarket")}
                                                              << "duplicate";
        QTest::newRow("two equal purchases, one stored") << QList{stored, stored} << "duplicate,new+";
        QTest::newRow("a refund is no duplicate of a purchase") << QList{line("2026-05-02", "12.50", "Market")}
                                                               << "credit";
    }

    void duplicatesAreMatchedOneForOne()
    {
        QFETCH(QList<StatementLine>, lines);
        QFETCH(QString, expected);
        const std::unique_ptr<BudgetDocument> document = budget({QStringLiteral("Food"), QStringLiteral("Home")});
        addItem(*document, QStringLiteral("Home"), 4, QStringLiteral("2"), QStringLiteral("Market"),
                QStringLiteral("12.50"));
        QCOMPARE(states(ImportPlan(*document, lines, 2026, {})), expected);
    }

    void categoriesComeFromRulesThenTheRegisterThenNone_data()
    {
        QTest::addColumn<QList<CategoryRule>>("rules");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("category");
        QTest::addColumn<CategorySource>("source");
        // Stored: "Corner Shop" under Home in March, under Food and then Fun in May.
        const QList<CategoryRule> none;
        const CategoryRule shopIsFun{QStringLiteral("shop"), QStringLiteral("Fun")};
        QTest::newRow("a rule before the register") << QList{shopIsFun} << "2026-03-09" << "Fun" << CategorySource::Rule;
        QTest::newRow("the first rule that applies")
            << QList{CategoryRule{QStringLiteral("CORNER"), QStringLiteral("Food")}, shopIsFun} << "2026-03-09"
            << "Food" << CategorySource::Rule;
        QTest::newRow("a rule for a category the budget lacks")
            << QList{CategoryRule{QStringLiteral("shop"), QStringLiteral("Gone")}} << "2026-03-09" << "Home"
            << CategorySource::Lookup;
        QTest::newRow("the line's month: its last entry") << none << "2026-05-30" << "Fun" << CategorySource::Lookup;
        QTest::newRow("an earlier month") << none << "2026-04-01" << "Home" << CategorySource::Lookup;
        QTest::newRow("later months do not count") << none << "2026-02-01" << "" << CategorySource::None;
    }

    void categoriesComeFromRulesThenTheRegisterThenNone()
    {
        QFETCH(QList<CategoryRule>, rules);
        QFETCH(QString, date);
        QFETCH(QString, category);
        QFETCH(CategorySource, source);
        const std::unique_ptr<BudgetDocument> document
            = budget({QStringLiteral("Food"), QStringLiteral("Home"), QStringLiteral("Fun")});
        const QString shop = QStringLiteral("Corner Shop");
        addItem(*document, QStringLiteral("Home"), 2, QStringLiteral("4"), shop, QStringLiteral("3"));
        addItem(*document, QStringLiteral("Food"), 4, QStringLiteral("4"), shop, QStringLiteral("3"));
        addItem(*document, QStringLiteral("Fun"), 4, QStringLiteral("9"), shop, QStringLiteral("3"));
        const ImportPlan plan(*document, {line(date, "-1.00", shop)}, 2026, rules);
        QCOMPARE(plan.lines().first().category, category);
        QCOMPARE(plan.lines().first().categorySource, source);
    }

    void onlyLinesOfTheYearWithACategoryCanBeTicked()
    {
        const std::unique_ptr<BudgetDocument> document = budget({QStringLiteral("Food")});
        const QList<StatementLine> lines{line("2025-12-31", "-1", "A"), line("2026-01-01", "-2", "B"),
                                         line("2026-01-02", "-3", "C"), line("2026-01-03", "4", "D")};
        QCOMPARE(ImportPlan::likelyYear(lines), 2026);
        ImportPlan plan(*document, lines, 2026, {{QStringLiteral("C"), QStringLiteral("Food")}});
        QCOMPARE(states(plan), QStringLiteral("other year,needs a category,new+,credit"));
        QVERIFY(!plan.setTicked(0, true));
        QVERIFY(!plan.setCategory(0, QStringLiteral("Food")));
        QVERIFY(!plan.setTicked(1, true));
        QVERIFY(!plan.setCategory(1, QStringLiteral("Drink")));
        QVERIFY(plan.setCategory(1, QStringLiteral("Food"))); // ticks the line that needed one
        QVERIFY(plan.setCategory(3, QStringLiteral("Food"))); // a credit stays out until ticked
        QCOMPARE(states(plan), QStringLiteral("other year,new+,new+,credit"));
        QVERIFY(plan.setTicked(3, true));
        QCOMPARE(plan.records().last(),
                 (NewRecord{QStringLiteral("Food"), 0, Entry{QStringLiteral("3"), QStringLiteral("D"),
                                                             QStringLiteral("-4"), QString(), QStringLiteral(" ")}}));
        QCOMPARE(plan.records().size(), 3);

        const ImportPlan taken(*document, lines, 2026, {{QStringLiteral("D"), QStringLiteral("Food")}}, true);
        QCOMPARE(states(taken), QStringLiteral("other year,needs a category,needs a category,credit+"));
    }

    void qifSplitPartsFindTheirCategories_data()
    {
        QTest::addColumn<QList<CategoryRule>>("rules");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("shown");
        QTest::newRow("by name in another letter case")
            << QList<CategoryRule>() << 0 << "Groceries, Health|new|+";
        QTest::newRow("unknown name: the register's category for the description")
            << QList<CategoryRule>() << 1 << "Groceries, Groceries|new|+";
        QTest::newRow("unknown name, nothing known: the part needs one")
            << QList<CategoryRule>() << 2 << "(none), Health|needs a category";
        QTest::newRow("unknown name: the rule's category")
            << QList<CategoryRule>{{QStringLiteral("Garden centre"), QStringLiteral("Transport")}} << 2
            << "Transport, Health|new|+";
        QTest::newRow("parts that do not add up: whole, said")
            << QList<CategoryRule>() << 3 << "Health|new; its parts add up to 35, not 40.00, so it enters whole|+";
        QTest::newRow("no split") << QList<CategoryRule>() << 4 << "Groceries|new|+";
    }

    void qifSplitPartsFindTheirCategories()
    {
        QFETCH(QList<CategoryRule>, rules);
        QFETCH(int, index);
        QFETCH(QString, shown);
        const std::unique_ptr<BudgetDocument> sample = DocumentCompare::loaded(ImportFixtures::kSample, false, false);
        const ImportPlan plan(*sample, statementLines(kSplits), 2026, rules);
        QCOMPARE(shownLines(plan).value(index), shown);
    }

    void aQifSplitEntersLinkedAndIsADuplicateTheSecondTime()
    {
        const std::unique_ptr<BudgetDocument> sample = DocumentCompare::loaded(ImportFixtures::kSample, false, false);
        DocumentEditing editing(*sample);
        const ImportPlan first(*sample, statementLines(kSplits), 2026, {});
        const AddRecords addition = first.addition();
        QCOMPARE(addition.splits(), (QList<QList<qsizetype>>{{0, 1}, {2, 3}}));
        QCOMPARE(addition.records().first(),
                 (NewRecord{QStringLiteral("Groceries"), 4,
                            Entry{QStringLiteral("3"), QStringLiteral("Market"), QStringLiteral("60.00"),
                                  QStringLiteral("food"), QStringLiteral(" ")}}));
        QCOMPARE(addition.records().at(1).entry.note, QStringLiteral("plasters"));
        QVERIFY(editing.addRecords(addition, QStringLiteral("Import 4 Transactions"), 2026));
        const QList<SplitLink> links = SplitLinks::read(sample->extensions());
        QCOMPARE(links.size(), 2);
        QCOMPARE(links.first().month, 4);
        QCOMPARE(links.first().parts.size(), 2);

        const ImportPlan second(*sample, statementLines(kSplits), 2026, {});
        QCOMPARE(states(second), QStringLiteral("duplicate,duplicate,needs a category,duplicate,duplicate"));
    }

    void proportionalSharesRoundToCentsWithTheRestFirst_data()
    {
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("shares"); // empty: none
        QTest::newRow("same total") << QStringList{"60", "24.20"} << "84.20" << "60|24.2";
        QTest::newRow("rounded down") << QStringList{"60", "24.20"} << "100" << "71.26|28.74";
        QTest::newRow("thirds, the cent on the first") << QStringList{"1", "1", "1"} << "10" << "3.34|3.33|3.33";
        QTest::newRow("half a cent rounds away from zero") << QStringList{"1", "1"} << "0.01" << "0|0.01";
        QTest::newRow("a refund") << QStringList{"60", "24.20"} << "-42.10" << "-30|-12.1";
        QTest::newRow("a negative part") << QStringList{"100", "-20"} << "40" << "50|-10";
        QTest::newRow("finer digits last time") << QStringList{"0.333", "0.667"} << "3" << "1|2";
        QTest::newRow("parts adding up to zero") << QStringList{"10", "-10"} << "5" << "";
    }

    void proportionalSharesRoundToCentsWithTheRestFirst()
    {
        QFETCH(QStringList, parts);
        QFETCH(QString, total);
        QFETCH(QString, shares);
        QList<Decimal> values;
        for (const QString &part : parts)
            values.append(Decimal::fromText(part));
        QStringList shown;
        for (const Decimal &share : Proportions::shares(values, Decimal::fromText(total)).value_or(QList<Decimal>()))
            shown.append(share.toText());
        QCOMPARE(shown.join(u'|'), shares);
    }

    void aDescriptionSplitLastTimeIsProposedSplitAlike()
    {
        const std::unique_ptr<BudgetDocument> document
            = budget({QStringLiteral("Food"), QStringLiteral("Household"), QStringLiteral("Fun")});
        DocumentEditing editing(*document);
        const auto record = [](const char *category, int month, const char *day, const char *amount) {
            return NewRecord{QString::fromLatin1(category), month,
                             Entry{QString::fromLatin1(day), QStringLiteral("Market"), QString::fromLatin1(amount),
                                   QString(), QStringLiteral(" ")}};
        };
        // April's split is older than May's, which is proposed.
        QVERIFY(editing.addRecords(AddRecords({record("Food", 4, "3", "50"), record("Household", 4, "3", "24.20"),
                                               record("Fun", 4, "3", "10"), record("Fun", 3, "28", "5"),
                                               record("Food", 3, "28", "5")},
                                              {}, {{0, 1, 2}, {3, 4}}),
                                   QStringLiteral("Split"), 2026));
        ImportPlan plan(*document, {line("2026-05-03", "-84.20", "Market"), line("2026-05-20", "-42.10", "Market")},
                        2026, {});
        QCOMPARE(states(plan), QStringLiteral("duplicate,new")); // the split of the 3rd is the first line
        QCOMPARE(shownLines(plan).last(),
                 QStringLiteral("Food, Household, Fun|split as last time: Food 25.00, Household 12.10, Fun 5.00 — "
                                "tick to confirm"));
        QVERIFY(plan.setTicked(1, true));
        QVERIFY(!plan.lines()[1].proposed);
        QCOMPARE(plan.addition().splits(), (QList<QList<qsizetype>>{{0, 1, 2}}));
        QCOMPARE(plan.records().at(1).entry.amount, QStringLiteral("12.1"));
        QCOMPARE(plan.setParts(1, {{QStringLiteral("Food"), QStringLiteral("40"), {}, {}},
                                   {QStringLiteral("Fun"), QStringLiteral("2"), {}, {}}}),
                 QStringLiteral("The parts add up to 42, but the total is 42.1."));
        QCOMPARE(plan.setParts(1, {{QStringLiteral("Food"), QStringLiteral("40"), {}, {}},
                                   {QStringLiteral("Drink"), QStringLiteral("2.10"), {}, {}}}),
                 QStringLiteral("Choose a category for each part."));
        QCOMPARE(plan.setParts(1, {{QStringLiteral("Fun"), QStringLiteral("42.10"), {}, {}}}), QString());
        QCOMPARE(plan.records().size(), 1);
        QCOMPARE(plan.records().first().category, QStringLiteral("Fun"));
    }

    void addRecordsAddsEveryRecordOrNone()
    {
        const std::unique_ptr<BudgetDocument> before = DocumentCompare::loaded(ImportFixtures::kSample, false, false);
        const std::unique_ptr<BudgetDocument> sample = DocumentCompare::loaded(ImportFixtures::kSample, false, false);
        const Entry entry{QStringLiteral("3"), QStringLiteral("Bakery"), QStringLiteral("4.10"), {}, QStringLiteral(" ")};
        QVERIFY(!AddRecords({{QStringLiteral("Groceries"), 4, entry}, {QStringLiteral("Pets"), 4, entry}}).apply(*sample));
        QVERIFY(!AddRecords({{QStringLiteral("Groceries"), 12, entry}}).apply(*sample));
        QVERIFY(!AddRecords({{QStringLiteral("Remain"), 4, entry}}).apply(*sample));
        QCOMPARE(DocumentCompare::firstDifference(*sample, *before), QString());
        QVERIFY(AddRecords({{QStringLiteral("Groceries"), 4, entry}, {QStringLiteral("Health"), 0, entry}}).apply(*sample));
        QCOMPARE(DocumentFixtures::cell(*sample, QStringLiteral("Groceries"), u"may"), QStringLiteral("4.1"));
        QCOMPARE(DocumentFixtures::cell(*sample, QStringLiteral("Health"), u"jan"), QStringLiteral("143.2"));
    }
};

QTEST_GUILESS_MAIN(ImportPlanTest)
#include "tst_importplan.moc"
