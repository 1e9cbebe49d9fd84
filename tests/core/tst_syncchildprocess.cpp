// The child-process helper that runs the Subversion client: outcomes, closed input, unchanged
// arguments, and a main thread that keeps handling events while it waits.

#include "platform/ChildProcess.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(ChildProcess::Outcome)

class tst_SyncChildProcess : public QObject
{
    Q_OBJECT

private slots:
    void blockingAndStartedRunsEndAlike_data();
    void blockingAndStartedRunsEndAlike();
    void argumentsAndFolderReachTheChildUnchanged();
    void waitsKeepHandlingEvents_data();
    void waitsKeepHandlingEvents();
};

void tst_SyncChildProcess::blockingAndStartedRunsEndAlike_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("crashed");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("succeeded");
    const QString sh = QStringLiteral("/bin/sh");
    QTest::newRow("exit 0") << sh << QStringList{"-c", "exit 0"} << true << false << 0 << true;
    QTest::newRow("exit 3") << sh << QStringList{"-c", "exit 3"} << true << false << 3 << false;
    // A client that asks for input (a password) must read end of file, not wait for ever.
    QTest::newRow("standard input closed") << sh << QStringList{"-c", "timeout 5 cat"} << true << false << 0 << true;
    QTest::newRow("killed") << sh << QStringList{"-c", "kill -KILL $$"} << true << true << 9 << false;
    QTest::newRow("no such program") << QStringLiteral("/nonexistent/svn") << QStringList{} << false << false << 0
                                     << false;
    QTest::newRow("not executable") << QStringLiteral(ORRINWICK_TEST_DATA "/notes.txt") << QStringList{} << false
                                    << false << 0 << false;
}

void tst_SyncChildProcess::blockingAndStartedRunsEndAlike()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, started);
    QFETCH(bool, crashed);
    QFETCH(int, status);
    QFETCH(bool, succeeded);

    ChildProcess blocking(program, arguments);
    const ChildProcess::Outcome outcome = blocking.runBlocking();
    QCOMPARE(outcome.started, started);
    QCOMPARE(outcome.crashed, crashed);
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.succeeded(), succeeded);

    ChildProcess detached(program, arguments);
    QSignalSpy finished(&detached, &ChildProcess::finished);
    detached.start();
    QCOMPARE(finished.count(), 0); // reported from the event loop, also when it cannot start
    QVERIFY(finished.wait(10000));
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
    const auto reported = finished.first().first().value<ChildProcess::Outcome>();
    QCOMPARE(reported.started, started);
    QCOMPARE(reported.crashed, crashed);
    QCOMPARE(reported.status, status);
}

void tst_SyncChildProcess::argumentsAndFolderReachTheChildUnchanged()
{
    QTemporaryDir folder;
    const QString argument = QStringLiteral("-m\"Budget App commit.\"");
    const QString script
        = QStringLiteral("[ \"$1\" = '%1' ] && [ \"$(pwd -P)\" = \"$(cd \"$2\" && pwd -P)\" ]").arg(argument);
    ChildProcess child(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"), argument,
                                                   folder.path()},
                       folder.path());

    QVERIFY(child.runBlocking().succeeded());
}

void tst_SyncChildProcess::waitsKeepHandlingEvents_data()
{
    QTest::addColumn<bool>("runChild");
    QTest::newRow("blocking run") << true;
    QTest::newRow("pause") << false;
}

void tst_SyncChildProcess::waitsKeepHandlingEvents()
{
    QFETCH(bool, runChild);
    int ticks = 0;
    QTimer timer;
    timer.setInterval(5ms);
    connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
    timer.start();
    QElapsedTimer elapsed;
    elapsed.start();

    if (runChild)
        QVERIFY(ChildProcess(QStringLiteral("/bin/sleep"), {QStringLiteral("0.3")}).runBlocking().succeeded());
    else
        ChildProcess::pause(300ms);

    QVERIFY(elapsed.elapsed() >= 300);
    QVERIFY2(ticks >= 10, qPrintable(QStringLiteral("%1 timer events").arg(ticks)));
}

QTEST_GUILESS_MAIN(tst_SyncChildProcess)
#include "tst_syncchildprocess.moc"
