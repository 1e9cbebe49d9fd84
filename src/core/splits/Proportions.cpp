#include "Proportions.h"

#include <gmpxx.h>

namespace {

mpq_class rational(const Decimal &value)
{
    QString text = value.toText();
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    const qsizetype point = text.indexOf(u'.');
    const qsizetype fraction = point < 0 ? 0 : text.size() - point - 1;
    text.remove(u'.');
    mpz_class denominator = 1;
    mpz_ui_pow_ui(denominator.get_mpz_t(), 10, static_cast<unsigned long>(fraction));
    mpq_class result(mpz_class(text.toStdString(), 10), denominator);
    result.canonicalize();
    return negative ? mpq_class(-result) : result;
}

/// The value rounded to cents, half away from zero, as a Decimal.
Decimal cents(const mpq_class &value)
{
    const mpq_class hundredths = abs(value) * 100;
    // floor(x + 1/2) for x >= 0.
    const mpz_class rounded = (hundredths.get_num() * 2 + hundredths.get_den()) / (hundredths.get_den() * 2);
    QString digits = QString::fromStdString(rounded.get_str()).rightJustified(3, u'0');
    digits.insert(digits.size() - 2, u'.');
    if (sgn(value) < 0 && rounded != 0)
        digits.prepend(u'-');
    return Decimal::fromText(digits);
}

} // namespace

std::optional<QList<Decimal>> Proportions::shares(const QList<Decimal> &parts, const Decimal &total)
{
    Decimal sum;
    for (const Decimal &part : parts)
        sum += part;
    if (parts.isEmpty() || sum.isZero())
        return std::nullopt;
    const mpq_class ratio = rational(total) / rational(sum);
    QList<Decimal> result{Decimal()};
    Decimal rest = total;
    for (qsizetype at = 1; at < parts.size(); ++at) {
        const Decimal share = cents(rational(parts[at]) * ratio);
        result.append(share);
        rest -= share;
    }
    result.first() = rest;
    return result;
}
