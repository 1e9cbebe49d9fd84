#include "DocumentFixtures.h"
#include "RegisterRecords.h"
#include "editing/DocumentEditing.h"
#include "editing/DocumentSetup.h"
#include "platform/Calendar.h"
#include "platform/ScriptedAlerts.h"
#include "platform/ScriptedModalLoop.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace DocumentFixtures;
using RegisterRecords::columnOf;

namespace {

constexpr int kMar = 2;
constexpr int kApr = 3;

} // namespace

class TestRegister : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnTheCalendarMonthSortedByDay();
    void enteringAgainKeepsTheEditsOfTheMonthShown();
    void monthSteppingStopsAtBothEndsWithoutWritingBack_data();
    void monthSteppingStopsAtBothEndsWithoutWritingBack();
    void steppingWritesChangesBackBeforeTheOtherMonthShows();
    void leavingTheTabCommitsTheCellBeingEdited();
    void categoryChosenInTheComboReachesTheRecord();
    void newRecordIsTypedDayFirstAndLooksUpItsCategory();
    void reconciledCheckBoxToggles();
    void headerClicksSortExceptTheReconciledHeader_data();
    void headerClicksSortExceptTheReconciledHeader();
    void remainderIsRedOnlyBelowZero_data();
    void remainderIsRedOnlyBelowZero();
    void deleteButtonDeletesTheClickedRowsOnOk();
    void carryOverButtonCopiesTheClickedRowsIntoTheNextMonth();
    void theRegisterAsksBeforeDeletingOrCarryingOver_data();
    void theRegisterAsksBeforeDeletingOrCarryingOver();
    void addingWithoutCategoriesOnlyTells();
    void envelopeButtonFollowsTheEditedEnvelopes();
    void categoryButtonWritesBackAndReloadsUnderTheNewName();
    void everyControlHasItsOwnAccessibleName();

private:
    QTableView *table() const { return _ctrl->findChild<QTableView *>(QStringLiteral("_ourTableView")); }
    QString label(const char *name) const { return _ctrl->findChild<QLabel *>(QLatin1String(name))->text(); }
    void click(const char *buttonName);
    int rowOf(const QString &desc) const;
    QStringList shownColumn(const QString &id) const;
    QWidget *openEditor(const QModelIndex &index);
    [[nodiscard]] bool typeIntoCell(int row, const QString &columnId, const QString &text);
    void clickHeader(int section);
    void selectRows(const QList<int> &rows);

    BudgetDocument *_document = nullptr;
    DocumentEditing *_edits = nullptr;
    ScriptedAlerts *_alerts = nullptr;
    FixedCalendar *_calendar = nullptr;
    ScriptedModalLoop *_modal = nullptr;
    ModalLoop::Scope *_modalScope = nullptr;
    voCheckViewCtrl *_ctrl = nullptr;
};

void TestRegister::init()
{
    _document = new BudgetDocument;
    _edits = new DocumentEditing(*_document);
    _alerts = new ScriptedAlerts;
    _calendar = new FixedCalendar(3);
    _modal = new ScriptedModalLoop;
    _modalScope = new ModalLoop::Scope(*_modal);
    fillRegisterSample(*_document, kMar);

    _ctrl = new voCheckViewCtrl(*_edits, *_alerts, *_calendar);
    _ctrl->resize(800, 500);
    _ctrl->show();
    QApplication::setActiveWindow(_ctrl);
    QVERIFY(QTest::qWaitForWindowActive(_ctrl));
    _ctrl->initView();
}

void TestRegister::cleanup()
{
    delete _ctrl;
    delete _modalScope;
    delete _modal;
    delete _calendar;
    delete _alerts;
    delete _edits;
    delete _document;
}

void TestRegister::click(const char *buttonName)
{
    auto *button = _ctrl->findChild<QAbstractButton *>(QLatin1String(buttonName));
    QVERIFY2(button, buttonName);
    QTest::mouseClick(button, Qt::LeftButton);
}

