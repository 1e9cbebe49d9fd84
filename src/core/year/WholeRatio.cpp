#include "WholeRatio.h"

#include <gmpxx.h>

namespace {

/// The exact value of a decimal as a fraction of GMP integers.
mpq_class exact(const Decimal &value)
{
    // The shortest text is all Decimal tells: "-" digits "." digits.
    const std::string text = value.toText().toStdString();
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return mpq_class(mpz_class(text, 10));
    const std::string fraction = text.substr(point + 1);
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(fraction.size()));
    mpq_class result(mpz_class(text.substr(0, point) + fraction, 10), scale);
    result.canonicalize();
    return result;
}

} // namespace

Decimal wholeRatio(const Decimal &value, const Decimal &factor, const Decimal &divisor)
{
    if (divisor.isZero())
        return {};
    const mpq_class ratio = exact(value) * exact(factor) / exact(divisor);
    const mpz_class numerator = ratio.get_num();
    const mpz_class denominator = ratio.get_den(); // always above 0
    // Half away from zero: (2|n| + d) / 2d, truncated, with n's sign.
    const mpz_class magnitude = (2 * mpz_class(abs(numerator)) + denominator) / (2 * denominator);
    const mpz_class rounded = sgn(numerator) < 0 ? mpz_class(-magnitude) : magnitude;
    return Decimal::fromText(QString::fromStdString(rounded.get_str(10)));
}
