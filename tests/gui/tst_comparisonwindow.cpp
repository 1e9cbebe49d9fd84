#include "AppFixture.h"
#include "DocumentFixtures.h"
#include "PlanningFixture.h"

#include "app/UndoHistory.h"
#include "editing/DocumentEditing.h"
#include "planning/ComparisonCommands.h"
#include "planning/PlanningCommands.h"
#include "planning/YearComparisonModel.h"
#include "planning/YearComparisonWindow.h"
#include "year/ComparisonCsv.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

const QString kFood = QStringLiteral("Food");

/// Last year's budget with Food, Rent, Groceries and Gone; this year's with
/// Food, Rent, Meals (Groceries renamed, not yet matched) and New, linked to
/// last year's; the program on this year's, on January 15.
struct ComparisonApp : AppFixture
{
    std::unique_ptr<PlanningCommands> planning;
    std::unique_ptr<ComparisonCommands> commands;
    QString thisPath = folder.filePath(QStringLiteral("household-2026.txt"));
    QString lastPath = folder.filePath(QStringLiteral("household-2025.txt"));

    ComparisonApp()
    {
        BudgetDocument last;
        PlanningFixture::fillEnvelopes(last, {"10", "20"}, {"500"});
        DocumentFixtures::addCategory(last, QStringLiteral("Groceries"));
        DocumentFixtures::addItem(last, QStringLiteral("Groceries"), 0, "1", "Shop", "40");
        DocumentFixtures::addCategory(last, QStringLiteral("Gone"));
        DocumentFixtures::addItem(last, QStringLiteral("Gone"), 1, "1", "Shop", "5");
        BudgetDocument now;
        PlanningFixture::fillEnvelopes(now, {"15"}, {"510"});
        DocumentFixtures::addCategory(now, QStringLiteral("Meals"));
        DocumentFixtures::addItem(now, QStringLiteral("Meals"), 0, "1", "Shop", "30");
        DocumentFixtures::addCategory(now, QStringLiteral("New"));
        PlanningFixture::addRecords(now, {{"lastyear", "household-2025.txt"}});
        if (!PlanningFixture::write(last, lastPath) || !PlanningFixture::write(now, thisPath))
            qFatal("the budgets could not be written");

        calendar.setNow(QDateTime(QDate(2026, 1, 15), QTime(12, 0)));
        knownVersion().settings->setValue(Settings::kDataFile, thisPath);
        start();
        planning = std::make_unique<PlanningCommands>(*app, panels, alerts);
        commands = std::make_unique<ComparisonCommands>(*app, *planning, panels, alerts);
    }

    YearComparisonWindow &open() const
    {
        app->mainWindow().findChild<QAction *>(QStringLiteral("actionCompareWithLastYear"))->trigger();
        if (!commands->window())
            qFatal("no comparison window");
        return *commands->window();
    }

    /// The table row where the category's four lines begin; -1 when it has none.
    static int firstLine(const YearComparisonModel &model, const QString &name)
    {
        for (int row = 0; row < model.rowCount(); row += 4) {
            if (model.index(row, 0).data().toString() == name)
                return row;
        }
        return -1;
    }

    /// The four figures of a category in one column: this year, last year, difference, change.
    static QStringList column(const YearComparisonModel &model, const QString &name, int column)
    {
        const int first = firstLine(model, name);
        QStringList cells;
        for (int line = 0; first >= 0 && line < 4; ++line)
            cells << model.index(first + line, column).data().toString();
        return cells;
    }

    void click(YearComparisonWindow &window, const char *button) const
    {
        window.findChild<QPushButton *>(QLatin1String(button))->click();
    }

    void select(YearComparisonWindow &window, const QString &name) const
    {
        auto *table = window.findChild<QTableView *>(QStringLiteral("comparisonTable"));
        table->setCurrentIndex(table->model()->index(firstLine(window.model(), name), 2));
    }
};

constexpr int kJanuary = YearComparisonModel::kFirstMonthColumn;
constexpr int kToDate = kJanuary + 12;
constexpr int kYear = kToDate + 1;

} // namespace

