#pragma once

#include "document/Entry.h"

#include <QHash>
#include <QList>
#include <QString>

#include <utility>

class BudgetDocument;

/// Finds the lines a register already holds: an entry of the same month
/// and day, with the same amount (as a number) and description, in any
/// category. Each stored entry answers for one line only, so two equal
/// purchases on one day are both kept when the register has one of them.
/// A split answers as one entry of its total, its parts not on their own.
class DuplicateFinder final
{
public:
    /// Counts the stored entries that could match one of the lines (month
    /// 0–11 and entry): those on one of their days, with one of their descriptions.
    DuplicateFinder(const BudgetDocument &document, const QList<std::pair<int, Entry>> &lines);

    /// Whether a stored entry like this one is left unmatched; it is
    /// matched to this line then.
    [[nodiscard]] bool take(int month, const Entry &entry);

private:
    struct Key
    {
        int monthAndDay = 0;
        QString amount; // "12.5" and "12.50" alike
        QString desc;

        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.monthAndDay, key.amount, key.desc);
        }
    };

    [[nodiscard]] static Key key(int month, const Entry &entry);

    QHash<Key, int> _unmatched;
};
