#include "AppFixture.h"
#include "DocumentFixtures.h"
#include "NamedControls.h"
#include "ProgramRun.h"
#include "RegisterRecords.h"

#include "app/UndoHistory.h"
#include "charts/BudgetChartData.h"
#include "document/BudgetFileWriter.h"
#include "document/CsvExport.h"
#include "document/DocumentSnapshot.h"
#include "editing/DocumentEditing.h"
#include "platform/CategoryComboBox.h"
#include "platform/MoneyDisplay.h"
#include "print/PrintoutHtml.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "splits/SplitCommands.h"
#include "splits/SplitEditorDialog.h"
#include "year/TransactionQuery.h"
#include "year/TransactionSearch.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

namespace {

constexpr int kMay = 4;
const QStringList kCategories{"Food", "Household", "Fun"};

using namespace NamedControls;

/// Fills part `number` (1 on) of the editor as the user types it.
void typePart(const SplitEditorDialog &editor, int number, const QString &category, const QString &amount,
              const QString &note = {})
{
    auto *combo = named<CategoryComboBox>(editor, QStringLiteral("Category of part %1").arg(number));
    QVERIFY(combo);
    type(combo->lineEdit(), category);
    type(named<QLineEdit>(editor, QStringLiteral("Amount of part %1").arg(number)), amount);
    if (!note.isEmpty())
        type(named<QLineEdit>(editor, QStringLiteral("Note of part %1").arg(number)), note);
}

QString leftText(const SplitEditorDialog &editor)
{
    return named<QLabel>(editor, QStringLiteral("Left to assign"))->text();
}

bool okEnabled(const SplitEditorDialog &editor)
{
    return editor.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled();
}

SplitEditorDialog::Whole market() { return {QStringLiteral("3"), QStringLiteral("Market"), Decimal::fromText(u"84.20")}; }

/// Food, Household and Fun of 2026; in May a budget of 500, the Market's
/// receipt of 84.20 in Food on the 3rd and a Bakery of 6 on the 9th.
QString writeBudget(const AppFixture &fixture)
{
    BudgetDocument document;
    for (const QString &name : kCategories)
        DocumentFixtures::addCategory(document, name);
    DocumentFixtures::setBudget(document, kMay, QStringLiteral("500"));
    DocumentFixtures::addItem(document, QStringLiteral("Food"), kMay, "3", "Market", "84.20");
    DocumentFixtures::addItem(document, QStringLiteral("Food"), kMay, "9", "Bakery", "6");
    DocumentExtensions extensions;
    extensions.setYear(2026);
    DocumentFixtures::setExtensions(document, extensions);
    const QString path = fixture.folder.filePath(QStringLiteral("split-2026.txt"));
    return BudgetFileWriter::writeFile(document, path) ? path : QString();
}

/// The app with the budget open and May's register shown, the Market selected.
struct SplitWindow
{
    AppFixture fixture;
    MyDataSource *app = nullptr;
    std::unique_ptr<SplitCommands> commands;
    QString path;

