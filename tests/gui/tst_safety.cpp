#include "AnotherProgram.h"
#include "AppFixture.h"

#include "app/BudgetGridModel.h"
#include "app/UndoHistory.h"
#include "document/DocumentSnapshot.h"
#include "safety/DocumentSafety.h"
#include "safety/OpenFileLock.h"
#include "safety/RestoreBackupDialog.h"
#include "safety/SafetyPlaces.h"
#include "safety/SnapshotFile.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QFileInfo>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

constexpr int kJanColumn = 1;

/// The controller started on a copy of the sample budget.
struct SafeApp
{
    AppFixture fixture;
    QString path;
    MyDataSource *app = nullptr;

    SafeApp()
    {
        path = fixture.sampleCopy();
        fixture.settings->setValue(Settings::kDataFile, path);
        fixture.knownVersion();
    }

    MyDataSource &start() { return *(app = &fixture.start()); }

    [[nodiscard]] QString recoveryFile() const { return app->safety().places().recoveryFile(path); }
    [[nodiscard]] DocumentSnapshot document() const { return DocumentSnapshot::take(app->document()); }

    bool setBudget(const QString &value) const
    {
        return app->gridModel().setData(app->gridModel().index(kBudgetRowIndex, kJanColumn), value, Qt::EditRole);
    }
};

DocumentSnapshot readSnapshot(const QString &path)
{
    return SnapshotFile::read(AppFixture::contents(path)).value_or(DocumentSnapshot());
}

/// Save n (1 to 30) of ten a day from 9 o'clock on, over 14 to 16 March.
QDateTime saveTime(int n)
{
    return QDateTime(QDate(2026, 3, 14 + (n - 1) / 10), QTime(9 + (n - 1) % 10, 0));
}

/// Saves the program 30 times over three days, each time with a new budget.
void saveThirtyTimes(SafeApp &program)
{
    for (int n = 1; n <= 30; ++n) {
        program.fixture.calendar.setNow(saveTime(n));
        QVERIFY(program.setBudget(QString::number(1000 + n)));
        program.app->menuSave();
    }
}

} // namespace

