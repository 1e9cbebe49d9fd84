#include "DocumentFixtures.h"
#include "document/BudgetDocument.h"
#include "document/EntryCompare.h"
#include "document/GridText.h"
#include "editing/DocumentSetup.h"

#include <QSignalSpy>
#include <QTest>

using namespace DocumentFixtures;

namespace {

constexpr int kJan = 0;
constexpr int kFeb = 1;

/// The document of the worked example: budget 2500 in January, Food with
/// items of 45.10 and 20, Rent with one item of 800.
void fillWorkedExample(BudgetDocument &document)
{
    DocumentFixtures::setBudget(document, kJan, QStringLiteral("2500"));
    DocumentFixtures::addCategory(document, QStringLiteral("Food"));
    DocumentFixtures::addCategory(document, QStringLiteral("Rent"));
    addItem(document, QStringLiteral("Food"), kJan, "5", "Market", "45.10");
    addItem(document, QStringLiteral("Food"), kJan, "9", "Bakery", "20");
    addItem(document, QStringLiteral("Rent"), kJan, "1", "Landlord", "800");
}

// The document is read-only to everyone but a DocumentWriter: each way of
// changing it compiles on the writer and not on the document itself.
template <typename Holder>
concept WritesLists = requires(Holder &holder, const QString &name)
{
    holder.entryList(name, 0)->clear();
};
template <typename Holder>
concept WritesRows = requires(Holder &holder)
{
    holder.appendCategory(QString(), QString());
}
|| requires(Holder &holder) { holder.deleteCategoryByIndex(0); }
|| requires(Holder &holder) { holder.eraseAllData(); };
template <typename Holder>
concept WritesBudgets = requires(Holder &holder)
{
    holder.setBudget(0, QString());
};
template <typename Holder>
concept WritesRecords = requires(Holder &holder)
{
    holder.setExtensions(DocumentExtensions());
};
template <typename Holder>
concept WritesFigures = requires(Holder &holder)
{
    holder.recalculate();
};
template <typename Document>
concept OpenContainers = requires(Document &document)
{
    document.getCatArray().clear();
}
|| requires(Document &document) { document.getCatDataDictionary().clear(); }
|| requires(Document &document) { document.budgetTotals()[0] = QString(); };

static_assert(WritesLists<DocumentWriter> && !WritesLists<BudgetDocument>);
static_assert(WritesRows<DocumentWriter> && !WritesRows<BudgetDocument>);
static_assert(WritesBudgets<DocumentWriter> && !WritesBudgets<BudgetDocument>);
static_assert(WritesRecords<DocumentWriter> && !WritesRecords<BudgetDocument>);
static_assert(WritesFigures<DocumentWriter> && !WritesFigures<BudgetDocument>);
static_assert(!OpenContainers<BudgetDocument>);

} // namespace

class TestBudgetDocument : public QObject
{
    Q_OBJECT

private slots:
    void monthIdStringFallsBackToJanuary_data();
    void monthIdStringFallsBackToJanuary();
    void monthIndexFallsBackToZero_data();
    void monthIndexFallsBackToZero();
    void monthFriendlyNameIsNullForNoMonth();

    void startsWithTheFixedRowsAndNoData();
    void createCategoryRefusesAnEmptyName();
    void createCategoryGivesTwelveEnvelopeLists();
    void createCategoryRefusesANameInUse();
    void uniqueCategoryNameNumbersFromTwo_data();
    void uniqueCategoryNameNumbersFromTwo();
    void deleteCategoryByIndexRemovesRowAndEntries();
    void renameCategoryMovesTheLists();
    void renameCategoryRefusesANameInUse();
    void renameCategoryToItsOwnNameChangesNothing();
    void moveCategoryRowDropsBeforeTheTarget_data();
    void moveCategoryRowDropsBeforeTheTarget();
    void eraseAllDataLeavesTheFixedRows();

    void workedExampleInStandardMode();
    void workedExampleAveragesOverActiveMonths();
    void workedExampleInEnvelopeMode();
    void remainIsBudgetMinusAllBookedInBothModes_data();
    void remainIsBudgetMinusAllBookedInBothModes();
    void budgetTextIsTakenUnchangedInStandardMode();
    void withoutCategoriesOnlyBudgetAndRemainChange();
    void descColumnChangesNothing();
    void onlyEnvelopeEntriesGiveZeroEverywhere();
    void refundsGiveNegativeCellsAndTruncatedAverages();
    void recalculateRecomputesEveryMonth();
    void gridShowsWholeUnitsExceptNamesAndFixedAverages_data();
    void gridShowsWholeUnitsExceptNamesAndFixedAverages();

