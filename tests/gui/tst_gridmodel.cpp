#include "AppFixture.h"
#include "DocumentFixtures.h"
#include "RegisterRecords.h"
#include "editing/DocumentEditing.h"
#include "register/voCheckViewCtrl.h"

#include "app/BudgetGridModel.h"
#include "app/BudgetGridView.h"
#include "document/BudgetDocument.h"
#include "document/Decimal.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBrush>
#include <QDrag>
#include <QLineEdit>
#include <QMimeData>
#include <QTableView>
#include <QTest>

namespace {

constexpr int kJan = 1; // grid column of "jan"

/// The controller started on an empty document with the named categories.
struct Grid
{
    AppFixture fixture;
    MyDataSource *app = nullptr;
    BudgetGridModel *model = nullptr;
    BudgetGridView *view = nullptr;

    explicit Grid(const QStringList &categories = {})
    {
        app = &fixture.knownVersion().start();
        for (const QString &name : categories)
            app->createCategory(name, QStringLiteral("0"));
        model = &app->gridModel();
        view = app->mainWindow().tableView();
    }

    [[nodiscard]] QStringList names() const { return fixture.rowNames(); }

    /// Asks the view to edit a cell as a double click would.
    bool startEdit(int row, int column)
    {
        const QModelIndex cell = model->index(row, column);
        view->setCurrentIndex(cell);
        view->edit(cell);
        return view->isEditing();
    }

    std::unique_ptr<QMimeData> drag(int row) const
    {
        return std::unique_ptr<QMimeData>(model->mimeData({model->index(row, 0)}));
    }
};

const QStringList kFive{"A", "B", "C", "D", "E"};

} // namespace

