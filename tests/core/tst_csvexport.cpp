#include "DocumentFixtures.h"
#include "document/BudgetDocument.h"
#include "document/CsvExport.h"

#include <QTest>

class CsvExportTest : public QObject
{
    Q_OBJECT

private:
    static Entry item(const QString &day, const QString &desc, const QString &amount, const QString &note,
                      const QString &reconciled = QStringLiteral(" "))
    {
        return {day, desc, amount, note, reconciled};
    }

private slots:
    void gridHoldsExactFiguresAndLeavesOutTheSeparator()
    {
        BudgetDocument document;
        DocumentFixtures::setBudgets(document, QStringLiteral("2500"));
        DocumentFixtures::addCategory(document, QStringLiteral("Food, drink"));
        DocumentFixtures::addEntry(document, QStringLiteral("Food, drink"), 0, item("5", "Market", "45.10", ""));
        DocumentFixtures::recalculate(document);

        const QList<QByteArray> lines = CsvExport::budgetGrid(document).split('\n');
        QCOMPARE(lines.size(), 5); // header, Budget, Remain, one category, and the empty rest after the last CR LF
        QCOMPARE(lines[0], QByteArray("Category,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,Average\r"));
        QVERIFY(lines[2].startsWith("Remain,2454.9,2500,"));
        QVERIFY(lines[3].startsWith("\"Food, drink\",45.1,0,"));
        QVERIFY(lines[3].endsWith(",45\r"));
        QVERIFY(lines[4].isEmpty());
    }

    void registerQuotesWhatSpreadsheetsWouldSplit()
    {
        BudgetDocument document;
        DocumentFixtures::addCategory(document, QStringLiteral("Café"));
        EntryList *march = &DocumentFixtures::entries(document, QStringLiteral("Café"), 2);
        march->append(item("3", "Say \"hi\"", "-2.5", "a, b", "R"));
        march->append(item("9", "Plain", "4", ""));
        DocumentFixtures::addEntry(document, QStringLiteral("Café"), 3, item("1", "April only", "1", ""));

        const QByteArray csv = CsvExport::monthRegister(document, 2);
        QCOMPARE(csv, QByteArray("Day,Category,Description,Amount,Note,Reconciled\r\n"
                                 "3,Café,\"Say \"\"hi\"\"\",-2.5,\"a, b\",yes\r\n"
                                 "9,Café,Plain,4,,no\r\n"));
        QCOMPARE(QString::fromUtf8(csv).count(QStringLiteral("Café")), 2);
    }

    void textThatLooksLikeAFormulaStaysText_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("a payee link from a statement")
            << "Food" << R"(=HYPERLINK("http://x","y"))" << "-12.5" << ""
            << QByteArray(R"x(4,Food,"'=HYPERLINK(""http://x"",""y"")",-12.5,,no)x");
        QTest::newRow("plus, minus and at in payee and note")
            << "Food" << "+1+cmd|' /C calc'!A0" << "3" << "-2+3"
            << QByteArray("4,Food,'+1+cmd|' /C calc'!A0,3,'-2+3,no");
        QTest::newRow("a category of at") << "@SUM(A1)" << "Shop" << "1" << "" << QByteArray("4,'@SUM(A1),Shop,1,,no");
        QTest::newRow("tab and carriage return") << "Food" << "\t=1" << "1" << "\r=1"
                                                 << QByteArray("4,Food,'\t=1,1,\"'\r=1\",no");
        QTest::newRow("an amount that is more than a figure")
            << "Food" << "Shop" << "-1+2" << "" << QByteArray("4,Food,Shop,'-1+2,,no");
        QTest::newRow("figures stay numbers") << "Food" << "Shop" << "-1.5e3" << "a=b"
                                              << QByteArray("4,Food,Shop,-1.5e3,a=b,no");
    }

    void textThatLooksLikeAFormulaStaysText()
    {
        QFETCH(QString, category);
        QFETCH(QString, payee);
        QFETCH(QString, amount);
        QFETCH(QString, note);
        QFETCH(QByteArray, line);
        BudgetDocument document;
        DocumentFixtures::addCategory(document, category);
        DocumentFixtures::addEntry(document, category, 0, item(QStringLiteral("4"), payee, amount, note));
        DocumentFixtures::recalculate(document);

        const QList<QByteArray> lines = CsvExport::monthRegister(document, 0).split('\n');
        QCOMPARE(lines.value(1), line + '\r');
        // The grid's category column too, its figures untouched.
        const QByteArray grid = CsvExport::budgetGrid(document);
        QVERIFY(grid.contains("\r\n" + line.split(',').at(1) + ','));
        QVERIFY(grid.contains("\r\nRemain,"));
    }
};

QTEST_GUILESS_MAIN(CsvExportTest)
#include "tst_csvexport.moc"
