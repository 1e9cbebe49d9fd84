#include "DocumentFixtures.h"
#include "editing/DocumentEditing.h"
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

namespace {

constexpr int kJan = 0;
constexpr int kFeb = 1;
constexpr int kMar = 2;
constexpr int kDec = 11;

int column(const QString &id)
{
    return int(voCheckViewData::columnIds().indexOf(id));
}

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
    void writeBackOnlyWhenChangedAndInRegisterOrder_data();
    void writeBackOnlyWhenChangedAndInRegisterOrder();
    void leavingTheTabCommitsTheCellBeingEdited();
    void categoryChosenInTheComboMovesTheRecordToTheEndOfItsList();
    void newRecordIsTypedDayFirstAndLooksUpItsCategoryOnce();
    void refusedCellTextKeepsTheOldValue_data();
    void refusedCellTextKeepsTheOldValue();
    void reconciledCheckBoxToggles();
    void headerClicksSortExceptTheReconciledHeader_data();
    void headerClicksSortExceptTheReconciledHeader();
    void remainderIsRedOnlyBelowZero_data();
    void remainderIsRedOnlyBelowZero();
    void deleteButtonAsksFirst();
    void carryOverOfThreeJanuaryRecordsAndNothingInDecember();
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
    _document->addFixedRows();
    for (const char *name : {"Food", "Rent", "Fun"})
        _document->createCategory(QString::fromLatin1(name), QStringLiteral("0"));
    _document->budgetTotals()[kMar] = QStringLiteral("1000");
    addItem(*_document, QStringLiteral("Food"), kMar, QStringLiteral("20"), QStringLiteral("Market"),
            QStringLiteral("45.10"));
    addItem(*_document, QStringLiteral("Food"), kMar, QStringLiteral("5"), QStringLiteral("Bakery"),
            QStringLiteral("8.5"), QStringLiteral("bread"));
    addItem(*_document, QStringLiteral("Rent"), kMar, QStringLiteral("1"), QStringLiteral("Landlord"),
            QStringLiteral("800"));
    addItem(*_document, QStringLiteral("Fun"), kMar, QStringLiteral("12"), QStringLiteral("Cinema"),
            QStringLiteral("-3"));
    addItem(*_document, QStringLiteral("Fun"), kFeb, QStringLiteral("2"), QStringLiteral("Museum"),
            QStringLiteral("12"));

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
    return int(shownColumn(QStringLiteral("desc")).indexOf(desc));
}

QStringList TestRegister::shownColumn(const QString &id) const
{
    QStringList values;
    QAbstractItemModel *model = table()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        values.append(model->index(row, column(id)).data().toString());
    return values;
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
    const QModelIndex index = table()->model()->index(row, column(columnId));
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
        const QPoint at = table()->visualRect(table()->model()->index(row, column("desc"))).center();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    }
}

void TestRegister::opensOnTheCalendarMonthSortedByDay()
{
    QCOMPARE(label("_title"), QStringLiteral("March"));
    QCOMPARE(shownColumn("desc"), (QStringList{"Landlord", "Bakery", "Cinema", "Market"}));

    clickHeader(column("amount"));
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
    QCOMPARE(table()->model()->index(rowOf("Market"), column("amount")).data().toString(), QStringLiteral("46"));
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
    QCOMPARE(table()->model()->index(rowOf("Market"), column("amount")).data().toString(), QStringLiteral("50"));
}

void TestRegister::writeBackOnlyWhenChangedAndInRegisterOrder_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QStringList>("food");
    QTest::newRow("sorted only") << false << QStringList{"Market", "Bakery"};
    QTest::newRow("sorted and edited") << true << QStringList{"Bakery", "Market"};
}

void TestRegister::writeBackOnlyWhenChangedAndInRegisterOrder()
{
    QFETCH(bool, edit);
    QFETCH(QStringList, food);

    clickHeader(column("amount"));
    QCOMPARE(shownColumn("desc"), (QStringList{"Cinema", "Bakery", "Market", "Landlord"}));
    if (edit)
        QVERIFY(typeIntoCell(rowOf("Cinema"), "note", QStringLiteral("popcorn")));
    _ctrl->closeView();

    QCOMPARE(storedDescs(*_document, QStringLiteral("Food"), kMar), food);
    QCOMPARE(storedDescs(*_document, QStringLiteral("Fun"), kMar), QStringList{"Cinema"});
    QCOMPARE(_document->entryList(QStringLiteral("Fun"), kMar)->at(1).note, edit ? "popcorn" : "");
}

void TestRegister::leavingTheTabCommitsTheCellBeingEdited()
{
    const QModelIndex cell = table()->model()->index(rowOf("Cinema"), column("note"));
    auto *editor = qobject_cast<QLineEdit *>(openEditor(cell));
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("half price"));

    _ctrl->closeView();
    QCOMPARE(_document->entryList(QStringLiteral("Fun"), kMar)->at(1).note, QStringLiteral("half price"));
}

