#include "Decimal.h"

#include <algorithm>
#include <string>

namespace {

/// Up to this many digits a coefficient always fits in 64 bits.
constexpr int kSmallDigits = 18;

bool scaleUp(std::int64_t &value, int digits)
{
    for (int i = 0; i < digits; ++i) {
        if (__builtin_mul_overflow(value, std::int64_t(10), &value))
            return false;
    }
    return true;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

Decimal Decimal::fromText(QStringView text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype start = i;
    qsizetype point = -1;
    int digits = 0;
    for (; i < n; ++i) {
        if (text[i] == u'.' && point < 0)
            point = i;
        else if (isDigit(text[i]))
            ++digits;
        else
            break;
    }

    Decimal result;
    if (digits == 0)
        return result;
    result._scale = point < 0 ? 0 : int(i - point - 1);
    if (digits <= kSmallDigits) {
        std::int64_t value = 0;
        for (qsizetype j = start; j < i; ++j) {
            if (j != point)
                value = value * 10 + (text[j].unicode() - u'0');
        }
        result._small = negative ? -value : value;
        return result;
    }
    std::string all;
    all.reserve(std::size_t(digits) + 1);
    if (negative)
        all += '-';
    for (qsizetype j = start; j < i; ++j) {
        if (j != point)
            all += char(text[j].unicode());
    }
    result._big = mpz_class(all, 10);
    return result;
}

QString Decimal::toText() const
{
    std::string digits;
    bool negative = false;
    if (_big) {
        negative = sgn(*_big) < 0;
        digits = mpz_class(abs(*_big)).get_str(10);
    } else {
        negative = _small < 0;
        // The magnitude of INT64_MIN does not fit, so go through unsigned.
        const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(_small)
                                                 : static_cast<std::uint64_t>(_small);
        digits = std::to_string(magnitude);
    }

    std::string integer = digits;
    std::string fraction;
    if (_scale > 0) {
        if (static_cast<int>(digits.size()) <= _scale)
            digits.insert(0, std::size_t(_scale) + 1 - digits.size(), '0');
        integer = digits.substr(0, digits.size() - std::size_t(_scale));
        fraction = digits.substr(digits.size() - std::size_t(_scale));
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
    }

    if (integer == "0" && fraction.empty())
        return QStringLiteral("0");
    std::string text = negative ? "-" + integer : integer;
    if (!fraction.empty())
        text += '.' + fraction;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

int Decimal::sign() const
{
    if (_big)
        return sgn(*_big);
    return (_small > 0) - (_small < 0);
}

Decimal &Decimal::operator+=(const Decimal &other)
{
    add(other, false);
    return *this;
}

Decimal &Decimal::operator-=(const Decimal &other)
{
    add(other, true);
    return *this;
}

int Decimal::compare(const Decimal &other) const
{
    return (*this - other).sign();
}

void Decimal::add(const Decimal &other, bool subtract)
{
    const int scale = std::max(_scale, other._scale);
    if (!_big && !other._big) {
        std::int64_t a = _small;
        std::int64_t b = other._small;
        std::int64_t sum = 0;
        if (scaleUp(a, scale - _scale) && scaleUp(b, scale - other._scale)
            && !(subtract ? __builtin_sub_overflow(a, b, &sum) : __builtin_add_overflow(a, b, &sum))) {
            _small = sum;
            _scale = scale;
            return;
        }
    }
    const mpz_class a = bigCoefficient(scale);
    const mpz_class b = other.bigCoefficient(scale);
    _big = subtract ? mpz_class(a - b) : mpz_class(a + b);
    _scale = scale;
}

mpz_class Decimal::bigCoefficient(int scale) const
{
    static_assert(sizeof(long) == sizeof(std::int64_t), "GMP's long must hold the small coefficient");
    mpz_class value = _big ? *_big : mpz_class(static_cast<long>(_small));
    if (scale > _scale) {
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(scale - _scale));
        value *= power;
    }
    return value;
}
