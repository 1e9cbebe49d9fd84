#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

/// Checks of what the user types into a cell, so that only text the data
/// file can hold reaches the document. A result is either the text to store
/// or a message that says why the text was refused.
struct CheckedText
{
    QString text;
    QString error; // empty when the text is accepted

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

/// The rules, each with its one message.
class TextRules final
{
    Q_DECLARE_TR_FUNCTIONS(TextRules)

public:
    TextRules() = delete;

    /// A decimal number, stored in the file's form (optional sign, digits,
    /// optional "." and fraction; zero as "0"). It is read as `locale` writes
    /// numbers (its decimal point, its group separator between groups of three),
    /// in the file's own form, and with "," as the decimal point; a text that
    /// means different numbers in two of these readings ("1,200") is refused
    /// with a message naming both. Spaces around it are dropped.
    [[nodiscard]] static CheckedText checkAmount(const QString &typed, const QLocale &locale = {});
    /// A whole number from 1 to 31.
    [[nodiscard]] static CheckedText checkDay(const QString &typed);
    /// A category name: no line break and no leading ";". Unique names are the
    /// document's business.
    [[nodiscard]] static CheckedText checkName(const QString &typed);
    /// A description: no line break and no leading ";".
    [[nodiscard]] static CheckedText checkDescription(const QString &typed);
    /// A note: no line break; a tab becomes a space, as the file would make it.
    [[nodiscard]] static CheckedText checkNote(const QString &typed);

    /// Text as the writer puts it after the start of a line: no CR LF inside,
    /// whatever the document holds, so the file's lines never shift.
    [[nodiscard]] static QString fileSafeText(const QString &text);
    /// Text as the writer puts it at the start of a line: also no leading ";",
    /// which would make the line a comment.
    [[nodiscard]] static QString fileSafeLine(const QString &text);
    /// A field that shares its line with another, split at a tab: no tab inside.
    [[nodiscard]] static QString fileSafeField(const QString &text);
};
