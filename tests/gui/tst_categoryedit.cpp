#include "DocumentFixtures.h"
#include "editing/DocumentEditing.h"
#include "platform/ScriptedAlerts.h"
#include "platform/ScriptedModalLoop.h"
#include "register/voCategoryEditWinCtrl.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace DocumentFixtures;

namespace {

constexpr int kJan = 0;


} // namespace

class TestCategoryEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void anEmptyBudgetOpensEmptyAndAddStartsEditingTheNewName();
    void addingAgainPicksTheNextFreeName();
    void namesAreRenamedInPlace_data();
    void namesAreRenamedInPlace();
    void deleteButtonWarnsWithCancelAsDefault();
    void deleteWithoutSelectionOnlyWarns();
    void closeButtonEndsTheModalRunAndKeepsTheTypedName();
    void everyControlHasItsOwnAccessibleName();

private:
    void open(DocumentEditing &edits);
    QTableView *table() const { return _editor->findChild<QTableView *>(QStringLiteral("_ourTable")); }
    void click(const char *buttonName);
    QLineEdit *openEditor(int row);
    [[nodiscard]] bool typeName(QLineEdit *editor, const QString &name);
    QStringList shownNames() const;

    BudgetDocument *_document = nullptr;
    DocumentEditing *_edits = nullptr;
    ScriptedAlerts *_alerts = nullptr;
    ScriptedModalLoop *_modal = nullptr;
    ModalLoop::Scope *_modalScope = nullptr;
    QWidget *_mainWindow = nullptr;
    voCategoryEditWinCtrl *_editor = nullptr;
};

void TestCategoryEditor::init()
{
    _document = new BudgetDocument;
    _edits = new DocumentEditing(*_document);
    _alerts = new ScriptedAlerts;
    _modal = new ScriptedModalLoop;
    _modalScope = new ModalLoop::Scope(*_modal);
    for (const char *name : {"Food", "Rent", "Fun"})
        DocumentFixtures::addCategory(*_document, QString::fromLatin1(name));
    _mainWindow = new QWidget;
    _mainWindow->setWindowTitle(QStringLiteral("Budget"));
    _mainWindow->setGeometry(100, 100, 800, 600);
    _mainWindow->show();
}

void TestCategoryEditor::cleanup()
{
    delete _editor;
    _editor = nullptr;
    delete _mainWindow;
    delete _modalScope;
    delete _modal;
    delete _alerts;
    delete _edits;
    delete _document;
}

void TestCategoryEditor::open(DocumentEditing &edits)
{
    _editor = new voCategoryEditWinCtrl(edits, *_alerts, _mainWindow);
    _editor->showFromTitleBar(_mainWindow, true);
    QApplication::setActiveWindow(_editor);
    QVERIFY(QTest::qWaitForWindowActive(_editor));
}

void TestCategoryEditor::click(const char *buttonName)
{
    auto *button = _editor->findChild<QPushButton *>(QLatin1String(buttonName));
    QVERIFY2(button, buttonName);
    QTest::mouseClick(button, Qt::LeftButton);
}

QLineEdit *TestCategoryEditor::openEditor(int row)
{
    const QModelIndex index = table()->model()->index(row, 0);
    const QPoint centre = table()->visualRect(index).center();
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, centre);
    return qobject_cast<QLineEdit *>(table()->indexWidget(index));
}

bool TestCategoryEditor::typeName(QLineEdit *editor, const QString &name)
{
    if (!editor || editor->selectedText() != editor->text())
        return false;
    editor->del(); // an empty name is typed as nothing at all
    QTest::keyClicks(editor, name);
    QTest::keyClick(editor, Qt::Key_Return);
    return QTest::qWaitFor([this] { return !table()->findChild<QLineEdit *>(); });
}

QStringList TestCategoryEditor::shownNames() const
{
    QStringList names;
    for (int row = 0; row < table()->model()->rowCount(); ++row)
        names.append(table()->model()->index(row, 0).data().toString());
    return names;
}

void TestCategoryEditor::anEmptyBudgetOpensEmptyAndAddStartsEditingTheNewName()
{
    BudgetDocument empty;
    DocumentEditing emptyEdits(empty);
    open(emptyEdits);
    QCOMPARE(_editor->windowTitle(), QStringLiteral("Categories"));
    QCOMPARE(table()->model()->rowCount(), 0);

    click("addButton");
    QCOMPARE(shownNames(), QStringList{kDefaultCategoryName});
    QCOMPARE(categoryNames(empty), QStringList{kDefaultCategoryName});
    auto *editor = qobject_cast<QLineEdit *>(table()->indexWidget(table()->model()->index(0, 0)));
    QVERIFY(editor);
    QCOMPARE(editor->selectedText(), kDefaultCategoryName);
    QVERIFY(typeName(editor, QStringLiteral("Travel")));
    QCOMPARE(categoryNames(empty), QStringList{"Travel"});
    QCOMPARE(empty.entryList(QStringLiteral("Travel"), kJan)->size(), 1);
}

