#include "BadInputTable.h"
#include "DocumentFixtures.h"
#include "editing/DocumentEditing.h"
#include "register/voCategoryEditWinData.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace DocumentFixtures;

namespace {

constexpr int kJan = 0;


} // namespace

class TestCategoryEditData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsTheCategoriesInBudgetOrder();
    void anEmptyBudgetGivesAnEmptyList();
    void addingPicksAFreeNameAndAsksForItsEditing();
    void renamingChecksTheName_data();
    void renamingChecksTheName();
    void renamingKeepsEveryValueOfTheCategory();
    void deletingRemovesTheSelectedCategoryAndItsData();
    void modelPassesTheItemModelTester();

private:
    BudgetDocument *_document = nullptr;
    DocumentEditing *_edits = nullptr;
    voCategoryEditWinData *_data = nullptr;
};

void TestCategoryEditData::init()
{
    _document = new BudgetDocument;
    _edits = new DocumentEditing(*_document);
    for (const char *name : {"Food", "Rent", "Fun"})
        DocumentFixtures::addCategory(*_document, QString::fromLatin1(name));
    _data = new voCategoryEditWinData(*_edits);
    _data->initData();
}

void TestCategoryEditData::cleanup()
{
    delete _data;
    delete _edits;
    delete _document;
}

void TestCategoryEditData::listsTheCategoriesInBudgetOrder()
{
    QCOMPARE(_data->categoryList(), (QStringList{"Food", "Rent", "Fun"}));
    QCOMPARE(_data->rowCount(), 3);
    QCOMPARE(_data->data(_data->index(2)).toString(), QStringLiteral("Fun"));
    QCOMPARE(_data->objectValueForTableColumn(1, 0), QString());
}

void TestCategoryEditData::anEmptyBudgetGivesAnEmptyList()
{
    BudgetDocument empty;
    DocumentEditing emptyEdits(empty);
    voCategoryEditWinData data(emptyEdits);
    data.initData();
    QCOMPARE(data.rowCount(), 0);
    data.addCategory();
    QCOMPARE(data.categoryList(), QStringList{kDefaultCategoryName});
    QCOMPARE(categoryNames(empty), QStringList{kDefaultCategoryName});
}

void TestCategoryEditData::addingPicksAFreeNameAndAsksForItsEditing()
{
    QSignalSpy edit(_data, &voCategoryEditWinData::editRequested);
    _data->addCategory();
    _data->addCategory();

    const QStringList expected{"Food", "Rent", "Fun", "New Category", "New Category 2"};
    QCOMPARE(_data->categoryList(), expected);
    QCOMPARE(categoryNames(*_document), expected);
    QCOMPARE(_document->getCatArray().last().months[kJan], QStringLiteral("0"));
    QCOMPARE(*_document->entryList(QStringLiteral("New Category 2"), kJan), EntryList{Entry::envelope()});
    QCOMPARE(edit.count(), 2);
    QCOMPARE(edit.last().first().value<QModelIndex>(), _data->index(4));
    QCOMPARE(_data->selectionModel()->selectedIndexes(), QModelIndexList{_data->index(4)});
}

void TestCategoryEditData::renamingChecksTheName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message"); // empty: not refused
    QTest::addColumn<QString>("name");

    QTest::newRow("new name") << "Groceries" << true << "" << "Groceries";
    QTest::newRow("same name") << "Rent" << true << "" << "Rent";
    QTest::newRow("empty") << "" << false << "" << "Rent";
    QTest::newRow("name of another category")
        << "Fun" << false << "There is already a category named \"Fun\". Choose another name." << "Rent";
    QTest::newRow("line break") << "Rent\nHouse" << false << BadInput::kNameLineBreak << "Rent";
    QTest::newRow("leading semicolon") << ";Rent" << false << BadInput::kNameSemicolon << "Rent";
}

void TestCategoryEditData::renamingChecksTheName()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, message);
    QFETCH(QString, name);

    QSignalSpy refusals(_data, &voCategoryEditWinData::editRefused);
    QCOMPARE(_data->setData(_data->index(1), typed), accepted);
    QCOMPARE(_data->categoryList().at(1), name);
    QCOMPARE(categoryNames(*_document), (QStringList{"Food", name, "Fun"}));
    QVERIFY(_document->entryList(name, kJan) != nullptr);
    QCOMPARE(refusals.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(refusals.first().first().toString(), message);
}

void TestCategoryEditData::renamingKeepsEveryValueOfTheCategory()
{
    addItem(*_document, QStringLiteral("Rent"), kJan, QStringLiteral("1"), QStringLiteral("Landlord"),
            QStringLiteral("800"));
    setEnvelope(*_document, QStringLiteral("Rent"), kJan, QStringLiteral("750"));
    DocumentFixtures::recalculate(*_document);
    const MonthLists lists = _document->getCatDataDictionary().at(QStringLiteral("Rent"));

    QVERIFY(_data->setData(_data->index(1), QStringLiteral("Housing")));
    QCOMPARE(_document->getCatDataDictionary().count(QStringLiteral("Rent")), 0u);
    QVERIFY(_document->getCatDataDictionary().at(QStringLiteral("Housing")) == lists);
    QCOMPARE(_document->getCatArray()[kFirstCategoryRow + 1].months[kJan], QStringLiteral("800"));
}

void TestCategoryEditData::deletingRemovesTheSelectedCategoryAndItsData()
{
    addItem(*_document, QStringLiteral("Fun"), kJan, QStringLiteral("12"), QStringLiteral("Cinema"),
            QStringLiteral("9"));
    QCOMPARE(_data->selectedRow(), -1);
    _data->selectionModel()->select(_data->index(1), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(_data->selectedRow(), 1);
    _data->delCategory(_data->selectedRow());

    QCOMPARE(_data->categoryList(), (QStringList{"Food", "Fun"}));
    QCOMPARE(categoryNames(*_document), (QStringList{"Food", "Fun"}));
    // The rows after the deleted one still name their own data.
    QCOMPARE(_document->entryList(QStringLiteral("Fun"), kJan)->at(1).desc, QStringLiteral("Cinema"));
    QVERIFY(!_data->selectionModel()->hasSelection());
}

void TestCategoryEditData::modelPassesTheItemModelTester()
{
    QAbstractItemModelTester tester(_data, QAbstractItemModelTester::FailureReportingMode::QtTest);
    _data->addCategory();
    QVERIFY(_data->setData(_data->index(3), QStringLiteral("Travel")));
    _data->selectionModel()->select(_data->index(0), QItemSelectionModel::ClearAndSelect);
    _data->delCategory(0);
    _data->initData();
    QCOMPARE(_data->categoryList(), (QStringList{"Rent", "Fun", "Travel"}));
}

QTEST_GUILESS_MAIN(TestCategoryEditData)
#include "tst_categoryeditdata.moc"
