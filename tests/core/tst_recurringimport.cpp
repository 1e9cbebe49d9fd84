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
        const ImportPlan plan(document, {{QDate::fromString(date, Qt::ISODate), description, {}, amount, 1}}, 2026, kRules);
        QCOMPARE(ImportPlan::stateText(plan.lines()[0]), state);
        QCOMPARE(plan.lines()[0].ticked, ticked);
    }

    void anImportedLineEntersTheOccurrenceItIs()
    {
        BudgetDocument document;
        fillBudget(document);
        const ImportPlan plan(document,
                              {{QDate(2026, 5, 30), QStringLiteral("RENT JUNE"), {}, QStringLiteral("-900"), 1},
                               {QDate(2026, 5, 31), QStringLiteral("RENT JUNE AGAIN"), {}, QStringLiteral("-900"), 2}},
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
};

QTEST_GUILESS_MAIN(TestRecurringImport)
#include "tst_recurringimport.moc"
