#include "DocumentFixtures.h"
#include "EditOutcome.h"
#include "SplitFixture.h"

#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "document/DocumentSnapshot.h"
#include "platform/ScriptedAlerts.h"
#include "splits/SplitLinks.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

SplitPart part(const char *category, const char *amount, const char *note = "")
{
    return {QString::fromUtf8(category), QString::fromUtf8(amount), QString::fromUtf8(note)};
}

int categoryRow(const BudgetDocument &document, const char *name)
{
    return document.rowOfCategory(QString::fromLatin1(name));
}

/// Food and Household, May stored out of day order: Food's Bakery (9th)
/// before its Market (3rd), Household's Market; no extension section.
QByteArray unsortedMay()
{
    BudgetDocument document;
    for (const char *name : {"Food", "Household"})
        DocumentFixtures::addCategory(document, QString::fromLatin1(name));
    DocumentFixtures::addItem(document, QStringLiteral("Food"), SplitBudget::kMay, "9", "Bakery", "6");
    DocumentFixtures::addItem(document, QStringLiteral("Food"), SplitBudget::kMay, "3", "Market", "60");
    DocumentFixtures::addItem(document, QStringLiteral("Household"), SplitBudget::kMay, "3", "Market", "24.20");
    return BudgetFileWriter::buildData(document);
}

} // namespace

class TestSplits : public QObject
{
    Q_OBJECT

private slots:
    /// Each change to a split, or to a record or category that is a part of
    /// one: its answer, May's register and June's records after it, and its
    /// one undo step.
    void edits_data()
    {
        QTest::addColumn<QString>("start"); // the receipt: whole, split in "three" or "two" parts
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("name"); // the step's name, or the refusal's message
        QTest::addColumn<QStringList>("after"); // the categories, May's register and June's records
        const auto in = [](const char *categories, const QStringList &lines) {
            return QStringList{QString::fromLatin1(categories)} + lines;
        };
        const char *const all = "Food Household Fun";

        const QString food = QStringLiteral("3|Market|Food|50|| |1 of 3|84.2");
        const QString household = QStringLiteral("3|Market|Household|24.20|soap| |2 of 3|84.2");
        const QString fun = QStringLiteral("3|Market|Fun|10|| |3 of 3|84.2");
        const QString bakery = QStringLiteral("9|Bakery|Food|6|| ");
        QTest::newRow("split") << "whole" << "split" << "changed" << "Split Transaction"
                               << in(all, {food, household, fun, bakery});
        QTest::newRow("parts short of the total")
            << "whole" << "short" << "refused" << "The parts add up to 83.2, but the total is 84.2." << QStringList{};
        QTest::newRow("a part without category")
            << "whole" << "no category" << "refused" << "Choose a category for each part." << QStringList{};
        QTest::newRow("one part") << "whole" << "one part" << "refused" << "A split needs two parts or more."
                                  << QStringList{};
        QTest::newRow("the same parts again") << "three" << "split" << "unchanged" << "" << QStringList{};
        QTest::newRow("change the split")
            << "three" << "change" << "changed" << "Change Split"
            << in(all, {"3|Market|Food|60|| |1 of 2|84.2", "3|Market|Household|24.20|soap| |2 of 2|84.2", bakery});
        QTest::newRow("unsplit") << "three" << "unsplit" << "changed" << "Unsplit Transaction"
                                 << in(all, {"3|Market|Food|84.2|soap| ", bakery});
        QTest::newRow("a part's amount changes the total")
            << "three" << "amount" << "changed" << "Edit Amount"
            << in(all, {"3|Market|Food|50|| |1 of 3|90", "3|Market|Household|30|soap| |2 of 3|90",
                        "3|Market|Fun|10|| |3 of 3|90", bakery});
        QTest::newRow("a part's day is every part's")
            << "three" << "day" << "changed" << "Edit Day"
            << in(all, {"5|Market|Food|50|| |1 of 3|84.2", "5|Market|Household|24.20|soap| |2 of 3|84.2",
                        "5|Market|Fun|10|| |3 of 3|84.2", bakery});
        QTest::newRow("delete a part")
            << "three" << "delete part" << "changed" << "Delete Transaction"
            << in(all, {"3|Market|Food|50|| |1 of 2|74.2", "3|Market|Household|24.20|soap| |2 of 2|74.2", bakery});
        QTest::newRow("delete the whole split")
            << "three" << "delete whole" << "changed" << "Delete Transactions" << in(all, {bakery});
        QTest::newRow("delete a part's category")
            << "three" << "delete Fun" << "changed" << "Delete Category"
            << in("Food Household", {"3|Market|Food|50|| |1 of 2|74.2", "3|Market|Household|24.20|soap| |2 of 2|74.2",
                                     bakery});
        QTest::newRow("one part left is a whole record")
            << "two" << "delete Household" << "changed" << "Delete Category"
            << in("Food Fun", {"3|Market|Food|60|| ", bakery});
        QTest::newRow("rename a part's category")
            << "three" << "rename" << "changed" << "Rename Category"
            << in("Food Home Fun", {food, "3|Market|Home|24.20|soap| |2 of 3|84.2", fun, bakery});
        QTest::newRow("move a part's category")
            << "three" << "move" << "changed" << "Move Category" << in("Fun Food Household", {food, household, fun, bakery});
        QTest::newRow("carry over a part carries the split")
            << "three" << "carry" << "changed" << "Carry Over"
            << in(all, {food, household, fun, bakery, "jun 3|Market|Food|50||1 of 3|84.2",
                        "jun 3|Market|Household|24.20||2 of 3|84.2", "jun 3|Market|Fun|10||3 of 3|84.2"});
    }

