#pragma once

// What every statement a reader accepts must give: lines with real dates
// and plain amounts that, imported into a budget and saved, load back as
// the same entries.
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "document/DocumentWriter.h"
#include "editing/AddRecords.h"
#include "import/AmountText.h"
#include "import/ImportPlan.h"

#include <cstdio>
#include <cstdlib>

namespace StatementFuzzCheck {

[[noreturn]] inline void fail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "statement check failed: %s %s\n", what, qPrintable(detail));
    std::abort();
}

inline void check(const StatementRead &read)
{
    if (!read.ok()) {
        if (read.errorLine < 0 || read.lines.size() > 0)
            fail("a failed read with lines or a negative line");
        return;
    }
    for (const StatementLine &line : read.lines) {
        if (!line.date.isValid())
            fail("invalid date");
        if (AmountText::parse(line.amount, u'.') != line.amount)
            fail("amount not plain", line.amount);
    }

    BudgetDocument document;
    DocumentWriter(document).appendCategory(QStringLiteral("Food"), QStringLiteral("0"));
    ImportPlan plan(document, read.lines, ImportPlan::likelyYear(read.lines), {});
    for (int i = 0; i < plan.lines().size(); ++i) {
        if (plan.setCategory(i, QStringLiteral("Food")))
            plan.setTicked(i, true);
    }
    if (!AddRecords(plan.records()).apply(document))
        fail("the records were refused");

    BudgetDocument reloaded;
    BudgetFileReader::Options options;
    options.sortData = false;
    if (BudgetFileReader::loadBytes(reloaded, BudgetFileWriter::buildData(document), options)
        != BudgetFileReader::LoadResult::Loaded)
        fail("the saved budget does not load");
    if (reloaded.getCatDataDictionary() != document.getCatDataDictionary())
        fail("imported entries changed on the way through the file");
}

} // namespace StatementFuzzCheck
