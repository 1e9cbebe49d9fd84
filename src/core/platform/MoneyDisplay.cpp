#include "MoneyDisplay.h"

namespace MoneyDisplay {

namespace {

// Digits beyond this do not fit the locale's integer formatting; such
// amounts are shown ungrouped rather than wrong.
constexpr qsizetype kGroupedDigits = 18;

QString localDigits(QStringView digits, const QLocale &locale)
{
    if (locale.zeroDigit() == u"0")
        return digits.toString();
    QString out;
    for (QChar digit : digits)
        out += locale.toString(digit.digitValue());
    return out;
}

} // namespace

QString format(QStringView stored, const QLocale &locale)
{
    // The C locale asks for no localisation: the stored form is shown.
    if (locale.language() == QLocale::C)
        return stored.toString();
    const QStringView text = stored.trimmed();
    qsizetype at = 0;
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        ++at;
    const qsizetype point = text.indexOf(u'.', at);
    const QStringView whole = text.sliced(at, (point < 0 ? text.size() : point) - at);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    const auto allDigits = [](QStringView part) {
        return std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (whole.isEmpty() || !allDigits(whole) || !allDigits(fraction))
        return stored.toString();

    QString out = negative ? locale.negativeSign() : QString();
    out += whole.size() <= kGroupedDigits ? locale.toString(whole.toULongLong()) : localDigits(whole, locale);
    if (point >= 0)
        out += locale.decimalPoint() + localDigits(fraction, locale);
    return out;
}

} // namespace MoneyDisplay