void TestRegister::categoryChosenInTheComboMovesTheRecordToTheEndOfItsList()
{
    addItem(*_document, QStringLiteral("Rent"), kMar, QStringLiteral("2"), QStringLiteral("Garage"),
            QStringLiteral("50"));
    _ctrl->closeView();
    _ctrl->initView();

    const QModelIndex cell = table()->model()->index(rowOf("Market"), column("category"));
    auto *combo = qobject_cast<QComboBox *>(openEditor(cell));
    QVERIFY(combo);
    QStringList items;
    for (int at = 0; at < combo->count(); ++at)
        items << combo->itemText(at);
    QCOMPARE(items, (QStringList{"Food", "Rent", "Fun"}));
    QCOMPARE(combo->currentText(), QStringLiteral("Food"));
    QTest::keyClicks(combo, QStringLiteral("R"));
    QVERIFY(!table()->indexWidget(cell));
    QCOMPARE(cell.data().toString(), QStringLiteral("Rent"));

    click("nextMonthButton");
    QCOMPARE(storedDescs(*_document, QStringLiteral("Rent"), kMar), (QStringList{"Landlord", "Garage", "Market"}));
    QCOMPARE(storedDescs(*_document, QStringLiteral("Food"), kMar), QStringList{"Bakery"});
    QCOMPARE(_document->entryList(QStringLiteral("Rent"), kMar)->first(), Entry::envelope());
    QCOMPARE(_document->entryList(QStringLiteral("Food"), kMar)->first(), Entry::envelope());
}

void TestRegister::newRecordIsTypedDayFirstAndLooksUpItsCategoryOnce()
{
    click("nextMonthButton"); // April: nothing booked yet
    QCOMPARE(table()->model()->rowCount(), 0);
    click("addButton");

    QCOMPARE(table()->model()->rowCount(), 1);
    const QModelIndex day = table()->model()->index(0, column("day"));
    auto *dayEditor = qobject_cast<QLineEdit *>(table()->indexWidget(day));
    QVERIFY(dayEditor);
    QCOMPARE(dayEditor->text(), kInitialDay);
    QCOMPARE(dayEditor->selectedText(), kInitialDay);
    QCOMPARE(table()->selectionModel()->selectedRows(), QModelIndexList{table()->model()->index(0, 0)});

    // Typing the day, then Tab to the description, as a user would.
    QTest::keyClicks(dayEditor, QStringLiteral("14"));
    QTest::keyClick(dayEditor, Qt::Key_Tab);
    const QModelIndex desc = table()->model()->index(0, column("desc"));
    auto *descEditor = qobject_cast<QLineEdit *>(table()->indexWidget(desc));
    QVERIFY(descEditor);
    QCOMPARE(descEditor->selectedText(), kInitialDescription);
    // March (the month before) booked the Landlord under Rent.
    QTest::keyClicks(descEditor, QStringLiteral("Landlord"));
    QTest::keyClick(descEditor, Qt::Key_Return);
    QTRY_VERIFY(!table()->indexWidget(desc));
    const QModelIndex category = table()->model()->index(0, column("category"));
    QCOMPARE(category.data().toString(), QStringLiteral("Rent"));

    QVERIFY(typeIntoCell(0, "desc", QStringLiteral("Cinema")));
    QCOMPARE(category.data().toString(), QStringLiteral("Rent"));

    // The next new record takes the day typed last.
    click("addButton");
    QCOMPARE(table()->model()->index(1, column("day")).data().toString(), QStringLiteral("14"));
}

void TestRegister::refusedCellTextKeepsTheOldValue_data()
{
    QTest::addColumn<QString>("columnId");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");
    QTest::newRow("day 32") << "day" << "32" << "20" << true;
    QTest::newRow("amount in words") << "amount" << "ten" << "45.10" << true;
    QTest::newRow("description like a comment") << "desc" << ";Market" << "Market" << true;
    QTest::newRow("amount with comma") << "amount" << "46,5" << "46.5" << false;
}

void TestRegister::refusedCellTextKeepsTheOldValue()
{
    QFETCH(QString, columnId);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, refused);

    const int row = rowOf("Market");
    QVERIFY(typeIntoCell(row, columnId, typed));
    QCOMPARE(table()->model()->index(row, column(columnId)).data().toString(), shown);
    QCOMPARE(_alerts->titles(), refused ? QStringList{QStringLiteral("WARNING")} : QStringList());
    QVERIFY(!table()->indexWidget(table()->model()->index(row, column(columnId))));
}

void TestRegister::reconciledCheckBoxToggles()
{
    const int row = rowOf("Landlord");
    const QModelIndex cell = table()->model()->index(row, column("reconciled"));
    QStyleOptionViewItem option;
    option.initFrom(table()->viewport());
    option.rect = table()->visualRect(cell);
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = table()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, table());
    QVERIFY(box.isValid());

    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, box.center());
    QCOMPARE(cell.data(Qt::CheckStateRole), QVariant(Qt::Checked));
    _ctrl->closeView();
    QCOMPARE(_document->entryList(QStringLiteral("Rent"), kMar)->at(1).reconciled, QStringLiteral("R"));

    _ctrl->initView();
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, box.center());
    QCOMPARE(table()->model()->index(row, column("reconciled")).data(Qt::CheckStateRole), QVariant(Qt::Unchecked));
    _ctrl->closeView();
    QCOMPARE(_document->entryList(QStringLiteral("Rent"), kMar)->at(1).reconciled, QStringLiteral(" "));
}

