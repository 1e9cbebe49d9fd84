#include "DocumentFixtures.h"
#include "RecordedSteps.h"
#include "RecurringFixture.h"

#include "editing/DocumentEditing.h"
#include "import/ImportPlan.h"
#include "recurring/RecurringDue.h"

#include <QTest>

namespace {

/// Rent 900 on the 1st entered up to May, the power bill about 80 on the
/// 10th entered up to April.
void fillBudget(BudgetDocument &document)
{
    RecurringFixture::fill(document, 2026,
                           {QStringLiteral("20260101\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=1\tnone\tauto\tRent\tLandlord\t900\t\t20260501"),
                            QStringLiteral("20260110\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=10\tnone\task\tPower\tCity power\t~80\t\t20260410")});
}

const QList<CategoryRule> kRules{{QStringLiteral("RENT"), QStringLiteral("Rent")},
                                 {QStringLiteral("POWER"), QStringLiteral("Power")}};

} // namespace

class TestRecurringImport : public QObject
{
    Q_OBJECT

private slots:
    void statementLinesMeetTheRecurringTransactions_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("rent entered, the same amount") << "2026-05-03" << "RENT MAY" << "-900" << "matches Landlord (entered 1 May)" << false;
        QTest::newRow("rent, another amount") << "2026-05-03" << "RENT MAY" << "-950" << "new" << true;
        QTest::newRow("rent, five days off") << "2026-05-06" << "RENT MAY" << "-900" << "new" << true;
        QTest::newRow("rent still due enters it") << "2026-05-29" << "RENT JUNE" << "-900" << "enters Landlord of 1 June" << true;
        QTest::newRow("estimate within a tenth") << "2026-04-12" << "CITY POWER" << "-87.50" << "matches City power (entered 10 April)" << false;
        QTest::newRow("estimate beyond a tenth") << "2026-04-12" << "CITY POWER" << "-88.01" << "new" << true;
        QTest::newRow("estimate still due") << "2026-05-08" << "CITY POWER" << "-73" << "enters City power of 10 May" << true;
        QTest::newRow("not the first one due") << "2026-06-10" << "CITY POWER" << "-80" << "new" << true;
    }

    void statementLinesMeetTheRecurringTransactions()
    {
        QFETCH(QString, date);
        QFETCH(QString, description);
        QFETCH(QString, amount);
        QFETCH(QString, state);
        QFETCH(bool, ticked);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        BudgetDocument document;
        fillBudget(document);
        const ImportPlan plan(document, {{QDate::fromString(date, Qt::ISODate), description, {}, amount, 1, {}}}, 2026, kRules);
        QCOMPARE(ImportPlan::stateText(plan.lines()[0]), state);
        QCOMPARE(plan.lines()[0].ticked, ticked);
    }

    void anImportedLineEntersTheOccurrenceItIs()
    {
        BudgetDocument document;
        fillBudget(document);
        const ImportPlan plan(document,
                              {{QDate(2026, 5, 30), QStringLiteral("RENT JUNE"), {}, QStringLiteral("-900"), 1, {}},
                               {QDate(2026, 5, 31), QStringLiteral("RENT JUNE AGAIN"), {}, QStringLiteral("-900"), 2, {}}},
                              2026, kRules);
        // One occurrence is met once: the second line is a new one.
        QCOMPARE(plan.enteredOccurrences().size(), 1);
        QVERIFY(!plan.lines()[1].recurring);
        DocumentEditing editing(document);
        QVERIFY(editing.addRecords(AddRecords(plan.records()), QStringLiteral("Import 2 Transactions"), 2026, {},
                                   plan.enteredOccurrences()));
        QCOMPARE(RecurringFixture::lastFields(document), (QStringList{"20260601", "20260410"}));
        const QList<RecurringItem> items = RecurringRecords::read(document);
        QCOMPARE(RecurringDue::upTo(items, 2026, QDate(2026, 6, 30)).size(), 2); // power in May and June
    }

    void aLineOffersTheBanksAmountForAnEnteredEstimate_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("bookedDescription");
        QTest::addColumn<QString>("offer");
        QTest::addColumn<QString>("ticked");
        QTest::newRow("another amount")
            << "-83.40" << "City power" << "matches City power (entered 10 April as 80): tick to book the bank's 83.40"
            << "books the bank's 83.40 for City power of 10 April (was 80)";
        QTest::newRow("as booked: nothing to correct") << "-80.00" << "City power" << "" << "";
        QTest::newRow("its record renamed: nothing to correct") << "-83.40" << "Electricity" << "" << "";
    }

    void aLineOffersTheBanksAmountForAnEnteredEstimate()
    {
        QFETCH(QString, amount);
        QFETCH(QString, bookedDescription);
        QFETCH(QString, offer);
        QFETCH(QString, ticked);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        BudgetDocument document;
        fillBudget(document);
        DocumentFixtures::addItem(document, QStringLiteral("Power"), 3, QStringLiteral("2"), QStringLiteral("Bulb"),
                                  QStringLiteral("80"));
        DocumentFixtures::addItem(document, QStringLiteral("Power"), 3, QStringLiteral("10"), bookedDescription,
                                  QStringLiteral("80"));
        ImportPlan plan(document, {{QDate(2026, 4, 12), QStringLiteral("CITY POWER"), {}, amount, 1, {}}}, 2026, kRules);
        const PlannedLine &line = plan.lines()[0];
        QVERIFY(!line.ticked);
        QCOMPARE(line.correction.has_value(), !offer.isEmpty());
        if (offer.isEmpty())
            return;
        QCOMPARE(ImportPlan::stateText(line), offer);
        QVERIFY(plan.setTicked(0, true));
        QCOMPARE(ImportPlan::stateText(plan.lines()[0]), ticked);
        QVERIFY(plan.records().isEmpty());

        // Booked in the import's one step, the record keeping its place.
        DocumentEditing editing(document);
        RecordedSteps steps;
        editing.setChangeLog(&steps);
        const auto look = [&document] {
            QStringList items;
            document.forEachBookedEntry([&items](int, int month, const Entry &entry) {
                items << u"%1 %2 %3 %4"_qs.arg(month).arg(entry.day, entry.desc, entry.amount);
            });
            return items;
        };
        const QStringList before = look();
        QVERIFY(editing.addRecords(AddRecords(plan.records(), plan.corrections()), QStringLiteral("Import 1 Transaction"),
                                   2026));
        QVERIFY(steps.undoesAndRedoes(QStringLiteral("Import 1 Transaction"), look, before));
        QCOMPARE(look(), (QStringList{"3 2 Bulb 80", "3 10 City power 83.40"}));
    }
};

QTEST_GUILESS_MAIN(TestRecurringImport)
#include "tst_recurringimport.moc"