void TestCategoryEditor::addingAgainPicksTheNextFreeName()
{
    open(*_edits);
    click("addButton");
    auto *editor = table()->findChild<QLineEdit *>();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!table()->findChild<QLineEdit *>());
    click("addButton");
    QCOMPARE(shownNames(), (QStringList{"Food", "Rent", "Fun", "New Category", "New Category 2"}));
    QCOMPARE(categoryNames(*_document), shownNames());
}

void TestCategoryEditor::namesAreRenamedInPlace_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("alerts");
    QTest::newRow("new name") << "Housing" << "Housing" << QStringList();
    QTest::newRow("cleared") << "" << "Rent" << QStringList();
    QTest::newRow("name in use") << "Food" << "Rent" << QStringList{"WARNING"};
}

void TestCategoryEditor::namesAreRenamedInPlace()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(QStringList, alerts);

    addItem(*_document, QStringLiteral("Rent"), kJan, QStringLiteral("1"), QStringLiteral("Landlord"),
            QStringLiteral("800"));
    open(*_edits);
    QVERIFY(typeName(openEditor(1), typed));

    QCOMPARE(shownNames(), (QStringList{"Food", name, "Fun"}));
    QCOMPARE(categoryNames(*_document), shownNames());
    QCOMPARE(_document->entryList(name, kJan)->at(1).desc, QStringLiteral("Landlord"));
    QCOMPARE(_alerts->titles(), alerts);
}

void TestCategoryEditor::deleteButtonWarnsWithCancelAsDefault()
{
    open(*_edits);
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                      table()->visualRect(table()->model()->index(1, 0)).center());
    click("deleteButton"); // Return at the warning: the default, Cancel
    QCOMPARE(shownNames(), (QStringList{"Food", "Rent", "Fun"}));
    const ScriptedAlerts::Shown &warning = _alerts->shown().first();
    QCOMPARE(warning.message, QStringLiteral("Removing Category 'Rent' will permanently remove all associated data!"));
    QCOMPARE(warning.kind, Alerts::Kind::Warning);
    QCOMPARE(warning.defaultButton, Alerts::Button::Cancel);
    QCOMPARE(ScriptedAlerts::buttonsOf(warning), (QList{Alerts::Button::Ok, Alerts::Button::Cancel}));

    _alerts->answer({Alerts::Button::Ok});
    click("deleteButton");
    QCOMPARE(shownNames(), (QStringList{"Food", "Fun"}));
    QCOMPARE(categoryNames(*_document), shownNames());
    QVERIFY(!table()->selectionModel()->hasSelection());
    QCOMPARE(_alerts->titles(), (QStringList{"WARNING", "WARNING"}));
}

void TestCategoryEditor::deleteWithoutSelectionOnlyWarns()
{
    open(*_edits);
    click("deleteButton");
    QCOMPARE(_alerts->titles(), QStringList{QStringLiteral("No Entry Selected")});
    QCOMPARE(_alerts->shown().first().message, QStringLiteral("Please select item to delete."));
    QCOMPARE(categoryNames(*_document), (QStringList{"Food", "Rent", "Fun"}));
}

void TestCategoryEditor::closeButtonEndsTheModalRunAndKeepsTheTypedName()
{
    _editor = new voCategoryEditWinCtrl(*_edits, *_alerts, _mainWindow);
    _editor->showFromTitleBar(_mainWindow, false);
    _modal->answer([this](QWidget *window) {
        QLineEdit *editor = openEditor(2);
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("Leisure"));
        auto *close = window->findChild<QPushButton *>(QStringLiteral("closeButton"));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!window->isVisible());
    });
    _editor->startModal();
    QCOMPARE(_modal->titles(), QStringList{"Categories"});
    QCOMPARE(categoryNames(*_document), (QStringList{"Food", "Rent", "Leisure"}));
}

void TestCategoryEditor::everyControlHasItsOwnAccessibleName()
{
    open(*_edits);
    QStringList names;
    for (QWidget *widget : _editor->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"))
            continue;
        if (qobject_cast<QPushButton *>(widget) || qobject_cast<QTableView *>(widget))
            names << widget->accessibleName();
    }
    QCOMPARE(names.size(), 4);
    QVERIFY(!names.contains(QString()));
    names.removeDuplicates();
    QCOMPARE(names.size(), 4);
}

QTEST_MAIN(TestCategoryEditor)
#include "tst_categoryedit.moc"
