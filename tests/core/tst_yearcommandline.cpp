#include "FileContents.h"
#include "ProgramRun.h"

#include "DocumentCompare.h"
#include "document/Decimal.h"
#include "year/MoneyText.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSample = QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt");

/// Lines of text with their runs of white space made one space.
QStringList normalizedLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(u'\n'))
        lines << line.simplified();
    return lines;
}

} // namespace

class TestYearCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(_home.isValid());
        QVERIFY(QFile::exists(QStringLiteral(ORRINWICK_BINARY)));
        // The PDF checks read the text back as any reader would.
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "tools/setup installs poppler-utils");
    }

    void nextYearKeepsTheBudgetWithoutTransactions_data()
    {
        QTest::addColumn<QStringList>("reportOptions");
        QTest::newRow("standard") << QStringList{};
        QTest::newRow("envelope amounts kept") << QStringList{"--envelope"};
    }

    void nextYearKeepsTheBudgetWithoutTransactions()
    {
        QFETCH(QStringList, reportOptions);
        QTemporaryDir dir;
        const QString next = dir.filePath(QStringLiteral("household-2027.txt"));
        QCOMPARE(run({QStringLiteral("--new-year"), kSample, next}).exitCode, 0);
        QVERIFY(fileContents(next).endsWith("; ****** ORRINWICK_EXTENSIONS 1 ******\r\n;@year\t2027\r\n"));

        const QStringList before = report(kSample, reportOptions);
        const QStringList spentBefore = report(kSample, {});
        const QStringList after = report(next, reportOptions);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after[0], before[0]); // the Budget row
        QCOMPARE(after[1].split(u'\t').mid(1, 12), after[0].split(u'\t').mid(1, 12)); // nothing spent
        for (int row = kFirstCategoryRow; row < after.size(); ++row) {
            const QStringList cells = after[row].split(u'\t');
            QCOMPARE(cells[0], before[row].section(u'\t', 0, 0));
            for (int month = 1; month <= 12; ++month) {
                // A category shows nothing spent, or in envelope mode its
                // whole envelope: what was left of it plus what was spent.
                const Decimal expected = reportOptions.isEmpty()
                    ? Decimal()
                    : Decimal::fromText(before[row].section(u'\t', month, month))
                        + Decimal::fromText(spentBefore[row].section(u'\t', month, month));
                QCOMPARE(cells[month], expected.toText());
            }
        }
    }

    void answersWithStatusAndMessages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errPart");

        QTest::newRow("new year without out") << QStringList{"--new-year", kSample} << 2 << "--new-year needs IN and OUT";
        QTest::newRow("new year over an existing file") << QStringList{"--new-year", kSample, kSample} << 1
                                                        << "already exists";
        QTest::newRow("new year from a missing file") << QStringList{"--new-year", "/no/such.txt", "@out"} << 1
                                                      << "not found";
        QTest::newRow("new year from a missing file named with a dash")
            << QStringList{"--new-year", "--", "-no-such.txt", "@out"} << 1 << "not found";
        QTest::newRow("pdf without out") << QStringList{"--pdf", kSample} << 2 << "--pdf needs FILE and OUT.pdf";
        QTest::newRow("pdf of month 13") << QStringList{"--pdf", kSample, "@out", "--month", "13"} << 2
                                         << "--month needs a month number from 1 to 12";
        QTest::newRow("pdf of a missing file") << QStringList{"--pdf", "/no/such.txt", "@out"} << 1 << "not found";
        QTest::newRow("pdf into a missing folder") << QStringList{"--pdf", kSample, "/no/such/folder/x.pdf"} << 1
                                                   << "could not be written";
    }

    void answersWithStatusAndMessages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, errPart);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        arguments.replaceInStrings(QStringLiteral("@out"), out);
        const QByteArray sample = fileContents(kSample);
        const ProgramRun result = run(arguments);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(errPart.toUtf8()), result.err.constData());
        QVERIFY(!QFile::exists(out));
        QCOMPARE(fileContents(kSample), sample);
    }

    void gridPdfHoldsEveryFigureAsShownOnOneLandscapePage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("pageSize");
        QTest::newRow("A4 in Britain") << "en_GB.UTF-8" << QStringList{} << "842 x 595 pts (A4)";
        QTest::newRow("Letter in the United States") << "en_US.UTF-8" << QStringList{} << "792 x 612 pts (letter)";
        QTest::newRow("A4 in Germany, envelope mode") << "de_DE.UTF-8" << QStringList{"--envelope"}
                                                      << "842 x 595 pts (A4)";
        QTest::newRow("Letter in Canada") << "fr_CA.UTF-8" << QStringList{} << "792 x 612 pts (letter)";
    }

    void gridPdfHoldsEveryFigureAsShownOnOneLandscapePage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, options);
        QFETCH(QString, pageSize);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("grid.pdf"));
        const QStringList environment{QStringLiteral("LC_ALL=") + locale};
        // Options go before the files as well as after them.
        QCOMPARE(run(QStringList{QStringLiteral("--pdf")} + options + QStringList{kSample, pdf}, environment).exitCode, 0);

        const QString info = QString::fromUtf8(tool(QStringLiteral("pdfinfo"), {pdf}));
        QVERIFY2(info.contains(QStringLiteral("Pages:           1\n")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Page size:       ") + pageSize), qPrintable(info));

        // Each row of the grid, as the grid shows it, is one line of the page.
        const QStringList lines = pdfLines(pdf);
        const QStringList grid = report(kSample, options + QStringList{QStringLiteral("--display")});
        for (int row = 0; row < grid.size(); ++row) {
            if (row == kDashRowIndex)
                continue;
            const QString shown = normalizedLines(QString(grid[row]).replace(u'\t', u' ')).first();
            QVERIFY2(lines.contains(shown), qPrintable(shown + QStringLiteral("\nnot in:\n") + lines.join(u'\n')));
        }
    }

    void registerPdfHoldsEveryRecordOfTheMonth_data()
    {
        QTest::addColumn<int>("month");
        QTest::newRow("January") << 1;
        QTest::newRow("April, the last with records") << 4;
        QTest::newRow("December, empty") << 12;
    }

    void registerPdfHoldsEveryRecordOfTheMonth()
    {
        QFETCH(int, month);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("month.pdf"));
        QCOMPARE(run({QStringLiteral("--pdf"), kSample, pdf, QStringLiteral("--month"), QString::number(month)})
                     .exitCode, 0);
        const QStringList lines = pdfLines(pdf);

        const std::unique_ptr<BudgetDocument> sample = DocumentCompare::loaded(kSample, false, true);
        const BudgetDocument &document = *sample;
        Decimal spent;
        for (const QString &category : DocumentFixtures::categoryNames(document)) {
            const EntryList &list = *document.entryList(category, month - 1);
            for (qsizetype at = 1; at < list.size(); ++at) {
                const Entry &entry = list[at];
                const Decimal amount = Decimal::fromText(entry.amount);
                spent += amount;
                QString record = QStringList{entry.day, entry.desc, category, moneyText(amount), entry.note}
                                     .join(u' ').simplified();
                if (entry.reconciled == u"R")
                    record += QStringLiteral(" ✓");
                const qsizetype expected = std::count_if(list.cbegin() + 1, list.cend(),
                                                         [&entry](const Entry &other) { return other == entry; });
                QVERIFY2(lines.count(record) == expected, qPrintable(record));
            }
        }
        const Decimal budget = Decimal::fromText(document.budgetTotals()[std::size_t(month - 1)]);
        QVERIFY(lines.contains(QStringLiteral("Budget ") + moneyText(budget)));
        QVERIFY(lines.contains(QStringLiteral("Remaining ") + moneyText(budget - spent)));
    }

private:
    ProgramRun run(const QStringList &arguments, const QStringList &environment = {}) const
    {
        return ProgramRun::start(QStringLiteral(ORRINWICK_BINARY), arguments, _home.path(), environment);
    }

    /// The rows of --report, one text per row with the cells separated by tabs.
    QStringList report(const QString &file, const QStringList &options) const
    {
        return QString::fromUtf8(run(QStringList{QStringLiteral("--report"), file} + options).out)
            .split(u'\n', Qt::SkipEmptyParts);
    }

    static QByteArray tool(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return process.readAllStandardOutput();
    }

    /// The PDF's text, line by line as laid out on the page.
    static QStringList pdfLines(const QString &pdf)
    {
        return normalizedLines(QString::fromUtf8(tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})));
    }

    QTemporaryDir _home;
};

QTEST_GUILESS_MAIN(TestYearCommandLine)
#include "tst_yearcommandline.moc"