    void edits()
    {
        QFETCH(QString, start);
        QFETCH(QString, change);
        QFETCH(QString, outcome);
        QFETCH(QString, name);
        QFETCH(QStringList, after);

        SplitBudget b;
        if (start != u"whole") {
            QVERIFY(b.splitMarket(start == u"two" ? QList<SplitPart>{part("Food", "60"), part("Household", "24.20", "soap")}
                                                  : SplitBudget::threeParts())
                        .isChanged());
            b.steps.steps.clear();
        }
        const QStringList before = b.state();
        const int market = b.rowOf(QStringLiteral("Market"));
        const auto rowOfPart = [&b](const char *category) {
            for (int row = 0; row < b.records.recordCount(); ++row) {
                if (b.records.recordAt(row).category == QLatin1String(category))
                    return row;
            }
            return -1;
        };
        SplitEdits &splits = b.editing.splits();
        EditAnswer answer;
        if (change == u"split")
            answer = b.splitMarket();
        else if (change == u"short")
            answer = b.splitMarket({part("Food", "50"), part("Household", "24.20"), part("Fun", "9")});
        else if (change == u"no category")
            answer = b.splitMarket({part("Food", "50"), part("", "24.20"), part("Fun", "10")});
        else if (change == u"one part")
            answer = b.splitMarket({part("Food", "84.20")});
        else if (change == u"change")
            answer = splits.split(b.records, rowOfPart("Fun"), {part("Food", "60"), part("Household", "24.20", "soap")});
        else if (change == u"unsplit")
            answer = splits.unsplit(b.records, rowOfPart("Fun"));
        else if (change == u"amount")
            answer = b.editing.records().setField(b.records, rowOfPart("Household"), RecordField::Amount, "30");
        else if (change == u"day")
            answer = b.editing.records().setField(b.records, rowOfPart("Fun"), RecordField::Day, "5");
        else if (change == u"delete part")
            answer = b.editing.records().deleteRecords(b.records, {rowOfPart("Fun")});
        else if (change == u"delete whole")
            answer = b.editing.records().deleteRecords(b.records, splits.rowsOfSplit(b.records, market));
        else if (change.startsWith(u"delete "))
            answer = b.editing.categories().deleteCategory(categoryRow(b.document, qPrintable(change.mid(7))));
        else if (change == u"rename")
            answer = b.editing.categories().renameCategory(categoryRow(b.document, "Household"), "Home");
        else if (change == u"move")
            answer = b.editing.categories().moveCategory(categoryRow(b.document, "Fun"), kFirstCategoryRow);
        else if (change == u"carry")
            answer = b.editing.records().carryOver(b.records, {rowOfPart("Household")});
        QCOMPARE(outcomeOf(answer), outcome);
        if (!answer.isChanged()) {
            QCOMPARE(answer.message, name);
            QCOMPARE(b.state(), before);
            QVERIFY(b.steps.steps.empty());
            return;
        }
        QCOMPARE(b.state(), after);
        QVERIFY(b.steps.undoesAndRedoes(name, [&b] { return b.state(); }, before));
    }

    /// Splits in May and, carried over, in June are written by their
    /// entries' places and read back to the same parts; the file of the
    /// same document is the same.
    void fileRoundTrip()
    {
        SplitBudget b;
        QVERIFY(b.splitMarket().isChanged());
        QVERIFY(b.editing.records().carryOver(b.records, {b.rowOf(QStringLiteral("Market"))}).isChanged());
        b.records.writeBack();
        const QByteArray bytes = BudgetFileWriter::buildData(b.document);
        QVERIFY(bytes.endsWith("; ****** ORRINWICK_EXTENSIONS 1 ******\r\n"
                               ";@split\tmay\tFood\t1\tHousehold\t1\tFun\t1\r\n"
                               ";@split\tjun\tFood\t1\tHousehold\t1\tFun\t1\r\n"));

        BudgetDocument read;
        QCOMPARE(BudgetFileReader::loadBytes(read, bytes, {}), BudgetFileReader::LoadResult::Loaded);
        QCOMPARE(SplitBudget::stored(read, SplitBudget::kMay), SplitBudget::stored(b.document, SplitBudget::kMay));
        QCOMPARE(SplitBudget::stored(read, SplitBudget::kMay + 1),
                 SplitBudget::stored(b.document, SplitBudget::kMay + 1));
        QCOMPARE(BudgetFileWriter::buildData(read), bytes);

        // Unsplit in May, only June's split is written.
        QVERIFY(b.editing.splits().unsplit(b.records, b.rowOf(QStringLiteral("Market"))).isChanged());
        b.records.writeBack();
        QCOMPARE(BudgetFileWriter::buildData(b.document).count(";@split"), 1);
    }

