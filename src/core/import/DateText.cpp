#include "DateText.h"

namespace DateText {

namespace {

/// The numbers of a date and the two characters between them.
struct DateFields
{
    int numbers[3] = {};
    int digits[3] = {};
    QChar separators[2];
    bool compact = false; // "20241231"
};

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'.' || c == u'-' || c == u'\'';
}

void skipSpaces(QStringView text, qsizetype &i)
{
    while (i < text.size() && text[i] == u' ')
        ++i;
}

/// Reads up to `maxDigits` digits at `i`; answers how many were read.
int readNumber(QStringView text, qsizetype &i, int maxDigits, int &value)
{
    int count = 0;
    value = 0;
    while (i < text.size() && count < maxDigits && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - u'0');
        ++i;
        ++count;
    }
    return count;
}

std::optional<DateFields> split(QStringView text)
{
    text = text.trimmed();
    DateFields fields;
    qsizetype i = 0;
    int value = 0;
    if (readNumber(text, i, 8, value) == 8) {
        fields.compact = true;
        fields.numbers[0] = value / 10000;
        fields.numbers[1] = value / 100 % 100;
        fields.numbers[2] = value % 100;
        fields.digits[0] = 4;
    } else {
        i = 0;
        for (int k = 0; k < 3; ++k) {
            skipSpaces(text, i);
            fields.digits[k] = readNumber(text, i, 4, fields.numbers[k]);
            if (fields.digits[k] == 0)
                return std::nullopt;
            if (k == 2)
                break;
            skipSpaces(text, i);
            if (i >= text.size() || !isSeparator(text[i]))
                return std::nullopt;
            fields.separators[k] = text[i++];
        }
    }
    if (i < text.size() && !text[i].isSpace() && text[i] != u'T')
        return std::nullopt;
    return fields;
}

/// Whether the order of day and month depends on the reader.
bool dependsOnOrder(const DateFields &fields)
{
    return !fields.compact && fields.digits[0] != 4 && fields.separators[0] != u'.';
}

std::optional<int> fullYear(int year, int digits, bool apostrophe)
{
    if (digits == 4)
        return year;
    if (digits != 2)
        return std::nullopt;
    if (apostrophe)
        return 2000 + year;
    return year >= 70 ? 1900 + year : 2000 + year;
}

} // namespace

std::optional<QDate> parse(QStringView text, DateOrder order)
{
    const std::optional<DateFields> fields = split(text);
    if (!fields)
        return std::nullopt;
    int year = 0;
    int month = 0;
    int day = 0;
    if (fields->digits[0] == 4) {
        if (fields->digits[1] > 2 || fields->digits[2] > 2)
            return std::nullopt;
        year = fields->numbers[0];
        month = fields->numbers[1];
        day = fields->numbers[2];
    } else {
        if (fields->digits[0] > 2 || fields->digits[1] > 2)
            return std::nullopt;
        const bool dayFirst = !dependsOnOrder(*fields) || order == DateOrder::DayFirst;
        day = fields->numbers[dayFirst ? 0 : 1];
        month = fields->numbers[dayFirst ? 1 : 0];
        const std::optional<int> full
            = fullYear(fields->numbers[2], fields->digits[2], fields->separators[1] == u'\'');
        if (!full)
            return std::nullopt;
        year = *full;
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

OrderGuess guessOrder(const QStringList &dates)
{
    int dayFirst = 0;
    int monthFirst = 0;
    bool anyDepends = false;
    for (const QString &text : dates) {
        const std::optional<DateFields> fields = split(text);
        if (!fields || !dependsOnOrder(*fields))
            continue;
        anyDepends = true;
        if (fields->numbers[0] > 12 && fields->numbers[1] <= 12)
            ++dayFirst;
        else if (fields->numbers[1] > 12 && fields->numbers[0] <= 12)
            ++monthFirst;
    }
    OrderGuess guess;
    guess.order = dayFirst > monthFirst ? DateOrder::DayFirst : DateOrder::MonthFirst;
    guess.open = anyDepends && dayFirst == 0 && monthFirst == 0;
    guess.matters = anyDepends;
    return guess;
}

} // namespace DateText
