#include "DocumentCompare.h"
#include "FileContents.h"
#include "ImportFixtures.h"
#include "ProgramRun.h"
#include "safety/OpenFileLock.h"
#include "splits/SplitLinks.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

class ImportCommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void importsWithoutAWindow_data()
    {
        QTest::addColumn<QString>("statement"); // a test statement, or the text of one
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("withRule");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");     // on standard output, or error output when the status is not 0
        QTest::addColumn<QByteArray>("may");   // the register of May afterwards; empty: the file is unchanged
        const QString csv = QStringLiteral("statement-comma.csv");
        const QStringList none;
        const QByteArray unchanged;
        QTest::newRow("CSV columns by their names") << csv << none << false << 0 << "Added 5 of 10 lines"
                                                    << ImportFixtures::kImportedMay;
        QTest::newRow("QIF") << "statement-dotted.qif" << none << false << 0
                             << "2026-05-12\t23.99\tGarden centre\t\tno category" << ImportFixtures::kImportedMay;
        QTest::newRow("dry run") << csv << QStringList{"--dry-run"} << false << 0 << "Would add 5 of 10 lines"
                                 << unchanged;
        QTest::newRow("credits taken") << csv << QStringList{"--credits"} << false << 0
                                       << "2026-05-22\t-6.50\tPharmacy\tHealth\tadded"
                                       << ImportFixtures::kImportedMay + "22,Health,Pharmacy,-6.50,,no\r\n";
        QTest::newRow("another year") << csv << QStringList{"--year", "2025"} << false << 0
                                      << "Added 1 of 10 lines to household.txt (2025)"
                                      << QByteArray("Day,Category,Description,Amount,Note,Reconciled\r\n");
        QTest::newRow("a saved rule") << csv << none << true << 0 << "Garden centre\tGroceries\tadded"
                                      << ImportFixtures::kImportedMay.left(ImportFixtures::kImportedMay.indexOf("8,Util"))
                + "12,Groceries,Garden centre,23.99,,no\r\n"
                + ImportFixtures::kImportedMay.sliced(ImportFixtures::kImportedMay.indexOf("8,Util"));
        QTest::newRow("unknown CSV columns") << "text:When,What,How much\n2026-05-02,Market,-5.00\n" << none << false
                                             << 1 << "columns are When, What" << unchanged;
        QTest::newRow("unreadable statement") << "text:Date,Description,Amount\n2026-05-02,\"Market,-5\n" << none
                                              << false << 1 << "reading stopped at line 2" << unchanged;
        QTest::newRow("a format that does not fit") << csv << QStringList{"--format", "ofx"} << false << 1
                                                    << "no <OFX> element" << unchanged;
        QTest::newRow("no such budget") << csv << QStringList{"--into", "missing.txt"} << false << 1 << ""
                                        << unchanged;
        QTest::newRow("the saved year, a line falling in it") << csv << QStringList{"--saved-year", "2025"} << false << 0
                                                              << "Added 1 of 10 lines to household.txt (2025)"
                                                              << QByteArray("Day,Category,Description,Amount,Note,Reconciled\r\n");
        QTest::newRow("a saved year no line falls in") << csv << QStringList{"--saved-year", "2024"} << false << 0
                                                       << "Added 5 of 10 lines to household.txt (2026)"
                                                       << ImportFixtures::kImportedMay;
        QTest::newRow("the budget open in another Orrinwick") << csv << QStringList{"--held"} << false << 1
                                                              << QStringLiteral("is open in Orrinwick on %1 (process %2)")
                                                                     .arg(QSysInfo::machineHostName())
                                                                     .arg(QCoreApplication::applicationPid())
                                                              << unchanged;
        QTest::newRow("a dry run of a budget open elsewhere") << csv << QStringList{"--held", "--dry-run"} << false << 0
                                                              << "Would add 5 of 10 lines" << unchanged;
        QTest::newRow("a year that is none") << csv << QStringList{"--year", "soon"} << false << 2
                                             << "--year takes a year" << unchanged;
    }

    void importsWithoutAWindow()
    {
        QFETCH(QString, statement);
        QFETCH(QStringList, options);
        QFETCH(bool, withRule);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QByteArray, may);
        QTemporaryDir home;
        const QString budget = home.filePath(QStringLiteral("household.txt"));
        QVERIFY(QFile::copy(ImportFixtures::kSample, budget));
        QFile::setPermissions(budget, QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray before = fileContents(budget);
        QString statementPath = ImportFixtures::kFolder + statement;
        if (statement.startsWith(QStringLiteral("text:"))) {
            statementPath = home.filePath(QStringLiteral("statement.csv"));
            QFile file(statementPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(statement.sliced(5).toUtf8());
        }
        // The options the test acts out itself rather than passing them on.
        const qsizetype into = options.indexOf(QStringLiteral("--into"));
        const QString target = into >= 0 ? home.filePath(options.takeAt(into + 1)) : budget;
        if (into >= 0)
            options.removeAt(into);
        const qsizetype savedYear = options.indexOf(QStringLiteral("--saved-year"));
        const int year = savedYear >= 0 ? options.takeAt(savedYear + 1).toInt() : 0;
        if (savedYear >= 0)
            options.removeAt(savedYear);
        OpenFileLock otherWindow(budget);
        if (options.removeAll(QStringLiteral("--held")) > 0)
            QVERIFY(otherWindow.tryLock());
        {
            // The program's own settings file, as it reads it from the user's configuration.
            QSettings saved(home.filePath(QStringLiteral("config/Orrinwick/Orrinwick.conf")), QSettings::IniFormat);
            if (withRule)
                saved.setValue(QStringLiteral("ImportRules"),
                               QVariantList{QVariantMap{{QStringLiteral("contains"), QStringLiteral("GARDEN")},
                                                        {QStringLiteral("category"), QStringLiteral("Groceries")}}});
            if (year > 0)
                saved.setValue(QStringLiteral("ImportYears"), QVariantMap{{QFileInfo(budget).absoluteFilePath(), year}});
        }

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(environment);
        // Options go before the files as well as after them.
        process.start(QStringLiteral(ORRINWICK_BINARY),
                      QStringList{"--import"} + options + QStringList{statementPath, target});
        QVERIFY(process.waitForFinished(30000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), status);
        QVERIFY2((status == 0 ? out : err).contains(said), qPrintable(out + err));
        if (may.isEmpty()) {
            QCOMPARE(fileContents(budget), before);
            return;
        }
        const std::unique_ptr<BudgetDocument> after = DocumentCompare::loaded(budget, false, true);
        QVERIFY(after);
        QCOMPARE(CsvExport::monthRegister(*after, 4), may);
    }

    void qifSplitsEnterOnceAndLastTimesSplitIsForTheWindow()
    {
        QTemporaryDir home;
        const QString budget = home.filePath(QStringLiteral("household.txt"));
        QVERIFY(QFile::copy(ImportFixtures::kSample, budget));
        QFile::setPermissions(budget, QFile::ReadOwner | QFile::WriteOwner);
        const auto run = [&home, &budget](const QString &statement) {
            const ProgramRun run = ProgramRun::start(QStringLiteral(ORRINWICK_BINARY),
                                                     {QStringLiteral("--import"), statement, budget}, home.path());
            return QString::fromUtf8(run.out + run.err);
        };
        const QString splits = ImportFixtures::kFolder + QStringLiteral("statement-splits.qif");
        QString out = run(splits);
        for (const char *said : {"2026-05-03\t84.20\tMarket\tGroceries, Health\tadded as a split of 2 parts",
                                 "Garden centre\t(none), Health\tno category",
                                 "Pharmacy\tHealth\tadded; its parts add up to 35, not 40.00, so it enters whole",
                                 "Added 4 of 5 lines"})
            QVERIFY2(out.contains(QString::fromUtf8(said)), qPrintable(out));
        QVERIFY2(run(splits).contains(QStringLiteral("Added 0 of 5 lines")), qPrintable(out));

        const QString another = home.filePath(QStringLiteral("another.qif"));
        QFile file(another);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("!Type:Bank\nD2026-05-24\nT-42.10\nPMarket\n^\n");
        file.close();
        out = run(another);
        QVERIFY2(out.contains(QStringLiteral("Market\tHealth\tadded whole; the window proposes to split it as last time")),
                 qPrintable(out));
        const std::unique_ptr<BudgetDocument> after = DocumentCompare::loaded(budget, false, true);
        QVERIFY(after);
        QCOMPARE(SplitLinks::read(after->extensions()).size(), 2);
    }
};

QTEST_GUILESS_MAIN(ImportCommandLineTest)
#include "tst_importcommandline.moc"