    /// Split records that cannot be resolved lose their link, never an
    /// entry, and are told once; a good one is resolved by the places the
    /// entries had in the file, before the month is sorted.
    void damagedRecords_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QStringList>("linked"); // the parts linked, as stored() shows them
        QTest::addColumn<int>("damaged");

        const QStringList none{"3|Market|Food|60|", "9|Bakery|Food|6|", "3|Market|Household|24.20|"};
        QTest::newRow("good, by its place before sorting") << QByteArray(";@split\tmay\tFood\t2\tHousehold\t1") << good() << 0;
        QTest::newRow("a place of another entry") << QByteArray(";@split\tmay\tFood\t1\tHousehold\t1") << none << 1;
        QTest::newRow("no month") << QByteArray(";@split\tmai\tFood\t2\tHousehold\t1") << none << 1;
        QTest::newRow("past the last entry") << QByteArray(";@split\tmay\tFood\t7\tHousehold\t1") << none << 1;
        QTest::newRow("the envelope entry") << QByteArray(";@split\tmay\tFood\t0\tHousehold\t1") << none << 1;
        QTest::newRow("one part") << QByteArray(";@split\tmay\tFood\t2") << none << 1;
        QTest::newRow("no such category") << QByteArray(";@split\tmay\tRent\t1\tHousehold\t1") << none << 1;
        QTest::newRow("a bad escape") << QByteArray(";@split\tmay\tFo\\qod\t2\tHousehold\t1") << none << 1;
        QTest::newRow("an entry claimed twice")
            << QByteArray(";@split\tmay\tFood\t2\tHousehold\t1\r\n;@split\tmay\tHousehold\t1\tFood\t1") << good()
            << 1;
        QTest::newRow("two damaged, told once")
            << QByteArray(";@split\tmay\tFood\t9\tHousehold\t1\r\n;@split\tjun\tFood\t1\tHousehold\t1") << none << 2;
    }

    void damagedRecords()
    {
        QFETCH(QByteArray, records);
        QFETCH(QStringList, linked);
        QFETCH(int, damaged);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("split.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(unsortedMay() + "; ****** ORRINWICK_EXTENSIONS 1 ******\r\n" + records + "\r\n");
        file.close();
        BudgetDocument document;
        ScriptedAlerts alerts;
        QCOMPARE(BudgetFileReader::loadFile(document, path, alerts, {}), BudgetFileReader::LoadResult::Loaded);
        QCOMPARE(SplitBudget::stored(document, SplitBudget::kMay), linked);
        QCOMPARE(alerts.shown().size(), damaged > 0 ? 1 : 0);
        if (damaged > 0)
            QVERIFY2(alerts.shown().first().message.contains(QStringLiteral("has %1 split").arg(damaged)),
                     qPrintable(alerts.shown().first().message));
        // What is written back is what was resolved.
        const QByteArray written = BudgetFileWriter::buildData(document);
        QCOMPARE(written.count(";@split"), linked == good() ? 1 : 0);
    }

    /// A backup or recovered file holds ids of the counter it was read with:
    /// put into the open document, its splits stay apart from those made
    /// afterwards.
    void restoredDocumentKeepsSplitsApart()
    {
        BudgetDocument elsewhere;
        const QByteArray file = unsortedMay() + "; ****** ORRINWICK_EXTENSIONS 1 ******\r\n"
                                                ";@split\tmay\tFood\t2\tHousehold\t1\r\n";
        QCOMPARE(BudgetFileReader::loadBytes(elsewhere, file, {}), BudgetFileReader::LoadResult::Loaded);
        SplitBudget b;
        b.editing.replaceDocument(DocumentSnapshot::take(elsewhere), QStringLiteral("Restore"));
        QVERIFY(b.editing.splits()
                    .split(b.records, b.rowOf(QStringLiteral("Bakery")), {part("Food", "4"), part("Household", "2")})
                    .isChanged());
        QCOMPARE(b.shown(), (QStringList{"3|Market|Food|60|| |1 of 2|84.2", "3|Market|Household|24.20|| |2 of 2|84.2",
                                         "9|Bakery|Food|4|| |1 of 2|6", "9|Bakery|Household|2|| |2 of 2|6"}));
    }

private:
    static QStringList good()
    {
        return {"3|Market|Food|60||1 of 2|84.2", "9|Bakery|Food|6|", "3|Market|Household|24.20||2 of 2|84.2"};
    }
};

QTEST_GUILESS_MAIN(TestSplits)
#include "tst_splits.moc"
