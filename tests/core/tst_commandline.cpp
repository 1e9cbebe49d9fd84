#include "FileContents.h"
#include "safety/OpenFileLock.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kFoodMarket = QStringLiteral(ORRINWICK_TEST_DATA "/food-market.txt");
const QString kVersion0 = QStringLiteral(ORRINWICK_TEST_DATA "/version0.txt");
const QString kNotes = QStringLiteral(ORRINWICK_TEST_DATA "/notes.txt");

QString row(const QStringList &cells)
{
    return cells.join(u'\t') + u'\n';
}

QStringList repeated(const QString &text, int times)
{
    QStringList cells;
    for (int i = 0; i < times; ++i)
        cells << text;
    return cells;
}

const QString kSeparatorRow = row(repeated(QStringLiteral("-----"), 14));

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reportsTheGrid_data();
    void reportsTheGrid();
    void answersWithStatusAndMessages_data();
    void answersWithStatusAndMessages();
    void convertWritesTheCurrentLayout();
    void convertKeepsFileOrderWithNoSort();
    void convertReportsAnUnwritableTarget();
    void leavesTheUserSettingsAlone();
    void modesThatWriteAFileSaveAsTheWindowDoes_data();
    void modesThatWriteAFileSaveAsTheWindowDoes();
    void windowWithoutADisplaySaysSoInOneLine_data();
    void windowWithoutADisplaySaysSoInOneLine();

private:
    Run run(const QStringList &arguments, const QString &display = {});

    QTemporaryDir _home;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(_home.isValid());
    QVERIFY(QFile::exists(QStringLiteral(ORRINWICK_BINARY)));
}

Run TestCommandLine::run(const QStringList &arguments, const QString &display)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Any settings or recent-file list the program touched would land here.
    environment.insert(QStringLiteral("HOME"), _home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), _home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), _home.filePath(QStringLiteral("data")));
    environment.remove(QStringLiteral("DISPLAY"));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORRINWICK_BINARY), arguments);
    Run result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void TestCommandLine::reportsTheGrid_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");

    const QString budget = row(QStringList{"Budget"} + repeated("2500", 12) + QStringList{""});
    const QString food = row(QStringList{"Food", "45.1"} + repeated("0", 11) + QStringList{"45"});
    QTest::newRow("stored texts")
        << QStringList{} << budget + row(QStringList{"Remain", "2454.9"} + repeated("2500", 11) + QStringList{""})
                                + kSeparatorRow + food;
    QTest::newRow("no sort gives the same sums")
        << QStringList{"--no-sort"} << budget + row(QStringList{"Remain", "2454.9"} + repeated("2500", 11) + QStringList{""})
                                           + kSeparatorRow + food;
    QTest::newRow("as displayed")
        << QStringList{"--display"} << budget + row(QStringList{"Remain", "2454"} + repeated("2500", 11) + QStringList{""})
                                           + kSeparatorRow + row(QStringList{"Food", "45"} + repeated("0", 11) + QStringList{"45"});
    QTest::newRow("envelope")
        << QStringList{"--envelope"}
        << row(QStringList{"Budget", "300"} + repeated("0", 11) + QStringList{""})
               + row(QStringList{"Remain", "254.9"} + repeated("0", 11) + QStringList{""}) + kSeparatorRow
               + row(QStringList{"Food", "254.9"} + repeated("0", 11) + QStringList{"254"});
    QTest::newRow("envelope as displayed, options first")
        << QStringList{"--display", "--envelope"}
        << row(QStringList{"Budget", "300"} + repeated("0", 11) + QStringList{""})
               + row(QStringList{"Remain", "254"} + repeated("0", 11) + QStringList{""}) + kSeparatorRow
               + row(QStringList{"Food", "254"} + repeated("0", 11) + QStringList{"254"});
}

void TestCommandLine::reportsTheGrid()
{
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    QStringList arguments = options;
    // Options may stand before or after the file.
    if (options.size() > 1)
        arguments << QStringLiteral("--report") << kFoodMarket;
    else
        arguments = QStringList{QStringLiteral("--report"), kFoodMarket} + options;
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(QString::fromUtf8(result.out), expected);
    QCOMPARE(result.err, QByteArray());
}

