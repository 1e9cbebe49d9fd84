// One register edit on a large budget: the time the edit takes (check,
// store, recompute the month's figures, record the undo step) and the heap
// the undo step keeps, beside what a whole-document snapshot of the same
// moment would keep (the month written into a copy of the document).
//
// Usage: edit_bench [ENTRIES] [RUNS]   (defaults: 1000000, 21)
#include "BenchGenerator.h"
#include "document/DocumentWriter.h"
#include "editing/DocumentChange.h"
#include "editing/DocumentEditing.h"
#include "register/CheckViewHost.h"
#include "register/voCheckViewData.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kMarch = 2;

class SilentHost final : public CheckViewHost
{
public:
    void setMonthTitle(int) override { }
    void setTotal(const QString &, const QString &) override { }
};

class KeptSteps final : public ChangeLog
{
public:
    void record(std::unique_ptr<DocumentChange> change) override { steps.push_back(std::move(change)); }
    std::vector<std::unique_ptr<DocumentChange>> steps;
};

std::size_t heapInUse()
{
    malloc_trim(0);
    return mallinfo2().uordblks;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int entries = arguments.size() > 1 ? arguments[1].toInt() : 1000000;
    const int runs = arguments.size() > 2 ? arguments[2].toInt() : 21;
    if (entries < 1 || runs < 1) {
        std::fprintf(stderr, "usage: edit_bench [ENTRIES] [RUNS]\n");
        return 2;
    }

    BudgetDocument document;
    BenchGenerator::fill(document, entries);
    DocumentWriter(document).recalculate();
    KeptSteps steps;
    DocumentEditing edits(document);
    edits.setChangeLog(&steps);
    SilentHost host;
    voCheckViewData records(edits, host);
    records.loadMonthData(MonthTables::monthIdString(kMarch));
    const int rows = records.numberOfRowsInTableView();
    const int amount = int(RecordField::Amount);

    // Each run types a new amount into another record, as a user would;
    // timed runs first, then runs that weigh the heap (trimming it between
    // edits would slow the timed ones).
    std::vector<double> times;
    std::vector<std::size_t> kept;
    const auto edit = [&records, rows, amount](int run) {
        const QModelIndex cell = records.index((run * 7919) % rows, amount);
        records.setData(cell, QStringLiteral("%1.%2").arg(100 + run).arg(run % 100, 2, 10, QLatin1Char('0')));
    };
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        edit(run);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    for (int run = runs; run < 2 * runs; ++run) {
        const std::size_t before = heapInUse();
        edit(run);
        kept.push_back(heapInUse() - before);
    }
    std::sort(times.begin(), times.end());
    std::sort(kept.begin(), kept.end());

    // What undo kept before: the document's containers as they stood, with
    // the register's month written into them (its lists copied anew).
    const std::size_t beforeSnapshot = heapInUse();
    QElapsedTimer snapshotTimer;
    snapshotTimer.start();
    auto catArray = document.getCatArray();
    auto catData = document.getCatDataDictionary();
    for (int row = kFirstCategoryRow; row < catArray.size(); ++row)
        catData[catArray[row].desc][kMarch].resize(1);
    for (int row = 0; row < rows; ++row)
        catData[records.record(row).category][kMarch].append(records.record(row).toEntry());
    const double snapshotMs = double(snapshotTimer.nsecsElapsed()) / 1e6;
    const std::size_t snapshot = heapInUse() - beforeSnapshot;

    std::printf("entries %d, records in the month %d, steps %zu\n", entries, rows, steps.steps.size());
    std::printf("edit ms: median %.3f, slowest %.3f\n", times[times.size() / 2], times.back());
    std::printf("heap kept per edit (undo step and the change) bytes: median %zu, largest %zu\n", kept[kept.size() / 2],
                kept.back());
    std::printf("whole-document snapshot of the same moment: %.2f ms, %zu bytes (%.0fx the largest step)\n", snapshotMs,
                snapshot, double(snapshot) / double(std::max<std::size_t>(kept.back(), 1)));
    return 0;
}
