#include "BadInputTable.h"

#include <QFile>
#include <QTest>

#include <array>

using namespace BadInput;

namespace {

const QString kTablePath = QStringLiteral(ORRINWICK_TEST_DATA "/../BAD_INPUT.md");
const char *const kWriteVariable = "ORRINWICK_WRITE_BAD_INPUT_TABLE";

/// The text with its line breaks and tabs written as escapes, long texts cut
/// to their first and last characters.
QString escaped(const QString &text)
{
    QString shown = text.size() > 64 ? text.left(12) + u'…' + text.right(2) : text;
    return shown.replace(u'\r', QStringLiteral("\\r"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\t', QStringLiteral("\\t"));
}

/// A text as a quoted code span, with its length when it was cut.
QString quoted(const QString &text)
{
    QString shown = QStringLiteral("`\"%1\"`").arg(escaped(text));
    if (text.size() > 64)
        shown += QStringLiteral(" (%L1 characters)").arg(text.size());
    return shown;
}

QString outcome(const Expected &expected, const QString &input)
{
    switch (expected.result) {
    case Result::Refused:
        return QStringLiteral("refused: `%1`").arg(filled(expected.text, escaped(input)));
    case Result::Stored:
        return QStringLiteral("stored as %1").arg(quoted(filled(expected.text, input)));
    case Result::Ignored:
        return QStringLiteral("ignored: the old name stays, no message");
    }
    return {};
}

QString markdown()
{
    int rows = 0;
    int faults = 0;
    std::array<int, 3> results{};
    for (const EntryPoint &point : entryPoints()) {
        for (const Case &row : point.cases) {
            ++rows;
            ++results[std::size_t(row.expected.result)];
            faults += row.fault.isEmpty() ? 0 : 1;
        }
    }

    QStringList lines{
        QStringLiteral("# Bad input at every entry point"),
        QString(),
        QStringLiteral("What each cell and field of the program does with bad input. Every row below is a row of "
                       "the tests `tests/gui/tst_badinput_*.cpp`, which run the real program offscreen (alerts and "
                       "modal windows answered by script) on a small budget: three categories, a March budget of "
                       "1000, envelopes and one item each in Food and Rent. This file is written from the same table "
                       "(`tests/support/BadInputTable.h`), and `tst_badinput_table` fails when the two differ."),
        QString(),
        QStringLiteral("Each row enters one input, then saves with the Save command, and checks:"),
        QString(),
        QStringLiteral("- **refused**: exactly one alert, titled \"WARNING\", with the message shown, and the "
                       "document exactly as it was;"),
        QStringLiteral("- **stored as**: no alert, and the document is the sample budget with that one value "
                       "stored and every figure recomputed, nothing else changed;"),
        QStringLiteral("- **ignored**: no alert, and the document exactly as it was;"),
        QStringLiteral("- in every row: the saved file, loaded into a fresh document, gives exactly the same "
                       "document: the grid rows (`_catArray`, after recomputing), every category's entries "
                       "(`_catData`) and the monthly budgets (`_budgetTotals`)."),
        QString(),
        QStringLiteral("A **fault** is a row where the program does not yet do the sound thing; the test checks "
                       "the sound outcome and is marked as expected to fail (`QEXPECT_FAIL`), so it reports XFAIL "
                       "today and XPASS, a failure, once the fault is fixed."),
        QString(),
        QStringLiteral("%1 inputs at %2 entry points, %3 rows: %4 refused, %5 stored, %6 ignored; %7 rows with a "
                       "fault.")
            .arg(inputs().size())
            .arg(entryPoints().size())
            .arg(rows)
            .arg(results[std::size_t(Result::Refused)])
            .arg(results[std::size_t(Result::Stored)])
            .arg(results[std::size_t(Result::Ignored)])
            .arg(faults),
        QString(),
        QStringLiteral("Reproduce (from the checkout):"),
        QString(),
        QStringLiteral("```sh"),
        QStringLiteral("cmake -S . -B build -G Ninja && cmake --build build"),
        QStringLiteral("QT_QPA_PLATFORM=offscreen ctest --test-dir build -R tst_badinput --output-on-failure"),
        QStringLiteral("# every row with its result: build/tests/tst_badinput_register -v1, and so on"),
        QStringLiteral("# after a change to the table, write this file again:"),
        QStringLiteral("%1=1 build/tests/tst_badinput_table").arg(QLatin1String(kWriteVariable)),
        QStringLiteral("```"),
    };
    for (const EntryPoint &point : entryPoints()) {
        lines << QString() << QStringLiteral("## ") + point.title << QString() << point.how << QString()
              << QStringLiteral("Test: `%1`.").arg(point.test) << QString()
              << QStringLiteral("| Input | What happens |") << QStringLiteral("|---|---|");
        for (const Case &row : point.cases) {
            const QString input = point.inputText(row);
            QString result = outcome(row.expected, input);
            if (!row.fault.isEmpty())
                result = QStringLiteral("**fault**: %1. Checked (expected to fail): %2").arg(row.fault, result);
            lines << QStringLiteral("| %1 %2 | %3 |").arg(row.input, quoted(input), result);
        }
    }
    lines << QString() << QStringLiteral("## Beside the tables") << QString()
          << QStringLiteral("- The register stores the amount below the double range exactly (table above), but sorts "
                            "by a floating reading that takes it for infinity: sorted by amount, 0.000…1 comes after "
                            "800. Test: `amountBelowTheDoubleRangeSortsAsTheTinyNumberItIs` in "
                            "`tst_badinput_register`, marked as expected to fail.");
    lines << QString() << QStringLiteral("## Files that are no ordinary file") << QString()
          << QStringLiteral("Every file the program reads: the data file (opened, `--report`), a bank statement, the "
                            "lock beside the data file, the data file read for its backup, a backup or recovery file "
                            "restored, last year's file. Test: `everyReaderRefusesWhatIsNoOrdinaryFile` in "
                            "`tst_hostilefiles`; exported text: `textThatLooksLikeAFormulaStaysText` in `tst_csvexport`.")
          << QString() << QStringLiteral("| Input | What happens |") << QStringLiteral("|---|---|")
          << QStringLiteral("| a pipe nobody writes to, `/dev/zero`, a socket | refused at once, no wait: `… is no ordinary "
                            "file but a device, a pipe or a socket.`; as the lock: not taken for a lock, not replaced |")
          << QStringLiteral("| a folder | refused: `… is a folder, not a file.` |")
          << QStringLiteral("| a sparse file of 300 MB as data file, backup or recovery file | refused unread: `… is 300.00 "
                            "MiB, larger than the limit of 256.00 MiB.` |")
          << QStringLiteral("| the same as a statement | refused unread: `The file is 300.00 MiB, larger than any bank "
                            "statement (at most 32.00 MiB).` |")
          << QStringLiteral("| a lock file larger than 4 KiB | not taken for a lock |")
          << QStringLiteral("| a payee, category or note beginning with `=` `+` `-` `@`, a tab or a CR, exported as CSV | "
                            "written with a leading `'`: text in a spreadsheet; days and plain amounts stay numbers |");
    lines << QString() << QStringLiteral("## Failures around the file") << QString()
          << QStringLiteral("Tests: `emptyNameLineKeepsItsEntries` in `tst_budgetfile`; "
                            "`aMissingFileKeepsItsNameAndOffersTryAgainOrAnother`, "
                            "`aRecoveryFileThatCannotBeWrittenIsToldOnceAndTriedAgain` and "
                            "`backupSettingsFromTheStoreKeepToThePreferencesRanges` in `tst_safety`; "
                            "`theClientNeverAsksAndTakesAnAtSignAsPartOfTheName` and "
                            "`aStalledRunIsCancelledAndLeavesTheFileAsItWas` in `tst_syncsubversion`.")
          << QString() << QStringLiteral("| Input | What happens |") << QStringLiteral("|---|---|")
          << QStringLiteral("| a category whose name line is empty, holding entries | loaded as \"Unnamed category\" "
                            "with one warning; the next save keeps its entries under that name |")
          << QStringLiteral("| the data file is not there (a share not mounted yet) | \"File Not Found\" with Try "
                            "Again, Choose Another… and Cancel; the name stays remembered for the next start |")
          << QStringLiteral("| the recovery file cannot be written (full disk, read-only folder) | one warning, and "
                            "\"Crash protection is off\" in the status bar until a write after a later change works |")
          << QStringLiteral("| backup settings out of range in the settings file | read as the nearest value the "
                            "Preferences offer; a value that is no number as the default |")
          << QStringLiteral("| an `@` in the path of a file kept with Subversion | taken as part of the name; the "
                            "client never asks on a terminal (`--non-interactive`) |")
          << QStringLiteral("| a Subversion update or commit that stalls | Cancel after 3 s ends the client: the file "
                            "is loaded as the working copy has it, or saved and not committed, with a message |");
    return lines.join(u'\n') + u'\n';
}

} // namespace

/// The bad-input tables themselves, and the file written from them.
class TestBadInputTable : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryPointTriesEveryInputInOrder()
    {
        for (const EntryPoint &point : entryPoints()) {
            QStringList tried;
            for (const Case &row : point.cases) {
                if (!row.ownText)
                    tried << row.input;
            }
            QStringList all;
            for (const Input &input : inputs())
                all << input.name;
            QVERIFY2(tried == all, qPrintable(point.test));
        }
    }

    void tableFileMatchesTheTests()
    {
        const QString expected = markdown();
        if (qEnvironmentVariableIsSet(kWriteVariable)) {
            QFile out(kTablePath);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(expected.toUtf8());
        }
        QFile file(kTablePath);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(kTablePath));
        QVERIFY2(QString::fromUtf8(file.readAll()) == expected,
                 qPrintable(QStringLiteral("%1 differs from the tables; write it again with %2=1")
                                .arg(kTablePath, QLatin1String(kWriteVariable))));
    }
};

QTEST_GUILESS_MAIN(TestBadInputTable)
#include "tst_badinput_table.moc"
