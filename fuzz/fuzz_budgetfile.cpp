// libFuzzer target: any bytes go through load → recompute → save → load, and
// the second load must give back exactly the document the first one gave.
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "editing/DocumentSetup.h"
#include "recurring/RecurringCarry.h"
#include "recurring/RecurringDue.h"
#include "recurring/RecurringRecords.h"
#include "splits/SplitLinks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "round trip broken: %s\n", what);
    std::abort();
}

/// Names the first entry that differs, so a finding is quick to read.
[[noreturn]] void failOnEntries(const BudgetDocument &first, const BudgetDocument &second)
{
    for (const auto &[name, lists] : first.getCatDataDictionary()) {
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList *other = second.entryList(name, month);
            const EntryList &mine = lists[std::size_t(month)];
            if (!other || other->size() != mine.size()) {
                std::fprintf(stderr, "category %s month %d: %lld entries, then %lld\n", qPrintable(name), month,
                             static_cast<long long>(mine.size()), other ? static_cast<long long>(other->size()) : -1LL);
                failOnEntries(first, second);
            }
            for (qsizetype i = 0; i < mine.size(); ++i) {
                if (!(mine[i] == other->at(i))) {
                    const Entry &a = mine[i];
                    const Entry &b = other->at(i);
                    std::fprintf(stderr, "category %s month %d entry %lld:\n [%s|%s|%s|%s|%s]\n [%s|%s|%s|%s|%s]\n",
                                 qPrintable(name), month, static_cast<long long>(i), qPrintable(a.day),
                                 qPrintable(a.desc), qPrintable(a.amount), qPrintable(a.note),
                                 qPrintable(a.reconciled), qPrintable(b.day), qPrintable(b.desc),
                                 qPrintable(b.amount), qPrintable(b.note), qPrintable(b.reconciled));
                    failOnEntries(first, second);
                }
            }
        }
    }
    fail("categories differ");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    BudgetFileReader::Options options;
    options.sortData = size % 2 == 0; // both loader paths, chosen by the input itself

    BudgetDocument first;
    DocumentSetup::setEnvelopeView(first, size % 3 == 0);
    if (BudgetFileReader::loadBytes(first, bytes, options) != BudgetFileReader::LoadResult::Loaded)
        return 0;
    const QByteArray image = BudgetFileWriter::buildData(first);

    BudgetDocument second;
    DocumentSetup::setEnvelopeView(second, first.isEnvelopeEnabled());
    if (BudgetFileReader::loadBytes(second, image, options) != BudgetFileReader::LoadResult::Loaded)
        fail("a saved file does not load");
    if (second.budgetTotals() != first.budgetTotals())
        fail("budgets differ");
    if (second.getCatArray() != first.getCatArray())
        fail("grid rows differ");
    if (second.getCatDataDictionary() != first.getCatDataDictionary())
        failOnEntries(first, second);
    // The links hold entry ids, handed out in reading order, which sorting
    // changes: they are compared through the image, by the entries' places.
    const QList<SplitLink> links = SplitLinks::read(first.extensions());
    if (SplitLinks::with(second.extensions(), {}) != SplitLinks::with(first.extensions(), {}))
        fail("extension records differ");
    if (SplitLinks::read(second.extensions()).size() != links.size())
        fail("split links differ");
    // The recurring records are read, expanded over the year and carried into the next.
    const QList<RecurringItem> items = RecurringRecords::read(first);
    if (RecurringRecords::read(second).size() != items.size())
        fail("recurring records differ");
    const int year = first.extensions().year().value_or(2026);
    (void)RecurringDue::upTo(items, year, QDate(year, 12, 31));
    DocumentExtensions next;
    RecurringCarry::addTo(next, first, year);
    if (RecurringRecords::withItems(first.extensions(), items).records().size() != first.extensions().records().size())
        fail("writing the recurring records back loses or adds some");
    if (BudgetFileWriter::buildData(second) != image)
        fail("second image differs");
    return 0;
}
