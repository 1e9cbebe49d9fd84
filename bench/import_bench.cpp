// Imports a 10,000-line CSV statement into a budget of 100,000 entries and
// times each step: reading the file, categorising and finding duplicates
// (the plan), and adding the ticked lines. Prints the medians of the runs
// in processor milliseconds, and the wall time of the whole beside them.
#include "BenchClock.h"
#include "BenchGenerator.h"

#include "document/DocumentSnapshot.h"
#include "document/DocumentWriter.h"
#include "editing/AddRecords.h"
#include "import/CsvStatement.h"
#include "import/ImportPlan.h"
#include "import/StatementSource.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

#include <time.h>

namespace {

/// A statement of `lines` debits in 2026: one in ten repeats an entry the
/// budget holds (a duplicate), the others are the generator's payees (found
/// by the register's lookup) or, one in four, a payee the budget never saw.
QByteArray statement(const BudgetDocument &document, int lines)
{
    std::mt19937 random(7);
    const auto below = [&](int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random); };
    QList<std::pair<int, Entry>> stored;
    document.forEachBookedEntry([&stored](int, int month, const Entry &entry) { stored.append({month, entry}); });
    const QStringList payees{"Market", "Corner Shop", "Bakery", "Station", "Pharmacy"};
    QByteArray csv = "Date,Description,Memo,Amount\r\n";
    for (int i = 0; i < lines; ++i) {
        int month = below(12);
        int day = 1 + below(28);
        QString desc = below(4) == 0 ? QStringLiteral("Shop %1").arg(below(5000)) : payees[below(int(payees.size()))];
        QString amount = QStringLiteral("%1.%2").arg(1 + below(300)).arg(below(100), 2, 10, QLatin1Char('0'));
        if (i % 10 == 0) {
            const auto &[storedMonth, entry] = stored[below(int(stored.size()))];
            month = storedMonth;
            day = entry.day.toInt();
            desc = entry.desc;
            amount = entry.amount;
        }
        csv += QStringLiteral("2026-%1-%2,\"%3\",,-%4\r\n")
                   .arg(month + 1, 2, 10, QLatin1Char('0'))
                   .arg(day, 2, 10, QLatin1Char('0'))
                   .arg(desc, amount)
                   .toUtf8();
    }
    return csv;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int lines = argc > 2 ? QByteArray(argv[2]).toInt() : 10000;
    const int runs = argc > 3 ? QByteArray(argv[3]).toInt() : 11;

    BudgetDocument document;
    BenchGenerator::fill(document, entries);
    DocumentWriter(document).recalculate();
    const DocumentSnapshot untouched = DocumentSnapshot::take(document);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("statement.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(statement(document, lines)) < 0)
        return 1;
    file.close();

    QList<double> readTimes, planTimes, addTimes, totals, walls;
    qsizetype added = 0;
    int duplicates = 0;
    for (int run = 0; run < runs; ++run) {
        DocumentWriter(document).restore(untouched);
        QElapsedTimer wall;
        wall.start();
        const double start = BenchClock::threadMs();
        const StatementSource source = StatementSource::open(path);
        ReadChoices choices;
        choices.csv = CsvStatement::recognise(source.csvTable()).value_or(CsvMapping());
        const StatementRead read = source.read(choices);
        const double readMs = BenchClock::threadMs() - start;
        const ImportPlan plan(document, read.lines, 2026, {});
        const double planMs = BenchClock::threadMs() - start - readMs;
        const AddRecords add(plan.records());
        if (read.lines.size() != lines || !add.apply(document))
            return 1;
        const double totalMs = BenchClock::threadMs() - start;
        walls << double(wall.nsecsElapsed()) / 1e6;
        readTimes << readMs;
        planTimes << planMs;
        addTimes << totalMs - readMs - planMs;
        totals << totalMs;
        added = add.count();
        duplicates = plan.count(LineState::Duplicate);
    }
    std::printf("| %d | %d | %lld | %d | %.1f | %.1f | %.1f | %.1f | %.1f | %.2f× |\n", entries, lines,
                static_cast<long long>(added), duplicates, BenchClock::median(readTimes), BenchClock::median(planTimes), BenchClock::median(addTimes),
                BenchClock::median(totals), BenchClock::median(walls), BenchClock::median(totals) / 1000.0);
    return 0;
}
