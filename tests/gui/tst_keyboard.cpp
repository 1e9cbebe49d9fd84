#include "AppFixture.h"

#include "app/BudgetGridModel.h"
#include "app/BudgetGridView.h"
#include "register/voCheckViewCtrl.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

/// The letter that Alt plus it presses, or none.
QChar mnemonic(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

/// Two things on the same Alt key (menus, tabs and the buttons shown): one line per clash.
QStringList mnemonicClashes(const QList<QPair<QString, QString>> &labels)
{
    QStringList clashes;
    QHash<QChar, QString> owners;
    for (const auto &[owner, text] : labels) {
        const QChar key = mnemonic(text);
        if (key.isNull())
            continue;
        if (owners.contains(key))
            clashes << QStringLiteral("Alt+%1: %2 and %3").arg(key, owners[key], owner);
        owners.insert(key, owner);
    }
    return clashes;
}

struct KeyboardFixture : AppFixture
{
    KeyboardFixture(bool envelope = false)
    {
        settings->setValue(Settings::kEnvelopeView, envelope);
        knownVersion().settings->setValue(Settings::kDataFile, sampleCopy());
        start();
        QApplication::setActiveWindow(&app->mainWindow());
    }

    [[nodiscard]] MainWindow &window() const { return app->mainWindow(); }
    [[nodiscard]] BudgetGridView *grid() const { return window().tableView(); }
    [[nodiscard]] QAction *action(const char *name) const { return window().findChild<QAction *>(QLatin1String(name)); }
    /// The editor open on the current cell, if any.
    [[nodiscard]] QLineEdit *editor() const { return qobject_cast<QLineEdit *>(grid()->indexWidget(grid()->currentIndex())); }
    [[nodiscard]] QModelIndex cell(int row, int column) const { return app->gridModel().index(row, column); }
    [[nodiscard]] QString stored(int row, const char *column) const
    {
        return app->gridModel().index(row, BudgetGridModel::columnOf(QLatin1String(column))).data(Qt::EditRole).toString();
    }

    /// Presses the key where the focus is, as the user would.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void commandsHaveKeysOnEveryDesktop_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("New") << "actionNew" << QKeySequence(Qt::CTRL | Qt::Key_N);
        QTest::newRow("Open") << "actionOpen" << QKeySequence(Qt::CTRL | Qt::Key_O);
        QTest::newRow("Save") << "actionSave" << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("Save As") << "actionSaveAs" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QTest::newRow("Quit") << "actionQuit" << QKeySequence(Qt::CTRL | Qt::Key_Q);
        QTest::newRow("Preferences") << "actionPreferences" << QKeySequence(Qt::CTRL | Qt::Key_Comma);
        QTest::newRow("New Category") << "actionNewCategory" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
        QTest::newRow("Delete Category") << "actionDeleteCategory" << QKeySequence(Qt::CTRL | Qt::Key_Delete);
    }

    void commandsHaveKeysOnEveryDesktop()
    {
        QFETCH(QString, action);
        QFETCH(QKeySequence, key);
        KeyboardFixture fixture;
        QAction *command = fixture.window().findChild<QAction *>(action);
        QVERIFY(command);
        QVERIFY2(command->shortcuts().contains(key), qPrintable(key.toString()));
    }

    void noTwoCommandsShareAKey()
    {
        KeyboardFixture fixture;
        QHash<QKeySequence, QString> owners;
        QStringList clashes;
        auto take = [&](const QKeySequence &key, const QString &owner) {
            if (key.isEmpty())
                return;
            if (owners.contains(key))
                clashes << QStringLiteral("%1: %2 and %3").arg(key.toString(), owners[key], owner);
            owners.insert(key, owner);
        };
        for (QAction *action : fixture.window().findChildren<QAction *>()) {
            for (const QKeySequence &key : action->shortcuts())
                take(key, action->objectName());
        }
        // Alt keys of buttons on different tabs may repeat; the next test sees to those.
        for (QAbstractButton *button : fixture.window().findChildren<QAbstractButton *>()) {
            if (button->shortcut() != QKeySequence::mnemonic(button->text()))
                take(button->shortcut(), button->objectName());
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
    }

    void altKeysAreUniqueOnEachTabAndInEachMenu_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("grid") << 0;
        QTest::newRow("register") << 1;
    }

    void altKeysAreUniqueOnEachTabAndInEachMenu()
    {
        QFETCH(int, tab);
        KeyboardFixture fixture;
        fixture.window().tabView()->setCurrentIndex(tab);
        QList<QPair<QString, QString>> window;
        for (QAction *menu : fixture.window().menuBar()->actions())
            window.append({menu->text(), menu->text()});
        QTabWidget *tabs = fixture.window().tabView();
        for (int i = 0; i < tabs->count(); ++i)
            window.append({tabs->tabText(i), tabs->tabText(i)});
        for (QAbstractButton *button : tabs->currentWidget()->findChildren<QAbstractButton *>()) {
            if (button->isVisibleTo(&fixture.window()))
                window.append({button->objectName(), button->text()});
        }
        QVERIFY2(mnemonicClashes(window).isEmpty(), qPrintable(mnemonicClashes(window).join(QStringLiteral("; "))));
        QCOMPARE(mnemonic(QStringLiteral("&Save")), u's');
        QCOMPARE(mnemonic(QStringLiteral("Tom && &Jerry")), u'j');

        for (QMenu *menu : fixture.window().findChildren<QMenu *>()) {
            QList<QPair<QString, QString>> items;
            for (QAction *item : menu->actions()) {
                if (!item->isSeparator())
                    items.append({item->text(), item->text()});
            }
            const QStringList clashes = mnemonicClashes(items);
            QVERIFY2(clashes.isEmpty(), qPrintable(menu->objectName() + QStringLiteral(": ") + clashes.join(QStringLiteral("; "))));
        }
    }

    void shortcutsRunTheirCommandOnTheGridTabOnly()
    {
        KeyboardFixture fixture;
        const qsizetype rows = fixture.app->document().getCatArray().size();
        fixture.grid()->setFocus();
        KeyboardFixture::press(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fixture.app->document().getCatArray().size(), rows + 1);
        QVERIFY(fixture.editor()); // the new row's name is being edited
        KeyboardFixture::press(Qt::Key_Escape);

        // On the register the grid's category commands would act on rows nobody sees.
        fixture.window().tabView()->setCurrentIndex(1);
        QVERIFY(!fixture.action("actionNewCategory")->isEnabled());
        QVERIFY(!fixture.action("actionDeleteCategory")->isEnabled());
        fixture.window().tabView()->setCurrentIndex(0);
        QVERIFY(fixture.action("actionNewCategory")->isEnabled());
        QVERIFY(fixture.action("actionDeleteCategory")->isEnabled());
    }

    void tabVisitsTheCellsTheUserCanChangeThenLeavesTheGrid()
    {
        KeyboardFixture fixture;
        BudgetGridView *grid = fixture.grid();
        grid->setFocus();
        grid->setCurrentIndex({});
        QList<QModelIndex> visited;
        for (int i = 0; i < 12 + 6; ++i) {
            KeyboardFixture::press(Qt::Key_Tab);
            QVERIFY(grid->hasFocus());
            visited << grid->currentIndex();
        }
        QCOMPARE(visited.first(), fixture.cell(kBudgetRowIndex, 1));
        QCOMPARE(visited[11], fixture.cell(kBudgetRowIndex, 12));
        QCOMPARE(visited[12], fixture.cell(kFirstCategoryRow, 0));
        QCOMPARE(visited.last(), fixture.cell(kFirstCategoryRow + 5, 0));
        QVERIFY(fixture.editor() == nullptr);

        // Past the last category name: on to the buttons, and back.
        KeyboardFixture::press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("newCategoryButton"));
        KeyboardFixture::press(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(grid->hasFocus());
        KeyboardFixture::press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(grid->currentIndex(), fixture.cell(kFirstCategoryRow + 4, 0));
    }

    void enterEditsAndTabInAnEditorMovesAlongTheSameKindOfCell()
    {
        KeyboardFixture fixture;
        BudgetGridView *grid = fixture.grid();
        grid->setFocus();
        grid->setCurrentIndex(fixture.cell(kBudgetRowIndex, 1));
        KeyboardFixture::press(Qt::Key_Return);
        QVERIFY(fixture.editor());
        fixture.editor()->selectAll();
        QTest::keyClicks(fixture.editor(), QStringLiteral("2000"));
        KeyboardFixture::press(Qt::Key_Tab);
        QCOMPARE(fixture.stored(kBudgetRowIndex, "jan"), QStringLiteral("2000"));
        QCOMPARE(grid->currentIndex(), fixture.cell(kBudgetRowIndex, 2));
        QVERIFY(fixture.editor());

        // The last month: Tab commits and stays.
        KeyboardFixture::press(Qt::Key_Escape);
        grid->setCurrentIndex(fixture.cell(kBudgetRowIndex, 12));
        KeyboardFixture::press(Qt::Key_Return);
        KeyboardFixture::press(Qt::Key_Tab);
        QCOMPARE(grid->currentIndex(), fixture.cell(kBudgetRowIndex, 12));
        QTRY_VERIFY(grid->hasFocus());

        // Names: down the name column, both ways.
        grid->setCurrentIndex(fixture.cell(kFirstCategoryRow, 0));
        KeyboardFixture::press(Qt::Key_Return);
        fixture.editor()->selectAll();
        QTest::keyClicks(fixture.editor(), QStringLiteral("Food"));
        KeyboardFixture::press(Qt::Key_Tab);
        QCOMPARE(fixture.app->document().getCatArray()[kFirstCategoryRow].desc, QStringLiteral("Food"));
        QCOMPARE(grid->currentIndex(), fixture.cell(kFirstCategoryRow + 1, 0));
        QCOMPARE(fixture.editor()->text(), QStringLiteral("Rent"));
        KeyboardFixture::press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(grid->currentIndex(), fixture.cell(kFirstCategoryRow, 0));
        QCOMPARE(fixture.editor()->text(), QStringLiteral("Food"));
        // Shift+Tab from the first name does not jump into the Budget row.
        KeyboardFixture::press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(grid->currentIndex(), fixture.cell(kFirstCategoryRow, 0));
        QVERIFY(fixture.alerts.shown().isEmpty());
    }

    void inTheRegisterEnterEditsAndTabLeavesAfterTheLastCell()
    {
        KeyboardFixture fixture;
        fixture.window().tabView()->setCurrentIndex(1);
        auto *table = fixture.app->checkView().findChild<QTableView *>(QStringLiteral("_ourTableView"));
        const QAbstractItemModel *cells = table->model();
        QVERIFY(cells->rowCount() > 1);
        table->setFocus();

        table->setCurrentIndex(cells->index(0, 2));
        KeyboardFixture::press(Qt::Key_Return);
        QVERIFY(table->indexWidget(table->currentIndex()));
        KeyboardFixture::press(Qt::Key_Escape);
        QTRY_VERIFY(table->hasFocus());

        // Inside the table Tab goes from cell to cell, as Qt has it.
        KeyboardFixture::press(Qt::Key_Tab);
        QCOMPARE(table->currentIndex(), cells->index(0, 3));
        QVERIFY(table->hasFocus());

        table->setCurrentIndex(cells->index(cells->rowCount() - 1, cells->columnCount() - 1));
        KeyboardFixture::press(Qt::Key_Tab);
        QVERIFY(!table->hasFocus());
        QVERIFY(fixture.app->checkView().isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(table->currentIndex(), cells->index(cells->rowCount() - 1, cells->columnCount() - 1));

        table->setFocus();
        table->setCurrentIndex(cells->index(0, 0));
        KeyboardFixture::press(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(!table->hasFocus());
        // Afterwards Tab still steps from cell to cell.
        table->setFocus();
        KeyboardFixture::press(Qt::Key_Tab);
        QCOMPARE(table->currentIndex(), cells->index(0, 1));
    }

    void enterOnABudgetMonthInEnvelopeModeOpensTheEnvelopeEditor()
    {
        KeyboardFixture fixture(true);
        fixture.grid()->setFocus();
        fixture.grid()->setCurrentIndex(fixture.cell(kBudgetRowIndex, 3));
        KeyboardFixture::press(Qt::Key_Return);
        QCOMPARE(fixture.loop.titles().size(), 1);
        QVERIFY(fixture.editor() == nullptr);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
