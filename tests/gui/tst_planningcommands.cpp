#include "AppFixture.h"
#include "DocumentFixtures.h"
#include "PlanningFixture.h"
#include "editing/DocumentSetup.h"

#include "app/BudgetGridView.h"
#include "app/UndoHistory.h"
#include "document/CarriedAmounts.h"
#include "document/EnvelopeCarry.h"
#include "editing/DocumentEditing.h"
#include "planning/PlanningCommands.h"
#include "register/voEnvelopeWinData.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

/// The program on a copy of the sample budget, with the planning commands.
struct PlanningFixtureApp : AppFixture
{
    std::unique_ptr<PlanningCommands> commands;
    QString budget;

    PlanningFixtureApp()
    {
        budget = sampleCopy(QStringLiteral("household-2026.txt"));
        knownVersion().settings->setValue(Settings::kDataFile, budget);
        start();
        commands = std::make_unique<PlanningCommands>(*app, panels, alerts);
    }

    [[nodiscard]] QAction *action(const char *name) const
    {
        return app->mainWindow().findChild<QAction *>(QLatin1String(name));
    }

    void selectBudgetCells(int firstMonth, int lastMonth) const
    {
        BudgetGridView *grid = app->mainWindow().tableView();
        const QAbstractItemModel *model = grid->model();
        grid->selectionModel()->select(QItemSelection(model->index(kBudgetRowIndex, firstMonth + 1),
                                                      model->index(kBudgetRowIndex, lastMonth + 1)),
                                       QItemSelectionModel::ClearAndSelect);
        grid->selectionModel()->setCurrentIndex(model->index(kBudgetRowIndex, firstMonth + 1),
                                                QItemSelectionModel::NoUpdate);
    }

    [[nodiscard]] QStringList budgets() const
    {
        const auto &totals = app->document().budgetTotals();
        return QStringList(totals.begin(), totals.end());
    }
};

} // namespace

