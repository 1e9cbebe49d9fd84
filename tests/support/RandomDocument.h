#pragma once

#include "DocumentFixtures.h"
#include "document/BudgetDocument.h"

#include <QString>

#include <random>

/// Seeded random documents for property tests. With `hostile` on, the texts
/// also hold what the data file cannot carry as it is: a leading ";", CR LF
/// inside, tabs in amounts, days and marks.
class RandomDocument
{
public:
    RandomDocument(unsigned seed, bool hostile)
        : _random(seed), _hostile(hostile)
    {
    }

    void fill(BudgetDocument &document)
    {
        for (int month = 0; month < MonthTables::kMonthCount; ++month)
            DocumentFixtures::setBudget(document, month, oneIn(8) ? text(6) : amount());
        const int categories = below(6);
        for (int c = 0; c < categories; ++c) {
            QString name = document.uniqueCategoryName(line(12));
            DocumentFixtures::addCategory(document, name);
            for (int month = 0; month < MonthTables::kMonthCount; ++month) {
                EntryList &list = DocumentFixtures::entries(document, name, month);
                list.first().amount = amount();
                if (oneIn(10))
                    list.first().note = text(8);
                const int items = oneIn(3) ? 0 : below(5);
                for (int i = 0; i < items; ++i)
                    list.append(entry());
            }
        }
    }

private:
    int below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(_random); }
    bool oneIn(int n) { return below(n) == 0; }

    Entry entry()
    {
        Entry item;
        item.day = oneIn(10) ? text(3) : QString::number(below(33));
        item.desc = oneIn(20) ? kEnvelopeDesc : text(16);
        item.amount = oneIn(10) ? text(5) : amount();
        item.note = oneIn(2) ? QString() : text(20);
        item.reconciled = oneIn(2) ? QStringLiteral("R") : (oneIn(10) ? text(2) : QStringLiteral(" "));
        if (_hostile && oneIn(4)) {
            item.amount.insert(below(int(item.amount.size()) + 1), u'\t');
            item.day.append(QStringLiteral("\t1"));
            item.reconciled.prepend(u'\t');
        }
        return item;
    }

    QString amount()
    {
        QString text = QString::number(below(200000) - 20000);
        if (oneIn(2))
            text.insert(text.size() - qMin<qsizetype>(2, text.size() - 1), u'.');
        if (oneIn(40))
            text = QStringLiteral("123456789012345678901234.5");
        return text;
    }

    /// A non-empty line of text, with non-ASCII characters now and then.
    QString line(int maxLength)
    {
        QString result;
        while (result.isEmpty())
            result = text(maxLength);
        return result;
    }

    QString text(int maxLength)
    {
        static const QStringList pieces{
            QStringLiteral("a"), QStringLiteral("Z"), QStringLiteral("7"), QStringLiteral(" "),
            QStringLiteral("-"), QStringLiteral("."), QStringLiteral(";"), QStringLiteral("é"),
            QStringLiteral("ß"), QStringLiteral("Ж"), QStringLiteral("中"), QStringLiteral("😀"),
            QStringLiteral("\u00a0"), QStringLiteral("\n"), QStringLiteral("\r"), QStringLiteral("__")};
        static const QStringList hostilePieces{QStringLiteral("\r\n"), QStringLiteral("\t")};
        QString result;
        if (_hostile && oneIn(6))
            result += u';';
        const int length = below(maxLength + 1);
        for (int i = 0; i < length; ++i) {
            if (_hostile && oneIn(8))
                result += hostilePieces[below(int(hostilePieces.size()))];
            else
                result += pieces[below(int(pieces.size()))];
        }
        // Harmless text never begins with ";" nor holds CR LF.
        if (!_hostile) {
            result.replace(QStringLiteral("\r\n"), QStringLiteral("\r-\n"));
            if (result.startsWith(u';'))
                result.prepend(u'x');
        }
        return result;
    }

    std::mt19937 _random;
    bool _hostile;
};
