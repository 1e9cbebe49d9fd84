#include "AppFixture.h"
#include "DocumentCompare.h"
#include "DocumentFixtures.h"
#include "app/BudgetGridModel.h"
#include "app/BudgetGridView.h"
#include "app/DesktopCommands.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

constexpr int kMar = 2;
constexpr int kJanColumn = 1;
const QString kEdited = QStringLiteral("Edited in the register");
const QString kBudget = QStringLiteral("4321");
const QString kName = QStringLiteral("Edited name");

/// Where the user typed, and whether the cell's editor is still open.
enum class Edit { Register, RegisterOpen, GridBudgetOpen, GridNameOpen };

/// Whether the document holds the edit once, and every other March record.
bool holds(const BudgetDocument &document, Edit edit, qsizetype marchRecords)
{
    const QStringList march = DocumentFixtures::storedDescs(document, kMar);
    switch (edit) {
    case Edit::Register:
    case Edit::RegisterOpen:
        return march.count(kEdited) == 1 && march.size() == marchRecords;
    case Edit::GridBudgetOpen:
        return document.budgetTotals()[0] == kBudget;
    case Edit::GridNameOpen:
        return DocumentFixtures::categoryNames(document).contains(kName);
    }
    return false;
}

/// The program on a copy of the sample budget, with a second copy to open.
struct EditFixture : AppFixture
{
    QString path = sampleCopy();
    QString other = sampleCopy(QStringLiteral("other.txt"));
    std::unique_ptr<DesktopCommands> commands;

    EditFixture()
    {
        knownVersion().settings->setValue(Settings::kDataFile, path);
        recents.noteNewRecentDocument(other);
        start();
        commands = std::make_unique<DesktopCommands>(*app, panels, alerts);
    }

    /// Types into a cell of a table as the user does, leaving its editor open.
    static QLineEdit *typeInto(QTableView &table, const QModelIndex &cell, const QString &text)
    {
        table.setCurrentIndex(cell);
        table.edit(cell);
        auto *editor = qobject_cast<QLineEdit *>(table.indexWidget(cell));
        if (editor) {
            editor->selectAll();
            QTest::keyClicks(editor, text);
        }
        return editor;
    }

    bool type(Edit edit, const QString &text)
    {
        BudgetGridView &grid = *app->mainWindow().tableView();
        if (edit == Edit::GridBudgetOpen)
            return typeInto(grid, grid.model()->index(kBudgetRowIndex, kJanColumn), text);
        if (edit == Edit::GridNameOpen)
            return typeInto(grid, grid.model()->index(kFirstCategoryRow, 0), text);
        // The register opens on the calendar's March.
        app->mainWindow().tabView()->setCurrentIndex(1);
        auto *table = app->checkView().findChild<QTableView *>(QStringLiteral("_ourTableView"));
        const QModelIndex cell
            = table->model()->index(0, int(voCheckViewData::columnIds().indexOf(QStringLiteral("desc"))));
        QLineEdit *editor = typeInto(*table, cell, text);
        if (editor && edit == Edit::Register) {
            QTest::keyClick(editor, Qt::Key_Return);
            return QTest::qWaitFor([&cell, &text] { return cell.data().toString() == text; });
        }
        return editor;
    }

    /// Runs the command; answers the file it wrote the document to, if any.
    QString run(const QString &command)
    {
        if (command == u"Quit") {
            app->menuQuit();
        } else if (command == u"close window") {
            app->mainWindow().close();
        } else if (command == u"Save") {
            app->menuSave();
        } else if (command == u"Save As") {
            panels.answer({folder.filePath(QStringLiteral("copy.txt"))});
            app->menuSaveAs();
            return folder.filePath(QStringLiteral("copy.txt"));
        } else if (command == u"Open") {
            panels.answer({other});
            app->menuOpenFile();
        } else if (command == u"Open Recent") {
            QMenu *menu = app->mainWindow().menu(MainMenuName::OpenRecent);
            emit menu->aboutToShow();
            for (QAction *item : menu->actions()) {
                if (item->statusTip() == other)
                    item->trigger();
            }
        } else if (command == u"New") {
            panels.answer({folder.filePath(QStringLiteral("new.txt"))});
            app->menuNewFile();
        } else if (command == u"desktop open") {
            app->openFile(other);
        } else if (command == u"Export") {
            panels.answer({folder.filePath(QStringLiteral("grid.csv"))});
            commands->menuExportGrid();
            return folder.filePath(QStringLiteral("grid.csv"));
        } else if (command == u"Charts") {
            commands->menuShowCharts();
            return {};
        }
        return path;
    }
};

