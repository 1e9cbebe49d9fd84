#include "AppFixture.h"

#include "app/BudgetGridModel.h"
#include "dialogs/voPrefWindowCtrl.h"
#include "dialogs/voProgressWinController.h"
#include "document/BudgetDocument.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QMenu>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kVersion = QStringLiteral(ORRINWICK_VERSION);
const QString kPanelMessage = QStringLiteral("save: Enter File / Path for new File");

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void firstStartShowsAboutOnceAndTheFixedRows()
    {
        AppFixture first;
        MyDataSource &app = first.start();
        QCOMPARE(first.loop.titles(), QStringList{QStringLiteral("About Orrinwick")});
        QCOMPARE(first.settings->currentVersion(), kVersion);
        QCOMPARE(app.mainWindow().windowTitle(), QString());
        QCOMPARE(first.rowNames(), (QStringList{"Budget", "Remain", "-----"}));
        QCOMPARE(app.mainWindow().tabView()->currentIndex(), 0);
        QVERIFY(first.alerts.shown().isEmpty());

        // Same store, same version: no About.
        AppFixture second;
        second.settings->setValue(Settings::kCurrentVersion, first.settings->currentVersion());
        second.start();
        QVERIFY(second.loop.titles().isEmpty());
    }

    void startupLoadsTheRememberedFile()
    {
        AppFixture fixture;
        const QString path = fixture.sampleCopy();
        fixture.knownVersion().settings->setValue(Settings::kDataFile, path);
        fixture.app = nullptr;
        auto app = std::make_unique<MyDataSource>(MyDataSource::Services{*fixture.settings, fixture.alerts,
                                                                         fixture.panels, fixture.calendar,
                                                                         fixture.recents});
        QSignalSpy finished(app.get(), &MyDataSource::startupFinished);
        app->awakeFromNib();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(app->mainWindow().windowTitle(), path);
        QVERIFY(app->document().getCatArray().size() > 3);
        QCOMPARE(app->gridModel().rowCount(), app->document().getCatArray().size());
        QCOMPARE(fixture.recents.paths(), QStringList{path});
    }

    void startupWithAFileThatIsGoneEndsWithTheFixedRowsAndKeepsItsName()
    {
        AppFixture fixture;
        const QString gone = fixture.folder.filePath("gone.txt");
        fixture.knownVersion().settings->setValue(Settings::kDataFile, gone);
        MyDataSource &app = fixture.start();
        QTRY_COMPARE(fixture.alerts.titles(), QStringList{QStringLiteral("File Not Found")});
        QCOMPARE(fixture.rowNames().size(), 3);
        QCOMPARE(app.dataFileName(), QString());
        QCOMPARE(fixture.settings->dataFile(), gone);
        QCOMPARE(app.mainWindow().windowTitle(), QString());
    }

    void quitSavesAndEnds_data()
    {
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<bool>("registerShown");
        QTest::addColumn<QString>("saveAsAnswer"); // "" cancels
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("written");
        QTest::newRow("open file") << true << false << "" << true << true;
        QTest::newRow("register tab shown") << true << true << "" << true << true;
        QTest::newRow("no file, Save As cancelled") << false << false << "" << true << false;
        QTest::newRow("no file, Save As chosen") << false << false << "chosen.txt" << true << true;
        QTest::newRow("open file, nothing changed: left alone") << true << false << "" << false << false;
        QTest::newRow("no file, nothing changed: no Save As") << false << false << "" << false << false;
    }

    void quitSavesAndEnds()
    {
        QFETCH(bool, hasFile);
        QFETCH(bool, registerShown);
        QFETCH(QString, saveAsAnswer);
        QFETCH(bool, changed);
        QFETCH(bool, written);
        AppFixture fixture;
        const QString path = hasFile ? fixture.sampleCopy() : fixture.folder.filePath(saveAsAnswer);
        if (hasFile)
            fixture.settings->setValue(Settings::kDataFile, path);
        MyDataSource &app = fixture.knownVersion().start();
        const QByteArray before = AppFixture::contents(path);
        if (changed)
            QVERIFY(fixture.typeBudget(QStringLiteral("4321")));
        if (registerShown) {
            app.mainWindow().tabView()->setCurrentIndex(1);
            QCOMPARE(app.selectedTabIndex(), 1);
        }
        if (!hasFile && !saveAsAnswer.isEmpty())
            fixture.panels.answer({path});
        app.menuQuit();
        QCOMPARE(fixture.terminated->size(), 1);
        QCOMPARE(app.selectedTabIndex(), 0);
        QCOMPARE(fixture.panels.shown(), hasFile || !changed ? QStringList() : QStringList{kPanelMessage});
        QCOMPARE(AppFixture::contents(path).contains("4321"), written);
        if (!changed)
            QCOMPARE(AppFixture::contents(path), before);
    }

    void quitThatCannotWriteKeepsTheDocumentOpen()
    {
        AppFixture fixture;
        const QString path = fixture.sampleCopy();
        fixture.settings->setValue(Settings::kDataFile, path);
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(fixture.typeBudget(QStringLiteral("4321")));
        const qsizetype rows = app.document().getCatArray().size();
        // A folder where the file was cannot be written as a file, whoever runs this.
        QFile::remove(path);
        QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("household.txt")));
        app.menuQuit();
        QCOMPARE(fixture.alerts.titles(), QStringList{QStringLiteral("WARNING")});
        QCOMPARE(fixture.terminated->size(), 0);
        QCOMPARE(app.document().getCatArray().size(), rows);
        QCOMPARE(app.dataFileName(), path);
    }

    void closingTheWindowRunsQuit()
    {
        AppFixture fixture;
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(fixture.typeBudget(QStringLiteral("4321")));
        app.mainWindow().close();
        QCOMPARE(fixture.panels.shown(), QStringList{kPanelMessage});
        QCOMPARE(fixture.terminated->size(), 1);
    }

    void saveAsNamesAndWritesTheNewFile()
    {
        AppFixture fixture;
        MyDataSource &app = fixture.knownVersion().start();
        const QString path = fixture.folder.filePath("new.txt");
        fixture.panels.answer({QStringLiteral("file://localhost") + path});
        app.menuSaveAs();
        QCOMPARE(app.dataFileName(), path);
        QCOMPARE(fixture.settings->dataFile(), path);
        QCOMPARE(app.mainWindow().windowTitle(), path);
        QVERIFY(AppFixture::contents(path).startsWith("; "));
    }

    void aSaveAsThatCannotWriteKeepsTheFile_data()
    {
        QTest::addColumn<bool>("hasFile");
        QTest::newRow("Save As of an open file") << true;
        QTest::newRow("Quit without a file") << false;
    }

    void aSaveAsThatCannotWriteKeepsTheFile()
    {
        QFETCH(bool, hasFile);
        AppFixture fixture;
        const QString path = hasFile ? fixture.sampleCopy() : QString();
        fixture.settings->setValue(Settings::kDataFile, path);
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(fixture.typeBudget(QStringLiteral("4321")));
        // Below a file nothing can be written, whoever runs this.
        const QString blocker = fixture.sampleCopy(QStringLiteral("blocker.txt"));
        fixture.panels.answer({blocker + QStringLiteral("/copy.txt")});
        if (hasFile)
            app.menuSaveAs();
        else
            app.menuQuit();
        QCOMPARE(fixture.alerts.titles(), QStringList{QStringLiteral("WARNING")});
        QCOMPARE(app.dataFileName(), path);
        QCOMPARE(fixture.settings->dataFile(), path);
        QCOMPARE(app.mainWindow().windowTitle(), path);
        QCOMPARE(fixture.terminated->size(), 0);

        // Quit then writes where the document came from, or where it is told.
        const QString saved = hasFile ? path : fixture.folder.filePath(QStringLiteral("chosen.txt"));
        fixture.panels.answer({saved});
        app.menuQuit();
        QCOMPARE(fixture.terminated->size(), 1);
        QCOMPARE(fixture.alerts.shown().size(), 1);
        QVERIFY(AppFixture::contents(saved).contains("4321"));
    }

    void onlyAnUpdatedDocumentIsCommittedAndOnce_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("runs"); // of the client, in order
        const QStringList updateAndCommit{"update", "ci"};
        QTest::newRow("Quit after the update and a change") << "wait, change, Quit" << updateAndCommit;
        QTest::newRow("Quit after the update, nothing changed") << "wait, Quit" << QStringList{"update"};
        QTest::newRow("Quit twice while the update runs") << "Quit, Quit, wait" << QStringList{"update"};
        QTest::newRow("New, then Quit") << "wait, change, New, Quit" << updateAndCommit;
    }

    void onlyAnUpdatedDocumentIsCommittedAndOnce()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, runs);
        AppFixture fixture;
        const QString path = fixture.sampleCopy();
        const QString log = fixture.folder.filePath(QStringLiteral("svn.log"));
        const QString client = fixture.folder.filePath(QStringLiteral("svn"));
        QFile script(client);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(log).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
        fixture.settings->setValue(Settings::kDataFile, path);
        fixture.settings->setValue(Settings::kSyncData, true);
        fixture.svnClient = client;
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(app.sync().updateInFlight());

        for (const QString &step : steps.split(QStringLiteral(", "))) {
            if (step == u"wait") {
                QVERIFY(QTest::qWaitFor([&app] { return !app.sync().updateInFlight(); }));
            } else if (step == u"change") {
                QVERIFY(fixture.typeBudget(QStringLiteral("4321")));
            } else if (step == u"New") {
                fixture.panels.answer({fixture.folder.filePath(QStringLiteral("fresh.txt"))});
                app.menuNewFile();
            } else {
                app.menuQuit();
            }
        }
        // The file the update brought is committed as it is left, once, and
        // only when it changed; a new one never is.
        QCOMPARE(QString::fromUtf8(AppFixture::contents(log)).split(u'\n', Qt::SkipEmptyParts), runs);
        QCOMPARE(fixture.terminated->size(), 1);
        QCOMPARE(fixture.alerts.titles(), QStringList());
    }

    void theStartUpUpdateKeepsItsProgressWindowAndShowsTheFileItLoaded()
    {
        AppFixture fixture;
        const QString path = fixture.sampleCopy();
        fixture.settings->setValue(Settings::kDataFile, path);
        fixture.settings->setValue(Settings::kSyncData, true);
        fixture.svnClient = QStringLiteral("/bin/true");
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(app.sync().updateInFlight());
        auto *progress = app.mainWindow().findChild<voProgressWinController *>();
        QVERIFY(progress && progress->isVisible());
        QTest::keyClick(progress, Qt::Key_Escape);
        progress->close();
        QVERIFY(progress->isVisible());

        // The register shown meanwhile holds a month of the empty document.
        app.mainWindow().tabView()->setCurrentIndex(1);
        QCOMPARE(app.checkView().tableData().numberOfRowsInTableView(), 0);
        QVERIFY(QTest::qWaitFor([&app] { return !app.sync().updateInFlight(); }));
        QCOMPARE(app.checkView().tableData().numberOfRowsInTableView(), 20); // March of the file
        app.mainWindow().tabView()->setCurrentIndex(0);
        app.menuSave();
        QCOMPARE(AppFixture::contents(path), AppFixture::contents(fixture.sampleCopy(QStringLiteral("again.txt"))));
    }

    void newSavesTheOldFileAndStartsEmpty()
    {
        AppFixture fixture;
        const QString oldPath = fixture.sampleCopy();
        fixture.settings->setValue(Settings::kDataFile, oldPath);
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(fixture.typeBudget(QStringLiteral("4321")));
        const QString newPath = fixture.folder.filePath("fresh.txt");
        fixture.panels.answer({newPath});
        app.menuNewFile();
        QVERIFY(AppFixture::contents(oldPath).contains("4321"));
        QCOMPARE(fixture.rowNames().size(), 3);
        QCOMPARE(app.gridModel().rowCount(), 3);
        QCOMPARE(app.dataFileName(), newPath);
        QVERIFY(QFile::exists(newPath));
        QVERIFY(!AppFixture::contents(newPath).contains("4321"));
    }

    void newThatCannotSaveTheOldFileKeepsIt()
    {
        AppFixture fixture;
        const QString oldPath = fixture.sampleCopy();
        fixture.settings->setValue(Settings::kDataFile, oldPath);
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(fixture.typeBudget(QStringLiteral("4321")));
        const qsizetype rows = app.document().getCatArray().size();
        QFile::remove(oldPath);
        QDir(fixture.folder.path()).mkdir(QStringLiteral("household.txt")); // a folder cannot be written as a file
        fixture.panels.answer({fixture.folder.filePath("fresh.txt")});
        app.menuNewFile();
        QCOMPARE(fixture.alerts.titles(), QStringList{QStringLiteral("WARNING")});
        QCOMPARE(app.document().getCatArray().size(), rows);
        QCOMPARE(app.dataFileName(), oldPath);
        QCOMPARE(fixture.settings->dataFile(), oldPath);
        QVERIFY(!QFile::exists(fixture.folder.filePath("fresh.txt")));
    }

    void openCancelledChangesNothing()
    {
        AppFixture fixture;
        const QString path = fixture.sampleCopy();
        fixture.settings->setValue(Settings::kDataFile, path);
        MyDataSource &app = fixture.knownVersion().start();
        const QByteArray before = AppFixture::contents(path);
        QVERIFY(fixture.typeBudget(QStringLiteral("4321")));
        app.menuOpenFile();
        QCOMPARE(fixture.panels.shown(), QStringList{QStringLiteral("open")});
        QCOMPARE(AppFixture::contents(path), before);
        QCOMPARE(app.dataFileName(), path);
    }

    void openOfAMissingFileSavesFirstThenEmpties()
    {
        AppFixture fixture;
        const QString path = fixture.sampleCopy();
        fixture.settings->setValue(Settings::kDataFile, path);
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(fixture.typeBudget(QStringLiteral("4321")));
        fixture.panels.answer({fixture.folder.filePath("missing.txt")});
        app.menuOpenFile();
        QVERIFY(AppFixture::contents(path).contains("4321"));
        QTRY_COMPARE(fixture.alerts.titles(), QStringList{QStringLiteral("File Not Found")});
        QCOMPARE(fixture.rowNames().size(), 3);
        QCOMPARE(app.dataFileName(), QString());
        QCOMPARE(app.mainWindow().windowTitle(), QString());
    }

    void openRequests()
    {
        AppFixture fixture;
        const QString first = fixture.sampleCopy();
        const QString second = fixture.sampleCopy(QStringLiteral("second.txt"));
        fixture.settings->setValue(Settings::kDataFile, first);
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(fixture.typeBudget(QStringLiteral("4321")));

        // The file already open: nothing happens, and it is answered as handled.
        QVERIFY(app.openFile(first));
        QVERIFY(!AppFixture::contents(first).contains("4321"));

        app.mainWindow().tabView()->setCurrentIndex(1);
        QVERIFY(app.openFile(second));
        QCOMPARE(app.selectedTabIndex(), 0);
        QVERIFY(AppFixture::contents(first).contains("4321"));
        QCOMPARE(app.dataFileName(), second);
        QCOMPARE(app.mainWindow().windowTitle(), second);
        QCOMPARE(fixture.recents.paths().first(), second);
    }

    void openRecentListsTheFilesAndOpensOne()
    {
        AppFixture fixture;
        const QString first = fixture.sampleCopy();
        const QString second = fixture.sampleCopy(QStringLiteral("second.txt"));
        fixture.settings->setValue(Settings::kDataFile, first);
        MyDataSource &app = fixture.knownVersion().start();
        QVERIFY(app.openFile(second));
        QMenu *menu = app.mainWindow().menu(MainMenuName::OpenRecent);
        emit menu->aboutToShow();
        QStringList items;
        QAction *firstItem = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->statusTip() == first)
                firstItem = action;
            if (!action->isSeparator())
                items << action->text();
        }
        QCOMPARE(items, (QStringList{"second.txt", "household.txt", "Clear Menu"}));
        QVERIFY(firstItem);
        firstItem->trigger();
        QCOMPARE(app.dataFileName(), first);
    }

    void menuEnabling_data()
    {
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("openNewSaveAs");
        QTest::addColumn<bool>("save");
        QTest::newRow("no file") << false << false << true << false;
        QTest::newRow("a file") << true << false << true << true;
        QTest::newRow("after a failed update") << true << true << false << false;
        // The update fails and the file opened is missing: locked with no file to name.
        QTest::newRow("no file after a failed update") << false << true << false << false;
    }

    void menuEnabling()
    {
        QFETCH(bool, hasFile);
        QFETCH(bool, locked);
        QFETCH(bool, openNewSaveAs);
        QFETCH(bool, save);
        AppFixture fixture;
        const QString path = fixture.sampleCopy();
        if (hasFile)
            fixture.settings->setValue(Settings::kDataFile, path);
        MyDataSource &app = fixture.knownVersion().start();
        if (locked) {
            fixture.settings->setValue(Settings::kSyncData, true);
            app.sync().setSvnClient(QStringLiteral("/bin/false"));
            const QString other = hasFile ? fixture.sampleCopy(QStringLiteral("other.txt"))
                                          : fixture.folder.filePath(QStringLiteral("missing.txt"));
            QVERIFY(app.openFile(other));
            QVERIFY(!fixture.alerts.titles().isEmpty());
            QCOMPARE(app.dataFileName(), hasFile ? other : QString());
        }
        // As the user finds them: enabled or not when the File menu opens.
        QMenu *fileMenu = app.mainWindow().menu(MainMenuName::File);
        emit fileMenu->aboutToShow();
        for (MenuCommand command : {MenuCommand::Open, MenuCommand::OpenRecent, MenuCommand::New, MenuCommand::SaveAs}) {
            QCOMPARE(app.validateMenuItem(command), openNewSaveAs);
            QCOMPARE(app.mainWindow().action(command)->isEnabled(), openNewSaveAs);
        }
        for (MenuCommand command : {MenuCommand::Save, MenuCommand::RestoreBackup}) {
            QCOMPARE(app.validateMenuItem(command), save);
            QCOMPARE(app.mainWindow().action(command)->isEnabled(), save);
        }
        QVERIFY(app.validateMenuItem(MenuCommand::Quit));
        if (locked) {
            // Quit cannot save any more, warns once and ends all the same,
            // without asking for a name no save could use.
            fixture.alerts.clear();
            app.menuQuit();
            QCOMPARE(fixture.panels.shown(), QStringList());
            QCOMPARE(fixture.alerts.shown().size(), 1);
            QCOMPARE(fixture.alerts.shown().first().message,
                     QStringLiteral("File operations not allowed due to SVN sync failure!\n"));
            QCOMPARE(fixture.terminated->size(), 1);
        }
    }

    void saveWithoutAFileDoesNothing()
    {
        AppFixture fixture;
        MyDataSource &app = fixture.knownVersion().start();
        app.menuSave();
        QVERIFY(fixture.alerts.shown().isEmpty());
        QVERIFY(fixture.panels.shown().isEmpty());
        QCOMPARE(QDir(fixture.folder.path()).entryList(QDir::Files), QStringList());
    }

    void theGridFollowsTheModeOnceThePreferencesClose()
    {
        AppFixture fixture;
        const QString path = fixture.sampleCopy();
        fixture.settings->setValue(Settings::kDataFile, path);
        MyDataSource &app = fixture.knownVersion().start();
        const QString standardBudget = app.document().getCatArray()[kBudgetRowIndex].months[0];
        bool modeWhileOpen = true;
        fixture.loop.answer([&](QWidget *window) {
            window->findChild<QRadioButton *>(QStringLiteral("envelopeRadio"))->click();
            modeWhileOpen = app.envelopeView();
        });
        app.openPrefsPanel();
        QCOMPARE(fixture.loop.titles(), QStringList{QStringLiteral("Preferences")});
        QVERIFY(!modeWhileOpen);
        QVERIFY(app.envelopeView());
        QVERIFY(fixture.settings->envelopeView());
        QVERIFY(app.checkView().fillEnvelopeButton()->isEnabled());
        QCOMPARE(app.document().getCatArray()[kBudgetRowIndex].months[0], app.document().calculateBudgetForColumnId(0));
        QVERIFY(app.document().getCatArray()[kBudgetRowIndex].months[0] != standardBudget);
    }

    void aboutCommandShowsTheVersion()
    {
        AppFixture fixture;
        MyDataSource &app = fixture.knownVersion().start();
        QString message;
        fixture.loop.answer([&message](QWidget *window) {
            message = window->findChild<QLabel *>(QStringLiteral("_message"))->text();
        });
        app.openAboutPanel();
        QCOMPARE(message, QStringLiteral("Orrinwick %1\n\nEmail: support@orrinwick.example").arg(kVersion));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
