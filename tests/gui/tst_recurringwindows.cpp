#include "AppFixture.h"

#include "app/MainWindow.h"
#include "app/UndoHistory.h"
#include "document/BudgetDocument.h"
#include "editing/DocumentEditing.h"
#include "recurring/DueTransactionsDialog.h"
#include "recurring/RecurringCommands.h"
#include "recurring/RecurringListModel.h"
#include "recurring/RecurringListWindow.h"
#include "recurring/RecurringRecords.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

namespace {

/// The sample budget of 2026 with the rent entered by itself and the power
/// bill an estimate that asks; both last handled in January.
QString budgetWithRecurring(const AppFixture &fixture)
{
    const QString path = fixture.sampleCopy(QStringLiteral("household-2026.txt"));
    QFile file(path);
    if (!file.open(QIODevice::Append))
        return {};
    file.write("; ****** ORRINWICK_EXTENSIONS 1 ******\r\n"
               ";@recurring\t20260101\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=1\tnone\tauto\tRent\tStanding order\t900\t\t20260101\r\n"
               ";@recurring\t20260110\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=10\tnone\task\tUtilities\tCity power\t~80\t\t20260110\r\n");
    return path;
}

QStringList itemsOf(const BudgetDocument &document, const QString &category, int month, const QString &desc)
{
    QStringList found;
    for (const Entry &entry : *document.entryList(category, month)) {
        if (entry.desc == desc)
            found << entry.day + u' ' + entry.amount;
    }
    return found;
}

} // namespace

class TestRecurringWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void dueOccurrencesAreHandledWhenTheFileOpens()
    {
        AppFixture fixture;
        fixture.knownVersion();
        fixture.calendar.setNow(QDateTime(QDate(2026, 3, 15), QTime(9, 0)));
        MyDataSource &app = fixture.start();
        RecurringCommands recurring(app, *fixture.settings, fixture.alerts);
        const QString path = budgetWithRecurring(fixture);
        QVERIFY(app.openFile(path));

        // The rent entered itself for February and March, in one step.
        QTRY_COMPARE(itemsOf(app.document(), QStringLiteral("Rent"), 2, QStringLiteral("Standing order")),
                     QStringList{"1 900"});
        QCOMPARE(itemsOf(app.document(), QStringLiteral("Rent"), 1, QStringLiteral("Standing order")), QStringList{"1 900"});
        QCOMPARE(app.undoHistory().stack().count(), 1);
        QCOMPARE(app.undoHistory().stack().undoText(), u"Enter 2 Recurring Transactions"_qs);
        QCOMPARE(app.mainWindow().statusBar()->currentMessage(), u"2 recurring transactions were entered."_qs);

        // The estimate asks: February with the bill's amount, March later.
        DueTransactionsDialog *due = recurring.dueWindow();
        QVERIFY(due);
        auto *table = due->findChild<QTableView *>(QStringLiteral("_lines"));
        QAbstractItemModel *lines = table->model();
        QCOMPARE(lines->rowCount(), 2);
        QCOMPARE(lines->index(0, 0).data(Qt::EditRole).toDate(), QDate(2026, 2, 10));
        QVERIFY(lines->setData(lines->index(0, 3), QStringLiteral("74.20")));
        QVERIFY(lines->setData(lines->index(0, 0), QDate(2026, 2, 12)));
        table->selectRow(1);
        due->laterSelected();
        QCOMPARE(lines->rowCount(), 1);
        table->selectRow(0);
        due->enterSelected();
        QCOMPARE(itemsOf(app.document(), QStringLiteral("Utilities"), 1, QStringLiteral("City power")),
                 QStringList{"12 74.20"});
        QVERIFY(itemsOf(app.document(), QStringLiteral("Utilities"), 2, QStringLiteral("City power")).isEmpty());
        QCOMPARE(app.undoHistory().stack().undoText(), u"Enter 1 Recurring Transaction"_qs);
        QTRY_VERIFY(!recurring.dueWindow());

        // Undo offers February's bill again; redo enters it once more.
        app.undoHistory().stack().undo();
        QCOMPARE(RecurringRecords::read(app.document())[1].transaction->last, QDate(2026, 1, 10));
        app.undoHistory().stack().redo();
        QCOMPARE(itemsOf(app.document(), QStringLiteral("Utilities"), 1, QStringLiteral("City power")),
                 QStringList{"12 74.20"});

        // Back on a new day: April's rent enters itself, March's bill asks again.
        fixture.calendar.setNow(QDateTime(QDate(2026, 4, 2), QTime(9, 0)));
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&app.mainWindow(), &activate);
        QTRY_COMPARE(itemsOf(app.document(), QStringLiteral("Rent"), 3, QStringLiteral("Standing order")),
                     QStringList{"1 900"});
        QTRY_VERIFY(recurring.dueWindow());
        QCOMPARE(recurring.dueWindow()->findChild<QTableView *>(QStringLiteral("_lines"))->model()->rowCount(), 1);
    }

    void theListAddsMakesAndDeletes()
    {
        AppFixture fixture;
        fixture.knownVersion();
        fixture.calendar.setNow(QDateTime(QDate(2026, 3, 15), QTime(9, 0)));
        fixture.settings->setValue(Settings::kDataFile, fixture.sampleCopy(QStringLiteral("household-2026.txt")));
        MyDataSource &app = fixture.start();
        RecurringCommands recurring(app, *fixture.settings, fixture.alerts);

        // Make Recurring… on the register's first record of March.
        app.mainWindow().tabView()->setCurrentIndex(1);
        voCheckViewData &data = app.checkView().tableData();
        QVERIFY(data.rowCount() > 0);
        data.selectionModel()->select(data.index(0, 1), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const RegisterRecord record = data.record(0);
        fixture.loop.answer([](QWidget *window) {
            window->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        recurring.makeRecurringAction()->trigger();
        const QList<RecurringItem> items = RecurringRecords::read(app.document());
        QCOMPARE(items.size(), 1);
        QCOMPARE(items[0].transaction->description, record.desc);
        QCOMPARE(items[0].transaction->category, record.category);
        QCOMPARE(items[0].transaction->rule.start(), QDate(2026, 3, record.day.toInt()));
        // The record itself is the first occurrence.
        QCOMPARE(items[0].transaction->last, items[0].transaction->rule.start());

        recurring.listAction()->trigger();
        RecurringListWindow *list = recurring.listWindow();
        QVERIFY(list);
        QAbstractItemModelTester tester(&list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(list->model().rowCount(), 1);
        QCOMPARE(list->model().index(0, RecurringListModel::Next).data().toString(),
                 QLocale().toString(QDate(2026, 4, record.day.toInt()), QLocale::ShortFormat));
        auto *view = list->findChild<QTableView *>(QStringLiteral("_list"));
        view->selectRow(0);
        list->remove();
        QCOMPARE(list->model().rowCount(), 0);
        app.undoHistory().stack().undo();
        QCOMPARE(list->model().rowCount(), 1);
    }
};

QTEST_MAIN(TestRecurringWindows)
#include "tst_recurringwindows.moc"