int TestRegister::rowOf(const QString &desc) const
{
    return RegisterRecords::rowOf(*table()->model(), desc);
}

QStringList TestRegister::shownColumn(const QString &id) const
{
    return RegisterRecords::column(*table()->model(), id);
}

QWidget *TestRegister::openEditor(const QModelIndex &index)
{
    const QPoint centre = table()->visualRect(index).center();
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, centre);
    return table()->indexWidget(index);
}

bool TestRegister::typeIntoCell(int row, const QString &columnId, const QString &text)
{
    const QModelIndex index = table()->model()->index(row, columnOf(columnId));
    auto *editor = qobject_cast<QLineEdit *>(openEditor(index));
    if (!editor || editor->selectedText() != editor->text()) {
        qWarning("no line edit with its text selected in column %s", qPrintable(columnId));
        return false;
    }
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    return QTest::qWaitFor([&] { return !table()->indexWidget(index); });
}

void TestRegister::clickHeader(int section)
{
    QHeaderView *header = table()->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void TestRegister::selectRows(const QList<int> &rows)
{
    table()->clearSelection();
    for (const int row : rows) {
        const QPoint at = table()->visualRect(table()->model()->index(row, columnOf("desc"))).center();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    }
}

void TestRegister::opensOnTheCalendarMonthSortedByDay()
{
    QCOMPARE(label("_title"), QStringLiteral("March"));
    QCOMPARE(shownColumn("desc"), (QStringList{"Landlord", "Bakery", "Cinema", "Market"}));

    clickHeader(columnOf("amount"));
    click("previousMonthButton");
    QCOMPARE(label("_title"), QStringLiteral("February"));
    _ctrl->closeView();
    QCOMPARE(table()->model()->rowCount(), 0);

    _ctrl->initView();
    QCOMPARE(label("_title"), QStringLiteral("March"));
    QCOMPARE(shownColumn("desc"), (QStringList{"Landlord", "Bakery", "Cinema", "Market"}));
    QCOMPARE(label("_totalAmount"), QStringLiteral("1000"));
    QCOMPARE(label("_remainAmount"), QStringLiteral("149.4"));
}

void TestRegister::enteringAgainKeepsTheEditsOfTheMonthShown()
{
    QVERIFY(typeIntoCell(rowOf("Market"), "amount", QStringLiteral("46")));
    _ctrl->initView();
    QCOMPARE(_document->entryList(QStringLiteral("Food"), kMar)->at(2).amount, QStringLiteral("46"));
    QCOMPARE(table()->model()->index(rowOf("Market"), columnOf("amount")).data().toString(), QStringLiteral("46"));
}

void TestRegister::monthSteppingStopsAtBothEndsWithoutWritingBack_data()
{
    QTest::addColumn<int>("calendarMonth");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::newRow("January, previous") << 1 << "previousMonthButton" << "January";
    QTest::newRow("December, next") << 12 << "nextMonthButton" << "December";
}

void TestRegister::monthSteppingStopsAtBothEndsWithoutWritingBack()
{
    QFETCH(int, calendarMonth);
    QFETCH(QString, button);
    QFETCH(QString, title);

    const int month = calendarMonth - 1;
    addItem(*_document, QStringLiteral("Food"), month, QStringLiteral("3"), QStringLiteral("Tea"),
            QStringLiteral("4"));
    _ctrl->closeView();
    _calendar->setMonth(calendarMonth);
    _ctrl->initView();
    QVERIFY(typeIntoCell(0, "amount", QStringLiteral("5")));

    auto *step = _ctrl->findChild<QToolButton *>(button);
    QVERIFY(!step->isEnabled());
    if (button == u"nextMonthButton")
        _ctrl->incrementMonth();
    else
        _ctrl->decrementMonth();

    QCOMPARE(label("_title"), title);
    QCOMPARE(_ctrl->monthIndex(), month);
    QCOMPARE(_document->entryList(QStringLiteral("Food"), month)->at(1).amount, QStringLiteral("4"));
    QCOMPARE(shownColumn("amount"), QStringList{"5"});
}

void TestRegister::steppingWritesChangesBackBeforeTheOtherMonthShows()
{
    QVERIFY(typeIntoCell(rowOf("Market"), "amount", QStringLiteral("50")));
    QCOMPARE(label("_remainAmount"), QStringLiteral("144.5"));
    click("nextMonthButton");
    QCOMPARE(label("_title"), QStringLiteral("April"));
    QCOMPARE(_document->entryList(QStringLiteral("Food"), kMar)->at(2).amount, QStringLiteral("50"));

    click("previousMonthButton");
    QCOMPARE(label("_title"), QStringLiteral("March"));
    QCOMPARE(table()->model()->index(rowOf("Market"), columnOf("amount")).data().toString(), QStringLiteral("50"));
}

void TestRegister::leavingTheTabCommitsTheCellBeingEdited()
{
    const QModelIndex cell = table()->model()->index(rowOf("Cinema"), columnOf("note"));
    auto *editor = qobject_cast<QLineEdit *>(openEditor(cell));
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("half price"));

    _ctrl->closeView();
    QCOMPARE(_document->entryList(QStringLiteral("Fun"), kMar)->at(1).note, QStringLiteral("half price"));
}

