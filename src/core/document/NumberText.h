#pragma once

#include <QString>
#include <QStringView>

/// The text rules for amounts, budget values and days. Pure functions that
/// never fail.
namespace NumberText {

/// Whole-number reading: white space, optional sign, digits up to the first
/// other character; 0 when the text does not begin with a number. Saturates
/// at the limits of int.
[[nodiscard]] int intValue(QStringView text);
/// Floating reading of the longest leading decimal number (with optional
/// fraction and exponent); 0.0 when the text does not begin with a number.
[[nodiscard]] double doubleValue(QStringView text);
[[nodiscard]] float floatValue(QStringView text);

/// The whole-number value written as a whole number: "1634.9" gives "1634".
[[nodiscard]] QString roundCurrency(QStringView text);
/// The whole-number value when it is 1 to 31, otherwise "1".
[[nodiscard]] QString validDay(QStringView text);
/// True for exactly "0" or "0.0", otherwise when the floating value is not zero.
[[nodiscard]] bool isValidNumber(QStringView text);
/// The text unchanged when its floating value is not zero, otherwise "0".
[[nodiscard]] QString validNumber(const QString &text);
/// The text with every "file://localhost" removed.
[[nodiscard]] QString URLToFilePath(QString text);

} // namespace NumberText
