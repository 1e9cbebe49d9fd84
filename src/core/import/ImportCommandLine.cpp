#include "ImportCommandLine.h"

#include "CsvStatement.h"
#include "ImportPlan.h"
#include "ImportSettings.h"
#include "StatementSource.h"

#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "editing/AddRecords.h"
#include "editing/DocumentEditing.h"
#include "platform/StderrAlerts.h"
#include "safety/UnattendedSave.h"

#include <QFileInfo>

#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = (text + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

int usageError(const QString &message)
{
    print(stderr, QStringLiteral("orrinwick: ") + message);
    print(stderr, QStringLiteral("Try 'orrinwick --help' for more information."));
    return 2;
}

/// The argument after an option, when there is one that is no option itself.
std::optional<QString> valueAfter(const QStringList &arguments, const QString &option)
{
    const qsizetype at = arguments.indexOf(option);
    if (at < 0 || at + 1 >= arguments.size() || arguments[at + 1].startsWith(QLatin1String("--")))
        return std::nullopt;
    return arguments[at + 1];
}

} // namespace

int ImportCommandLine::run(const QString &statementPath, const QString &dataFile, const QStringList &arguments,
                           Settings &settings)
{
    std::optional<StatementFormat> format;
    if (arguments.contains(QStringLiteral("--format"))) {
        const std::optional<QString> name = valueAfter(arguments, QStringLiteral("--format"));
        format = name ? StatementSource::formatFromName(*name) : std::nullopt;
        if (!format)
            return usageError(tr("--format takes ofx, qif or csv"));
    }
    std::optional<int> year;
    if (arguments.contains(QStringLiteral("--year"))) {
        bool ok = false;
        year = valueAfter(arguments, QStringLiteral("--year")).value_or(QString()).toInt(&ok);
        if (!ok || *year < 1 || *year > 9999)
            return usageError(tr("--year takes a year such as 2026"));
    }

    // A window that has the file open would later save over the imported lines.
    const bool dryRun = arguments.contains(QStringLiteral("--dry-run"));
    UnattendedSave save(dataFile, settings);
    if (!dryRun) {
        if (const std::optional<OpenFileLock::Holder> holder = save.lock()) {
            print(stderr, tr("%1 is open in Orrinwick on %2 (process %3), which would save over the imported "
                             "lines. Nothing was imported: quit that Orrinwick, or import in its window.")
                              .arg(dataFile, holder->host)
                              .arg(holder->pid));
            return 1;
        }
    }

    StderrAlerts alerts;
    BudgetDocument document;
    BudgetFileReader::Options options;
    options.sortData = false; // the file keeps its order; only the new records are added
    if (BudgetFileReader::loadFile(document, dataFile, alerts, options) != BudgetFileReader::LoadResult::Loaded)
        return 1;

    const StatementSource source = StatementSource::open(statementPath, format);
    if (!source.ok()) {
        print(stderr, source.error());
        return 1;
    }
    const ImportSettings saved(settings);
    ReadChoices choices;
    if (source.format() == StatementFormat::Csv) {
        const QString layout = CsvStatement::layoutKey(source.csvTable());
        std::optional<CsvMapping> mapping = saved.csvMapping(layout);
        if (!mapping)
            mapping = CsvStatement::recognise(source.csvTable());
        if (!mapping) {
            print(stderr, CsvStatement::unrecognisedMessage(source.csvTable()));
            return 1;
        }
        choices.csv = *mapping;
    }
    const StatementRead read = source.read(choices);
    if (!read.ok()) {
        print(stderr, source.failureMessage(read));
        return 1;
    }
    if (read.dateOrderOpen)
        print(stdout, tr("Every date reads alike month first or day first; they were read month first."));

    const int budgetYear = year.value_or(ImportPlan::startingYear(read.lines, saved.yearOf(document, dataFile)));
    ImportPlan plan(document, read.lines, budgetYear, saved.rules(), arguments.contains(QStringLiteral("--credits")));
    for (int index = 0; index < plan.lines().size(); ++index) {
        // Nobody confirms here: a split as last time is the window's to propose.
        const bool proposed = plan.lines()[index].proposed;
        if (proposed)
            (void)plan.setParts(index, {});
        const PlannedLine &line = plan.lines()[index];
        // Nobody ticks here: a line that could correct an estimate only meets it.
        QString outcome = line.correction && line.recurring ? RecurringMatch::note(*line.recurring)
                                                            : ImportPlan::stateText(line);
        if (line.ticked && proposed)
            outcome = tr("added whole; the window proposes to split it as last time");
        else if (line.ticked && line.isSplit())
            outcome = tr("added as a split of %1 parts").arg(line.parts.size());
        else if (line.ticked && !line.splitNote.isEmpty())
            outcome = tr("added; %1").arg(line.splitNote);
        else if (line.ticked)
            outcome = line.recurring ? tr("added, %1").arg(outcome) : tr("added");
        else if (line.state() == LineState::Credit)
            outcome = line.category.isEmpty() ? tr("credit, no category") : tr("credit, left out");
        else if (line.state() == LineState::NeedsCategory)
            outcome = tr("no category");
        print(stdout, QStringList{line.source.line > 0 ? QString::number(line.source.line) : QStringLiteral("-"),
                                  line.source.date.toString(Qt::ISODate), line.amount, line.description,
                                  ImportPlan::categoryText(line), outcome}
                          .join(u'\t'));
    }

    const AddRecords add = plan.addition();
    const auto creditsLeftOut = std::count_if(plan.lines().cbegin(), plan.lines().cend(), [](const PlannedLine &line) {
        return line.state() == LineState::Credit && !line.ticked;
    });
    const QString summary
        = (dryRun ? tr("Would add %1 of %2 lines to %3 (%4). Duplicates: %5, other years: %6, without a category: "
                       "%7, credits left out: %8.")
                  : tr("Added %1 of %2 lines to %3 (%4). Duplicates: %5, other years: %6, without a category: %7, "
                       "credits left out: %8."))
              .arg(plan.tickedCount())
              .arg(plan.lines().size())
              .arg(QFileInfo(dataFile).fileName())
              .arg(budgetYear)
              .arg(plan.count(LineState::Duplicate))
              .arg(plan.count(LineState::OtherYear))
              .arg(plan.count(LineState::NeedsCategory))
              .arg(creditsLeftOut);
    if (dryRun || add.isEmpty()) {
        print(stdout, summary);
        return 0;
    }
    // No window records the step: the file is written once it is made.
    if (!DocumentEditing(document).addRecords(add, QString(), budgetYear, {}, plan.enteredOccurrences())) {
        print(stderr, tr("The budget file %1 could not be written; it is unchanged.").arg(dataFile));
        return 1;
    }
    if (const std::optional<QString> error = save.write(document)) {
        print(stderr, *error);
        return 1;
    }
    print(stdout, summary);
    return 0;
}
