#include "DocumentFixtures.h"
#include "FileContents.h"
#include "RandomDocument.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "editing/DocumentSetup.h"
#include "document/ExtensionRecord.h"
#include "platform/AtomicFile.h"
#include "platform/RecentDocuments.h"
#include "platform/ScriptedAlerts.h"
#include "year/LastYearBudget.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace DocumentFixtures;
using BudgetFileReader::LoadResult;

namespace {

constexpr int kJan = 0;
constexpr int kFeb = 1;

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(ORRINWICK_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray crlfLines(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

/// A budget file whose twelve budgets are 0 and whose categories are given
/// as the lines after them.
QByteArray budgetFile(const QStringList &categoryLines)
{
    QStringList lines{QStringLiteral("Ver 1")};
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        lines << QStringLiteral("0");
    return crlfLines(lines + categoryLines);
}

/// A category block with the given January lines (count line included) and
/// empty months after it.
QStringList categoryBlock(const QString &name, const QStringList &januaryLines)
{
    QStringList lines{name};
    lines += januaryLines;
    for (int month = 1; month < MonthTables::kMonthCount; ++month)
        lines << QStringLiteral("1") << QStringLiteral("0\t ") << QStringLiteral("0\t") << kEnvelopeDesc;
    return lines;
}

LoadResult load(BudgetDocument &document, const QByteArray &bytes, bool sort = true)
{
    BudgetFileReader::Options options;
    options.sortData = sort;
    return BudgetFileReader::loadBytes(document, bytes, options);
}

/// The first difference between two documents' stored content, or nothing.
QString difference(const BudgetDocument &a, const BudgetDocument &b)
{
    if (a.budgetTotals() != b.budgetTotals())
        return QStringLiteral("budgets differ");
    if (categoryNames(a) != categoryNames(b))
        return QStringLiteral("names differ: %1 / %2").arg(categoryNames(a).join(u'|'), categoryNames(b).join(u'|'));
    for (const QString &name : categoryNames(a)) {
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList &listA = *a.entryList(name, month);
            const EntryList &listB = *b.entryList(name, month);
            if (listA.size() != listB.size())
                return QStringLiteral("%1 month %2: %3 / %4 entries").arg(name).arg(month).arg(listA.size()).arg(listB.size());
            for (qsizetype i = 0; i < listA.size(); ++i) {
                const Entry &x = listA[i];
                const Entry &y = listB[i];
                if (!(x == y))
                    return QStringLiteral("%1 month %2 entry %3: [%4|%5|%6|%7|%8] / [%9|%10|%11|%12|%13]")
                        .arg(name).arg(month).arg(i)
                        .arg(x.day, x.desc, x.amount, x.note, x.reconciled)
                        .arg(y.day, y.desc, y.amount, y.note, y.reconciled);
            }
        }
    }
    return {};
}

/// Every list's size, in order: what a shifted line would change.
QList<qsizetype> shape(const BudgetDocument &document)
{
    QList<qsizetype> sizes;
    for (const QString &name : categoryNames(document)) {
        for (int month = 0; month < MonthTables::kMonthCount; ++month)
            sizes << document.entryList(name, month)->size();
    }
    return sizes;
}

/// The grid, a line per row with tabs between the cells, and the warnings
/// of the read: the file at `path` read whole (as the window reads it) or for
/// its figures only (as --report does), with last year's carry as both take it.
QStringList gridAsRead(const QString &path, bool envelope, bool figuresOnly)
{
    BudgetDocument document;
    DocumentSetup::setEnvelopeView(document, envelope);
    ScriptedAlerts alerts;
    BudgetFileReader::Options options;
    options.figuresOnly = figuresOnly;
    (void)BudgetFileReader::loadFile(document, path, alerts, options);
    LastYearBudget last;
    last.follow(document.extensions(), path);
    DocumentSetup::setLastYearClosing(document, last.closingFor(document));
    QStringList lines;
    for (const CategoryRow &row : document.getCatArray())
        lines << QStringList{row.desc, QStringList(row.months.begin(), row.months.end()).join(u'\t'), row.average}.join(u'\t');
    for (const Alerts::Alert &alert : alerts.shown())
        lines << alert.message;
    return lines;
}

class RecordingRecents final : public RecentDocuments
{
public:
    void noteNewRecentDocument(const QString &path) override { paths << path; }
    QStringList paths;
};

} // namespace

class TestBudgetFile : public QObject
{
    Q_OBJECT

private slots:
    void writesTheWorkedExampleByteForByte();
    void readsTheWorkedExampleBack();
    void emptyDocumentIsFourteenLines();
    void firstDataLineSettlesTheVersion_data();
    void firstDataLineSettlesTheVersion();
    void splitsAmountLinesByVersion_data();
    void splitsAmountLinesByVersion();
    void readsAVersionZeroFile();
    void joinsNotePartsWithSpaces();
    void skipsCommentsBetweenEntryLines();
    void firstEntryThatIsNoEnvelopeComesAfterANewOne();
    void countLinesReadTheirWholePart_data();
    void countLinesReadTheirWholePart();
    void emptyNameLineKeepsItsEntries_data();
    void emptyNameLineKeepsItsEntries();
    void nameListedTwiceKeepsBothCategories();
    void refusesWhatDoesNotLoad_data();
    void refusesWhatDoesNotLoad();
    void missingFileWarnsAndIsNotRemembered();
    void theBytesReadAreHandedOnAsTheFileHasThem();
    void nonBudgetFileIsRefusedWithAWarning();
    void fileEndingInsideTheBudgetsReadsZeros();
    void fileEndingInsideAnEntryKeepsWhatItHolds();
    void sortingKeepsTheEnvelopeFirst_data();
    void sortingKeepsTheEnvelopeFirst();
    void decodesUtf8AndKeepsOtherBytesAsLatin1();
    void writesThroughATemporaryFile();
    void writeFailureIsReported();
    void figuresOnlyAreTheWholeReadsFigures_data();
    void figuresOnlyAreTheWholeReadsFigures();

