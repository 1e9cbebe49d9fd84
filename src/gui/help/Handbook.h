#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QUrl>

/// The handbook's pages: Markdown built into the program under
/// :/handbook/<language>/<page>.md, with index.md as the contents (a list of
/// links to the pages). A page is named by its file name without ".md".
class Handbook final
{
    Q_DECLARE_TR_FUNCTIONS(Handbook)

public:
    /// A page as the contents list it: its title and its name.
    struct Entry
    {
        QString title;
        QString page;
    };

    static inline const QString kContentsPage = QStringLiteral("index");

    /// The language the handbook speaks: the first of the user's languages
    /// it has pages in, else English.
    [[nodiscard]] static QString userLanguage();
    /// The languages it has pages in.
    [[nodiscard]] static QStringList languages();

    /// Where a page lies; for a page that does not exist too.
    [[nodiscard]] static QUrl pageUrl(const QString &page, const QString &language = userLanguage());
    /// The page a handbook URL shows, or nothing for another URL.
    [[nodiscard]] static QString pageOf(const QUrl &url);
    [[nodiscard]] static bool hasPage(const QString &page, const QString &language = userLanguage());
    /// The page's Markdown text; empty when there is no such page.
    [[nodiscard]] static QString pageText(const QString &page, const QString &language = userLanguage());

    /// The pages the contents links to, in its order.
    [[nodiscard]] static QList<Entry> contents(const QString &language = userLanguage());
    /// The pages whose links point from the page's Markdown to other pages.
    [[nodiscard]] static QStringList linkedPages(const QString &page, const QString &language = userLanguage());
    /// The pages of the contents whose text, as shown, holds every word of
    /// `words` (case and accents aside), in the contents' order.
    /// The text as the search compares it: lower case, without accents.
    [[nodiscard]] static QString folded(const QString &text);
    [[nodiscard]] static QList<Entry> pagesMentioning(const QString &words, const QString &language = userLanguage());
};