    SplitWindow()
    {
        fixture.knownVersion();
        app = &fixture.start();
        commands = std::make_unique<SplitCommands>(*app, fixture.alerts);
        path = writeBudget(fixture);
        if (!app->openFile(path))
            return;
        app->mainWindow().tabView()->setCurrentIndex(1);
        select(QStringLiteral("Market"));
    }
    [[nodiscard]] voCheckViewData &data() const { return app->checkView().tableData(); }
    void select(const QString &desc, int nth = 0)
    {
        if (app->checkView().monthIndex() != kMay || data().getMonthId().isNull())
            app->checkView().showRecord(kMay, QStringLiteral("Food"), Entry{"3", "Market", "84.20", {}, " "});
        int row = -1;
        for (int at = 0; at < data().recordCount(); ++at) {
            if (data().recordAt(at).desc == desc && nth-- == 0) {
                row = at;
                break;
            }
        }
        data().selectionModel()->select(data().index(row, 1),
                                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    /// Splits the selected Market three ways through the editor's widgets.
    void splitThreeWays()
    {
        fixture.loop.answer([](QWidget *window) {
            auto *editor = qobject_cast<SplitEditorDialog *>(window);
            QVERIFY(editor);
            typePart(*editor, 1, QStringLiteral("Food"), QStringLiteral("50"));
            typePart(*editor, 2, QStringLiteral("Household"), QStringLiteral("24.20"), QStringLiteral("soap"));
            QTest::mouseClick(named<QPushButton>(*editor, QStringLiteral("Add a part")), Qt::LeftButton);
            typePart(*editor, 3, QStringLiteral("Fun"), QStringLiteral("10"));
            QVERIFY(okEnabled(*editor));
            editor->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        commands->split();
    }
    /// The register's descriptions as shown, top to bottom.
    [[nodiscard]] QStringList shown() const { return RegisterRecords::column(data(), QStringLiteral("desc")); }
};

} // namespace

class TestSplitWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    /// What is left to assign follows what is typed, and OK waits for parts
    /// that add up exactly to the total, each in a category.
    void editorLeftToAssignAndOk_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("secondCategory");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("left"); // in the file's form; empty: an amount cannot be read
        QTest::addColumn<bool>("ok");

        QTest::newRow("one part typed") << "50" << "Household" << "" << "34.2" << false;
        QTest::newRow("adding up") << "50" << "Household" << "34.20" << "0" << true;
        QTest::newRow("more than the total") << "60" << "Household" << "34.20" << "-10" << false;
        QTest::newRow("no amount") << "50" << "Household" << "34.2x" << "" << false;
        QTest::newRow("no such category") << "50" << "Housework" << "34.20" << "0" << false;
        QTest::newRow("a category typed in another case") << "50" << "household" << "34.20" << "0" << true;
    }

    void editorLeftToAssignAndOk()
    {
        QFETCH(QString, first);
        QFETCH(QString, secondCategory);
        QFETCH(QString, second);
        QFETCH(QString, left);
        QFETCH(bool, ok);

        ScriptedAlerts alerts;
        SplitEditorDialog editor(market(), {{"Food", "84.20", {}}}, kCategories, {}, {}, alerts);
        QCOMPARE(leftText(editor), u"Left to assign: %1"_qs.arg(MoneyDisplay::format(u"0")));
        typePart(editor, 1, QStringLiteral("Food"), first);
        typePart(editor, 2, secondCategory, second);
        QCOMPARE(leftText(editor), left.isEmpty() ? u"Left to assign: an amount cannot be read"_qs
                                                  : u"Left to assign: %1"_qs.arg(MoneyDisplay::format(left)));
        QCOMPARE(okEnabled(editor), ok);
    }

    /// Every part gets the same share; the cents that do not divide go one
    /// by one to the first parts, whatever the sign.
    void distributeEvenly_data()
    {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QStringList>("amounts");

        QTest::newRow("100 in three") << "100" << QStringList{"33.34", "33.33", "33.33"};
        QTest::newRow("two cents over") << "0.05" << QStringList{"0.02", "0.02", "0.01"};
        QTest::newRow("a refund") << "-10" << QStringList{"-3.34", "-3.33", "-3.33"};
        QTest::newRow("even") << "84.2" << QStringList{"42.10", "42.10"};
        QTest::newRow("finer than cents") << "0.125" << QStringList{"0.063", "0.062"};
        QTest::newRow("four parts") << "1" << QStringList{"0.25", "0.25", "0.25", "0.25"};
    }

    void distributeEvenly()
    {
        QFETCH(QString, total);
        QFETCH(QStringList, amounts);

        ScriptedAlerts alerts;
        SplitEditorDialog editor({"3", "Market", Decimal::fromText(total)}, {}, kCategories, {}, {}, alerts);
        for (qsizetype part = 2; part < amounts.size(); ++part)
            QTest::mouseClick(named<QPushButton>(editor, QStringLiteral("Add a part")), Qt::LeftButton);
        for (int number = 1; number <= amounts.size(); ++number)
            type(named<CategoryComboBox>(editor, QStringLiteral("Category of part %1").arg(number))->lineEdit(),
                 kCategories.value(number - 1, QStringLiteral("Food")));
        QTest::mouseClick(named<QPushButton>(editor, QStringLiteral("Distribute evenly")), Qt::LeftButton);
        QStringList shown;
        for (int number = 1; number <= amounts.size(); ++number)
            shown << named<QLineEdit>(editor, QStringLiteral("Amount of part %1").arg(number))->text();
        QCOMPARE(shown, amounts);
        QCOMPARE(leftText(editor), u"Left to assign: %1"_qs.arg(MoneyDisplay::format(u"0")));
        QVERIFY(okEnabled(editor));
    }

    /// Split… splits the selected record through the editor in one step;
    /// the parts stay together in any sort, marked as parts; the editor opens
    /// again on a part with its split, and Unsplit puts it back together.
    void splitInTheRegister()
    {
        SplitWindow w;
        QCOMPARE(w.shown(), (QStringList{"Market", "Bakery"}));
        w.splitThreeWays();
        QCOMPARE(w.shown(), (QStringList{"Market (1 of 3)", "Market (2 of 3)", "Market (3 of 3)", "Bakery"}));
        QCOMPARE(w.app->undoHistory().stack().undoText(), u"Split Transaction"_qs);
        const QModelIndex first = w.data().index(0, RegisterRecords::columnOf(QStringLiteral("desc")));
        QCOMPARE(first.data(Qt::AccessibleDescriptionRole).toString(),
                 u"part 1 of 3 of Market %1"_qs.arg(MoneyDisplay::format(u"84.20")));

        // Sorted by amount, Bakery (6) comes first; by category, the parts
        // stay together in their order where the first one sorts.
        w.app->checkView().shouldSelectTableColumn(RegisterRecords::columnOf(QStringLiteral("amount")));
        QCOMPARE(w.shown(), (QStringList{"Bakery", "Market (1 of 3)", "Market (2 of 3)", "Market (3 of 3)"}));
        w.app->checkView().shouldSelectTableColumn(RegisterRecords::columnOf(QStringLiteral("category")));
        QCOMPARE(RegisterRecords::column(w.data(), QStringLiteral("category")),
                 (QStringList{"Food", "Household", "Fun", "Food"}));

        // On a part, the editor shows the split and Unsplit.
        w.select(QStringLiteral("Market"), 1);
        w.fixture.loop.answer([](QWidget *window) {
            auto *editor = qobject_cast<SplitEditorDialog *>(window);
            QVERIFY(editor);
            QCOMPARE(editor->parts().size(), 3);
            QCOMPARE(editor->parts().at(1), (SplitPart{"Household", "24.20", "soap"}));
            QTest::mouseClick(named<QPushButton>(*editor, QStringLiteral("Unsplit the transaction")), Qt::LeftButton);
        });
        w.commands->split();
        QCOMPARE(RegisterRecords::lines(w.data()), (QStringList{"3|Market|Food|84.2|soap| ", "9|Bakery|Food|6|| "}));
        QCOMPARE(w.app->undoHistory().stack().undoText(), u"Unsplit Transaction"_qs);
    }

    /// Ctrl+Shift+L in the register opens the editor on the selected record.
    void theKeyOpensTheEditor()
    {
        SplitWindow w;
        QApplication::setActiveWindow(&w.app->mainWindow());
        QTableView *table = w.app->checkView().tableView();
        table->setFocus();
        QTest::keyClick(table, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.fixture.loop.titles(), QStringList{"Split Transaction"});
    }

    /// Deleting a part asks whether the whole split goes or that part.
    void deleteAPartAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("after");

        QTest::newRow("the whole split") << int(Alerts::Button::Action) << QStringList{"Bakery"};
        QTest::newRow("this part") << int(Alerts::Button::OtherAction)
                                   << QStringList{"Market (1 of 2)", "Market (2 of 2)", "Bakery"};
        QTest::newRow("cancel") << int(Alerts::Button::Cancel)
                                << QStringList{"Market (1 of 3)", "Market (2 of 3)", "Market (3 of 3)", "Bakery"};
    }

