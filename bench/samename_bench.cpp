// A budget whose categories all have one name: each is read under a name of
// its own ("Food 2", "Food 3", …). Prints the load time per category for
// doubling counts; it stays flat when the reading is O(N log N) or better.
// Run: ./samename_bench [LARGEST]

#include "BenchClock.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>

namespace {

QByteArray sameNames(int count)
{
    // Without a version line the first line is January's budget.
    QByteArray file;
    for (int month = 0; month < 12; ++month)
        file += "0\r\n";
    for (int category = 0; category < count; ++category) {
        file += "Food\r\n";
        for (int month = 0; month < 12; ++month)
            file += "0\r\n";
    }
    return file;
}

} // namespace

int main(int argc, char **argv)
{
    const int largest = argc > 1 ? std::atoi(argv[1]) : 64000;
    std::printf("| categories named Food | load ms | µs per category |\n|---:|---:|---:|\n");
    for (int count = 1000; count <= largest; count *= 2) {
        const QByteArray file = sameNames(count);
        BudgetDocument document;
        const double start = BenchClock::threadMs();
        if (BudgetFileReader::loadBytes(document, file, {}) != BudgetFileReader::LoadResult::Loaded
            || document.categoryCount() != count)
            return 1;
        const double ms = BenchClock::threadMs() - start;
        std::printf("| %d | %.1f | %.2f |\n", count, ms, ms * 1000 / count);
    }
    return 0;
}
