#include "AppFixture.h"
#include "TagFixture.h"

#include "app/DesktopCommands.h"
#include "app/YearCommands.h"
#include "charts/BudgetChartsWindow.h"
#include "dialogs/voAboutWinCtrl.h"
#include "dialogs/voPrefWindowCtrl.h"
#include "dialogs/voProgressWinController.h"
#include "document/DocumentSnapshot.h"
#include "find/FindTransactionsDialog.h"
#include "help/HandbookWindow.h"
#include "help/HelpCommands.h"
#include "help/ShortcutsDialog.h"
#include "import/ImportCommand.h"
#include "import/ImportPreviewDialog.h"
#include "import/ImportRulesDialog.h"
#include "import/ImportSettings.h"
#include "planning/FillPreviewDialog.h"
#include "planning/ComparisonCommands.h"
#include "planning/PlanningCommands.h"
#include "editing/DocumentEditing.h"
#include "recurring/DueTransactionsDialog.h"
#include "recurring/RecurringCommands.h"
#include "recurring/RecurringEditorDialog.h"
#include "recurring/RecurringListWindow.h"
#include "splits/SplitCommands.h"
#include "splits/SplitEditorDialog.h"
#include "planning/YearComparisonWindow.h"
#include "register/voCategoryEditWinCtrl.h"
#include "register/voEnvelopeWinController.h"
#include "safety/RestoreBackupDialog.h"
#include "tags/TagsCommands.h"
#include "tags/TagsWindow.h"
#include "tags/TagTotals.h"
#include "welcome/CommonCategoriesDialog.h"
#include "welcome/Welcome.h"
#include "welcome/WelcomePanel.h"
#include "year/YearComparison.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

QString keyText(const QKeySequence &key)
{
    return key.toString(QKeySequence::NativeText);
}

/// The tooltip the user sees over the widget: its own, or that of the
/// control it is a part of (a spin box's line edit).
QString shownToolTip(const QWidget *widget)
{
    for (; widget && !widget->isWindow(); widget = widget->parentWidget()) {
        if (!widget->toolTip().isEmpty())
            return widget->toolTip();
        const QWidget *parent = widget->parentWidget();
        if (!parent || (parent->focusProxy() != widget && !qobject_cast<const QAbstractSpinBox *>(parent)))
            break;
    }
    return {};
}

/// Every control of the window that is not hidden and that Tab reaches
/// must say what it is (an accessible name) and what it does (a tooltip,
/// with its shortcut where it has one beyond the underlined letter); every
/// tab of a tab bar a tooltip. One line per fault; `walked` counts the
/// controls looked at.
QStringList helpFaults(QWidget &window, int *walked = nullptr)
{
    QStringList faults;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() || widget->isWindow())
            continue;
        if (widget->isHidden())
            continue;
        if (walked)
            ++*walked;
        const QString who = QStringLiteral("%1 \"%2\" in %3 \"%4\"")
                                .arg(QLatin1String(widget->metaObject()->className()), widget->objectName(),
                                     QLatin1String(widget->parentWidget()->metaObject()->className()),
                                     widget->parentWidget()->objectName());
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            faults << who + QStringLiteral(" has no accessible name");
        if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                if (tabs->tabToolTip(tab).isEmpty())
                    faults << QStringLiteral("the tab \"%1\" has no tooltip").arg(tabs->tabText(tab));
            }
            continue;
        }
        const QString tip = shownToolTip(widget);
        if (tip.trimmed().isEmpty()) {
            faults << who + QStringLiteral(" has no tooltip");
            continue;
        }
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            const QKeySequence key = button->shortcut();
            if (!key.isEmpty() && key != QKeySequence::mnemonic(button->text()) && !tip.contains(keyText(key)))
                faults << QStringLiteral("%1: the tooltip \"%2\" does not name its key %3").arg(who, tip, keyText(key));
        }
    }
    return faults;
}

/// Every item of the menu and its submenus without a status tip.
void collectMenuFaults(QMenu &menu, const QString &path, QStringList &faults)
{
    emit menu.aboutToShow(); // menus that fill themselves as they open
    for (QAction *action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const QString place = path + QStringLiteral(" → ") + action->text();
        if (action->statusTip().trimmed().isEmpty())
            faults << place + QStringLiteral(" has no status tip");
        if (action->menu())
            collectMenuFaults(*action->menu(), place, faults);
    }
}

