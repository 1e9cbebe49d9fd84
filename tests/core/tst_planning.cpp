#include "DocumentFixtures.h"
#include "PlanningFixture.h"
#include "RecordedSteps.h"
#include "RecordingHost.h"
#include "editing/DocumentSetup.h"

#include "document/CarriedAmounts.h"
#include "document/EnvelopeCarry.h"
#include "editing/DocumentEditing.h"
#include "editing/PlanningEdits.h"
#include "register/voCheckViewData.h"
#include "year/BudgetFill.h"
#include "year/LastYearBudget.h"
#include "year/LastYearLink.h"
#include "year/ComparisonCsv.h"
#include "year/YearComparison.h"

#include <QTemporaryDir>
#include <QTest>

using namespace PlanningFixture;

namespace {

const QString kFood = QStringLiteral("Food");
const QString kRent = QStringLiteral("Rent");

/// Every record of the document's extension section as its line.
QStringList recordLines(const BudgetDocument &document)
{
    QStringList lines;
    for (const ExtensionRecord &record : document.extensions().records())
        lines << record.toLine();
    return lines;
}

/// What the register shows left for month 0–11.
QString registerRemaining(BudgetDocument &document, int month)
{
    DocumentEditing edits(document);
    RecordingHost host;
    voCheckViewData data(edits, host);
    data.loadMonthData(MonthTables::monthIdString(month));
    return host.remaining;
}

} // namespace

class TestPlanning : public QObject
{
    Q_OBJECT

private slots:
    void carriedAmountsRunThroughTheYear_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("lastDecember");
        QTest::addColumn<QStringList>("booked");
        QTest::addColumn<QStringList>("food");
        QTest::addColumn<QStringList>("carriedIn");
        QTest::addColumn<QStringList>("remain");

