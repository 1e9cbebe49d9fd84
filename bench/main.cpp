// Times load, full recompute and save of large budget files, each size in
// a child process of its own so that its peak memory is its own.
#include "BenchGenerator.h"

#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "document/DocumentWriter.h"
#include "platform/StderrAlerts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

const char *const kUsage =
    "Usage: orrinwick_bench [--dir DIR] [ENTRIES...]\n"
    "         generates (once) and measures budgets of ENTRIES items each\n"
    "         (default 10000 100000 1000000) in DIR (default ./bench-data)\n"
    "       orrinwick_bench generate ENTRIES BUDGET_FILE JOURNAL_FILE\n"
    "       orrinwick_bench measure BUDGET_FILE\n";

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

/// Processor time of this process: unlike the wall clock it does not count
/// the time other programs on a busy machine take from it.
class CpuTimer
{
public:
    void restart() { _start = now(); }
    [[nodiscard]] double milliseconds() const { return now() - _start; }

private:
    static double now()
    {
        timespec time{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
        return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
    }

    double _start = now();
};

int generate(int entries, const QString &budgetPath, const QString &journalPath)
{
    BudgetDocument document;
    BenchGenerator::fill(document, entries);
    if (!BudgetFileWriter::writeFile(document, budgetPath) || !BenchGenerator::writeJournal(document, journalPath)) {
        std::fprintf(stderr, "could not write %s or %s\n", qPrintable(budgetPath), qPrintable(journalPath));
        return 1;
    }
    return 0;
}

/// Prints one line: load, recompute (median of 15) and save in processor
/// milliseconds, with the recompute's median wall time after it, then the
/// peak KiB after load and recompute and the peak KiB at the end.
int measure(const QString &path)
{
    BudgetDocument document;
    StderrAlerts alerts;
    CpuTimer timer;
    if (BudgetFileReader::loadFile(document, path, alerts, {}) != BudgetFileReader::LoadResult::Loaded)
        return 1;
    const double load = timer.milliseconds();

    std::vector<double> recomputes;
    std::vector<double> recomputesWall;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer wall;
        wall.start();
        timer.restart();
        DocumentWriter(document).recalculate();
        recomputes.push_back(timer.milliseconds());
        recomputesWall.push_back(double(wall.nsecsElapsed()) / 1e6);
    }
    std::sort(recomputes.begin(), recomputes.end());
    std::sort(recomputesWall.begin(), recomputesWall.end());
    const long peakLoaded = peakKiB();

    const QString savePath = path + QStringLiteral(".saved");
    timer.restart();
    const bool saved = BudgetFileWriter::writeFile(document, savePath);
    const double save = timer.milliseconds();
    QFile::remove(savePath);
    if (!saved)
        return 1;
    std::printf("%.1f %.2f %.2f %.1f %ld %ld\n", load, recomputes[recomputes.size() / 2],
                recomputesWall[recomputesWall.size() / 2], save, peakLoaded, peakKiB());
    return 0;
}

/// Runs this program with the arguments; its output, or nothing when it failed.
std::optional<QByteArray> runChild(const QStringList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "orrinwick_bench %s failed\n", qPrintable(arguments.join(u' ')));
        return std::nullopt;
    }
    return child.readAllStandardOutput();
}

int measureAll(const QString &dir, const QList<int> &sizes)
{
    QDir().mkpath(dir);
    std::printf("| entries | file MB | load ms | full recompute ms | full recompute wall ms | save ms "
                "| peak MiB (loaded) | peak MiB (after save) |\n"
                "|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const int entries : sizes) {
        const QString budget = QDir(dir).filePath(QStringLiteral("budget-%1.txt").arg(entries));
        const QString journal = QDir(dir).filePath(QStringLiteral("budget-%1.ledger").arg(entries));
        // Generating runs in a child too: a child forked from a large process
        // would count that process's memory in its own peak.
        if ((!QFileInfo::exists(budget) || !QFileInfo::exists(journal))
            && !runChild({QStringLiteral("generate"), QString::number(entries), budget, journal})) {
            return 1;
        }
        const std::optional<QByteArray> output = runChild({QStringLiteral("measure"), budget});
        if (!output)
            return 1;
        const QList<QByteArray> figures = output->simplified().split(' ');
        if (figures.size() != 6)
            return 1;
        std::printf("| %d | %.1f | %s | %s | %s | %s | %.0f | %.0f |\n", entries, double(QFileInfo(budget).size()) / 1e6,
                    figures[0].constData(), figures[1].constData(), figures[2].constData(), figures[3].constData(),
                    figures[4].toDouble() / 1024, figures[5].toDouble() / 1024);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == u"generate" && arguments.size() == 4)
        return generate(arguments[1].toInt(), arguments[2], arguments[3]);
    if (arguments.value(0) == u"measure" && arguments.size() == 2)
        return measure(arguments[1]);

    QString dir = QStringLiteral("bench-data");
    if (arguments.value(0) == u"--dir" && arguments.size() >= 2) {
        dir = arguments[1];
        arguments = arguments.mid(2);
    }
    QList<int> sizes;
    for (const QString &argument : arguments) {
        bool ok = false;
        sizes << argument.toInt(&ok);
        if (!ok || sizes.last() < 0) {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (sizes.isEmpty())
        sizes = {10000, 100000, 1000000};
    return measureAll(dir, sizes);
}
