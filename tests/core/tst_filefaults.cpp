#include "DocumentFixtures.h"
#include "TestDocumentHost.h"
#include "document/BudgetFileWriter.h"
#include "platform/ScriptedAlerts.h"
#include "platform/Settings.h"
#include "sync/DocumentSync.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace DocumentFixtures;

/// Faults around the data file: each one is reported, the document stays as
/// it is in memory, and nothing on disk is lost.
class FileFaultsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir _dir;
    std::unique_ptr<Settings> _settings;
    ScriptedAlerts _alerts;
    TestHost _host;
    std::unique_ptr<BudgetDocument> _document;
    std::unique_ptr<DocumentSync> _sync;

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    void fillDocument()
    {
        DocumentFixtures::setBudgets(*_document, QStringLiteral("2500"));
        DocumentFixtures::addCategory(*_document, QStringLiteral("Food"));
        addItem(*_document, QStringLiteral("Food"), 0, QStringLiteral("5"), QStringLiteral("Market"), QStringLiteral("45.10"));
        DocumentFixtures::recalculate(*_document);
    }

    void writeOldFile(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("; ****** MONTHLY_BUDGET ******\r\nVer 1\r\n");
    }

    void expectWriteWarning(const QString &path)
    {
        QCOMPARE(_alerts.shown().size(), 1);
        QCOMPARE(_alerts.shown().first().title, QStringLiteral("WARNING"));
        QCOMPARE(_alerts.shown().first().message, QStringLiteral("Data File %1 could not be opened for write!\n").arg(path));
    }

    void expectDocumentIntact()
    {
        QCOMPARE(_document->getCatArray().size(), kFirstCategoryRow + 1);
        QCOMPARE(cell(*_document, QStringLiteral("Food"), u"jan"), QStringLiteral("45.1"));
    }

private slots:
    void init()
    {
        QVERIFY(_dir.isValid());
        _settings = Settings::inMemory();
        _settings->registerDefaults();
        _alerts.clear();
        _host = TestHost();
        _document = std::make_unique<BudgetDocument>();
        _sync = std::make_unique<DocumentSync>(*_document, _host, *_settings, _alerts, nullptr);
        fillDocument();
    }

    void cleanup()
    {
        _sync.reset();
        _document.reset();
        QFile::setPermissions(_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void aFolderThatCannotBeWrittenKeepsTheOldFile()
    {
        const QString folder = _dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/budget.txt");
        writeOldFile(path);
        const QByteArray old = readAll(path);
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders; the next case covers it");

        QVERIFY(!_sync->saveToFile(path, false));
        expectWriteWarning(path);
        QCOMPARE(readAll(path), old);
        expectDocumentIntact();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void aFileSystemThatCannotBeWrittenIsReported()
    {
        // Not even root may create files in /proc.
        const QString path = QStringLiteral("/proc/orrinwick-budget.txt");
        QVERIFY(!_sync->saveToFile(path, false));
        expectWriteWarning(path);
        QVERIFY(!QFile::exists(path));
        expectDocumentIntact();
    }

    void aFullDiskKeepsTheOldFile()
    {
        const QString folder = _dir.filePath(QStringLiteral("full"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/budget.txt");
        writeOldFile(path);
        const QByteArray old = readAll(path);
        // A file-size limit makes every write past it fail with EFBIG, as on a full disk.
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 40;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = _sync->saveToFile(path, false);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        QVERIFY(!written);
        expectWriteWarning(path);
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("budget.txt")});
        expectDocumentIntact();
    }

    void aDataFileReplacedByAFolderIsNeitherReadNorOverwritten()
    {
        const QString path = _dir.filePath(QStringLiteral("folder.txt"));
        QVERIFY(QDir().mkpath(path));
        QVERIFY(!_sync->saveToFile(path, false));
        expectWriteWarning(path);
        QVERIFY(QFileInfo(path).isDir());
        expectDocumentIntact();

        _alerts.clear();
        _host.fileName = path;
        _sync->loadFromFile(path, true, false);
        QCOMPARE(_alerts.titles(), QStringList{QStringLiteral("WARNING")});
        QCOMPARE(_alerts.shown().first().message,
                 QStringLiteral("File %1 was not opened: %1 is a folder, not a file.\n").arg(path));
        QCOMPARE(_host.fileName, QString());
        QVERIFY(QFileInfo(path).isDir());
    }

    void awkwardPathsSaveAndLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("my budget 2026.txt");
        QTest::newRow("non-ASCII") << QStringLiteral("Haushaltsbuch Ä ö 家計簿.txt");
        QTest::newRow("leading dash") << QStringLiteral("-budget.txt");
        QTest::newRow("leading dashes") << QStringLiteral("--report.txt");
    }

    void awkwardPathsSaveAndLoad()
    {
        QFETCH(QString, name);
        const QString path = _dir.filePath(name);
        QVERIFY(_sync->saveToFile(path, false));
        QVERIFY(_alerts.shown().isEmpty());
        const QByteArray image = BudgetFileWriter::buildData(*_document);
        QCOMPARE(readAll(path), image);

        _sync->loadFromFile(path, true, false);
        QVERIFY(_alerts.shown().isEmpty());
        expectDocumentIntact();

        // On the command line a name that begins with "-" is an option, as with every tool; after "--" it is a file.
        QProcess report;
        report.setWorkingDirectory(_dir.path());
        report.start(QStringLiteral(ORRINWICK_BINARY), {QStringLiteral("--report"), QStringLiteral("--"), name});
        QVERIFY(report.waitForFinished());
        QCOMPARE(report.exitCode(), 0);
        QVERIFY(report.readAllStandardOutput().contains("Food\t45.1"));
    }
};

QTEST_GUILESS_MAIN(FileFaultsTest)
#include "tst_filefaults.moc"