void TestRegister::categoryChosenInTheComboReachesTheRecord()
{
    const QModelIndex cell = table()->model()->index(rowOf("Market"), columnOf("category"));
    auto *combo = qobject_cast<QComboBox *>(openEditor(cell));
    QVERIFY(combo);
    QStringList items;
    for (int at = 0; at < combo->count(); ++at)
        items << combo->itemText(at);
    QCOMPARE(items, (QStringList{"Food", "Rent", "Fun"}));
    QCOMPARE(combo->currentText(), QStringLiteral("Food"));
    // The next category of the list, chosen with the keyboard, is the whole edit.
    QTest::keyClick(combo, Qt::Key_Down);
    QVERIFY(!table()->indexWidget(cell));
    QCOMPARE(cell.data().toString(), QStringLiteral("Rent"));
}

void TestRegister::newRecordIsTypedDayFirstAndLooksUpItsCategory()
{
    click("nextMonthButton"); // April: nothing booked yet
    QCOMPARE(table()->model()->rowCount(), 0);
    click("addButton");

    QCOMPARE(table()->model()->rowCount(), 1);
    const QModelIndex day = table()->model()->index(0, columnOf("day"));
    auto *dayEditor = qobject_cast<QLineEdit *>(table()->indexWidget(day));
    QVERIFY(dayEditor);
    QCOMPARE(dayEditor->text(), kInitialDay);
    QCOMPARE(dayEditor->selectedText(), kInitialDay);
    QCOMPARE(table()->selectionModel()->selectedRows(), QModelIndexList{table()->model()->index(0, 0)});

    // Typing the day, then Tab to the description, as a user would.
    QTest::keyClicks(dayEditor, QStringLiteral("14"));
    QTest::keyClick(dayEditor, Qt::Key_Tab);
    const QModelIndex desc = table()->model()->index(0, columnOf("desc"));
    auto *descEditor = qobject_cast<QLineEdit *>(table()->indexWidget(desc));
    QVERIFY(descEditor);
    QCOMPARE(descEditor->selectedText(), kInitialDescription);
    // March (the month before) booked the Landlord under Rent.
    QTest::keyClicks(descEditor, QStringLiteral("Landlord"));
    QTest::keyClick(descEditor, Qt::Key_Return);
    QTRY_VERIFY(!table()->indexWidget(desc));
    QCOMPARE(table()->model()->index(0, columnOf("category")).data().toString(), QStringLiteral("Rent"));
    QCOMPARE(day.data().toString(), QStringLiteral("14"));
}