class TestGridModel : public QObject
{
    Q_OBJECT

private slots:
    void modelKeepsQtsRules()
    {
        Grid grid(kFive);
        QAbstractItemModelTester tester(grid.model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        grid.app->btnNewCategory();
        (void)grid.app->edits().categories().deleteCategory(3);
        (void)grid.app->edits().categories().moveCategory(3, 6);
    }

    void freshDocumentShowsTheFixedRows()
    {
        Grid grid;
        QCOMPARE(grid.model->rowCount(), 3);
        QCOMPARE(grid.model->columnCount(), 14);
        for (int column = 0; column < grid.model->columnCount(); ++column)
            QCOMPARE(grid.model->index(kDashRowIndex, column).data().toString(), kRowLine);
        QCOMPARE(grid.model->headerData(kJan, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Jan"));
    }

    void budgetEditWithoutCategoriesIsRefused_data()
    {
        QTest::addColumn<bool>("envelope");
        QTest::newRow("standard") << false;
        QTest::newRow("envelope") << true;
    }

    void budgetEditWithoutCategoriesIsRefused()
    {
        QFETCH(bool, envelope);
        Grid grid;
        grid.fixture.settings->setValue(Settings::kEnvelopeView, envelope);
        grid.app->openPrefsPanel();
        QVERIFY(!grid.startEdit(kBudgetRowIndex, kJan));
        QCOMPARE(grid.fixture.alerts.titles(), QStringList{QStringLiteral("No Categories Defined")});
        QCOMPARE(grid.fixture.alerts.shown().first().message,
                 QStringLiteral("Please create at least 1 category.\n\nHINT: Edit -> New Category"));
    }

    void newCategoryStartsEditingItsName()
    {
        Grid grid({QStringLiteral("Rent")});
        grid.app->btnNewCategory();
        const int last = grid.model->rowCount() - 1;
        QCOMPARE(grid.names().last(), QStringLiteral("New Category"));
        QCOMPARE(grid.view->selectionModel()->selectedRows().first().row(), last);
        QVERIFY(grid.view->isEditing());
        auto *editor = grid.view->findChild<QLineEdit *>();
        QVERIFY(editor);
        QCOMPARE(editor->selectedText(), QStringLiteral("New Category"));
        for (int column = kJan; column < kJan + 12; ++column)
            QCOMPARE(grid.model->index(last, column).data().toString(), QStringLiteral("0"));

        // Typing replaces the selected name.
        QTest::keyClicks(editor, QStringLiteral("Savings"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits from the event loop
        QCOMPARE(grid.names().last(), QStringLiteral("Savings"));
        grid.app->btnNewCategory();
        grid.app->btnNewCategory();
        QCOMPARE(grid.names().mid(5), (QStringList{"New Category", "New Category 2"}));
    }

    void renames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("alerts");
        QTest::newRow("new name") << "Housing" << "Housing" << QStringList();
        QTest::newRow("empty keeps the old name") << "" << "Rent" << QStringList();
        QTest::newRow("unchanged") << "Rent" << "Rent" << QStringList();
        QTest::newRow("name in use") << "Food" << "Rent" << QStringList{"WARNING"};
        QTest::newRow("line break") << "Re\nnt" << "Rent" << QStringList{"WARNING"};
    }

    void renames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QStringList, alerts);
        Grid grid({QStringLiteral("Rent"), QStringLiteral("Food")});
        DocumentFixtures::addItem(grid.app->document(), QStringLiteral("Rent"), 0, "1", "March rent", "900");
        const QModelIndex cell = grid.model->index(3, 0);
        QCOMPARE(grid.model->setData(cell, typed, Qt::EditRole), name != QLatin1String("Rent"));
        QCOMPARE(grid.names().at(3), name);
        QCOMPARE(grid.fixture.alerts.titles(), alerts);
        // The entries go with the name.
        QCOMPARE(grid.app->document().entryList(name, 0)->size(), 2);
    }

    void budgetEditsInStandardMode_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("whole") << "1500" << "1500" << false;
        QTest::newRow("decimal comma") << "12,50" << "12.50" << false;
        QTest::newRow("zero with decimals") << "0.00" << "0" << false;
        QTest::newRow("words") << "lots" << "800" << true;
        QTest::newRow("unchanged") << "800" << "800" << false;
    }

    void budgetEditsInStandardMode()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
        Grid grid({QStringLiteral("Rent")});
        DocumentFixtures::addItem(grid.app->document(), QStringLiteral("Rent"), 0, "1", "rent", "300");
        DocumentFixtures::setBudget(grid.app->document(), 0, QStringLiteral("800"));
        DocumentFixtures::recalculate(grid.app->document());
        QVERIFY(grid.startEdit(kBudgetRowIndex, kJan));
        QCOMPARE(grid.fixture.loop.titles(), QStringList());
        auto *editor = grid.view->findChild<QLineEdit *>();
        QCOMPARE(editor->text(), QStringLiteral("800"));
        editor->setText(typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits from the event loop
        QCOMPARE(grid.app->document().budgetTotals()[0], stored);
        QCOMPARE(grid.fixture.alerts.titles(), refused ? QStringList{"WARNING"} : QStringList());
        const Decimal remain = Decimal::fromText(stored) - Decimal::fromText(QStringLiteral("300"));
        QCOMPARE(DocumentFixtures::cell(grid.app->document(), QStringLiteral("Budget"), u"jan"), stored);
        QCOMPARE(DocumentFixtures::cell(grid.app->document(), QStringLiteral("Remain"), u"jan"), remain.toText());
    }

    void budgetEditInEnvelopeModeOpensTheEnvelopeEditor()
    {
        Grid grid({QStringLiteral("Rent"), QStringLiteral("Food")});
        grid.fixture.settings->setValue(Settings::kEnvelopeView, true);
        grid.app->openPrefsPanel();
        grid.fixture.loop.answer([](QWidget *window) {
            auto *table = window->findChild<QTableView *>(QStringLiteral("_ourTableView"));
            table->model()->setData(table->model()->index(1, 1), QStringLiteral("250"), Qt::EditRole);
        });
        grid.view->selectRow(kBudgetRowIndex);
        QVERIFY(!grid.startEdit(kBudgetRowIndex, kJan + 2));
        QCOMPARE(grid.fixture.loop.titles().last(), QStringLiteral("Envelopes"));
        QVERIFY(grid.view->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(DocumentFixtures::cell(grid.app->document(), QStringLiteral("Food"), u"mar"), QStringLiteral("250"));
        QCOMPARE(DocumentFixtures::cell(grid.app->document(), QStringLiteral("Budget"), u"mar"), QStringLiteral("250"));
        QCOMPARE(grid.model->index(kBudgetRowIndex, kJan + 2).data().toString(), QStringLiteral("250"));
    }

    void onlyNamesAndBudgetsEdit_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<bool>("selectable");
        QTest::newRow("category name") << 3 << 0 << true << true;
        QTest::newRow("category month") << 3 << kJan << false << true;
        QTest::newRow("category average") << 3 << 13 << false << true;
        QTest::newRow("Budget name") << 0 << 0 << false << true;
        QTest::newRow("Budget month") << 0 << kJan << true << true;
        QTest::newRow("Budget average") << 0 << 13 << false << true;
        QTest::newRow("Remain month") << 1 << kJan << false << false;
        QTest::newRow("separator month") << 2 << kJan << false << false;
    }

    void onlyNamesAndBudgetsEdit()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, editable);
        QFETCH(bool, selectable);
        Grid grid({QStringLiteral("Rent")});
        const Qt::ItemFlags flags = grid.model->flags(grid.model->index(row, column));
        QCOMPARE(bool(flags & Qt::ItemIsEditable), editable);
        QCOMPARE(bool(flags & Qt::ItemIsSelectable), selectable);
        QCOMPARE(grid.startEdit(row, column), editable);
    }

    void dragsMoveCategories_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("5 up to 3") << 5 << 3 << QStringList{"C", "A", "B", "D", "E"};
        QTest::newRow("3 down to 6") << 3 << 6 << QStringList{"B", "C", "A", "D", "E"};
        QTest::newRow("onto its own place") << 4 << 4 << kFive;
        QTest::newRow("after the last row") << 3 << 8 << QStringList{"B", "C", "D", "E", "A"};
    }

    void dragsMoveCategories()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, order);
        Grid grid(kFive);
        DocumentFixtures::addItem(grid.app->document(), QStringLiteral("A"), 0, "1", "x", "7");
        DocumentFixtures::recalculate(grid.app->document());
        const std::unique_ptr<QMimeData> data = grid.drag(from);
        QVERIFY(data);
        QCOMPARE(data->formats(), QStringList{QStringLiteral("MyPrivateTableViewDataType")});
        QVERIFY(grid.model->canDropMimeData(data.get(), Qt::MoveAction, to, 0, {}));
        QVERIFY(grid.model->dropMimeData(data.get(), Qt::MoveAction, to, 0, {}));
        QCOMPARE(grid.names().mid(3), order);
        QCOMPARE(grid.names().mid(0, 3), (QStringList{"Budget", "Remain", "-----"}));
        QCOMPARE(DocumentFixtures::cell(grid.app->document(), QStringLiteral("A"), u"jan"), QStringLiteral("7"));
    }

    void dropsOnTheFixedRowsAreRefused_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("onItem");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("between, row 0") << 0 << false << false;
        QTest::newRow("between, row 1") << 1 << false << false;
        QTest::newRow("between, row 2") << 2 << false << false;
        QTest::newRow("on row 2") << 2 << true << false;
        QTest::newRow("between, row 3") << 3 << false << true;
        QTest::newRow("on row 3") << 3 << true << true;
        QTest::newRow("after the last row") << 8 << false << true;
    }

    void dropsOnTheFixedRowsAreRefused()
    {
        QFETCH(int, row);
        QFETCH(bool, onItem);
        QFETCH(bool, allowed);
        Grid grid(kFive);
        const std::unique_ptr<QMimeData> data = grid.drag(6);
        const QModelIndex parent = onItem ? grid.model->index(row, 0) : QModelIndex();
        const int between = onItem ? -1 : row;
        QCOMPARE(grid.model->canDropMimeData(data.get(), Qt::MoveAction, between, 0, parent), allowed);
        QCOMPARE(grid.model->dropMimeData(data.get(), Qt::MoveAction, between, 0, parent), allowed);
        if (!allowed)
            QCOMPARE(grid.names().mid(3), kFive);
    }


    void aMouseGestureOnACategoryRowDragsOrEdits_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("selectedFirst");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("drags");
        QTest::addColumn<bool>("edits");
        QTest::newRow("press and move on the selected name") << 0 << true << "drag" << true << false;
        QTest::newRow("press and move on a name not selected") << 0 << false << "drag" << true << false;
        QTest::newRow("press and move on a month") << kJan << true << "drag" << true << false;
        QTest::newRow("second press of a double click, then move") << 0 << false << "double click, drag" << true
                                                                   << false;
        QTest::newRow("double click on the name") << 0 << false << "double click" << false << true;
        QTest::newRow("click on the selected name") << 0 << true << "click" << false << true;
        QTest::newRow("click on a name not selected") << 0 << false << "click" << false << false;
        QTest::newRow("click on the selected row's month") << kJan << true << "click" << false << false;
    }

    void aMouseGestureOnACategoryRowDragsOrEdits()
    {
        QFETCH(int, column);
        QFETCH(bool, selectedFirst);
        QFETCH(QString, gesture);
        QFETCH(bool, drags);
        QFETCH(bool, edits);
        Grid grid(kFive);
        constexpr int kFrom = 4;
        constexpr int kTo = 7;
        QWidget *viewport = grid.view->viewport();
        const QModelIndex cell = grid.model->index(kFrom, column);
        if (selectedFirst) {
            grid.view->setCurrentIndex(cell);
            grid.view->selectRow(kFrom);
        }
        const QPoint at = grid.view->visualRect(cell).center();
        const QPoint target = grid.view->visualRect(grid.model->index(kTo, column)).center();
        if (gesture.startsWith(u"double click")) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        } else {
            QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        }
        if (gesture.endsWith(u"drag")) {
            QTest::mouseMove(viewport, at + QPoint(0, 2));
            QTest::mouseMove(viewport, target);
        }
        // Without a desktop the drag ends at once; it leaves its data behind
        // until the event loop runs again, and the test drops that itself.
        const QDrag *drag = grid.view->findChild<QDrag *>();
        QCOMPARE(bool(drag), drags);
        if (drag)
            QVERIFY(grid.model->dropMimeData(drag->mimeData(), Qt::MoveAction, kTo, 0, {}));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, drags ? target : at);
        if (edits)
            QTRY_VERIFY(grid.view->isEditing());
        else
            QTest::qWait(QApplication::doubleClickInterval() + 100);
        QCOMPARE(grid.view->isEditing(), edits);
        QCOMPARE(grid.names().mid(3), drags ? QStringList({"A", "C", "D", "B", "E"}) : kFive);
    }

    void theFixedRowsCannotBeDragged()
    {
        Grid grid(kFive);
        for (int row = 0; row < 3; ++row)
            QVERIFY(!grid.drag(row));
        QVERIFY(!(grid.model->flags(grid.model->index(0, 0)) & Qt::ItemIsDragEnabled));
    }

    void deleteCategory_data()
    {
        QTest::addColumn<int>("selected"); // -1: none
        QTest::addColumn<Alerts::Button>("answer");
        QTest::addColumn<QStringList>("alerts");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("nothing selected") << -1 << Alerts::Button::Ok << QStringList{"No SelectedCategory"} << kFive;
        QTest::newRow("Budget row selected") << 0 << Alerts::Button::Ok << QStringList{"No SelectedCategory"} << kFive;
        QTest::newRow("Cancel") << 4 << Alerts::Button::Cancel << QStringList{"Confirm Delete"} << kFive;
        QTest::newRow("OK") << 4 << Alerts::Button::Ok << QStringList{"Confirm Delete"} << QStringList{"A", "C", "D", "E"};
    }

    void deleteCategory()
    {
        QFETCH(int, selected);
        QFETCH(Alerts::Button, answer);
        QFETCH(QStringList, alerts);
        QFETCH(QStringList, left);
        Grid grid(kFive);
        if (selected >= 0)
            grid.view->selectRow(selected);
        grid.fixture.alerts.answer({answer});
        grid.app->btnDeleteCategory();
        QCOMPARE(grid.fixture.alerts.titles(), alerts);
        QCOMPARE(grid.names().mid(3), left);
        if (alerts.first() == QLatin1String("Confirm Delete")) {
            const ScriptedAlerts::Shown &confirm = grid.fixture.alerts.shown().first();
            QCOMPARE(confirm.message, QStringLiteral("Are you sure you want to delete category B"));
            QCOMPARE(confirm.defaultButton, Alerts::Button::Cancel);
            QCOMPARE(ScriptedAlerts::buttonsOf(confirm), (QList{Alerts::Button::Ok, Alerts::Button::Cancel}));
        }
        QCOMPARE(grid.app->document().getCatDataDictionary().count(QStringLiteral("B")),
                 std::size_t(left.contains(u"B"_qs)));
    }

    void cellsShowWholeAmountsRightAlignedAndNegativeRemaindersRed()
    {
        Grid grid({QStringLiteral("Rent")});
        DocumentFixtures::addItem(grid.app->document(), QStringLiteral("Rent"), 0, "1", "rent", "900.75");
        DocumentFixtures::setBudget(grid.app->document(), 0, QStringLiteral("500"));
        DocumentFixtures::recalculate(grid.app->document());
        const QModelIndex rent = grid.model->index(3, kJan);
        const QModelIndex remain = grid.model->index(kRemainingRowIndex, kJan);
        QCOMPARE(rent.data().toString(), QStringLiteral("900"));
        QCOMPARE(remain.data().toString(), QStringLiteral("-400"));
        QCOMPARE(rent.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, int(Qt::AlignRight));
        QCOMPARE(grid.model->index(3, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft, int(Qt::AlignLeft));
        QCOMPARE(remain.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0xc0, 0x1c, 0x28));
        QVERIFY(!grid.model->index(kRemainingRowIndex, kJan + 1).data(Qt::ForegroundRole).isValid());
        QVERIFY(grid.model->index(kBudgetRowIndex, 0).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(grid.model->index(kDashRowIndex, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(!rent.data(Qt::BackgroundRole).isValid());
    }

    void aRecordTypedInTheRegisterShowsInTheGrid()
    {
        Grid grid({QStringLiteral("Rent")});
        grid.app->mainWindow().tabView()->setCurrentIndex(1);
        voCheckViewData &register_ = grid.app->checkView().tableData();
        const int month = register_.heldMonth();
        QVERIFY(register_.addData().isChanged());
        QVERIFY(register_.setData(register_.index(0, RegisterRecords::columnOf(QStringLiteral("amount"))),
                                  QStringLiteral("40"), Qt::EditRole));
        grid.app->mainWindow().tabView()->setCurrentIndex(0);
        QCOMPARE(grid.app->selectedTabIndex(), 0);
        QCOMPARE(grid.model->index(3, kJan + month).data().toString(), QStringLiteral("40"));
    }
};

QTEST_MAIN(TestGridModel)
#include "tst_gridmodel.moc"
