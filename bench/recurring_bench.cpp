// Times what recurring transactions add to opening a large year
// (bench/BenchGenerator: 30 categories, ENTRIES items) with RECURRING of
// them, none entered yet, so that the whole year is caught up:
//   open          - the file read (load, sort, recompute), without the section;
//   with records  - the same file with the recurring records;
//   catch-up      - reading the records, expanding them over the year and
//                   entering every occurrence in one undo step, as the window
//                   does after opening.
// Each figure is the median of RUNS in processor milliseconds of the thread.
//
// Usage: recurring_bench [ENTRIES] [RECURRING] [RUNS]   (defaults: 100000, 200, 9)
#include "BenchClock.h"
#include "BenchGenerator.h"

#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "document/DocumentWriter.h"
#include "editing/DocumentEditing.h"
#include "recurring/RecurringDue.h"
#include "recurring/RecurringRecords.h"

#include <QCoreApplication>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

/// Monthly ones on every day (the 29th–31st among them), weekly and
/// fortnightly ones, yearly ones; every third one an estimate that asks.
QList<ExtensionRecord> recurringRecords(const BudgetDocument &document, int count)
{
    static const char *rules[] = {"FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=%1", "FREQ=WEEKLY;INTERVAL=1",
                                  "FREQ=WEEKLY;INTERVAL=2", "FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=-1", "FREQ=YEARLY"};
    static const char *shifts[] = {"none", "before", "after"};
    QList<ExtensionRecord> records;
    for (int i = 0; i < count; ++i) {
        const int day = 1 + i % 31;
        const QString start = QStringLiteral("202601%1").arg(std::min(day, 28), 2, 10, QLatin1Char('0'));
        records.append(ExtensionRecord::of(
            ExtensionKind::kRecurring,
            {start, QString::fromLatin1(rules[i % 5]).replace(QStringLiteral("%1"), QString::number(day)),
             QString::fromLatin1(shifts[i % 3]),
             i % 3 == 0 ? QStringLiteral("ask") : QStringLiteral("auto"),
             document.getCatArray()[kFirstCategoryRow + i % BenchGenerator::kCategoryCount].desc,
             QStringLiteral("Recurring %1").arg(i), i % 3 == 0 ? QStringLiteral("~80") : QStringLiteral("49.90"),
             QString(), QString()}));
    }
    return records;
}

double timed(int runs, const std::function<void()> &run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = BenchClock::threadMs();
        run();
        times.push_back(BenchClock::threadMs() - start);
    }
    return BenchClock::median(times);
}

bool load(BudgetDocument &document, const QByteArray &bytes)
{
    return BudgetFileReader::loadBytes(document, bytes, {}) == BudgetFileReader::LoadResult::Loaded;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int count = argc > 2 ? std::atoi(argv[2]) : 200;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 9;

    BudgetDocument source;
    BenchGenerator::fill(source, entries);
    DocumentExtensions extensions;
    extensions.setYear(2026);
    DocumentWriter(source).setExtensions(extensions);
    const QByteArray plain = BudgetFileWriter::buildData(source);
    for (const ExtensionRecord &record : recurringRecords(source, count))
        extensions.append(record);
    DocumentWriter(source).setExtensions(extensions);
    const QByteArray withRecords = BudgetFileWriter::buildData(source);

    const double open = timed(runs, [&] {
        BudgetDocument document;
        (void)load(document, plain);
    });
    const double openWithRecords = timed(runs, [&] {
        BudgetDocument document;
        (void)load(document, withRecords);
    });
    qsizetype entered = 0;
    std::vector<double> catchUps;
    for (int run = 0; run < runs; ++run) {
        BudgetDocument document;
        (void)load(document, withRecords);
        DocumentEditing editing(document);
        const double start = BenchClock::threadMs();
        const QList<RecurringItem> items = RecurringRecords::read(document);
        QList<HandledOccurrence> handled;
        for (const DueOccurrence &due : RecurringDue::upTo(items, 2026, QDate(2026, 12, 31)))
            handled.append({due.item, due.occurrence.date, true, due.occurrence.date,
                            items[due.item].transaction->amount});
        (void)editing.recurring().handle(handled, 2026, QLocale::c());
        catchUps.push_back(BenchClock::threadMs() - start);
        entered = handled.size();
    }
    const double catchUp = BenchClock::median(catchUps);
    std::printf("%d entries, %d recurring transactions, %lld occurrences caught up (median of %d, processor ms)\n",
                entries, count, static_cast<long long>(entered), runs);
    std::printf("open                 %8.1f\n", open);
    std::printf("open with records    %8.1f\n", openWithRecords);
    std::printf("catch-up             %8.1f\n", catchUp);
    std::printf("added by recurring   %8.1f\n", openWithRecords - open + catchUp);
    return 0;
}