/// The main window with every command of the program installed, as the
/// program puts them together.
struct FullWindow
{
    AppFixture fixture;
    std::unique_ptr<DesktopCommands> desktop;
    std::unique_ptr<YearCommands> year;
    std::unique_ptr<PlanningCommands> planning;
    std::unique_ptr<ComparisonCommands> comparison;
    std::unique_ptr<TagsCommands> tags;
    std::unique_ptr<ImportCommand> import;
    std::unique_ptr<RecurringCommands> recurring;
    std::unique_ptr<SplitCommands> splits;
    std::unique_ptr<HelpCommands> help;
    std::unique_ptr<Welcome> welcome;

    MyDataSource &start(bool withBudget, bool envelope = false)
    {
        fixture.knownVersion().settings->setValue(Settings::kEnvelopeView, envelope);
        if (withBudget)
            fixture.settings->setValue(Settings::kDataFile, fixture.sampleCopy());
        MyDataSource &app = fixture.start();
        desktop = std::make_unique<DesktopCommands>(app, fixture.panels, fixture.alerts);
        year = std::make_unique<YearCommands>(app, fixture.panels, fixture.alerts);
        planning = std::make_unique<PlanningCommands>(app, fixture.panels, fixture.alerts);
        comparison = std::make_unique<ComparisonCommands>(app, *planning, fixture.panels, fixture.alerts);
        tags = std::make_unique<TagsCommands>(app, fixture.panels, fixture.alerts);
        import = std::make_unique<ImportCommand>(app, *fixture.settings, fixture.panels, fixture.alerts);
        recurring = std::make_unique<RecurringCommands>(app, *fixture.settings, fixture.alerts);
        splits = std::make_unique<SplitCommands>(app, fixture.alerts);
        help = std::make_unique<HelpCommands>(app, *fixture.settings);
        welcome = std::make_unique<Welcome>(app, fixture.alerts);
        return app;
    }
};

/// A secondary window of the program and what keeps it alive.
struct Dialog
{
    FullWindow main;
    std::unique_ptr<ImportSettings> importSettings;
    std::unique_ptr<QWidget> window;
};

