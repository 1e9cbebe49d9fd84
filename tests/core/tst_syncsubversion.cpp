// Update before load, commit on leaving a file, and the lock after a failed
// update, against a real Subversion repository in a temporary folder.

#include "DocumentFixtures.h"
#include "FileContents.h"
#include "TestDocumentHost.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileWriter.h"
#include "editing/DocumentSetup.h"
#include "platform/ScriptedAlerts.h"
#include "platform/Settings.h"
#include "sync/DocumentSync.h"
#include "sync/WorkingCopyConflict.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace std::chrono_literals;
using DocumentFixtures::categoryNames;

namespace {

const QString kFailingClient = QStringLiteral(ORRINWICK_TEST_DATA "/sync/failing-svn");
const QString kMissingClient = QStringLiteral("/nonexistent/svn");
const QString kSleepingClient = QStringLiteral(ORRINWICK_TEST_DATA "/sync/sleeping-svn");
const QString kRecordingClient = QStringLiteral(ORRINWICK_TEST_DATA "/sync/recording-svn");
const QString kLockWarning = QStringLiteral("File operations not allowed due to SVN sync failure!\n");

/// Runs a Subversion tool and answers its standard output, or nothing when it failed.
std::optional<QString> run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}


[[nodiscard]] bool writeBudget(const QString &path, const QStringList &categoryNames)
{
    BudgetDocument document;
    for (const QString &name : categoryNames)
        DocumentFixtures::addCategory(document, name);
    return BudgetFileWriter::writeFile(document, path);
}

/// A repository with two working copies, "wc" (the user's) and "other", both
/// holding budget.txt with the category "Food" and notes.txt at revision 1.
class Repository final
{
public:
    explicit Repository(const QString &folder)
        : _dir(folder)
    {
    }

    [[nodiscard]] bool create() const
    {
        const QString repo = path(QStringLiteral("repo"));
        const QString url = QUrl::fromLocalFile(repo).toString();
        return _dir.mkpath(QStringLiteral(".")) && run(QStringLiteral("svnadmin"), {QStringLiteral("create"), repo})
            && svn({QStringLiteral("checkout"), url, path(QStringLiteral("wc"))})
            && svn({QStringLiteral("checkout"), url, path(QStringLiteral("other"))})
            && writeBudget(dataFile(), {QStringLiteral("Food")}) && writeNotes("first\n")
            && svn({QStringLiteral("add"), dataFile(), path(QStringLiteral("wc/notes.txt"))})
            && svn({QStringLiteral("ci"), QStringLiteral("-m"), QStringLiteral("first"), path(QStringLiteral("wc"))})
            && svn({QStringLiteral("update"), path(QStringLiteral("other"))});
    }

    /// Replaces this repository and its working copies with a copy made of
    /// them once. They stay at the same place, which the working copies name.
    [[nodiscard]] bool resetFrom(const QString &pristine)
    {
        return _dir.removeRecursively()
            && run(QStringLiteral("cp"), {QStringLiteral("-a"), pristine, _dir.absolutePath()});
    }

    [[nodiscard]] QString path(const QString &name) const { return _dir.absoluteFilePath(name); }
    [[nodiscard]] QString dataFile() const { return path(QStringLiteral("wc/budget.txt")); }

    /// Changes notes.txt in the user's working copy.
    [[nodiscard]] bool writeNotes(const QByteArray &text) const
    {
        QFile notes(path(QStringLiteral("wc/notes.txt")));
        return notes.open(QIODevice::WriteOnly) && notes.write(text) == text.size();
    }

    /// Commits budget.txt with these categories from the other working copy.
    [[nodiscard]] bool commitFromOther(const QStringList &categoryNames) const
    {
        return writeBudget(path(QStringLiteral("other/budget.txt")), categoryNames)
            && svn({QStringLiteral("ci"), QStringLiteral("-m"), QStringLiteral("other"),
                    path(QStringLiteral("other"))});
    }

    /// Makes the repository refuse every commit.
    [[nodiscard]] bool refuseCommits() const
    {
        QFile hook(path(QStringLiteral("repo/hooks/pre-commit")));
        return hook.open(QIODevice::WriteOnly) && hook.write("#!/bin/sh\nexit 1\n") > 0
            && hook.setPermissions(hook.permissions() | QFile::ExeOwner);
    }

