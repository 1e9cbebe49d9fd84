#include "Decimal.h"

#include <algorithm>

namespace {

constexpr int kMaxSmallScale = 18;

bool multiplyByPowerOfTen(std::int64_t &value, int digits)
{
    for (int i = 0; i < digits; ++i) {
        if (__builtin_mul_overflow(value, std::int64_t(10), &value))
            return false;
    }
    return true;
}

mpz_class powerOfTen(int digits)
{
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), 10, static_cast<unsigned long>(digits));
    return result;
}

} // namespace

Decimal Decimal::fromText(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }

    Decimal result;
    std::int64_t small = 0;
    bool big = false;
    QByteArray bigDigits;
    int scale = 0;
    bool seenDigit = false;
    bool inFraction = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'.' && !inFraction) {
            inFraction = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        seenDigit = true;
        const int digit = c.unicode() - u'0';
        if (!big && (__builtin_mul_overflow(small, std::int64_t(10), &small)
                     || __builtin_add_overflow(small, std::int64_t(digit), &small))) {
            big = true;
        }
        bigDigits.append(char('0' + digit));
        if (inFraction)
            ++scale;
    }
    if (!seenDigit)
        return result;

    result._scale = scale;
    if (big || scale > kMaxSmallScale) {
        result._isBig = true;
        result._big.set_str(bigDigits.constData(), 10);
        if (negative)
            result._big = -result._big;
    } else {
        result._small = negative ? -small : small;
    }
    return result;
}

QString Decimal::toText() const
{
    std::string digits;
    bool negative = false;
    if (_isBig) {
        negative = sgn(_big) < 0;
        mpz_class magnitude = abs(_big);
        digits = magnitude.get_str(10);
    } else {
        negative = _small < 0;
        // The magnitude of INT64_MIN does not fit, so go through unsigned.
        const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(_small)
                                                 : static_cast<std::uint64_t>(_small);
        digits = std::to_string(magnitude);
    }

    std::string fraction;
    std::string integer = digits;
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
    QString out;
    if (negative)
        out += u'-';
    out += QString::fromLatin1(integer.data(), qsizetype(integer.size()));
    if (!fraction.empty()) {
        out += u'.';
        out += QString::fromLatin1(fraction.data(), qsizetype(fraction.size()));
    }
    return out;
}

int Decimal::sign() const
{
    if (_isBig)
        return sgn(_big);
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
    const Decimal difference = *this - other;
    return difference.sign();
}

void Decimal::add(const Decimal &other, bool subtract)
{
    const int scale = std::max(_scale, other._scale);
    rescaleTo(scale);
    Decimal rhs = other;
    rhs.rescaleTo(scale);

    if (!_isBig && !rhs._isBig) {
        std::int64_t result = 0;
        const bool overflow = subtract ? __builtin_sub_overflow(_small, rhs._small, &result)
                                       : __builtin_add_overflow(_small, rhs._small, &result);
        if (!overflow) {
            _small = result;
            return;
        }
    }
    promote();
    if (subtract)
        _big -= rhs.bigCoefficient();
    else
        _big += rhs.bigCoefficient();
}

void Decimal::rescaleTo(int scale)
{
    const int extra = scale - _scale;
    if (extra <= 0)
        return;
    if (!_isBig) {
        std::int64_t value = _small;
        if (scale <= kMaxSmallScale && multiplyByPowerOfTen(value, extra)) {
            _small = value;
            _scale = scale;
            return;
        }
        promote();
    }
    _big *= powerOfTen(extra);
    _scale = scale;
}

void Decimal::promote()
{
    if (_isBig)
        return;
    _big = bigCoefficient();
    _isBig = true;
}

mpz_class Decimal::bigCoefficient() const
{
    static_assert(sizeof(long) == sizeof(std::int64_t), "GMP's long must hold the small coefficient");
    if (_isBig)
        return _big;
    return mpz_class(static_cast<long>(_small));
}
