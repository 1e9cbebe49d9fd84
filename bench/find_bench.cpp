// Times Find on a year of many items (bench/BenchGenerator: 30 categories,
// ten payees, notes on one item in four), typing each query one character
// at a time. For every keystroke it measures
//   search  - the search alone (TransactionSearch::find on the prepared year);
//   window  - the find window's whole answer: the search, the list model
//             reset, the total, and a repaint of the list;
//   folding - the same search done without preparation, folding every
//             description, note and category at the keystroke.
// Each figure is the median of RUNS in processor milliseconds of the thread
// (the window's also in wall time); a query's line shows its slowest keystroke.
//
// Usage: find_bench [ENTRIES] [RUNS]   (defaults: 100000, 9)
#include "BenchClock.h"
#include "BenchGenerator.h"

#include "document/BudgetDocument.h"
#include "document/DocumentSnapshot.h"
#include "find/FindResultsModel.h"
#include "find/FindTransactionsDialog.h"
#include "year/TransactionQuery.h"
#include "year/TransactionSearch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Times
{
    double processor = 0;
    double wall = 0;
};

/// Medians of the runs, in milliseconds; `before` runs untimed ahead of each.
Times median(int runs, const std::function<void()> &before, const std::function<void()> &timed)
{
    std::vector<double> processor, wall;
    for (int run = 0; run < runs; ++run) {
        before();
        QElapsedTimer timer;
        timer.start();
        const double start = BenchClock::threadMs();
        timed();
        processor.push_back(BenchClock::threadMs() - start);
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return {BenchClock::median(processor), BenchClock::median(wall)};
}

/// The search without an index: what each keystroke would cost if the texts
/// were folded as they are compared.
int foldingSearch(const DocumentSnapshot &year, const TransactionQuery &query)
{
    int found = 0;
    for (int row = kFirstCategoryRow; row < year.catArray.size(); ++row) {
        const QString &category = year.catArray[row].desc;
        for (const EntryList &list : year.catData.at(category)) {
            for (qsizetype at = 1; at < list.size(); ++at) {
                const Entry &entry = list[at];
                const QString &text = query.foldedText();
                if ((!text.isEmpty()
                     && (TransactionQuery::fold(entry.desc).contains(text)
                         || TransactionQuery::fold(entry.note).contains(text)
                         || TransactionQuery::fold(category).contains(text)))
                    || (query.hasAmounts() && query.matchesAmount(Decimal::fromText(entry.amount))))
                    ++found;
            }
        }
    }
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int entries = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 9;

    BudgetDocument document;
    BenchGenerator::fill(document, entries);
    const DocumentSnapshot year = DocumentSnapshot::take(document);

    TransactionSearch search;
    const Times index = median(runs, [] {}, [&] { search.rebuild(year); });

    FindTransactionsDialog dialog([&year] { return year; });
    dialog.show();
    auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("findField"));
    QTableView &view = dialog.resultsView();

    std::printf("%d entries, %d runs; preparing the year: %.1f ms processor, %.1f ms wall\n\n", entries, runs,
                index.processor, index.wall);
    std::printf("| query typed | found | search ms | window ms | window wall ms | folding ms | folding / search |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    for (const char *typed : {"cafe nord", "market", "weekly", "a", "12.5", "> 400", "100..200", "zebra"}) {
        const QString text = QString::fromUtf8(typed);
        Times searchTimes, windowTimes, foldingTimes;
        int found = 0;
        const auto slowest = [](Times &slowest, const Times &times) {
            slowest = {std::max(slowest.processor, times.processor), std::max(slowest.wall, times.wall)};
        };
        for (qsizetype length = 1; length <= text.size(); ++length) {
            const QString prefix = text.left(length);
            const TransactionQuery query = TransactionQuery::parse(prefix);
            slowest(searchTimes, median(runs, [] {}, [&] { found = int(search.find(query).rows.size()); }));
            slowest(windowTimes, median(runs, [&] { field->setText(prefix.left(length - 1)); }, [&] {
                field->setText(prefix);
                view.viewport()->repaint();
            }));
            slowest(foldingTimes, median(runs, [] {}, [&] { (void)foldingSearch(year, query); }));
        }
        std::printf("| `%s` | %d | %.2f | %.2f | %.2f | %.2f | %.0f× |\n", typed, found, searchTimes.processor,
                    windowTimes.processor, windowTimes.wall, foldingTimes.processor,
                    foldingTimes.processor / searchTimes.processor);
    }
    return 0;
}