void TestRegister::headerClicksSortExceptTheReconciledHeader_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("category") << "category" << QStringList{"Bakery", "Market", "Cinema", "Landlord"};
    QTest::newRow("amount") << "amount" << QStringList{"Cinema", "Bakery", "Market", "Landlord"};
    QTest::newRow("description") << "desc" << QStringList{"Bakery", "Cinema", "Landlord", "Market"};
    QTest::newRow("reconciled") << "reconciled" << QStringList{"Cinema", "Market", "Bakery", "Landlord"};
    QTest::newRow("day") << "day" << QStringList{"Landlord", "Bakery", "Cinema", "Market"};
}

void TestRegister::headerClicksSortExceptTheReconciledHeader()
{
    QFETCH(QString, header);
    QFETCH(QStringList, order);

    // Start from an order that none of the sorts gives.
    QVERIFY(typeIntoCell(rowOf("Landlord"), "note", QStringLiteral("yearly")));
    clickHeader(column("note"));
    QCOMPARE(shownColumn("desc"), (QStringList{"Cinema", "Market", "Bakery", "Landlord"}));

    clickHeader(column(header));
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

void TestRegister::deleteButtonAsksFirst()
{
    click("deleteButton");
    QCOMPARE(_alerts->titles(), QStringList{QStringLiteral("No Entry Selected")});
    _alerts->clear();

    selectRows({rowOf("Landlord"), rowOf("Cinema")});
    QCOMPARE(table()->selectionModel()->selectedRows().size(), 2);
    click("deleteButton"); // answered with the default, Cancel
    QCOMPARE(table()->model()->rowCount(), 4);
    QVERIFY(!table()->selectionModel()->hasSelection());

    selectRows({rowOf("Landlord"), rowOf("Cinema")});
    _alerts->answer({Alerts::kSecondButton});
    click("deleteButton");
    QCOMPARE(shownColumn("desc"), (QStringList{"Bakery", "Market"}));
    QCOMPARE(label("_remainAmount"), QStringLiteral("946.4"));
    QCOMPARE(_alerts->titles(), (QStringList{"Confirm Delete", "Confirm Delete"}));
}

void TestRegister::carryOverOfThreeJanuaryRecordsAndNothingInDecember()
{
    for (const char *desc : {"Coffee", "Books", "Gym"})
        addItem(*_document, QStringLiteral("Fun"), kJan, QStringLiteral("9"), QString::fromLatin1(desc),
                QStringLiteral("7.25"), QStringLiteral("note"), QStringLiteral("R"));
    addItem(*_document, QStringLiteral("Food"), kDec, QStringLiteral("24"), QStringLiteral("Goose"),
            QStringLiteral("40"));
    _ctrl->closeView();
    _calendar->setMonth(1);
    _ctrl->initView();

    selectRows({0, 1, 2});
    click("carryOverButton");
    QCOMPARE(_alerts->shown().last().message, QStringLiteral("Insert data into February ?"));
    QCOMPARE(*_document->entryList(QStringLiteral("Fun"), kFeb),
             (EntryList{Entry::envelope(), Entry{"2", "Museum", "12", "", " "}, Entry{"9", "Coffee", "7.25", "", " "},
                        Entry{"9", "Books", "7.25", "", " "}, Entry{"9", "Gym", "7.25", "", " "}}));
    QCOMPARE(table()->model()->rowCount(), 3);
    QCOMPARE(label("_remainAmount"), QStringLiteral("-21.75"));
    QCOMPARE(table()->selectionModel()->selectedRows().size(), 3);
    _ctrl->closeView();
    QCOMPARE(*_document->entryList(QStringLiteral("Fun"), kJan),
             (EntryList{Entry::envelope(), Entry{"9", "Coffee", "7.25", "note", "R"},
                        Entry{"9", "Books", "7.25", "note", "R"}, Entry{"9", "Gym", "7.25", "note", "R"}}));

    _alerts->clear();
    _calendar->setMonth(12);
    _ctrl->initView();
    selectRows({0});
    click("carryOverButton");
    QVERIFY(_alerts->shown().isEmpty());
    QCOMPARE(storedDescs(*_document, QStringLiteral("Food"), kDec), QStringList{"Goose"});
}

void TestRegister::envelopeButtonFollowsTheEditedEnvelopes()
{
    _document->setEnvelopeView(true);
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
    QCOMPARE(table()->model()->index(rowOf("Landlord"), column("category")).data().toString(),
             QStringLiteral("Housing"));
    QCOMPARE(table()->model()->index(rowOf("Landlord"), column("amount")).data().toString(), QStringLiteral("850"));
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
    QCOMPARE(names.size(), 8);
    names.removeDuplicates();
    QCOMPARE(names.size(), 8);
}

QTEST_MAIN(TestRegister)
#include "tst_register.moc"
