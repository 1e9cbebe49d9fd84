#include "TransactionQuery.h"

#include "tags/NoteTags.h"

#include <QRegularExpression>

#include <utility>

namespace {

const QString kNumber = QStringLiteral("(-?(?:\\d+(?:\\.\\d*)?|\\.\\d+))");

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QString TransactionQuery::fold(QStringView text)
{
    if (isAscii(text))
        return text.toString().toCaseFolded();
    QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    decomposed.removeIf([](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
            || category == QChar::Mark_Enclosing;
    });
    return decomposed.toCaseFolded();
}

TransactionQuery TransactionQuery::parse(QStringView text)
{
    QStringList tags;
    QStringList rest;
    for (const QStringView word : text.tokenize(u' ', Qt::SkipEmptyParts)) {
        const QString tag = NoteTags::tagOf(word.trimmed());
        if (tag.isEmpty())
            rest << word.toString();
        else if (!tags.contains(tag))
            tags << tag;
    }
    if (tags.isEmpty())
        return parseTextOrAmounts(text);
    TransactionQuery query = parseTextOrAmounts(rest.join(u' '));
    query._tags = tags;
    return query;
}

TransactionQuery TransactionQuery::parseTextOrAmounts(QStringView text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*") + kNumber + QStringLiteral("\\s*$"));
    static const QRegularExpression comparison(QStringLiteral("^\\s*(<=|>=|<|>|=)\\s*") + kNumber
                                               + QStringLiteral("\\s*$"));
    static const QRegularExpression between(QStringLiteral("^\\s*") + kNumber + QStringLiteral("\\s*(?:\\.\\.|-)\\s*")
                                            + kNumber + QStringLiteral("\\s*$"));

    TransactionQuery query;
    if (const QRegularExpressionMatch match = comparison.match(text); match.hasMatch()) {
        const QStringView op = match.capturedView(1);
        const Bound bound{Decimal::fromText(match.capturedView(2)), op.size() == 2 || op == u"="};
        if (op.startsWith(u'>') || op == u"=")
            query._low = bound;
        if (op.startsWith(u'<') || op == u"=")
            query._high = bound;
        return query;
    }
    if (const QRegularExpressionMatch match = between.match(text); match.hasMatch()) {
        Decimal low = Decimal::fromText(match.capturedView(1));
        Decimal high = Decimal::fromText(match.capturedView(2));
        if (high < low)
            std::swap(low, high);
        query._low = Bound{low, true};
        query._high = Bound{high, true};
        return query;
    }
    query._folded = fold(text.trimmed());
    if (const QRegularExpressionMatch match = number.match(text); match.hasMatch()) {
        const Decimal value = Decimal::fromText(match.capturedView(1));
        query._low = Bound{value, true};
        query._high = Bound{value, true};
    }
    return query;
}

bool TransactionQuery::matchesAmount(const Decimal &amount) const
{
    if (_low) {
        const int order = amount.compare(_low->value);
        if (order < 0 || (order == 0 && !_low->inclusive))
            return false;
    }
    if (_high) {
        const int order = amount.compare(_high->value);
        if (order > 0 || (order == 0 && !_high->inclusive))
            return false;
    }
    return _low || _high;
}
