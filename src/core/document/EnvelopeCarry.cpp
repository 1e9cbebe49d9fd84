#include "EnvelopeCarry.h"

#include "BudgetDocument.h"
#include "PlanningRecords.h"

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

Decimal EnvelopeCarry::carriedIn(const BudgetDocument &document, int row, int month) const
{
    const QList<CategoryRow> &rows = document.getCatArray();
    if (!document.isEnvelopeEnabled() || row < kFirstCategoryRow || row >= rows.size() || month < 0
        || month >= MonthTables::kMonthCount)
        return {};
    const QString &name = rows[row].desc;
    const CarryMode mode = modeOf(name);
    if (mode == CarryMode::None)
        return {};
    if (month > 0)
        return carried(mode, Decimal::fromText(rows[row].months[std::size_t(month - 1)]));
    const QVariantMap closing = document.property(kClosingProperty).toMap();
    if (const auto found = closing.constFind(name); found != closing.constEnd())
        return carried(mode, Decimal::fromText(found->toString()));
    return carried(mode, Decimal::fromText(openingOf(name).value_or(QString())));
}

Decimal EnvelopeCarry::carriedIn(const BudgetDocument &document, const QString &category, int month)
{
    return EnvelopeCarry(document.extensions()).carriedIn(document, document.rowOfCategory(category), month);
}

Decimal EnvelopeCarry::carriedIntoMonth(const BudgetDocument &document, int month)
{
    const EnvelopeCarry carry(document.extensions());
    Decimal sum;
    if (carry.isEmpty())
        return sum;
    for (int row = kFirstCategoryRow; row < document.getCatArray().size(); ++row)
        sum += carry.carriedIn(document, row, month);
    return sum;
}

void EnvelopeCarry::setLastYearClosing(BudgetDocument &document, const std::unordered_map<QString, QString> &figures)
{
    QVariantMap closing;
    for (const auto &[name, figure] : figures)
        closing.insert(name, figure);
    if (document.property(kClosingProperty).toMap() == closing)
        return;
    document.setProperty(kClosingProperty, closing);
    document.updateView();
}

std::unordered_map<QString, QString> EnvelopeCarry::lastYearClosing(const BudgetDocument &document)
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
