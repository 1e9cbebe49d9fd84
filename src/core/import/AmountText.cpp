#include "AmountText.h"

#include "document/Decimal.h"

#include <QRegularExpression>

namespace AmountText {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isMinus(QChar c)
{
    return c == u'-' || c == QChar(0x2212);
}

bool isGroupSeparator(QChar c, QChar decimalMark)
{
    const QChar other = decimalMark == u',' ? u'.' : u',';
    return c == other || c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F) || c == u'\'';
}

bool isCurrencyCode(QStringView text)
{
    return text.size() == 3 && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

/// Takes signs, parentheses and currency marks off both ends; false when
/// the marks contradict each other (two signs).
bool stripMarks(QStringView &text, bool &negative)
{
    int signs = 0;
    for (bool changed = true; changed && !text.isEmpty();) {
        changed = true;
        text = text.trimmed();
        if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
            text = text.sliced(1, text.size() - 2);
            negative = true;
            ++signs;
        } else if (!text.isEmpty() && (isMinus(text.front()) || text.front() == u'+')) {
            negative = negative || isMinus(text.front());
            text = text.sliced(1);
            ++signs;
        } else if (!text.isEmpty() && (isMinus(text.back()) || text.back() == u'+')) {
            negative = negative || isMinus(text.back());
            text.chop(1);
            ++signs;
        } else if (!text.isEmpty() && text.front().category() == QChar::Symbol_Currency) {
            text = text.sliced(1);
        } else if (!text.isEmpty() && text.back().category() == QChar::Symbol_Currency) {
            text.chop(1);
        } else if (text.size() > 3 && isCurrencyCode(text.first(3))) {
            text = text.sliced(3);
        } else if (text.size() > 3 && isCurrencyCode(text.last(3))) {
            text.chop(3);
        } else {
            changed = false;
        }
    }
    return signs <= 1;
}

} // namespace

std::optional<QString> parse(QStringView text, QChar decimalMark)
{
    bool negative = false;
    if (!stripMarks(text, negative) || text.isEmpty())
        return std::nullopt;

    QString whole;
    QString fraction;
    bool inFraction = false;
    int groupDigits = -1; // digits since the last group separator; -1 before the first one
    for (const QChar c : text) {
        if (isDigit(c)) {
            (inFraction ? fraction : whole).append(c);
            if (groupDigits >= 0 && !inFraction)
                ++groupDigits;
        } else if (c == decimalMark && !inFraction) {
            if (groupDigits >= 0 && groupDigits != 3)
                return std::nullopt;
            inFraction = true;
        } else if (isGroupSeparator(c, decimalMark) && !inFraction && !whole.isEmpty()
                   && (groupDigits < 0 || groupDigits == 3)) {
            groupDigits = 0;
        } else {
            return std::nullopt;
        }
    }
    if (groupDigits >= 0 && !inFraction && groupDigits != 3)
        return std::nullopt;
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    qsizetype leadingZeros = 0;
    while (leadingZeros + 1 < whole.size() && whole[leadingZeros] == u'0')
        ++leadingZeros;
    QString result = whole.isEmpty() ? QStringLiteral("0") : whole.sliced(leadingZeros);
    if (!fraction.isEmpty())
        result += u'.' + fraction;
    const bool zero = std::all_of(result.begin(), result.end(), [](QChar c) { return c == u'0' || c == u'.'; });
    return negative && !zero ? u'-' + result : result;
}

bool usesDecimalComma(const QStringList &amounts)
{
    static const QRegularExpression comma(QStringLiteral("\\d,\\d{1,2}$"));
    static const QRegularExpression point(QStringLiteral("\\d\\.\\d{1,2}$"));
    int commas = 0;
    int points = 0;
    for (const QString &amount : amounts) {
        QStringView body = amount;
        bool negative = false;
        (void)stripMarks(body, negative);
        if (comma.match(body).hasMatch())
            ++commas;
        else if (point.match(body).hasMatch())
            ++points;
    }
    return commas > points;
}

QString comparable(const QString &amount)
{
    // Plain "-12.50": trailing fraction zeros and leading zeros go. Any
    // other form is read as a number first.
    const bool plain = !amount.isEmpty() && std::all_of(amount.begin(), amount.end(), [](QChar c) {
        return isDigit(c) || c == u'.' || c == u'-';
    }) && amount.lastIndexOf(u'-') <= 0 && amount.count(u'.') <= 1 && amount != u"-";
    if (!plain)
        return Decimal::fromText(amount).toText();
    QStringView text = amount;
    const bool negative = text.startsWith(u'-');
    if (negative)
        text = text.sliced(1);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    while (text.size() > 1 && text.startsWith(u'0') && text[1] != u'.')
        text = text.sliced(1);
    if (text.isEmpty() || text == u"0" || text == u".")
        return QStringLiteral("0");
    const QString digits = text.startsWith(u'.') ? u'0' + text.toString() : text.toString();
    return negative ? u'-' + digits : digits;
}

QString negated(const QString &amount)
{
    if (isNegative(amount))
        return amount.sliced(1);
    const bool zero = std::all_of(amount.begin(), amount.end(), [](QChar c) { return c == u'0' || c == u'.'; });
    return zero ? amount : u'-' + amount;
}

} // namespace AmountText