    [[nodiscard]] QString youngest() const { return look(QStringLiteral("youngest")); }
    [[nodiscard]] QString lastLogMessage() const { return look(QStringLiteral("log")); }
    [[nodiscard]] QString committed(const QString &file) const { return look(QStringLiteral("cat"), file); }

private:
    [[nodiscard]] static bool svn(QStringList arguments)
    {
        // The folder's name has an "@", which svn takes for a peg revision
        // unless an empty one follows; a checkout's destination is no target.
        const qsizetype targets = arguments.first() == QLatin1String("checkout") ? 2 : arguments.size();
        for (qsizetype i = 1; i < targets; ++i) {
            if (arguments[i].startsWith(QLatin1Char('/')) || arguments[i].startsWith(QLatin1String("file:")))
                arguments[i] += QLatin1Char('@');
        }
        arguments.insert(1, QStringLiteral("-q"));
        return run(QStringLiteral("svn"), arguments).has_value();
    }

    [[nodiscard]] QString look(const QString &what, const QString &file = {}) const
    {
        QStringList arguments{what, path(QStringLiteral("repo"))};
        if (!file.isEmpty())
            arguments << file;
        return run(QStringLiteral("svnlook"), arguments).value_or(QStringLiteral("(svnlook failed)"));
    }

    QDir _dir;
};

} // namespace

class tst_SyncSubversion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void updateRunsBeforeTheLoadAndPicksUpOtherCommits_data();
    void updateRunsBeforeTheLoadAndPicksUpOtherCommits();
    void leavingTheFileCommitsItsFolder_data();
    void leavingTheFileCommitsItsFolder();
    void saveAndSaveAsNeverCommit_data();
    void saveAndSaveAsNeverCommit();
    void documentLoadedWithoutUpdateNeverCommits_data();
    void documentLoadedWithoutUpdateNeverCommits();
    void failedCommitIsReportedAndKeepsTheSavedFile_data();
    void failedCommitIsReportedAndKeepsTheSavedFile();
    void failedUpdateLocksEveryLoadSaveAndOpen_data();
    void failedUpdateLocksEveryLoadSaveAndOpen();
    void failedDetachedUpdateLeavesOnlyTheFixedRows_data();
    void failedDetachedUpdateLeavesOnlyTheFixedRows();
    void detachedUpdateHoldsBackCommandsUntilHandled();
    void requestsDuringABlockingWaitRunAfterIt_data();
    void requestsDuringABlockingWaitRunAfterIt();
    void conflictedUpdateLoadsNothingAndLocks_data();
    void conflictedUpdateLoadsNothingAndLocks();
    void conflictFilesAreRecognisedBesideTheDataFileOnly_data();
    void conflictFilesAreRecognisedBesideTheDataFileOnly();
    void theClientNeverAsksAndTakesAnAtSignAsPartOfTheName();
    void aStalledRunIsCancelledAndLeavesTheFileAsItWas_data();
    void aStalledRunIsCancelledAndLeavesTheFileAsItWas();

private:
    /// Loads the data file through a blocking update with the real client.
    void loadThroughUpdate();
    /// Waits until the detached update has been handled.
    [[nodiscard]] bool waitForDetachedUpdate(QSignalSpy &handled) const;

    QTemporaryDir _folder;
    std::unique_ptr<Repository> _repo;
    std::unique_ptr<Settings> _settings;
    ScriptedAlerts _alerts;
    std::unique_ptr<BudgetDocument> _document;
    TestHost _host;
    std::unique_ptr<DocumentSync> _sync;
};

void tst_SyncSubversion::initTestCase()
{
    // Each test starts from a copy of one repository: building it costs
    // several runs of the client.
    QVERIFY(_folder.isValid());
    // An "@" in the path, as in a folder named after an e-mail address.
    _repo = std::make_unique<Repository>(_folder.filePath(QStringLiteral("budget@home")));
    QVERIFY(_repo->create());
    QVERIFY(run(QStringLiteral("cp"), {QStringLiteral("-a"), _folder.filePath(QStringLiteral("budget@home")),
                                       _folder.filePath(QStringLiteral("pristine"))}));
}

