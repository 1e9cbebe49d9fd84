#include "CsvStatement.h"

#include "AmountText.h"
#include "DateText.h"
#include "StatementText.h"

#include "document/Decimal.h"

#include <QLocale>
#include <QRegularExpression>

#include <functional>

namespace {

constexpr qsizetype kSampleRows = 50;

/// A header name without case, units in parentheses or extra spaces.
QString normalName(const QString &name)
{
    static const QRegularExpression units(QStringLiteral("\\(.*\\)"));
    return QString(name).remove(units).simplified().toLower();
}

int findColumn(const QStringList &names, std::initializer_list<const char *> candidates)
{
    for (const char *candidate : candidates) {
        const qsizetype at = names.indexOf(QString::fromUtf8(candidate));
        if (at >= 0)
            return int(at);
    }
    return CsvMapping::kNone;
}

bool isDate(const QString &text)
{
    return DateText::parse(text, DateOrder::MonthFirst) || DateText::parse(text, DateOrder::DayFirst);
}

bool isAmount(const QString &text, QChar mark)
{
    return AmountText::parse(text, mark).has_value();
}

QList<CsvRow> dataRows(const CsvTable &table, bool hasHeader)
{
    return table.rows().mid(hasHeader ? 1 : 0);
}

QStringList columnSample(const QList<CsvRow> &rows, int column)
{
    QStringList cells;
    for (const CsvRow &row : rows.first(std::min(rows.size(), kSampleRows))) {
        if (column >= 0 && column < row.cells.size() && !row.cells[column].trimmed().isEmpty())
            cells.append(row.cells[column]);
    }
    return cells;
}

bool allOf(const QStringList &cells, const std::function<bool(const QString &)> &test)
{
    return !cells.isEmpty() && std::all_of(cells.begin(), cells.end(), test);
}

/// The sum of plain decimal texts, with as many decimals as the longest of
/// them: a row with both a debit and a credit holds their difference.
QString sumOf(const QStringList &amounts)
{
    Decimal sum;
    qsizetype decimals = 0;
    for (const QString &amount : amounts) {
        sum += Decimal::fromText(amount);
        const qsizetype point = amount.indexOf(u'.');
        decimals = std::max(decimals, point < 0 ? 0 : amount.size() - point - 1);
    }
    QString text = sum.toText();
    const qsizetype point = text.indexOf(u'.');
    const qsizetype has = point < 0 ? 0 : text.size() - point - 1;
    if (decimals > has)
        text += (point < 0 ? QStringLiteral(".") : QString()) + QString(decimals - has, u'0');
    return text;
}

} // namespace

QString CsvStatement::layoutKey(const CsvTable &table)
{
    if (!hasHeader(table))
        return QStringLiteral("columns:%1").arg(table.columnCount());
    QStringList names;
    for (const QString &name : table.rows().first().cells)
        names.append(normalName(name));
    return QStringLiteral("header:") + names.join(QChar(0x1F));
}

bool CsvStatement::hasHeader(const CsvTable &table)
{
    if (table.rows().isEmpty())
        return false;
    const QStringList &cells = table.rows().first().cells;
    return std::none_of(cells.begin(), cells.end(), isDate);
}

std::optional<CsvMapping> CsvStatement::recognise(const CsvTable &table)
{
    if (!hasHeader(table))
        return std::nullopt;
    QStringList names;
    for (const QString &name : table.rows().first().cells)
        names.append(normalName(name));
    CsvMapping mapping;
    mapping.hasHeader = true;
    mapping.date = findColumn(names, {"date", "datum", "booking date", "buchungstag", "buchungsdatum",
                                      "transaction date", "posting date", "posted date"});
    mapping.description = findColumn(names, {"description", "payee", "name", "beneficiary", "empfänger",
                                             "zahlungsempfänger", "begünstigter/zahlungspflichtiger",
                                             "auftraggeber/empfänger", "beschreibung"});
    mapping.memo = findColumn(names, {"memo", "verwendungszweck", "reference", "notes"});
    mapping.amount = findColumn(names, {"amount", "betrag", "umsatz"});
    if (mapping.amount == CsvMapping::kNone) {
        mapping.debit = findColumn(names, {"debit", "debit amount", "withdrawal", "withdrawals", "money out", "soll"});
        mapping.credit = findColumn(names, {"credit", "credit amount", "deposit", "deposits", "money in", "haben"});
    }
    if (!mapping.isComplete())
        return std::nullopt;
    QStringList amounts;
    const QList<CsvRow> rows = dataRows(table, true);
    for (const int column : {mapping.amount, mapping.debit, mapping.credit})
        amounts += columnSample(rows, column);
    mapping.decimalComma = AmountText::usesDecimalComma(amounts);
    return mapping;
}

