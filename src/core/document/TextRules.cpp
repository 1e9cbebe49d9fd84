#include "TextRules.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace TextRules {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TextRules", text);
}

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

CheckedText checkLine(const QString &typed, const char *lineBreakMessage, const char *semicolonMessage)
{
    if (hasLineBreak(typed))
        return {typed, tr(lineBreakMessage)};
    if (typed.startsWith(u';'))
        return {typed, tr(semicolonMessage)};
    return {typed, {}};
}

} // namespace

CheckedText checkAmount(const QString &typed)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    QString text = typed.trimmed();
    text.replace(u',', u'.');
    if (!number.match(text).hasMatch())
        return {typed, tr("\"%1\" is not an amount. Type a number such as 12.50 or -3.").arg(typed)};
    return {text, {}};
}

CheckedText checkDay(const QString &typed)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,2}$"));
    const QString text = typed.trimmed();
    const int day = text.toInt();
    if (!digits.match(text).hasMatch() || day < 1 || day > 31)
        return {typed, tr("\"%1\" is not a day. Type a day of the month from 1 to 31.").arg(typed)};
    return {text, {}};
}

CheckedText checkName(const QString &typed)
{
    return checkLine(typed, QT_TRANSLATE_NOOP("TextRules", "A category name cannot contain a line break."),
                     QT_TRANSLATE_NOOP("TextRules", "A category name cannot begin with \";\"."));
}

CheckedText checkDescription(const QString &typed)
{
    return checkLine(typed, QT_TRANSLATE_NOOP("TextRules", "A description cannot contain a line break."),
                     QT_TRANSLATE_NOOP("TextRules", "A description cannot begin with \";\"."));
}

CheckedText checkNote(const QString &typed)
{
    if (hasLineBreak(typed))
        return {typed, tr("A note cannot contain a line break.")};
    QString text = typed;
    text.replace(u'\t', u' ');
    return {text, {}};
}

// The writer asks these for every field, and nearly every text is safe as
// it is: it is then handed back without a copy.

QString fileSafeText(const QString &text)
{
    // A search for one character is much quicker than one for two.
    if (!text.contains(u'\r') || !text.contains(u"\r\n"))
        return text;
    QString safe = text;
    safe.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return safe;
}

QString fileSafeLine(const QString &text)
{
    QString line = fileSafeText(text);
    if (line.startsWith(u';'))
        line.prepend(u' ');
    return line;
}

QString fileSafeField(const QString &text)
{
    QString field = fileSafeText(text);
    field.replace(u'\t', u' ');
    return field;
}

} // namespace TextRules