    void deleteAPartAsks()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, after);

        SplitWindow w;
        w.splitThreeWays();
        w.select(QStringLiteral("Market"), 2);
        w.fixture.alerts.clear();
        w.fixture.alerts.answer({Alerts::Button(answer)});
        w.app->checkView().delData();
        QCOMPARE(w.fixture.alerts.titles(), QStringList{"Delete Part of a Split"});
        QCOMPARE(w.shown(), after);
    }

    /// Every figure counts each part in its category (the envelopes too): with the split, with
    /// it carried into June as well, after its undo and after Unsplit.
    void figures_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("figures");

        QTest::newRow("split") << "split"
                               << QStringList{"grid May 56 24.2 10", "Remain May 409.8", "average Food 56",
                                              "chart May 90.2 Household 24.2", "find 3 84.2 84.20, 2 of 3",
                                              "csv Market 2026-05-03 84.20, 2 of 3", "pdf 24", "report 24.2 0", "envelope -24.2 -10"};
        QTest::newRow("carried into June")
            << "carried"
            << QStringList{"grid May 56 24.2 10", "Remain May 409.8", "average Food 53",
                           "chart May 90.2 Household 48.4", "find 6 168.4 84.20, 2 of 3",
                           "csv Market 2026-05-03 84.20, 2 of 3", "pdf 24", "report 24.2 24.2", "envelope -24.2 -10"};
        QTest::newRow("undone") << "undone"
                                << QStringList{"grid May 90.2 0 0", "Remain May 409.8", "average Food 90",
                                               "chart May 90.2 Household 0", "find 1 84.2 ", "csv", "pdf 0",
                                               "report 0 0", "envelope 0 0"};
        QTest::newRow("unsplit") << "unsplit"
                                 << QStringList{"grid May 90.2 0 0", "Remain May 409.8", "average Food 90",
                                                "chart May 90.2 Household 0", "find 1 84.2 ", "csv", "pdf 0",
                                                "report 0 0", "envelope 0 0"};
    }

    void figures()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, figures);

        SplitWindow w;
        w.splitThreeWays();
        if (state == u"carried") {
            w.select(QStringLiteral("Market"), 1);
            QVERIFY(w.app->edits().records().carryOver(w.data(), w.data().selectedRows()).isChanged());
        } else if (state == u"undone") {
            w.app->undoHistory().stack().undo();
        } else if (state == u"unsplit") {
            QVERIFY(w.app->edits().splits().unsplit(w.data(), 0).isChanged());
        }
        QVERIFY(w.app->flushPendingEdits());
        const BudgetDocument &document = w.app->document();
        const auto row = [&document](const char *name) {
            return document.getCatArray()[document.rowOfCategory(QString::fromLatin1(name))];
        };
        QStringList shown;
        shown << u"grid May %1 %2 %3"_qs.arg(row("Food").months[kMay], row("Household").months[kMay],
                                              row("Fun").months[kMay]);
        shown << u"Remain May "_qs + document.getCatArray()[kRemainingRowIndex].months[kMay];
        shown << u"average Food "_qs + row("Food").average;
        const BudgetChartData chart = BudgetChartData::fromDocument(document);
        double household = 0;
        for (const BudgetChartData::CategoryTotal &total : chart.categories)
            household += total.name == u"Household" ? total.spent : 0;
        shown << u"chart May %1 Household %2"_qs.arg(chart.spent[kMay]).arg(household);

        TransactionSearch search;
        search.rebuild(DocumentSnapshot::take(document));
        const TransactionSearch::Result found = search.find(TransactionQuery::parse(QStringLiteral("Market")));
        QString household2;
        for (const int at : found.rows)
            household2 = search.at(at).category == u"Household" && household2.isEmpty() ? search.at(at).split
                                                                                        : household2;
        shown << u"find %1 %2 %3"_qs.arg(found.rows.size()).arg(found.total.toText(), household2);

        QString csv = QStringLiteral("csv");
        for (const QByteArray &line : CsvExport::monthRegister(document, kMay).split('\n')) {
            if (line.contains("Household"))
                csv += u' ' + QString::fromUtf8(line.trimmed()).section(u',', 6).remove(u'"');
        }
        shown << csv;
        const QString pdf = PrintoutHtml::budgetGrid(document, QStringLiteral("Budget"));
        const QString householdCell = w.app->gridModel()
                                          .index(document.rowOfCategory(QStringLiteral("Household")), kMay + 1)
                                          .data()
                                          .toString();
        shown << (pdf.contains(u'>' + householdCell + u'<') ? u"pdf "_qs + householdCell : u"pdf missing"_qs);

        QVERIFY(BudgetFileWriter::writeFile(document, w.path));
        const ProgramRun report = ProgramRun::start(QStringLiteral(ORRINWICK_BINARY), {QStringLiteral("--report"), w.path},
                                                    w.fixture.folder.path());
        QCOMPARE(report.exitCode, 0);
        QString reported = QStringLiteral("report");
        for (const QByteArray &line : report.out.split('\n')) {
            if (line.startsWith("Household\t"))
                reported += u' ' + QString::fromUtf8(line.split('\t').value(kMay + 1)) + u' '
                    + QString::fromUtf8(line.split('\t').value(kMay + 2));
        }
        shown << reported;
        // In envelope mode each part comes out of its own category's envelope.
        const ProgramRun envelopes = ProgramRun::start(
            QStringLiteral(ORRINWICK_BINARY), {QStringLiteral("--report"), w.path, QStringLiteral("--envelope")},
            w.fixture.folder.path());
        QCOMPARE(envelopes.exitCode, 0);
        QString enveloped = QStringLiteral("envelope");
        for (const QByteArray &line : envelopes.out.split('\n')) {
            if (line.startsWith("Household\t") || line.startsWith("Fun\t"))
                enveloped += u' ' + QString::fromUtf8(line.split('\t').value(kMay + 1));
        }
        shown << enveloped;
        QCOMPARE(shown, figures);
    }
};

QTEST_MAIN(TestSplitWindows)
#include "tst_splitwindows.moc"
