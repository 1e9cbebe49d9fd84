#pragma once

#include "Decimal.h"

#include <QHash>
#include <QString>

#include <optional>
#include <unordered_map>

class BudgetDocument;
class DocumentExtensions;

/// What an envelope hands on to the next month: nothing (the default),
/// what is left when it is above 0, or what is left and what is overspent.
enum class CarryMode { None, Left, All };

/// The envelope rollover records of a document (`;@carry`, `;@opening`),
/// read once for a recomputation, and what they make each envelope carry.
class EnvelopeCarry final
{
public:
    explicit EnvelopeCarry(const DocumentExtensions &extensions);

    [[nodiscard]] bool isEmpty() const { return _modes.empty(); }
    [[nodiscard]] CarryMode modeOf(const QString &category) const;
    /// The amount typed as the category's January carry, when there is one.
    [[nodiscard]] std::optional<QString> openingOf(const QString &category) const;
    /// What a month hands on from the figure `left` of the month before.
    [[nodiscard]] static Decimal carried(CarryMode mode, const Decimal &left);

    /// What the category's envelope takes over into month 0–11 in envelope
    /// mode: the month before's figure (its grid cell, so the months before
    /// must be computed), in January last year's closing figure or the
    /// opening amount; 0 for a category that carries nothing or in standard mode.
    [[nodiscard]] Decimal carriedIn(const BudgetDocument &document, int row, int month) const;
    /// The same for a category by name, with the document's records.
    [[nodiscard]] static Decimal carriedIn(const BudgetDocument &document, const QString &category, int month);
    /// The sum of what every category takes over into the month.
    [[nodiscard]] static Decimal carriedIntoMonth(const BudgetDocument &document, int month);

    /// December's figures of last year's categories that carry, under this
    /// year's names: January's carried-in amount where a category carries.
    /// Read from last year's file, never part of this one; setting them
    /// recomputes the document.
    static void setLastYearClosing(BudgetDocument &document, const std::unordered_map<QString, QString> &figures);
    [[nodiscard]] static std::unordered_map<QString, QString> lastYearClosing(const BudgetDocument &document);

    /// The mode's word in the file ("left", "all"); empty for none.
    [[nodiscard]] static QString modeWord(CarryMode mode);
    [[nodiscard]] static std::optional<CarryMode> modeFromWord(const QString &word);

    /// The extensions with the category's mode set (none removes its record).
    [[nodiscard]] static DocumentExtensions withMode(DocumentExtensions extensions, const QString &category, CarryMode mode);
    /// The extensions with the category's opening amount set (empty removes it).
    [[nodiscard]] static DocumentExtensions withOpening(DocumentExtensions extensions, const QString &category,
                                                        const QString &amount);

private:
    std::unordered_map<QString, CarryMode> _modes;
    std::unordered_map<QString, QString> _openings;
};
