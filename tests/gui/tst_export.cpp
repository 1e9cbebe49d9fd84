#include "AppFixture.h"
#include "editing/DocumentEditing.h"

#include "app/DesktopCommands.h"
#include "charts/BudgetChartsWindow.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QAction>
#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QMenu>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

namespace {

// The sample budget as the grid holds it: exact figures, not the whole units shown.
const QByteArray kSampleGrid
    = "Category,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec,Average\r\n"
      "Budget,2600,2600,2600,2600,2600,2600,2600,2600,2600,2600,2600,2600,\r\n"
      "Remain,282.81,692.5,705.7,484.07,2600,2600,2600,2600,2600,2600,2600,2600,\r\n"
      "Groceries,197.61,215.66,149.37,162.78,0,0,0,0,0,0,0,0,180\r\n"
      "Rent,1200,1200,1200,1200,0,0,0,0,0,0,0,0,1200\r\n"
      "Utilities,344.25,209.17,75.1,326.29,0,0,0,0,0,0,0,0,238\r\n"
      "Transport,252.38,110.82,236.82,229.23,0,0,0,0,0,0,0,0,206\r\n"
      "Dining out,183.85,134.21,153.03,81.59,0,0,0,0,0,0,0,0,137\r\n"
      "Health,139.1,37.64,79.98,116.04,0,0,0,0,0,0,0,0,92\r\n";

// January of the sample in budget order, amounts as typed ("29.50").
const QByteArray kSampleJanuary = "Day,Category,Description,Amount,Note,Reconciled\r\n"
                                  "2,Groceries,Market,61.72,weekly shop,yes\r\n"
                                  "4,Groceries,Market,85.17,weekly shop,yes\r\n"
                                  "14,Groceries,Market,42.06,weekly shop,yes\r\n"
                                  "17,Groceries,Bakery,8.66,,yes\r\n"
                                  "1,Rent,Landlord,1200,monthly rent,yes\r\n"
                                  "8,Utilities,Power company,80.97,electricity,yes\r\n"
                                  "15,Utilities,Water board,36.66,,yes\r\n"
                                  "15,Utilities,Internet,45,fibre,yes\r\n"
                                  "17,Utilities,Power company,77.23,electricity,yes\r\n"
                                  "18,Utilities,Power company,74.89,electricity,yes\r\n"
                                  "26,Utilities,Water board,29.50,,yes\r\n"
                                  "1,Transport,Bus pass,49,,yes\r\n"
                                  "12,Transport,Bus pass,49,,yes\r\n"
                                  "16,Transport,Fuel,56.38,,yes\r\n"
                                  "22,Transport,Bus pass,49,,yes\r\n"
                                  "23,Transport,Bus pass,49,,yes\r\n"
                                  "7,Dining out,Café Lune,12.62,,yes\r\n"
                                  "11,Dining out,Pizzeria,34.87,with friends,yes\r\n"
                                  "13,Dining out,Pizzeria,41.94,with friends,yes\r\n"
                                  "13,Dining out,Café Lune,18.15,,yes\r\n"
                                  "23,Dining out,Pizzeria,58.59,with friends,yes\r\n"
                                  "28,Dining out,Café Lune,17.68,,yes\r\n"
                                  "8,Health,Pharmacy,24.28,,yes\r\n"
                                  "12,Health,Pharmacy,27.98,,yes\r\n"
                                  "12,Health,Pharmacy,19.39,,yes\r\n"
                                  "20,Health,Pharmacy,22.00,,yes\r\n"
                                  "25,Health,Pharmacy,19.72,,yes\r\n"
                                  "27,Health,Pharmacy,25.73,,yes\r\n";

/// The program on a copy of the sample budget, with the export commands.
struct ExportFixture : AppFixture
{
    std::unique_ptr<DesktopCommands> commands;
    QString budget;

    ExportFixture()
    {
        budget = sampleCopy();
        knownVersion().settings->setValue(Settings::kDataFile, budget);
        start();
        commands = std::make_unique<DesktopCommands>(*app, panels, alerts);
    }

