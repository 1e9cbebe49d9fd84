#include "DocumentFixtures.h"
#include "RecordingHost.h"
#include "RegisterRecords.h"
#include "editing/DocumentEditing.h"
#include "editing/DocumentSetup.h"
#include "register/voCheckViewData.h"

#include "document/EntryCompare.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace DocumentFixtures;
using RegisterRecords::columnOf;
using RegisterRecords::rowOf;

namespace {

constexpr int kJan = 0;
constexpr int kFeb = 1;
constexpr int kMar = 2;
constexpr int kDec = 11;

QStringList shownDescs(const voCheckViewData &data) { return RegisterRecords::column(data, QStringLiteral("desc")); }

} // namespace

class TestCheckViewData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadingListsBookedItemsOfEveryCategoryInBudgetOrder();
    void loadingAnEmptyMonthShowsTheBudgetAsRemaining();
    void writeBackHappensOnlyWhenSomethingChanged_data();
    void writeBackHappensOnlyWhenSomethingChanged();
    void changedCategoryMovesRecordToTheEndOfTheOtherList();
    void reconciledCheckBoxTogglesTheStoredMark();
    void typedTextIsCheckedBeforeItIsStored_data();
    void typedTextIsCheckedBeforeItIsStored();
    void amountEditsUpdateTheRemainingFigure();
    void envelopeModeBudgetIsTheSumOfTheEnvelopes();
    void sortingOrdersByTheMethodsKey_data();
    void sortingOrdersByTheMethodsKey();
    void sortingFollowsTheEntryComparator_data();
    void sortingFollowsTheEntryComparator();
    void sortingKeepsTheSelectionOnTheSameRows();
    void sortMethodAndLastDaySurviveUnloading();
    void addedRecordStartsWithDefaultsAndIsEdited();
    void addingWithoutCategoriesIsRefused();
    void newRecordsLookUpTheirCategoryFromTheDescription_data();
    void newRecordsLookUpTheirCategoryFromTheDescription();
    void lookupRunsOnceAndNeverAfterAChosenCategory();
    void loadedRecordsNeverLookUpTheirCategory();
    void deletingRemovesTheSelectedRecords();
    void deletingOrCarryingOverNothingChangesNothing();
    void carryOverAppendsToTheNextMonthOnly();
    void carryOverFromDecemberDoesNothing();
    void modelPassesTheItemModelTester();

private:
    void select(const QList<int> &rows);

    BudgetDocument *_document = nullptr;
    DocumentEditing *_edits = nullptr;
    RecordingHost *_host = nullptr;
    voCheckViewData *_data = nullptr;
};

void TestCheckViewData::init()
{
    _document = new BudgetDocument;
    _edits = new DocumentEditing(*_document);
    _host = new RecordingHost;
    fillRegisterSample(*_document, kJan);
    setEnvelope(*_document, QStringLiteral("Food"), kJan, QStringLiteral("300"));
    _data = new voCheckViewData(*_edits, *_host);
}

void TestCheckViewData::cleanup()
{
    delete _data;
    delete _host;
    delete _edits;
    delete _document;
}

