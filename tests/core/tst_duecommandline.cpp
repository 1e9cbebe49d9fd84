#include "FileContents.h"
#include "ProgramRun.h"
#include "RecurringFixture.h"

#include "platform/AtomicFile.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

namespace {

/// A 2026 budget with three recurring transactions: the rent entered by
/// itself, the power bill an estimate, the phone every two weeks.
QByteArray threeRecurring()
{
    BudgetDocument document;
    RecurringFixture::fill(document, 2026,
                           {QStringLiteral("20260101\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=1\tnone\tauto\tRent\tLandlord\t800\t\t20260101"),
                            QStringLiteral("20260110\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=10\tnone\task\tPower\tCity power\t~80\t\t20260110"),
                            QStringLiteral("20260109\tFREQ=WEEKLY;INTERVAL=2\tnone\task\tPhone\tMobile\t19.90\t\t20260306")});
    return BudgetFileWriter::buildData(document);
}

const QByteArray kDue = "2026-02-01\tRent\tLandlord\t800\n"
                        "2026-02-10\tPower\tCity power\t~80\n"
                        "2026-03-01\tRent\tLandlord\t800\n"
                        "2026-03-10\tPower\tCity power\t~80\n"
                        "2026-03-20\tPhone\tMobile\t19.90\n"
                        "2026-04-01\tRent\tLandlord\t800\n"
                        "2026-04-03\tPhone\tMobile\t19.90\n";

int backupCount(const QString &home)
{
    int count = 0;
    for (QDirIterator it(home + QStringLiteral("/data"), QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

class TestDueCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void dueOccurrencesArePrintedThenEnteredOnce()
    {
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("household-2026.txt"));
        QVERIFY(AtomicFile::write(file, threeRecurring()));
        const QStringList due{QStringLiteral("--due"), file, QStringLiteral("--until"), QStringLiteral("2026-04-05")};

        ProgramRun run = ProgramRun::start(QStringLiteral(ORRINWICK_BINARY), due, home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, kDue + "7 due up to 2026-04-05\n");
        QCOMPARE(fileContents(file), threeRecurring());

        run = ProgramRun::start(QStringLiteral(ORRINWICK_BINARY), due + QStringList{QStringLiteral("--enter")}, home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, kDue + "7 entered up to 2026-04-05\n");
        QCOMPARE(backupCount(home.path()), 1);
        const QByteArray entered = fileContents(file);
        QVERIFY(entered.contains(";@recurring\t20260101\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=1\tnone\tauto\tRent\tLandlord\t800\t\t20260401\r\n"));
        QVERIFY(entered.contains("80\t \r\n10\t\r\nCity power\r\n"));

        run = ProgramRun::start(QStringLiteral(ORRINWICK_BINARY), due + QStringList{QStringLiteral("--enter")}, home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("0 due up to 2026-04-05\n"));
        QCOMPARE(fileContents(file), entered);

        run = ProgramRun::start(QStringLiteral(ORRINWICK_BINARY),
                                {QStringLiteral("--due"), file, QStringLiteral("--until"), QStringLiteral("2026-04-10")},
                                home.path());
        QCOMPARE(run.out, QByteArray("2026-04-10\tPower\tCity power\t~80\n1 due up to 2026-04-10\n"));
    }

    void anUnreadableFileIsLeftAsItIs_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("no budget") << QByteArray("hello\r\n") << QStringList{QStringLiteral("--enter")};
        QTest::newRow("missing") << QByteArray() << QStringList{QStringLiteral("--enter")};
        QTest::newRow("bad date") << threeRecurring() << QStringList{QStringLiteral("--until"), QStringLiteral("April")};
    }

    void anUnreadableFileIsLeftAsItIs()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, options);
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("household-2026.txt"));
        if (!bytes.isEmpty())
            QVERIFY(AtomicFile::write(file, bytes));
        const ProgramRun run = ProgramRun::start(QStringLiteral(ORRINWICK_BINARY),
                                                 QStringList{QStringLiteral("--due"), file} + options, home.path());
        QCOMPARE(run.exitCode, options.contains(QStringLiteral("--until")) ? 2 : 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(fileContents(file), bytes);
        QCOMPARE(backupCount(home.path()), 0);
    }

    void aBrokenRecordIsNamedAndEntersNothing()
    {
        BudgetDocument document;
        RecurringFixture::fill(document, 2026, {QStringLiteral("20260101\tFREQ=MONTHLY\tnone\tauto\tGym\tFees\t30\t\t")});
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("household-2026.txt"));
        QVERIFY(AtomicFile::write(file, BudgetFileWriter::buildData(document)));
        const ProgramRun run = ProgramRun::start(QStringLiteral(ORRINWICK_BINARY),
                                                 {QStringLiteral("--due"), file, QStringLiteral("--until"),
                                                  QStringLiteral("2026-12-31")},
                                                 home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("0 due up to 2026-12-31\n"));
        QVERIFY2(run.err.contains("recurring transaction 1 cannot be read, the category \"Gym\" is not in this budget"),
                 run.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestDueCommandLine)
#include "tst_duecommandline.moc"