void TestCommandLine::answersWithStatusAndMessages_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("outStart");
    QTest::addColumn<QString>("errPart");

    const QString missing = QStringLiteral(ORRINWICK_TEST_DATA "/no-such-file.txt");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: orrinwick" << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "orrinwick " ORRINWICK_VERSION "\n" << "";
    QTest::newRow("missing file") << QStringList{"--report", missing} << 1 << ""
                                  << QStringLiteral("WARNING: Source File %1 not found!").arg(missing);
    QTest::newRow("not a budget file") << QStringList{"--report", kNotes} << 1 << "" << "not a budget file";
    QTest::newRow("report without file") << QStringList{"--report"} << 2 << "" << "--report needs FILE";
    QTest::newRow("report with an option for file") << QStringList{"--report", "--display"} << 2 << ""
                                                    << "--report needs FILE";
    QTest::newRow("convert without out") << QStringList{"--convert", kVersion0} << 2 << "" << "--convert needs IN and OUT";
    QTest::newRow("short help") << QStringList{"-h"} << 0 << "Usage: orrinwick" << "";
    QTest::newRow("unknown option, before a file")
        << QStringList{"--reprot", kFoodMarket} << 2 << "" << "orrinwick: unknown option --reprot\n\nUsage: orrinwick";
    QTest::newRow("file named like an option") << QStringList{"--report", "-food.txt"} << 2 << ""
                                               << "orrinwick: unknown option -food.txt\n";
    QTest::newRow("file named like an option, after --")
        << QStringList{"--report", "--", "-food.txt"} << 1 << "" << "Source File -food.txt not found";
    QTest::newRow("option of another mode")
        << QStringList{"--convert", kVersion0, "/tmp/never-written.txt", "--envelope"} << 2 << ""
        << "orrinwick: --envelope works only with --report and --pdf\n";
    QTest::newRow("window option with a mode") << QStringList{"--report", kFoodMarket, "--quit-when-shown"} << 2 << ""
                                               << "orrinwick: --quit-when-shown works only with the window\n";
    QTest::newRow("two modes") << QStringList{"--report", kFoodMarket, "--version"} << 2 << ""
                               << "orrinwick: --report and --version cannot be given together\n";
    QTest::newRow("a second file") << QStringList{"--report", kFoodMarket, kNotes} << 2 << ""
                                   << QStringLiteral("orrinwick: unexpected argument %1\n").arg(kNotes);
    QTest::newRow("convert from a missing file") << QStringList{"--convert", missing, "/tmp/never-written.txt"} << 1
                                                 << "" << "not found";
}

void TestCommandLine::answersWithStatusAndMessages()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, outStart);
    QFETCH(QString, errPart);
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    if (outStart.isEmpty())
        QCOMPARE(result.out, QByteArray());
    else
        QVERIFY2(result.out.startsWith(outStart.toUtf8()), result.out.constData());
    if (errPart.isEmpty())
        QCOMPARE(result.err, QByteArray());
    else
        QVERIFY2(result.err.contains(errPart.toUtf8()), result.err.constData());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/never-written.txt")));
}

void TestCommandLine::convertWritesTheCurrentLayout()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("converted.txt"));
    const Run result = run({QStringLiteral("--convert"), kVersion0, out});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray());
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("; ****** MONTHLY_BUDGET ******\r\nVer 1\r\n1200\r\n1210\r\n"));
    QVERIFY(bytes.contains("\r\n150\t \r\n0\t\r\n__ENVELOPE__\r\n12\tR\r\n3\tcorner shop\r\nBread\r\n"));
    QVERIFY(bytes.contains("\r\n\t7\r\n9\t\r\nRefund\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(!bytes.contains("\r\r") && bytes.count('\n') == bytes.count("\r\n"));

    // The converted file reports as the old one did.
    QCOMPARE(run({QStringLiteral("--report"), out}).out, run({QStringLiteral("--report"), kVersion0}).out);
}

void TestCommandLine::convertKeepsFileOrderWithNoSort()
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.txt"));
    QByteArray bytes = "Ver 1\r\n" + QByteArray("0\r\n").repeated(12) + "Food\r\n3\r\n0\t \r\n0\t\r\n__ENVELOPE__\r\n"
                       "1\t \r\n20\t\r\nLate\r\n2\t \r\n3\t\r\nEarly\r\n" + QByteArray("0\r\n").repeated(11);
    QFile file(in);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    const auto convertedOrder = [&](const QStringList &options) {
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        run(QStringList{QStringLiteral("--convert"), in, out} + options);
        QFile converted(out);
        if (!converted.open(QIODevice::ReadOnly))
            return qsizetype(0);
        const QByteArray text = converted.readAll();
        return text.indexOf("Late") - text.indexOf("Early");
    };
    QVERIFY(convertedOrder({}) > 0);
    QVERIFY(convertedOrder({QStringLiteral("--no-sort")}) < 0);
}

