#pragma once

#include "Decimal.h"

#include <QHash>
#include <QString>

#include <optional>
#include <unordered_map>

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

    /// What the category's envelope takes over into month 0–11: from
    /// `figureBefore`, the month before's figure; in January from last year's
    /// closing figure (`lastYearClosing`, by this year's names), else the
    /// opening amount. 0 for a category that carries nothing.
    [[nodiscard]] Decimal carriedIn(const QString &category, int month, const QString &figureBefore,
                                    const std::unordered_map<QString, QString> &lastYearClosing) const;

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
