#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <future>

#include <unistd.h>

namespace {

/// A user of their own for the built program: home, settings, data and
/// runtime folder (where the program's socket lies) in a temporary folder.
struct ProgramUser
{
    QTemporaryDir home;
    QString runtimeFolder = home.filePath(QStringLiteral("runtime"));

    ProgramUser()
    {
        for (const char *folder : {"config/Orrinwick", "data", "runtime"})
            QDir(home.path()).mkpath(QLatin1String(folder));
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::copy(QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt"), budget("first.txt"));
        QFile::copy(QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt"), budget("second.txt"));
        // A user who has seen this version: no About window at start.
        QSettings settings(configFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("CurrentVersion"), QStringLiteral(ORRINWICK_VERSION));
        settings.setValue(QStringLiteral("DataFile"), budget("first.txt"));
    }

    [[nodiscard]] QString runtime() const { return home.filePath(QStringLiteral("runtime")); }
    [[nodiscard]] QString configFile() const { return home.filePath(QStringLiteral("config/Orrinwick/Orrinwick.conf")); }
    [[nodiscard]] QString budget(const char *name) const { return home.filePath(QLatin1String(name)); }

    [[nodiscard]] QString dataFile() const
    {
        return QSettings(configFile(), QSettings::IniFormat).value(QStringLiteral("DataFile")).toString();
    }

    void prepare(QProcess &program) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        program.setProcessEnvironment(environment);
        program.setProgram(QStringLiteral(ORRINWICK_BINARY));
        program.setWorkingDirectory(home.path());
    }

    /// Runs a start of the program to its end; answers its exit code.
    int run(const QStringList &arguments, QByteArray *output = nullptr) const
    {
        QProcess program;
        prepare(program);
        program.setArguments(arguments);
        program.start();
        if (!program.waitForFinished(20000)) {
            program.kill();
            program.waitForFinished();
            return -1;
        }
        if (output)
            *output = program.readAllStandardOutput();
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }
};

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private:
    static QString uniqueName(const char *what)
    {
        return QStringLiteral("orrinwick-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(what));
    }

private slots:
    void withNobodyRunningTheStartKeepsItsFile()
    {
        const SingleInstance second(uniqueName("none"));
        QVERIFY(!second.handOver(QStringLiteral("/tmp/budget.txt")));
    }

    void aSecondStartHandsItsFileToTheRunningProgram()
    {
        SingleInstance running(uniqueName("handover"));
        QVERIFY(running.listen());
        QSignalSpy opened(&running, &SingleInstance::openRequested);
        QSignalSpy raised(&running, &SingleInstance::raiseRequested);

        // The second start blocks on its socket, so it runs beside this event loop.
        const QString path = QStringLiteral("/home/me/Budget 2026 ü.txt");
        std::future<bool> handedOver = std::async(std::launch::async, [&] { return SingleInstance(uniqueName("handover")).handOver(path); });
        QTRY_COMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toString(), path);
        QCOMPARE(raised.size(), 1);
        QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(handedOver.get());
    }

    void aStartWithoutFileOnlyRaisesTheWindow()
    {
        SingleInstance running(uniqueName("raise"));
        QVERIFY(running.listen());
        QSignalSpy opened(&running, &SingleInstance::openRequested);
        QSignalSpy raised(&running, &SingleInstance::raiseRequested);
        std::future<bool> handedOver = std::async(std::launch::async, [&] { return SingleInstance(uniqueName("raise")).handOver(QString()); });
        QTRY_COMPARE(raised.size(), 1);
        QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(handedOver.get());
        QCOMPARE(opened.size(), 0);
    }

    void aLeftOverSocketOfACrashedProgramIsTakenOver()
    {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("orrinwick.socket"));
        QFile leftOver(name);
        QVERIFY(leftOver.open(QIODevice::WriteOnly));
        leftOver.close();

        SingleInstance running(name);
        QVERIFY(running.listen());
        QSignalSpy raised(&running, &SingleInstance::raiseRequested);
        std::future<bool> handedOver = std::async(std::launch::async, [&] { return SingleInstance(name).handOver(QString()); });
        QTRY_COMPARE(raised.size(), 1);
        QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(handedOver.get());
    }

    void aStartThatCameFirstKeepsItsSocket()
    {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("orrinwick.socket"));
        SingleInstance first(name);
        QVERIFY(first.listen());
        SingleInstance second(name);
        QVERIFY(!second.listen());

