#include "DocumentFixtures.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <limits>

/// Kills the program with SIGKILL at random moments while it writes a large
/// budget file: the file on disk must always be one whole image, never a mix
/// or a cut-off file.
class CrashSafeSaveTest : public QObject
{
    Q_OBJECT

private:
    static QByteArray largeImage(const QString &budget, int entriesPerList)
    {
        BudgetDocument document;
        DocumentFixtures::setBudgets(document, budget);
        for (int category = 0; category < 30; ++category) {
            const QString name = QStringLiteral("Category %1").arg(category);
            DocumentFixtures::addCategory(document, name);
            for (int month = 0; month < MonthTables::kMonthCount; ++month) {
                EntryList *list = &DocumentFixtures::entries(document, name, month);
                for (int i = 0; i < entriesPerList; ++i)
                    list->append({QString::number(i % 28 + 1), QStringLiteral("Shop %1").arg(i),
                                  QStringLiteral("%1.%2").arg(i).arg(category), QStringLiteral("note"),
                                  QStringLiteral(" ")});
            }
        }
        return BudgetFileWriter::buildData(document);
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    static int convert(const QString &from, const QString &to)
    {
        QProcess program;
        program.start(QStringLiteral(ORRINWICK_BINARY), {QStringLiteral("--convert"), from, to, QStringLiteral("--no-sort")});
        return program.waitForFinished() && program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

    QTemporaryDir _home;

private slots:
    void initTestCase()
    {
        // The runs keep backups of the file they replace: in this folder, not the user's.
        QVERIFY(_home.isValid());
        qputenv("HOME", _home.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", _home.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", _home.filePath(QStringLiteral("config")).toLocal8Bit());
    }

    void aKilledSaveLeavesTheOldOrTheNewImage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Two sources of different content; each run converts one of them over the same target.
        const QByteArray first = largeImage(QStringLiteral("1000"), 120);
        const QByteArray second = largeImage(QStringLiteral("2000"), 140);
        const QString firstPath = dir.filePath(QStringLiteral("first.txt"));
        const QString secondPath = dir.filePath(QStringLiteral("second.txt"));
        const QString target = dir.filePath(QStringLiteral("budget.txt"));
        writeFile(firstPath, first);
        writeFile(secondPath, second);
        writeFile(target, first);

        // Kill at moments spread over the time one whole conversion takes here;
        // the quickest of three, so that a busy moment does not push most kills past the end.
        int conversionMs = std::numeric_limits<int>::max();
        for (int timing = 0; timing < 3; ++timing) {
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(convert(secondPath, target), 0);
            conversionMs = qMin(conversionMs, qMax(int(clock.elapsed()), 5));
        }

        QRandomGenerator random(20261207);
        int killedWhileRunning = 0;
        for (int run = 0; run < 100; ++run) {
            QProcess program;
            program.start(QStringLiteral(ORRINWICK_BINARY),
                          {QStringLiteral("--convert"), run % 2 ? firstPath : secondPath, target, QStringLiteral("--no-sort")});
            QVERIFY(program.waitForStarted());
            QTest::qWait(int(random.bounded(conversionMs)));
            if (program.state() == QProcess::Running) {
                ::kill(pid_t(program.processId()), SIGKILL);
                ++killedWhileRunning;
            }
            if (program.state() != QProcess::NotRunning)
                QVERIFY(program.waitForFinished());

            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray onDisk = file.readAll();
            QVERIFY2(onDisk == first || onDisk == second,
                     qPrintable(QStringLiteral("run %1 left %2 bytes that are neither image").arg(run).arg(onDisk.size())));
        }
        qInfo("%d of 100 runs killed while converting", killedWhileRunning);
        // Most kills must land while the program is at work, or the test proves nothing.
        QVERIFY2(killedWhileRunning >= 50, qPrintable(QString::number(killedWhileRunning)));
        // A kill in the instant between naming the new image and renaming it over
        // the target can leave that image under a random name; nothing can tidy up
        // after SIGKILL. What matters is that no fixed-name leftover blocks a later
        // save: the lock of a killed run (or its removal's) is stale, and the next run
        // takes it over.
        const QRegularExpression orphan(QRegularExpression::anchoredPattern(
            QStringLiteral("budget\\.txt\\.\\w{6}|\\.budget\\.txt\\.lock(\\.rmlock)*")));
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (name != QLatin1String("budget.txt") && name != QLatin1String("first.txt") && name != QLatin1String("second.txt"))
                QVERIFY2(orphan.match(name).hasMatch(), qPrintable(name));
        }
        QCOMPARE(convert(firstPath, target), 0);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == first);
    }
};

QTEST_GUILESS_MAIN(CrashSafeSaveTest)
#include "tst_crashsafesave.moc"
