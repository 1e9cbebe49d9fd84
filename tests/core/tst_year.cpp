#include "DocumentFixtures.h"
#include "YearFixture.h"
#include "editing/DocumentSetup.h"

#include "document/DocumentSnapshot.h"
#include "year/MoneyText.h"
#include "year/NewYearBudget.h"
#include "year/TransactionQuery.h"
#include "year/TransactionSearch.h"

#include <QTest>

class TestYear : public QObject
{
    Q_OBJECT

private slots:
    void findsTransactionsInDateOrder_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("found"); // "month/day description"
        QTest::addColumn<QString>("total");

        const QString market1 = QStringLiteral("1/3 Market"), cafe = QStringLiteral("1/7 Café Lune");
        const QString rent1 = QStringLiteral("1/1 Landlord"), market2 = QStringLiteral("2/20 Market");
        const QString pizzeria = QStringLiteral("2/2 Pizzeria"), rent3 = QStringLiteral("3/1 Landlord");
        QTest::newRow("description") << "market" << QStringList{market1, market2} << "112.50";
        QTest::newRow("any case, padded") << "  MARKET " << QStringList{market1, market2} << "112.50";
        QTest::newRow("accent ignored") << "cafe" << QStringList{cafe} << "18.15";
        QTest::newRow("accent typed") << "CAFÉ L" << QStringList{cafe} << "18.15";
        QTest::newRow("category") << "dining" << QStringList{cafe, pizzeria} << "-1.85";
        QTest::newRow("note") << "shop" << QStringList{market1} << "12.50";
        QTest::newRow("amount with fewer decimals") << "12.5" << QStringList{market1} << "12.50";
        QTest::newRow("negative amount") << "-20" << QStringList{pizzeria} << "-20.00";
        QTest::newRow("above") << "> 100" << QStringList{rent1, rent3} << "2400.00";
        QTest::newRow("at least") << ">=100" << QStringList{rent1, market2, rent3} << "2500.00";
        QTest::newRow("below zero") << "< 0" << QStringList{pizzeria} << "-20.00";
        QTest::newRow("at most") << "<= 8.66" << QStringList{pizzeria, QStringLiteral("2/17 Bakery")} << "-11.34";
        QTest::newRow("between dots") << "10..20" << QStringList{market1, cafe} << "30.65";
        QTest::newRow("between dash, reversed") << "20 - 10" << QStringList{market1, cafe} << "30.65";
        QTest::newRow("envelopes are no transactions") << "450" << QStringList{} << "0.00";
        QTest::newRow("nothing found") << "zebra" << QStringList{} << "0.00";
        QTest::newRow("empty") << "   " << QStringList{} << "0.00";
        QTest::newRow("no match across fields") << "shop\nmarket" << QStringList{} << "0.00";
    }

    void findsTransactionsInDateOrder()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, found);
        QFETCH(QString, total);
        BudgetDocument document;
        fillYearFixture(document);
        TransactionSearch search;
        search.rebuild(DocumentSnapshot::take(document));
        QCOMPARE(search.size(), 7);

        const TransactionSearch::Result result = search.find(TransactionQuery::parse(query));
        QStringList names;
        for (int row : result.rows) {
            const FoundTransaction &item = search.at(row);
            names << QStringLiteral("%1/%2 %3").arg(item.month + 1).arg(item.entry.day, item.entry.desc);
        }
        QCOMPARE(names, found);
        QCOMPARE(moneyText(result.total), total);
    }

    void showsMoneyWithTwoDecimalsAtLeast_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << "800" << "800.00";
        QTest::newRow("one decimal") << "12.5" << "12.50";
        QTest::newRow("negative below one") << "-0.5" << "-0.50";
        QTest::newRow("more decimals kept") << "0.125" << "0.125";
        QTest::newRow("zero") << "0" << "0.00";
    }

    void showsMoneyWithTwoDecimalsAtLeast()
    {
        QFETCH(QString, amount);
        QFETCH(QString, shown);
        QCOMPARE(moneyText(Decimal::fromText(amount)), shown);
    }

    void nextYearKeepsCategoriesBudgetsAndEnvelopesOnly()
    {
        BudgetDocument document;
        fillYearFixture(document);
        DocumentWriter(document).deleteCategoryByIndex(kFirstCategoryRow + 1); // its empty lists stay behind
        const DocumentSnapshot next = NewYearBudget::from(document, QString());

        QCOMPARE(next.budgetTotals, document.budgetTotals());
        QCOMPARE(next.catArray.size(), document.getCatArray().size());
        QCOMPARE(next.catData.size(), std::size_t(2));
        for (int row = kFirstCategoryRow; row < next.catArray.size(); ++row) {
            const QString &name = next.catArray[row].desc;
            QCOMPARE(name, document.getCatArray()[row].desc);
            for (int month = 0; month < MonthTables::kMonthCount; ++month) {
                const EntryList &list = next.catData.at(name)[std::size_t(month)];
                QCOMPARE(list, EntryList{document.entryList(name, month)->first()});
            }
        }
        DocumentSetup::restore(document, next);
        QCOMPARE(DocumentFixtures::cell(document, QStringLiteral("Remain"), u"jan"), QStringLiteral("2000"));
        QCOMPARE(document.entryList(QStringLiteral("Groceries"), 0)->first().amount, QStringLiteral("450"));
    }

    void nextYearStoresTheYearAfterThisOne_data()
    {
        QTest::addColumn<int>("stored"); // 0: none
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("next");
        QTest::newRow("stored") << 2026 << "/b/budget.txt" << 2027;
        QTest::newRow("from the name") << 0 << "/b/household-2025.txt" << 2026;
        QTest::newRow("stored before the name") << 2030 << "/b/home-2025.txt" << 2031;
        QTest::newRow("neither") << 0 << "/b/budget.txt" << 0;
    }

    void nextYearStoresTheYearAfterThisOne()
    {
        QFETCH(int, stored);
        QFETCH(QString, path);
        QFETCH(int, next);
        BudgetDocument document;
        fillYearFixture(document);
        DocumentExtensions extensions;
        extensions.setYear(stored ? std::optional<int>(stored) : std::nullopt);
        DocumentFixtures::setExtensions(document, extensions);
        QCOMPARE(NewYearBudget::from(document, path).extensions.year().value_or(0), next);
    }

    void suggestsTheNameOfNextYear_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("suggested"); // empty: none

        QTest::newRow("year in the name") << "/home/ann/household-2026.txt" << "/home/ann/household-2027.txt";
        QTest::newRow("last year of two") << "2025 to 2026.txt" << "2025 to 2027.txt";
        QTest::newRow("turn of the century") << "budget1999" << "budget2000";
        QTest::newRow("year only in the folder") << "/budgets/2026/household.txt" << "";
        QTest::newRow("no year") << "household.txt" << "";
        QTest::newRow("five digits are no year") << "account-12345.txt" << "";
        QTest::newRow("no file") << "" << "";
    }

    void suggestsTheNameOfNextYear()
    {
        QFETCH(QString, path);
        QFETCH(QString, suggested);
        QCOMPARE(NewYearBudget::suggestedPath(path).value_or(QString()), suggested);
    }
};

QTEST_GUILESS_MAIN(TestYear)
#include "tst_year.moc"
