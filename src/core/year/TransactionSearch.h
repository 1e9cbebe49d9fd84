#pragma once

#include "document/Decimal.h"
#include "document/Entry.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

struct DocumentSnapshot;
class TransactionQuery;

/// One booked item as Find lists it.
struct FoundTransaction
{
    int month = 0; // 0 … 11
    QString category;
    Entry entry;
    Decimal amount;
    /// For a part of a split: "84.20, 1 of 3", the split's total and the part; empty otherwise.
    QString split;
};

/// Every booked item of a budget year, prepared once so that each keystroke
/// in Find only compares: the texts folded for comparison, the amounts read.
/// Items are kept in date order: by month, by day within the month, then in
/// budget order and stored order.
class TransactionSearch final
{
public:
    struct Result
    {
        QList<int> rows; // positions in the index, in date order
        Decimal total;
    };

    /// Indexes the booked items of the snapshot's categories (envelope
    /// entries and lists of deleted categories are no transactions).
    void rebuild(const DocumentSnapshot &snapshot);

    [[nodiscard]] int size() const { return int(_items.size()); }
    [[nodiscard]] const FoundTransaction &at(int row) const { return _items[std::size_t(row)].found; }

    /// The items the query matches, and the sum of their amounts; nothing
    /// for an empty query.
    [[nodiscard]] Result find(const TransactionQuery &query) const;

private:
    struct Item
    {
        FoundTransaction found;
        int haystack; // position in _haystacks
        int tags;     // position in _noteTags
    };

    [[nodiscard]] bool hasTags(const Item &item, const QStringList &tags) const;

    std::vector<Item> _items;
    // Each distinct folded description, note and category, separated by a
    // character no query holds, so that one search covers all three. Items
    // share them (payees and notes repeat), so a keystroke searches each
    // text once, however many items hold it.
    std::vector<QString> _haystacks;
    // The tags of each distinct note, the first entry for notes without.
    std::vector<QStringList> _noteTags;
};