void TestRegister::reconciledCheckBoxToggles()
{
    const QModelIndex cell = table()->model()->index(rowOf("Landlord"), columnOf("reconciled"));
    QStyleOptionViewItem option;
    option.initFrom(table()->viewport());
    option.rect = table()->visualRect(cell);
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = table()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, table());
    QVERIFY(box.isValid());

    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, box.center());
    QCOMPARE(cell.data(Qt::CheckStateRole), QVariant(Qt::Checked));
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, box.center());
    QCOMPARE(cell.data(Qt::CheckStateRole), QVariant(Qt::Unchecked));
}

void TestRegister::headerClicksSortExceptTheReconciledHeader_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("order");
    // Which header sorts by which key is the model's rule; here the click reaches it.
    QTest::newRow("amount") << "amount" << QStringList{"Cinema", "Bakery", "Market", "Landlord"};
    QTest::newRow("reconciled") << "reconciled" << QStringList{"Cinema", "Market", "Bakery", "Landlord"};
}

void TestRegister::headerClicksSortExceptTheReconciledHeader()
{
    QFETCH(QString, header);
    QFETCH(QStringList, order);

    // Start from an order that none of the sorts gives.
    QVERIFY(typeIntoCell(rowOf("Landlord"), "note", QStringLiteral("yearly")));
    clickHeader(columnOf("note"));
    QCOMPARE(shownColumn("desc"), (QStringList{"Cinema", "Market", "Bakery", "Landlord"}));

    clickHeader(columnOf(header));
    QCOMPARE(shownColumn("desc"), order);
    QVERIFY(table()->selectionModel()->selectedColumns().isEmpty());
}

void TestRegister::remainderIsRedOnlyBelowZero_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<bool>("red");
    QTest::newRow("above zero") << "45.10" << "149.4" << false;
    QTest::newRow("zero") << "194.5" << "0" << false;
    QTest::newRow("one cent below") << "194.51" << "-0.01" << true;
}

void TestRegister::remainderIsRedOnlyBelowZero()
{
    QFETCH(QString, amount);
    QFETCH(QString, remaining);
    QFETCH(bool, red);

    QVERIFY(typeIntoCell(rowOf("Market"), "amount", amount));
    auto *remain = _ctrl->findChild<QLabel *>(QStringLiteral("_remainAmount"));
    auto *title = _ctrl->findChild<QLabel *>(QStringLiteral("_remainTitle"));
    QCOMPARE(remain->text(), remaining);
    const QColor shown = remain->palette().color(QPalette::WindowText);
    const QColor normal = title->palette().color(QPalette::WindowText);
    if (red) {
        QVERIFY(shown != normal);
        QVERIFY(shown.red() > 2 * shown.green() && shown.red() > 2 * shown.blue());
    } else {
        QCOMPARE(shown, normal);
    }
}

void TestRegister::deleteButtonDeletesTheClickedRowsOnOk()
{
    selectRows({rowOf("Landlord"), rowOf("Cinema")});
    QCOMPARE(table()->selectionModel()->selectedRows().size(), 2);
    _alerts->answer({Alerts::Button::Ok});
    click("deleteButton");
    QCOMPARE(_alerts->titles(), QStringList{QStringLiteral("Confirm Delete")});
    QCOMPARE(shownColumn("desc"), (QStringList{"Bakery", "Market"}));
    QCOMPARE(label("_remainAmount"), QStringLiteral("946.4"));
}

void TestRegister::carryOverButtonCopiesTheClickedRowsIntoTheNextMonth()
{
    selectRows({rowOf("Landlord"), rowOf("Cinema")});
    click("carryOverButton"); // answered with the default, Insert
    QCOMPARE(_alerts->shown().size(), 1);
    QCOMPARE(_alerts->shown().first().message, QStringLiteral("Insert data into April ?"));
    QCOMPARE(storedDescs(*_document, kApr), (QStringList{"Landlord", "Cinema"}));
}