void tst_SyncSubversion::init()
{
    QVERIFY(_repo->resetFrom(_folder.filePath(QStringLiteral("pristine"))));
    _settings = Settings::inMemory();
    _settings->registerDefaults();
    _settings->setValue(Settings::kSyncData, true);
    // A key that once chose the client is a plain unknown key now.
    _settings->setValue(QStringLiteral("TestSVNClient"), kFailingClient);
    _alerts.clear();
    _document = std::make_unique<BudgetDocument>();
    _host = TestHost();
    _host.fileName = _repo->dataFile();
    _sync = std::make_unique<DocumentSync>(*_document, _host, *_settings, _alerts, nullptr);
    _sync->setSyncPause(0ms);
}

void tst_SyncSubversion::cleanup()
{
    _sync.reset();
    _document.reset();
}

void tst_SyncSubversion::loadThroughUpdate()
{
    _sync->loadFromFile(_repo->dataFile(), true, false);
    QCOMPARE(categoryNames(*_document), QStringList{QStringLiteral("Food")});
    QVERIFY(_sync->svnOpenState());
    QCOMPARE(_alerts.shown().size(), 0);
}

bool tst_SyncSubversion::waitForDetachedUpdate(QSignalSpy &handled) const
{
    return handled.count() == 1 || handled.wait(20000);
}

void tst_SyncSubversion::updateRunsBeforeTheLoadAndPicksUpOtherCommits_data()
{
    QTest::addColumn<bool>("detach");
    QTest::newRow("blocking (Open)") << false;
    QTest::newRow("detached (start-up)") << true;
}

void tst_SyncSubversion::updateRunsBeforeTheLoadAndPicksUpOtherCommits()
{
    QFETCH(bool, detach);
    QVERIFY(_repo->commitFromOther({QStringLiteral("Food"), QStringLiteral("Rent")}));
    QSignalSpy handled(_sync.get(), &DocumentSync::updateHandled);

    _sync->loadFromFile(_repo->dataFile(), true, detach);
    if (detach) {
        QVERIFY(_sync->updateInFlight());
        QVERIFY(categoryNames(*_document).isEmpty());
        QCOMPARE(_host.initViews, 0);
        QVERIFY(waitForDetachedUpdate(handled));
    }

    QCOMPARE(categoryNames(*_document), (QStringList{QStringLiteral("Food"), QStringLiteral("Rent")}));
    QVERIFY(_sync->svnOpenState());
    QVERIFY(_sync->allowFileOperations());
    QVERIFY(!_sync->updateInFlight());
    QCOMPARE(handled.count(), detach ? 1 : 0);
    QCOMPARE(_host.progress, QStringList{QStringLiteral("Performing SVN update")});
    QCOMPARE(_host.closedWindows, 1);
    QCOMPARE(_host.initViews, 1);
    QCOMPARE(_alerts.shown().size(), 0);
}

void tst_SyncSubversion::leavingTheFileCommitsItsFolder_data()
{
    QTest::addColumn<bool>("newCommand");
    QTest::newRow("Quit, Open or an open request") << false;
    QTest::newRow("New, with the new file elsewhere") << true;
}

void tst_SyncSubversion::leavingTheFileCommitsItsFolder()
{
    QFETCH(bool, newCommand);
    loadThroughUpdate();
    DocumentFixtures::addCategory(*_document, QStringLiteral("Travel"));
    QVERIFY(_repo->writeNotes("changed beside the budget\n"));
    const QString newFile = _repo->path(QStringLiteral("elsewhere/new.txt"));
    QVERIFY(QDir().mkpath(QFileInfo(newFile).path()));
    if (newCommand)
        _host.setFileName(newFile); // the New command names the new file before it saves the old one

    QVERIFY(_sync->saveToFile(_repo->dataFile(), true));
    if (newCommand) {
        DocumentSetup::eraseAllData(*_document);
        QVERIFY(_sync->saveToFile(newFile, false));
        QVERIFY(QFile::exists(newFile));
    }

    QCOMPARE(_repo->youngest(), QStringLiteral("2\n"));
    QCOMPARE(_repo->lastLogMessage(), QStringLiteral("\"Budget App commit.\"\n"));
    QVERIFY(_repo->committed(QStringLiteral("budget.txt")).contains(QStringLiteral("\r\nTravel\r\n")));
    // The commit takes the whole folder, not the data file alone.
    QCOMPARE(_repo->committed(QStringLiteral("notes.txt")), QStringLiteral("changed beside the budget\n"));
    QCOMPARE(_host.progress,
             (QStringList{QStringLiteral("Performing SVN update"), QStringLiteral("Performing SVN commit")}));
    QCOMPARE(_host.closedWindows, 2);
    QCOMPARE(_alerts.shown().size(), 0);
}