const QStringList kFileCommands{"Quit", "close window", "Save", "Save As", "Open", "Open Recent", "New", "desktop open"};

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestPendingEdits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void anEditReachesWhatEveryCommandReads_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<Edit>("edit");
        for (const QString &command : kFileCommands) {
            QTest::addRow("%s, register", qPrintable(command)) << command << Edit::Register;
            QTest::addRow("%s, register cell still being edited", qPrintable(command))
                << command << Edit::RegisterOpen;
        }
        for (const QString &command : kFileCommands + QStringList{"Export", "Charts"}) {
            QTest::addRow("%s, grid budget still being edited", qPrintable(command))
                << command << Edit::GridBudgetOpen;
            QTest::addRow("%s, grid name still being edited", qPrintable(command))
                << command << Edit::GridNameOpen;
        }
    }

    void anEditReachesWhatEveryCommandReads()
    {
        QFETCH(QString, command);
        QFETCH(Edit, edit);
        EditFixture fixture;
        const qsizetype marchRecords = DocumentFixtures::storedDescs(fixture.app->document(), kMar).size();
        const QString typed = edit == Edit::GridBudgetOpen ? kBudget : edit == Edit::GridNameOpen ? kName : kEdited;
        QVERIFY(fixture.type(edit, typed));

        const QString written = fixture.run(command);
        QVERIFY(fixture.alerts.shown().isEmpty());
        if (command == u"Export") {
            QVERIFY(AppFixture::contents(written).contains(typed.toUtf8()));
        } else if (command == u"Charts") {
            // The charts draw the document.
            QVERIFY(fixture.commands->chartsWindow());
            QVERIFY(holds(fixture.app->document(), edit, marchRecords));
        } else {
            QCOMPARE(fixture.app->mainWindow().tabView()->currentIndex(), 0);
            const std::unique_ptr<BudgetDocument> saved = DocumentCompare::loaded(written, false, true);
            QVERIFY(saved);
            QVERIFY(holds(*saved, edit, marchRecords));
            QCOMPARE(fixture.terminated->size(), command == u"Quit" || command == u"close window" ? 1 : 0);
        }
    }

    void aRefusedValueStopsTheCommandWithItsMessage_data()
    {
        QTest::addColumn<QString>("command");
        for (const QString &command : kFileCommands + QStringList{"Export", "Charts"})
            QTest::addRow("%s", qPrintable(command)) << command;
    }

    void aRefusedValueStopsTheCommandWithItsMessage()
    {
        QFETCH(QString, command);
        EditFixture fixture;
        const QByteArray before = AppFixture::contents(fixture.path);
        QVERIFY(fixture.type(Edit::GridBudgetOpen, QStringLiteral("12 apples")));

        fixture.run(command);
        QCOMPARE(fixture.alerts.titles(), QStringList{QStringLiteral("WARNING")});
        QVERIFY(fixture.panels.shown().isEmpty());
        QCOMPARE(fixture.terminated->size(), 0);
        QCOMPARE(fixture.app->dataFileName(), fixture.path);
        QCOMPARE(AppFixture::contents(fixture.path), before);
        QVERIFY(!fixture.commands->chartsWindow());
        const std::unique_ptr<BudgetDocument> saved = DocumentCompare::loaded(fixture.path, false, true);
        QVERIFY(saved);
        QCOMPARE(fixture.app->document().budgetTotals()[0], saved->budgetTotals()[0]);
    }
};

QTEST_MAIN(TestPendingEdits)
#include "tst_pendingedits.moc"