void build(Dialog &dialog, const QString &name)
{
    MyDataSource &app = dialog.main.start(true, true);
    AppFixture &fixture = dialog.main.fixture;
    QWidget *parent = &app.mainWindow();
    BudgetDocument &document = app.document();
    if (name == u"preferences") {
        dialog.window = std::make_unique<voPrefWindowCtrl>(*fixture.settings, parent);
    } else if (name == u"about") {
        auto about = std::make_unique<voAboutWinCtrl>(parent);
        about->setTitle(voAboutWinCtrl::kPublisherName, voAboutWinCtrl::aboutMessage(app.version()));
        dialog.window = std::move(about);
    } else if (name == u"envelope editor") {
        auto editor = std::make_unique<voEnvelopeWinController>(app.edits(), fixture.alerts, parent);
        editor->openMonth(2, parent);
        dialog.window = std::move(editor);
    } else if (name == u"category editor") {
        dialog.window = std::make_unique<voCategoryEditWinCtrl>(app.edits(), fixture.alerts, parent);
    } else if (name == u"progress") {
        dialog.window = std::make_unique<voProgressWinController>(parent);
    } else if (name == u"charts") {
        dialog.window = std::make_unique<BudgetChartsWindow>(document, parent);
    } else if (name.startsWith(u"import preview")) {
        dialog.importSettings = std::make_unique<ImportSettings>(*fixture.settings);
        const QString statement = name.endsWith(u"CSV") ? QStringLiteral("statement-comma.csv")
                                                        : QStringLiteral("statement-ofx102.ofx");
        dialog.window = std::make_unique<ImportPreviewDialog>(
            StatementSource::open(QStringLiteral(ORRINWICK_TEST_DATA "/import/") + statement), document,
            *dialog.importSettings, fixture.alerts, QString(), parent);
    } else if (name == u"import rules") {
        dialog.window = std::make_unique<ImportRulesDialog>(
            QList<CategoryRule>{{QStringLiteral("MARKET"), QStringLiteral("Food")}}, QStringList{"Food", "Rent"}, fixture.alerts, parent);
    } else if (name == u"find") {
        dialog.window = std::make_unique<FindTransactionsDialog>(
            [&document] { return DocumentSnapshot::take(document); }, parent);
    } else if (name == u"restore from backup") {
        const QFileInfo sample(fixture.settings->dataFile());
        dialog.window = std::make_unique<RestoreBackupDialog>(
            QList<BackupStore::Version>{{sample.filePath(), sample.lastModified(), sample.size()}}, false, parent);
    } else if (name == u"fill preview") {
        BudgetFill::Preview preview;
        preview.amounts = {{QString(), 0, QStringLiteral("2600"), QStringLiteral("2700")}};
        preview.rule = QStringLiteral("Last year's budget");
        dialog.window = std::make_unique<FillPreviewDialog>(QStringLiteral("Fill"), preview, parent);
    } else if (name == u"compare with last year") {
        auto comparison = std::make_unique<YearComparisonWindow>(parent);
        // The sample compared with itself: every row and the chart have figures.
        comparison->showComparison(YearComparison::of(document, &document), QDate(2026, 6, 30), QString());
        dialog.window = std::move(comparison);
    } else if (name == u"tags") {
        auto tags = std::make_unique<TagsWindow>(parent);
        BudgetDocument tagged;
        TagFixture::fillTaggedYear(tagged);
        tags->showTotals(TagTotals::of(DocumentSnapshot::take(tagged)));
        dialog.window = std::move(tags);
    } else if (name == u"common categories") {
        dialog.window = std::make_unique<CommonCategoriesDialog>(true, parent);
    } else if (name == u"keyboard shortcuts") {
        dialog.window = std::make_unique<ShortcutsDialog>(app.mainWindow(), parent);
    } else if (name == u"recurring transactions") {
        RecurringTransaction rent;
        rent.rule = *RecurrenceRule::of(QDate(2026, 1, 1), QStringLiteral("FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=1"),
                                        WeekendShift::None);
        rent.category = app.document().getCatArray().value(kFirstCategoryRow).desc;
        rent.description = QStringLiteral("Rent");
        rent.amount = QStringLiteral("800");
        (void)app.edits().recurring().add(rent, QLocale::c());
        dialog.window = std::make_unique<RecurringListWindow>(app.edits(), fixture.alerts, parent);
    } else if (name == u"recurring transaction editor") {
        RecurringTransaction rent;
        rent.rule = *RecurrenceRule::of(QDate(2026, 1, 31), QStringLiteral("FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=31"),
                                        WeekendShift::Before);
        dialog.window = std::make_unique<RecurringEditorDialog>(
            rent, QStringList{"Food", "Rent"}, [](const RecurringTransaction &) { return EditAnswer::changed(); },
            fixture.alerts, parent);
    } else if (name == u"due transactions") {
        dialog.window = std::make_unique<DueTransactionsDialog>(
            document,
            [] { return QList<DueLine>{{0, QDate(2026, 5, 10), QStringLiteral("City power"), QStringLiteral("Power"),
                                        QStringLiteral("80"), true}}; },
            [](const QList<HandledOccurrence> &) { return EditAnswer::changed(); }, fixture.alerts, parent);
    } else if (name == u"split editor") {
        // On a split: the Unsplit button is there too.
        dialog.window = std::make_unique<SplitEditorDialog>(
            SplitEditorDialog::Whole{QStringLiteral("3"), QStringLiteral("Market"), Decimal::fromText(u"84.20")},
            QList<SplitPart>{{"Food", "50", {}}, {"Rent", "34.20", QStringLiteral("soap")}}, QStringList{"Food", "Rent"},
            [](const QList<SplitPart> &) { return EditAnswer::changed(); }, [] { return EditAnswer::changed(); },
            fixture.alerts, parent);
    } else if (name == u"handbook") {
        dialog.window = std::make_unique<HandbookWindow>(parent, QStringLiteral("en"));
    }
}

