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
        document.addFixedRows();
        document.budgetTotals().fill(QStringLiteral("2500"));
        document.createCategory(QStringLiteral("Food, drink"), QStringLiteral("0"));
        document.entryList(QStringLiteral("Food, drink"), 0)->append(item("5", "Market", "45.10", ""));
        document.recalculate();

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
        document.addFixedRows();
        document.createCategory(QStringLiteral("Café"), QStringLiteral("0"));
        EntryList *march = document.entryList(QStringLiteral("Café"), 2);
        march->append(item("3", "Say \"hi\"", "-2.5", "a, b", "R"));
        march->append(item("9", "Plain", "4", ""));
        document.entryList(QStringLiteral("Café"), 3)->append(item("1", "April only", "1", ""));

        const QByteArray csv = CsvExport::monthRegister(document, 2);
        QCOMPARE(csv, QByteArray("Day,Category,Description,Amount,Note,Reconciled\r\n"
                                 "3,Café,\"Say \"\"hi\"\"\",-2.5,\"a, b\",yes\r\n"
                                 "9,Café,Plain,4,,no\r\n"));
        QCOMPARE(QString::fromUtf8(csv).count(QStringLiteral("Café")), 2);
    }
};

QTEST_GUILESS_MAIN(CsvExportTest)
#include "tst_csvexport.moc"