    void randomDocumentsComeBackUnchanged();
    void hostileTextNeverShiftsALine();
};

void TestBudgetFile::writesTheWorkedExampleByteForByte()
{
    BudgetDocument document;
    DocumentFixtures::setBudgets(document, QStringLiteral("2500"));
    DocumentFixtures::addCategory(document, QStringLiteral("Food"));
    setEnvelope(document, QStringLiteral("Food"), kJan, QStringLiteral("300"));
    addItem(document, QStringLiteral("Food"), kJan, "5", "Market", "45.10", "weekly shop", "R");
    const QByteArray expected = fixture("food-market.txt");
    QCOMPARE(expected.count("\r\n"), 79);
    QCOMPARE(BudgetFileWriter::buildData(document), expected);
}

void TestBudgetFile::readsTheWorkedExampleBack()
{
    BudgetDocument document;
    QCOMPARE(load(document, fixture("food-market.txt")), LoadResult::Loaded);
    QCOMPARE(categoryNames(document), QStringList{"Food"});
    for (const QString &budget : document.budgetTotals())
        QCOMPARE(budget, QStringLiteral("2500"));
    const EntryList &january = *document.entryList(QStringLiteral("Food"), kJan);
    QCOMPARE(january.size(), 2);
    QCOMPARE(january[0].amount, QStringLiteral("300"));
    QCOMPARE(january[0].desc, kEnvelopeDesc);
    QCOMPARE(january[1], (Entry{"5", "Market", "45.10", "weekly shop", "R"}));
    QCOMPARE(*document.entryList(QStringLiteral("Food"), 11), EntryList{Entry::envelope()});
    // Loading recomputes.
    QCOMPARE(cell(document, "Food", u"jan"), QStringLiteral("45.1"));
    QCOMPARE(cell(document, "Remain", u"jan"), QStringLiteral("2454.9"));
    QCOMPARE(BudgetFileWriter::buildData(document), fixture("food-market.txt"));
}

void TestBudgetFile::emptyDocumentIsFourteenLines()
{
    BudgetDocument document;
    QStringList lines{QStringLiteral("; ****** MONTHLY_BUDGET ******"), QStringLiteral("Ver 1")};
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        lines << QStringLiteral("0");
    QCOMPARE(BudgetFileWriter::buildData(document), crlfLines(lines));
}

void TestBudgetFile::firstDataLineSettlesTheVersion_data()
{
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("january");
    QTest::addColumn<QString>("february");

    QTest::newRow("Ver 1") << "Ver 1" << true << "100" << "101";
    QTest::newRow("Ver 0") << "Ver 0" << true << "100" << "101";
    QTest::newRow("number is January") << "1200" << true << "1200" << "100";
    QTest::newRow("0 is January") << "0" << true << "0" << "100";
    QTest::newRow("0.0 is January") << "0.0" << true << "0.0" << "100";
    QTest::newRow("0.00 is an unknown version") << "0.00" << false << "0" << "0";
    QTest::newRow("Ver 2") << "Ver 2" << false << "0" << "0";
    QTest::newRow("ver 1 in lower case") << "ver 1" << false << "0" << "0";
}

void TestBudgetFile::firstDataLineSettlesTheVersion()
{
    QFETCH(QString, firstLine);
    QFETCH(bool, loads);
    QFETCH(QString, january);
    QFETCH(QString, february);
    QStringList lines{QStringLiteral("; header"), firstLine};
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        lines << QString::number(100 + month);
    BudgetDocument document;
    QCOMPARE(load(document, crlfLines(lines)), loads ? LoadResult::Loaded : LoadResult::NotABudgetFile);
    QCOMPARE(document.budgetTotals()[kJan], january);
    QCOMPARE(document.budgetTotals()[kFeb], february);
}

void TestBudgetFile::splitsAmountLinesByVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("amountLine");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("reconciled");