const QStringList kDialogs{"preferences",         "about",         "envelope editor",    "category editor",
                           "progress",            "charts",        "import preview OFX", "import preview CSV",
                           "import rules",        "find",          "restore from backup", "fill preview",
                           "compare with last year", "tags", "common categories",   "keyboard shortcuts", "handbook",
                           "recurring transactions", "recurring transaction editor", "due transactions",
                           "split editor"};

} // namespace

class HelpTipsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyControlOfTheMainWindowSaysWhatItDoes_data()
    {
        QTest::addColumn<bool>("withBudget");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("envelope");
        QTest::newRow("welcome in an empty budget") << false << 0 << false;
        QTest::newRow("grid") << true << 0 << false;
        QTest::newRow("register") << true << 1 << false;
        QTest::newRow("register in envelope mode") << true << 1 << true;
    }

    void everyControlOfTheMainWindowSaysWhatItDoes()
    {
        QFETCH(bool, withBudget);
        QFETCH(int, tab);
        QFETCH(bool, envelope);
        FullWindow full;
        MyDataSource &app = full.start(withBudget, envelope);
        app.mainWindow().tabView()->setCurrentIndex(tab);
        QStringList faults = helpFaults(app.mainWindow());
        // The welcome's buttons are among the controls walked, or not there at all.
        if (!withBudget)
            QVERIFY(full.welcome->panel().isVisibleTo(&app.mainWindow()));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(";\n"))));
    }

    void everyControlOfEveryDialogSaysWhatItDoes_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : kDialogs)
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyControlOfEveryDialogSaysWhatItDoes()
    {
        QFETCH(QString, name);
        Dialog dialog;
        build(dialog, name);
        QVERIFY(dialog.window);
        dialog.window->show();
        QVERIFY2(!dialog.window->windowTitle().isEmpty(), "the window has no title");
        int walked = 0;
        const QStringList faults = helpFaults(*dialog.window, &walked);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(";\n"))));
        QVERIFY(walked > 0 || name == u"progress"); // the progress window holds no control
    }

    void aControlWithoutHelpIsFound_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("fault");
        QTest::newRow("no tooltip") << "Save" << "" << "has no tooltip";
        QTest::newRow("no accessible name") << "" << "Save the file (Ctrl+Alt+S)" << "has no accessible name";
        QTest::newRow("a tooltip without the key") << "Save" << "Save the file" << "does not name its key";
        QTest::newRow("all there") << "Save" << "Save the file (Ctrl+Alt+S)" << "";
    }

    void aControlWithoutHelpIsFound()
    {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        QFETCH(QString, fault);
        QWidget window;
        auto *button = new QPushButton(&window);
        button->setAccessibleName(name);
        button->setToolTip(tip);
        button->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
        window.show();
        const QStringList faults = helpFaults(window);
        QCOMPARE(faults.size(), fault.isEmpty() ? 0 : 1);
        if (!fault.isEmpty())
            QVERIFY2(faults.first().contains(fault), qPrintable(faults.first()));
    }

    void everyMenuItemHasAStatusTipThatTheStatusBarShows_data()
    {
        QTest::addColumn<bool>("withRecentFiles");
        QTest::newRow("no recent files") << false;
        QTest::newRow("with recent files") << true;
    }

    void everyMenuItemHasAStatusTipThatTheStatusBarShows()
    {
        QFETCH(bool, withRecentFiles);
        FullWindow full;
        MyDataSource &app = full.start(true);
        if (!withRecentFiles)
            full.fixture.recents.clear();
        MainWindow &window = app.mainWindow();
        QStringList faults;
        int items = 0;
        for (QAction *menu : window.menuBar()->actions()) {
            if (menu->menu()) {
                collectMenuFaults(*menu->menu(), menu->text(), faults);
                items += int(menu->menu()->actions().size());
            }
        }
        QVERIFY2(items > 20, "the menus were not walked");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(";\n"))));

        // Hovering an item shows its tip where the user reads it.
        QStatusBar *bar = window.findChild<QStatusBar *>();
        QVERIFY2(bar && bar->isVisible(), "the main window has no status bar to show the tips");
        QAction *save = window.findChild<QAction *>(QStringLiteral("actionSave"));
        QVERIFY(save->showStatusText(&window));
        QCOMPARE(bar->currentMessage(), save->statusTip());
    }

    void everyPartPutsItsMenuItemsInTheirPlace_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("File") << "menuFile"
                              << QStringList{"actionNew", "actionNewYear", "actionOpen", "menuOpenRecent",
                                             "actionLastYearsBudget", "-", "actionSave", "actionSaveAs",
                                             "actionRestoreBackup", "-", "actionImportTransactions", "menuExport",
                                             "actionExportPdf", "actionPrint", "-", "actionQuit"};
        QTest::newRow("Edit") << "menuEdit"
                              << QStringList{"actionUndo", "actionRedo", "-", "actionNewCategory",
                                             "actionDeleteCategory", "actionFindTransactions", "actionRecurringTransactions",
                                             "actionMakeRecurring", "actionSplit", "-", "actionPreferences"};
        QTest::newRow("Window") << "menuWindow"
                                << QStringList{"actionCharts", "actionCompareWithLastYear", "actionTags"};
        QTest::newRow("Help") << "menuHelp"
                              << QStringList{"actionHandbook", "actionKeyboardShortcuts", "-", "actionOpenSample", "-",
                                             "actionAbout"};
        QTest::newRow("menu bar") << "menuBar" << QStringList{"menuFile", "menuEdit", "menuFill", "menuWindow", "menuHelp"};
    }

    void everyPartPutsItsMenuItemsInTheirPlace()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        FullWindow full;
        MyDataSource &app = full.start(true);
        QWidget *holder = app.mainWindow().findChild<QWidget *>(menu);
        QVERIFY(holder);
        QStringList names;
        for (const QAction *action : holder->actions())
            names << (action->isSeparator() ? u"-"_qs : action->menu() ? action->menu()->objectName() : action->objectName());
        QCOMPARE(names, items);
    }

    void theShortcutListHoldsEveryShortcutOfTheWindowOnce()
    {
        FullWindow full;
        MyDataSource &app = full.start(true);
        MainWindow &window = app.mainWindow();
        // One added after the list was first shown appears too: it is read anew.
        auto *late = new QAction(QStringLiteral("Late Command"), &window);
        late->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_L));
        window.addAction(late);

        QStringList listed;
        full.fixture.loop.answer([&listed](QWidget *shown) {
            auto *table = shown->findChild<QTableWidget *>();
            for (int row = 0; row < table->rowCount(); ++row)
                listed << table->item(row, 0)->text() + u'=' + table->item(row, 1)->text();
        });
        full.help->shortcutsAction()->trigger();
        QCOMPARE(full.fixture.loop.titles(), QStringList{QStringLiteral("Keyboard Shortcuts")});

        QHash<QString, QString> owners; // a key and the command it belongs to
        QStringList clashes;
        for (QAction *action : window.findChildren<QAction *>()) {
            for (const QKeySequence &key : action->shortcuts()) {
                const QString text = keyText(key);
                const bool found = std::any_of(listed.cbegin(), listed.cend(), [&](const QString &line) {
                    return line.section(u'=', 0, -2).endsWith(QString(action->text()).remove(u'&').remove(u'…'))
                        && line.section(u'=', -1).split(QStringLiteral(", ")).contains(text);
                });
                QVERIFY2(found, qPrintable(action->text() + QStringLiteral(" with ") + text + QStringLiteral(" is not listed")));
                if (owners.contains(text) && owners[text] != action->objectName())
                    clashes << QStringLiteral("%1: %2 and %3").arg(text, owners[text], action->objectName());
                owners.insert(text, action->objectName());
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
        for (const char *command : {"File → Save", "Help → Orrinwick Handbook", "Edit → Undo", "Late Command"}) {
            QVERIFY2(std::any_of(listed.cbegin(), listed.cend(),
                                 [command](const QString &line) { return line.startsWith(QString::fromUtf8(command)); }),
                     command);
        }
        // The register's month buttons: keys that are more than an underlined letter.
        QVERIFY2(std::any_of(listed.cbegin(), listed.cend(),
                             [](const QString &line) { return line.endsWith(keyText(QKeySequence::Forward)); }),
                 qPrintable(listed.join(u'\n')));
    }
};

QTEST_MAIN(HelpTipsTest)
#include "tst_helptips.moc"
