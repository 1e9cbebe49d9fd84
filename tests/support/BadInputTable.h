#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>

/// What the bad-input tests try at each entry point and what must happen.
/// The tests run these rows, and tests/BAD_INPUT.md is written from them,
/// so the table there says exactly what the tests check.
namespace BadInput {

/// What a long or broken-up input is made of: digits in number cells,
/// letters in text cells.
enum class Content { Digits, Letters };

struct Input
{
    QString name;
    QString digits;
    QString letters;

    [[nodiscard]] const QString &text(Content content) const { return content == Content::Digits ? digits : letters; }
};

inline QString repeatedTo(const QString &pattern, qsizetype length)
{
    return pattern.repeated(length / pattern.size() + 1).left(length);
}

/// The inputs tried at every entry point, in table order.
inline const QList<Input> &inputs()
{
    static const QList<Input> list = [] {
        const auto same = [](const char *name, const QString &text) {
            return Input{QString::fromUtf8(name), text, text};
        };
        return QList<Input>{
            same("empty", QString()),
            same("spaces only", QStringLiteral("   ")),
            same("letters", QStringLiteral("abc")),
            same("12abc", QStringLiteral("12abc")),
            same("1e400", QStringLiteral("1e400")),
            {QStringLiteral("10,000 characters"), repeatedTo(QStringLiteral("1234567890"), 10000),
             repeatedTo(QStringLiteral("abcdefghij"), 10000)},
            // One past what a QLineEdit holds by default.
            {QStringLiteral("32,768 characters"), repeatedTo(QStringLiteral("1234567890"), 32768),
             repeatedTo(QStringLiteral("abcdefghij"), 32768)},
            {QStringLiteral("LF inside"), QStringLiteral("12\n50"), QStringLiteral("ab\ncd")},
            {QStringLiteral("CR inside"), QStringLiteral("12\r50"), QStringLiteral("ab\rcd")},
            {QStringLiteral("CR LF inside"), QStringLiteral("12\r\n50"), QStringLiteral("ab\r\ncd")},
            // What a spreadsheet puts on the clipboard for one cell.
            {QStringLiteral("CR LF at the end"), QStringLiteral("12\r\n"), QStringLiteral("abc\r\n")},
            {QStringLiteral("leading ;"), QStringLiteral(";12"), QStringLiteral(";abc")},
            {QStringLiteral("tab inside"), QStringLiteral("12\t50"), QStringLiteral("ab\tcd")},
            same("-0", QStringLiteral("-0")),
            same("60 digits", QStringLiteral("123456789012345678901234567890123456789012345678901234567890")),
            same("tiny number", QStringLiteral("0.000000000000000000001")),
            // 1e-330: not zero, but zero as a double.
            same("below double range", QStringLiteral("0.") + QString(329, u'0') + u'1'),
            same("non-ASCII", QStringLiteral("Café ü 家計")),
            same("12,50", QStringLiteral("12,50")),
            same("thousands separator", QStringLiteral("1,234")),
            same("full-width digits", QStringLiteral("１２")),
        };
    }();
    return list;
}

enum class Result { Refused, Stored, Ignored };

/// A message or stored text in which "%1" stands for the input as typed.
struct Expected
{
    Result result;
    QString text; // Refused: the "WARNING" message; Stored: the stored text
};

inline Expected refused(const QString &message) { return {Result::Refused, message}; }
inline Expected storedAs(const QString &text) { return {Result::Stored, text}; }
inline Expected asTyped() { return {Result::Stored, QStringLiteral("%1")}; }
inline Expected ignored() { return {Result::Ignored, {}}; }

/// Fills "%1" with the input; QString::arg would also read markers inside the input.
inline QString filled(const QString &text, const QString &input)
{
    QString result = text;
    return result.replace(QStringLiteral("%1"), input);
}

struct Case
{
    QString input; // the name of one of inputs(), or of a row of this entry point alone
    Expected expected;
    /// What goes wrong today, where the program does not yet do what is expected.
    QString fault = {};
    std::optional<QString> ownText = {}; // the text of a row of this entry point alone
};

struct EntryPoint
{
    QString test; // the test function that runs the rows
    QString title;
    QString how;
    Content content;
    QList<Case> cases;

