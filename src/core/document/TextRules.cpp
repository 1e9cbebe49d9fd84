#include "TextRules.h"

#include "Decimal.h"
#include "NumberText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

bool hasLineBreak(const QString &text) { return text.contains(u'\n') || text.contains(u'\r'); }

CheckedText checkLine(const QString &typed, const char *lineBreakMessage, const char *semicolonMessage)
{
    if (hasLineBreak(typed))
        return { typed, TextRules::tr(lineBreakMessage) };
    if (typed.startsWith(u';'))
        return { typed, TextRules::tr(semicolonMessage) };
    return { typed, {} };
}

/// The file's form of a number, or a null text when `text` is not one.
QString fileForm(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    return number.match(text).hasMatch() ? text : QString();
}

/// The number as written with `point` as the decimal point and `group`
/// (when not null) between groups of three digits, in the file's form; a
/// null text when it is not written so.
QString readWith(const QString &text, QChar point, QChar group)
{
    QString plain = text;
    if (!group.isNull() && plain.contains(group)) {
        const qsizetype end = plain.indexOf(point) < 0 ? plain.size() : plain.indexOf(point);
        static const QRegularExpression grouped(QStringLiteral("^[+-]?\\d{1,3}(G\\d{3})+$"));
        QString whole = plain.left(end);
        whole.replace(group, u'G');
        if (!grouped.match(whole).hasMatch())
            return {};
        plain = whole.remove(u'G') + plain.mid(end);
    }
    if (point != u'.') {
        if (plain.contains(u'.'))
            return {};
        plain.replace(point, u'.');
    }
    return fileForm(plain);
}

/// The number in the locale's own notation, without grouping.
QString shownIn(const QString &fileText, const QLocale &locale)
{
    QString shown = fileText;
    shown.replace(u'.', locale.decimalPoint());
    return shown;
}

} // namespace

CheckedText TextRules::checkAmount(const QString &typed, const QLocale &locale)
{
    QString text = typed.trimmed();
    const QString point = locale.decimalPoint();
    QString group = locale.groupSeparator();
    // A locale that groups with a (narrow, no-break) space is typed with a
    // plain one, and pasted from the screen with the locale's own.
    if (group.size() == 1 && group[0].isSpace()) {
        group = QStringLiteral(" ");
        for (QChar &c : text) {
            if (c.isSpace())
                c = u' ';
        }
    }
    QStringList readings;
    for (const QString &reading :
         { fileForm(text),
           point.size() == 1 && group.size() <= 1 ? readWith(text, point[0], group.isEmpty() ? QChar() : group[0])
                                                  : QString(),
           readWith(text, u',', QChar()) }) {
        if (reading.isNull())
            continue;
        const bool known = std::any_of(readings.cbegin(), readings.cend(), [&reading](const QString &other) {
            return Decimal::fromText(other) == Decimal::fromText(reading);
        });
        if (!known)
            readings.append(reading);
    }
    if (readings.isEmpty())
        return { typed, tr("\"%1\" is not an amount. Type a number such as 12.50 or -3.").arg(typed) };
    if (readings.size() > 1) {
        const QString one = shownIn(Decimal::fromText(readings[0]).toText(), locale);
        const QString other = shownIn(Decimal::fromText(readings[1]).toText(), locale);
        return {
            typed,
            tr("\"%1\" could mean %2 or %3. Type it without a thousands separator, as %2 or %3.").arg(typed, one, other)
        };
    }
    return { NumberText::validNumber(readings.first()), {} };
}

CheckedText TextRules::checkDay(const QString &typed)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,2}$"));
    const QString text = typed.trimmed();
    const int day = text.toInt();
    if (!digits.match(text).hasMatch() || day < 1 || day > 31)
        return { typed, tr("\"%1\" is not a day. Type a day of the month from 1 to 31.").arg(typed) };
    return { text, {} };
}

CheckedText TextRules::checkName(const QString &typed)
{
    return checkLine(typed, QT_TRANSLATE_NOOP("TextRules", "A category name cannot contain a line break."),
                     QT_TRANSLATE_NOOP("TextRules", "A category name cannot begin with \";\"."));
}

CheckedText TextRules::checkDescription(const QString &typed)
{
    return checkLine(typed, QT_TRANSLATE_NOOP("TextRules", "A description cannot contain a line break."),
                     QT_TRANSLATE_NOOP("TextRules", "A description cannot begin with \";\"."));
}

CheckedText TextRules::checkNote(const QString &typed)
{
    if (hasLineBreak(typed))
        return { typed, tr("A note cannot contain a line break.") };
    QString text = typed;
    text.replace(u'\t', u' ');
    return { text, {} };
}

// The writer asks these for every field, and nearly every text is safe as
// it is: it is then handed back without a copy.

QString TextRules::fileSafeText(const QString &text)
{
    // A search for one character is much quicker than one for two.
    if (!text.contains(u'\r') || !text.contains(u"\r\n"))
        return text;
    QString safe = text;
    safe.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return safe;
}

QString TextRules::fileSafeLine(const QString &text)
{
    QString line = fileSafeText(text);
    if (line.startsWith(u';'))
        line.prepend(u' ');
    return line;
}

QString TextRules::fileSafeField(const QString &text)
{
    QString field = fileSafeText(text);
    field.replace(u'\t', u' ');
    return field;
}
