#include "DocumentFixtures.h"
#include "charts/BudgetChartData.h"
#include "charts/BudgetChartsWindow.h"
#include "editing/DocumentSetup.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QTest>

using namespace DocumentFixtures;

class ChartsTest : public QObject
{
    Q_OBJECT

private:
    static void fillSample(BudgetDocument &document)
    {
        DocumentFixtures::setBudgets(document, QStringLiteral("2500"));
        DocumentFixtures::addCategory(document, QStringLiteral("Food"));
        DocumentFixtures::addCategory(document, QStringLiteral("Rent"));
        addItem(document, QStringLiteral("Food"), 0, QStringLiteral("5"), QStringLiteral("Market"), QStringLiteral("45.10"));
        addItem(document, QStringLiteral("Food"), 0, QStringLiteral("9"), QStringLiteral("Market"), QStringLiteral("20"));
        addItem(document, QStringLiteral("Rent"), 0, QStringLiteral("1"), QStringLiteral("Landlord"), QStringLiteral("800"));
        addItem(document, QStringLiteral("Rent"), 1, QStringLiteral("1"), QStringLiteral("Landlord"), QStringLiteral("30"));
        setEnvelope(document, QStringLiteral("Food"), 0, QStringLiteral("300"));
        setEnvelope(document, QStringLiteral("Rent"), 0, QStringLiteral("800"));
        DocumentFixtures::recalculate(document);
    }

    static QBarSet *monthSet(BudgetChartsWindow &window, int index)
    {
        auto *view = window.findChild<QChartView *>(QStringLiteral("monthsChart"));
        auto *series = qobject_cast<QBarSeries *>(view->chart()->series().value(0));
        return series ? series->barSets().value(index) : nullptr;
    }

private slots:
    void figuresFollowTheModeOfTheDocument()
    {
        BudgetDocument document;
        fillSample(document);
        BudgetChartData data = BudgetChartData::fromDocument(document);
        QCOMPARE(data.budget[0], 2500.0);
        QCOMPARE(data.spent[0], 865.1);
        QCOMPARE(data.spent[1], 30.0);
        QCOMPARE(data.spent[2], 0.0);
        QCOMPARE(data.categories.size(), 2);
        QCOMPARE(data.categories[0].name, QStringLiteral("Food"));
        QCOMPARE(data.categories[0].spent, 65.1);
        QCOMPARE(data.categories[1].spent, 830.0);

        DocumentSetup::setEnvelopeView(document, true);
        data = BudgetChartData::fromDocument(document);
        QVERIFY(data.envelopeMode);
        QCOMPARE(data.envelopes[0], 1100.0);
        QCOMPARE(data.budget[0], 1100.0);
    }

    void theWindowFollowsTheDocument()
    {
        BudgetDocument document;
        fillSample(document);
        BudgetChartsWindow window(document);
        QVERIFY(!window.windowTitle().isEmpty());
        QBarSet *spent = monthSet(window, 1);
        QVERIFY(spent);
        QCOMPARE(spent->at(1), 30.0);

        addItem(document, QStringLiteral("Rent"), 1, QStringLiteral("2"), QStringLiteral("Fix"), QStringLiteral("12.5"));
        DocumentFixtures::recalculate(document);
        QTRY_COMPARE(monthSet(window, 1) ? monthSet(window, 1)->at(1) : -1.0, 42.5);

        DocumentWriter(document).deleteCategoryByIndex(kFirstCategoryRow + 1);
        QTRY_COMPARE(monthSet(window, 1) ? monthSet(window, 1)->at(0) : -1.0, 65.1);
        auto *categories = window.findChild<QChartView *>(QStringLiteral("categoriesChart"));
        auto *bars = qobject_cast<QHorizontalBarSeries *>(categories->chart()->series().value(0));
        QVERIFY(bars);
        QCOMPARE(bars->barSets().value(0)->count(), 1);
    }
};

QTEST_MAIN(ChartsTest)
#include "tst_charts.moc"