    void compareDataRecordOrdersByKey_data();
    void compareDataRecordOrdersByKey();
};

void TestBudgetDocument::monthIdStringFallsBackToJanuary_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("monthId");

    QTest::newRow("0") << 0 << "jan";
    QTest::newRow("5") << 5 << "jun";
    QTest::newRow("11") << 11 << "dec";
    QTest::newRow("12") << 12 << "jan";
    QTest::newRow("-1") << -1 << "jan";
    QTest::newRow("1000") << 1000 << "jan";
}

void TestBudgetDocument::monthIdStringFallsBackToJanuary()
{
    QFETCH(int, index);
    QFETCH(QString, monthId);
    QCOMPARE(MonthTables::monthIdString(index), monthId);
}

void TestBudgetDocument::monthIndexFallsBackToZero_data()
{
    QTest::addColumn<QString>("monthId");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("friendlyName");

    QTest::newRow("jan") << "jan" << 0 << "January";
    QTest::newRow("may") << "may" << 4 << "May";
    QTest::newRow("dec") << "dec" << 11 << "December";
    QTest::newRow("wrong case") << "Jan" << 0 << "";
    QTest::newRow("desc") << "desc" << 0 << "";
    QTest::newRow("empty") << "" << 0 << "";
}

void TestBudgetDocument::monthIndexFallsBackToZero()
{
    QFETCH(QString, monthId);
    QFETCH(int, index);
    QFETCH(QString, friendlyName);
    QCOMPARE(MonthTables::monthIndex(monthId), index);
    QCOMPARE(MonthTables::monthFriendlyName(monthId), friendlyName);
    QCOMPARE(MonthTables::monthNames()[index], MonthTables::monthFriendlyNames()[index].left(3));
}

void TestBudgetDocument::monthFriendlyNameIsNullForNoMonth()
{
    QVERIFY(MonthTables::monthFriendlyName(u"xyz").isNull());
    QCOMPARE(MonthTables::findMonth(u"xyz"), -1);
    QCOMPARE(MonthTables::findMonth(u"dec"), 11);
}

void TestBudgetDocument::startsWithTheFixedRowsAndNoData()
{
    BudgetDocument document;
    QCOMPARE(rowNames(document), QStringList({"Budget", "Remain", "-----"}));
    QVERIFY(document.getCatDataDictionary().empty());
    QCOMPARE(document.getCatArray()[kDashRowIndex].months[kJan], kRowLine);
    QCOMPARE(document.getCatArray()[kRemainingRowIndex].average, QStringLiteral("0"));
    for (const QString &budget : document.budgetTotals())
        QCOMPARE(budget, QStringLiteral("0"));
}

void TestBudgetDocument::createCategoryRefusesAnEmptyName()
{
    BudgetDocument document;
    QSignalSpy redisplay(&document, &BudgetDocument::redisplayRequested);
    QSignalSpy rows(&document, &BudgetDocument::rowsChanged);
    QCOMPARE(DocumentWriter(document).createCategory(QString(), QStringLiteral("0")), 0);
    QCOMPARE(document.getCatArray().size(), 3);
    QVERIFY(document.getCatDataDictionary().empty());
    QCOMPARE(redisplay.count(), 0);
    QCOMPARE(rows.count(), 0);
}

void TestBudgetDocument::createCategoryGivesTwelveEnvelopeLists()
{
    BudgetDocument document;
    QSignalSpy rows(&document, &BudgetDocument::rowsChanged);
    QCOMPARE(DocumentWriter(document).createCategory(QStringLiteral("Food"), QStringLiteral("7")), 1);
    QCOMPARE(rows.count(), 1);
    const CategoryRow &row = document.getCatArray().last();
    QCOMPARE(row.desc, QStringLiteral("Food"));
    QCOMPARE(row.average, QStringLiteral("7"));
    for (const QString &month : row.months)
        QCOMPARE(month, QStringLiteral("7"));
    QCOMPARE(document.getCatDataDictionary().size(), std::size_t(1));
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        const EntryList *list = document.entryList(QStringLiteral("Food"), month);
        QVERIFY(list);
        QCOMPARE(*list, EntryList{Entry::envelope()});
        QCOMPARE(list->first().day, QStringLiteral("0"));
        QCOMPARE(list->first().reconciled, QStringLiteral(" "));
    }
    // Each list is its own: changing one envelope leaves the others.
    setEnvelope(document, QStringLiteral("Food"), kJan, QStringLiteral("300"));
    QCOMPARE(document.entryList(QStringLiteral("Food"), kFeb)->first().amount, QStringLiteral("0"));
    QVERIFY(!document.entryList(QStringLiteral("Food"), 12));
    QVERIFY(!document.entryList(QStringLiteral("Budget"), kJan));
}