    QTest::newRow("Ver 0 with mark") << "Ver 0" << "12-R" << "12" << "R";
    QTest::newRow("Ver 0 without dash") << "Ver 0" << "12" << "12" << " ";
    QTest::newRow("Ver 0 negative") << "Ver 0" << "-12" << "" << "12";
    QTest::newRow("Ver 0 tab as space") << "Ver 0" << "12\tR" << "12 R" << " ";
    QTest::newRow("Ver 0 extra parts ignored") << "Ver 0" << "1-R-x" << "1" << "R";
    QTest::newRow("Ver 1 with mark") << "Ver 1" << "12\tR" << "12" << "R";
    QTest::newRow("Ver 1 keeps dashes") << "Ver 1" << "-12.5\t " << "-12.5" << " ";
    QTest::newRow("Ver 1 without tab") << "Ver 1" << "12" << "12" << " ";
    QTest::newRow("Ver 1 empty mark") << "Ver 1" << "12\t" << "12" << "";
    QTest::newRow("Ver 1 extra parts ignored") << "Ver 1" << "3\tR\tx" << "3" << "R";
}

void TestBudgetFile::splitsAmountLinesByVersion()
{
    QFETCH(QString, version);
    QFETCH(QString, amountLine);
    QFETCH(QString, amount);
    QFETCH(QString, reconciled);
    QStringList lines{version};
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        lines << QStringLiteral("0");
    lines += categoryBlock(QStringLiteral("Food"), {"2", "0", "0", kEnvelopeDesc, amountLine, "4", "Shop"});
    BudgetDocument document;
    QCOMPARE(load(document, crlfLines(lines)), LoadResult::Loaded);
    const EntryList &january = *document.entryList(QStringLiteral("Food"), kJan);
    QCOMPARE(january.size(), 2);
    QCOMPARE(january[1].amount, amount);
    QCOMPARE(january[1].reconciled, reconciled);
}

void TestBudgetFile::readsAVersionZeroFile()
{
    BudgetDocument document;
    QCOMPARE(load(document, fixture("version0.txt")), LoadResult::Loaded);
    QCOMPARE(document.budgetTotals()[kJan], QStringLiteral("1200"));
    QCOMPARE(document.budgetTotals()[11], QStringLiteral("1310"));
    QCOMPARE(categoryNames(document), QStringList{"Household"});
    const EntryList &january = *document.entryList(QStringLiteral("Household"), kJan);
    QCOMPARE(january, (EntryList{{"0", kEnvelopeDesc, "150", "", " "}, {"3", "Bread", "12", "corner shop", "R"}}));
    const EntryList &february = *document.entryList(QStringLiteral("Household"), kFeb);
    QCOMPARE(february[1], (Entry{"9", "Refund", "", "", "7"}));

    // Saved again it is a current file, and reads back the same.
    const QByteArray saved = BudgetFileWriter::buildData(document);
    QVERIFY(saved.contains("\r\nVer 1\r\n"));
    QVERIFY(saved.contains("\r\n12\tR\r\n3\tcorner shop\r\nBread\r\n"));
    BudgetDocument again;
    QCOMPARE(load(again, saved), LoadResult::Loaded);
    QCOMPARE(difference(document, again), QString());
}

void TestBudgetFile::joinsNotePartsWithSpaces()
{
    BudgetDocument document;
    load(document, budgetFile(categoryBlock("Food", {"2", "0\t ", "0\t", kEnvelopeDesc, "5\t ", "7\ta\tb\t", "Shop"})));
    const Entry &item = document.entryList(QStringLiteral("Food"), kJan)->at(1);
    QCOMPARE(item.day, QStringLiteral("7"));
    QCOMPARE(item.note, QStringLiteral("a b "));
}

void TestBudgetFile::skipsCommentsBetweenEntryLines()
{
    const QStringList plain = categoryBlock("Food", {"2", "0\t ", "0\t", kEnvelopeDesc, "5\tR", "3\tn", "Shop"});
    QStringList commented = plain;
    for (int at : {8, 7, 6, 5, 2, 1})
        commented.insert(at, QStringLiteral("; comment %1").arg(at));
    BudgetDocument a;
    BudgetDocument b;
    QCOMPARE(load(a, budgetFile(plain)), LoadResult::Loaded);
    QCOMPARE(load(b, budgetFile(commented)), LoadResult::Loaded);
    QCOMPARE(difference(a, b), QString());
    QCOMPARE(a.entryList(QStringLiteral("Food"), kJan)->at(1), (Entry{"3", "Shop", "5", "n", "R"}));
}

