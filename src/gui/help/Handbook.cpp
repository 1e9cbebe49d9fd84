#include "Handbook.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QDir>
#include <QTextDocument>

namespace {

const QString kRoot = QStringLiteral(":/handbook");

QString resourcePath(const QString &page, const QString &language)
{
    return QStringLiteral("%1/%2/%3.md").arg(kRoot, language, page);
}

/// Markdown links to a page beside this one: [title](name.md).
const QRegularExpression &pageLink()
{
    static const QRegularExpression link(QStringLiteral(R"(\[([^\]]+)\]\(([A-Za-z0-9_-]+)\.md\))"));
    return link;
}

} // namespace

QStringList Handbook::languages()
{
    return QDir(kRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

QString Handbook::userLanguage()
{
    const QStringList available = languages();
    for (const QString &wanted : QLocale().uiLanguages()) {
        const QString code = wanted.section(u'-', 0, 0).toLower();
        if (available.contains(code))
            return code;
    }
    return QStringLiteral("en");
}

QUrl Handbook::pageUrl(const QString &page, const QString &language)
{
    return QUrl(QStringLiteral("qrc") + resourcePath(page, language));
}

QString Handbook::pageOf(const QUrl &url)
{
    const QString path = url.path();
    if (url.scheme() != u"qrc" || !path.startsWith(QStringLiteral("/handbook/")) || !path.endsWith(QStringLiteral(".md")))
        return {};
    return path.section(u'/', -1).chopped(3);
}

bool Handbook::hasPage(const QString &page, const QString &language)
{
    return QFile::exists(resourcePath(page, language));
}

QString Handbook::pageText(const QString &page, const QString &language)
{
    QFile file(resourcePath(page, language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QList<Handbook::Entry> Handbook::contents(const QString &language)
{
    QList<Entry> entries;
    const QString index = pageText(kContentsPage, language);
    for (const QRegularExpressionMatch &match : pageLink().globalMatch(index))
        entries.append({match.captured(1), match.captured(2)});
    return entries;
}

QStringList Handbook::linkedPages(const QString &page, const QString &language)
{
    QStringList pages;
    for (const QRegularExpressionMatch &match : pageLink().globalMatch(pageText(page, language)))
        pages.append(match.captured(2));
    return pages;
}

QString Handbook::folded(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c.toCaseFolded());
    }
    return result;
}

QList<Handbook::Entry> Handbook::pagesMentioning(const QString &words, const QString &language)
{
    const QStringList wanted = folded(words).split(u' ', Qt::SkipEmptyParts);
    QList<Entry> found;
    if (wanted.isEmpty())
        return found;
    for (const Entry &entry : contents(language)) {
        // What the page shows, not its markup: "**Budget**" holds the word Budget.
        QTextDocument shown;
        shown.setMarkdown(pageText(entry.page, language));
        const QString text = folded(shown.toPlainText());
        if (std::all_of(wanted.cbegin(), wanted.cend(), [&text](const QString &word) { return text.contains(word); }))
            found.append(entry);
    }
    return found;
}