        const QStringList spentThenUnder{"30", "150", ""};
        const QStringList overThenUnder{"130", "20", ""};
        QTest::newRow("no carry: today's figures") << "" << "25" << "40" << spentThenUnder
                                                   << QStringList{"70", "-50", "100"} << QStringList{"0", "0", "0"}
                                                   << QStringList{"70", "450", "600"};
        QTest::newRow("left: a positive month carries") << "left" << "" << "" << spentThenUnder
                                                        << QStringList{"70", "20", "120"}
                                                        << QStringList{"0", "70", "20"}
                                                        << QStringList{"70", "520", "620"};
        QTest::newRow("left: an overspent month starts the next at 0") << "left" << "" << "" << overThenUnder
                                                                       << QStringList{"-30", "80", "180"}
                                                                       << QStringList{"0", "0", "80"}
                                                                       << QStringList{"-30", "580", "680"};
        QTest::newRow("all: the overspent amount carries") << "all" << "" << "" << overThenUnder
                                                           << QStringList{"-30", "50", "150"}
                                                           << QStringList{"0", "-30", "50"}
                                                           << QStringList{"-30", "550", "650"};
        QTest::newRow("January from the opening amount") << "left" << "25" << "" << spentThenUnder
                                                         << QStringList{"95", "45", "145"}
                                                         << QStringList{"25", "95", "45"}
                                                         << QStringList{"95", "545", "645"};
        QTest::newRow("January from last year, before the opening amount")
            << "left" << "25" << "40" << spentThenUnder << QStringList{"110", "60", "160"}
            << QStringList{"40", "110", "60"} << QStringList{"110", "560", "660"};
        QTest::newRow("left: last year's overspent December carries nothing")
            << "left" << "" << "-40" << spentThenUnder << QStringList{"70", "20", "120"}
            << QStringList{"0", "70", "20"} << QStringList{"70", "520", "620"};
        QTest::newRow("all: last year's overspent December carries")
            << "all" << "" << "-40" << spentThenUnder << QStringList{"30", "-20", "80"}
            << QStringList{"-40", "30", "-20"} << QStringList{"30", "480", "580"};
    }

    void carriedAmountsRunThroughTheYear()
    {
        QFETCH(QString, mode);
        QFETCH(QString, opening);
        QFETCH(QString, lastDecember);
        QFETCH(QStringList, booked);
        QFETCH(QStringList, food);
        QFETCH(QStringList, carriedIn);
        QFETCH(QStringList, remain);

        BudgetDocument document;
        DocumentSetup::setEnvelopeView(document, true);
        // Rent beside it carries nothing: its January is spent, the rest untouched.
        fillEnvelopes(document, booked, {"500"});
        QList<QStringList> records;
        if (!mode.isEmpty())
            records << QStringList{"carry", kFood, mode};
        if (!opening.isEmpty())
            records << QStringList{"opening", kFood, opening};
        addRecords(document, records);
        if (!lastDecember.isEmpty() && !mode.isEmpty())
            DocumentSetup::setLastYearClosing(document, { { kFood, lastDecember } });

        QCOMPARE(cells(document, kFood), food);
        QCOMPARE(cells(document, kRent), (QStringList{"0", "500", "500"}));
        QCOMPARE(cells(document, QStringLiteral("Budget")), (QStringList{"600", "600", "600"}));
        QCOMPARE(cells(document, QStringLiteral("Remain")), remain);
        for (int month = 0; month < 3; ++month) {
            QCOMPARE(CarriedAmounts::into(document, kFood, month).toText(), carriedIn[month]);
            QCOMPARE(CarriedAmounts::into(document, kRent, month).toText(), QStringLiteral("0"));
            QCOMPARE(registerRemaining(document, month), remain[month]);
        }
    }

    void standardModeAndALinkAloneChangeNoFigure_data()
    {
        QTest::addColumn<bool>("envelope");
        QTest::addColumn<QList<QStringList>>("records");
        QTest::newRow("a link alone, envelope mode") << true << QList<QStringList>{{"lastyear", "missing-2025.txt"}};
        QTest::newRow("carry records in standard mode")
            << false << QList<QStringList>{{"carry", "Food", "all"}, {"opening", "Food", "50"}};
        QTest::newRow("a carry mode this version does not know")
            << true << QList<QStringList>{{"carry", "Food", "sometimes"}};
    }

    void standardModeAndALinkAloneChangeNoFigure()
    {
        QFETCH(bool, envelope);
        QFETCH(QList<QStringList>, records);
        BudgetDocument plain;
        DocumentSetup::setEnvelopeView(plain, envelope);
        fillEnvelopes(plain, {"30", "150", "", "12.5"}, {"500"});
        BudgetDocument linked;
        DocumentSetup::setEnvelopeView(linked, envelope);
        fillEnvelopes(linked, {"30", "150", "", "12.5"}, {"500"});
        addRecords(linked, records);
        QCOMPARE(linked.getCatArray(), plain.getCatArray());
        QCOMPARE(CarriedAmounts::intoMonth(linked, 1).toText(), QStringLiteral("0"));
    }

    void planningChangesAreOneUndoStep_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stepName");
        QTest::addColumn<QStringList>("records");

        QTest::newRow("carry what is left") << "carry" << "left" << "Change Carry" << QStringList{";@carry\tFood\tleft"};
        QTest::newRow("carry all") << "carry" << "all" << "Change Carry" << QStringList{";@carry\tFood\tall"};
        QTest::newRow("opening amount, as typed in the file's form")
            << "opening" << "12.50" << "Edit Opening Amount" << QStringList{";@opening\tFood\t12.50"};
        QTest::newRow("last year's file") << "link" << "household-2025.txt" << "Choose Last Year's Budget"
                                          << QStringList{";@lastyear\thousehold-2025.txt"};
        QTest::newRow("a match made by hand") << "match" << "Groceries" << "Match Category"
                                              << QStringList{";@renamed\tFood\tGroceries"};
    }

    void planningChangesAreOneUndoStep()
    {
        QFETCH(QString, change);
        QFETCH(QString, typed);
        QFETCH(QString, stepName);
        QFETCH(QStringList, records);

        BudgetDocument document;
        DocumentSetup::setEnvelopeView(document, true);
        fillEnvelopes(document, {"30", "150"});
        DocumentEditing edits(document);
        RecordedSteps steps;
        edits.setChangeLog(&steps);
        const auto look = [&document] { return recordLines(document) + cells(document, kFood); };
        const QStringList before = look();

        PlanningEdits planning(edits);
        EditAnswer answer;
        if (change == u"carry")
            answer = planning.setCarryMode(kFood, *EnvelopeCarry::modeFromWord(typed));
        else if (change == u"opening")
            answer = planning.setOpening(kFood, typed);
        else if (change == u"link")
            answer = planning.setLastYearLink(typed);
        else
            answer = planning.matchLastYear(kFood, typed);
        QVERIFY(answer.isChanged());
        QCOMPARE(recordLines(document), records);
        QVERIFY(steps.undoesAndRedoes(stepName, look, before));

        // The same value again changes nothing and records nothing.
        steps.steps.clear();
        if (change == u"carry")
            answer = planning.setCarryMode(kFood, *EnvelopeCarry::modeFromWord(typed));
        else if (change == u"link")
            answer = planning.setLastYearLink(typed);
        else if (change == u"match")
            answer = planning.matchLastYear(kFood, typed);
        else
            answer = planning.setOpening(kFood, typed);
        QVERIFY(!answer.isChanged());
        QVERIFY(steps.steps.empty());
    }

    void aRefusedOpeningAmountChangesNothing()
    {
        BudgetDocument document;
        fillEnvelopes(document, {});
        DocumentEditing edits(document);
        RecordedSteps steps;
        edits.setChangeLog(&steps);
        const EditAnswer answer = edits.planning().setOpening(kFood, QStringLiteral("twelve"));
        QVERIFY(answer.isRefused());
        QVERIFY(!answer.message.isEmpty());
        QVERIFY(document.extensions().isEmpty());
        QVERIFY(steps.steps.empty());
    }

    void recordsFollowARenameAndGoWithADeletion()
    {
        BudgetDocument document;
        DocumentSetup::setEnvelopeView(document, true);
        fillEnvelopes(document, {"30"});
        addRecords(document, {{"year", "2026"}, {"carry", "Food", "left"}, {"opening", "Food", "5"},
                              {"renamed", "Food", "Groceries"}, {"carry", "Rent", "all"}});
        DocumentEditing edits(document);
        RecordedSteps steps;
        edits.setChangeLog(&steps);

        QVERIFY(edits.categories().renameCategory(kFirstCategoryRow, QStringLiteral("Meals")).isChanged());
        QCOMPARE(recordLines(document),
                 (QStringList{";@year\t2026", ";@carry\tMeals\tleft", ";@opening\tMeals\t5",
                              ";@renamed\tMeals\tGroceries", ";@carry\tRent\tall"}));
        QCOMPARE(CarriedAmounts::into(document, QStringLiteral("Meals"), 0).toText(), QStringLiteral("5"));

        steps.steps.clear();
        const auto look = [&document] { return recordLines(document) + cells(document, QStringLiteral("Meals")); };
        const QStringList before = look();
        QVERIFY(edits.categories().deleteCategory(kFirstCategoryRow).isChanged());
        QCOMPARE(recordLines(document), (QStringList{";@year\t2026", ";@carry\tRent\tall"}));
        QVERIFY(steps.undoesAndRedoes(QStringLiteral("Delete Category"), look, before));
    }

    void fillRulesWorkOutTheSelectedMonths_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QList<int>>("months");
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withLastYear");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<bool>("noted");

        using R = BudgetFill::Rule;
        QTest::newRow("same as previous month, in turn")
            << int(R::SameAsPreviousMonth) << kFood << QList<int>{1, 2} << 3 << "" << false
            << QStringList{"feb 110>100", "mar 120>100"} << false;
        QTest::newRow("January takes last year's December")
            << int(R::SameAsPreviousMonth) << kFood << QList<int>{0} << 3 << "" << true
            << QStringList{"jan 100>90"} << false;
        QTest::newRow("copy one month to the rest of the year")
            << int(R::CopyToFollowingMonths) << kFood << QList<int>{9} << 3 << "" << false
            << QStringList{"nov 200>190", "dec 210>190"} << false;
        QTest::newRow("copy the first month to the others chosen")
            << int(R::CopyToFollowingMonths) << kFood << QList<int>{0, 5} << 3 << "" << false
            << QStringList{"jun 150>100"} << false;
        QTest::newRow("set months to one value, as typed")
            << int(R::SetMonthsTo) << kFood << QList<int>{0, 1} << 3 << "75.50" << false
            << QStringList{"jan 100>75.50", "feb 110>75.50"} << false;
        QTest::newRow("average of 3 months, an empty month counting 0")
            << int(R::AverageSpent) << kFood << QList<int>{3} << 3 << "" << false << QStringList{"apr 130>25"}
            << false;
        QTest::newRow("average rounded half away from zero")
            << int(R::AverageSpent) << kFood << QList<int>{6} << 6 << "" << false << QStringList{"jul 160>13"}
            << false;
        QTest::newRow("average before January without last year: the months there are")
            << int(R::AverageSpent) << kFood << QList<int>{1} << 3 << "" << false << QStringList{"feb 110>30"}
            << true;
        QTest::newRow("average reaching into last year's file")
            << int(R::AverageSpent) << kFood << QList<int>{1} << 3 << "" << true << QStringList{"feb 110>20"}
            << false;
        QTest::newRow("January's average without last year: nothing to average")
            << int(R::AverageSpent) << kFood << QList<int>{0} << 3 << "" << false << QStringList{} << true;
        QTest::newRow("the Budget row averages every category")
            << int(R::AverageSpent) << "" << QList<int>{3} << 3 << "" << false << QStringList{"apr 0>192"} << false;
        QTest::newRow("spent in the same month last year, exact")
            << int(R::SpentSameMonthLastYear) << kFood << QList<int>{0} << 3 << "" << true
            << QStringList{"jan 100>12.5"} << false;
        QTest::newRow("spent last year without last year's file")
            << int(R::SpentSameMonthLastYear) << kFood << QList<int>{0} << 3 << "" << false << QStringList{}
            << true;
        QTest::newRow("budget of the same month last year")
            << int(R::BudgetSameMonthLastYear) << kFood << QList<int>{2} << 3 << "" << true
            << QStringList{"mar 120>90"} << false;
        QTest::newRow("change by percent, rounded")
            << int(R::ChangeByPercent) << kFood << QList<int>{0, 1} << 3 << "-2.5" << false
            << QStringList{"jan 100>98", "feb 110>107"} << false;
    }

    void fillRulesWorkOutTheSelectedMonths()
    {
        QFETCH(int, rule);
        QFETCH(QString, category);
        QFETCH(QList<int>, months);
        QFETCH(int, window);
        QFETCH(QString, typed);
        QFETCH(bool, withLastYear);
        QFETCH(QStringList, changes);
        QFETCH(bool, noted);

        QTemporaryDir dir;
        BudgetDocument lastYearDocument;
        DocumentSetup::setEnvelopeView(lastYearDocument, true);
        fillEnvelopes(lastYearDocument, {"12.50", "", "", "", "", "", "", "", "", "", "10", "20"});
        for (int month = 0; month < MonthTables::kMonthCount; ++month)
            DocumentFixtures::setEnvelope(lastYearDocument, kFood, month, QStringLiteral("90"));
        const QString lastPath = dir.filePath(QStringLiteral("household-2025.txt"));
        QVERIFY(write(lastYearDocument, lastPath));
        LastYearBudget lastYear;
        if (withLastYear)
            lastYear.open(lastPath);

        BudgetDocument document;
        DocumentSetup::setEnvelopeView(document, true);
        fillEnvelopes(document, {"30", "", "45"}, {"", "", "500"});
        for (int month = 0; month < MonthTables::kMonthCount; ++month)
            DocumentFixtures::setEnvelope(document, kFood, month, QString::number(100 + 10 * month));
        DocumentFixtures::recalculate(document);

        const BudgetFill::Preview preview
            = BudgetFill::preview(document, lastYear, {BudgetFill::Rule(rule), category, months, window, typed});
        QStringList shown;
        for (const FilledAmount &amount : preview.amounts)
            shown << QStringLiteral("%1 %2>%3").arg(MonthTables::monthIdString(amount.month), amount.before, amount.after);
        QCOMPARE(shown, changes);
        QCOMPARE(!preview.note.isEmpty(), noted);
        QVERIFY(!preview.rule.isEmpty());
        QVERIFY(preview.refusal.isEmpty());

        if (preview.amounts.isEmpty())
            return;
        DocumentEditing edits(document);
        RecordedSteps steps;
        edits.setChangeLog(&steps);
        const auto look = [&document] {
            const auto &budgets = document.budgetTotals();
            return cells(document, kFood, 12) + QStringList(budgets.begin(), budgets.end());
        };
        const QStringList before = look();
        QVERIFY(edits.planning().fill(preview.amounts).isChanged());
        for (const FilledAmount &amount : preview.amounts) {
            const QString stored = category.isEmpty() ? document.budgetTotals()[std::size_t(amount.month)]
                                                      : document.entryList(category, amount.month)->first().amount;
            QCOMPARE(stored, amount.after);
        }
        QVERIFY(steps.undoesAndRedoes(
            QStringLiteral("Fill %1 Month%2").arg(preview.amounts.size()).arg(preview.amounts.size() == 1 ? "" : "s"),
            look, before));
    }

    void aRefusedFillValueChangesNothing()
    {
        BudgetDocument document;
        fillEnvelopes(document, {});
        const LastYearBudget lastYear;
        const BudgetFill::Preview preview
            = BudgetFill::preview(document, lastYear, {BudgetFill::Rule::SetMonthsTo, kFood, {0, 1}, 3, "ten"});
        QVERIFY(!preview.refusal.isEmpty());
        QVERIFY(preview.amounts.isEmpty());
    }

    void lastYearsFileIsFoundAndNotedWhenMissing_data()
    {
        QTest::addColumn<QString>("thisFile");
        QTest::addColumn<QString>("lastFile");
        QTest::addColumn<QString>("stored");
        QTest::newRow("beside it: the name alone") << "a/household-2026.txt" << "a/household-2025.txt"
                                                   << "household-2025.txt";
        QTest::newRow("below it: relative") << "a/household-2026.txt" << "a/old/household-2025.txt"
                                            << "old/household-2025.txt";
        QTest::newRow("elsewhere: absolute") << "a/household-2026.txt" << "b/household-2025.txt"
                                             << "@/b/household-2025.txt";
    }

    void lastYearsFileIsFoundAndNotedWhenMissing()
    {
        QFETCH(QString, thisFile);
        QFETCH(QString, lastFile);
        QFETCH(QString, stored);
        QTemporaryDir dir;
        const QString thisPath = dir.filePath(thisFile);
        const QString lastPath = dir.filePath(lastFile);
        QCOMPARE(LastYearLink::storedLink(thisPath, lastPath), QString(stored).replace(u'@', dir.path()));
        DocumentExtensions extensions;
        LastYearLink::setLink(extensions, thisPath, lastPath);
        QCOMPARE(LastYearLink::linkedPath(extensions, thisPath), std::optional<QString>(lastPath));

        LastYearBudget lastYear;
        lastYear.follow(extensions, thisPath);
        QVERIFY(!lastYear.isLoaded());
        QCOMPARE(lastYear.note(), QStringLiteral("Last year's budget household-2025.txt is not there"));

        // Once it is there it is read, and a change on disk is read again.
        QVERIFY(QDir().mkpath(QFileInfo(lastPath).absolutePath()));
        BudgetDocument last;
        fillEnvelopes(last, {"7"});
        QVERIFY(write(last, lastPath));
        QVERIFY(lastYear.refresh());
        QVERIFY(lastYear.isLoaded());
        QVERIFY(lastYear.note().isEmpty());
        QCOMPARE(lastYear.booked(kFood, 0).toText(), QStringLiteral("7"));
        QVERIFY(!lastYear.refresh());
        DocumentFixtures::addItem(last, kFood, 0, "2", "More", "3");
        QVERIFY(write(last, lastPath));
        QVERIFY(lastYear.refresh());
        QCOMPARE(lastYear.booked(kFood, 0).toText(), QStringLiteral("10"));
    }

    void theSuggestedFileHasTheYearBefore()
    {
        QCOMPARE(LastYearLink::suggestedPath(QStringLiteral("/home/a/household-2026.txt")),
                 std::optional<QString>(QStringLiteral("/home/a/household-2025.txt")));
        QCOMPARE(LastYearLink::suggestedPath(QStringLiteral("/home/a/household.txt")), std::nullopt);
    }

    void comparisonMatchesByNameAndByHand()
    {
        BudgetDocument last;
        fillEnvelopes(last, {"10", "20"}, {"500"});
        DocumentFixtures::addCategory(last, QStringLiteral("Groceries"));
        DocumentFixtures::addItem(last, QStringLiteral("Groceries"), 0, "1", "Shop", "40");
        DocumentFixtures::addCategory(last, QStringLiteral("Gone"));
        DocumentFixtures::addItem(last, QStringLiteral("Gone"), 1, "1", "Shop", "5");
        BudgetDocument now;
        fillEnvelopes(now, {"15"}, {"510"});
        DocumentFixtures::addCategory(now, QStringLiteral("Meals"));
        DocumentFixtures::addCategory(now, QStringLiteral("New"));
        DocumentFixtures::addItem(now, QStringLiteral("Meals"), 0, "1", "Shop", "30");
        addRecords(now, {{"renamed", "Meals", "Groceries"}});

        const YearComparison comparison = YearComparison::of(now, &last);
        QStringList shown;
        for (const YearComparison::Row &row : comparison.rows)
            shown << QStringLiteral("%1/%2 %3 %4").arg(row.thisName, row.lastName, row.totalThis().toText(), row.totalLast().toText());
        QCOMPARE(shown, (QStringList{"Food/Food 15 30", "Rent/Rent 510 500", "Meals/Groceries 30 40", "New/ 0 0",
                                     "/Gone 0 5"}));
        QCOMPARE(comparison.total.totalThis().toText(), QStringLiteral("555"));
        QCOMPARE(comparison.total.totalLast().toText(), QStringLiteral("575"));
        QCOMPARE(comparison.total.totalLast(0).toText(), QStringLiteral("550"));

        // Year to date: up to the same day of the year in both years.
        DocumentFixtures::addItem(now, kFood, 0, "20", "Late", "7");
        const YearComparison early = YearComparison::of(now, &last, QDate(2026, 1, 15));
        QCOMPARE(early.rows[0].thisToDate.toText(), QStringLiteral("15"));
        QCOMPARE(early.rows[0].lastToDate.toText(), QStringLiteral("10"));
        QCOMPARE(early.total.thisToDate.toText(), QStringLiteral("555"));
        QCOMPARE(early.total.lastToDate.toText(), QStringLiteral("550"));
        QCOMPARE(YearComparison::of(now, &last, QDate(2026, 2, 1)).total.lastToDate.toText(), QStringLiteral("575"));
    }

    void yearToDateEndsTodayOrWithAYearThatIsOver_data()
    {
        QTest::addColumn<int>("budgetYear"); // 0: none known
        QTest::addColumn<QDate>("end");
        QTest::newRow("this year") << 2026 << QDate(2026, 3, 9);
        QTest::newRow("a year that is over") << 2025 << QDate(2025, 12, 31);
        QTest::newRow("next year") << 2027 << QDate(2026, 3, 9);
        QTest::newRow("no year known") << 0 << QDate(2026, 3, 9);
    }

    void yearToDateEndsTodayOrWithAYearThatIsOver()
    {
        QFETCH(int, budgetYear);
        QFETCH(QDate, end);
        QCOMPARE(YearComparison::toDateEnd(budgetYear ? std::optional(budgetYear) : std::nullopt, QDate(2026, 3, 9)),
                 end);
    }

    void comparisonCsvHasFourLinesPerCategoryAndTheTotal()
    {
        BudgetDocument last;
        fillEnvelopes(last, {"10", "20"}, {"500"});
        BudgetDocument now;
        fillEnvelopes(now, {"15", "", "2.5"});
        DocumentFixtures::addCategory(now, QStringLiteral("Eating, out"));
        const QStringList lines = QString::fromUtf8(ComparisonCsv::of(YearComparison::of(now, &last, QDate(2026, 2, 10))))
                                      .split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 1 + 4 * 4 + 1);
        QCOMPARE(lines[0], QStringLiteral("Category,Last year's category,Figure,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,"
                                          "Nov,Dec,Year to date,Year"));
        QCOMPARE(lines[1], QStringLiteral("Food,Food,This year,15,0,2.5,0,0,0,0,0,0,0,0,0,15,17.5"));
        QCOMPARE(lines[2], QStringLiteral("Food,Food,Last year,10,20,0,0,0,0,0,0,0,0,0,0,30,30"));
        QCOMPARE(lines[3], QStringLiteral("Food,Food,Difference,5,-20,2.5,0,0,0,0,0,0,0,0,0,-15,-12.5"));
        QCOMPARE(lines[4], QStringLiteral("Food,Food,Change %,50,-100,,,,,,,,,,,-50,-41.7"));
        QCOMPARE(lines[5].left(28), QStringLiteral("Rent,Rent,This year,0,0,0,0,"));
        QCOMPARE(lines[9], QStringLiteral("\"Eating, out\",,This year,0,0,0,0,0,0,0,0,0,0,0,0,0,0"));
        QCOMPARE(lines[13], QStringLiteral("Total,,This year,15,0,2.5,0,0,0,0,0,0,0,0,0,15,17.5"));
        QCOMPARE(lines[16], QStringLiteral("Total,,Change %,-97.1,-100,,,,,,,,,,,-97.2,-96.7"));
        QCOMPARE(lines[17], QString());
    }

    void percentChangeIsRoundedToATenth_data()
    {
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("percent");
        QTest::newRow("up") << "125" << "100" << "25";
        QTest::newRow("down, a third") << "2" << "3" << "-33.3";
        QTest::newRow("half a tenth rounds away from zero") << "100.05" << "100" << "0.1";
        QTest::newRow("nothing last year") << "10" << "0" << "";
        QTest::newRow("refunds last year") << "10" << "-10" << "-200";
    }

    void percentChangeIsRoundedToATenth()
    {
        QFETCH(QString, now);
        QFETCH(QString, last);
        QFETCH(QString, percent);
        QCOMPARE(YearComparison::percentChange(Decimal::fromText(now), Decimal::fromText(last)), percent);
    }
};

QTEST_GUILESS_MAIN(TestPlanning)
#include "tst_planning.moc"
