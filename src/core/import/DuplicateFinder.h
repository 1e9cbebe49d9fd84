#pragma once

#include <QHash>
#include <QSet>
#include <QString>

class BudgetDocument;
struct Entry;

/// Finds the lines a register already holds: an entry of the same month
/// and day, with the same amount (as a number) and description, in any
/// category. Each stored entry answers for one line only, so two equal
/// purchases on one day are both kept when the register has one of them.
class DuplicateFinder final
{
public:
    /// Counts the stored entries described by one of `descriptions`.
    DuplicateFinder(const BudgetDocument &document, const QSet<QString> &descriptions);

    /// Whether a stored entry like this one is left unmatched; it is
    /// matched to this line then.
    [[nodiscard]] bool take(int month, const Entry &entry);

private:
    [[nodiscard]] static QString key(int month, const Entry &entry);

    QHash<QString, int> _unmatched;
};