void TestBudgetDocument::createCategoryRefusesANameInUse()
{
    BudgetDocument document;
    DocumentFixtures::addCategory(document, QStringLiteral("Food"));
    addItem(document, QStringLiteral("Food"), kJan, "5", "Market", "45.10");
    QCOMPARE(DocumentWriter(document).createCategory(QStringLiteral("Food"), QStringLiteral("0")), 0);
    QCOMPARE(document.categoryCount(), 1);
    QCOMPARE(document.entryList(QStringLiteral("Food"), kJan)->size(), 2);
    // The fixed rows have no entries, so a category may share their names.
    QCOMPARE(DocumentWriter(document).createCategory(QStringLiteral("Budget"), QStringLiteral("0")), 1);
    QCOMPARE(document.rowOfCategory(QStringLiteral("Budget")), 4);
}

void TestBudgetDocument::uniqueCategoryNameNumbersFromTwo_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("unique");

    QTest::newRow("free") << QStringList{} << "New Category";
    QTest::newRow("taken once") << QStringList{"New Category"} << "New Category 2";
    QTest::newRow("taken twice") << QStringList{"New Category", "New Category 2"} << "New Category 3";
    QTest::newRow("first gap") << QStringList{"New Category", "New Category 3"} << "New Category 2";
    QTest::newRow("only numbered taken") << QStringList{"New Category 2"} << "New Category";
    QTest::newRow("fixed row names do not count") << QStringList{} << "New Category";
}

void TestBudgetDocument::uniqueCategoryNameNumbersFromTwo()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, unique);
    BudgetDocument document;
    for (const QString &name : existing)
        DocumentFixtures::addCategory(document, name);
    QCOMPARE(document.uniqueCategoryName(kDefaultCategoryName), unique);
    QCOMPARE(document.uniqueCategoryName(QStringLiteral("Remain")), QStringLiteral("Remain"));
}

void TestBudgetDocument::deleteCategoryByIndexRemovesRowAndEntries()
{
    BudgetDocument document;
    fillWorkedExample(document);
    DocumentFixtures::recalculate(document);
    QSignalSpy redisplay(&document, &BudgetDocument::redisplayRequested);
    DocumentWriter(document).deleteCategoryByIndex(3);
    QCOMPARE(rowNames(document), QStringList({"Budget", "Remain", "-----", "Rent"}));
    QVERIFY(!document.entryList(QStringLiteral("Food"), kJan));
    QCOMPARE(document.getCatDataDictionary().size(), std::size_t(1));
    // Recomputed: Remain no longer counts Food's items.
    QCOMPARE(cell(document, "Remain", u"jan"), QStringLiteral("1700"));
    QCOMPARE(redisplay.count(), MonthTables::kMonthCount);

    // A new category of the same name starts afresh.
    DocumentFixtures::addCategory(document, QStringLiteral("Food"));
    QCOMPARE(*document.entryList(QStringLiteral("Food"), kJan), EntryList{Entry::envelope()});

    // Fixed rows and rows past the end are not deleted.
    DocumentWriter(document).deleteCategoryByIndex(kDashRowIndex);
    DocumentWriter(document).deleteCategoryByIndex(99);
    QCOMPARE(document.getCatArray().size(), 5);
}

void TestBudgetDocument::renameCategoryMovesTheLists()
{
    BudgetDocument document;
    fillWorkedExample(document);
    const EntryList before = *document.entryList(QStringLiteral("Food"), kJan);
    QVERIFY(DocumentWriter(document).renameCategory(3, QStringLiteral("Groceries")));
    QCOMPARE(document.getCatArray()[3].desc, QStringLiteral("Groceries"));
    QCOMPARE(*document.entryList(QStringLiteral("Groceries"), kJan), before);
    QVERIFY(!document.entryList(QStringLiteral("Food"), kJan));
    QCOMPARE(document.getCatDataDictionary().size(), std::size_t(2));
}

