#include "DueCommandLine.h"

#include "RecurringDue.h"
#include "RecurringRecords.h"

#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "editing/DocumentEditing.h"
#include "platform/StderrAlerts.h"
#include "safety/UnattendedSave.h"
#include "year/BudgetYear.h"

#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = (text + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

} // namespace

int DueCommandLine::run(const QString &path, const QStringList &arguments, const Settings &settings, QDate today)
{
    QDate until = today;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--until")); at >= 0) {
        until = QDate::fromString(arguments.value(at + 1), QStringLiteral("yyyy-MM-dd"));
        if (!until.isValid()) {
            print(stderr, QStringLiteral("orrinwick: ") + tr("--until takes a date such as 2026-05-31"));
            print(stderr, QStringLiteral("Try 'orrinwick --help' for more information."));
            return 2;
        }
    }
    const bool enter = arguments.contains(QStringLiteral("--enter"));
    // Locked before it is read: a window that has it open would save over what is entered.
    UnattendedSave save(path, settings);
    if (enter) {
        if (const std::optional<OpenFileLock::Holder> holder = save.lock()) {
            print(stderr, QStringLiteral("orrinwick: ") + UnattendedSave::heldMessage(path, *holder));
            return 1;
        }
    }
    StderrAlerts alerts;
    BudgetDocument document;
    BudgetFileReader::Options options;
    options.sortData = false;
    if (BudgetFileReader::loadFile(document, path, alerts, options) != BudgetFileReader::LoadResult::Loaded)
        return 1;

    const int year = BudgetYear::of(document, path).value_or(until.year());
    const QList<RecurringItem> items = RecurringRecords::read(document);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].isBroken())
            print(stderr, QStringLiteral("orrinwick: ")
                              + tr("recurring transaction %1 cannot be read, %2; it enters nothing")
                                    .arg(i + 1)
                                    .arg(items[i].problem));
    }
    const QList<DueOccurrence> due = RecurringDue::upTo(items, year, until);
    QList<HandledOccurrence> handled;
    for (const DueOccurrence &occurrence : due) {
        const RecurringTransaction &transaction = *items[occurrence.item].transaction;
        print(stdout, QStringList{occurrence.occurrence.date.toString(Qt::ISODate), transaction.category,
                                  transaction.description, transaction.amountField()}
                          .join(u'\t'));
        handled.append({occurrence.item, occurrence.occurrence.date, true, occurrence.occurrence.date,
                        transaction.amount});
    }
    const QString untilText = until.toString(Qt::ISODate);
    if (!enter || due.isEmpty()) {
        print(stdout, tr("%1 due up to %2").arg(due.size()).arg(untilText));
        return 0;
    }
    DocumentEditing editing(document);
    const EditAnswer answer = editing.recurring().handle(handled, year, QLocale::c());
    if (!answer.isChanged()) {
        print(stderr, QStringLiteral("orrinwick: ") + answer.message);
        return 1;
    }
    if (const std::optional<QString> error = save.write(document)) {
        print(stderr, QStringLiteral("orrinwick: ") + *error);
        return 1;
    }
    print(stdout, tr("%1 entered up to %2").arg(due.size()).arg(untilText));
    return 0;
}