void TestBudgetFile::firstEntryThatIsNoEnvelopeComesAfterANewOne()
{
    BudgetDocument document;
    load(document, budgetFile(categoryBlock("Food", {"2", "7\t ", "3\t", "Shop", "9\t ", "4\t", kEnvelopeDesc})));
    const EntryList &january = *document.entryList(QStringLiteral("Food"), kJan);
    QCOMPARE(january.size(), 3);
    QCOMPARE(january[0], Entry::envelope());
    QCOMPARE(january[1].desc, QStringLiteral("Shop"));
    // Later in the list the envelope's description is an ordinary item.
    QCOMPARE(january[2], (Entry{"4", kEnvelopeDesc, "9", "", " "}));
}

void TestBudgetFile::countLinesReadTheirWholePart_data()
{
    QTest::addColumn<QString>("countLine");
    QTest::addColumn<int>("count");

    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("negative") << "-1" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("fraction") << "2.9" << 2;
    QTest::newRow("leading space") << " 2" << 2;
    QTest::newRow("plus sign") << "+2" << 2;
}

void TestBudgetFile::countLinesReadTheirWholePart()
{
    QFETCH(QString, countLine);
    QFETCH(int, count);
    QStringList lines{QStringLiteral("Food"), countLine};
    for (int i = 0; i < count; ++i)
        lines << "1\t " << "2\t" << (i == 0 ? kEnvelopeDesc : QStringLiteral("Shop"));
    // February follows right after what the count took.
    lines << "1" << "5\t " << "0\t" << kEnvelopeDesc;
    BudgetDocument document;
    QCOMPARE(load(document, budgetFile(lines)), LoadResult::Loaded);
    QCOMPARE(document.entryList(QStringLiteral("Food"), kJan)->size(), qMax(count, 1));
    QCOMPARE(document.entryList(QStringLiteral("Food"), kFeb)->first().amount, QStringLiteral("5"));
}

void TestBudgetFile::emptyNameLineKeepsItsEntries_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("warnings");
    const QStringList shop{"2", "0\t ", "0\t", kEnvelopeDesc, "5\t ", "3\t", "Shop"};
    const QStringList nothing{"1", "0\t ", "0\t", kEnvelopeDesc};
    const QStringList rent = categoryBlock("Rent", {"2", "0\t ", "0\t", kEnvelopeDesc, "800\t ", "1\t", "Landlord"});
    QTest::newRow("with entries: kept under a name of its own")
        << categoryBlock(QString(), shop) + rent << QStringList{"Unnamed category", "Rent"} << 1;
    QTest::newRow("with only an envelope amount")
        << categoryBlock(QString(), {"1", "40\t ", "0\t", kEnvelopeDesc}) + rent
        << QStringList{"Unnamed category", "Rent"} << 1;
    QTest::newRow("holding nothing: left out") << categoryBlock(QString(), nothing) + rent << QStringList{"Rent"} << 0;
    QTest::newRow("two, beside a category of that name")
        << categoryBlock("Unnamed category", nothing) + categoryBlock(QString(), shop) + categoryBlock(QString(), shop)
        << QStringList{"Unnamed category", "Unnamed category 2", "Unnamed category 3"} << 1;
}

void TestBudgetFile::emptyNameLineKeepsItsEntries()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, names);
    QFETCH(int, warnings);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("budget.txt"));
    QVERIFY(writeFileContents(path, budgetFile(lines)));
    BudgetDocument document;
    ScriptedAlerts alerts;
    QCOMPARE(BudgetFileReader::loadFile(document, path, alerts, {}), LoadResult::Loaded);

    QCOMPARE(categoryNames(document), names);
    QCOMPARE(alerts.shown().size(), warnings);
    if (warnings > 0)
        QVERIFY(alerts.shown().first().message.contains(QStringLiteral("\"Unnamed category\"")));
    if (names.contains(QStringLiteral("Rent")))
        QCOMPARE(cell(document, "Remain", u"jan"), warnings > 0 && lines.contains("Shop") ? "-805" : "-800");
    // What was kept is written back, so the next save loses nothing.
    BudgetDocument again;
    QCOMPARE(load(again, BudgetFileWriter::buildData(document)), LoadResult::Loaded);
    QCOMPARE(difference(document, again), QString());
}