void TestBudgetDocument::renameCategoryRefusesANameInUse()
{
    BudgetDocument document;
    fillWorkedExample(document);
    QVERIFY(!DocumentWriter(document).renameCategory(3, QStringLiteral("Rent")));
    QCOMPARE(rowNames(document), QStringList({"Budget", "Remain", "-----", "Food", "Rent"}));
    QCOMPARE(document.entryList(QStringLiteral("Food"), kJan)->size(), 3);
    QCOMPARE(document.entryList(QStringLiteral("Rent"), kJan)->size(), 2);
}

void TestBudgetDocument::renameCategoryToItsOwnNameChangesNothing()
{
    BudgetDocument document;
    fillWorkedExample(document);
    QVERIFY(DocumentWriter(document).renameCategory(3, QStringLiteral("Food")));
    QCOMPARE(document.entryList(QStringLiteral("Food"), kJan)->size(), 3);
    QCOMPARE(document.getCatDataDictionary().size(), std::size_t(2));
}

void TestBudgetDocument::moveCategoryRowDropsBeforeTheTarget_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("first to end") << 3 << 6 << QStringList{"B", "C", "A"};
    QTest::newRow("first before last") << 3 << 5 << QStringList{"B", "A", "C"};
    QTest::newRow("last to top") << 5 << 3 << QStringList{"C", "A", "B"};
    QTest::newRow("onto itself") << 4 << 4 << QStringList{"A", "B", "C"};
    QTest::newRow("just below itself") << 4 << 5 << QStringList{"A", "B", "C"};
    QTest::newRow("into the fixed rows") << 4 << 1 << QStringList{"A", "B", "C"};
    QTest::newRow("a fixed row") << 0 << 6 << QStringList{"A", "B", "C"};
    QTest::newRow("past the end") << 3 << 7 << QStringList{"A", "B", "C"};
}

void TestBudgetDocument::moveCategoryRowDropsBeforeTheTarget()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, order);
    BudgetDocument document;
    for (const char *name : {"A", "B", "C"})
        DocumentFixtures::addCategory(document, QString::fromLatin1(name));
    addItem(document, QStringLiteral("A"), kJan, "1", "x", "5");
    DocumentWriter(document).moveCategoryRow(from, to);
    QCOMPARE(rowNames(document).mid(3), order);
    QCOMPARE(rowNames(document).first(3), QStringList({"Budget", "Remain", "-----"}));
    QCOMPARE(document.entryList(QStringLiteral("A"), kJan)->size(), 2);
}

void TestBudgetDocument::eraseAllDataLeavesTheFixedRows()
{
    BudgetDocument document;
    for (const char *name : {"A", "B", "C", "D", "E"})
        DocumentFixtures::addCategory(document, QString::fromLatin1(name));
    addItem(document, QStringLiteral("C"), kFeb, "3", "x", "5");
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        DocumentFixtures::setBudget(document, month, QStringLiteral("2500"));
    DocumentFixtures::recalculate(document);
    DocumentSetup::eraseAllData(document);
    QCOMPARE(rowNames(document), QStringList({"Budget", "Remain", "-----"}));
    QVERIFY(document.getCatDataDictionary().empty());
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        QCOMPARE(document.budgetTotals()[month], QStringLiteral("0"));
        QCOMPARE(document.getCatArray()[kBudgetRowIndex].months[month], QStringLiteral("0"));
    }
    // The same names can be used again, with fresh lists.
    QCOMPARE(DocumentWriter(document).createCategory(QStringLiteral("C"), QStringLiteral("0")), 1);
    QCOMPARE(document.entryList(QStringLiteral("C"), kFeb)->size(), 1);
}