void tst_SyncSubversion::saveAndSaveAsNeverCommit_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("Save") << QStringLiteral("budget.txt");
    QTest::newRow("Save As, in the working copy") << QStringLiteral("renamed.txt");
}

void tst_SyncSubversion::saveAndSaveAsNeverCommit()
{
    QFETCH(QString, fileName);
    loadThroughUpdate();
    DocumentFixtures::addCategory(*_document, QStringLiteral("Travel"));
    const QString path = _repo->path(QStringLiteral("wc/") + fileName);
    _host.setFileName(path);

    QVERIFY(_sync->saveToFile(path, false));

    QVERIFY(fileContents(path).contains("\r\nTravel\r\n"));
    QCOMPARE(_repo->youngest(), QStringLiteral("1\n"));
    QCOMPARE(_host.progress, QStringList{QStringLiteral("Performing SVN update")});
}

void tst_SyncSubversion::documentLoadedWithoutUpdateNeverCommits_data()
{
    QTest::addColumn<bool>("loadWithSync");
    QTest::addColumn<bool>("syncDataAtLoad");
    QTest::newRow("loaded with sync false") << false << true;
    QTest::newRow("SyncData switched on after the load") << true << false;
}

void tst_SyncSubversion::documentLoadedWithoutUpdateNeverCommits()
{
    QFETCH(bool, loadWithSync);
    QFETCH(bool, syncDataAtLoad);
    _settings->setValue(Settings::kSyncData, syncDataAtLoad);
    _sync->loadFromFile(_repo->dataFile(), loadWithSync, false);
    QCOMPARE(categoryNames(*_document), QStringList{QStringLiteral("Food")});
    _settings->setValue(Settings::kSyncData, true);
    DocumentFixtures::addCategory(*_document, QStringLiteral("Travel"));

    QVERIFY(_sync->saveToFile(_repo->dataFile(), true));

    QVERIFY(!_sync->svnOpenState());
    QVERIFY(fileContents(_repo->dataFile()).contains("\r\nTravel\r\n"));
    QCOMPARE(_repo->youngest(), QStringLiteral("1\n"));
    QVERIFY(_host.progress.isEmpty());
}

void tst_SyncSubversion::failedCommitIsReportedAndKeepsTheSavedFile_data()
{
    QTest::addColumn<bool>("repositoryRefuses");
    QTest::addColumn<QString>("warning");
    QTest::newRow("repository refuses") << true << QStringLiteral("SVN commit returned status 1!\n");
    QTest::newRow("client missing")
        << false << QStringLiteral("SVN commit failed: the Subversion client /nonexistent/svn could not be started!\n");
}

void tst_SyncSubversion::failedCommitIsReportedAndKeepsTheSavedFile()
{
    QFETCH(bool, repositoryRefuses);
    QFETCH(QString, warning);
    loadThroughUpdate();
    if (repositoryRefuses)
        QVERIFY(_repo->refuseCommits());
    else
        _sync->setSvnClient(kMissingClient);
    DocumentFixtures::addCategory(*_document, QStringLiteral("Travel"));

    QVERIFY(_sync->saveToFile(_repo->dataFile(), true));

    QCOMPARE(_alerts.titles(), QStringList{QStringLiteral("WARNING")});
    QCOMPARE(_alerts.shown().first().message, warning);
    QVERIFY(fileContents(_repo->dataFile()).contains("\r\nTravel\r\n"));
    QCOMPARE(_repo->youngest(), QStringLiteral("1\n"));
    QCOMPARE(_host.closedWindows, 2);
    QVERIFY(_sync->allowFileOperations());
    QVERIFY(_sync->svnOpenState());
}

void tst_SyncSubversion::failedUpdateLocksEveryLoadSaveAndOpen_data()
{
    QTest::addColumn<QString>("client");
    QTest::addColumn<QString>("warning");
    QTest::newRow("client exits with status 1") << kFailingClient << QStringLiteral("SVN update returned status 1!\n");
    QTest::newRow("client missing")
        << kMissingClient
        << QStringLiteral("SVN update failed: the Subversion client /nonexistent/svn could not be started!\n");
}