void TestBudgetFile::nameListedTwiceKeepsBothCategories()
{
    BudgetDocument document;
    const QStringList lines = categoryBlock("Food", {"2", "0\t ", "0\t", kEnvelopeDesc, "5\t ", "3\t", "Shop"})
        + categoryBlock("Food 2", {"1", "0\t ", "0\t", kEnvelopeDesc})
        + categoryBlock("Food", {"2", "0\t ", "0\t", kEnvelopeDesc, "7\t ", "4\t", "Bakery"});
    QCOMPARE(load(document, budgetFile(lines)), LoadResult::Loaded);
    QCOMPARE(categoryNames(document), QStringList({"Food", "Food 2", "Food 3"}));
    QCOMPARE(document.entryList(QStringLiteral("Food"), kJan)->at(1).desc, QStringLiteral("Shop"));
    QCOMPARE(document.entryList(QStringLiteral("Food 2"), kJan)->size(), 1);
    QCOMPARE(document.entryList(QStringLiteral("Food 3"), kJan)->at(1).desc, QStringLiteral("Bakery"));
    QCOMPARE(cell(document, "Remain", u"jan"), QStringLiteral("-12"));
}

void TestBudgetFile::refusesWhatDoesNotLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<LoadResult>("result");

    QTest::newRow("no bytes") << QByteArray() << LoadResult::NotABudgetFile;
    QTest::newRow("comments only") << QByteArray("; a\r\n; b\r\n") << LoadResult::NotABudgetFile;
    QTest::newRow("comment without line end") << QByteArray("; a") << LoadResult::NotFound;
    QTest::newRow("line feeds only, comment first") << QByteArray("; x\nVer 1\n0\n") << LoadResult::NotFound;
    QTest::newRow("line feeds only, version first") << QByteArray("Ver 1\n0\n") << LoadResult::NotABudgetFile;
    QTest::newRow("text") << fixture("notes.txt") << LoadResult::NotABudgetFile;
    QTest::newRow("version alone") << QByteArray("Ver 1\r\n") << LoadResult::Loaded;
}

void TestBudgetFile::refusesWhatDoesNotLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(LoadResult, result);
    BudgetDocument document;
    QCOMPARE(load(document, bytes), result);
    if (result != LoadResult::Loaded)
        QCOMPARE(document.getCatArray().size(), 3);
}

void TestBudgetFile::missingFileWarnsAndIsNotRemembered()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing.txt"));
    BudgetDocument document;
    ScriptedAlerts alerts;
    RecordingRecents recents;
    BudgetFileReader::Options options;
    options.recents = &recents;
    QCOMPARE(BudgetFileReader::loadFile(document, path, alerts, options), LoadResult::Missing);
    QCOMPARE(alerts.shown().size(), 1);
    QCOMPARE(alerts.shown()[0].title, QStringLiteral("WARNING"));
    QCOMPARE(alerts.shown()[0].message, QStringLiteral("Source File %1 not found!\n").arg(path));
    QCOMPARE(alerts.shown()[0].kind, Alerts::Kind::Warning);
    QCOMPARE(ScriptedAlerts::buttonsOf(alerts.shown()[0]), QList{Alerts::Button::Ok});
    QVERIFY(recents.paths.isEmpty());

    // A caller that offers to look for the file warns itself.
    alerts.clear();
    options.warnWhenMissing = false;
    QCOMPARE(BudgetFileReader::loadFile(document, path, alerts, options), LoadResult::Missing);
    QVERIFY(alerts.shown().isEmpty());

    // A folder does not read as a file either, and is no missing file.
    QCOMPARE(BudgetFileReader::loadFile(document, dir.path(), alerts, options), LoadResult::NotFound);
    QCOMPARE(alerts.shown().size(), 1);
}

void TestBudgetFile::theBytesReadAreHandedOnAsTheFileHasThem()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("budget.txt"));
    // With the byte order mark an editor may write, which the lines leave out.
    const QByteArray bytes = "\xEF\xBB\xBFVer 1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    QVERIFY(AtomicFile::write(path, bytes));
    BudgetDocument document;
    ScriptedAlerts alerts;
    QByteArray handed;
    BudgetFileReader::Options options;
    options.bytesRead = [&handed](const QByteArray &read) { handed = read; };
    QCOMPARE(BudgetFileReader::loadFile(document, path, alerts, options), LoadResult::Loaded);
    QCOMPARE(handed, bytes);
}