void TestRegister::theRegisterAsksBeforeDeletingOrCarryingOver_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("month"); // 0–11
    QTest::addColumn<bool>("selected");
    QTest::addColumn<Alerts::Button>("answer");
    QTest::addColumn<QString>("title"); // empty: nothing asked
    QTest::addColumn<QString>("message");
    QTest::addColumn<QList<Alerts::Button>>("buttons");
    QTest::addColumn<Alerts::Button>("defaultButton");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("april");

    const QStringList all{"Landlord", "Bakery", "Cinema", "Market"};
    const QList<Alerts::Button> okCancel{Alerts::Button::Ok, Alerts::Button::Cancel};
    const QList<Alerts::Button> insertCancel{Alerts::Button::Action, Alerts::Button::Cancel};
    const QString deleting = QStringLiteral("Are you sure you want to delete selected items?");
    QTest::newRow("delete, Cancel") << "deleteButton" << kMar << true << Alerts::Button::Cancel << "Confirm Delete"
                                    << deleting << okCancel << Alerts::Button::Cancel << all << QStringList();
    QTest::newRow("delete, OK") << "deleteButton" << kMar << true << Alerts::Button::Ok << "Confirm Delete" << deleting
                                << okCancel << Alerts::Button::Cancel << QStringList{"Bakery", "Market"} << QStringList();
    QTest::newRow("delete, nothing selected")
        << "deleteButton" << kMar << false << Alerts::Button::Ok << "No Entry Selected"
        << "Please select item(s) to delete." << QList{Alerts::Button::Ok} << Alerts::Button::Ok << all << QStringList();
    QTest::newRow("carry over, Cancel") << "carryOverButton" << kMar << true << Alerts::Button::Cancel
                                        << "Confirm Carry-Over" << "Insert data into April ?" << insertCancel
                                        << Alerts::Button::Action << all << QStringList();
    QTest::newRow("carry over, Insert") << "carryOverButton" << kMar << true << Alerts::Button::Action
                                        << "Confirm Carry-Over" << "Insert data into April ?" << insertCancel
                                        << Alerts::Button::Action << all << QStringList{"Landlord", "Cinema"};
    QTest::newRow("carry over, nothing selected")
        << "carryOverButton" << kMar << false << Alerts::Button::Ok << "No Entry Selected"
        << "Please select item(s) to carry-over." << QList{Alerts::Button::Ok} << Alerts::Button::Ok << all
        << QStringList();
    QTest::newRow("carry over from December: nothing to ask")
        << "carryOverButton" << 11 << true << Alerts::Button::Action << "" << "" << QList<Alerts::Button>()
        << Alerts::Button::Ok << QStringList{"Gifts"} << QStringList();
}

void TestRegister::theRegisterAsksBeforeDeletingOrCarryingOver()
{
    QFETCH(QString, button);
    QFETCH(int, month);
    QFETCH(bool, selected);
    QFETCH(Alerts::Button, answer);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QList<Alerts::Button>, buttons);
    QFETCH(Alerts::Button, defaultButton);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, april);

    addItem(*_document, QStringLiteral("Food"), 11, QStringLiteral("24"), QStringLiteral("Gifts"), QStringLiteral("70"));
    while (_ctrl->monthIndex() < month)
        _ctrl->incrementMonth();
    if (selected)
        selectRows(month == kMar ? QList{rowOf("Landlord"), rowOf("Cinema")} : QList{0});
    _alerts->answer({answer});
    click(button.toLatin1().constData());

    QCOMPARE(_alerts->titles(), title.isEmpty() ? QStringList() : QStringList{title});
    if (!title.isEmpty()) {
        const ScriptedAlerts::Shown &asked = _alerts->shown().first();
        QCOMPARE(asked.message, message);
        QCOMPARE(ScriptedAlerts::buttonsOf(asked), buttons);
        QCOMPARE(asked.defaultButton, defaultButton);
        if (buttons.first() == Alerts::Button::Action)
            QCOMPARE(asked.buttons.first().label, QStringLiteral("Insert"));
    }
    QCOMPARE(shownColumn("desc"), shown);
    QCOMPARE(storedDescs(*_document, kApr), april);
}