class TestSafety : public QObject
{
    Q_OBJECT

private slots:
    void recoveryFileFollowsChangesAndGoesWithASave()
    {
        SafeApp program;
        program.start();
        QVERIFY(program.setBudget(QStringLiteral("1234")));
        QVERIFY(!QFileInfo::exists(program.recoveryFile()));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(program.recoveryFile()), 10000);
        QCOMPARE(readSnapshot(program.recoveryFile()).budgetTotals, program.document().budgetTotals);
        program.app->menuSave();
        QTRY_VERIFY(!QFileInfo::exists(program.recoveryFile()));
        // Nothing but the file and its lock lies beside it: a folder-wide commit takes nothing more.
        QCOMPARE(QDir(program.fixture.folder.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral(".household.txt.lock"), QStringLiteral("household.txt")}));
    }

    void theLockFollowsTheOpenFile()
    {
        SafeApp program;
        program.start();
        const QString other = program.fixture.sampleCopy(QStringLiteral("other.txt"));
        QVERIFY(QFileInfo::exists(OpenFileLock::lockPath(program.path)));
        program.app->openFile(other);
        QVERIFY(!QFileInfo::exists(OpenFileLock::lockPath(program.path)));
        QVERIFY(QFileInfo::exists(OpenFileLock::lockPath(other)));
        program.fixture.panels.answer({program.fixture.folder.filePath(QStringLiteral("new.txt"))});
        program.app->menuNewFile();
        QVERIFY(!QFileInfo::exists(OpenFileLock::lockPath(other)));
        QVERIFY(QFileInfo::exists(OpenFileLock::lockPath(program.fixture.folder.filePath(QStringLiteral("new.txt")))));
        program.app->menuQuit();
        QCOMPARE(program.fixture.terminated->size(), 1);
        QCOMPARE(QDir(program.fixture.folder.path()).entryList({QStringLiteral(".*.lock")}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    void recoveryIsOfferedAtTheNextStart_data()
    {
        QTest::addColumn<Alerts::Button>("answer");
        QTest::addColumn<bool>("recovered");
        QTest::addColumn<bool>("fileNewer"); // saved since by another program: kept, not offered
        QTest::newRow("Recover") << Alerts::Button::Action << true << false;
        QTest::newRow("Discard") << Alerts::Button::OtherAction << false << false;
        QTest::newRow("older than the file") << Alerts::Button::Action << false << true;
    }

    void recoveryIsOfferedAtTheNextStart()
    {
        QFETCH(Alerts::Button, answer);
        QFETCH(bool, recovered);
        QFETCH(bool, fileNewer);
        SafeApp program;
        program.start();
        const DocumentSnapshot onDisk = program.document();
        QVERIFY(program.setBudget(QStringLiteral("1234")));
        const DocumentSnapshot edited = program.document();
        program.app->safety().closing(); // as a crash would leave it: written, never saved
        QVERIFY(QFileInfo::exists(program.recoveryFile()));
        program.fixture.app.reset();
        if (fileNewer) {
            QFile file(program.path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        }

        program.fixture.alerts.clear();
        program.fixture.alerts.answer({answer});
        program.start();
        if (fileNewer) {
            QCOMPARE(program.fixture.alerts.titles(), QStringList());
        } else {
            QCOMPARE(program.fixture.alerts.titles(), QStringList{QStringLiteral("Recover Unsaved Changes")});
            QVERIFY(program.fixture.alerts.shown().first().message.contains(program.path));
        }
        QCOMPARE(program.document().budgetTotals, (recovered ? edited : onDisk).budgetTotals);
        QCOMPARE(readSnapshot(program.path).budgetTotals, onDisk.budgetTotals);
        if (recovered) {
            program.app->undoHistory().undoAction()->trigger();
            QCOMPARE(program.document().budgetTotals, onDisk.budgetTotals);
        } else {
            QVERIFY(!QFileInfo::exists(program.recoveryFile()));
            const QList<BackupStore::Version> kept = program.app->safety().backups(program.path).versions();
            QCOMPARE(kept.size(), 1);
            QVERIFY(kept.first().recovered);
            QCOMPARE(readSnapshot(kept.first().path).budgetTotals, edited.budgetTotals);
        }
    }

    void backupsKeepWhatTheLimitsSay_data()
    {
        QTest::addColumn<int>("versions");
        QTest::addColumn<int>("days");
        QTest::addColumn<QList<int>>("kept"); // the saves whose backups stay, newest first
        QList<int> newest20;
        for (int n = 30; n >= 11; --n)
            newest20 << n;
        QTest::newRow("defaults: the newest 20, and the last of the first day") << 20 << 60 << (newest20 << 10);
        QTest::newRow("5 versions: and the last of each earlier day") << 5 << 60 << QList<int>{30, 29, 28, 27, 26, 20, 10};
        QTest::newRow("5 versions, 2 days: the first day is too old") << 5 << 2 << QList<int>{30, 29, 28, 27, 26, 20};
        QTest::newRow("1 version, no days") << 1 << 0 << QList<int>{30};
        QList<int> all;
        for (int n = 30; n >= 1; --n)
            all << n;
        QTest::newRow("limits above the count keep all") << 40 << 60 << all;
    }

    void backupsKeepWhatTheLimitsSay()
    {
        QFETCH(int, versions);
        QFETCH(int, days);
        QFETCH(QList<int>, kept);
        SafeApp program;
        program.fixture.settings->setValue(Settings::kBackupVersions, versions);
        program.fixture.settings->setValue(Settings::kBackupDays, days);
        program.start();
        saveThirtyTimes(program);
        QList<QDateTime> expected;
        for (int n : kept)
            expected << saveTime(n);
        QList<QDateTime> times;
        for (const BackupStore::Version &version : program.app->safety().backups(program.path).versions())
            times << version.time;
        QCOMPARE(times, expected);
    }

    void restoringABackupGivesThatVersionOneUndoAway()
    {
        SafeApp program;
        program.start();
        saveThirtyTimes(program);
        const QList<BackupStore::Version> versions = program.app->safety().backups(program.path).versions();
        const DocumentSnapshot present = program.document();
        // The third newest: the file as save 28 found it, written by save 27.
        const DocumentSnapshot chosen = readSnapshot(versions[2].path);
        QCOMPARE(chosen.budgetTotals[0], QStringLiteral("1027"));

        QStringList listed;
        int previewRows = 0;
        program.fixture.loop.answer([&](QWidget *window) {
            auto *list = window->findChild<QTableView *>(QStringLiteral("_versions"));
            for (int column = 0; column < list->model()->columnCount(); ++column)
                listed << list->model()->index(2, column).data().toString();
            list->selectRow(2);
            previewRows = window->findChild<QTableView *>(QStringLiteral("_preview"))->model()->rowCount();
            qobject_cast<RestoreBackupDialog *>(window)->restoreButton()->click();
        });
        program.app->mainWindow().findChild<QAction *>(QStringLiteral("actionRestoreBackup"))->trigger();
        QCOMPARE(program.fixture.loop.titles(), QStringList{QStringLiteral("Restore from Backup")});
        QCOMPARE(listed.mid(1, 1), QStringList{QStringLiteral("16:00:00")});
        QCOMPARE(listed.mid(3), (QStringList{QString::number(chosen.catArray.size() - kFirstCategoryRow),
                                             QString::number(SnapshotFile::counts(chosen).entries)}));
        QCOMPARE(previewRows, chosen.catArray.size());
        QCOMPARE(program.document().budgetTotals, chosen.budgetTotals);
        QVERIFY(program.document().catData == chosen.catData);
        QCOMPARE(program.app->undoHistory().undoAction()->text(), QStringLiteral("Undo Restore from Backup"));
        program.app->undoHistory().undoAction()->trigger();
        QCOMPARE(program.document().budgetTotals, present.budgetTotals);
    }

    void aBackupThatCannotBeMadeStopsTheSave_data()
    {
        QTest::addColumn<bool>("fullDisk"); // else a folder stands where the file was
        QTest::addColumn<QString>("warning");
        QTest::newRow("the copy cannot be written") << true << "Data File %1 was not saved: its backup could not be written (";
        QTest::newRow("the file cannot be read")
            << false << "Data File %1 was not saved: it could not be read to keep its backup (%1 is a folder, not a file.).";
    }

    void aBackupThatCannotBeMadeStopsTheSave()
    {
        QFETCH(bool, fullDisk);
        QFETCH(QString, warning);
        SafeApp program;
        program.start();
        QVERIFY(program.setBudget(QStringLiteral("4321")));
        const QByteArray before = AppFixture::contents(program.path);
        if (fullDisk) {
            // A file-size limit below the file makes its copy fail with EFBIG, as on a full disk.
            const auto previous = std::signal(SIGXFSZ, SIG_IGN);
            rlimit saved{};
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
            rlimit small = saved;
            small.rlim_cur = rlim_t(before.size() / 2);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
            program.app->menuSave();
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previous);
        } else {
            // Unreadable whoever runs this; a file without read permission is read by root.
            QVERIFY(QFile::remove(program.path));
            QVERIFY(QDir().mkdir(program.path));
            program.app->menuSave();
        }

        QCOMPARE(program.fixture.alerts.titles(), QStringList{QStringLiteral("WARNING")});
        QVERIFY2(program.fixture.alerts.shown().first().message.startsWith(warning.arg(program.path)),
                 qPrintable(program.fixture.alerts.shown().first().message));
        if (fullDisk)
            QCOMPARE(AppFixture::contents(program.path), before);
        else
            QVERIFY(QFileInfo(program.path).isDir());
        QCOMPARE(program.app->safety().backups(program.path).versions().size(), 0);
    }

    void changesAreRecoveredUnderTheFileTheDocumentHolds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("client"); // the Subversion client, for the rows with sync on
        QTest::addColumn<QString>("held");   // the file the recovery belongs to: "" none, "other.txt"
        QTest::addColumn<bool>("quits");
        // After an update that loaded nothing the document is empty: recovered
        // as the file's, it would be loaded and saved over the file.
        QTest::newRow("start-up update failed") << "start-up" << "/bin/false" << "" << true;
        QTest::newRow("start-up update left a conflict") << "start-up conflict" << "/bin/true" << "" << true;
        QTest::newRow("Open's update left a conflict") << "Open conflict" << "/bin/true" << "" << true;
        QTest::newRow("Open's update failed, the file loaded") << "Open" << "/bin/false" << "other.txt" << true;
        QTest::newRow("New whose file cannot be written") << "New" << "" << "blocker.txt/new.txt" << false;
    }

    void changesAreRecoveredUnderTheFileTheDocumentHolds()
    {
        QFETCH(QString, how);
        QFETCH(QString, client);
        QFETCH(QString, held);
        QFETCH(bool, quits);
        SafeApp program;
        const QString other = program.fixture.sampleCopy(QStringLiteral("other.txt"));
        (void)program.fixture.sampleCopy(QStringLiteral("blocker.txt"));
        const QString conflicted = how.startsWith(u"Open") ? other : program.path;
        if (how.endsWith(u"conflict"))
            QVERIFY(QFile::copy(conflicted, conflicted + QStringLiteral(".mine")));
        const QByteArray before = AppFixture::contents(conflicted);
        if (how.startsWith(u"start-up")) {
            program.fixture.settings->setValue(Settings::kSyncData, true);
            program.fixture.svnClient = client;
        }
        program.start();
        QVERIFY(QTest::qWaitFor([&] { return !program.app->sync().updateInFlight(); }));
        if (how.startsWith(u"Open")) {
            program.fixture.settings->setValue(Settings::kSyncData, true);
            program.app->sync().setSvnClient(client);
            QVERIFY(program.app->openFile(other));
        } else if (how == u"New") {
            program.fixture.panels.answer({program.fixture.folder.filePath(QStringLiteral("blocker.txt/new.txt"))});
            program.app->menuNewFile();
        }
        QVERIFY(!program.fixture.alerts.titles().isEmpty());
        program.fixture.alerts.clear();

        QVERIFY(program.setBudget(QStringLiteral("1234")));
        program.app->menuQuit();
        QCOMPARE(program.fixture.terminated->size(), quits ? 1 : 0);
        if (!quits)
            program.app->safety().closing();
        // Written at once on the way out, under that file's key and no other.
        const QString heldPath = held.isEmpty() ? QString() : program.fixture.folder.filePath(held);
        QCOMPARE(QDir(program.app->safety().places().recoveryFolder).entryList(QDir::Files),
                 QStringList{SafetyPlaces::fileKey(heldPath)});
        QCOMPARE(AppFixture::contents(conflicted), before);
    }

    void writingOverAFileOpenElsewhereAsksFirst_data()
    {
        QTest::addColumn<bool>("isNew"); // else Save As
        QTest::addColumn<Alerts::Button>("answer");
        QTest::newRow("Save As, Cancel") << false << Alerts::Button::Cancel;
        QTest::newRow("Save As, Open Anyway") << false << Alerts::Button::Action;
        QTest::newRow("New, Cancel") << true << Alerts::Button::Cancel;
        QTest::newRow("New, Open Anyway") << true << Alerts::Button::Action;
    }

    void writingOverAFileOpenElsewhereAsksFirst()
    {
        QFETCH(bool, isNew);
        QFETCH(Alerts::Button, answer);
        const bool written = answer == Alerts::Button::Action;
        SafeApp program;
        program.start();
        const QString other = program.fixture.sampleCopy(QStringLiteral("other.txt"));
        const QByteArray before = AppFixture::contents(other);
        OpenFileLock elsewhere(other);
        QVERIFY(elsewhere.tryLock());
        QVERIFY(program.setBudget(QStringLiteral("1234")));
        program.fixture.alerts.answer({answer});
        program.fixture.panels.answer({other});
        if (isNew)
            program.app->menuNewFile();
        else
            program.app->menuSaveAs();
        QCOMPARE(program.fixture.alerts.titles(), QStringList{QStringLiteral("File in Use")});
        QVERIFY(program.fixture.alerts.shown().first().message.startsWith(
            QStringLiteral("%1 is open in Orrinwick on ").arg(other)));
        QCOMPARE(AppFixture::contents(other) != before, written);
        QCOMPARE(program.app->dataFileName(), written ? other : program.path);
        // New saves the file it leaves only once it goes on.
        QCOMPARE(AppFixture::contents(program.path).contains("1234"), isNew && written);
    }

    void changesMadeOnDiskAreNeverOverwrittenSilently_data()
    {
        QTest::addColumn<QString>("change");  // by another program: "rewrite" (January's budget 777) or "touch"
        QTest::addColumn<bool>("unsaved");    // January's budget typed as 1234 in the window, not saved
        QTest::addColumn<bool>("backupsOn");
        QTest::addColumn<QString>("trigger"); // "activate" (the window), "save" or "quit"
        QTest::addColumn<int>("answer");      // to "File Changed on Disk" (an Alerts::Button); -1: not asked
        QTest::addColumn<QString>("shown");   // January's budget in the window afterwards ("" the sample's)
        QTest::addColumn<QString>("inFile");  // and in the file
        QTest::addColumn<QStringList>("backups"); // January's budget in each backup, newest first
        QTest::addColumn<bool>("noted");      // the status bar says the file was reloaded
        const int reload = int(Alerts::Button::Action);
        const int keepMine = int(Alerts::Button::OtherAction);
        const QStringList none;
        QTest::newRow("nothing unsaved, window activated: reloaded quietly")
            << "rewrite" << false << true << "activate" << -1 << "777" << "777" << none << true;
        QTest::newRow("nothing unsaved, Save: reloaded, nothing written")
            << "rewrite" << false << true << "save" << -1 << "777" << "777" << none << true;
        QTest::newRow("nothing unsaved, Quit: the file is left alone")
            << "rewrite" << false << true << "quit" << -1 << "" << "777" << none << false;
        QTest::newRow("the same bytes with a newer time: no change")
            << "touch" << false << true << "activate" << -1 << "" << "" << none << false;
        QTest::newRow("unsaved, window activated, Reload: mine to the backups")
            << "rewrite" << true << true << "activate" << reload << "777" << "777" << QStringList{"1234"} << true;
        QTest::newRow("unsaved, window activated, Keep Mine: theirs to the backups, then saved")
            << "rewrite" << true << true << "activate" << keepMine << "1234" << "1234" << QStringList{"777"} << false;
        QTest::newRow("unsaved, Save, Keep Mine")
            << "rewrite" << true << true << "save" << keepMine << "1234" << "1234" << QStringList{"777"} << false;
        QTest::newRow("unsaved, Quit, Reload: quits with theirs, mine in the backups")
            << "rewrite" << true << true << "quit" << reload << "777" << "777" << QStringList{"1234"} << true;
        QTest::newRow("unsaved, Quit, Keep Mine")
            << "rewrite" << true << true << "quit" << keepMine << "1234" << "1234" << QStringList{"777"} << false;
        QTest::newRow("backups off, Keep Mine: theirs is kept all the same")
            << "rewrite" << true << false << "save" << keepMine << "1234" << "1234" << QStringList{"777"} << false;
        QTest::newRow("backups off, Reload: mine is kept all the same")
            << "rewrite" << true << false << "activate" << reload << "777" << "777" << QStringList{"1234"} << true;
    }

    void changesMadeOnDiskAreNeverOverwrittenSilently()
    {
        QFETCH(QString, change);
        QFETCH(bool, unsaved);
        QFETCH(bool, backupsOn);
        QFETCH(QString, trigger);
        QFETCH(int, answer);
        QFETCH(QString, shown);
        QFETCH(QString, inFile);
        QFETCH(QStringList, backups);
        QFETCH(bool, noted);
        SafeApp program;
        program.fixture.settings->setValue(Settings::kKeepBackups, backupsOn);
        program.start();
        const QString sample = program.document().budgetTotals[0];
        if (unsaved)
            QVERIFY(program.setBudget(QStringLiteral("1234")));
        QVERIFY(change == u"touch" ? AnotherProgram::touch(program.path)
                                   : AnotherProgram::setBudget(program.path, QStringLiteral("777")));
        if (answer >= 0)
            program.fixture.alerts.answer({Alerts::Button(answer)});

        if (trigger == u"activate") {
            QEvent activated(QEvent::WindowActivate);
            QCoreApplication::sendEvent(&program.app->mainWindow(), &activated);
            QCoreApplication::processEvents();
        } else if (trigger == u"save") {
            program.app->menuSave();
        } else {
            program.app->menuQuit();
            QCOMPARE(program.fixture.terminated->size(), 1);
        }

        QCOMPARE(program.fixture.alerts.titles(),
                 answer >= 0 ? QStringList{QStringLiteral("File Changed on Disk")} : QStringList());
        QCOMPARE(program.document().budgetTotals[0], shown.isEmpty() ? sample : shown);
        QCOMPARE(readSnapshot(program.path).budgetTotals[0], inFile.isEmpty() ? sample : inFile);
        QStringList kept;
        for (const BackupStore::Version &version : program.app->safety().backups(program.path).versions())
            kept << readSnapshot(version.path).budgetTotals[0];
        QCOMPARE(kept, backups);
        QCOMPARE(program.app->mainWindow().statusBar()->currentMessage().contains(u"has been reloaded"), noted);
        // Either way the window now holds what the file holds: nothing more is asked.
        program.fixture.alerts.clear();
        if (trigger != u"quit") {
            program.app->menuSave();
            QCOMPARE(program.fixture.alerts.titles(), QStringList());
        }
    }

    void preferencesWriteTheBackupSettingsAtOnce()
    {
        SafeApp program;
        program.start();
        QCOMPARE(program.fixture.settings->keepBackups(), true);
        program.fixture.loop.answer([](QWidget *window) {
            window->findChild<QSpinBox *>(QStringLiteral("_backupVersions"))->setValue(7);
            window->findChild<QSpinBox *>(QStringLiteral("_backupDays"))->setValue(3);
            auto *keep = window->findChild<QCheckBox *>(QStringLiteral("_keepBackups"));
            keep->click();
            QVERIFY(!window->findChild<QSpinBox *>(QStringLiteral("_backupDays"))->isEnabled());
        });
        program.app->openPrefsPanel();
        QCOMPARE(program.fixture.settings->backupVersions(), 7);
        QCOMPARE(program.fixture.settings->backupDays(), 3);
        QCOMPARE(program.fixture.settings->keepBackups(), false);
        QVERIFY(program.setBudget(QStringLiteral("555")));
        program.app->menuSave();
        QCOMPARE(program.app->safety().backups(program.path).versions().size(), 0);
    }
    void aRecoveryFileThatCannotBeWrittenIsToldOnceAndTriedAgain()
    {
        SafeApp program;
        program.start();
        QSignalSpy written(&program.app->safety(), &DocumentSafety::recoveryWritten);
        const auto *note = program.app->mainWindow().findChild<QLabel *>(QStringLiteral("_crashProtectionOff"));
        QVERIFY(note);
        QVERIFY(!note->isVisible());
        // A file where the recovery folder goes: no folder can be made there, as on a full or read-only disk.
        const QString folder = QFileInfo(program.recoveryFile()).absolutePath();
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
        QVERIFY(writeFileContents(folder, "in the way"));

        for (const QString &budget : {QStringLiteral("1001"), QStringLiteral("1002")}) {
            const qsizetype before = written.size();
            QVERIFY(program.setBudget(budget));
            QTRY_VERIFY_WITH_TIMEOUT(written.size() > before, 10000);
            QCOMPARE(written.last().at(1).toBool(), false);
        }
        QCOMPARE(program.fixture.alerts.titles(), QStringList{QStringLiteral("WARNING")});
        QVERIFY(program.fixture.alerts.shown().first().message.contains(program.recoveryFile()));
        QVERIFY(note->isVisible());
        QVERIFY(!program.app->safety().crashProtectionOn());

        QVERIFY(QFile::remove(folder));
        QVERIFY(program.setBudget(QStringLiteral("1003")));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(program.recoveryFile()), 10000);
        QTRY_VERIFY(!note->isVisible());
        QVERIFY(program.app->safety().crashProtectionOn());
        QCOMPARE(program.fixture.alerts.shown().size(), 1);
    }

    void aMissingFileKeepsItsNameAndOffersTryAgainOrAnother_data()
    {
        QTest::addColumn<Alerts::Button>("answer");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("Cancel: nothing loaded, the name kept for the next start") << Alerts::Button::Cancel << "";
        QTest::newRow("Try Again, once the share is there") << Alerts::Button::Action << "share/household.txt";
        QTest::newRow("Choose Another…") << Alerts::Button::OtherAction << "other.txt";
    }

    void aMissingFileKeepsItsNameAndOffersTryAgainOrAnother()
    {
        QFETCH(Alerts::Button, answer);
        QFETCH(QString, loaded);
        SafeApp program;
        const QString missing = program.fixture.folder.filePath(QStringLiteral("share/household.txt"));
        program.fixture.settings->setValue(Settings::kDataFile, missing);
        const QString other = program.fixture.sampleCopy(QStringLiteral("other.txt"));
        program.fixture.panels.answer({other});
        program.fixture.alerts.answer({answer});
        program.start();
        QCOMPARE(program.app->dataFileName(), QString());
        // The share comes up while the question is open.
        QVERIFY(QDir().mkpath(QFileInfo(missing).absolutePath()));
        QVERIFY(QFile::copy(program.path, missing));

        QTRY_COMPARE(program.fixture.alerts.titles(), QStringList{QStringLiteral("File Not Found")});
        const ScriptedAlerts::Shown &question = program.fixture.alerts.shown().first();
        QVERIFY(question.message.startsWith(missing + QStringLiteral(" is not there.")));
        QCOMPARE(ScriptedAlerts::buttonsOf(question),
                 (QList{Alerts::Button::Action, Alerts::Button::OtherAction, Alerts::Button::Cancel}));
        QTRY_COMPARE(program.app->dataFileName(),
                     loaded.isEmpty() ? QString() : program.fixture.folder.filePath(loaded));
        QCOMPARE(DocumentFixtures::categoryNames(program.app->document()).isEmpty(), loaded.isEmpty());
        QCOMPARE(program.fixture.settings->dataFile(), loaded.isEmpty() ? missing : program.app->dataFileName());
        QCOMPARE(program.fixture.alerts.shown().size(), 1);
    }

    void backupSettingsFromTheStoreKeepToThePreferencesRanges_data()
    {
        QTest::addColumn<QVariant>("versions");
        QTest::addColumn<QVariant>("days");
        QTest::addColumn<int>("readVersions");
        QTest::addColumn<int>("readDays");
        QTest::newRow("in range") << QVariant(7) << QVariant(3) << 7 << 3;
        QTest::newRow("too small") << QVariant(-5) << QVariant(-1) << 1 << 0;
        QTest::newRow("too large") << QVariant(1000000) << QVariant(99999) << 9999 << 3650;
        QTest::newRow("no number: the default") << QVariant(QStringLiteral("many")) << QVariant(QStringLiteral(""))
                                                << 20 << 60;
    }

    void backupSettingsFromTheStoreKeepToThePreferencesRanges()
    {
        QFETCH(QVariant, versions);
        QFETCH(QVariant, days);
        QFETCH(int, readVersions);
        QFETCH(int, readDays);
        SafeApp program;
        program.fixture.settings->setValue(Settings::kBackupVersions, versions);
        program.fixture.settings->setValue(Settings::kBackupDays, days);
        QCOMPARE(program.fixture.settings->backupVersions(), readVersions);
        QCOMPARE(program.fixture.settings->backupDays(), readDays);
        program.start();
        program.fixture.loop.answer([&](QWidget *window) {
            QCOMPARE(window->findChild<QSpinBox *>(QStringLiteral("_backupVersions"))->value(), readVersions);
            QCOMPARE(window->findChild<QSpinBox *>(QStringLiteral("_backupDays"))->value(), readDays);
        });
        program.app->openPrefsPanel();
    }
};

QTEST_MAIN(TestSafety)
#include "tst_safety.moc"