void TestBudgetFile::nonBudgetFileIsRefusedWithAWarning()
{
    const QString path = QStringLiteral(ORRINWICK_TEST_DATA "/notes.txt");
    BudgetDocument document;
    ScriptedAlerts alerts;
    RecordingRecents recents;
    BudgetFileReader::Options options;
    options.recents = &recents;
    QCOMPARE(BudgetFileReader::loadFile(document, path, alerts, options), LoadResult::NotABudgetFile);
    QCOMPARE(alerts.titles(), QStringList{"WARNING"});
    QVERIFY(alerts.shown()[0].message.contains(path));
    QVERIFY(alerts.shown()[0].message.contains(QStringLiteral("not a budget file")));
    QVERIFY(recents.paths.isEmpty());
    QCOMPARE(document.getCatArray().size(), 3);
    QCOMPARE(document.budgetTotals()[kJan], QStringLiteral("0"));

    alerts.clear();
    const QString budget = QStringLiteral(ORRINWICK_TEST_DATA "/food-market.txt");
    QCOMPARE(BudgetFileReader::loadFile(document, budget, alerts, options), LoadResult::Loaded);
    QVERIFY(alerts.shown().isEmpty());
    QCOMPARE(recents.paths, QStringList{budget});
}

void TestBudgetFile::fileEndingInsideTheBudgetsReadsZeros()
{
    BudgetDocument document;
    QCOMPARE(load(document, crlfLines({"Ver 1", "100", "200.5"})), LoadResult::Loaded);
    QCOMPARE(document.budgetTotals()[kJan], QStringLiteral("100"));
    QCOMPARE(document.budgetTotals()[kFeb], QStringLiteral("200.5"));
    for (int month = 2; month < MonthTables::kMonthCount; ++month)
        QCOMPARE(document.budgetTotals()[month], QStringLiteral("0"));
    QVERIFY(categoryNames(document).isEmpty());

    // Without the final line end the last value is still read.
    BudgetDocument unterminated;
    QCOMPARE(load(unterminated, QByteArray("Ver 1\r\n100\r\n300")), LoadResult::Loaded);
    QCOMPARE(unterminated.budgetTotals()[kFeb], QStringLiteral("300"));
    QCOMPARE(unterminated.budgetTotals()[2], QStringLiteral("0"));
}

void TestBudgetFile::fileEndingInsideAnEntryKeepsWhatItHolds()
{
    BudgetDocument cutAfterAmount;
    QCOMPARE(load(cutAfterAmount, budgetFile({"Food", "2", "300\t ", "0\t", kEnvelopeDesc, "45.10\tR"})),
             LoadResult::Loaded);
    QCOMPARE(categoryNames(cutAfterAmount), QStringList{"Food"});
    const EntryList &january = *cutAfterAmount.entryList(QStringLiteral("Food"), kJan);
    QCOMPARE(january.size(), 2);
    QCOMPARE(january[0].amount, QStringLiteral("300"));
    QCOMPARE(january[1], (Entry{"", "", "45.10", "", "R"}));
    for (int month = 1; month < MonthTables::kMonthCount; ++month)
        QCOMPARE(*cutAfterAmount.entryList(QStringLiteral("Food"), month), EntryList{Entry::envelope()});
    QCOMPARE(cell(cutAfterAmount, "Food", u"jan"), QStringLiteral("45.1"));

    // Cut after the count line: nothing more to read, no empty item made up.
    BudgetDocument cutAfterCount;
    QCOMPARE(load(cutAfterCount, budgetFile({"Food", "3"})), LoadResult::Loaded);
    QCOMPARE(*cutAfterCount.entryList(QStringLiteral("Food"), kJan), EntryList{Entry::envelope()});

    // Cut after the name.
    BudgetDocument cutAfterName;
    QCOMPARE(load(cutAfterName, budgetFile({"Food"})), LoadResult::Loaded);
    QCOMPARE(categoryNames(cutAfterName), QStringList{"Food"});
}

void TestBudgetFile::sortingKeepsTheEnvelopeFirst_data()
{
    QTest::addColumn<bool>("sort");
    QTest::addColumn<QStringList>("days");

    QTest::newRow("sorted") << true << QStringList{"9", "-4", "-4", "0", "", "5", "15"};
    QTest::newRow("file order") << false << QStringList{"9", "15", "-4", "0", "", "5", "-4"};
}

