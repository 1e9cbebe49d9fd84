#include "EnvelopeCarry.h"

#include "DocumentExtensions.h"
#include "PlanningRecords.h"

#include <QObject>
#include <QVariantMap>

namespace {

/// Last year's closing figures travel with the document they belong to, as
/// one of its properties: they are read from another file and never saved.
constexpr char kClosingProperty[] = "orrinwickLastYearClosing";

} // namespace

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
                                 const QObject &document) const
{
    const CarryMode mode = modeOf(category);
    if (mode == CarryMode::None)
        return {};
    if (month > 0)
        return carried(mode, Decimal::fromText(figureBefore));
    const QVariantMap closing = document.property(kClosingProperty).toMap();
    if (const auto found = closing.constFind(category); found != closing.constEnd())
        return carried(mode, Decimal::fromText(found->toString()));
    return carried(mode, Decimal::fromText(openingOf(category).value_or(QString())));
}

bool EnvelopeCarry::setLastYearClosing(QObject &document, const std::unordered_map<QString, QString> &figures)
{
    QVariantMap closing;
    for (const auto &[name, figure] : figures)
        closing.insert(name, figure);
    if (document.property(kClosingProperty).toMap() == closing)
        return false;
    document.setProperty(kClosingProperty, closing);
    return true;
}

std::unordered_map<QString, QString> EnvelopeCarry::lastYearClosing(const QObject &document)
{
    std::unordered_map<QString, QString> figures;
    const QVariantMap closing = document.property(kClosingProperty).toMap();
    for (auto it = closing.constBegin(); it != closing.constEnd(); ++it)
        figures.emplace(it.key(), it.value().toString());
    return figures;
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