void tst_SyncSubversion::failedUpdateLocksEveryLoadSaveAndOpen()
{
    QFETCH(QString, client);
    QFETCH(QString, warning);
    _sync->setSvnClient(client);
    const QByteArray original = fileContents(_repo->dataFile());

    _sync->loadFromFile(_repo->dataFile(), true, false);

    // A blocking update loads the file whatever the client answered.
    QCOMPARE(categoryNames(*_document), QStringList{QStringLiteral("Food")});
    QCOMPARE(_alerts.shown().size(), 1);
    QCOMPARE(_alerts.shown().first().message, warning);
    QVERIFY(!_sync->allowFileOperations());
    QVERIFY(!_sync->fileCommandsEnabled());
    QVERIFY(!_sync->svnOpenState());
    QCOMPARE(_host.closedWindows, 1);
    QCOMPARE(_host.initViews, 1);
    _alerts.clear();

    _sync->loadFromFile(_repo->dataFile(), true, false);     // Open
    QVERIFY(categoryNames(*_document).isEmpty());
    QVERIFY(!_sync->saveToFile(_repo->dataFile(), false));   // Save
    QVERIFY(!_sync->fileOperationsAllowed());                 // a desktop open request
    QVERIFY(!_sync->saveToFile(_repo->dataFile(), true));    // Quit

    QCOMPARE(_alerts.shown().size(), 4);
    for (const ScriptedAlerts::Shown &alert : _alerts.shown())
        QCOMPARE(alert.message, kLockWarning);
    QCOMPARE(_host.initViews, 1);
    QCOMPARE(_host.progress.size(), 1);
    QCOMPARE(fileContents(_repo->dataFile()), original);
}

void tst_SyncSubversion::failedDetachedUpdateLeavesOnlyTheFixedRows_data()
{
    QTest::addColumn<QString>("client");
    QTest::addColumn<QString>("warning");
    QTest::newRow("client exits with status 1")
        << kFailingClient << QStringLiteral("SVN update returned status 1!\nFile Not Loaded.");
    QTest::newRow("client missing") << kMissingClient
                                    << QStringLiteral("SVN update failed: the Subversion client /nonexistent/svn could "
                                                      "not be started!\nFile Not Loaded.");
}

void tst_SyncSubversion::failedDetachedUpdateLeavesOnlyTheFixedRows()
{
    QFETCH(QString, client);
    QFETCH(QString, warning);
    _sync->setSvnClient(client);
    const QByteArray original = fileContents(_repo->dataFile());
    QSignalSpy handled(_sync.get(), &DocumentSync::updateHandled);

    _sync->loadFromFile(_repo->dataFile(), true, true);
    bool quitSaved = true;
    _sync->whenUpdateHandled([&] { quitSaved = _sync->saveToFile(_repo->dataFile(), true); });
    QVERIFY(waitForDetachedUpdate(handled));

    QCOMPARE(_document->getCatArray().size(), kFirstCategoryRow);
    QCOMPARE(_alerts.shown().size(), 2);
    QCOMPARE(_alerts.shown().at(0).message, warning);
    QCOMPARE(_alerts.shown().at(1).message, kLockWarning);
    QVERIFY(!quitSaved);
    QVERIFY(!_sync->allowFileOperations());
    QVERIFY(!_sync->svnOpenState());
    QCOMPARE(_host.closedWindows, 1);
    QCOMPARE(_host.initViews, 1);
    QCOMPARE(fileContents(_repo->dataFile()), original);
}

void tst_SyncSubversion::detachedUpdateHoldsBackCommandsUntilHandled()
{
    const QByteArray original = fileContents(_repo->dataFile());
    QSignalSpy handled(_sync.get(), &DocumentSync::updateHandled);
    _sync->loadFromFile(_repo->dataFile(), true, true);
    QVERIFY(!_sync->fileCommandsEnabled());

    // The document is empty now: nothing may be written or loaded over it.
    QVERIFY(!_sync->saveToFile(_repo->dataFile(), true));
    _sync->loadFromFile(_repo->dataFile(), true, false);
    QCOMPARE(fileContents(_repo->dataFile()), original);
    QCOMPARE(_host.progress.size(), 1);

    // Whatever reaches the empty document meanwhile does not mix into the file loaded after the update.
    DocumentFixtures::addCategory(*_document, QStringLiteral("Stray"));
    QStringList seenByHeldBack;
    _sync->whenUpdateHandled([&] { seenByHeldBack = categoryNames(*_document); });
    QVERIFY(seenByHeldBack.isEmpty());
    QVERIFY(waitForDetachedUpdate(handled));

    QCOMPARE(seenByHeldBack, QStringList{QStringLiteral("Food")});
    QVERIFY(_sync->fileCommandsEnabled());
    bool ranAtOnce = false;
    _sync->whenUpdateHandled([&] { ranAtOnce = true; });
    QVERIFY(ranAtOnce);
    QCOMPARE(_alerts.shown().size(), 0);
}