void TestCheckViewData::select(const QList<int> &rows)
{
    QItemSelectionModel *selection = _data->selectionModel();
    selection->clearSelection();
    for (const int row : rows)
        selection->select(_data->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TestCheckViewData::loadingListsBookedItemsOfEveryCategoryInBudgetOrder()
{
    _data->sortByMethod(-1); // keeps the loaded order
    _data->loadMonthData(QStringLiteral("jan"));

    QCOMPARE(_data->getMonthId(), QStringLiteral("jan"));
    QCOMPARE(shownDescs(*_data), (QStringList{"Market", "Bakery", "Landlord", "Cinema"}));
    QCOMPARE(RegisterRecords::column(*_data, QStringLiteral("category")),
             (QStringList{"Food", "Food", "Rent", "Fun"}));
    QCOMPARE(_data->record(1).note, QStringLiteral("bread"));
    QCOMPARE(_data->record(0).lookup, CategoryLookup::Never);
    QCOMPARE(_data->objectValueForTableColumn(QStringLiteral("reconciled"), 1), QVariant(1));
    QCOMPARE(_data->objectValueForTableColumn(QStringLiteral("reconciled"), 0), QVariant(0));
    QCOMPARE(_data->categoryList(), (QStringList{"Food", "Rent", "Fun"}));
    QCOMPARE(_host->total, QStringLiteral("1000"));
    QCOMPARE(_host->remaining, QStringLiteral("149.4"));
    QVERIFY(!_data->isDirty());

    _data->storeAndReleaseMonthData();
    QVERIFY(_data->getMonthId().isNull());
    QCOMPARE(_data->rowCount(), 0);
}

void TestCheckViewData::loadingAnEmptyMonthShowsTheBudgetAsRemaining()
{
    DocumentFixtures::setBudget(*_document, kMar, QStringLiteral("250.5"));
    _data->loadMonthData(QStringLiteral("mar"));
    QCOMPARE(_data->rowCount(), 0);
    QCOMPARE(_host->total, QStringLiteral("250.5"));
    QCOMPARE(_host->remaining, QStringLiteral("250.5"));
}

void TestCheckViewData::writeBackHappensOnlyWhenSomethingChanged_data()
{
    QTest::addColumn<int>("sortMethod");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("food");

    // Food's records stand in a different order by day, by amount and by description.
    const QStringList stored{"Market", "Bakery", "Apples"};
    QTest::newRow("viewed by day") << int(voCheckViewData::kSortByDay) << QString() << QString() << stored;
    QTest::newRow("sorted by amount") << int(voCheckViewData::kSortByAmount) << QString() << QString() << stored;
    QTest::newRow("same amount typed again")
        << int(voCheckViewData::kSortByDay) << QStringLiteral("amount") << QStringLiteral("800") << stored;
    QTest::newRow("amount edited, day order")
        << int(voCheckViewData::kSortByDay) << QStringLiteral("amount") << QStringLiteral("801")
        << QStringList{"Bakery", "Market", "Apples"};
    QTest::newRow("note edited, amount order")
        << int(voCheckViewData::kSortByAmount) << QStringLiteral("note") << QStringLiteral("paid")
        << QStringList{"Bakery", "Apples", "Market"};
    QTest::newRow("note edited, description order")
        << int(voCheckViewData::kSortByDesc) << QStringLiteral("note") << QStringLiteral("paid")
        << QStringList{"Apples", "Bakery", "Market"};
}

void TestCheckViewData::writeBackHappensOnlyWhenSomethingChanged()
{
    QFETCH(int, sortMethod);
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(QStringList, food);

    addItem(*_document, QStringLiteral("Food"), kJan, QStringLiteral("25"), QStringLiteral("Apples"),
            QStringLiteral("9"));
    DocumentFixtures::recalculate(*_document);
    _data->loadMonthData(QStringLiteral("jan"));
    _data->sortByMethod(sortMethod);
    if (!column.isEmpty()) {
        const int landlord = rowOf(*_data, QStringLiteral("Landlord"));
        QVERIFY(_data->setData(_data->index(landlord, columnOf(column)), value));
    }
    _data->storeAndReleaseMonthData();

    QCOMPARE(storedDescs(*_document, QStringLiteral("Food"), kJan), food);
    QCOMPARE(_document->entryList(QStringLiteral("Food"), kJan)->first().amount, QStringLiteral("300"));
    QCOMPARE(storedDescs(*_document, QStringLiteral("Rent"), kJan), (QStringList{"Landlord"}));
    const QString rentAmount = _document->entryList(QStringLiteral("Rent"), kJan)->at(1).amount;
    QCOMPARE(rentAmount, column == u"amount" ? value : QStringLiteral("800"));
    // The grid's figure follows the write-back, before any view recomputes.
    QCOMPARE(cell(*_document, QStringLiteral("Rent"), u"jan"), rentAmount);
    // The other months are never touched.
    QCOMPARE(storedDescs(*_document, QStringLiteral("Food"), kFeb), QStringList());
}

void TestCheckViewData::changedCategoryMovesRecordToTheEndOfTheOtherList()
{
    addItem(*_document, QStringLiteral("Rent"), kJan, QStringLiteral("28"), QStringLiteral("Garage"),
            QStringLiteral("50"));
    _data->loadMonthData(QStringLiteral("jan"));
    const int bakery = rowOf(*_data, QStringLiteral("Bakery"));
    QVERIFY(_data->setData(_data->index(bakery, columnOf("category")), QStringLiteral("Rent")));
    QCOMPARE(_data->record(bakery).lookup, CategoryLookup::Settled);
    _data->storeAndReleaseMonthData();

    QCOMPARE(storedDescs(*_document, QStringLiteral("Food"), kJan), (QStringList{"Market"}));
    // Day order is the register's order: Landlord (1), Garage (28); Bakery
    // (5) comes first among Rent's records in day order.
    QCOMPARE(storedDescs(*_document, QStringLiteral("Rent"), kJan),
             (QStringList{"Landlord", "Bakery", "Garage"}));
    QCOMPARE(_document->entryList(QStringLiteral("Food"), kJan)->first(), [] {
        Entry envelope = Entry::envelope();
        envelope.amount = QStringLiteral("300");
        return envelope;
    }());
    QCOMPARE(_document->entryList(QStringLiteral("Rent"), kJan)->first(), Entry::envelope());
    // The stored entry carries exactly the five entry values.
    QCOMPARE(_document->entryList(QStringLiteral("Rent"), kJan)->at(2),
             (Entry{"5", "Bakery", "8.5", "bread", "R"}));
}

void TestCheckViewData::reconciledCheckBoxTogglesTheStoredMark()
{
    _data->loadMonthData(QStringLiteral("jan"));
    const int landlord = rowOf(*_data, QStringLiteral("Landlord"));
    const QModelIndex cell = _data->index(landlord, columnOf("reconciled"));
    QVERIFY(_data->flags(cell).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(!_data->flags(cell).testFlag(Qt::ItemIsEditable));

    QVERIFY(_data->setData(cell, Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(_data->data(cell, Qt::CheckStateRole), QVariant(Qt::Checked));
    QCOMPARE(_data->record(landlord).reconciled, QStringLiteral("R"));
    _data->storeAndReleaseMonthData();
    QCOMPARE(_document->entryList(QStringLiteral("Rent"), kJan)->at(1).reconciled, QStringLiteral("R"));

    _data->loadMonthData(QStringLiteral("jan"));
    QVERIFY(_data->setData(cell, Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(_data->record(landlord).reconciled, QStringLiteral(" "));
    QVERIFY(_data->isDirty());
    _data->storeAndReleaseMonthData();
    QCOMPARE(_document->entryList(QStringLiteral("Rent"), kJan)->at(1).reconciled, QStringLiteral(" "));
}

void TestCheckViewData::typedTextIsCheckedBeforeItIsStored_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty when refused

    QTest::newRow("day 31") << "day" << "31" << "31";
    QTest::newRow("day with spaces") << "day" << " 7 " << "7";
    QTest::newRow("day 0") << "day" << "0" << "";
    QTest::newRow("day 32") << "day" << "32" << "";
    QTest::newRow("day not a number") << "day" << "3rd" << "";
    QTest::newRow("day empty") << "day" << "" << "";
    QTest::newRow("amount with comma") << "amount" << "12,5" << "12.5";
    QTest::newRow("amount negative") << "amount" << "-0.01" << "-0.01";
    QTest::newRow("amount with trailing text") << "amount" << "12 EUR" << "";
    QTest::newRow("amount empty") << "amount" << "" << "";
    QTest::newRow("description") << "desc" << "Chemist" << "Chemist";
    QTest::newRow("description with line break") << "desc" << "two\nlines" << "";
    QTest::newRow("description like a comment") << "desc" << "; not a comment" << "";
    QTest::newRow("note with tab") << "note" << "a\tb" << "a b";
    QTest::newRow("note with line break") << "note" << "a\r\nb" << "";
    QTest::newRow("category of the budget") << "category" << "Fun" << "Fun";
    QTest::newRow("category not in the budget") << "category" << "Travel" << "";
    QTest::newRow("category of a fixed row") << "category" << "Budget" << "";
}

void TestCheckViewData::typedTextIsCheckedBeforeItIsStored()
{
    QFETCH(QString, column);
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    _data->loadMonthData(QStringLiteral("jan"));
    const RegisterRecord before = _data->record(0);
    QSignalSpy changed(_data, &QAbstractItemModel::dataChanged);
    QSignalSpy refusals(_data, &voCheckViewData::editRefused);
    const bool accepted = _data->setData(_data->index(0, columnOf(column)), typed);

    if (stored.isEmpty()) {
        QVERIFY(!accepted);
        QCOMPARE(refusals.size(), 1);
        QVERIFY(!refusals.first().first().toString().isEmpty());
        QCOMPARE(_data->record(0).value(column), before.value(column));
        QVERIFY(!_data->isDirty());
        QCOMPARE(changed.count(), 0);
    } else {
        QVERIFY(accepted);
        QVERIFY(refusals.isEmpty());
        QCOMPARE(_data->record(0).value(column), stored);
        QCOMPARE(_data->data(_data->index(0, columnOf(column))).toString(), stored);
        QVERIFY(_data->isDirty());
        QCOMPARE(changed.count(), 1);
    }
    QCOMPARE(_data->lastDayEntered(), column == u"day" && !stored.isEmpty() ? stored : kInitialDay);
}

void TestCheckViewData::amountEditsUpdateTheRemainingFigure()
{
    _data->loadMonthData(QStringLiteral("jan"));
    const int cinema = rowOf(*_data, QStringLiteral("Cinema"));
    QVERIFY(_data->setData(_data->index(cinema, columnOf("amount")), QStringLiteral("200.61")));
    QCOMPARE(_host->total, QStringLiteral("1000"));
    QCOMPARE(_host->remaining, QStringLiteral("-54.21"));
}

void TestCheckViewData::envelopeModeBudgetIsTheSumOfTheEnvelopes()
{
    DocumentSetup::setEnvelopeView(*_document, true);
    setEnvelope(*_document, QStringLiteral("Rent"), kJan, QStringLiteral("800"));
    _data->loadMonthData(QStringLiteral("jan"));
    QCOMPARE(_host->total, QStringLiteral("1100"));
    QCOMPARE(_host->remaining, QStringLiteral("249.4"));
}

void TestCheckViewData::sortingOrdersByTheMethodsKey_data()
{
    QTest::addColumn<QString>("column"); // whose header sorts by the method
    QTest::addColumn<int>("method");
    QTest::addColumn<QStringList>("descs");

    QTest::newRow("day") << "day" << 0 << QStringList{"Landlord", "Bakery", "Cinema", "Market"};
    QTest::newRow("category, then day") << "category" << 1 << QStringList{"Bakery", "Market", "Cinema", "Landlord"};
    QTest::newRow("amount as a number") << "amount" << 2 << QStringList{"Cinema", "Bakery", "Market", "Landlord"};
    QTest::newRow("description as text") << "desc" << 3 << QStringList{"Bakery", "Cinema", "Landlord", "Market"};
    QTest::newRow("note, then day") << "note" << 4 << QStringList{"Landlord", "Cinema", "Market", "Bakery"};
    QTest::newRow("reconciled: no key, the order stays")
        << "reconciled" << -1 << QStringList{"Landlord", "Bakery", "Cinema", "Market"};
}

void TestCheckViewData::sortingOrdersByTheMethodsKey()
{
    QFETCH(QString, column);
    QFETCH(int, method);
    QFETCH(QStringList, descs);
    QCOMPARE(voCheckViewData::sortMethodForColumn(column), method);
    _data->loadMonthData(QStringLiteral("jan"));
    QSignalSpy reset(_data, &QAbstractItemModel::modelReset);
    _data->sortByMethod(method);
    QCOMPARE(shownDescs(*_data), descs);
    QCOMPARE(_data->sortMethod(), method);
    QVERIFY(!_data->isDirty());
    QCOMPARE(reset.count(), 0);
}

void TestCheckViewData::sortingFollowsTheEntryComparator_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("key");
    QTest::newRow("day") << 0 << "day";
    QTest::newRow("category") << 1 << "category";
    QTest::newRow("amount") << 2 << "amount";
    QTest::newRow("description") << 3 << "desc";
    QTest::newRow("note") << 4 << "note";
}

void TestCheckViewData::sortingFollowsTheEntryComparator()
{
    QFETCH(int, method);
    QFETCH(QString, key);

    // Few distinct values, so that ties are common; texts that read as
    // numbers, or start like them, and days and amounts as stored by old files.
    const QStringList days{"1", "2", "10", "31", " 7", "0", "x"};
    const QStringList amounts{"9", "10", "-3", "0.5", "1e2", "", "abc", "10.0", "-0"};
    const QStringList texts{"", "a", "Z", "10", "9", "Apple", "apple"};
    const QStringList categories{"Food", "Rent", "Fun"};
    QRandomGenerator random(7);
    const auto pick = [&random](const QStringList &values) { return values[random.bounded(int(values.size()))]; };
    for (int at = 0; at < 400; ++at)
        addItem(*_document, pick(categories), kMar, pick(days), pick(texts), pick(amounts), pick(texts));

    _data->sortByMethod(-1);
    _data->loadMonthData(QStringLiteral("mar"));
    QList<RegisterRecord> expected;
    for (int row = 0; row < _data->rowCount(); ++row)
        expected.append(_data->record(row));
    std::stable_sort(expected.begin(), expected.end(), [&key](const RegisterRecord &a, const RegisterRecord &b) {
        return compareDataRecord(a, b, key) < 0;
    });

    _data->sortByMethod(method);
    for (int row = 0; row < _data->rowCount(); ++row) {
        QCOMPARE(_data->record(row).toEntry(), expected[row].toEntry());
        QCOMPARE(_data->record(row).category, expected[row].category);
    }
}

void TestCheckViewData::sortingKeepsTheSelectionOnTheSameRows()
{
    _data->loadMonthData(QStringLiteral("jan"));
    select({0, 2});
    _data->sortByMethod(voCheckViewData::kSortByDesc);
    QCOMPARE(_data->selectedRows(), (QList<int>{0, 2}));
}

void TestCheckViewData::sortMethodAndLastDaySurviveUnloading()
{
    _data->loadMonthData(QStringLiteral("jan"));
    _data->sortByMethod(voCheckViewData::kSortByAmount);
    QVERIFY(_data->setData(_data->index(0, columnOf("day")), QStringLiteral("9")));
    _data->storeAndReleaseMonthData();

    addItem(*_document, QStringLiteral("Food"), kFeb, QStringLiteral("1"), QStringLiteral("Big"),
            QStringLiteral("99"));
    addItem(*_document, QStringLiteral("Food"), kFeb, QStringLiteral("2"), QStringLiteral("Small"),
            QStringLiteral("1"));
    _data->loadMonthData(QStringLiteral("feb"));
    QCOMPARE(shownDescs(*_data), (QStringList{"Small", "Big"}));
    _data->addData();
    QCOMPARE(_data->record(2).day, QStringLiteral("9"));
}

void TestCheckViewData::addedRecordStartsWithDefaultsAndIsEdited()
{
    _data->loadMonthData(QStringLiteral("mar"));
    QSignalSpy edit(_data, &voCheckViewData::editRequested);
    _data->addData();

    QCOMPARE(_data->rowCount(), 1);
    const RegisterRecord &added = _data->record(0);
    QCOMPARE(added.toEntry(), (Entry{kInitialDay, kInitialDescription, "0", kInitialNote, " "}));
    QCOMPARE(added.category, QStringLiteral("Food"));
    QCOMPARE(added.lookup, CategoryLookup::Pending);
    QVERIFY(_data->isDirty());
    QCOMPARE(_data->selectedRows(), QList<int>{0});
    QCOMPARE(edit.count(), 1);
    QCOMPARE(edit.first().first().value<QModelIndex>(), _data->index(0, 1));

    // Appended at the end, whatever the order in force.
    _data->addData();
    QCOMPARE(_data->selectedRows(), QList<int>{1});
    _data->storeAndReleaseMonthData();
    QCOMPARE(storedDescs(*_document, QStringLiteral("Food"), kMar),
             (QStringList{"Unknown", "Unknown"}));
}

void TestCheckViewData::addingWithoutCategoriesIsRefused()
{
    BudgetDocument empty;
    DocumentEditing emptyEdits(empty);
    voCheckViewData data(emptyEdits, *_host);
    data.loadMonthData(QStringLiteral("jan"));
    QVERIFY(data.addData().isRefused());
    QCOMPARE(data.rowCount(), 0);
    QVERIFY(!data.isDirty());
}

void TestCheckViewData::newRecordsLookUpTheirCategoryFromTheDescription_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("desc");
    QTest::addColumn<QString>("category");

    // February's register holds "Shop" under Rent then under Fun; January
    // stores "Shop" under Food and "Cinema" under Fun; March stores "Later"
    // under Rent.
    QTest::newRow("last register record wins") << "feb" << "Shop" << "Fun";
    QTest::newRow("earlier month") << "feb" << "Cinema" << "Fun";
    QTest::newRow("case matters") << "feb" << "shop" << "Food";
    QTest::newRow("nowhere: first category") << "feb" << "Nothing" << "Food";
    QTest::newRow("later months are not searched") << "feb" << "Later" << "Food";
    QTest::newRow("latest earlier month first") << "apr" << "Later" << "Rent";
    QTest::newRow("January has no earlier month") << "jan" << "Later" << "Food";
    QTest::newRow("stored copy of the month is not searched") << "mar" << "Later" << "Fun";
}

void TestCheckViewData::newRecordsLookUpTheirCategoryFromTheDescription()
{
    QFETCH(QString, month);
    QFETCH(QString, desc);
    QFETCH(QString, category);

    addItem(*_document, QStringLiteral("Food"), kJan, QStringLiteral("3"), QStringLiteral("Shop"),
            QStringLiteral("1"));
    addItem(*_document, QStringLiteral("Rent"), kFeb, QStringLiteral("3"), QStringLiteral("Shop"),
            QStringLiteral("1"));
    addItem(*_document, QStringLiteral("Fun"), kFeb, QStringLiteral("4"), QStringLiteral("Shop"),
            QStringLiteral("1"));
    addItem(*_document, QStringLiteral("Rent"), kMar, QStringLiteral("3"), QStringLiteral("Later"),
            QStringLiteral("1"));
    addItem(*_document, QStringLiteral("Fun"), kFeb, QStringLiteral("5"), QStringLiteral("Later"),
            QStringLiteral("1"));
    // March's register itself holds "Later" under Rent; deleting it leaves
    // only the stored copy, which must not answer.
    _data->loadMonthData(month);
    if (month == u"mar") {
        select({0});
        _data->delData();
    }
    if (month == u"feb") {
        // "Later" in February's register would answer for February itself.
        const int later = rowOf(*_data, QStringLiteral("Later"));
        QVERIFY(_data->setData(_data->index(later, columnOf("desc")), QStringLiteral("Gone")));
    }

    _data->addData();
    const int added = _data->rowCount() - 1;
    QVERIFY(_data->setData(_data->index(added, columnOf("desc")), desc));
    QCOMPARE(_data->record(added).category, category);
    QCOMPARE(_data->record(added).desc, desc);
    QCOMPARE(_data->record(added).lookup, CategoryLookup::Settled);
}

void TestCheckViewData::lookupRunsOnceAndNeverAfterAChosenCategory()
{
    _data->loadMonthData(QStringLiteral("jan"));
    _data->addData();
    const int added = _data->rowCount() - 1;
    QVERIFY(_data->setData(_data->index(added, columnOf("desc")), QStringLiteral("Landlord")));
    QCOMPARE(_data->record(added).category, QStringLiteral("Rent"));
    QVERIFY(_data->setData(_data->index(added, columnOf("desc")), QStringLiteral("Cinema")));
    QCOMPARE(_data->record(added).category, QStringLiteral("Rent"));

    _data->addData();
    const int chosen = _data->rowCount() - 1;
    QVERIFY(_data->setData(_data->index(chosen, columnOf("category")), QStringLiteral("Fun")));
    QVERIFY(_data->setData(_data->index(chosen, columnOf("desc")), QStringLiteral("Landlord")));
    QCOMPARE(_data->record(chosen).category, QStringLiteral("Fun"));
}

void TestCheckViewData::loadedRecordsNeverLookUpTheirCategory()
{
    _data->loadMonthData(QStringLiteral("jan"));
    const int market = rowOf(*_data, QStringLiteral("Market"));
    QVERIFY(_data->setData(_data->index(market, columnOf("desc")), QStringLiteral("Landlord")));
    QCOMPARE(_data->record(market).category, QStringLiteral("Food"));
    QCOMPARE(_data->record(market).lookup, CategoryLookup::Never);
}

void TestCheckViewData::deletingRemovesTheSelectedRecords()
{
    _data->loadMonthData(QStringLiteral("jan"));
    select({0, 2});
    _data->delData();

    QCOMPARE(shownDescs(*_data), (QStringList{"Bakery", "Market"}));
    QVERIFY(_data->selectedRows().isEmpty());
    QVERIFY(_data->isDirty());
    QCOMPARE(_host->remaining, QStringLiteral("946.4"));
    _data->storeAndReleaseMonthData();
    QCOMPARE(storedDescs(*_document, QStringLiteral("Rent"), kJan), QStringList());
}

void TestCheckViewData::deletingOrCarryingOverNothingChangesNothing()
{
    _data->loadMonthData(QStringLiteral("jan"));
    _data->delData();
    QVERIFY(!_data->carryOverData().isChanged());
    QCOMPARE(_data->rowCount(), 4);
    QVERIFY(!_data->isDirty());
    QCOMPARE(storedDescs(*_document, QStringLiteral("Food"), kFeb), QStringList());
}

void TestCheckViewData::carryOverAppendsToTheNextMonthOnly()
{
    addItem(*_document, QStringLiteral("Food"), kFeb, QStringLiteral("2"), QStringLiteral("Already"),
            QStringLiteral("1"));
    const EntryList january = *_document->entryList(QStringLiteral("Food"), kJan);
    _data->loadMonthData(QStringLiteral("jan"));
    // Day order: Landlord (Rent), Bakery (Food), Cinema (Fun), Market (Food).
    select({1, 2, 3});
    QVERIFY(_data->carryOverData().isChanged());

    QCOMPARE(*_document->entryList(QStringLiteral("Food"), kFeb),
             (EntryList{Entry::envelope(), Entry{"2", "Already", "1", "", " "}, Entry{"5", "Bakery", "8.5", "", " "},
                        Entry{"20", "Market", "45.10", "", " "}}));
    QCOMPARE(*_document->entryList(QStringLiteral("Fun"), kFeb),
             (EntryList{Entry::envelope(), Entry{"12", "Cinema", "-3", "", " "}}));
    QCOMPARE(storedDescs(*_document, QStringLiteral("Rent"), kFeb), QStringList());

    QVERIFY(!_data->isDirty());
    QCOMPARE(_data->selectedRows(), (QList<int>{1, 2, 3}));
    QCOMPARE(_data->rowCount(), 4);
    QCOMPARE(_host->remaining, QStringLiteral("149.4"));
    QCOMPARE(_data->record(1).note, QStringLiteral("bread"));
    // The carried records stay in January as they were, notes and marks kept.
    _data->storeAndReleaseMonthData();
    QCOMPARE(*_document->entryList(QStringLiteral("Food"), kJan), january);
}

void TestCheckViewData::carryOverFromDecemberDoesNothing()
{
    addItem(*_document, QStringLiteral("Food"), kDec, QStringLiteral("24"), QStringLiteral("Gifts"),
            QStringLiteral("70"));
    std::vector<EntryList> before;
    for (const auto &[name, lists] : _document->getCatDataDictionary())
        before.insert(before.end(), lists.begin(), lists.end());

    _data->loadMonthData(QStringLiteral("dec"));
    select({0});
    QVERIFY(!_data->carryOverData().isChanged());

    std::vector<EntryList> after;
    for (const auto &[name, lists] : _document->getCatDataDictionary())
        after.insert(after.end(), lists.begin(), lists.end());
    QVERIFY(before == after);
}

void TestCheckViewData::modelPassesTheItemModelTester()
{
    QAbstractItemModelTester tester(_data, QAbstractItemModelTester::FailureReportingMode::QtTest);
    _data->loadMonthData(QStringLiteral("jan"));
    _data->sortByMethod(voCheckViewData::kSortByNote);
    _data->addData();
    QVERIFY(_data->setData(_data->index(0, columnOf("amount")), QStringLiteral("1")));
    select({1, 2});
    _data->delData();
    _data->storeAndReleaseMonthData();
    _data->loadMonthData(QStringLiteral("feb"));
}

QTEST_GUILESS_MAIN(TestCheckViewData)
#include "tst_checkviewdata.moc"
