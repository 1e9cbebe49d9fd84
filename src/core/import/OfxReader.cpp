#include "OfxReader.h"

#include "OfxTransactionText.h"
#include "StatementText.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryFile>

#include <libofx/libofx.h>

namespace {

/// A transaction as libofx hands it over; the date and amount are none
/// where libofx found none.
struct OfxTransaction
{
    StatementLine line;
    bool hasDate = false;
    bool hasAmount = false;
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
    OfxTransaction transaction;
    StatementLine &line = transaction.line;
    transaction.hasDate = data.date_posted_valid || data.date_initiated_valid;
    transaction.hasAmount = data.amount_valid;
    // Only where the blocks of the file cannot be matched: a date without a
    // time is kept at 10:59 UTC, so its day is the UTC day.
    if (transaction.hasDate)
        line.date = QDateTime::fromSecsSinceEpoch(data.date_posted_valid ? data.date_posted : data.date_initiated,
                                                  Qt::UTC)
                        .date();
    if (transaction.hasAmount)
        line.amount = amountText(data.amount);
    if (data.name_valid)
        line.description = StatementText::decode(data.name).simplified();
    if (data.memo_valid)
        line.memo = StatementText::decode(data.memo).simplified();
    if (line.description.isEmpty()) {
        line.description = line.memo;
        line.memo.clear();
    }
    static_cast<QList<OfxTransaction> *>(collected)->append(transaction);
    return 0;
}

/// Gives the transactions the day and the amount the file has for them,
/// block by block; the error where a block's text is not a date or not an
/// amount.
StatementRead takeDatesAndAmounts(QList<OfxTransaction> &transactions, const QList<OfxTransactionText> &texts)
{
    for (qsizetype i = 0; i < transactions.size(); ++i) {
        const OfxTransactionText &text = texts[i];
        OfxTransaction &transaction = transactions[i];
        transaction.line.line = text.line;
        transaction.hasDate = !text.date.isNull();
        transaction.hasAmount = !text.amount.isNull();
        if (transaction.hasDate) {
            const std::optional<QDate> day = text.day();
            if (!day)
                return StatementRead::failure(
                    OfxReader::tr("\"%1\" is not a date.").arg(StatementText::excerpt(text.date)), text.dateLine);
            transaction.line.date = *day;
        }
        if (transaction.hasAmount) {
            const std::optional<QString> amount = text.plainAmount();
            if (!amount)
                return StatementRead::failure(OfxReader::tr("\"%1\" is no amount this program can read.")
                                                  .arg(StatementText::excerpt(text.amount)),
                                              text.amountLine);
            transaction.line.amount = *amount;
        }
    }
    return {};
}

int lineCount(QByteArrayView bytes)
{
    return int(bytes.count('\n')) + (bytes.endsWith('\n') || bytes.isEmpty() ? 0 : 1);
}

} // namespace

StatementRead OfxReader::read(QByteArrayView bytes)
{
    const QByteArray upper = bytes.toByteArray().toUpper();
    const qsizetype open = upper.indexOf("<OFX>");
    if (open < 0)
        return StatementRead::failure(tr("This is not an OFX statement: it has no <OFX> element."), 1);
    // libofx reads a file cut short without a word: the end tag tells.
    if (upper.indexOf("</OFX>", open) < 0)
        return StatementRead::failure(tr("The statement ends before its end (</OFX>): the file is incomplete."),
                                      lineCount(bytes));

    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes.data(), bytes.size()) != bytes.size() || !copy.flush())
        return StatementRead::failure(tr("The statement could not be copied for reading: %1").arg(copy.errorString()), 0);

    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg = ofx_DEBUG4_msg
        = ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg = ofx_ERROR_msg = 0;
    QList<OfxTransaction> transactions;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, onTransaction, &transactions);
    const int result = libofx_proc_file(context, QFile::encodeName(copy.fileName()).constData(), OFX);
    libofx_free_context(context);

    const QList<OfxTransactionText> texts = OfxTransactionText::allIn(bytes);
    // Nothing to import says more than whatever libofx makes of an empty statement.
    if (texts.isEmpty() && transactions.isEmpty())
        return {};
    if (result != 0)
        return StatementRead::failure(tr("libofx found the OFX statement malformed and could not read it."), 0);
    // Counts that differ mean blocks of other statements (investments): libofx's values are all there is.
    if (texts.size() == transactions.size()) {
        if (const StatementRead refused = takeDatesAndAmounts(transactions, texts); !refused.ok())
            return refused;
    }
    StatementRead read;
    int incomplete = 0;
    for (const OfxTransaction &transaction : std::as_const(transactions)) {
        if (transaction.hasDate && transaction.hasAmount)
            read.lines.append(transaction.line);
        else
            ++incomplete;
    }
    if (incomplete > 0)
        return StatementRead::failure(
            tr("Transactions of the statement have no date or no amount: %1.").arg(incomplete), 0);
    return read;
}