void tst_SyncSubversion::requestsDuringABlockingWaitRunAfterIt_data()
{
    QTest::addColumn<bool>("commit");
    QTest::newRow("update (Open)") << false;
    QTest::newRow("commit (Quit)") << true;
}

void tst_SyncSubversion::requestsDuringABlockingWaitRunAfterIt()
{
    QFETCH(bool, commit);
    if (commit) {
        loadThroughUpdate();
        DocumentFixtures::addCategory(*_document, QStringLiteral("Travel"));
    }
    const QStringList expected = commit ? QStringList{QStringLiteral("Food"), QStringLiteral("Travel")}
                                        : QStringList{QStringLiteral("Food")};
    const QByteArray before = fileContents(_repo->dataFile());

    // Events other than user input get through while the client runs, such
    // as the window being closed, which asks to save.
    bool savedDuringWait = true;
    QStringList seenByHeldBack;
    QTimer::singleShot(0, this, [&] {
        savedDuringWait = _sync->saveToFile(_repo->dataFile(), true);
        _sync->whenUpdateHandled([&] { seenByHeldBack = categoryNames(*_document); });
    });
    if (commit)
        QVERIFY(_sync->saveToFile(_repo->dataFile(), true));
    else
        _sync->loadFromFile(_repo->dataFile(), true, false);

    QVERIFY(!savedDuringWait);
    QVERIFY(seenByHeldBack.isEmpty());
    if (!commit)
        QCOMPARE(fileContents(_repo->dataFile()), before);
    QTRY_COMPARE(seenByHeldBack, expected);
    QCOMPARE(_alerts.shown().size(), 0);
}

void tst_SyncSubversion::conflictedUpdateLoadsNothingAndLocks_data()
{
    QTest::addColumn<bool>("detach");
    QTest::newRow("blocking (Open)") << false;
    QTest::newRow("detached (start-up)") << true;
}

void tst_SyncSubversion::conflictedUpdateLoadsNothingAndLocks()
{
    QFETCH(bool, detach);
    // A Save without commit left a local change; another working copy
    // committed a different change to the same lines.
    QVERIFY(writeBudget(_repo->dataFile(), {QStringLiteral("Food"), QStringLiteral("Local")}));
    QVERIFY(_repo->commitFromOther({QStringLiteral("Food"), QStringLiteral("Remote")}));
    QSignalSpy handled(_sync.get(), &DocumentSync::updateHandled);

    _sync->loadFromFile(_repo->dataFile(), true, detach);
    if (detach)
        QVERIFY(waitForDetachedUpdate(handled));

    QVERIFY(fileContents(_repo->dataFile()).contains("<<<<<<<"));
    QCOMPARE(_document->getCatArray().size(), kFirstCategoryRow);
    QCOMPARE(_alerts.shown().size(), 1);
    QCOMPARE(_alerts.shown().first().message,
             QStringLiteral("SVN update left %1 in conflict!\nFile Not Loaded.").arg(_repo->dataFile()));
    QVERIFY(!_sync->allowFileOperations());
    QVERIFY(!_sync->svnOpenState());

    const QByteArray conflicted = fileContents(_repo->dataFile());
    QVERIFY(!_sync->saveToFile(_repo->dataFile(), true));
    QCOMPARE(fileContents(_repo->dataFile()), conflicted);
}

void tst_SyncSubversion::conflictFilesAreRecognisedBesideTheDataFileOnly_data()
{
    QTest::addColumn<QString>("sibling");
    QTest::addColumn<bool>("conflicted");
    QTest::newRow("none") << QString() << false;
    QTest::newRow("mine") << QStringLiteral("budget.txt.mine") << true;
    QTest::newRow("revision") << QStringLiteral("budget.txt.r12") << true;
    QTest::newRow("merge left") << QStringLiteral("budget.txt.merge-left.r3") << true;
    QTest::newRow("working") << QStringLiteral("budget.txt.working") << true;
    QTest::newRow("another file's") << QStringLiteral("other.txt.mine") << false;
    QTest::newRow("longer name") << QStringLiteral("budget.txt.old.mine") << false;
    QTest::newRow("not a revision") << QStringLiteral("budget.txt.rx") << false;
    QTest::newRow("backup") << QStringLiteral("budget.txt.orig") << false;
}

