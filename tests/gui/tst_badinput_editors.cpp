#include "BadInputFixture.h"

#include "app/BudgetGridModel.h"
#include "app/BudgetGridView.h"
#include "register/voCheckViewCtrl.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace {

/// A modal-window script: pastes the input into row 0 (Food) of the
/// window's table, in the column given, then presses Close.
ScriptedModalLoop::Action pasteIntoFood(const char *tableName, int column, const QString &input, QString &entered)
{
    return [=, &entered](QWidget *window) {
        auto *table = window->findChild<QTableView *>(QLatin1String(tableName));
        if (!table)
            return;
        const QModelIndex food = table->model()->index(0, column);
        if (food.siblingAtColumn(0).data().toString() != u"Food") {
            entered = QStringLiteral("the first row is not Food");
            return;
        }
        entered = BadInputApp::enterText(*table, food, input);
        window->findChild<QPushButton *>(QStringLiteral("closeButton"))->click();
    };
}

} // namespace

/// Bad input typed into the envelope and category editors (tests/BAD_INPUT.md).
class TestBadInputEditors : public QObject
{
    Q_OBJECT

private slots:
    void envelopeAmount_data() { BadInputApp::addRows(QStringLiteral("envelopeAmount")); }
    void envelopeAmount()
    {
        QFETCH(QString, input);
        BadInputApp program(true);
        QString entered = QStringLiteral("the envelope editor did not open");
        program.fixture().loop.answer(pasteIntoFood("_ourTableView", 1, input, entered));
        BudgetGridView &grid = *program.app().mainWindow().tableView();
        const QModelIndex march
            = program.app().gridModel().index(kBudgetRowIndex, BudgetGridModel::columnOf(QStringLiteral("mar")));
        grid.setCurrentIndex(march);
        grid.edit(march);
        QVERIFY2(entered.isEmpty(), qPrintable(entered));
        program.verifyOutcome([](BudgetDocument &document, const QString &stored) {
            DocumentFixtures::setEnvelope(document, QStringLiteral("Food"), BadInputApp::kMar, stored);
        });
    }

    void categoryEditorName_data() { BadInputApp::addRows(QStringLiteral("categoryEditorName")); }
    void categoryEditorName()
    {
        QFETCH(QString, input);
        BadInputApp program(false);
        program.app().mainWindow().tabView()->setCurrentIndex(1);
        QString entered = QStringLiteral("the category editor did not open");
        program.fixture().loop.answer(pasteIntoFood("_ourTable", 0, input, entered));
        program.app().checkView().findChild<QPushButton *>(QStringLiteral("btnEditCategories"))->click();
        QVERIFY2(entered.isEmpty(), qPrintable(entered));
        program.verifyOutcome(&BadInputApp::renameFood);
    }
};

QTEST_MAIN(TestBadInputEditors)
#include "tst_badinput_editors.moc"
