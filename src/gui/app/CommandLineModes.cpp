#include "CommandLineModes.h"

#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "document/GridText.h"
#include "import/ImportCommandLine.h"
#include "platform/Settings.h"
#include "platform/StderrAlerts.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace CommandLineModes {

namespace {

const char *const kUsage =
    "Usage: orrinwick [FILE]\n"
    "       orrinwick --report FILE [--envelope] [--display] [--no-sort]\n"
    "       orrinwick --convert IN OUT [--no-sort]\n"
    "       orrinwick --import STATEMENT FILE [--year YYYY] [--format ofx|qif|csv] [--credits] [--dry-run]\n"
    "       orrinwick --quit-when-shown [FILE]\n"
    "\n"
    "Keeps a household budget by month. Without options it opens the main\n"
    "window, on FILE when one is given.\n"
    "\n"
    "  --report FILE   print the budget grid of FILE, one line per row, the\n"
    "                  cells separated by tabs\n"
    "    --envelope    compute in envelope mode\n"
    "    --display     print the cells as the grid shows them\n"
    "    --no-sort     keep each month's items in file order\n"
    "  --convert IN OUT  write the budget file IN to OUT in the current layout\n"
    "  --quit-when-shown  quit as a user would once start-up has finished\n"
    "  --help          show this help and exit\n"
    "  --version       show the version and exit\n";

void print(FILE *stream, const QByteArray &text)
{
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stream);
}

/// A document as the program has it at start-up: the three fixed rows first.
void addFixedRows(BudgetDocument &document)
{
    document.createCategory(QStringLiteral("Budget"), QStringLiteral("0"));
    document.createCategory(QStringLiteral("Remain"), QStringLiteral("0"));
    document.createCategory(kRowLine, kRowLine);
}

bool load(BudgetDocument &document, const QString &path, bool sort)
{
    StderrAlerts alerts;
    BudgetFileReader::Options options;
    options.sortData = sort;
    return BudgetFileReader::loadFile(document, path, alerts, options) == BudgetFileReader::LoadResult::Loaded;
}

int report(const QStringList &arguments, const QString &path)
{
    // The program ends right after the report, so the document is left for
    // the system to reclaim: freeing a million entries one by one would only
    // add to the run time. Held in a static, it stays reachable, so leak
    // checkers do not report it.
    static BudgetDocument *const kept = new BudgetDocument;
    BudgetDocument &document = *kept;
    document.setEnvelopeView(arguments.contains(QStringLiteral("--envelope")));
    addFixedRows(document);
    if (!load(document, path, !arguments.contains(QStringLiteral("--no-sort"))))
        return 1;
    const bool display = arguments.contains(QStringLiteral("--display"));
    QByteArray out;
    const QList<CategoryRow> &rows = document.getCatArray();
    for (int row = 0; row < rows.size(); ++row) {
        QStringList cells;
        for (const QString &column : gridColumnIds())
            cells << (display ? gridDisplayText(rows[row], row, column) : rows[row].value(column));
        out += cells.join(u'\t').toUtf8();
        out += '\n';
    }
    print(stdout, out);
    return 0;
}

int convert(const QStringList &arguments, const QString &in, const QString &out)
{
    BudgetDocument document;
    addFixedRows(document);
    if (!load(document, in, !arguments.contains(QStringLiteral("--no-sort"))))
        return 1;
    if (!BudgetFileWriter::writeFile(document, out)) {
        StderrAlerts().warning(Alerts::format(QStringLiteral("Data File %@ could not be opened for write!\n"), out));
        return 1;
    }
    return 0;
}

/// The argument after an option, when there is one that is not an option itself.
std::optional<QString> valueAfter(const QStringList &arguments, const QString &option, int offset = 1)
{
    const qsizetype at = arguments.indexOf(option);
    if (at < 0 || at + offset >= arguments.size())
        return std::nullopt;
    for (int i = 1; i <= offset; ++i) {
        if (arguments[at + i].startsWith(QLatin1String("--")))
            return std::nullopt;
    }
    return arguments[at + offset];
}

int usageError(const QString &message)
{
    print(stderr, (QStringLiteral("orrinwick: ") + message + u'\n').toLocal8Bit());
    print(stderr, "Try 'orrinwick --help' for more information.\n");
    return 2;
}

} // namespace

bool isHeadless(const QStringList &arguments)
{
    for (const char *option : {"--report", "--convert", "--import", "--help", "-h", "--version"}) {
        if (arguments.contains(QLatin1String(option)))
            return true;
    }
    return false;
}

std::optional<int> run(const QStringList &arguments)
{
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        print(stdout, kUsage);
        print(stdout, ImportCommandLine::kUsage);
        return 0;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        print(stdout, "orrinwick " ORRINWICK_VERSION "\n");
        return 0;
    }
    if (arguments.contains(QStringLiteral("--report"))) {
        const std::optional<QString> file = valueAfter(arguments, QStringLiteral("--report"));
        if (!file)
            return usageError(QStringLiteral("--report needs a FILE"));
        return report(arguments, *file);
    }
    if (arguments.contains(QStringLiteral("--convert"))) {
        const std::optional<QString> in = valueAfter(arguments, QStringLiteral("--convert"));
        const std::optional<QString> out = valueAfter(arguments, QStringLiteral("--convert"), 2);
        if (!in || !out)
            return usageError(QStringLiteral("--convert needs IN and OUT"));
        return convert(arguments, *in, *out);
    }
    if (arguments.contains(QStringLiteral("--import")))
        return ImportCommandLine::run(arguments, *Settings::user());
    return std::nullopt;
}

} // namespace CommandLineModes
