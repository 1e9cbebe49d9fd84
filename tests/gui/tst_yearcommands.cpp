#include "AppFixture.h"
#include "DocumentCompare.h"

#include "app/UndoHistory.h"
#include "app/YearCommands.h"
#include "find/FindResultsModel.h"
#include "find/FindTransactionsDialog.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "document/Decimal.h"
#include "year/LastYearLink.h"
#include "year/MoneyText.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

const QString kSample = QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt");

/// The program on a copy of the sample budget, with the year's commands.
struct YearCommandsFixture : AppFixture
{
    std::unique_ptr<YearCommands> commands;
    QString budget;

    explicit YearCommandsFixture(const QString &fileName = QStringLiteral("household-2026.txt"))
    {
        budget = sampleCopy(fileName);
        knownVersion().settings->setValue(Settings::kDataFile, budget);
        start();
        commands = std::make_unique<YearCommands>(*app, panels, alerts);
    }

    [[nodiscard]] QAction *action(const char *name) const
    {
        return app->mainWindow().findChild<QAction *>(QLatin1String(name));
    }

    [[nodiscard]] QStringList menuTexts(const char *menu) const
    {
        QStringList texts;
        for (const QAction *item : app->mainWindow().findChild<QMenu *>(QLatin1String(menu))->actions())
            texts << (item->isSeparator() ? QStringLiteral("--") : item->text());
        return texts;
    }
};

} // namespace

class YearCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void commandsJoinTheFileAndEditMenus()
    {
        YearCommandsFixture fixture;
        QCOMPARE(fixture.menuTexts("menuFile"),
                 (QStringList{"&New…", "New &Year from This Budget…", "&Open…", "Open &Recent", "--", "&Save",
                              "Save &As…", "Res&tore from Backup…", "--", "E&xport", "Export as P&DF…", "&Print…",
                              "--", "&Quit"}));
        const QStringList edit = fixture.menuTexts("menuEdit");
        QCOMPARE(edit.mid(edit.indexOf("&Delete Category"), 4),
                 (QStringList{"&Delete Category", "&Find Transactions…", "--", "&Preferences…"}));
        QVERIFY(fixture.action("actionFindTransactions")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F)));
        QVERIFY(fixture.action("actionPrint")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_P)));
    }

    void newYearStartsFromThisBudgetWithoutTransactions_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("answer"); // a name in the folder; "-" cancels
        QTest::addColumn<QString>("suggested"); // a name in the folder, "/" the folder alone
        QTest::addColumn<bool>("opened");

        QTest::newRow("year in the name") << "household-2026.txt" << "household-2027.txt" << "household-2027.txt" << true;
        QTest::newRow("no year in the name") << "household.txt" << "next.txt" << "/" << true;
        QTest::newRow("the open file is refused") << "household-2026.txt" << "household-2026.txt"
                                                  << "household-2027.txt" << false;
        QTest::newRow("cancelled") << "household-2026.txt" << "-" << "household-2027.txt" << false;
    }

    void newYearStartsFromThisBudgetWithoutTransactions()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, answer);
        QFETCH(QString, suggested);
        QFETCH(bool, opened);
        YearCommandsFixture fixture(fileName);
        const QString chosen = fixture.folder.filePath(answer);
        fixture.panels.answer({answer == u"-" ? std::nullopt : std::optional<QString>(chosen)});
        fixture.app->mainWindow().tabView()->setCurrentIndex(1);
        fixture.action("actionNewYear")->trigger();

        QCOMPARE(fixture.panels.shown(), QStringList{QStringLiteral("save: New Year from This Budget")});
        QCOMPARE(fixture.panels.suggested(),
                 QStringList{suggested == u"/" ? fixture.folder.path() + u'/' : fixture.folder.filePath(suggested)});
        const std::unique_ptr<BudgetDocument> sample = DocumentCompare::loaded(kSample, false, true);
        const std::unique_ptr<BudgetDocument> before = DocumentCompare::loaded(fixture.budget, false, true);
        QCOMPARE(DocumentCompare::firstDifference(*before, *sample), QString()); // this year's is kept whole
        QCOMPARE(fixture.alerts.shown().size(), answer == fileName ? 1 : 0);
        if (!opened) {
            QCOMPARE(fixture.app->dataFileName(), fixture.budget);
            QCOMPARE(DocumentCompare::firstDifference(fixture.app->document(), *sample), QString());
            return;
        }
        QCOMPARE(fixture.app->dataFileName(), chosen);
        QCOMPARE(fixture.app->selectedTabIndex(), 0);
        const std::unique_ptr<BudgetDocument> next = DocumentCompare::loaded(chosen, false, true);
        QVERIFY(next);
        QCOMPARE(DocumentCompare::firstDifference(fixture.app->document(), *next), QString());
        // Next year's budget knows this one as its last year's.
        QCOMPARE(LastYearLink::linkedPath(next->extensions(), chosen), std::optional<QString>(fixture.budget));
        QCOMPARE(next->budgetTotals(), sample->budgetTotals());
        QCOMPARE(DocumentFixtures::categoryNames(*next), DocumentFixtures::categoryNames(*sample));
        for (const QString &category : DocumentFixtures::categoryNames(*sample)) {
            for (int month = 0; month < MonthTables::kMonthCount; ++month)
                QCOMPARE(*next->entryList(category, month), EntryList{sample->entryList(category, month)->first()});
        }
        QVERIFY(!fixture.app->undoHistory().undoAction()->isEnabled());
    }

    void findListsWhatItFindsAndShowsItSelectedInTheRegister()
    {
        YearCommandsFixture fixture;
        fixture.action("actionFindTransactions")->trigger();
        FindTransactionsDialog *dialog = fixture.commands->findDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Find Transactions"));
        QStringList names;
        for (const QWidget *control : dialog->findChildren<QWidget *>()) {
            if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(dialog))
                names << control->accessibleName();
        }
        QVERIFY2(!names.contains(QString()) && names.size() == QSet<QString>(names.cbegin(), names.cend()).size(),
                 qPrintable(names.join(u',')));

        QAbstractItemModelTester tester(&dialog->results(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("findField"));
        QTest::keyClicks(field, QStringLiteral("pizzeria"));
        const FindResultsModel &results = dialog->results();
        QCOMPARE(results.rowCount(), 9); // every pizzeria of the sample
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("findSummary"))->text(),
                 QStringLiteral("9 transactions found, total %1").arg(sampleTotal(u"Pizzeria")));

        // Down goes from the field into the list; Enter there shows the record.
        QTest::keyClick(field, Qt::Key_Down);
        QTableView &view = dialog->resultsView();
        QTest::keyClick(&view, Qt::Key_Down);
        QTest::keyClick(&view, Qt::Key_Down);
        QTest::keyClick(&view, Qt::Key_Return);
        const FoundTransaction found = results.transaction(2);
        QCOMPARE(fixture.app->selectedTabIndex(), 1);
        voCheckViewCtrl &registerView = fixture.app->checkView();
        QCOMPARE(registerView.monthIndex(), found.month);
        voCheckViewData &month = registerView.tableData();
        QCOMPARE(month.selectedRows().size(), 1);
        const RegisterRecord &selected = month.record(month.selectedRows().first());
        QCOMPARE(selected.category, found.category);
        QCOMPARE(selected.toEntry(), found.entry);

        // What the register holds but has not written back is found too.
        QVERIFY(month.setData(month.index(month.selectedRows().first(), int(voCheckViewData::columnIds().indexOf(kDescId))),
                              QStringLiteral("Zebra Café")));
        field->clear();
        QTest::keyClicks(field, QStringLiteral("zebra cafe"));
        QTRY_COMPARE(results.rowCount(), 1);
        QCOMPARE(results.transaction(0).month, found.month);
    }

    void printAndPdfFollowTheTabShown_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::newRow("grid") << 0 << "Budget Grid";
        QTest::newRow("register") << 1 << "March Register"; // the fixture's calendar month
    }

    void printAndPdfFollowTheTabShown()
    {
        QFETCH(int, tab);
        QFETCH(QString, name);
        YearCommandsFixture fixture;
        fixture.app->mainWindow().tabView()->setCurrentIndex(tab);

        const QString pdf = fixture.folder.filePath(QStringLiteral("out.pdf"));
        fixture.panels.answer({pdf});
        fixture.action("actionExportPdf")->trigger();
        QCOMPARE(fixture.panels.shown(), QStringList{QStringLiteral("export: Export %1 as PDF").arg(name)});
        QCOMPARE(fixture.panels.suggested(), QStringList{fixture.folder.filePath("household-2026 " + name + ".pdf")});
        const QByteArray bytes = AppFixture::contents(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));

        int pages = 0;
        fixture.loop.answer([&pages](QWidget *window) {
            if (auto *preview = window->findChild<QPrintPreviewWidget *>())
                pages = preview->pageCount();
        });
        fixture.action("actionPrint")->trigger();
        QCOMPARE(fixture.loop.titles(), QStringList{QStringLiteral("Print ") + name});
        QCOMPARE(pages, 1);
    }

private:
    /// The sum of the sample's items so described, as Find shows money.
    static QString sampleTotal(QStringView desc)
    {
        const std::unique_ptr<BudgetDocument> sample = DocumentCompare::loaded(kSample, false, true);
        Decimal total;
        for (const QString &category : DocumentFixtures::categoryNames(*sample)) {
            for (int month = 0; month < MonthTables::kMonthCount; ++month) {
                for (const Entry &entry : *sample->entryList(category, month)) {
                    if (entry.desc == desc)
                        total += Decimal::fromText(entry.amount);
                }
            }
        }
        return moneyText(total);
    }
};

QTEST_MAIN(YearCommandsTest)
#include "tst_yearcommands.moc"