    [[nodiscard]] QString inputText(const Case &row) const
    {
        if (row.ownText)
            return *row.ownText;
        for (const Input &input : inputs()) {
            if (input.name == row.input)
                return input.text(content);
        }
        return {};
    }
};

// The messages, as the program shows them.
inline const QString kNotAnAmount = QStringLiteral("\"%1\" is not an amount. Type a number such as 12.50 or -3.");
inline const QString kNotADay = QStringLiteral("\"%1\" is not a day. Type a day of the month from 1 to 31.");
inline const QString kNameLineBreak = QStringLiteral("A category name cannot contain a line break.");
inline const QString kNameSemicolon = QStringLiteral("A category name cannot begin with \";\".");
inline const QString kDescLineBreak = QStringLiteral("A description cannot contain a line break.");
inline const QString kDescSemicolon = QStringLiteral("A description cannot begin with \";\".");
inline const QString kNoteLineBreak = QStringLiteral("A note cannot contain a line break.");
inline const QString kNotACategory
    = QStringLiteral("\"%1\" is not a category of this budget. Choose one of its categories.");

/// A case for every input in table order: the usual outcome, except where a
/// case of `except` names the input. Cases of `except` that name no input
/// (rows of the entry point alone) come last.
inline QList<Case> casesFor(const Expected &usual, const QList<Case> &except = {})
{
    QList<Case> cases;
    for (const Input &input : inputs()) {
        const auto own = std::find_if(except.begin(), except.end(),
                                      [&input](const Case &row) { return row.input == input.name; });
        cases << (own != except.end() ? *own : Case{input.name, usual});
    }
    for (const Case &row : except) {
        const bool named = std::any_of(inputs().begin(), inputs().end(),
                                       [&row](const Input &input) { return input.name == row.input; });
        if (!named)
            cases << row;
    }
    return cases;
}

/// The four inputs with a line break, each with the same outcome.
inline QList<Case> lineBreaks(const Expected &expected)
{
    QList<Case> cases;
    for (const char *input : {"LF inside", "CR inside", "CR LF inside", "CR LF at the end"})
        cases << Case{QString::fromLatin1(input), expected};
    return cases;
}

/// An amount, wherever it is typed: one rule for budget cells, envelopes
/// and the register, zero stored as "0".
inline QList<Case> amountCases()
{
    return casesFor(refused(kNotAnAmount),
                    {
                        {QStringLiteral("10,000 characters"), asTyped()},
                        {QStringLiteral("32,768 characters"), asTyped()},
                        {QStringLiteral("CR LF at the end"), storedAs(QStringLiteral("12"))},
                        {QStringLiteral("-0"), storedAs(QStringLiteral("0"))},
                        {QStringLiteral("60 digits"), asTyped()},
                        {QStringLiteral("tiny number"), asTyped()},
                        // An amount reads as zero when its floating value is zero.
                        {QStringLiteral("below double range"), storedAs(QStringLiteral("0"))},
                        {QStringLiteral("12,50"), storedAs(QStringLiteral("12.50"))},
                        // "," groups thousands here but was long read as a decimal point.
                        {QStringLiteral("thousands separator"),
                         refused(QStringLiteral("\"%1\" could mean 1234 or 1.234. Type it without a thousands "
                                                "separator, as 1234 or 1.234."))},
                    });
}

/// A category name, in the grid or in the category editor.
inline QList<Case> nameCases()
{
    return casesFor(asTyped(), lineBreaks(refused(kNameLineBreak))
                                   + QList<Case>{{QStringLiteral("empty"), ignored()},
                                                 {QStringLiteral("leading ;"), refused(kNameSemicolon)}});
}

inline const QString kGridHow = QStringLiteral(
    "The cell is edited in place in the budget grid of the main window: the input is pasted into the cell's line "
    "editor over the selected old text (an empty input deletes it) and committed with Return.");
inline const QString kRegisterHow = QStringLiteral(
    "On the register tab (March), the cell of the record \"Market\" (category Food, day 20, amount 45.10, note "
    "\"fresh\") is edited in place: the input is pasted into the cell's line editor over the selected old text (an "
    "empty input deletes it) and committed with Return.");

inline const QList<EntryPoint> &entryPoints()
{
    static const QList<EntryPoint> list{
        {QStringLiteral("gridBudgetCell"), QStringLiteral("Budget grid: budget cell (standard mode)"),
         kGridHow + QStringLiteral(" The cell is the Budget row's March cell, holding 1000."), Content::Digits,
         amountCases()},
        {QStringLiteral("gridCategoryName"), QStringLiteral("Budget grid: category name"),
         kGridHow + QStringLiteral(" The cell is the name of the category \"Food\"."), Content::Letters, nameCases()},
        {QStringLiteral("registerDay"), QStringLiteral("Register: day"), kRegisterHow, Content::Digits,
         casesFor(refused(kNotADay), {{QStringLiteral("CR LF at the end"), storedAs(QStringLiteral("12"))}})},
        {QStringLiteral("registerAmount"), QStringLiteral("Register: amount"), kRegisterHow, Content::Digits,
         amountCases()},
        {QStringLiteral("registerDescription"), QStringLiteral("Register: description"), kRegisterHow,
         Content::Letters,
         casesFor(asTyped(), lineBreaks(refused(kDescLineBreak))
                                 + QList<Case>{{QStringLiteral("leading ;"), refused(kDescSemicolon)}})},
        {QStringLiteral("registerNote"), QStringLiteral("Register: note"), kRegisterHow, Content::Letters,
         casesFor(asTyped(), lineBreaks(refused(kNoteLineBreak))
                                 + QList<Case>{{QStringLiteral("tab inside"), storedAs(QStringLiteral("ab cd"))}})},
        {QStringLiteral("registerCategory"), QStringLiteral("Register: category"),
         QStringLiteral("On the register tab (March), the category cell of the record \"Market\" (category Food). "
                        "Its editor is a combo box of the budget's category names, which cannot produce any other "
                        "text; the input is handed to the register's model as the combo box's commit hands over its "
                        "choice."),
         Content::Letters,
         casesFor(refused(kNotACategory),
                  {{QStringLiteral("another category of the budget"), asTyped(), {}, QStringLiteral("Rent")}})},
        {QStringLiteral("envelopeAmount"), QStringLiteral("Envelope editor: envelope amount"),
         QStringLiteral("In envelope mode, a click into the Budget row's March cell of the grid opens the envelope "
                        "editor; there Food's envelope (40) is edited in place: the input is pasted into the cell's "
                        "line editor over the selected old text (an empty input deletes it), committed with Return, "
                        "and the editor is closed with its Close button."),
         Content::Digits, amountCases()},
        {QStringLiteral("categoryEditorName"), QStringLiteral("Category editor: category name"),
         QStringLiteral("The register's category button opens the category editor; there the name \"Food\" is "
                        "edited in place: the input is pasted into the cell's line editor over the selected old text "
                        "(an empty input deletes it), committed with Return, and the editor is closed with its Close "
                        "button."),
         Content::Letters, nameCases()},
    };
    return list;
}

inline const EntryPoint &entryPoint(const QString &test)
{
    for (const EntryPoint &point : entryPoints()) {
        if (point.test == test)
            return point;
    }
    qFatal("no bad-input table for %s", qPrintable(test));
}

} // namespace BadInput