void tst_SyncSubversion::conflictFilesAreRecognisedBesideTheDataFileOnly()
{
    QFETCH(QString, sibling);
    QFETCH(bool, conflicted);
    QTemporaryDir dir;
    QVERIFY(writeBudget(dir.filePath(QStringLiteral("budget.txt")), {}));
    if (!sibling.isEmpty())
        QVERIFY(writeBudget(dir.filePath(sibling), {}));

    QCOMPARE(WorkingCopyConflict::isConflicted(dir.filePath(QStringLiteral("budget.txt"))), conflicted);
}

void tst_SyncSubversion::theClientNeverAsksAndTakesAnAtSignAsPartOfTheName()
{
    const QString recorded = _folder.filePath(QStringLiteral("arguments.txt"));
    qputenv("ORRINWICK_TEST_SVN_ARGUMENTS", recorded.toLocal8Bit());
    _sync->setSvnClient(kRecordingClient);

    _sync->loadFromFile(_repo->dataFile(), true, false);
    QVERIFY(_sync->saveToFile(_repo->dataFile(), true));

    const QString folder = _repo->path(QStringLiteral("wc@"));
    QCOMPARE(QString::fromUtf8(fileContents(recorded)).split(QStringLiteral("\n\n"), Qt::SkipEmptyParts),
             (QStringList{QStringLiteral("update\n--non-interactive\n") + folder,
                          QStringLiteral("ci\n-m\"Budget App commit.\"\n--non-interactive\n") + folder}));
    QFile::remove(recorded);
}

void tst_SyncSubversion::aStalledRunIsCancelledAndLeavesTheFileAsItWas_data()
{
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("warning");
    QTest::newRow("update at Open") << QStringLiteral("blocking update")
                                    << QStringLiteral("SVN update cancelled.\n%1 was loaded as the working copy has "
                                                      "it, without the update; it will not be committed when you "
                                                      "leave it.");
    QTest::newRow("update at start-up") << QStringLiteral("detached update")
                                        << QStringLiteral("SVN update cancelled.\n%1 was loaded as the working copy "
                                                          "has it, without the update; it will not be committed when "
                                                          "you leave it.");
    QTest::newRow("commit on leaving the file")
        << QStringLiteral("commit") << QStringLiteral("SVN commit cancelled.\n%1 is saved, but not committed.");
}

void tst_SyncSubversion::aStalledRunIsCancelledAndLeavesTheFileAsItWas()
{
    QFETCH(QString, run);
    QFETCH(QString, warning);
    if (run == QLatin1String("commit"))
        loadThroughUpdate();
    _sync->setCancelOfferDelay(50ms);
    _host.cancelWhenOffered = true;
    _sync->setSvnClient(kSleepingClient);
    QSignalSpy handled(_sync.get(), &DocumentSync::updateHandled);

    if (run == QLatin1String("commit")) {
        DocumentFixtures::addCategory(*_document, QStringLiteral("Travel"));
        QVERIFY(_sync->saveToFile(_repo->dataFile(), true));
        QVERIFY(fileContents(_repo->dataFile()).contains("\r\nTravel\r\n"));
    } else {
        _sync->loadFromFile(_repo->dataFile(), true, run == QLatin1String("detached update"));
        if (run == QLatin1String("detached update"))
            QVERIFY(waitForDetachedUpdate(handled));
        QCOMPARE(categoryNames(*_document), QStringList{QStringLiteral("Food")});
        QVERIFY(!_sync->svnOpenState());
        // Leaving the file loaded without its update commits nothing.
        QVERIFY(_sync->saveToFile(_repo->dataFile(), true));
    }

    QCOMPARE(_host.cancelOffers, 1);
    QCOMPARE(_alerts.shown().size(), 1);
    QCOMPARE(_alerts.shown().first().message, warning.arg(_repo->dataFile()));
    QVERIFY(_sync->allowFileOperations());
    QVERIFY(!_sync->running());
    QCOMPARE(_repo->youngest(), QStringLiteral("1\n"));
}

QTEST_GUILESS_MAIN(tst_SyncSubversion)
#include "tst_syncsubversion.moc"
