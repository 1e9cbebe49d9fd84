#include "EnvelopeCarry.h"

#include "DocumentExtensions.h"
#include "PlanningRecords.h"


EnvelopeCarry::EnvelopeCarry(const DocumentExtensions &extensions)
{
    for (const ExtensionRecord &record : extensions.recordsOf(ExtensionKind::kCarry)) {
        if (const std::optional<CarryMode> mode = modeFromWord(record.field(1)))
            _modes.emplace(record.field(0), *mode);
    }
    if (_modes.empty())
        return;
    for (const ExtensionRecord &record : extensions.recordsOf(ExtensionKind::kOpening))
        _openings.emplace(record.field(0), record.field(1));
}

CarryMode EnvelopeCarry::modeOf(const QString &category) const
{
    const auto found = _modes.find(category);
    return found == _modes.end() ? CarryMode::None : found->second;
}

std::optional<QString> EnvelopeCarry::openingOf(const QString &category) const
{
    const auto found = _openings.find(category);
    if (found == _openings.end())
        return std::nullopt;
    return found->second;
}

Decimal EnvelopeCarry::carried(CarryMode mode, const Decimal &left)
{
    switch (mode) {
    case CarryMode::None:
        return {};
    case CarryMode::Left:
        return left.sign() > 0 ? left : Decimal();
    case CarryMode::All:
        return left;
    }
    return {};
}

Decimal EnvelopeCarry::carriedIn(const QString &category, int month, const QString &figureBefore,
                                 const std::unordered_map<QString, QString> &lastYearClosing) const
{
    const CarryMode mode = modeOf(category);
    if (mode == CarryMode::None)
        return {};
    if (month > 0)
        return carried(mode, Decimal::fromText(figureBefore));
    if (const auto found = lastYearClosing.find(category); found != lastYearClosing.end())
        return carried(mode, Decimal::fromText(found->second));
    return carried(mode, Decimal::fromText(openingOf(category).value_or(QString())));
}

QString EnvelopeCarry::modeWord(CarryMode mode)
{
    switch (mode) {
    case CarryMode::None:
        return {};
    case CarryMode::Left:
        return QStringLiteral("left");
    case CarryMode::All:
        return QStringLiteral("all");
    }
    return {};
}

std::optional<CarryMode> EnvelopeCarry::modeFromWord(const QString &word)
{
    if (word == u"left")
        return CarryMode::Left;
    if (word == u"all")
        return CarryMode::All;
    return std::nullopt;
}

DocumentExtensions EnvelopeCarry::withMode(DocumentExtensions extensions, const QString &category, CarryMode mode)
{
    const QString word = modeWord(mode);
    PlanningRecords::replaceCategoryRecord(extensions, ExtensionKind::kCarry, category,
                                           word.isEmpty() ? QStringList() : QStringList{word});
    return extensions;
}

DocumentExtensions EnvelopeCarry::withOpening(DocumentExtensions extensions, const QString &category,
                                              const QString &amount)
{
    PlanningRecords::replaceCategoryRecord(extensions, ExtensionKind::kOpening, category,
                                           amount.isEmpty() ? QStringList() : QStringList{amount});
    return extensions;
}
