#include "DrivenProgram.h"
#include "platform/AtomicFile.h"
#include "safety/OpenFileLock.h"

#include <QSysInfo>
#include <QTest>
#include <QUrl>

namespace {

const QString kInUse = QStringLiteral("File in Use");

/// Runs a tool to its end; answers its standard output, or nothing when it failed.
std::optional<QString> run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// The name of the user running the tests, as the system tells it.
QString userName()
{
    return run(QStringLiteral("id"), {QStringLiteral("-un")}).value_or(QString()).trimmed();
}

/// A user of the program who opens the shared file.
void useFile(DrivenUser &user, const QString &path)
{
    user.setSetting(QStringLiteral("DataFile"), path);
}

/// Whether the program holds the file's lock.
bool holdsLock(const DrivenUser &user, const QString &path)
{
    return AtomicFile::read(OpenFileLock::lockPath(path)).value_or("").startsWith(QByteArray::number(user.pid()) + '\n');
}

/// Starts a program that keeps the file open; answers once it has started
/// and holds the file's lock.
bool holdOpen(DrivenUser &user, const QString &path)
{
    useFile(user, path);
    user.start({QStringLiteral("wait\t1"), QStringLiteral("wait\t600000")});
    return user.waitForDone(0) && QTest::qWaitFor([&] { return holdsLock(user, path); }, 20000);
}

} // namespace

/// The lock on the open file, between real programs with homes of their own.
class TestFileLock : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir _shared;

    [[nodiscard]] QString sharedBudget() const
    {
        const QString path = _shared.filePath(QStringLiteral("budget.txt"));
        QFile::remove(path);
        QFile::remove(OpenFileLock::lockPath(path));
        QFile::copy(QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

private slots:
    void aSecondProgramIsToldWhoHasTheFileOpen_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("Cancel leaves the file alone") << QStringLiteral("Cancel") << false;
        QTest::newRow("Open Anyway opens it") << QStringLiteral("Open Anyway") << true;
    }

    void aSecondProgramIsToldWhoHasTheFileOpen()
    {
        QFETCH(QString, answer);
        QFETCH(bool, opened);
        const QString path = sharedBudget();
        const QByteArray before = AtomicFile::read(path).value_or("");
        DrivenUser first;
        QVERIFY(holdOpen(first, path));
        const QByteArray lock = AtomicFile::read(OpenFileLock::lockPath(path)).value_or("");

        DrivenUser second;
        useFile(second, path);
        QVERIFY(second.run({QStringLiteral("answer\t%1\t%2").arg(kInUse, answer), QStringLiteral("category\tSecond"),
                            QStringLiteral("quit")}));
        QCOMPARE(second.alertTitles(), QStringList{kInUse});
        const QString message = second.log().filter(QStringLiteral("alert ")).first();
        QVERIFY2(message.contains(QStringLiteral("%1 is open in Orrinwick on %2 (user %3) since ").arg(path, QSysInfo::machineHostName(), userName())),
                 qPrintable(message));
        // Without the file the second program had nothing to save it to.
        QCOMPARE(AtomicFile::read(path).value_or("").contains("\nSecond\r\n"), opened);
        if (!opened)
            QCOMPARE(AtomicFile::read(path).value_or(""), before);
        QCOMPARE(AtomicFile::read(OpenFileLock::lockPath(path)).value_or(""), lock);
        QVERIFY(first.isRunning());
    }

    void aStaleLockOfAKilledProgramIsTakenOverSilently()
    {
        const QString path = sharedBudget();
        DrivenUser killed;
        QVERIFY(holdOpen(killed, path));
        killed.kill();
        QVERIFY(QFile::exists(OpenFileLock::lockPath(path)));

        DrivenUser next;
        useFile(next, path);
        QVERIFY(holdOpen(next, path));
        QCOMPARE(next.alertTitles(), QStringList());
    }

    void theLockFileIsNeverCommitted()
    {
        const QString repo = _shared.filePath(QStringLiteral("repo"));
        const QString copy = _shared.filePath(QStringLiteral("wc"));
        const QString path = copy + QStringLiteral("/budget.txt");
        QVERIFY(run(QStringLiteral("svnadmin"), {QStringLiteral("create"), repo}));
        QVERIFY(run(QStringLiteral("svn"), {QStringLiteral("checkout"), QUrl::fromLocalFile(repo).toString(), copy}));
        QVERIFY(QFile::copy(QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(run(QStringLiteral("svn"), {QStringLiteral("add"), path}));
        QVERIFY(run(QStringLiteral("svn"), {QStringLiteral("ci"), QStringLiteral("-m"), QStringLiteral("first"), copy}));

        // The program's own commit (on Quit, with sync on) and a folder-wide one made while the file is open.
        DrivenUser user;
        user.setSetting(QStringLiteral("SyncData"), true);
        QVERIFY(holdOpen(user, path));
        QVERIFY(run(QStringLiteral("svn"), {QStringLiteral("ci"), QStringLiteral("-m"), QStringLiteral("folder"), copy}));
        const QString lockName = QFileInfo(OpenFileLock::lockPath(path)).fileName();
        QCOMPARE(run(QStringLiteral("svn"), {QStringLiteral("status"), copy}).value_or("(failed)"),
                 QStringLiteral("?       %1\n").arg(OpenFileLock::lockPath(path)));
        user.kill();
        useFile(user, path);
        QVERIFY(user.run({QStringLiteral("category\tCommitted"), QStringLiteral("quit")}, 60000));
        const QString log = run(QStringLiteral("svn"), {QStringLiteral("log"), QStringLiteral("-v"), QUrl::fromLocalFile(repo).toString()}).value_or("(failed)");
        QVERIFY2(log.contains(QStringLiteral("Budget App commit.")), qPrintable(log));
        QVERIFY2(!log.contains(lockName), qPrintable(log));
        QVERIFY(run(QStringLiteral("svn"), {QStringLiteral("cat"), QUrl::fromLocalFile(repo).toString() + QStringLiteral("/budget.txt")})
                    .value_or("").contains(QStringLiteral("\nCommitted\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestFileLock)
#include "tst_filelock.moc"
