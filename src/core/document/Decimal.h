#pragma once

#include <QString>
#include <QStringView>

#include <gmpxx.h>

#include <cstdint>
#include <optional>

/// Exact decimal number for money: a coefficient and a count of fraction
/// digits. Values that fit stay in a machine integer; anything longer moves
/// to GMP, so sums of amounts of any length stay exact.
class Decimal final
{
public:
    Decimal() = default;

    /// Reads the leading decimal number of the text (white space, optional
    /// sign, digits, optional "." and fraction). Text without one reads as 0;
    /// whatever follows the number is ignored. Never fails.
    [[nodiscard]] static Decimal fromText(QStringView text);

    /// Shortest exact text: "-" when negative, the integer digits, and "."
    /// with the fraction only when it is not zero ("45.1", "800", "0").
    [[nodiscard]] QString toText() const;

    [[nodiscard]] int sign() const;
    [[nodiscard]] bool isZero() const { return sign() == 0; }

    Decimal &operator+=(const Decimal &other);
    Decimal &operator-=(const Decimal &other);
    [[nodiscard]] friend Decimal operator+(Decimal a, const Decimal &b) { return a += b; }
    [[nodiscard]] friend Decimal operator-(Decimal a, const Decimal &b) { return a -= b; }
    [[nodiscard]] friend bool operator==(const Decimal &a, const Decimal &b) { return a.compare(b) == 0; }
    [[nodiscard]] friend bool operator<(const Decimal &a, const Decimal &b) { return a.compare(b) < 0; }

    /// -1, 0 or 1 as this value is below, equal to or above the other.
    [[nodiscard]] int compare(const Decimal &other) const;

private:
    void add(const Decimal &other, bool subtract);
    /// The coefficient scaled up to `scale` fraction digits, as a GMP integer.
    [[nodiscard]] mpz_class bigCoefficient(int scale) const;

    std::int64_t _small = 0;
    std::optional<mpz_class> _big; // the coefficient, once it outgrew _small
    int _scale = 0;                // number of fraction digits of the coefficient
};
