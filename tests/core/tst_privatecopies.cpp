#include "DocumentFixtures.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileWriter.h"
#include "document/DocumentSnapshot.h"
#include "platform/AtomicFile.h"
#include "safety/BackupStore.h"
#include "safety/OpenFileLock.h"
#include "safety/RecoveryWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct stat statusOf(const QString &path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status;
}

int modeOf(const QString &path)
{
    return int(statusOf(path).st_mode & 07777);
}

/// The modes of the folder and of every folder between it and `top`.
QList<int> folderModes(QString folder, const QString &top)
{
    QList<int> modes;
    for (; folder != top && folder.startsWith(top); folder = QFileInfo(folder).path())
        modes << modeOf(folder);
    return modes;
}

} // namespace

/// The copies kept of a budget are as private as the budget, whatever the
/// umask; a saved budget keeps its mode and its group; the lock tells who
/// has the file and nothing more.
class PrivateCopiesTest : public QObject
{
    Q_OBJECT

private slots:
    void copiesAreNoMoreOpenThanTheBudget_data()
    {
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("dataMode");
        QTest::addColumn<int>("copyMode");
        QTest::newRow("umask 000, a budget for everyone to read") << 0000 << 0644 << 0600;
        QTest::newRow("umask 000, a budget for the household") << 0000 << 0660 << 0600;
        QTest::newRow("umask 077, a private budget") << 0077 << 0600 << 0600;
        QTest::newRow("umask 077, a budget only to read") << 0077 << 0400 << 0400;
        QTest::newRow("umask 022, a budget never saved") << 0022 << 0 << 0600;
    }

    void copiesAreNoMoreOpenThanTheBudget()
    {
        QFETCH(int, umask);
        QFETCH(int, dataMode);
        QFETCH(int, copyMode);
        QTemporaryDir dir;
        const mode_t before = ::umask(mode_t(umask));
        const auto restore = qScopeGuard([before] { ::umask(before); });

        BudgetDocument document;
        DocumentFixtures::addCategory(document, QStringLiteral("Food"));
        const QString data = dataMode ? dir.filePath(QStringLiteral("budget.txt")) : QString();
        if (dataMode) {
            QVERIFY(BudgetFileWriter::writeFile(document, data));
            QVERIFY(::chmod(QFile::encodeName(data).constData(), mode_t(dataMode)) == 0);
        }

        // A save: the same mode, and the group the file had (root can give it any).
        const bool otherGroup = dataMode && ::getuid() == 0;
        if (otherGroup)
            QVERIFY(::chown(QFile::encodeName(data).constData(), uid_t(-1), 65534) == 0);
        if (dataMode & 0200) {
            DocumentFixtures::addCategory(document, QStringLiteral("Rent"));
            QVERIFY(BudgetFileWriter::writeFile(document, data));
            QCOMPARE(modeOf(data), dataMode);
            if (otherGroup)
                QCOMPARE(int(statusOf(data).st_gid), 65534);
        }
        if (dataMode) {

            const QString backups = dir.filePath(QStringLiteral("data/Orrinwick/backups/budget.txt-1"));
            QString error;
            QCOMPARE(BackupStore(backups).keepCopyOf(data, QDateTime::currentDateTime(), &error), BackupStore::Copy::Kept);
            const QList<BackupStore::Version> kept = BackupStore(backups).versions();
            QCOMPARE(kept.size(), 1);
            QCOMPARE(modeOf(kept.first().path), copyMode);
            QCOMPARE(folderModes(backups, dir.path()), QList<int>(4, 0700));
        }

        const QString recovery = dir.filePath(QStringLiteral("state/Orrinwick/recovery/budget.txt-1"));
        {
            RecoveryWriter writer;
            writer.write(recovery, DocumentSnapshot::take(document), data);
            writer.waitForDone();
        }
        QVERIFY(QFile::exists(recovery));
        QCOMPARE(modeOf(recovery), copyMode);
        QCOMPARE(folderModes(QFileInfo(recovery).path(), dir.path()), QList<int>(3, 0700));
    }

    void theLockTellsWhoHasTheFileAndNothingMore()
    {
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("budget.txt"));
        OpenFileLock lock(data);
        QVERIFY(lock.tryLock());
        const QList<QByteArray> lines = AtomicFile::read(OpenFileLock::lockPath(data)).value_or("").split('\n');
        QCOMPARE(lines.size(), 5); // four lines, then nothing after the last line end
        QCOMPARE(lines[0], QByteArray::number(QCoreApplication::applicationPid()));
        QCOMPARE(lines[1], QByteArray("tst_privatecopies"));
        QCOMPARE(lines[2], QSysInfo::machineHostName().toUtf8());
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-un")});
        QVERIFY(id.waitForFinished());
        QCOMPARE(lines[3], id.readAllStandardOutput().trimmed());
        const QByteArray machine = QSysInfo::machineUniqueId();
        if (!machine.isEmpty())
            QVERIFY(!lines.contains(machine));
        const std::optional<OpenFileLock::Holder> holder = OpenFileLock::otherHolder(data);
        QVERIFY(holder);
        QCOMPARE(holder->pid, QCoreApplication::applicationPid());
        QCOMPARE(holder->user, QString::fromUtf8(lines[3]));
    }
};

QTEST_GUILESS_MAIN(PrivateCopiesTest)
#include "tst_privatecopies.moc"