CsvMapping CsvStatement::guess(const CsvTable &table)
{
    if (const std::optional<CsvMapping> recognised = recognise(table))
        return *recognised;
    CsvMapping mapping;
    mapping.hasHeader = hasHeader(table);
    const QList<CsvRow> rows = dataRows(table, mapping.hasHeader);
    QStringList everything;
    for (int column = 0; column < table.columnCount(); ++column)
        everything += columnSample(rows, column);
    mapping.decimalComma = AmountText::usesDecimalComma(everything);
    const QChar mark = mapping.decimalComma ? u',' : u'.';
    qsizetype widest = -1;
    for (int column = 0; column < table.columnCount(); ++column) {
        const QStringList cells = columnSample(rows, column);
        if (mapping.date == CsvMapping::kNone && allOf(cells, isDate)) {
            mapping.date = column;
        } else if (mapping.amount == CsvMapping::kNone
                   && allOf(cells, [mark](const QString &cell) { return isAmount(cell, mark); })) {
            mapping.amount = column;
        } else if (!allOf(cells, isDate)) {
            const qsizetype width = cells.join(QString()).size();
            if (width > widest) {
                widest = width;
                mapping.description = column;
            }
        }
    }
    return mapping;
}

QString CsvStatement::unrecognisedMessage(const CsvTable &table)
{
    if (!hasHeader(table))
        return tr("The statement has no header row that names its columns, and no column layout was saved for "
                  "it. Import it once in the window, where its columns can be chosen.");
    return tr("The statement's columns are %1. The date, the description or the amount is not among the names "
              "this program knows, and no column layout was saved for them. Import it once in the window, where "
              "its columns can be chosen.")
        .arg(QLocale().createSeparatedList(table.rows().first().cells));
}

StatementRead CsvStatement::read(const CsvTable &table, const CsvMapping &mapping)
{
    if (!table.error().isEmpty())
        return StatementRead::failure(table.error(), table.errorLine());
    if (!mapping.isComplete())
        return StatementRead::failure(tr("Choose the columns of the date, the description and the amount."), 0);
    const QList<CsvRow> rows = dataRows(table, mapping.hasHeader);
    StatementRead read;
    QStringList dates;
    for (const CsvRow &row : rows) {
        if (mapping.date < row.cells.size())
            dates.append(row.cells[mapping.date]);
    }
    const DateText::OrderGuess guess = DateText::guessOrder(dates);
    read.dateOrderOpen = !mapping.dateOrder && guess.open;
    const DateOrder order = mapping.dateOrder.value_or(guess.order);
    read.dateOrder = order;
    read.dateOrderMatters = guess.matters;
    const QChar mark = mapping.decimalComma ? u',' : u'.';
    const int needed = std::max({mapping.date, mapping.description, mapping.memo, mapping.amount, mapping.debit,
                                 mapping.credit}) + 1;
    const auto amountIn = [&](const CsvRow &row, int column) -> std::optional<std::optional<QString>> {
        if (column == CsvMapping::kNone || row.cells[column].trimmed().isEmpty())
            return std::optional<QString>();
        const std::optional<QString> amount = AmountText::parse(row.cells[column], mark);
        if (!amount)
            return std::nullopt;
        return amount;
    };
    for (const CsvRow &row : rows) {
        if (row.cells.size() < needed)
            return StatementRead::failure(
                tr("This line has %1 fields, fewer than the columns chosen.").arg(row.cells.size()),
                row.line);
        StatementLine line;
        line.line = row.line;
        const QString dateText = row.cells[mapping.date];
        const std::optional<QDate> date = DateText::parse(dateText, order);
        if (!date)
            return StatementRead::failure(tr("\"%1\" is not a date.").arg(StatementText::excerpt(dateText)), row.line);
        line.date = *date;
        line.description = row.cells[mapping.description].simplified();
        if (mapping.memo != CsvMapping::kNone)
            line.memo = row.cells[mapping.memo].simplified();
        QStringList amounts;
        for (const int column : {mapping.amount, mapping.debit, mapping.credit}) {
            const std::optional<std::optional<QString>> value = amountIn(row, column);
            if (!value)
                return StatementRead::failure(tr("\"%1\" is no amount this program can read.")
                                                  .arg(StatementText::excerpt(row.cells[column])),
                                              row.line);
            if (!*value)
                continue;
            // A debit column holds money out however it is signed, a credit column money in.
            const bool negative = AmountText::isNegative(**value);
            if ((column == mapping.debit && !negative) || (column == mapping.credit && negative))
                amounts.append(AmountText::negated(**value));
            else
                amounts.append(**value);
        }
        if (amounts.isEmpty())
            return StatementRead::failure(tr("This line has no amount."), row.line);
        line.amount = amounts.size() == 1 ? amounts.first() : sumOf(amounts);
        read.lines.append(line);
    }
    return read;
}