        QSignalSpy opened(&first, &SingleInstance::openRequested);
        std::future<bool> handedOver = std::async(std::launch::async, [&] { return SingleInstance(name).handOver(QStringLiteral("/b.txt")); });
        QTRY_COMPARE(opened.size(), 1);
        QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(handedOver.get());
    }

    void aFileHandedOverWaitsWhileAModalWindowIsOpen()
    {
        ProgramUser user;
        // A new version: the About window opens at start and stays open.
        QSettings(user.configFile(), QSettings::IniFormat).setValue(QStringLiteral("CurrentVersion"), QStringLiteral("0.1"));
        QProcess first;
        user.prepare(first);
        first.start();
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(user.runtime() + QStringLiteral("/orrinwick.socket")), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(QSettings(user.configFile(), QSettings::IniFormat).value(QStringLiteral("CurrentVersion")).toString(),
                                  QStringLiteral(ORRINWICK_VERSION), 20000);

        QCOMPARE(user.run({user.budget("second.txt")}), 0);
        QTest::qWait(1500);
        QCOMPARE(user.dataFile(), user.budget("first.txt"));
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }

    void aStartThatCannotHandOverToABusyProgramEndsWithoutAWindow()
    {
        ProgramUser user;
        // A program that has the socket but never answers.
        QLocalServer busy;
        QVERIFY(busy.listen(user.runtime() + QStringLiteral("/orrinwick.socket")));
        QProcess second;
        user.prepare(second);
        second.setArguments({user.budget("second.txt")});
        second.start();
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(second.readAllStandardError().contains("already running"));
        QCOMPARE(user.dataFile(), user.budget("first.txt"));
    }

    void withoutAPrivateRuntimeFolderNoSocketOfAnotherUserIsUsed_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<bool>("otherOwner");
        QTest::newRow("a file instead of a folder") << QStringLiteral("not-a-folder") << false;
        QTest::newRow("a folder of another user") << QStringLiteral("runtime-of-nobody") << true;
    }

    void withoutAPrivateRuntimeFolderNoSocketOfAnotherUserIsUsed()
    {
        QFETCH(QString, runtime);
        QFETCH(bool, otherOwner);
        ProgramUser user;
        user.runtimeFolder = user.home.filePath(runtime);
        if (otherOwner) {
            if (::getuid() != 0)
                QSKIP("only root can give a folder to another user");
            QVERIFY(QDir().mkpath(user.runtimeFolder));
            QVERIFY(::chown(QFile::encodeName(user.runtimeFolder).constData(), 65534, 65534) == 0);
        } else {
            QFile file(user.runtimeFolder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        // Another user's socket under the name anyone may take in the temporary folder.
        const QString squatted = QStringLiteral("orrinwick-%1").arg(::getuid());
        QLocalServer::removeServer(squatted);
        QLocalServer other;
        QVERIFY(other.listen(squatted));

        QProcess start;
        user.prepare(start);
        start.setArguments({user.budget("second.txt")});
        start.start();
        QTRY_COMPARE_WITH_TIMEOUT(user.dataFile(), user.budget("second.txt"), 20000);
        QCOMPARE(start.state(), QProcess::Running);
        QVERIFY(!other.hasPendingConnections());
        start.terminate();
        QVERIFY(start.waitForFinished(10000));
    }

    void theProgramStartedAgainOpensTheFileInTheRunningOne()
    {
        ProgramUser user;
        QProcess first;
        user.prepare(first);
        first.start();
        QVERIFY(first.waitForStarted());
        const QString socket = user.runtime() + QStringLiteral("/orrinwick.socket");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 20000);
        QCOMPARE(user.dataFile(), user.budget("first.txt"));

        // A relative path names a file in the folder the second start ran in.
        QCOMPARE(user.run({QStringLiteral("second.txt")}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(user.dataFile(), user.budget("second.txt"), 20000);
        QCOMPARE(first.state(), QProcess::Running);

        // A start without a file only brings the window forward.
        QCOMPARE(user.run({}), 0);
        QCOMPARE(user.dataFile(), user.budget("second.txt"));

        // The command-line modes never hand anything over.
        QByteArray report;
        QCOMPARE(user.run({QStringLiteral("--report"), user.budget("first.txt")}, &report), 0);
        QVERIFY(report.startsWith("Budget\t2600"));
        QCOMPARE(user.dataFile(), user.budget("second.txt"));
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
