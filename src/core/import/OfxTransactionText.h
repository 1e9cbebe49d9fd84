#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

/// One <STMTTRN> block of an OFX file as the bank wrote it: where it is and
/// the texts of its date and amount. libofx turns the date into a moment
/// (whose UTC day can be the next or the previous one) and the amount into
/// a double; the texts keep the bank's day and the exact money.
struct OfxTransactionText
{
    /// The line of "<STMTTRN>", 1 up.
    int line = 0;
    /// DTPOSTED; null when the block has none.
    QString date;
    int dateLine = 0;
    /// TRNAMT; null when the block has none.
    QString amount;
    int amountLine = 0;

    /// Every block of the file, in order. SGML (1.x) and XML (2.x) alike: a
    /// value ends at the next tag or the end of its line.
    [[nodiscard]] static QList<OfxTransactionText> allIn(QByteArrayView bytes);

    /// The day of the date: its first eight digits, YYYYMMDD; the time and
    /// time zone after them do not move it. None when the text does not
    /// start so or the day does not exist.
    [[nodiscard]] std::optional<QDate> day() const;
    /// The amount as a plain decimal text; a comma is the decimal mark when
    /// the text has no point. None when it is no amount.
    [[nodiscard]] std::optional<QString> plainAmount() const;
};