void TestCommandLine::convertReportsAnUnwritableTarget()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("no/such/folder/out.txt"));
    const Run result = run({QStringLiteral("--convert"), kFoodMarket, out});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QVERIFY(result.err.contains(QStringLiteral("Data File %1 could not be opened for write!").arg(out).toUtf8()));
}

void TestCommandLine::leavesTheUserSettingsAlone()
{
    QTemporaryDir dir;
    run({QStringLiteral("--report"), kFoodMarket});
    run({QStringLiteral("--convert"), kFoodMarket, dir.filePath(QStringLiteral("copy.txt"))});
    run({QStringLiteral("--help")});
    // Only the backups of the files written over may be there (an earlier test converts twice to one file).
    QStringList touched;
    for (QDirIterator file(_home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); file.hasNext();) {
        if (!file.next().contains(QStringLiteral("/backups/")))
            touched << file.filePath();
    }
    QCOMPARE(touched, QStringList());
}

void TestCommandLine::windowWithoutADisplaySaysSoInOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display");
    QTest::newRow("no display") << QStringList{kFoodMarket} << QString();
    QTest::newRow("display that does not answer") << QStringList{} << QStringLiteral(":4711");
    QTest::newRow("quit when shown") << QStringList{"--quit-when-shown"} << QString();
    QTest::newRow("Qt's own options are Qt's") << QStringList{"-style", "fusion", "-session", "s1", kFoodMarket}
                                               << QString();
}

void TestCommandLine::windowWithoutADisplaySaysSoInOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    const Run result = run(arguments, display);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(result.err, QByteArray("orrinwick: no display to open the window on; --report, --convert, --import, "
                                    "--new-year, --pdf, --compare and --tags work without one\n"));
}


void TestCommandLine::modesThatWriteAFileSaveAsTheWindowDoes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("held"); // OUT is open in another Orrinwick (this test holds its lock)
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("replaced"); // OUT was written; its old bytes are the one backup
    QTest::newRow("--convert over an existing file keeps it with the backups") << "--convert" << false << 0 << "" << true;
    QTest::newRow("--convert over a file open elsewhere") << "--convert" << true << 1 << "is open in Orrinwick on" << false;
    QTest::newRow("--new-year into a name open elsewhere") << "--new-year" << true << 1 << "is open in Orrinwick on"
                                                           << false;
    QTest::newRow("--new-year into an existing name") << "--new-year" << false << 1 << "already exists" << false;
}

void TestCommandLine::modesThatWriteAFileSaveAsTheWindowDoes()
{
    QFETCH(QString, mode);
    QFETCH(bool, held);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("budget.txt"));
    QVERIFY(QFile::copy(kVersion0, out));
    const QByteArray before = fileContents(out);
    OpenFileLock elsewhere(out);
    if (held)
        QVERIFY(elsewhere.tryLock());
    const QString data = _home.filePath(QStringLiteral("data"));
    QDir(data).removeRecursively();

    const Run result = run({mode, kFoodMarket, out});

    QCOMPARE(result.exitCode, status);
    QVERIFY2(result.err.contains(said.toUtf8()), result.err.constData());
    QCOMPARE(fileContents(out) != before, replaced);
    QStringList backups;
    for (QDirIterator file(data, QDir::Files, QDirIterator::Subdirectories); file.hasNext();)
        backups << file.next();
    QCOMPARE(backups.size(), replaced ? 1 : 0);
    if (replaced)
        QCOMPARE(fileContents(backups.first()), before);
    // The lock the mode took goes with it.
    if (!held)
        QVERIFY(!QFileInfo::exists(OpenFileLock::lockPath(out)));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
