// What the window's thread pays for a recovery write of a large budget: the
// snapshot and hand-over, and the longest the event loop waits while the
// writer's thread writes; beside it the same image written on the window's
// thread, as a save does.
#include "BenchClock.h"
#include "BenchGenerator.h"

#include "document/BudgetFileWriter.h"
#include "document/DocumentSnapshot.h"
#include "document/DocumentWriter.h"
#include "safety/RecoveryWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

/// Runs the event loop with a 1 ms timer until `done` (or for `forMs`);
/// answers the longest wait between two ticks.
double longestWait(const std::function<void(QEventLoop &)> &done, int forMs)
{
    QEventLoop loop;
    QTimer ticker;
    QElapsedTimer sinceTick;
    double longest = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, milliseconds(sinceTick));
        sinceTick.restart();
    });
    done(loop);
    if (forMs > 0)
        QTimer::singleShot(forMs, &loop, &QEventLoop::quit);
    sinceTick.start();
    ticker.start(1);
    loop.exec();
    return std::max(longest, milliseconds(sinceTick));
}

double maximum(const std::vector<double> &values)
{
    return *std::max_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 30;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("recovery"));

    BudgetDocument document;
    BenchGenerator::fill(document, entries);
    const QString category = document.getCatArray()[kFirstCategoryRow].desc;

    RecoveryWriter writer;
    std::vector<double> handOvers;
    std::vector<double> handOverCpu;
    std::vector<double> edits;
    std::vector<double> gaps;
    std::vector<double> idleGaps;
    std::vector<double> writes;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const double cpu = BenchClock::threadMs();
        DocumentSnapshot snapshot = DocumentSnapshot::take(document);
        writer.write(path, std::move(snapshot), QString());
        handOverCpu.push_back(BenchClock::threadMs() - cpu);
        handOvers.push_back(milliseconds(timer));

        // The user's next change while the writer has the lists: the list it
        // changes is copied (a shared list is never written).
        const double editCpu = BenchClock::threadMs();
        DocumentWriter(document).setEnvelope(category, run % MonthTables::kMonthCount, QString::number(run));
        edits.push_back(BenchClock::threadMs() - editCpu);

        // The longest the event loop waits while the writer works, and for
        // the same time with nothing written: the machine's own noise.
        gaps.push_back(longestWait(
            [&](QEventLoop &loop) { QObject::connect(&writer, &RecoveryWriter::written, &loop, &QEventLoop::quit); },
            0));
        writes.push_back(milliseconds(timer));
        idleGaps.push_back(longestWait([](QEventLoop &) {}, int(writes.back())));
    }

    std::vector<double> saves;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!BudgetFileWriter::writeFile(document, path + QStringLiteral(".saved")))
            return 1;
        saves.push_back(milliseconds(timer));
    }

    std::printf("| entries | hand-over ms, window thread CPU (median / max) | hand-over ms, wall (median / max) "
                "| next edit ms, CPU (max) | longest event-loop wait ms while writing (median / max) "
                "| same, nothing written (median / max) | write on the writer's thread ms (median) "
                "| same write on the window's thread ms (median) |\n"
                "|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    std::printf("| %d | %.3f / %.3f | %.3f / %.3f | %.3f | %.2f / %.2f | %.2f / %.2f | %.1f | %.1f |\n", entries,
                BenchClock::median(handOverCpu), maximum(handOverCpu), BenchClock::median(handOvers), maximum(handOvers), maximum(edits),
                BenchClock::median(gaps), maximum(gaps), BenchClock::median(idleGaps), maximum(idleGaps), BenchClock::median(writes), BenchClock::median(saves));
    return 0;
}
