#include "QifReader.h"

#include "AmountText.h"
#include "DateText.h"
#include "StatementText.h"

namespace {

/// One transaction's fields as the file gives them, with their lines.
struct QifRecord
{
    int line = 0;
    QString date;
    int dateLine = 0;
    QString amount;
    int amountLine = 0;
    bool amountFromTotal = false; // T, which wins over U
    QString payee;
    QString memo;
    /// S, E and $ lines, amounts as written.
    QList<StatementPart> parts;

    [[nodiscard]] bool isEmpty() const { return line == 0; }
};

enum class Section { None, Account, Other };

Section sectionOf(QStringView header)
{
    if (!header.startsWith(u"Type:", Qt::CaseInsensitive))
        return Section::Other;
    const QStringView type = header.sliced(5).trimmed();
    for (const char *account : {"Bank", "Cash", "CCard"}) {
        if (type.compare(QLatin1String(account), Qt::CaseInsensitive) == 0)
            return Section::Account;
    }
    return Section::Other;
}

} // namespace

StatementRead QifReader::read(QByteArrayView bytes, std::optional<DateOrder> order)
{
    const QStringList lines = StatementText::splitLines(StatementText::decode(bytes));
    QList<QifRecord> records;
    QifRecord record;
    Section section = Section::None;
    bool sawAccount = false;
    QString missing;
    const auto finish = [&]() -> bool {
        if (record.isEmpty())
            return true;
        if (record.date.isNull())
            missing = tr("The transaction that begins at line %1 has no date (a line beginning with D).");
        else if (record.amount.isNull())
            missing = tr("The transaction that begins at line %1 has no amount (a line beginning with T).");
        else
            records.append(record);
        record = {};
        return missing.isEmpty();
    };

    for (int index = 0; index < lines.size(); ++index) {
        const int number = index + 1;
        const QString line = lines[index].trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'!')) {
            const int start = record.line;
            if (!finish())
                return StatementRead::failure(missing.arg(start), start);
            const QStringView header = QStringView(line).sliced(1).trimmed();
            if (header.startsWith(u"Option:", Qt::CaseInsensitive) || header.startsWith(u"Clear:", Qt::CaseInsensitive))
                continue;
            section = sectionOf(header);
            sawAccount = sawAccount || section == Section::Account;
            continue;
        }
        if (section == Section::None)
            return StatementRead::failure(
                tr("This is not a QIF statement: it should begin with a line such as \"!Type:Bank\"."), number);
        if (section != Section::Account)
            continue;
        const QChar code = line.front();
        const QString value = line.sliced(1).trimmed();
        if (code == u'^') {
            const int start = record.line;
            if (!finish())
                return StatementRead::failure(missing.arg(start), start);
            continue;
        }
        if (record.isEmpty())
            record.line = number;
        switch (code.unicode()) {
        case 'D':
            record.date = value;
            record.dateLine = number;
            break;
        case 'T':
        case 'U':
            if (code == u'T' || !record.amountFromTotal) {
                record.amount = value;
                record.amountLine = number;
                record.amountFromTotal = code == u'T';
            }
            break;
        case 'P':
            record.payee = value;
            break;
        case 'M':
            record.memo = value;
            break;
        case 'S':
            record.parts.append({value, QString(), QString()});
            break;
        case 'E':
        case '$': {
            // A part begins with S; an E or $ without one, or one the part
            // has already, begins a part without a category.
            StatementPart *part = record.parts.isEmpty() ? nullptr : &record.parts.last();
            QString StatementPart::*field = code == u'E' ? &StatementPart::memo : &StatementPart::amount;
            if (!part || !(part->*field).isNull()) {
                record.parts.append(StatementPart{});
                part = &record.parts.last();
            }
            part->*field = value;
            break;
        }
        default:
            // Number, cleared mark, category and address lines add nothing
            // a register entry holds.
            break;
        }
    }
    const int start = record.line;
    if (!finish())
        return StatementRead::failure(missing.arg(start), start);
    if (!sawAccount)
        return StatementRead::failure(
            tr("The file holds no bank, cash or credit card account (!Type:Bank, !Type:Cash or !Type:CCard)."),
            int(lines.size()));

    QStringList dates;
    QStringList amounts;
    for (const QifRecord &each : std::as_const(records)) {
        dates.append(each.date);
        amounts.append(each.amount);
    }
    StatementRead read;
    const DateText::OrderGuess guess = DateText::guessOrder(dates);
    read.dateOrderOpen = !order && guess.open;
    const DateOrder dateOrder = order.value_or(guess.order);
    read.dateOrder = dateOrder;
    read.dateOrderMatters = guess.matters;
    const QChar decimalMark = AmountText::usesDecimalComma(amounts) ? u',' : u'.';
    for (const QifRecord &each : std::as_const(records)) {
        StatementLine line;
        line.line = each.line;
        const std::optional<QDate> date = DateText::parse(each.date, dateOrder);
        if (!date)
            return StatementRead::failure(tr("\"%1\" is not a date.").arg(StatementText::excerpt(each.date)), each.dateLine);
        line.date = *date;
        const std::optional<QString> amount = AmountText::parse(each.amount, decimalMark);
        if (!amount)
            return StatementRead::failure(tr("\"%1\" is no amount this program can read.").arg(StatementText::excerpt(each.amount)),
                                          each.amountLine);
        line.amount = *amount;
        line.description = each.payee.isEmpty() ? each.memo : each.payee;
        line.memo = each.payee.isEmpty() ? QString() : each.memo;
        for (const StatementPart &part : each.parts) {
            // A part whose amount cannot be read leaves the line unsplit, which the plan says.
            const std::optional<QString> partAmount = AmountText::parse(part.amount, decimalMark);
            line.parts.append({part.category, partAmount.value_or(QString()), part.memo});
        }
        read.lines.append(line);
    }
    return read;
}
