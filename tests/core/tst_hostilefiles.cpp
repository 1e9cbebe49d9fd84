#include "ProgramRun.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "import/StatementSource.h"
#include "platform/ScriptedAlerts.h"
#include "safety/BackupStore.h"
#include "safety/OpenFileLock.h"
#include "safety/SnapshotFile.h"
#include "year/LastYearBudget.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

/// Whatever a path names, every reader of the program answers at once with
/// its message: a pipe nobody writes to, an endless device, a socket, a
/// folder, a file too large to hold.
class HostileFilesTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir _dir;
    QList<int> _sockets;
    int _made = 0;

    /// A socket bound at the path, as a running server leaves one.
    void listenAt(const QString &path)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::copy_n(name.constData(), std::min<qsizetype>(name.size(), sizeof address.sun_path - 1), address.sun_path);
        if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 1) != 0)
            qFatal("cannot make a socket at %s", name.constData());
        _sockets << fd;
    }

    /// A path in a folder of its own (with room for its lock beside it).
    QString freshPath()
    {
        const QString folder = _dir.filePath(QString::number(++_made));
        QDir().mkpath(folder);
        return folder + QStringLiteral("/budget.txt");
    }

    /// A fresh path of the kind asked.
    QString make(const QString &kind)
    {
        const QString path = freshPath();
        if (kind == u"fifo")
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
        else if (kind == u"device")
            QFile::link(QStringLiteral("/dev/zero"), path);
        else if (kind == u"socket")
            listenAt(path);
        else if (kind == u"folder")
            QDir().mkpath(path);
        else if (QFile file(path); file.open(QIODevice::WriteOnly))
            file.resize(qint64(300) << 20); // sparse: no disk is filled
        return path;
    }

private slots:
    void everyReaderRefusesWhatIsNoOrdinaryFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("statementMessage");
        const QString notAFile = QStringLiteral("is no ordinary file but a device, a pipe or a socket.");
        QTest::newRow("a pipe nobody writes to") << "fifo" << notAFile << notAFile;
        QTest::newRow("/dev/zero") << "device" << notAFile << notAFile;
        QTest::newRow("a socket") << "socket" << notAFile << notAFile;
        QTest::newRow("a folder") << "folder" << QStringLiteral("is a folder, not a file.")
                                  << QStringLiteral("is a folder, not a file.");
        QTest::newRow("a sparse file of 300 MB") << "large" << QStringLiteral("larger than the limit of 256.00 MiB.")
                                                 << QStringLiteral("larger than any bank statement (at most 32.00 MiB)");
    }

    void everyReaderRefusesWhatIsNoOrdinaryFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QFETCH(QString, statementMessage);
        QElapsedTimer clock;
        clock.start();

        // The data file, opened in the window or named on the command line.
        const QString path = make(kind);
        BudgetDocument document;
        ScriptedAlerts alerts;
        QVERIFY(BudgetFileReader::loadFile(document, path, alerts, {}) != BudgetFileReader::LoadResult::Loaded);
        QCOMPARE(alerts.shown().size(), 1);
        const QString shown = alerts.shown().first().message;
        QVERIFY2(shown.contains(path) && shown.contains(message), qPrintable(shown));
        const ProgramRun report = ProgramRun::start(QStringLiteral(ORRINWICK_BINARY), {QStringLiteral("--report"), path},
                                                    _dir.path());
        QCOMPARE(report.exitCode, 1);
        QVERIFY2(report.err.contains(message.toUtf8()), report.err.constData());

        // A bank statement.
        const StatementSource statement = StatementSource::open(path);
        QVERIFY2(statement.error().contains(statementMessage), qPrintable(statement.error()));

        // Its backup before a save, a backup or recovery file restored, last year's file.
        QString error;
        QCOMPARE(BackupStore(_dir.filePath(QStringLiteral("backups"))).keepCopyOf(path, QDateTime::currentDateTime(), &error),
                 BackupStore::Copy::DataUnreadable);
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY(!SnapshotFile::readFile(path));
        LastYearBudget last;
        last.open(path);
        QVERIFY(!last.isLoaded());
        QVERIFY(!last.note().isEmpty());

        // The same thing in place of the lock: not taken for one, not replaced.
        const QString data = freshPath();
        QVERIFY(QDir().rename(make(kind), OpenFileLock::lockPath(data)));
        QVERIFY(!OpenFileLock::otherHolder(data));
        OpenFileLock lock(data);
        QVERIFY(!lock.tryLock());
        for (const int fd : std::as_const(_sockets))
            ::close(fd);
        _sockets.clear();

        // Nothing waited: a hang would have run into the test's time limit instead.
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(HostileFilesTest)
#include "tst_hostilefiles.moc"