    [[nodiscard]] QAction *action(const char *name) const
    {
        return app->mainWindow().findChild<QAction *>(QLatin1String(name));
    }
    [[nodiscard]] QMenu *menu(const char *name) const { return app->mainWindow().findChild<QMenu *>(QLatin1String(name)); }

    /// Opens the Export menu as the user would, so that it shows what fits the tab.
    void openExportMenu() const { emit menu("menuExport")->aboutToShow(); }

    [[nodiscard]] QAction *monthItem(int month) const { return menu("menuExportMonth")->actions().value(month); }

    [[nodiscard]] QList<BudgetChartsWindow *> chartWindows() const
    {
        return app->mainWindow().findChildren<BudgetChartsWindow *>();
    }
};

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theGridOfTheSampleIsWrittenAsTheBudgetHoldsIt()
    {
        ExportFixture fixture;
        const QString path = fixture.folder.filePath("grid.csv");
        fixture.panels.answer({path});
        fixture.action("actionExportGrid")->trigger();

        QCOMPARE(fixture.panels.shown(), QStringList{QStringLiteral("export: Export Budget Grid")});
        QCOMPARE(fixture.panels.suggested(), QStringList{fixture.folder.filePath("household Budget Grid.csv")});
        QCOMPARE(AppFixture::contents(path), kSampleGrid);
        QVERIFY(fixture.alerts.shown().isEmpty());
    }

    void aMonthChosenFromTheGridTabIsWrittenInBudgetOrder()
    {
        ExportFixture fixture;
        fixture.openExportMenu();
        QVERIFY(fixture.menu("menuExportMonth")->menuAction()->isVisible());
        QVERIFY(!fixture.action("actionExportShownMonth")->isVisible());
        QCOMPARE(fixture.menu("menuExportMonth")->actions().size(), 12);

        const QString path = fixture.folder.filePath("january.csv");
        fixture.panels.answer({path});
        fixture.monthItem(0)->trigger();
        QCOMPARE(fixture.panels.shown(), QStringList{QStringLiteral("export: Export January Register")});
        QCOMPARE(fixture.panels.suggested(), QStringList{fixture.folder.filePath("household January Register.csv")});
        QCOMPARE(AppFixture::contents(path), kSampleJanuary);

        // A month without transactions still gives a file a spreadsheet opens.
        const QString empty = fixture.folder.filePath("december.csv");
        fixture.panels.answer({empty});
        fixture.monthItem(11)->trigger();
        QCOMPARE(AppFixture::contents(empty), QByteArray("Day,Category,Description,Amount,Note,Reconciled\r\n"));
    }

    void theRegisterTabExportsItsMonthAsShownWithItsEdits()
    {
        ExportFixture fixture;
        fixture.app->mainWindow().tabView()->setCurrentIndex(1); // March, by the fixture's calendar
        voCheckViewData &data = fixture.app->checkView().tableData();
        QCOMPARE(data.record(0).desc, QStringLiteral("Landlord")); // sorted by day
        QVERIFY(data.setData(data.index(0, int(voCheckViewData::columnIds().indexOf(u"note"))),
                             QStringLiteral("March, \"late\"")));

        fixture.openExportMenu();
        QAction *shown = fixture.action("actionExportShownMonth");
        QVERIFY(shown->isVisible());
        QVERIFY(shown->text().contains(QStringLiteral("March")));
        QVERIFY(!fixture.menu("menuExportMonth")->menuAction()->isVisible());

        const QString path = fixture.folder.filePath("march.csv");
        fixture.panels.answer({path});
        shown->trigger();
        const QList<QByteArray> lines = AppFixture::contents(path).split('\n');
        QCOMPARE(lines.size(), 1 + 20 + 1);
        QCOMPARE(lines[1], QByteArray("1,Rent,Landlord,1200,\"March, \"\"late\"\"\",no\r"));
        QCOMPARE(lines[2], QByteArray("3,Dining out,Pizzeria,44.52,with friends,no\r"));
        QCOMPARE(lines[20], QByteArray("28,Transport,Bus pass,49,,no\r"));
        // Exporting leaves the register where it was, and its edits in the document.
        QCOMPARE(fixture.app->mainWindow().tabView()->currentIndex(), 1);
        QCOMPARE(data.record(0).note, QStringLiteral("March, \"late\""));
        QCOMPARE(fixture.app->document().entryList(QStringLiteral("Rent"), 2)->at(1).note,
                 QStringLiteral("March, \"late\""));

        fixture.app->mainWindow().tabView()->setCurrentIndex(0);
        fixture.openExportMenu();
        QVERIFY(!shown->isVisible());
    }