void TestBudgetFile::sortingKeepsTheEnvelopeFirst()
{
    QFETCH(bool, sort);
    QFETCH(QStringList, days);
    // The envelope's own day is odd on purpose: it still stays first.
    QStringList january{"7", "0\t ", "9\t", kEnvelopeDesc};
    const QStringList fileDays{"15", "-4", "0", "", "5", "-4"};
    for (int i = 0; i < fileDays.size(); ++i)
        january << "1\t " << fileDays[i] + u'\t' << QStringLiteral("item %1").arg(i);
    BudgetDocument document;
    QCOMPARE(load(document, budgetFile(categoryBlock("Food", january)), sort), LoadResult::Loaded);
    const EntryList &list = *document.entryList(QStringLiteral("Food"), kJan);
    QCOMPARE(list.first().desc, kEnvelopeDesc);
    QStringList loadedDays;
    for (const Entry &entry : list)
        loadedDays << entry.day;
    QCOMPARE(loadedDays, days);
    if (sort) {
        // Equal days keep their file order.
        QCOMPARE(list[1].desc, QStringLiteral("item 1"));
        QCOMPARE(list[2].desc, QStringLiteral("item 5"));
    }
}

void TestBudgetFile::decodesUtf8AndKeepsOtherBytesAsLatin1()
{
    QByteArray bytes = budgetFile(categoryBlock(QStringLiteral("Café ☕"),
        {"2", "0\t ", "0\t", kEnvelopeDesc, "5\t ", QStringLiteral("3\tnote 😀 ß"), QStringLiteral("Bäckerei 中")}));
    bytes += "Caf\xe9\r\n1\r\n0\t \r\n0\tbad \xff\xfe\r\n__ENVELOPE__\r\n";
    BudgetDocument document;
    QCOMPARE(load(document, bytes), LoadResult::Loaded);
    QCOMPARE(categoryNames(document), QStringList({QStringLiteral("Café ☕"), QStringLiteral("Café")}));
    const Entry &item = document.entryList(QStringLiteral("Café ☕"), kJan)->at(1);
    QCOMPARE(item.desc, QStringLiteral("Bäckerei 中"));
    QCOMPARE(item.note, QStringLiteral("note 😀 ß"));
    QCOMPARE(document.entryList(QStringLiteral("Café"), kJan)->first().note, QStringLiteral("bad \u00ff\u00fe"));

    // An invisible mark that starts a typed text stays; one that starts the file is no part of it.
    DocumentFixtures::entryAt(document, QStringLiteral("Café"), kJan, 0).note = QStringLiteral("\uFEFFmarked");
    const QByteArray saved = BudgetFileWriter::buildData(document);
    BudgetDocument again;
    QCOMPARE(load(again, "\xEF\xBB\xBF" + saved), LoadResult::Loaded);
    QCOMPARE(again.entryList(QStringLiteral("Café"), kJan)->first().note, QStringLiteral("\uFEFFmarked"));
    QCOMPARE(BudgetFileWriter::buildData(again), saved);
}

void TestBudgetFile::writesThroughATemporaryFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("budget.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();

    BudgetDocument document;
    load(document, fixture("food-market.txt"));
    QVERIFY(BudgetFileWriter::writeFile(document, path));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), fixture("food-market.txt"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"budget.txt"});
}

void TestBudgetFile::writeFailureIsReported()
{
    QTemporaryDir dir;
    BudgetDocument document;
    QVERIFY(!BudgetFileWriter::writeFile(document, dir.filePath(QStringLiteral("no/such/folder/budget.txt"))));
    // A folder's name is never replaced by a file.
    QVERIFY(!BudgetFileWriter::writeFile(document, dir.path()));
    QVERIFY(QFileInfo(dir.path()).isDir());
}

