#include "OfxTransactionText.h"

#include "AmountText.h"
#include "StatementText.h"

#include <QByteArrayMatcher>

namespace {

/// The value of an element in a block, and its offset in the block; none
/// when the block does not have the element.
std::optional<std::pair<QString, qsizetype>> valueOf(QByteArrayView upperBlock, QByteArrayView block,
                                                     QByteArrayView tag)
{
    const qsizetype at = upperBlock.indexOf(tag);
    if (at < 0)
        return std::nullopt;
    const qsizetype start = at + tag.size();
    qsizetype end = start;
    while (end < block.size() && block[end] != '<' && block[end] != '\r' && block[end] != '\n')
        ++end;
    return std::pair{StatementText::decode(block.sliced(start, end - start)).trimmed(), at};
}

} // namespace

QList<OfxTransactionText> OfxTransactionText::allIn(QByteArrayView bytes)
{
    const QByteArray upper = bytes.toByteArray().toUpper(); // ASCII only: offsets stay those of `bytes`
    const QByteArrayMatcher open(QByteArrayLiteral("<STMTTRN>"));
    const QByteArrayMatcher close(QByteArrayLiteral("</STMTTRN>"));
    QList<OfxTransactionText> blocks;
    int line = 1;
    qsizetype counted = 0;
    // The next end tag, searched again only once passed: a file without end
    // tags is read in one pass, not once per block.
    qsizetype closed = close.indexIn(upper, 0);
    for (qsizetype at = open.indexIn(upper); at >= 0;) {
        line += int(QByteArrayView(upper).sliced(counted, at - counted).count('\n'));
        counted = at;
        const qsizetype next = open.indexIn(upper, at + 1);
        if (closed >= 0 && closed < at)
            closed = close.indexIn(upper, at);
        qsizetype end = next < 0 ? upper.size() : next;
        if (closed >= 0 && closed < end)
            end = closed;
        const QByteArrayView upperBlock = QByteArrayView(upper).sliced(at, end - at);
        const QByteArrayView block = bytes.sliced(at, end - at);
        const auto lineAt = [&](qsizetype offset) { return line + int(upperBlock.first(offset).count('\n')); };

        OfxTransactionText text;
        text.line = line;
        // libofx refuses a transaction without DTPOSTED, so DTUSER never stands in for it.
        if (const auto date = valueOf(upperBlock, block, "<DTPOSTED>")) {
            text.date = date->first;
            text.dateLine = lineAt(date->second);
        }
        if (const auto amount = valueOf(upperBlock, block, "<TRNAMT>")) {
            text.amount = amount->first;
            text.amountLine = lineAt(amount->second);
        }
        blocks.append(text);
        at = next;
    }
    return blocks;
}

std::optional<QDate> OfxTransactionText::day() const
{
    constexpr int kDigits = 8;
    if (date.size() < kDigits || !std::all_of(date.begin(), date.begin() + kDigits, [](QChar c) {
            return c >= u'0' && c <= u'9';
        }))
        return std::nullopt;
    const QDate day(date.first(4).toInt(), date.sliced(4, 2).toInt(), date.sliced(6, 2).toInt());
    if (!day.isValid())
        return std::nullopt;
    return day;
}

std::optional<QString> OfxTransactionText::plainAmount() const
{
    const bool decimalComma = amount.contains(u',') && !amount.contains(u'.');
    return AmountText::parse(amount, decimalComma ? u',' : u'.');
}