    void aCancelledOrFailedExportSaysSoAndLeavesNoFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("warned");
        QTest::newRow("cancelled") << "cancelled.csv" << true << false;
        QTest::newRow("folder missing") << "no/such/folder/grid.csv" << false << true;
        QTest::newRow("a folder's name") << "folder" << false << true;
    }

    void aCancelledOrFailedExportSaysSoAndLeavesNoFile()
    {
        QFETCH(QString, target);
        QFETCH(bool, cancel);
        QFETCH(bool, warned);
        ExportFixture fixture;
        QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("folder")));
        const QString path = fixture.folder.filePath(target);
        if (!cancel)
            fixture.panels.answer({path});
        fixture.action("actionExportGrid")->trigger();

        QCOMPARE(fixture.panels.shown().size(), 1);
        QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(fixture.alerts.shown().size(), warned ? 1 : 0);
        if (warned) {
            QCOMPARE(fixture.alerts.shown().first().title, QStringLiteral("WARNING"));
            QVERIFY(fixture.alerts.shown().first().message.contains(path));
        }
        // The budget itself is untouched.
        QCOMPARE(AppFixture::contents(fixture.budget), AppFixture::contents(QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt")));
    }

    void withoutABudgetFileTheExportStartsInTheHomeFolder()
    {
        AppFixture fixture;
        fixture.knownVersion().start();
        DesktopCommands commands(*fixture.app, fixture.panels, fixture.alerts);
        commands.menuExportGrid();
        QCOMPARE(fixture.panels.suggested(), QStringList{QDir::home().filePath("Budget Grid.csv")});
    }

    void chartsOpenOnceAndFollowTheDocument()
    {
        ExportFixture fixture;
        QVERIFY(fixture.chartWindows().isEmpty());
        fixture.action("actionCharts")->trigger();
        fixture.action("actionCharts")->trigger();
        QCOMPARE(fixture.chartWindows().size(), 1);
        BudgetChartsWindow *charts = fixture.commands->chartsWindow();
        QVERIFY(charts && charts->isVisible());
        QVERIFY(charts->isWindow());
        QVERIFY(!charts->isModal());

        auto categoryBars = [charts] {
            auto *view = charts->findChild<QChartView *>(QStringLiteral("categoriesChart"));
            auto *series = qobject_cast<QHorizontalBarSeries *>(view->chart()->series().value(0));
            return series ? series->barSets().value(0)->count() : -1;
        };
        QCOMPARE(categoryBars(), 6);
        (void)fixture.app->edits().categories().deleteCategory(kFirstCategoryRow);
        QTRY_COMPARE(categoryBars(), 5);

        // A file opened later is followed too.
        const QString other = fixture.sampleCopy(QStringLiteral("other.txt"));
        fixture.app->openFile(other);
        QTRY_COMPARE(categoryBars(), 6);

        // Escape closes it, with or without a window manager.
        QApplication::setActiveWindow(charts);
        QTest::keyClick(charts, Qt::Key_Escape);
        QTRY_VERIFY(fixture.chartWindows().isEmpty());
        fixture.action("actionCharts")->trigger();
        QCOMPARE(fixture.chartWindows().size(), 1);
    }
};

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