void TestBudgetFile::figuresOnlyAreTheWholeReadsFigures_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("lastYear");
    const auto entry = [](const char *amount, const char *day, const char *desc) {
        return QStringList{QString::fromUtf8(amount), QString::fromUtf8(day), QString::fromUtf8(desc)};
    };
    const QStringList envelope = entry("100\t ", "0", "__ENVELOPE__");
    const QStringList food = categoryBlock(
        QStringLiteral("Food"), QStringList{"4"} + envelope + entry("45.10\t ", "20", "Market")
                                    + entry("8.5\tR", "5\tbread", "Bakery") + entry("-3\t ", "12", "Refund"));
    const QString header = kExtensionHeader;

    QTest::newRow("envelopes, days out of order") << budgetFile(food) << QByteArray();
    QTest::newRow("no envelope first, amounts as typed")
        << budgetFile(categoryBlock(QStringLiteral("Rent"), QStringList{"2"} + entry("0012.5000\t ", "3", "Landlord")
                                                                + entry("+7.25\tR", "4", "Landlord")))
        << QByteArray();
    QTest::newRow("amounts without a number, past 64 bits, spaces and bytes beyond ASCII")
        << budgetFile(categoryBlock(QStringLiteral("Odd"),
                                    QStringList{"7"} + envelope + entry("abc\t ", "1", "A") + entry("\t ", "1", "B")
                                        + entry("  7\t ", "1", "C")
                                        + entry("123456789012345678901234.5\t ", "1", "D")
                                        + entry("1e5 cash\t ", "2", "E") + entry("\u00a012\t ", "3", "F")))
        << QByteArray();
    QTest::newRow("bytes that are no UTF-8")
        << budgetFile(categoryBlock(QStringLiteral("Odd"), QStringList{"2"} + envelope + entry("@5\t ", "1", "A")))
               .replace("@", "\xa0")
        << QByteArray();
    QTest::newRow("version 0 lines") << crlfLines(QStringList{"Ver 0"} + QStringList(12, QStringLiteral("10"))
                                                  + categoryBlock(QStringLiteral("Food"),
                                                                  {"3", "12-R", "1", "Shop", "-12", "2", "Shop",
                                                                   "5\tR", "3", "Shop"}))
                                     << QByteArray();
    QTest::newRow("a category without a name holds entries, one count line cut short")
        << budgetFile(food + categoryBlock(QString(), QStringList{"9"} + envelope + entry("2\t ", "1", "A")))
        << QByteArray();
    QTest::newRow("split records, one of them damaged")
        << budgetFile(QStringList{header, ";@split\tjan\tFood\t1\tRent\t1", ";@split\tjan\tFood\t2\tRent\t2"} + food
                      + categoryBlock(QStringLiteral("Rent"), QStringList{"3"} + envelope
                                                                  + entry("5\t ", "20", "Market")
                                                                  + entry("6\t ", "1", "Other")))
        << QByteArray();
    QTest::newRow("carry from last year")
        << budgetFile(QStringList{header, ";@lastyear\t@LAST", ";@carry\tFood\tleft", ";@opening\tFood\t25"} + food)
        << budgetFile(QStringList{header, ";@carry\tFood\tall", ";@opening\tFood\t100"} + food);
    QTest::newRow("carry, last year's file missing")
        << budgetFile(QStringList{header, ";@lastyear\t@LAST", ";@carry\tFood\tall", ";@opening\tFood\t25"} + food)
        << QByteArray();
}

void TestBudgetFile::figuresOnlyAreTheWholeReadsFigures()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, lastYear);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("this.txt"));
    const QString lastPath = dir.filePath(QStringLiteral("last.txt"));
    QVERIFY(AtomicFile::write(path, file.replace("@LAST", lastPath.toUtf8())));
    if (!lastYear.isEmpty())
        QVERIFY(AtomicFile::write(lastPath, lastYear));
    for (const bool envelope : {false, true}) {
        const QStringList whole = gridAsRead(path, envelope, false);
        QCOMPARE(gridAsRead(path, envelope, true), whole);
        QVERIFY(whole.size() > kFirstCategoryRow);
    }
    // And every kind of content the writer produces.
    for (unsigned seed = 1; seed <= 60; ++seed) {
        BudgetDocument random;
        RandomDocument(seed, seed % 2 == 0).fill(random);
        QVERIFY(AtomicFile::write(path, BudgetFileWriter::buildData(random)));
        for (const bool envelope : {false, true})
            QVERIFY2(gridAsRead(path, envelope, true) == gridAsRead(path, envelope, false),
                     qPrintable(QStringLiteral("seed %1").arg(seed)));
    }
}

void TestBudgetFile::randomDocumentsComeBackUnchanged()
{
    for (unsigned seed = 1; seed <= 400; ++seed) {
        BudgetDocument original;
        RandomDocument(seed, false).fill(original);
        const QByteArray saved = BudgetFileWriter::buildData(original);
        BudgetDocument loaded;
        QCOMPARE(load(loaded, saved, false), LoadResult::Loaded);
        const QString diff = difference(original, loaded);
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(diff)));
        QCOMPARE(BudgetFileWriter::buildData(loaded), saved);
    }
}

void TestBudgetFile::hostileTextNeverShiftsALine()
{
    for (unsigned seed = 1; seed <= 400; ++seed) {
        BudgetDocument original;
        RandomDocument(seed, true).fill(original);
        BudgetDocument once;
        QCOMPARE(load(once, BudgetFileWriter::buildData(original), false), LoadResult::Loaded);
        const QString context = QStringLiteral("seed %1").arg(seed);
        QVERIFY2(shape(once) == shape(original), qPrintable(context));
        QVERIFY2(categoryNames(once).size() == categoryNames(original).size(), qPrintable(context));
        BudgetDocument twice;
        QCOMPARE(load(twice, BudgetFileWriter::buildData(once), false), LoadResult::Loaded);
        const QString diff = difference(once, twice);
        QVERIFY2(diff.isEmpty(), qPrintable(context + QStringLiteral(": ") + diff));
    }
}

QTEST_GUILESS_MAIN(TestBudgetFile)
#include "tst_budgetfile.moc"