void TestBudgetDocument::workedExampleInStandardMode()
{
    BudgetDocument document;
    fillWorkedExample(document);
    QSignalSpy redisplay(&document, &BudgetDocument::redisplayRequested);
    DocumentWriter(document).updateTotalsForMonth(kJan);
    QCOMPARE(redisplay.count(), 1);
    QCOMPARE(cell(document, "Budget", u"jan"), QStringLiteral("2500"));
    QCOMPARE(cell(document, "Food", u"jan"), QStringLiteral("65.1"));
    QCOMPARE(cell(document, "Rent", u"jan"), QStringLiteral("800"));
    QCOMPARE(cell(document, "Remain", u"jan"), QStringLiteral("1634.9"));
    QCOMPARE(cell(document, "Food", u"average"), QStringLiteral("65"));
    QCOMPARE(cell(document, "Rent", u"average"), QStringLiteral("800"));
    QCOMPARE(cell(document, "Budget", u"average"), QString());
    QCOMPARE(cell(document, "Remain", u"average"), QString());
    QCOMPARE(cell(document, "-----", u"jan"), kRowLine);
    QCOMPARE(cell(document, "-----", u"average"), kRowLine);
    QCOMPARE(document.calculateBudgetForColumnId(kJan), QStringLiteral("2500"));
}

void TestBudgetDocument::workedExampleAveragesOverActiveMonths()
{
    BudgetDocument document;
    fillWorkedExample(document);
    DocumentWriter(document).updateTotalsForMonth(kJan);
    addItem(document, QStringLiteral("Rent"), kFeb, "1", "Landlord", "30");
    DocumentWriter(document).updateTotalsForMonth(kFeb);
    QCOMPARE(cell(document, "Food", u"average"), QStringLiteral("32"));
    QCOMPARE(cell(document, "Rent", u"average"), QStringLiteral("415"));
    QCOMPARE(cell(document, "Remain", u"feb"), QStringLiteral("-30"));
    QCOMPARE(cell(document, "Food", u"feb"), QStringLiteral("0"));
}

void TestBudgetDocument::workedExampleInEnvelopeMode()
{
    BudgetDocument document;
    fillWorkedExample(document);
    DocumentSetup::setEnvelopeView(document, true);
    setEnvelope(document, QStringLiteral("Food"), kJan, QStringLiteral("300"));
    setEnvelope(document, QStringLiteral("Rent"), kJan, QStringLiteral("800"));
    DocumentFixtures::recalculate(document);
    QCOMPARE(cell(document, "Budget", u"jan"), QStringLiteral("1100"));
    QCOMPARE(cell(document, "Food", u"jan"), QStringLiteral("234.9"));
    QCOMPARE(cell(document, "Rent", u"jan"), QStringLiteral("0"));
    QCOMPARE(cell(document, "Remain", u"jan"), QStringLiteral("234.9"));
    // The typed budget is not used in envelope mode.
    QCOMPARE(cell(document, "Budget", u"feb"), QStringLiteral("0"));
    QCOMPARE(cell(document, "Food", u"average"), QStringLiteral("234"));

    // An untouched envelope of an inactive month adds to the sum but not the divisor.
    setEnvelope(document, QStringLiteral("Rent"), kFeb, QStringLiteral("100"));
    DocumentFixtures::recalculate(document);
    QCOMPARE(cell(document, "Rent", u"feb"), QStringLiteral("100"));
    QCOMPARE(cell(document, "Rent", u"average"), QStringLiteral("100"));
    QCOMPARE(cell(document, "Budget", u"feb"), QStringLiteral("100"));
}

void TestBudgetDocument::remainIsBudgetMinusAllBookedInBothModes_data()
{
    QTest::addColumn<bool>("envelope");
    QTest::addColumn<QString>("budget");
    QTest::addColumn<QString>("foodCell");
    QTest::addColumn<QString>("remain");

    QTest::newRow("standard") << false << "1000.50" << "120.25" << "880.25";
    QTest::newRow("envelope") << true << "450" << "179.75" << "329.75";
}

void TestBudgetDocument::remainIsBudgetMinusAllBookedInBothModes()
{
    QFETCH(bool, envelope);
    QFETCH(QString, budget);
    QFETCH(QString, foodCell);
    QFETCH(QString, remain);
    BudgetDocument document;
    DocumentSetup::setEnvelopeView(document, envelope);
    DocumentFixtures::setBudget(document, kJan, QStringLiteral("1000.50"));
    DocumentFixtures::addCategory(document, QStringLiteral("Food"));
    DocumentFixtures::addCategory(document, QStringLiteral("Fun"));
    setEnvelope(document, QStringLiteral("Food"), kJan, QStringLiteral("300"));
    setEnvelope(document, QStringLiteral("Fun"), kJan, QStringLiteral("150"));
    addItem(document, QStringLiteral("Food"), kJan, "2", "Market", "100.25");
    addItem(document, QStringLiteral("Food"), kJan, "3", "Market", "20");
    DocumentWriter(document).updateTotalsForMonth(kJan);
    QCOMPARE(cell(document, "Budget", u"jan"), budget);
    QCOMPARE(cell(document, "Food", u"jan"), foodCell);
    QCOMPARE(cell(document, "Remain", u"jan"), remain);
}