class TestComparisonWindow : public QObject
{
    Q_OBJECT

private slots:
    void theTableShowsEachCategoryThisYearAndLast_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<QStringList>("january");
        QTest::addColumn<QStringList>("year");
        QTest::newRow("matched by name") << "Food" << "" << QStringList{"15.00", "10.00", "5.00", "50%"}
                                         << QStringList{"15.00", "30.00", "-15.00", "-50%"};
        QTest::newRow("new this year, nothing last year") << "Meals" << "" << QStringList{"30.00", "0.00", "30.00", "–"}
                                                           << QStringList{"30.00", "0.00", "30.00", "–"};
        QTest::newRow("only last year") << "Groceries" << "only last year" << QStringList{"0.00", "40.00", "-40.00", "-100%"}
                                        << QStringList{"0.00", "40.00", "-40.00", "-100%"};
        QTest::newRow("total") << "Total" << "" << QStringList{"555.00", "550.00", "5.00", "0.9%"}
                               << QStringList{"555.00", "575.00", "-20.00", "-3.5%"};
    }

    void theTableShowsEachCategoryThisYearAndLast()
    {
        QFETCH(QString, name);
        QFETCH(QString, lastLine);
        QFETCH(QStringList, january);
        QFETCH(QStringList, year);
        QLocale::setDefault(QLocale::c());
        ComparisonApp fixture;
        YearComparisonWindow &window = fixture.open();
        QAbstractItemModelTester tester(const_cast<YearComparisonModel *>(&window.model()),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(window.windowTitle(), QStringLiteral("Compare with Last Year — Orrinwick"));
        QCOMPARE(ComparisonApp::column(window.model(), name, 1),
                 (QStringList{"This year", "Last year", "Difference", "Change"}));
        QCOMPARE(ComparisonApp::column(window.model(), name, 0).at(1), lastLine);
        QCOMPARE(ComparisonApp::column(window.model(), name, kJanuary), january);
        QCOMPARE(ComparisonApp::column(window.model(), name, kYear), year);
        QCOMPARE(window.model().headerData(kToDate, Qt::Horizontal).toString(), QStringLiteral("To 15 Jan"));
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("comparisonNote"))->isHidden());
    }

    void theWindowFollowsTheBudgetAndChartsTheChosenCategory()
    {
        QLocale::setDefault(QLocale::c());
        ComparisonApp fixture;
        YearComparisonWindow &window = fixture.open();
        auto *chart = window.findChild<QChartView *>(QStringLiteral("comparisonChart"));
        const auto bars = [chart](int set) {
            auto *series = qobject_cast<QBarSeries *>(chart->chart()->series().first());
            return QList<qreal>{series->barSets()[set]->at(0), series->barSets()[set]->at(1)};
        };
        QCOMPARE(window.chartCategory(), QString());
        QCOMPARE(bars(0), (QList<qreal>{555, 0}));
        QCOMPARE(bars(1), (QList<qreal>{550, 25}));

        fixture.select(window, kFood);
        QCOMPARE(window.chartCategory(), kFood);
        QCOMPARE(bars(0), (QList<qreal>{15, 0}));
        QCOMPARE(bars(1), (QList<qreal>{10, 20}));

        // A booking after the 15th counts for January, not for the year to date.
        DocumentFixtures::addItem(fixture.app->document(), kFood, 0, "20", "Late", "7");
        DocumentFixtures::recalculate(fixture.app->document());
        QTRY_COMPARE(ComparisonApp::column(window.model(), kFood, kJanuary).first(), QStringLiteral("22.00"));
        QCOMPARE(ComparisonApp::column(window.model(), kFood, kToDate),
                 (QStringList{"15.00", "10.00", "5.00", "50%"}));
        QCOMPARE(window.chartCategory(), kFood);
        QCOMPARE(bars(0), (QList<qreal>{22, 0}));
    }

    void aCategoryMatchedByHandIsStoredAndUndone()
    {
        QLocale::setDefault(QLocale::c());
        ComparisonApp fixture;
        YearComparisonWindow &window = fixture.open();
        auto *match = window.findChild<QPushButton *>(QStringLiteral("matchButton"));
        QVERIFY(!match->isEnabled());
        fixture.select(window, QStringLiteral("Meals"));
        QVERIFY(match->isEnabled());
        QStringList offered;
        fixture.loop.answer([&offered](QWidget *dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            offered = input->comboBoxItems();
            input->setTextValue(QStringLiteral("Groceries"));
            input->accept();
        });
        match->click();
        QCOMPARE(offered, (QStringList{"The Same Name", "Food", "Rent", "Groceries", "Gone"}));
        const QList<ExtensionRecord> renamed = fixture.app->document().extensions().recordsOf(u"renamed");
        QCOMPARE(renamed.size(), 1);
        QCOMPARE(renamed.first().field(0), QStringLiteral("Meals"));
        QCOMPARE(renamed.first().field(1), QStringLiteral("Groceries"));
        QTRY_COMPARE(ComparisonApp::column(window.model(), QStringLiteral("Meals"), kJanuary),
                     (QStringList{"30.00", "40.00", "-10.00", "-25%"}));
        QCOMPARE(ComparisonApp::column(window.model(), QStringLiteral("Meals"), 0).at(1),
                 QStringLiteral("last year: Groceries"));
        QCOMPARE(ComparisonApp::firstLine(window.model(), QStringLiteral("Groceries")), -1);

        // Taking it back: the same name again, and Undo brings the match back.
        fixture.loop.answer([](QWidget *dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            QCOMPARE(input->textValue(), QStringLiteral("Groceries"));
            input->setTextValue(QStringLiteral("The Same Name"));
            input->accept();
        });
        match->click();
        QVERIFY(fixture.app->document().extensions().recordsOf(u"renamed").isEmpty());
        QTRY_VERIFY(ComparisonApp::firstLine(window.model(), QStringLiteral("Groceries")) >= 0);
        fixture.app->undoHistory().undoAction()->trigger();
        QCOMPARE(fixture.app->document().extensions().recordsOf(u"renamed").size(), 1);
        QTRY_COMPARE(ComparisonApp::firstLine(window.model(), QStringLiteral("Groceries")), -1);
    }

    void theExportsWriteTheTable()
    {
        QLocale::setDefault(QLocale::c());
        ComparisonApp fixture;
        YearComparisonWindow &window = fixture.open();
        const QString csv = fixture.folder.filePath(QStringLiteral("compared.csv"));
        const QString pdf = fixture.folder.filePath(QStringLiteral("compared.pdf"));
        fixture.panels.answer({csv});
        fixture.click(window, "exportCsvButton");
        fixture.panels.answer({pdf});
        fixture.click(window, "exportPdfButton");
        QCOMPARE(fixture.panels.suggested(),
                 (QStringList{fixture.folder.filePath(QStringLiteral("household-2026 Compared with Last Year.csv")),
                              fixture.folder.filePath(QStringLiteral("household-2026 Compared with Last Year.pdf"))}));
        QCOMPARE(AppFixture::contents(csv), ComparisonCsv::of(fixture.commands->comparison()));
        QVERIFY(AppFixture::contents(csv).contains("\r\nFood,Food,Last year,10,20,0,0,0,0,0,0,0,0,0,0,10,30\r\n"));
        QVERIFY(AppFixture::contents(pdf).startsWith("%PDF"));
        QVERIFY(fixture.alerts.shown().isEmpty());

        // A place that cannot be written is said, not taken for done.
        fixture.panels.answer({fixture.folder.filePath(QStringLiteral("no-folder/compared.csv"))});
        fixture.click(window, "exportCsvButton");
        QCOMPARE(fixture.alerts.shown().size(), 1);
    }

    void aMissingLastYearIsANote_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<QString>("note");
        QTest::newRow("the linked file is gone") << true << "Last year's budget household-2025.txt is not there";
        QTest::newRow("no link") << false
                                 << "This budget names no last year's budget yet: choose it to see last year's figures.";
    }

    void aMissingLastYearIsANote()
    {
        QFETCH(bool, linked);
        QFETCH(QString, note);
        QLocale::setDefault(QLocale::c());
        ComparisonApp fixture;
        if (linked)
            QVERIFY(QFile::remove(fixture.lastPath));
        else
            QVERIFY(fixture.app->edits().planning().setLastYearLink({}).isChanged());
        YearComparisonWindow &window = fixture.open();
        auto *shown = window.findChild<QLabel *>(QStringLiteral("comparisonNote"));
        QTRY_COMPARE(shown->text(), note);
        QVERIFY(shown->isVisible());
        QVERIFY(window.findChild<QPushButton *>(QStringLiteral("chooseLastYearButton"))->isVisible());
        QCOMPARE(ComparisonApp::column(window.model(), kFood, kJanuary), (QStringList{"15.00", "0.00", "15.00", "–"}));
        fixture.select(window, kFood);
        QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("matchButton"))->isEnabled());
        QVERIFY(fixture.alerts.shown().isEmpty());
    }
};

QTEST_MAIN(TestComparisonWindow)
#include "tst_comparisonwindow.moc"
