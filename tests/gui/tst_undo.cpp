#include "AppFixture.h"
#include "RegisterRecords.h"
#include "UndoMenu.h"

#include "app/BudgetGridModel.h"
#include "app/BudgetGridView.h"
#include "app/UndoHistory.h"
#include "document/DocumentSnapshot.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

constexpr int kMar = 2;
constexpr int kApr = 3;
constexpr int kJanColumn = 1; // grid column of "jan"
constexpr int kRentRow = 4;   // grid row of the sample's second category

/// The controller started on a copy of the sample budget, on the grid tab,
/// with a calendar in March.
struct UndoApp
{
    AppFixture fixture;
    MyDataSource *app = nullptr;
    QString path;
    std::unique_ptr<QAbstractItemModelTester> gridTester;
    std::unique_ptr<QAbstractItemModelTester> registerTester;

    UndoApp()
    {
        path = fixture.sampleCopy();
        fixture.settings->setValue(Settings::kDataFile, path);
        app = &fixture.knownVersion().start();
        using Mode = QAbstractItemModelTester::FailureReportingMode;
        gridTester = std::make_unique<QAbstractItemModelTester>(&app->gridModel(), Mode::QtTest);
        registerTester = std::make_unique<QAbstractItemModelTester>(&registerData(), Mode::QtTest);
    }

    [[nodiscard]] UndoHistory &history() const { return app->undoHistory(); }
    [[nodiscard]] QAction *undoAction() const { return history().undoAction(); }
    [[nodiscard]] QAction *redoAction() const { return history().redoAction(); }
    void undo() const { undoAction()->trigger(); }
    void redo() const { redoAction()->trigger(); }
    template <typename Look>
    [[nodiscard]] bool undoesAndRedoes(const QString &name, const Look &look, const decltype(look()) &before) const
    {
        return UndoMenu::undoesAndRedoes(history(), name, look, before);
    }

    [[nodiscard]] DocumentSnapshot document() const { return DocumentSnapshot::take(app->document()); }
    [[nodiscard]] BudgetGridModel &grid() const { return app->gridModel(); }
    [[nodiscard]] BudgetGridView &gridView() const { return *app->mainWindow().tableView(); }
    [[nodiscard]] voCheckViewData &registerData() const { return app->checkView().tableData(); }

    void showGrid() const { app->mainWindow().tabView()->setCurrentIndex(0); }
    void showRegister() const { app->mainWindow().tabView()->setCurrentIndex(1); }

    void useEnvelopes() const
    {
        fixture.settings->setValue(Settings::kEnvelopeView, true);
        app->openPrefsPanel();
    }

    /// Every record the register shows (in one fixed order, since a reload
    /// sorts), then its budget and remaining figures.
    [[nodiscard]] QStringList registerShows() const
    {
        QStringList shown = RegisterRecords::lines(registerData());
        shown.sort();
        for (const char *label : {"_totalAmount", "_remainAmount"})
            shown << app->checkView().findChild<QLabel *>(QLatin1String(label))->text();
        return shown;
    }

