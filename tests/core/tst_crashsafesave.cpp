#include "document/BudgetDocument.h"
#include "document/BudgetFileWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

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
        document.addFixedRows();
        document.budgetTotals().fill(budget);
        for (int category = 0; category < 30; ++category) {
            const QString name = QStringLiteral("Category %1").arg(category);
            document.createCategory(name, QStringLiteral("0"));
            for (int month = 0; month < MonthTables::kMonthCount; ++month) {
                EntryList *list = document.entryList(name, month);
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

private slots:
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

        // Kill at moments spread over the time one whole conversion takes here.
        QProcess timed;
        QElapsedTimer clock;
        clock.start();
        timed.start(QStringLiteral(ORRINWICK_BINARY),
                    {QStringLiteral("--convert"), secondPath, target, QStringLiteral("--no-sort")});
        QVERIFY(timed.waitForFinished());
        const int conversionMs = qMax(int(clock.elapsed()), 5);

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
        // No temporary file is left behind that a later save could trip over.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    }
};

QTEST_GUILESS_MAIN(CrashSafeSaveTest)
#include "tst_crashsafesave.moc"
