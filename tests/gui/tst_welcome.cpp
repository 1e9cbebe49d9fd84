#include "AppFixture.h"

#include "app/BudgetGridModel.h"
#include "app/BudgetGridView.h"
#include "app/UndoHistory.h"
#include "import/ImportCommand.h"
#include "import/ImportPreviewDialog.h"
#include "import/ImportPreviewModel.h"
#include "welcome/CommonCategoriesDialog.h"
#include "welcome/Welcome.h"
#include "welcome/WelcomePanel.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

/// Types the amounts beside the named categories and presses Create.
ScriptedModalLoop::Action tickWithAmounts(const QList<std::pair<QString, QString>> &amounts)
{
    return [amounts](QWidget *window) {
        for (const auto &[name, amount] : amounts) {
            auto *field = window->findChild<QLineEdit *>();
            for (QLineEdit *candidate : window->findChildren<QLineEdit *>()) {
                if (candidate->accessibleName() == QStringLiteral("Monthly amount for ") + name)
                    field = candidate;
            }
            QVERIFY2(field->accessibleName().endsWith(name), qPrintable(name));
            field->selectAll();
            QTest::keyClicks(field, amount);
        }
        window->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    };
}

bool welcomeShown(const Welcome &welcome)
{
    return welcome.panel().isVisibleTo(welcome.panel().window());
}

} // namespace

class WelcomeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void commonCategoriesStartABudgetInOneStep_data()
    {
        QTest::addColumn<bool>("envelope");
        QTest::addColumn<QString>("budget");      // each month's, after
        QTest::addColumn<QString>("groceries");  // the grid's January cell of Groceries
        QTest::newRow("standard: the sum is the budget") << false << "1600.5" << "0";
        QTest::newRow("envelope: the amounts are the envelopes") << true << "1600.5" << "400";
    }

    void commonCategoriesStartABudgetInOneStep()
    {
        QFETCH(bool, envelope);
        QFETCH(QString, budget);
        QFETCH(QString, groceries);
        AppFixture fixture;
        fixture.knownVersion().settings->setValue(Settings::kEnvelopeView, envelope);
        MyDataSource &app = fixture.start();
        Welcome welcome(app, fixture.alerts);
        QVERIFY(welcomeShown(welcome));
        // Nothing ticked but what an amount was typed for.
        fixture.loop.answer(tickWithAmounts({{"Groceries", "400"}, {"Rent or Mortgage", "1100.50"}, {"Savings", "100"}}));
        welcome.panel().commonCategoriesButton().click();

        QCOMPARE(fixture.rowNames().mid(kFirstCategoryRow), QStringList({"Groceries", "Rent or Mortgage", "Savings"}));
        for (const int month : { 0, 11 })
            QCOMPARE(app.document().calculateBudgetForColumnId(month), budget);
        BudgetGridModel &grid = app.gridModel();
        const int january = BudgetGridModel::columnOf(QStringLiteral("jan"));
        QCOMPARE(grid.index(kFirstCategoryRow, january).data().toString(), groceries);
        QVERIFY(!welcomeShown(welcome));
        QVERIFY(fixture.alerts.shown().isEmpty());

        QUndoStack &history = app.undoHistory().stack();
        QCOMPARE(history.count(), 1);
        history.undo();
        QCOMPARE(app.document().categoryCount(), 0);
        QCOMPARE(app.document().calculateBudgetForColumnId(0), QStringLiteral("0"));
        QVERIFY(welcomeShown(welcome));
        history.redo();
        QCOMPARE(app.document().categoryCount(), 3);
        QVERIFY(!welcomeShown(welcome));
    }

    void theWelcomeGoesWithTheFirstCategoryAndComesBackAfterNew()
    {
        AppFixture fixture;
        fixture.knownVersion();
        MyDataSource &app = fixture.start();
        Welcome welcome(app, fixture.alerts);
        QVERIFY(welcomeShown(welcome));
        // It lies below the fixed rows, never over them.
        BudgetGridView &view = *app.mainWindow().tableView();
        const int below = view.rowViewportPosition(kDashRowIndex) + view.rowHeight(kDashRowIndex);
        QCOMPARE(welcome.panel().geometry().top(), below);

        app.btnNewCategory();
        QVERIFY(!welcomeShown(welcome));

        fixture.panels.answer({fixture.folder.filePath(QStringLiteral("first.txt")),
                               fixture.folder.filePath(QStringLiteral("second.txt"))});
        app.menuNewFile();
        QCOMPARE(app.document().categoryCount(), 0);
        QVERIFY(welcomeShown(welcome));
    }

    void aRefusedAmountIsToldAndTheDialogAsksAgain()
    {
        AppFixture fixture;
        fixture.knownVersion();
        MyDataSource &app = fixture.start();
        Welcome welcome(app, fixture.alerts);
        fixture.loop.answer(tickWithAmounts({{"Groceries", "lots"}}));
        fixture.loop.answer(tickWithAmounts({{"Groceries", "40"}, {"Health", "20"}}));
        welcome.panel().commonCategoriesButton().click();
        QCOMPARE(fixture.alerts.shown().size(), 1);
        // Asked again with what was typed, and corrected.
        QCOMPARE(fixture.loop.titles().size(), 2);
        QCOMPARE(fixture.rowNames().mid(kFirstCategoryRow), QStringList({"Groceries", "Health"}));
        QCOMPARE(app.document().calculateBudgetForColumnId(4), QStringLiteral("60"));
    }

    void importingAStatementCreatesTheCategoriesPickedForItsLines()
    {
        AppFixture fixture;
        fixture.knownVersion();
        MyDataSource &app = fixture.start();
        Welcome welcome(app, fixture.alerts);
        ImportCommand import(app, *fixture.settings, fixture.panels, fixture.alerts);
        connect(&welcome, &Welcome::importRequested, &import, &ImportCommand::menuImport);
        fixture.panels.answer({QStringLiteral(ORRINWICK_TEST_DATA "/import/statement-ofx102.ofx")});
        QStringList offered;
        QString summary;
        fixture.loop.answer([&offered, &summary](QWidget *window) {
            auto *preview = qobject_cast<ImportPreviewDialog *>(window);
            QVERIFY(preview);
            ImportPreviewModel &model = preview->model();
            const int category = int(ImportPreviewModel::Column::Category);
            // The empty budget offers the common categories to pick from.
            auto *table = preview->findChild<QTableView *>();
            QAbstractItemDelegate *delegate = table->itemDelegateForColumn(category);
            std::unique_ptr<QWidget> editor(delegate->createEditor(table->viewport(), {}, model.index(0, category)));
            auto *box = qobject_cast<QComboBox *>(editor.get());
            for (int item = 0; item < box->count(); ++item)
                offered << box->itemText(item);
            // Internet, Market, Bus pass, (a credit), Power company, Garden centre, the next line.
            const QList<std::pair<int, QString>> picks{{0, "Utilities"}, {1, "Groceries"}, {2, "Transport"},
                                                       {4, "Utilities"}, {5, " Garden "}, {6, "Holidays"}};
            for (const auto &[row, name] : picks)
                QVERIFY(model.setData(model.index(row, category), name, Qt::EditRole));
            // A line unticked again leaves its new category uncreated.
            QVERIFY(model.setData(model.index(6, int(ImportPreviewModel::Column::Tick)), Qt::Unchecked, Qt::CheckStateRole));
            summary = preview->findChild<QLabel *>(QStringLiteral("summaryLabel"))->text();
            preview->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
        });
        welcome.panel().importButton().click();

        QVERIFY2(offered.contains(QStringLiteral("Groceries")) && offered.contains(QStringLiteral("Savings")),
                 qPrintable(offered.join(u' ')));
        QVERIFY2(summary.contains(QStringLiteral("Utilities, Groceries, Transport, Garden.")), qPrintable(summary));
        QVERIFY(fixture.alerts.shown().isEmpty());
        QCOMPARE(fixture.rowNames().mid(kFirstCategoryRow),
                 QStringList({"Utilities", "Groceries", "Transport", "Garden"}));
        QCOMPARE(app.document().entryList(QStringLiteral("Utilities"), 4)->size(), 2); // the budget entry and the power bill
        QVERIFY(!welcomeShown(welcome));

        // One step takes back the lines and the categories made for them.
        QUndoStack &history = app.undoHistory().stack();
        QCOMPARE(history.count(), 1);
        history.undo();
        QCOMPARE(app.document().categoryCount(), 0);
        QVERIFY(welcomeShown(welcome));
        history.redo();
        QCOMPARE(fixture.rowNames().mid(kFirstCategoryRow),
                 QStringList({"Utilities", "Groceries", "Transport", "Garden"}));
        QCOMPARE(app.document().entryList(QStringLiteral("Garden"), 4)->size(), 2);
    }

    void theWelcomesButtonsOpenAndImport()
    {
        AppFixture fixture;
        fixture.knownVersion();
        MyDataSource &app = fixture.start();
        Welcome welcome(app, fixture.alerts);
        QSignalSpy imports(&welcome, &Welcome::importRequested);
        const QString sample = fixture.sampleCopy();
        fixture.panels.answer({sample});
        welcome.panel().openButton().click();
        QCOMPARE(fixture.panels.shown(), QStringList {QStringLiteral("open")});
        QCOMPARE(app.dataFileName(), sample);
        QVERIFY(!welcomeShown(welcome));
        welcome.panel().importButton().click();
        QCOMPARE(imports.size(), 1);
    }
};

QTEST_MAIN(WelcomeTest)
#include "tst_welcome.moc"
