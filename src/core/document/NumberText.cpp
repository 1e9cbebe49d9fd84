#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace NumberText {

namespace {

qsizetype skipSpace(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

/// The exponent of a number's "e" part, held within ±10^12: any exponent
/// that large decides on its own whether the number is huge or tiny.
long long exponentOf(std::string_view digits)
{
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    long long exponent = 0;
    for (const char digit : digits)
        exponent = std::min(exponent * 10 + (digit - '0'), 1'000'000'000'000LL);
    return negative ? -exponent : exponent;
}

/// The power of ten of the first significant digit of a number written as
/// [-]digits[.digits][e[+-]digits]: 2 for 123, -3 for 0.00123, 3 for 1e3.
long long decimalMagnitude(std::string_view number)
{
    if (!number.empty() && number.front() == '-')
        number.remove_prefix(1);
    const std::size_t exponentAt = number.find('e');
    const long long exponent = exponentAt == std::string_view::npos ? 0 : exponentOf(number.substr(exponentAt + 1));
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t point = mantissa.find('.');
    const std::string_view integer = mantissa.substr(0, point);
    const std::size_t firstSignificant = integer.find_first_not_of('0');
    if (firstSignificant != std::string_view::npos)
        return exponent + static_cast<long long>(integer.size() - firstSignificant) - 1;
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    const std::size_t firstInFraction = fraction.find_first_not_of('0');
    if (firstInFraction == std::string_view::npos)
        return std::numeric_limits<long long>::min(); // the number is zero
    return exponent - static_cast<long long>(firstInFraction) - 1;
}

} // namespace

int intValue(QStringView text)
{
    qsizetype i = skipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > limit)
            value = limit;
    }
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(qMin(value, limit - 1));
}

double doubleValue(QStringView text)
{
    const qsizetype start = skipSpace(text);
    qsizetype i = start;
    std::string number;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool digits = false;
    for (; i < text.size() && isDigit(text[i]); ++i, digits = true)
        number += char(text[i].unicode());
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, digits = true)
            number += char(text[i].unicode());
    }
    if (!digits)
        return 0.0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'-' || text[j] == u'+'))
            exponent += char(text[j++].unicode());
        bool exponentDigits = false;
        for (; j < text.size() && isDigit(text[j]); ++j, exponentDigits = true)
            exponent += char(text[j].unicode());
        if (exponentDigits)
            number += exponent;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    Q_UNUSED(end)
    if (error == std::errc::result_out_of_range) {
        // Too large reads as infinity, too small as zero, as strtod would.
        const bool negative = number.front() == '-';
        if (decimalMagnitude(number) < 0)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return value;
}

float floatValue(QStringView text)
{
    return static_cast<float>(doubleValue(text));
}

QString roundCurrency(QStringView text)
{
    return QString::number(intValue(text));
}

QString validDay(QStringView text)
{
    const int day = intValue(text);
    return day >= 1 && day <= 31 ? QString::number(day) : QStringLiteral("1");
}

bool isValidNumber(QStringView text)
{
    return text == u"0" || text == u"0.0" || doubleValue(text) != 0.0;
}

QString validNumber(const QString &text)
{
    return doubleValue(text) != 0.0 ? text : QStringLiteral("0");
}

QString URLToFilePath(QString text)
{
    return text.remove(QStringLiteral("file://localhost"));
}

} // namespace NumberText