void TestBudgetDocument::budgetTextIsTakenUnchangedInStandardMode()
{
    BudgetDocument document;
    DocumentFixtures::addCategory(document, QStringLiteral("Food"));
    DocumentFixtures::setBudget(document, kJan, QStringLiteral("2500.00"));
    DocumentWriter(document).updateTotalsForMonth(kJan);
    QCOMPARE(cell(document, "Budget", u"jan"), QStringLiteral("2500.00"));
    QCOMPARE(cell(document, "Remain", u"jan"), QStringLiteral("2500"));

    BudgetDocument empty;
    DocumentSetup::setEnvelopeView(empty, true);
    QCOMPARE(empty.calculateBudgetForColumnId(kJan), QStringLiteral("0"));
}

void TestBudgetDocument::withoutCategoriesOnlyBudgetAndRemainChange()
{
    BudgetDocument document;
    DocumentFixtures::setBudget(document, kJan, QStringLiteral("12.50"));
    QSignalSpy redisplay(&document, &BudgetDocument::redisplayRequested);
    DocumentWriter(document).updateTotalsForMonth(kJan);
    QCOMPARE(cell(document, "Budget", u"jan"), QStringLiteral("12.50"));
    QCOMPARE(cell(document, "Remain", u"jan"), QStringLiteral("12.50"));
    QCOMPARE(cell(document, "Budget", u"average"), QString());
    QCOMPARE(cell(document, "Remain", u"average"), QStringLiteral("0"));
    QCOMPARE(redisplay.count(), 0);
}

void TestBudgetDocument::descColumnChangesNothing()
{
    BudgetDocument document;
    fillWorkedExample(document);
    const QList<CategoryRow> before = document.getCatArray();
    QSignalSpy redisplay(&document, &BudgetDocument::redisplayRequested);
    DocumentWriter(document).updateTotalsForMonth(-1);
    DocumentWriter(document).updateTotalsForMonth(MonthTables::kMonthCount);
    QCOMPARE(document.getCatArray(), before);
    QCOMPARE(redisplay.count(), 0);
}

void TestBudgetDocument::onlyEnvelopeEntriesGiveZeroEverywhere()
{
    BudgetDocument document;
    DocumentWriter(document).createCategory(QStringLiteral("Food"), QStringLiteral("9"));
    setEnvelope(document, QStringLiteral("Food"), kJan, QStringLiteral("300"));
    DocumentFixtures::recalculate(document);
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        QCOMPARE(document.getCatArray()[3].months[month], QStringLiteral("0"));
    QCOMPARE(cell(document, "Food", u"average"), QStringLiteral("0"));

    DocumentSetup::setEnvelopeView(document, true);
    DocumentFixtures::recalculate(document);
    QCOMPARE(cell(document, "Food", u"jan"), QStringLiteral("300"));
    QCOMPARE(cell(document, "Food", u"average"), QStringLiteral("0"));
}

void TestBudgetDocument::refundsGiveNegativeCellsAndTruncatedAverages()
{
    BudgetDocument document;
    DocumentFixtures::addCategory(document, QStringLiteral("Returns"));
    DocumentFixtures::addCategory(document, QStringLiteral("Other"));
    addItem(document, QStringLiteral("Returns"), kJan, "3", "Shop", "-12.5");
    addItem(document, QStringLiteral("Returns"), kFeb, "4", "Shop", "-13");
    addItem(document, QStringLiteral("Returns"), kFeb, "5", "Shop", "-12");
    DocumentFixtures::recalculate(document);
    QCOMPARE(cell(document, "Returns", u"jan"), QStringLiteral("-12.5"));
    QCOMPARE(cell(document, "Returns", u"feb"), QStringLiteral("-25"));
    // (-12 + -25) / 2 cut toward zero.
    QCOMPARE(cell(document, "Returns", u"average"), QStringLiteral("-18"));
    QCOMPARE(cell(document, "Other", u"average"), QStringLiteral("0"));
    QCOMPARE(cell(document, "Remain", u"feb"), QStringLiteral("25"));
}

