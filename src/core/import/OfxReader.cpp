#include "OfxReader.h"

#include "StatementText.h"

#include <QByteArrayMatcher>
#include <QDateTime>
#include <QFile>

#include <libofx/libofx.h>

namespace {

/// What the callbacks collect while libofx reads.
struct Collected
{
    QList<StatementLine> lines;
    int withoutAmount = 0;
};

/// libofx gives a double: two decimals where they hold the amount exactly
/// (what banks write), more where the statement had more.
QString amountText(double amount)
{
    if (amount == 0)
        return QStringLiteral("0.00");
    QString text = QString::number(amount, 'f', 2);
    if (text.toDouble() != amount) {
        text = QString::number(amount, 'f', 6);
        while (text.endsWith(u'0') && text.indexOf(u'.') < text.size() - 3)
            text.chop(1);
    }
    return text;
}

int onTransaction(const struct OfxTransactionData data, void *collected)
{
    auto &into = *static_cast<Collected *>(collected);
    if (!data.amount_valid || !(data.date_posted_valid || data.date_initiated_valid)) {
        ++into.withoutAmount;
        return 0;
    }
    StatementLine line;
    // A date without a time is kept at 10:59 UTC, so its day is the UTC day.
    line.date = QDateTime::fromSecsSinceEpoch(data.date_posted_valid ? data.date_posted : data.date_initiated,
                                              Qt::UTC)
                    .date();
    line.amount = amountText(data.amount);
    if (data.name_valid)
        line.description = StatementText::decode(data.name).simplified();
    if (data.memo_valid)
        line.memo = StatementText::decode(data.memo).simplified();
    if (line.description.isEmpty()) {
        line.description = line.memo;
        line.memo.clear();
    }
    into.lines.append(line);
    return 0;
}

/// The line of each "<STMTTRN>" in the file: the lines of the transactions
/// libofx hands over, in the same order.
QList<int> transactionLines(QByteArrayView bytes)
{
    QList<int> lines;
    const QByteArray upper = bytes.toByteArray().toUpper();
    const QByteArrayMatcher tag(QByteArrayLiteral("<STMTTRN>"));
    int line = 1;
    qsizetype counted = 0;
    for (qsizetype at = tag.indexIn(upper); at >= 0; at = tag.indexIn(upper, at + 1)) {
        line += int(QByteArrayView(upper).sliced(counted, at - counted).count('\n'));
        counted = at;
        lines.append(line);
    }
    return lines;
}

int lineCount(QByteArrayView bytes)
{
    return int(bytes.count('\n')) + (bytes.endsWith('\n') || bytes.isEmpty() ? 0 : 1);
}

} // namespace

StatementRead OfxReader::read(const QString &path, QByteArrayView bytes)
{
    const QByteArray upper = bytes.toByteArray().toUpper();
    const qsizetype open = upper.indexOf("<OFX>");
    if (open < 0)
        return StatementRead::failure(tr("This is not an OFX statement: it has no <OFX> element."), 1);
    // libofx reads a file cut short without a word: the end tag tells.
    if (upper.indexOf("</OFX>", open) < 0)
        return StatementRead::failure(tr("The statement ends before its end (</OFX>): the file is incomplete."),
                                      lineCount(bytes));

    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg = ofx_DEBUG4_msg
        = ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg = ofx_ERROR_msg = 0;
    Collected collected;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, onTransaction, &collected);
    const int result = libofx_proc_file(context, QFile::encodeName(path).constData(), OFX);
    libofx_free_context(context);

    const QList<int> lines = transactionLines(bytes);
    if (lines.size() == collected.lines.size()) {
        for (qsizetype i = 0; i < lines.size(); ++i)
            collected.lines[i].line = lines[i];
    }
    if (result != 0)
        return StatementRead::failure(tr("libofx found the OFX statement malformed and could not read it."), 0);
    if (collected.withoutAmount > 0)
        return StatementRead::failure(
            tr("Transactions of the statement have no date or no amount: %1.").arg(collected.withoutAmount), 0);
    StatementRead read;
    read.lines = collected.lines;
    return read;
}