    /// Every cell of the budget grid, row by row.
    [[nodiscard]] QStringList gridShows() const
    {
        QStringList shown;
        for (int row = 0; row < grid().rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < grid().columnCount(); ++column)
                cells << grid().index(row, column).data().toString();
            shown << cells.join(u'|');
        }
        return shown;
    }

    [[nodiscard]] QModelIndex registerCell(const QString &desc, const QString &columnId) const
    {
        return RegisterRecords::cellOf(registerData(), desc, columnId);
    }

    void selectRecord(const QString &desc) const
    {
        registerData().selectionModel()->select(registerCell(desc, QStringLiteral("desc")),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    bool setBudget(int column, const QString &value) const
    {
        return grid().setData(grid().index(kBudgetRowIndex, column), value, Qt::EditRole);
    }

    [[nodiscard]] QString storedAmount(const QString &category, int month, int at) const
    {
        return app->document().entryList(category, month)->at(at).amount;
    }
};

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void gridChangesUndoAndRedo_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("name");
        QTest::newRow("budget cell") << "budget" << "Edit Budget";
        QTest::newRow("rename") << "rename" << "Rename Category";
        QTest::newRow("new category") << "new" << "New Category";
        QTest::newRow("delete category") << "delete" << "Delete Category";
        QTest::newRow("move by drop") << "move" << "Move Category";
        QTest::newRow("envelope from the Budget row") << "envelope" << "Edit Envelope";
    }

    void gridChangesUndoAndRedo()
    {
        QFETCH(QString, change);
        QFETCH(QString, name);
        UndoApp u;
        if (change == u"envelope")
            u.useEnvelopes();
        const DocumentSnapshot before = u.document();
        const QStringList gridBefore = u.gridShows();
        QVERIFY(!u.undoAction()->isEnabled());
        QVERIFY(!u.redoAction()->isEnabled());

        if (change == u"budget") {
            QVERIFY(u.setBudget(kJanColumn, QStringLiteral("2700")));
        } else if (change == u"rename") {
            QVERIFY(u.grid().setData(u.grid().index(kRentRow, 0), QStringLiteral("Housing"), Qt::EditRole));
        } else if (change == u"new") {
            u.app->btnNewCategory();
            QVERIFY(u.gridView().isEditing());
        } else if (change == u"delete") {
            u.gridView().selectRow(kRentRow);
            u.fixture.alerts.answer({Alerts::Button::Ok});
            u.app->btnDeleteCategory();
        } else if (change == u"move") {
            const std::unique_ptr<QMimeData> drag(u.grid().mimeData({u.grid().index(kRentRow + 2, 0)}));
            QVERIFY(u.grid().dropMimeData(drag.get(), Qt::MoveAction, kFirstCategoryRow, 0, {}));
        } else {
            u.fixture.loop.answer([](QWidget *window) {
                auto *envelopes = window->findChild<QTableView *>(QStringLiteral("_ourTableView"));
                QVERIFY(envelopes->model()->setData(envelopes->model()->index(1, 1), QStringLiteral("1300")));
            });
            const QModelIndex cell = u.grid().index(kBudgetRowIndex, kJanColumn);
            u.gridView().setCurrentIndex(cell);
            u.gridView().edit(cell);
        }
        QVERIFY(u.undoesAndRedoes(name, [&u] { return u.document(); }, before));
        QVERIFY(u.undoesAndRedoes(name, [&u] { return u.gridShows(); }, gridBefore));
    }

    void registerChangesUndoAndRedo_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("name");
        QTest::newRow("amount") << "amount" << "Edit Amount";
        QTest::newRow("description") << "desc" << "Edit Description";
        QTest::newRow("category") << "category" << "Edit Category";
        QTest::newRow("reconciled mark") << "reconciled" << "Reconcile";
        QTest::newRow("add") << "add" << "Add Transaction";
        QTest::newRow("delete") << "delete" << "Delete Transaction";
        QTest::newRow("carry-over") << "carry" << "Carry Over";
        QTest::newRow("envelope button") << "envelope" << "Edit Envelope";
    }

    void registerChangesUndoAndRedo()
    {
        QFETCH(QString, change);
        QFETCH(QString, name);
        UndoApp u;
        if (change == u"envelope")
            u.useEnvelopes();
        const DocumentSnapshot before = u.document();
        u.showRegister();
        // The register, and the next month, where a carry-over writes.
        const auto shown = [&u] { return u.registerShows() + DocumentFixtures::storedDescs(u.app->document(), kApr); };
        const QStringList shownBefore = shown();
        voCheckViewData &data = u.registerData();
        const QString landlord = QStringLiteral("Landlord");

        if (change == u"amount") {
            QVERIFY(data.setData(u.registerCell(landlord, "amount"), QStringLiteral("1250")));
        } else if (change == u"desc") {
            QVERIFY(data.setData(u.registerCell(landlord, "desc"), QStringLiteral("Rent office")));
        } else if (change == u"category") {
            QVERIFY(data.setData(u.registerCell(landlord, "category"), QStringLiteral("Utilities")));
        } else if (change == u"reconciled") {
            QVERIFY(data.setData(u.registerCell(landlord, "reconciled"), Qt::Checked, Qt::CheckStateRole));
        } else if (change == u"add") {
            u.app->checkView().addData();
        } else if (change == u"delete") {
            u.selectRecord(landlord);
            u.fixture.alerts.answer({Alerts::Button::Ok});
            u.app->checkView().delData();
        } else if (change == u"carry") {
            u.selectRecord(landlord);
            u.app->checkView().carryOver();
        } else {
            u.fixture.loop.answer([](QWidget *window) {
                auto *envelopes = window->findChild<QTableView *>(QStringLiteral("_ourTableView"));
                QVERIFY(envelopes->model()->setData(envelopes->model()->index(1, 1), QStringLiteral("1300")));
            });
            u.app->checkView().btnEditEnvelopes();
        }
        // On the register tab, the register follows.
        QVERIFY(u.undoesAndRedoes(name, shown, shownBefore));
        u.showGrid();
        QVERIFY(u.undoesAndRedoes(name, [&u] { return u.document(); }, before));
    }

    void undoInTheRegisterKeepsTheMonthsEarlierEdits()
    {
        UndoApp u;
        u.showRegister();
        QVERIFY(u.registerData().setData(u.registerCell("Landlord", "amount"), QStringLiteral("1250")));
        QVERIFY(u.registerData().setData(u.registerCell("Bakery", "amount"), QStringLiteral("8")));

        u.undo();
        QCOMPARE(u.registerCell("Landlord", "amount").data().toString(), QStringLiteral("1250"));
        QCOMPARE(u.registerCell("Bakery", "amount").data().toString(), QStringLiteral("7.35"));
        QCOMPARE(u.undoAction()->text(), QStringLiteral("Undo Edit Amount"));
        u.showGrid();
        QCOMPARE(u.storedAmount(QStringLiteral("Rent"), kMar, 1), QStringLiteral("1250"));
        QCOMPARE(u.storedAmount(QStringLiteral("Groceries"), kMar, 2), QStringLiteral("7.35"));

        u.undo();
        QCOMPARE(u.storedAmount(QStringLiteral("Rent"), kMar, 1), QStringLiteral("1200"));
        QVERIFY(!u.undoAction()->isEnabled());
    }

    void undoReachesAMonthNoLongerShown()
    {
        UndoApp u;
        u.showRegister();
        QVERIFY(u.registerData().setData(u.registerCell("Landlord", "amount"), QStringLiteral("1250")));
        u.app->checkView().incrementMonth();
        const QStringList april = u.registerShows();

        u.undo();
        QCOMPARE(u.registerData().getMonthId(), QStringLiteral("apr"));
        QCOMPARE(u.registerShows(), april);
        u.showGrid();
        QCOMPARE(u.storedAmount(QStringLiteral("Rent"), kMar, 1), QStringLiteral("1200"));
        u.redo();
        QCOMPARE(u.storedAmount(QStringLiteral("Rent"), kMar, 1), QStringLiteral("1250"));
        QCOMPARE(u.storedAmount(QStringLiteral("Rent"), kApr, 1), QStringLiteral("1200"));
    }

    void categoryEditorChangesUndoAndRedo_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("categories");
        const QStringList sample{"Groceries", "Rent", "Utilities", "Transport", "Dining out", "Health"};
        QTest::newRow("add") << "addButton" << "New Category" << sample + QStringList{"New Category"};
        QTest::newRow("rename") << "rename" << "Rename Category"
                                << QStringList{"Groceries", "Housing", "Utilities", "Transport", "Dining out", "Health"};
        QTest::newRow("delete") << "deleteButton" << "Delete Category"
                                << QStringList{"Groceries", "Utilities", "Transport", "Dining out", "Health"};
    }

    void categoryEditorChangesUndoAndRedo()
    {
        QFETCH(QString, change);
        QFETCH(QString, name);
        QFETCH(QStringList, categories);
        UndoApp u;
        const DocumentSnapshot before = u.document();
        u.showRegister();
        const auto shown = [&u] { return u.registerData().categoryList() + u.registerShows(); };
        const QStringList shownBefore = shown();

        u.fixture.alerts.answer({Alerts::Button::Ok}); // the delete warning: OK
        u.fixture.loop.answer([change](QWidget *window) {
            auto *names = window->findChild<QTableView *>(QStringLiteral("_ourTable"));
            QVERIFY(names);
            if (change == u"rename") {
                QVERIFY(names->model()->setData(names->model()->index(1, 0), QStringLiteral("Housing")));
                return;
            }
            names->selectionModel()->select(names->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
            window->findChild<QPushButton *>(change)->click();
        });
        u.app->checkView().btnEditCategories();
        QCOMPARE(u.registerData().categoryList(), categories);
        QVERIFY(u.undoesAndRedoes(name, shown, shownBefore));
        u.showGrid();
        QVERIFY(u.undoesAndRedoes(name, [&u] { return u.document(); }, before));
    }

    void stepsUndoOneAtATimeAndANewChangeDropsTheRedo()
    {
        UndoApp u;
        const DocumentSnapshot loaded = u.document();
        QVERIFY(u.setBudget(kJanColumn, QStringLiteral("2700")));
        const DocumentSnapshot first = u.document();
        QVERIFY(u.setBudget(kJanColumn + 1, QStringLiteral("2800")));
        const DocumentSnapshot second = u.document();
        u.showRegister();
        QVERIFY(u.registerData().setData(u.registerCell("Landlord", "amount"), QStringLiteral("1250")));
        u.showGrid();
        QCOMPARE(u.history().stack().count(), 3);

        u.undo();
        QVERIFY(UndoMenu::sameDocument(u.document(), second));
        u.undo();
        QVERIFY(UndoMenu::sameDocument(u.document(), first));
        QCOMPARE(u.redoAction()->text(), QStringLiteral("Redo Edit Budget"));

        QVERIFY(u.setBudget(kJanColumn + 2, QStringLiteral("2900")));
        QVERIFY(!u.redoAction()->isEnabled());
        QCOMPARE(u.history().stack().count(), 2);
        u.undo();
        u.undo();
        QVERIFY(UndoMenu::sameDocument(u.document(), loaded));
        QVERIFY(!u.undoAction()->isEnabled());
    }

    void changesThatChangeNothingAreNotRecorded_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("budget typed as it is") << "same budget";
        QTest::newRow("refused budget") << "refused budget";
        QTest::newRow("row dropped onto its own place") << "own place";
        QTest::newRow("register amount typed as it is") << "same amount";
        QTest::newRow("refused register amount") << "refused amount";
        QTest::newRow("register sorted and left") << "sort";
    }

    void changesThatChangeNothingAreNotRecorded()
    {
        QFETCH(QString, change);
        UndoApp u;
        if (change == u"same budget") {
            QVERIFY(!u.setBudget(kJanColumn, QStringLiteral("2600")));
        } else if (change == u"refused budget") {
            QVERIFY(!u.setBudget(kJanColumn, QStringLiteral("lots")));
        } else if (change == u"own place") {
            const std::unique_ptr<QMimeData> drag(u.grid().mimeData({u.grid().index(kRentRow, 0)}));
            u.grid().dropMimeData(drag.get(), Qt::MoveAction, kRentRow, 0, {});
        } else {
            u.showRegister();
            voCheckViewData &data = u.registerData();
            if (change == u"same amount")
                QVERIFY(data.setData(u.registerCell("Landlord", "amount"), QStringLiteral("1200")));
            else if (change == u"refused amount")
                QVERIFY(!data.setData(u.registerCell("Landlord", "amount"), QStringLiteral("twelve")));
            else
                data.sortByMethod(voCheckViewData::kSortByAmount);
            u.showGrid();
        }
        QCOMPARE(u.history().stack().count(), 0);
        QVERIFY(!u.undoAction()->isEnabled());
    }

    void historyStartsAfreshWithEveryLoad_data()
    {
        QTest::addColumn<QString>("load");
        QTest::newRow("start-up") << "start-up";
        QTest::newRow("Open") << "open";
        QTest::newRow("New") << "new";
        QTest::newRow("open request") << "request";
        QTest::newRow("Open from the register tab") << "open from register";
    }

    void historyStartsAfreshWithEveryLoad()
    {
        QFETCH(QString, load);
        UndoApp u;
        const QString second = u.fixture.sampleCopy(QStringLiteral("second.txt"));
        const DocumentSnapshot started = u.document();
        QVERIFY(u.setBudget(kJanColumn, QStringLiteral("2700")));
        u.undo();
        QVERIFY(UndoMenu::sameDocument(u.document(), started));
        QVERIFY(u.redoAction()->isEnabled());
        QVERIFY(u.setBudget(kJanColumn, QStringLiteral("2750")));

        if (load == u"open") {
            u.fixture.panels.answer({second});
            u.app->menuOpenFile();
        } else if (load == u"new") {
            u.fixture.panels.answer({u.fixture.folder.filePath(QStringLiteral("fresh.txt"))});
            u.app->menuNewFile();
        } else if (load == u"request") {
            QVERIFY(u.app->openFile(second));
        } else if (load == u"open from register") {
            u.showRegister();
            QVERIFY(u.registerData().setData(u.registerCell("Landlord", "amount"), QStringLiteral("1250")));
            u.fixture.panels.answer({second});
            u.app->menuOpenFile();
        } else {
            // Nothing more: what start-up loaded is where undo stops.
            u.undo();
        }
        if (load != u"start-up") {
            QCOMPARE(u.history().stack().count(), 0);
            QVERIFY(!u.undoAction()->isEnabled());
            QVERIFY(!u.redoAction()->isEnabled());
        }

        // The next change undoes to the document as loaded, not beyond.
        const DocumentSnapshot loaded = u.document();
        u.app->btnNewCategory();
        QVERIFY(u.undoesAndRedoes(QStringLiteral("New Category"), [&u] { return u.document(); }, loaded));
    }

    void historyStartsAfreshWhenTheStartUpUpdateHasLoaded()
    {
        AppFixture fixture;
        fixture.settings->setValue(Settings::kDataFile, fixture.sampleCopy());
        fixture.settings->setValue(Settings::kSyncData, true);
        fixture.svnClient = QStringLiteral("/bin/true");
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(app.sync().updateInFlight());
        // A change to the empty document while the update runs.
        QVERIFY(app.gridModel().setData(app.gridModel().index(kBudgetRowIndex, kJanColumn), QStringLiteral("1"),
                                        Qt::EditRole));
        QCOMPARE(app.undoHistory().stack().count(), 1);

        QVERIFY(QTest::qWaitFor([&app] { return !app.sync().updateInFlight(); }));
        QCOMPARE(fixture.rowNames().size(), 9);
        QCOMPARE(app.undoHistory().stack().count(), 0);
        const DocumentSnapshot loaded = DocumentSnapshot::take(app.document());
        app.btnNewCategory();
        QVERIFY(UndoMenu::undoesAndRedoes(app.undoHistory(), QStringLiteral("New Category"),
                                          [&app] { return DocumentSnapshot::take(app.document()); }, loaded));
    }

    void undoAndRedoLeadTheEditMenu()
    {
        UndoApp u;
        auto *edit = u.app->mainWindow().findChild<QMenu *>(QStringLiteral("menuEdit"));
        QVERIFY(edit);
        const QList<QAction *> actions = edit->actions();
        QVERIFY(actions.size() > 3);
        QCOMPARE(actions[0], u.undoAction());
        QCOMPARE(actions[1], u.redoAction());
        QVERIFY(actions[2]->isSeparator());
        QCOMPARE(u.undoAction()->text(), QStringLiteral("Undo"));

        QVERIFY(u.undoAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
        QVERIFY(u.redoAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        QVERIFY(u.redoAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    }

    void shortcutsUndoAndRedoFromTheGrid()
    {
        UndoApp u;
        QMainWindow &window = u.app->mainWindow();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const DocumentSnapshot loaded = u.document();
        QVERIFY(u.setBudget(kJanColumn, QStringLiteral("2700")));
        const DocumentSnapshot changed = u.document();
        u.gridView().setFocus();

        QTest::keyClick(&u.gridView(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(UndoMenu::sameDocument(u.document(), loaded));
        QTest::keyClick(&u.gridView(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(UndoMenu::sameDocument(u.document(), changed));
        QTest::keyClick(&u.gridView(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&u.gridView(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(UndoMenu::sameDocument(u.document(), changed));
    }

    void openingTheEditMenuCommitsTheCellBeingEdited()
    {
        UndoApp u;
        const QModelIndex cell = u.grid().index(kBudgetRowIndex, kJanColumn);
        u.gridView().setCurrentIndex(cell);
        u.gridView().edit(cell);
        auto *editor = u.gridView().findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->setText(QStringLiteral("2700"));

        auto *edit = u.app->mainWindow().findChild<QMenu *>(QStringLiteral("menuEdit"));
        emit edit->aboutToShow();
        QCOMPARE(u.undoAction()->text(), QStringLiteral("Undo Edit Budget"));
        u.undo();
        QCOMPARE(u.app->document().budgetTotals()[0], QStringLiteral("2600"));
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