void TestBudgetDocument::recalculateRecomputesEveryMonth()
{
    BudgetDocument document;
    DocumentFixtures::addCategory(document, QStringLiteral("Food"));
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        DocumentFixtures::setBudget(document, month, QString::number(100 + month));
        addItem(document, QStringLiteral("Food"), month, "1", "x", QString::number(month + 1) + ".5");
    }
    DocumentFixtures::recalculate(document);
    for (int month = 0; month < MonthTables::kMonthCount; ++month) {
        QCOMPARE(document.getCatArray()[3].months[month], QString::number(month + 1) + ".5");
        QCOMPARE(document.getCatArray()[kRemainingRowIndex].months[month], QStringLiteral("98.5"));
    }
    QCOMPARE(cell(document, "Food", u"average"), QStringLiteral("6")); // (1 + … + 12) / 12
}

void TestBudgetDocument::gridShowsWholeUnitsExceptNamesAndFixedAverages_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("columnId");
    QTest::addColumn<QString>("shown");

    QTest::newRow("name") << 3 << "desc" << "Food";
    QTest::newRow("category month") << 3 << "jan" << "65";
    QTest::newRow("category average") << 3 << "average" << "65";
    QTest::newRow("remain month") << 1 << "jan" << "1634";
    QTest::newRow("budget average stays empty") << 0 << "average" << "";
    QTest::newRow("separator month") << 2 << "jan" << "-----";
    QTest::newRow("separator average") << 2 << "average" << "-----";
}

void TestBudgetDocument::gridShowsWholeUnitsExceptNamesAndFixedAverages()
{
    QFETCH(int, row);
    QFETCH(QString, columnId);
    QFETCH(QString, shown);
    BudgetDocument document;
    fillWorkedExample(document);
    DocumentFixtures::recalculate(document);
    QCOMPARE(gridDisplayText(document.getCatArray()[row], row, columnId), shown);
    QCOMPARE(gridColumnIds().size(), 14);
}

void TestBudgetDocument::compareDataRecordOrdersByKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("valueA");
    QTest::addColumn<QString>("dayA");
    QTest::addColumn<QString>("valueB");
    QTest::addColumn<QString>("dayB");
    QTest::addColumn<int>("order");

    QTest::newRow("day") << "day" << "" << "3" << "" << "12" << -1;
    QTest::newRow("day as number, not text") << "day" << "" << "10" << "" << "9" << 1;
    QTest::newRow("same day") << "day" << "" << "4" << "" << "04" << 0;
    QTest::newRow("amount numeric") << "amount" << "9" << "1" << "10" << "1" << -1;
    QTest::newRow("amount equal, day decides") << "amount" << "5.0" << "8" << "5" << "2" << 1;
    QTest::newRow("amount negative") << "amount" << "-3" << "1" << "0" << "1" << -1;
    QTest::newRow("desc as text") << "desc" << "10" << "1" << "9" << "1" << -1;
    QTest::newRow("desc upper before lower") << "desc" << "Z" << "1" << "a" << "1" << -1;
    QTest::newRow("desc equal, day decides") << "desc" << "Shop" << "2" << "Shop" << "1" << 1;
    QTest::newRow("note as text") << "note" << "b" << "1" << "a" << "1" << 1;
    QTest::newRow("category as text") << "category" << "" << "1" << "" << "2" << -1;
    QTest::newRow("empty key") << "" << "a" << "1" << "b" << "2" << 0;
    QTest::newRow("other key") << "reconciled" << "a" << "1" << "b" << "2" << 0;
}

void TestBudgetDocument::compareDataRecordOrdersByKey()
{
    QFETCH(QString, key);
    QFETCH(QString, valueA);
    QFETCH(QString, dayA);
    QFETCH(QString, valueB);
    QFETCH(QString, dayB);
    QFETCH(int, order);
    Entry a{dayA, {}, {}, {}, QStringLiteral(" ")};
    Entry b{dayB, {}, {}, {}, QStringLiteral(" ")};
    if (key == u"amount") {
        a.amount = valueA;
        b.amount = valueB;
    } else if (key == u"note") {
        a.note = valueA;
        b.note = valueB;
    } else {
        a.desc = valueA;
        b.desc = valueB;
    }
    QCOMPARE(compareDataRecord(a, b, key), order);
    QCOMPARE(compareDataRecord(b, a, key), -order);
}

QTEST_GUILESS_MAIN(TestBudgetDocument)
#include "tst_budgetdocument.moc"
