#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

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
        const qsizetype e = qsizetype(number.find('e'));
        const bool tiny = e >= 0 && e + 1 < qsizetype(number.size()) && number[std::size_t(e + 1)] == '-';
        if (tiny)
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
