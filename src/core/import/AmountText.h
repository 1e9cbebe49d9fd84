#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// Amounts as banks write them in statements.
namespace AmountText {

/// Reads an amount: a sign in front or behind ("-12.50", "12.50-"), or
/// parentheses for a negative one; a currency sign or three-letter code
/// around it ("€ 12,50", "12.50 USD"); digits grouped by threes with the
/// other mark, a space or an apostrophe ("1,234.50", "1.234,50",
/// "1'234.50"); `decimalMark` "." or ",". Answers a plain decimal text
/// ("-1234.50"), or none when the text is in no such form, including a
/// group that is not three digits long: "12,50" read with a decimal point
/// is refused rather than taken as 1250.
[[nodiscard]] std::optional<QString> parse(QStringView text, QChar decimalMark);

/// Whether the amounts use a decimal comma: some end in a comma and one or
/// two digits, and more of them than end in a point and one or two digits.
[[nodiscard]] bool usesDecimalComma(const QStringList &amounts);

/// The amount in one form for comparing: "12.50", "12.5" and "012.5"
/// give the same text. Cheap for the plain texts the register holds.
[[nodiscard]] QString comparable(const QString &amount);

/// A plain decimal text with its sign turned round ("12.50" and "-12.50");
/// zero stays unsigned.
[[nodiscard]] QString negated(const QString &amount);
[[nodiscard]] inline bool isNegative(const QString &amount) { return amount.startsWith(u'-'); }

} // namespace AmountText
