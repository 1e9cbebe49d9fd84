#include "BadInputFixture.h"
#include "DocumentFixtures.h"

#include "app/BudgetGridModel.h"
#include "app/BudgetGridView.h"

/// Bad input typed into the budget grid's cells (tests/BAD_INPUT.md).
class TestBadInputGrid : public QObject
{
    Q_OBJECT

private slots:
    void gridBudgetCell_data() { BadInputApp::addRows(QStringLiteral("gridBudgetCell")); }
    void gridBudgetCell()
    {
        QFETCH(QString, input);
        BadInputApp program(false);
        BudgetGridModel &model = program.app().gridModel();
        const QModelIndex march = model.index(kBudgetRowIndex, BudgetGridModel::columnOf(QStringLiteral("mar")));
        const QString entered = BadInputApp::enterText(*program.app().mainWindow().tableView(), march, input);
        QVERIFY2(entered.isEmpty(), qPrintable(entered));
        program.verifyOutcome([](BudgetDocument &document, const QString &stored) {
            DocumentFixtures::setBudget(document, BadInputApp::kMar, stored);
        });
    }

    void gridCategoryName_data() { BadInputApp::addRows(QStringLiteral("gridCategoryName")); }
    void gridCategoryName()
    {
        QFETCH(QString, input);
        BadInputApp program(false);
        const int row = program.app().document().rowOfCategory(QStringLiteral("Food"));
        const QModelIndex food = program.app().gridModel().index(row, 0);
        const QString entered = BadInputApp::enterText(*program.app().mainWindow().tableView(), food, input);
        QVERIFY2(entered.isEmpty(), qPrintable(entered));
        program.verifyOutcome(&BadInputApp::renameFood);
    }
};

QTEST_MAIN(TestBadInputGrid)
#include "tst_badinput_grid.moc"
