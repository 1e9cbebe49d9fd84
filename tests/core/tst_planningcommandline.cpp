#include "DocumentFixtures.h"
#include "FileContents.h"
#include "PlanningFixture.h"
#include "ProgramRun.h"

#include <QTemporaryDir>
#include <QTest>

using namespace PlanningFixture;

class TestPlanningCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(_home.isValid());
        QVERIFY(_files.isValid());
    }

    void reportShowsTheCarryAsTheGridDoes_data()
    {
        QTest::addColumn<QString>("lastYear");
        QTest::addColumn<QString>("foodRow");
        QTest::addColumn<bool>("noted");
        // Last year's Food carried all and ended December at 100 + 12 × 100 − 30.
        QTest::newRow("January from last year's December")
            << "household-2025.txt" << "Food\t1340\t1440\t1540" << false;
        QTest::newRow("last year's file missing: the opening amount, and a note")
            << "missing-2025.txt" << "Food\t95\t195\t295" << true;
    }

    void reportShowsTheCarryAsTheGridDoes()
    {
        QFETCH(QString, lastYear);
        QFETCH(QString, foodRow);
        QFETCH(bool, noted);
        BudgetDocument last;
        fillEnvelopes(last, {"30"});
        addRecords(last, {{"carry", "Food", "all"}, {"opening", "Food", "100"}});
        QVERIFY(write(last, path("household-2025.txt")));

        BudgetDocument now;
        fillEnvelopes(now, {"30"});
        addRecords(now, {{"lastyear", lastYear}, {"carry", "Food", "left"}, {"opening", "Food", "25"}});
        QVERIFY(write(now, path("household-2026.txt")));

        const ProgramRun result = run({"--report", "--envelope", path("household-2026.txt")});
        QCOMPARE(result.exitCode, 0);
        const QList<QByteArray> lines = result.out.split('\n');
        QVERIFY2(lines.value(kFirstCategoryRow).startsWith(foodRow.toUtf8() + '\t'), lines.value(kFirstCategoryRow));
        // Rent carries nothing: what is left of each month's envelope.
        QVERIFY(lines.value(kFirstCategoryRow + 1).startsWith("Rent\t500\t500\t500\t"));
        QCOMPARE(result.err.contains("Last year's budget missing-2025.txt is not there"), noted);
    }

    void aLinkAloneReportsExactlyAsBefore_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("standard") << QStringList{};
        QTest::newRow("envelope") << QStringList{"--envelope"};
    }

    void aLinkAloneReportsExactlyAsBefore()
    {
        QFETCH(QStringList, options);
        BudgetDocument plain;
        fillEnvelopes(plain, {"30", "12.5"}, {"480"});
        QVERIFY(write(plain, path("plain.txt")));
        addRecords(plain, {{"lastyear", "missing-2025.txt"}});
        QVERIFY(write(plain, path("linked.txt")));
        const ProgramRun before = run(QStringList{"--report", path("plain.txt")} + options);
        const ProgramRun after = run(QStringList{"--report", path("linked.txt")} + options);
        QCOMPARE(after.exitCode, 0);
        QCOMPARE(after.out, before.out);
        QCOMPARE(after.err, QByteArray());
    }

    void compareMatchesRenamedAndNewCategories()
    {
        BudgetDocument last;
        fillEnvelopes(last, {"10", "20.50"}, {"500"});
        DocumentFixtures::addCategory(last, QStringLiteral("Groceries"));
        DocumentFixtures::addItem(last, QStringLiteral("Groceries"), 11, "1", "Shop", "40");
        DocumentFixtures::recalculate(last);
        QVERIFY(write(last, path("household-2025.txt")));

        BudgetDocument now;
        fillEnvelopes(now, {"15"}, {"510"});
        DocumentFixtures::addCategory(now, QStringLiteral("Meals"));
        DocumentFixtures::addCategory(now, QStringLiteral("Pets"));
        DocumentFixtures::addItem(now, QStringLiteral("Meals"), 0, "1", "Shop", "30.25");
        addRecords(now, {{"lastyear", "household-2025.txt"}, {"renamed", "Meals", "Groceries"}});
        QVERIFY(write(now, path("household-2026.txt")));

        const auto line = [](const QString &name, const QStringList &jan, const QStringList &feb,
                             const QStringList &dec, const QStringList &total) {
            QStringList cells{name};
            cells << jan << feb;
            for (int month = 2; month < 11; ++month)
                cells << "0" << "0";
            cells << dec << total;
            return cells.join(u'\t').toUtf8();
        };
        const QByteArrayList expected{
            line("Food", {"15", "10"}, {"0", "20.5"}, {"0", "0"}, {"15", "30.5"}),
            line("Rent", {"510", "500"}, {"0", "0"}, {"0", "0"}, {"510", "500"}),
            line("Meals", {"30.25", "0"}, {"0", "0"}, {"0", "40"}, {"30.25", "40"}),
            line("Pets", {"0", "0"}, {"0", "0"}, {"0", "0"}, {"0", "0"}),
            line("Total", {"555.25", "510"}, {"0", "20.5"}, {"0", "40"}, {"555.25", "570.5"}),
            "",
        };
        const ProgramRun linked = run({"--compare", path("household-2026.txt")});
        QCOMPARE(linked.exitCode, 0);
        QCOMPARE(linked.out.split('\n'), expected);

        // Given by hand, last year's file is the one compared; its unmatched categories come last.
        BudgetDocument other;
        fillEnvelopes(other, {"1"});
        DocumentFixtures::addCategory(other, QStringLiteral("Gone"));
        QVERIFY(write(other, path("other.txt")));
        const ProgramRun given = run({"--compare", path("household-2026.txt"), "--last", path("other.txt")});
        QCOMPARE(given.exitCode, 0);
        const QByteArrayList lines = given.out.split('\n');
        QVERIFY(lines.value(0).startsWith("Food\t15\t1\t"));
        QVERIFY(lines.value(4).startsWith("Gone\t0\t0\t"));
        QVERIFY(lines.value(5).startsWith("Total\t"));
    }

    void compareSaysWhenAFileCannotBeRead_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("errPart");
        QTest::newRow("this year's missing") << QStringList{"--compare", "@/no-such.txt"} << "no-such.txt";
        QTest::newRow("the linked file missing") << QStringList{"--compare", "@/linked.txt"} << "missing-2025.txt";
        QTest::newRow("no link and no --last") << QStringList{"--compare", "@/plain.txt"} << "--last";
        QTest::newRow("--last missing") << QStringList{"--compare", "@/plain.txt", "--last", "@/gone.txt"}
                                        << "gone.txt";
    }

    void compareSaysWhenAFileCannotBeRead()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, errPart);
        BudgetDocument plain;
        fillEnvelopes(plain, {"30"});
        QVERIFY(write(plain, path("plain.txt")));
        addRecords(plain, {{"lastyear", "missing-2025.txt"}});
        QVERIFY(write(plain, path("linked.txt")));
        arguments.replaceInStrings(QStringLiteral("@"), _files.path());
        const ProgramRun result = run(arguments);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(errPart.toUtf8()), result.err.constData());
        QCOMPARE(result.out, QByteArray());
    }

    void newYearLinksBackAndOpensWithDecembersFigures()
    {
        BudgetDocument now;
        fillEnvelopes(now, {"30", "", "", "", "", "", "", "", "", "", "", "250"});
        addRecords(now, {{"year", "2026"}, {"carry", "Food", "all"}, {"opening", "Food", "5"}});
        QVERIFY(write(now, path("household-2026.txt")));
        QCOMPARE(run({"--new-year", path("household-2026.txt"), path("household-2027.txt")}).exitCode, 0);
        // December: 5 + 12 × 100 − 30 − 250.
        QVERIFY2(fileContents(path("household-2027.txt"))
                     .endsWith("; ****** ORRINWICK_EXTENSIONS 1 ******\r\n;@year\t2027\r\n;@carry\tFood\tall\r\n"
                               ";@opening\tFood\t925\r\n;@lastyear\thousehold-2026.txt\r\n"),
                 fileContents(path("household-2027.txt")).right(200).constData());
        const ProgramRun compared = run({"--compare", path("household-2027.txt")});
        QCOMPARE(compared.exitCode, 0);
        QVERIFY(compared.out.startsWith("Food\t0\t30\t"));
    }

private:
    QString path(const QString &name) const { return _files.filePath(name); }
    ProgramRun run(const QStringList &arguments) const
    {
        return ProgramRun::start(QStringLiteral(ORRINWICK_BINARY), arguments, _home.path());
    }

    QTemporaryDir _home;
    QTemporaryDir _files;
};

QTEST_GUILESS_MAIN(TestPlanningCommandLine)
#include "tst_planningcommandline.moc"
