#include "DocumentFixtures.h"
#include "RecordingHost.h"
#include "document/DocumentSnapshot.h"
#include "editing/DocumentEditing.h"
#include "editing/DocumentSetup.h"
#include "register/voCheckViewData.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace DocumentFixtures;

namespace {

constexpr int kJan = 0;
constexpr int kMar = 2;

using Change = std::function<void(BudgetDocument &)>;

/// Three categories with items in January and March, budgets and envelopes,
/// recomputed as the program holds it.
void fillDocument(BudgetDocument &document)
{
    for (const char *name : {"Food", "Rent", "Fun"})
        DocumentFixtures::addCategory(document, QString::fromLatin1(name));
    DocumentFixtures::setBudget(document, kMar, QStringLiteral("1000"));
    setEnvelope(document, QStringLiteral("Food"), kMar, QStringLiteral("300"));
    addItem(document, QStringLiteral("Food"), kMar, QStringLiteral("20"), QStringLiteral("Market"),
            QStringLiteral("45.10"));
    addItem(document, QStringLiteral("Food"), kMar, QStringLiteral("5"), QStringLiteral("Bakery"),
            QStringLiteral("8.5"), QStringLiteral("bread"));
    addItem(document, QStringLiteral("Rent"), kMar, QStringLiteral("1"), QStringLiteral("Landlord"),
            QStringLiteral("800"), {}, QStringLiteral("R"));
    addItem(document, QStringLiteral("Fun"), kJan, QStringLiteral("12"), QStringLiteral("Cinema"),
            QStringLiteral("-3"));
    DocumentFixtures::recalculate(document);
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestDocumentSnapshot : public QObject
{
    Q_OBJECT

private slots:
    void restoringGivesTheDocumentBack_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("rowsChange");
        QTest::newRow("budget") << Change([](BudgetDocument &d) {
            DocumentFixtures::setBudget(d, kMar, QStringLiteral("1200"));
            DocumentFixtures::recalculate(d);
        }) << false;
        QTest::newRow("item amount") << Change([](BudgetDocument &d) {
            DocumentFixtures::entryAt(d, QStringLiteral("Food"), kMar, 1).amount = QStringLiteral("46");
        }) << false;
        QTest::newRow("items added") << Change([](BudgetDocument &d) {
            addItem(d, QStringLiteral("Fun"), kMar, QStringLiteral("3"), QStringLiteral("Tea"), QStringLiteral("4"));
        }) << false;
        QTest::newRow("envelope") << Change([](BudgetDocument &d) {
            setEnvelope(d, QStringLiteral("Rent"), kJan, QStringLiteral("900"));
        }) << false;
        QTest::newRow("rename") << Change([](BudgetDocument &d) {
            DocumentWriter(d).renameCategory(4, QStringLiteral("Housing"));
        }) << true;
        QTest::newRow("new category") << Change([](BudgetDocument &d) {
            DocumentFixtures::addCategory(d, QStringLiteral("Savings"));
        }) << true;
        QTest::newRow("delete") << Change([](BudgetDocument &d) { DocumentWriter(d).deleteCategoryByIndex(3); })
                                << true;
        QTest::newRow("move") << Change([](BudgetDocument &d) { DocumentWriter(d).moveCategoryRow(5, 3); }) << true;
        QTest::newRow("erase all") << Change([](BudgetDocument &d) { DocumentSetup::eraseAllData(d); }) << true;
    }

    void restoringGivesTheDocumentBack()
    {
        QFETCH(Change, change);
        QFETCH(bool, rowsChange);
        BudgetDocument document;
        fillDocument(document);
        const DocumentSnapshot before = DocumentSnapshot::take(document);

        change(document);
        DocumentFixtures::recalculate(document);
        const DocumentSnapshot after = DocumentSnapshot::take(document);
        QVERIFY(after != before);

        QSignalSpy aboutToChange(&document, &BudgetDocument::rowsAboutToChange);
        QSignalSpy changed(&document, &BudgetDocument::rowsChanged);
        QSignalSpy redisplay(&document, &BudgetDocument::redisplayRequested);
        DocumentSetup::restore(document, before);
        QCOMPARE(document.getCatArray(), before.catArray);
        QVERIFY(document.getCatDataDictionary() == before.catData);
        QCOMPARE(document.budgetTotals(), before.budgetTotals);
        QCOMPARE(aboutToChange.size(), rowsChange ? 1 : 0);
        QCOMPARE(changed.size(), aboutToChange.size());
        QVERIFY(!redisplay.isEmpty());

        DocumentSetup::restore(document, after);
        QVERIFY(DocumentSnapshot::take(document) == after);
    }

    void aSnapshotKeepsItsDataWhileTheDocumentChanges()
    {
        BudgetDocument document;
        fillDocument(document);
        const DocumentSnapshot snapshot = DocumentSnapshot::take(document);
        const DocumentSnapshot copy = snapshot;

        DocumentFixtures::entryAt(document, QStringLiteral("Food"), kMar, 1).desc = QStringLiteral("Changed");
        DocumentWriter(document).entryList(QStringLiteral("Rent"), kMar)->resize(1);
        DocumentWriter(document).renameCategory(3, QStringLiteral("Changed"));
        DocumentFixtures::setBudget(document, kMar, QStringLiteral("1"));

        QVERIFY(snapshot == copy);
        QCOMPARE(snapshot.catData.at(QStringLiteral("Food"))[kMar].at(1).desc, QStringLiteral("Market"));
        QCOMPARE(snapshot.catData.at(QStringLiteral("Rent"))[kMar].size(), 2);
    }

    void restoringRefillsTheListsOfCategoriesThatStay()
    {
        BudgetDocument document;
        fillDocument(document);
        const DocumentSnapshot snapshot = DocumentSnapshot::take(document);
        const EntryList *food = document.entryList(QStringLiteral("Food"), kMar);

        DocumentFixtures::addCategory(document, QStringLiteral("Savings"));
        DocumentFixtures::entries(document, QStringLiteral("Food"), kMar).clear();
        DocumentSetup::restore(document, snapshot);

        // Whoever holds a category's lists still reads the right ones.
        QCOMPARE(document.entryList(QStringLiteral("Food"), kMar), food);
        QCOMPARE(food->size(), 3);
        QVERIFY(!document.entryList(QStringLiteral("Savings"), kMar));
        QCOMPARE(document.getCatDataDictionary().size(), std::size_t(3));
    }

    void restoredFiguresFollowThePresentMode()
    {
        BudgetDocument document;
        fillDocument(document);
        const DocumentSnapshot standard = DocumentSnapshot::take(document);
        QCOMPARE(cell(document, QStringLiteral("Food"), u"mar"), QStringLiteral("53.6"));

        DocumentSetup::setEnvelopeView(document, true);
        DocumentSetup::restore(document, standard);
        QCOMPARE(cell(document, QStringLiteral("Budget"), u"mar"), QStringLiteral("300"));
        QCOMPARE(cell(document, QStringLiteral("Food"), u"mar"), QStringLiteral("246.4"));
        QCOMPARE(cell(document, QStringLiteral("Remain"), u"mar"), QStringLiteral("-553.6"));
    }

    void pendingRegisterMonthReachesTheDocumentOnlyWhenWrittenBack()
    {
        BudgetDocument document;
        fillDocument(document);
        RecordingHost host;
        DocumentEditing edits(document);
        voCheckViewData data(edits, host);
        data.loadMonthData(QStringLiteral("mar"));
        data.sortByMethod(voCheckViewData::kSortByAmount);

        // Only viewed and sorted: nothing to write.
        const DocumentSnapshot stored = DocumentSnapshot::take(document);
        data.writeBack();
        QVERIFY(DocumentSnapshot::take(document) == stored);

        QCOMPARE(data.record(0).desc, QStringLiteral("Bakery"));
        QVERIFY(data.setObjectValue(QStringLiteral("Rent"), QStringLiteral("category"), 0));
        QVERIFY(data.setObjectValue(QStringLiteral("9"), QStringLiteral("amount"), 0));
        QVERIFY(DocumentSnapshot::take(document) == stored);

        data.storeAndReleaseMonthData();
        const DocumentSnapshot pending = DocumentSnapshot::take(document);
        // In register order: sorted by amount, Bakery comes before Landlord.
        QCOMPARE(pending.catData.at(QStringLiteral("Rent"))[kMar].at(1),
                 (Entry{"5", "Bakery", "9", "bread", " "}));
        QCOMPARE(pending.catData.at(QStringLiteral("Food"))[kMar].size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestDocumentSnapshot)
#include "tst_documentsnapshot.moc"
