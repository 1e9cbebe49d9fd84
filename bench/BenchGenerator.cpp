#include "BenchGenerator.h"

#include "document/DocumentWriter.h"

#include <QFile>

#include <random>

namespace BenchGenerator {

namespace {

const char *const kCategories[kCategoryCount] = {
    "Groceries", "Rent",      "Electricity", "Water",     "Heating",   "Phone",
    "Internet",  "Transport", "Fuel",        "Insurance", "Health",    "Pharmacy",
    "Clothing",  "Shoes",     "Household",   "Garden",    "Repairs",   "Books",
    "Music",     "Cinema",    "Restaurants", "Cafe",      "Gifts",     "Holidays",
    "Sport",     "School",    "Childcare",   "Pets",      "Charity",   "Savings"};

const char *const kPayees[] = {"Market", "Corner Shop", "Bakery", "Online Order", "Station",
                               "Pharmacy", "Town Hall", "Post Office", "Café Nord", "Hardware Store"};

const char *const kNotes[] = {"weekly shop", "monthly", "paid by card", "refund due", "for Anna"};

} // namespace

void fill(BudgetDocument &document, int entries, unsigned seed)
{
    std::mt19937 random(seed);
    const auto below = [&](int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random); };

    // Built as the file reader builds a document.
    const DocumentWriter writer(document);
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        writer.setBudget(month, QStringLiteral("2600"));
    for (const char *name : kCategories)
        writer.appendCategory(QString::fromUtf8(name), QStringLiteral("0"));
    for (const char *name : kCategories) {
        for (int month = 0; month < MonthTables::kMonthCount; ++month)
            writer.setEnvelope(QString::fromUtf8(name), month, QString::number(50 + below(400)));
    }
    for (int i = 0; i < entries; ++i) {
        const QString category = QString::fromUtf8(kCategories[below(kCategoryCount)]);
        const int cents = 100 + below(50000);
        Entry item;
        item.day = QString::number(1 + below(28));
        item.desc = QString::fromUtf8(kPayees[below(int(std::size(kPayees)))]);
        item.amount = QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
        item.note = below(4) == 0 ? QString::fromUtf8(kNotes[below(int(std::size(kNotes)))]) : QString();
        item.reconciled = below(10) < 7 ? QStringLiteral("R") : QStringLiteral(" ");
        writer.entryList(category, below(MonthTables::kMonthCount))->append(item);
    }
}

bool writeJournal(const BudgetDocument &document, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray out;
    for (int row = kFirstCategoryRow; row < document.getCatArray().size(); ++row) {
        const QString &name = document.getCatArray()[row].desc;
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            const EntryList &list = *document.entryList(name, month);
            for (qsizetype i = 1; i < list.size(); ++i) {
                const Entry &item = list[i];
                out += QStringLiteral("2026/%1/%2 %3\n    Expenses:%4    %5\n    Assets:Checking\n\n")
                           .arg(month + 1, 2, 10, QLatin1Char('0'))
                           .arg(item.day.toInt(), 2, 10, QLatin1Char('0'))
                           .arg(item.desc, name, item.amount)
                           .toUtf8();
            }
            if (out.size() > (1 << 20)) {
                file.write(out);
                out.clear();
            }
        }
    }
    file.write(out);
    return file.flush();
}

} // namespace BenchGenerator