void TestRegister::addingWithoutCategoriesOnlyTells()
{
    BudgetDocument empty;
    DocumentEditing emptyEdits(empty);
    voCheckViewCtrl ctrl(emptyEdits, *_alerts, *_calendar);
    ctrl.initView();
    ctrl.addData();
    QCOMPARE(ctrl.tableData().rowCount(), 0);
    QCOMPARE(_alerts->titles(), QStringList{QStringLiteral("No Categories Defined")});
    QCOMPARE(_alerts->shown().first().message,
             QStringLiteral("Please create a category first. Categories can be edited by clicking the category "
                            "action icon."));
}

void TestRegister::envelopeButtonFollowsTheEditedEnvelopes()
{
    DocumentSetup::setEnvelopeView(*_document, true);
    _ctrl->closeView();
    _ctrl->initView();
    QCOMPARE(label("_totalAmount"), QStringLiteral("0"));

    _ctrl->fillEnvelopeButton()->setEnabled(true);
    _modal->answer([](QWidget *window) {
        auto *envelopes = window->findChild<QTableView *>(QStringLiteral("_ourTableView"));
        QVERIFY(envelopes);
        QVERIFY(envelopes->model()->setData(envelopes->model()->index(1, 1), QStringLiteral("900.5")));
    });
    click("btnEditEnvelopes");

    QCOMPARE(_modal->titles().size(), 1);
    QCOMPARE(_document->entryList(QStringLiteral("Rent"), kMar)->first().amount, QStringLiteral("900.5"));
    QCOMPARE(label("_totalAmount"), QStringLiteral("900.5"));
    QCOMPARE(label("_remainAmount"), QStringLiteral("49.9"));
    QCOMPARE(label("_title"), QStringLiteral("March"));
    QCOMPARE(table()->model()->rowCount(), 4);
}

void TestRegister::categoryButtonWritesBackAndReloadsUnderTheNewName()
{
    QVERIFY(typeIntoCell(rowOf("Landlord"), "amount", QStringLiteral("850")));
    QStringList seenInEditor;
    const BudgetDocument *document = _document;
    _modal->answer([&seenInEditor, document](QWidget *window) {
        // The month is written back before the editor opens.
        seenInEditor << document->entryList(QStringLiteral("Rent"), kMar)->at(1).amount;
        auto *names = window->findChild<QTableView *>(QStringLiteral("_ourTable"));
        QVERIFY(names);
        QVERIFY(names->model()->setData(names->model()->index(1, 0), QStringLiteral("Housing")));
    });
    click("btnEditCategories");

    QCOMPARE(seenInEditor, QStringList{"850"});
    QCOMPARE(label("_title"), QStringLiteral("March"));
    QCOMPARE(table()->model()->index(rowOf("Landlord"), columnOf("category")).data().toString(),
             QStringLiteral("Housing"));
    QCOMPARE(table()->model()->index(rowOf("Landlord"), columnOf("amount")).data().toString(), QStringLiteral("850"));
    QCOMPARE(_ctrl->tableData().categoryList(), (QStringList{"Food", "Housing", "Fun"}));
}

void TestRegister::everyControlHasItsOwnAccessibleName()
{
    QStringList names;
    for (QWidget *widget : _ctrl->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"))
            continue; // parts of Qt's own widgets
        const bool control = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QTableView *>(widget);
        auto *label = qobject_cast<QLabel *>(widget);
        if (control) {
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
            names << widget->accessibleName();
        } else if (label) {
            QVERIFY2(!label->accessibleName().isEmpty() || !label->accessibleDescription().isEmpty(),
                     qPrintable(label->objectName()));
        }
    }
    QCOMPARE(names.size(), 10);
    names.removeDuplicates();
    QCOMPARE(names.size(), 10);
}

QTEST_MAIN(TestRegister)
#include "tst_register.moc"
