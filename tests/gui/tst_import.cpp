#include "AppFixture.h"
#include "DocumentCompare.h"
#include "ImportFixtures.h"
#include "NamedControls.h"
#include "UndoMenu.h"

#include "app/UndoHistory.h"
#include "document/DocumentSnapshot.h"
#include "import/ImportCommand.h"
#include "import/ImportPreviewDialog.h"
#include "import/ImportPreviewModel.h"
#include "import/ImportRulesDialog.h"
#include "import/ImportSettings.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "platform/CategoryComboBox.h"
#include "splits/SplitEditorDialog.h"
#include "splits/SplitLinks.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {

using Column = ImportPreviewModel::Column;
constexpr int kMay = 4;

/// The program on a copy of the sample budget, with the import command.
struct ImportApp : AppFixture
{
    std::unique_ptr<ImportCommand> command;

    ImportApp()
    {
        settings->setValue(Settings::kDataFile, sampleCopy());
        knownVersion().start();
        command = std::make_unique<ImportCommand>(*app, *settings, panels, alerts);
    }

    /// File → Import Transactions…, found in the menu as the user finds it.
    [[nodiscard]] QAction *importAction() const
    {
        for (QAction *action : app->mainWindow().findChild<QMenu *>(QStringLiteral("menuFile"))->actions()) {
            if (action->objectName() == u"actionImportTransactions")
                return action;
        }
        return nullptr;
    }

    /// The next preview is answered with `act`, then its Import button.
    void answerPreview(std::function<void(ImportPreviewDialog &)> act = {})
    {
        loop.answer([act](QWidget *window) {
            auto &preview = *qobject_cast<ImportPreviewDialog *>(window);
            if (act)
                act(preview);
            preview.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
    }

    [[nodiscard]] QByteArray may() const { return CsvExport::monthRegister(app->document(), kMay); }
};

/// A preview of one statement over the sample budget, outside the program.
struct Preview
{
    std::unique_ptr<BudgetDocument> document = DocumentCompare::loaded(ImportFixtures::kSample, false, true);
    std::unique_ptr<Settings> settings = Settings::inMemory();
    ImportSettings importSettings{*settings};
    ScriptedAlerts alerts;
    ScriptedModalLoop loop;
    ModalLoop::Scope scope{loop};
    std::unique_ptr<ImportPreviewDialog> dialog;

    void open(const QString &path)
    {
        dialog = std::make_unique<ImportPreviewDialog>(StatementSource::open(path), *document, importSettings, alerts,
                                                       QStringLiteral("/budgets/home.txt"));
    }

    [[nodiscard]] ImportPreviewModel &model() const { return dialog->model(); }
    template<typename T>
    [[nodiscard]] T *control(const char *name) const
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    [[nodiscard]] int row(const QString &description) const
    {
        const QList<PlannedLine> &lines = dialog->plan().lines();
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].description == description)
                return i;
        }
        return -1;
    }
    [[nodiscard]] QString importText() const
    {
        return control<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok)->text();
    }
    void choose(const char *box, int column) const
    {
        QComboBox *combo = control<QComboBox>(box);
        combo->setCurrentIndex(combo->findData(column));
        emit combo->activated(combo->currentIndex());
    }
};

QString writeStatement(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes);
    return file.fileName();
}

using namespace NamedControls;

} // namespace

class ImportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theMenuCommandAddsTheTickedLinesAsOneUndoStep()
    {
        ImportApp fixture;
        QAction *action = fixture.importAction();
        QVERIFY(action);
        QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
        const DocumentSnapshot before = DocumentSnapshot::take(fixture.app->document());
        const QByteArray file = AppFixture::contents(fixture.settings->dataFile());

        fixture.panels.answer({ImportFixtures::kFolder + QStringLiteral("statement-comma.csv")});
        fixture.answerPreview();
        action->trigger();
        QCOMPARE(fixture.panels.shown(), QStringList{QStringLiteral("import")});
        QCOMPARE(fixture.loop.titles(), QStringList{QStringLiteral("Import Transactions")});
        QCOMPARE(fixture.may(), ImportFixtures::kImportedMay);
        QCOMPARE(fixture.app->document().extensions().year(), 2026); // the year answered is the file's
        QCOMPARE(AppFixture::contents(fixture.settings->dataFile()), file); // saved only by the usual commands
        QVERIFY(UndoMenu::undoesAndRedoes(fixture.app->undoHistory(), QStringLiteral("Import 5 Transactions"),
                                          [&fixture] { return DocumentSnapshot::take(fixture.app->document()); },
                                          before));

        fixture.answerPreview(); // the same statement again: nothing to tick
        fixture.command->importStatementFile(ImportFixtures::kFolder + QStringLiteral("statement-ofx102.ofx"));
        QCOMPARE(fixture.may(), ImportFixtures::kImportedMay);
        QCOMPARE(fixture.app->undoHistory().stack().count(), 1);
    }

    void aLineSplitInThePreviewEntersAsASplitInTheImportsStep()
    {
        ImportApp fixture;
        const DocumentSnapshot before = DocumentSnapshot::take(fixture.app->document());
        QString shown;
        fixture.answerPreview([&fixture, &shown](ImportPreviewDialog &preview) {
            const QList<PlannedLine> &lines = preview.plan().lines();
            const auto bakery = std::find_if(lines.cbegin(), lines.cend(),
                                             [](const PlannedLine &line) { return line.description == u"Bakery"; });
            QVERIFY(bakery != lines.cend());
            const int row = int(bakery - lines.cbegin());
            preview.findChild<QTableView *>(QStringLiteral("previewTable"))
                ->setCurrentIndex(preview.model().index(row, int(Column::Description)));
            fixture.loop.answer([](QWidget *window) {
                auto *editor = qobject_cast<SplitEditorDialog *>(window);
                QVERIFY(editor);
                // The line is the first part; the editor offers a second.
                type(named<QLineEdit>(*editor, QStringLiteral("Amount of part 1")), QStringLiteral("8"));
                type(named<CategoryComboBox>(*editor, QStringLiteral("Category of part 2"))->lineEdit(),
                     QStringLiteral("Health"));
                type(named<QLineEdit>(*editor, QStringLiteral("Amount of part 2")), QStringLiteral("4"));
                type(named<QLineEdit>(*editor, QStringLiteral("Note of part 2")), QStringLiteral("tea"));
                editor->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            });
            preview.findChild<QPushButton *>(QStringLiteral("splitButton"))->click();
            shown = preview.model().index(row, int(Column::Category)).data().toString();
        });
        fixture.command->importStatementFile(ImportFixtures::kFolder + QStringLiteral("statement-splits.qif"));
        QCOMPARE(fixture.loop.titles().last(), QStringLiteral("Split Transaction"));
        QCOMPARE(shown, QStringLiteral("Groceries, Health"));
        const QByteArray may = fixture.may();
        QVERIFY2(may.contains("14,Groceries,Bakery,8,,no") && may.contains("14,Health,Bakery,4,tea,no"), may.constData());
        QCOMPARE(SplitLinks::read(fixture.app->document().extensions()).size(), 3); // two of the file's, the Bakery
        QVERIFY(UndoMenu::undoesAndRedoes(fixture.app->undoHistory(), QStringLiteral("Import 4 Transactions"),
                                          [&fixture] { return DocumentSnapshot::take(fixture.app->document()); },
                                          before));
    }

    void anOpenRegisterFollowsAndKeepsItsEdits()
    {
        ImportApp fixture;
        fixture.app->mainWindow().tabView()->setCurrentIndex(1);
        voCheckViewCtrl &view = fixture.app->checkView();
        view.incrementMonth();
        view.incrementMonth();
        voCheckViewData &shown = view.tableData();
        QCOMPARE(shown.getMonthId(), QStringLiteral("may"));
        view.addData(); // an edit not yet written back
        QCOMPARE(shown.numberOfRowsInTableView(), 1);

        fixture.answerPreview();
        fixture.command->importStatementFile(ImportFixtures::kFolder + QStringLiteral("statement-iso.qif"));
        QCOMPARE(shown.getMonthId(), QStringLiteral("may"));
        QCOMPARE(shown.numberOfRowsInTableView(), 6);
        fixture.app->undoHistory().undoAction()->trigger();
        QCOMPARE(shown.numberOfRowsInTableView(), 1);
    }

    void nothingChangesWhenTheUserCancelsOrTheStatementCannotBeRead_data()
    {
        QTest::addColumn<QByteArray>("statement");
        QTest::addColumn<QStringList>("alerts");
        QFile file(ImportFixtures::kFolder + QStringLiteral("statement-ofx211.ofx"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ofx = file.readAll();
        QTest::newRow("cancelled preview") << ofx << QStringList();
        QTest::newRow("truncated OFX") << ofx.left(900) << QStringList{QStringLiteral("WARNING")};
        QTest::newRow("picture") << QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF", 10) << QStringList{QStringLiteral("WARNING")};
    }

    void nothingChangesWhenTheUserCancelsOrTheStatementCannotBeRead()
    {
        QFETCH(QByteArray, statement);
        QFETCH(QStringList, alerts);
        ImportApp fixture;
        const DocumentSnapshot before = DocumentSnapshot::take(fixture.app->document());
        fixture.command->importStatementFile(writeStatement(fixture.folder, QStringLiteral("statement"), statement));
        QCOMPARE(fixture.alerts.titles(), alerts);
        QCOMPARE(fixture.loop.titles().size(), alerts.isEmpty() ? 1 : 0);
        QVERIFY(DocumentSnapshot::take(fixture.app->document()) == before);
        QCOMPARE(fixture.app->undoHistory().stack().count(), 0);
    }

    void thePreviewTakesTheUsersChoices()
    {
        Preview preview;
        preview.open(ImportFixtures::kFolder + QStringLiteral("statement-comma.csv"));
        QAbstractItemModelTester tester(&preview.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        ImportPreviewModel &model = preview.model();
        QCOMPARE(preview.importText(), QStringLiteral("Import 5 Transactions"));
        QCOMPARE(preview.control<QSpinBox>("yearBox")->value(), 2026);

        const int garden = preview.row(QStringLiteral("Garden centre"));
        QCOMPARE(model.index(garden, int(Column::State)).data().toString(), QStringLiteral("needs a category"));
        QVERIFY(!(model.flags(model.index(garden, int(Column::Tick))) & Qt::ItemIsUserCheckable));
        QVERIFY(model.setData(model.index(garden, int(Column::Category)), QStringLiteral("Groceries")));
        QCOMPARE(model.index(garden, int(Column::Tick)).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
        QCOMPARE(preview.importText(), QStringLiteral("Import 6 Transactions"));

        const int salary = preview.row(QStringLiteral("Employer Ltd"));
        QVERIFY(model.setData(model.index(salary, int(Column::Category)), QStringLiteral("Rent")));
        QVERIFY(model.setData(model.index(salary, int(Column::Tick)), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(model.index(salary, int(Column::Amount)).data().toString(), QStringLiteral("-2150.00"));

        // Another year keeps what the user chose for the lines.
        preview.control<QSpinBox>("yearBox")->setValue(2025);
        QCOMPARE(preview.importText(), QStringLiteral("Import 1 Transaction"));
        preview.control<QSpinBox>("yearBox")->setValue(2026);
        QCOMPARE(preview.importText(), QStringLiteral("Import 7 Transactions"));

        // A choice saved as a rule, shortened to the payee's name, names the category next time.
        preview.control<QTableView>("previewTable")->setCurrentIndex(model.index(garden, int(Column::Category)));
        preview.loop.answer([](QWidget *window) {
            // The rule's text is being edited: the user shortens it and presses OK.
            auto *rules = qobject_cast<ImportRulesDialog *>(window);
            rules->findChild<QTableWidget *>()->viewport()->findChild<QLineEdit *>()->setText(QStringLiteral("garden"));
            rules->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        preview.control<QPushButton>("saveRuleButton")->click();
        QCOMPARE(preview.importSettings.rules(),
                 (QList<CategoryRule>{{QStringLiteral("garden"), QStringLiteral("Groceries")}}));
        QCOMPARE(preview.dialog->plan().lines()[garden].categorySource, CategorySource::Chosen);
        preview.open(ImportFixtures::kFolder + QStringLiteral("statement-iso.qif"));
        QCOMPARE(preview.dialog->plan().lines()[garden].categorySource, CategorySource::Rule);
    }

    void csvColumnsChosenOnceServeTheNextStatementOfTheBank()
    {
        Preview preview;
        QTemporaryDir folder;
        const QByteArray layout = "When;What;Balance;How much\r\n";
        const QString first = writeStatement(folder, QStringLiteral("may.csv"),
                                             layout + "02.05.2026;Market;100,00;-58,40\r\n03.05.2026;Florist;95,90;-4,10\r\n");
        preview.open(first);
        QCOMPARE(preview.control<QComboBox>("descriptionColumn")->currentData().toInt(), 1);
        QVERIFY(preview.control<QCheckBox>("decimalCommaCheck")->isChecked());
        QCOMPARE(preview.control<QComboBox>("amountColumn")->currentData().toInt(), 2); // the first column of amounts
        preview.choose("amountColumn", 3);
        QCOMPARE(preview.importText(), QStringLiteral("Import 1 Transaction")); // the bakery has no category
        preview.control<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok)->click();

        const QString second = writeStatement(folder, QStringLiteral("june.csv"), layout + "01.06.2026;Fuel;55,90;-40,00\r\n");
        preview.open(second);
        QCOMPARE(preview.dialog->plan().lines().first().amount, QStringLiteral("40.00"));
    }

    void anOpenDateOrderIsAsked_data()
    {
        QTest::addColumn<Alerts::Button>("answer");
        QTest::addColumn<QDate>("date");
        QTest::newRow("month first") << Alerts::Button::Action << QDate(2026, 5, 4);
        QTest::newRow("day first") << Alerts::Button::OtherAction << QDate(2026, 4, 5);
    }

    void anOpenDateOrderIsAsked()
    {
        QFETCH(Alerts::Button, answer);
        QFETCH(QDate, date);
        Preview preview;
        QTemporaryDir folder;
        preview.alerts.answer({answer});
        preview.open(writeStatement(folder, QStringLiteral("open.qif"), "!Type:Bank\nD05/04/2026\nT-3.00\nPBakery\n^\n"));
        QCOMPARE(preview.alerts.titles(), QStringList{QStringLiteral("Date Order")});
        QCOMPARE(preview.dialog->plan().lines().first().source.date, date);
    }
};

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
