#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// The comment line that opens the data file's extension section, after the
/// last category's December block.
inline const QString kExtensionHeader = QStringLiteral("; ****** ORRINWICK_EXTENSIONS 1 ******");

/// One line of the extension section: `;@KIND<TAB>field<TAB>field…`, each
/// field with tab, CR, LF and backslash escaped as `\t`, `\r`, `\n`, `\\`.
/// The line begins with ";", so a reader that knows only the Ver 1 layout
/// skips it as a comment.
struct ExtensionRecord
{
    QString kind;
    QStringList fields;
    /// The line as read when its fields could not be read (a bad escape):
    /// kept and written back exactly, never interpreted.
    QString verbatim;

    [[nodiscard]] static ExtensionRecord of(const QString &kind, const QStringList &fields)
    {
        return {kind, fields, QString()};
    }
    /// The record of a line that begins with ";@"; none for any other line.
    [[nodiscard]] static std::optional<ExtensionRecord> fromLine(QStringView line);
    /// The line that stores the record, without its line end.
    [[nodiscard]] QString toLine() const;
    /// Whether the fields were read (a verbatim record is not).
    [[nodiscard]] bool isReadable() const { return verbatim.isEmpty(); }
    /// The field at `index`, or an empty text past the last one.
    [[nodiscard]] QString field(qsizetype index) const { return fields.value(index); }

    [[nodiscard]] static QString escaped(QStringView text);
    /// The text of an escaped field; none when a backslash starts no known escape.
    [[nodiscard]] static std::optional<QString> unescaped(QStringView field);

    friend bool operator==(const ExtensionRecord &, const ExtensionRecord &) = default;
};
