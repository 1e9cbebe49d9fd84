#pragma once

#include "document/Decimal.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

/// What the user typed into Find, read once per keystroke. Plain text is
/// looked for in descriptions, notes and category names, ignoring case and
/// accents. A number finds the amounts equal to it as well as the text. A
/// range ("> 100", "< 5", ">= 10", "<= 10", "= 12.5", "10..20", "10 - 20")
/// finds amounts only, bounds included unless the operator says otherwise.
/// A word that is a tag ("#holiday") finds the records whose note has it;
/// with more words ("#holiday market", "#holiday > 100") a record must match
/// the tags and the rest.
class TransactionQuery final
{
public:
    TransactionQuery() = default;

    [[nodiscard]] static TransactionQuery parse(QStringView text);

    /// The text in the form it is compared in: decomposed, accents dropped,
    /// case folded ("Café" gives "cafe").
    [[nodiscard]] static QString fold(QStringView text);

    /// Nothing to look for: the text was empty or white space.
    [[nodiscard]] bool isEmpty() const { return _folded.isEmpty() && !_low && !_high && _tags.isEmpty(); }
    /// The tags a record's note must have, in lower case; none when the
    /// query names none.
    [[nodiscard]] const QStringList &tags() const { return _tags; }
    /// Whether the query looks for text or amounts besides its tags.
    [[nodiscard]] bool hasTextOrAmounts() const { return !_folded.isEmpty() || _low || _high; }
    /// The folded text to look for; empty for a range.
    [[nodiscard]] const QString &foldedText() const { return _folded; }
    /// Whether the query names amounts at all.
    [[nodiscard]] bool hasAmounts() const { return _low || _high; }
    /// Whether the amount lies in the query's range (or equals its number).
    [[nodiscard]] bool matchesAmount(const Decimal &amount) const;

private:
    [[nodiscard]] static TransactionQuery parseTextOrAmounts(QStringView text);

    struct Bound
    {
        Decimal value;
        bool inclusive = true;
    };

    QString _folded;
    QStringList _tags;
    std::optional<Bound> _low;
    std::optional<Bound> _high;
};