class TestPlanningCommands : public QObject
{
    Q_OBJECT

private slots:
    void theFillMenuPreviewsAndFillsInOneStep_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("filled") << true;
        QTest::newRow("cancelled in the preview") << false;
    }

    void theFillMenuPreviewsAndFillsInOneStep()
    {
        QFETCH(bool, confirmed);
        PlanningFixtureApp fixture;
        QVERIFY(fixture.app->document().budgetTotals()[0] != QStringLiteral("1234"));
        fixture.app->edits().amounts().setBudget(0, QStringLiteral("1234"));
        const QStringList before = fixture.budgets();
        fixture.selectBudgetCells(0, 0);

        QStringList shownRows;
        fixture.loop.answer([&shownRows, confirmed](QWidget *window) {
            const auto *table = window->findChild<QTableView *>();
            for (int row = 0; row < table->model()->rowCount(); ++row)
                shownRows << table->model()->index(row, 2).data().toString();
            if (confirmed)
                window->findChild<QPushButton *>(QStringLiteral("fillButton"))->click();
        });
        QMenu *fill = fixture.commands->fillMenu();
        emit fill->aboutToShow();
        QAction *copy = fixture.action("actionFillCopyToFollowing");
        QVERIFY(copy->isEnabled());
        copy->trigger();

        QCOMPARE(fixture.loop.titles(), QStringList{QStringLiteral("Copy to Following Months")});
        QCOMPARE(shownRows.size(), 11);
        const QStringList filled = QStringList(12, QStringLiteral("1234"));
        QCOMPARE(fixture.budgets(), confirmed ? filled : before);
        if (!confirmed)
            return;
        QAction *undo = fixture.app->undoHistory().undoAction();
        QCOMPARE(undo->text(), QStringLiteral("Undo Fill 11 Months"));
        undo->trigger();
        QCOMPARE(fixture.budgets(), before);
    }

    void aCategoryRowFillsOnlyInEnvelopeMode()
    {
        PlanningFixtureApp fixture;
        BudgetGridView *grid = fixture.app->mainWindow().tableView();
        grid->selectionModel()->select(grid->model()->index(kFirstCategoryRow, 3), QItemSelectionModel::ClearAndSelect);
        QVERIFY(!fixture.commands->selectedFill());
        DocumentSetup::setEnvelopeView(fixture.app->document(), true);
        const std::optional<BudgetFill::Request> request = fixture.commands->selectedFill();
        QVERIFY(request);
        QCOMPARE(request->category, fixture.app->document().getCatArray()[kFirstCategoryRow].desc);
        QCOMPARE(request->months, QList<int>{2});
    }

    void lastYearsBudgetStartsAtTheYearBeforeAndIsLinked()
    {
        PlanningFixtureApp fixture;
        const QString lastYear = fixture.folder.filePath(QStringLiteral("household-2025.txt"));
        fixture.panels.answer({lastYear});
        fixture.action("actionLastYearsBudget")->trigger();
        QCOMPARE(fixture.panels.shown(), QStringList{QStringLiteral("choose: Last Year's Budget")});
        QCOMPARE(fixture.panels.suggested(), QStringList{lastYear});
        const QList<ExtensionRecord> links = fixture.app->document().extensions().recordsOf(QStringLiteral("lastyear"));
        QCOMPARE(links.size(), 1);
        QCOMPARE(links.first().field(0), QStringLiteral("household-2025.txt"));
        QCOMPARE(fixture.commands->lastYear().note(),
                 QStringLiteral("Last year's budget household-2025.txt is not there"));
        QCOMPARE(fixture.app->undoHistory().undoAction()->text(), QStringLiteral("Undo Choose Last Year's Budget"));
    }

    void theEnvelopeEditorShowsAndSetsTheCarry()
    {
        BudgetDocument document;
        DocumentSetup::setEnvelopeView(document, true);
        PlanningFixture::fillEnvelopes(document, {"30", "150"});
        PlanningFixture::addRecords(document, {{"opening", "Food", "25"}});
        DocumentEditing edits(document);
        voEnvelopeWinData data(edits);
        QSignalSpy refusals(&data, &voEnvelopeWinData::editRefused);
        QAbstractItemModelTester tester(&data, QAbstractItemModelTester::FailureReportingMode::QtTest);
        data.initData(1);
        QCOMPARE(data.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Carried In"));
        QCOMPARE(data.index(0, 2).data().toString(), QStringLiteral("–"));
        QVERIFY(!(data.flags(data.index(0, 2)) & Qt::ItemIsEditable));

        QVERIFY(data.setData(data.index(0, 3), QString::number(int(CarryMode::Left)), Qt::EditRole));
        QCOMPARE(data.index(0, 3).data().toString(), QStringLiteral("What Is Left"));
        // January: 25 + 100 − 30 carried into February.
        QCOMPARE(CarriedAmounts::into(document, QStringLiteral("Food"), 1).toText(), QStringLiteral("95"));
        QCOMPARE(DocumentFixtures::cell(document, QStringLiteral("Food"), u"feb"), QStringLiteral("45"));

        // January's carried-in amount is the opening amount, typed here.
        data.initData(0);
        QVERIFY(data.flags(data.index(0, 2)) & Qt::ItemIsEditable);
        QCOMPARE(data.index(0, 2).data(Qt::EditRole).toString(), QStringLiteral("25"));
        QVERIFY(data.setData(data.index(0, 2), QStringLiteral("40"), Qt::EditRole));
        QCOMPARE(DocumentFixtures::cell(document, QStringLiteral("Food"), u"jan"), QStringLiteral("110"));
        QVERIFY(!data.setData(data.index(0, 2), QStringLiteral("forty"), Qt::EditRole));
        QCOMPARE(refusals.size(), 1);
    }
};

QTEST_MAIN(TestPlanningCommands)
#include "tst_planningcommands.moc"
