#include "BudgetFileReader.h"

#include "BudgetDocument.h"
#include "BudgetFileWriter.h"
#include "NumberText.h"
#include "voLineArray.h"
#include "platform/Alerts.h"
#include "platform/RecentDocuments.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <limits>

namespace BudgetFileReader {

namespace {

/// Whole-number part of a count line; a line that is no number, or a
/// negative count, gives no entries.
qint64 entryCount(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i].isSpace())
        ++i;
    if (i < line.size() && line[i] == u'+')
        ++i;
    qint64 count = 0;
    for (; i < line.size() && line[i] >= u'0' && line[i] <= u'9'; ++i)
        count = std::min<qint64>(count * 10 + (line[i].unicode() - u'0'), std::numeric_limits<qint32>::max());
    return count;
}

/// Interns the short texts that repeat in every entry (days, marks), so a
/// large file does not hold millions of copies of "1" and " ".
class ShortTextPool
{
public:
    QString take(QString text)
    {
        if (text.size() > 2)
            return text;
        auto found = _pool.constFind(text);
        if (found != _pool.constEnd())
            return *found;
        _pool.insert(text, text);
        return text;
    }

private:
    QHash<QString, QString> _pool;
};

class Reader
{
public:
    Reader(BudgetDocument &document, voLineArray &lines, const Options &options)
        : _document(document), _lines(lines), _options(options)
    {
    }

    void read(const QString &firstLine)
    {
        std::optional<QString> current = firstLine;
        // A number as first line means a file without version line: the line is January's budget.
        _version = NumberText::isValidNumber(firstLine) ? kFileVersion0 : firstLine;
        if (!NumberText::isValidNumber(firstLine))
            current = nextLine();
        for (QString &budget : _document.budgetTotals()) {
            budget = current.value_or(QStringLiteral("0"));
            current = nextLine();
        }
        while (current) {
            readCategory(*current);
            current = nextLine();
        }
        _document.updateView();
    }

private:
    /// The next data line. The empty line after the file's final CR LF is no
    /// data: a file cut short reads as missing values, not as empty ones.
    std::optional<QString> nextLine()
    {
        std::optional<QString> line = _lines.getNextLine();
        if (line && line->isEmpty() && _lines.atEnd())
            return std::nullopt;
        return line;
    }

    void readCategory(const QString &line)
    {
        // A name already in use gets a distinct one, so both keep their entries.
        const QString name = line.isEmpty() ? line : _document.uniqueCategoryName(line);
        const bool created = _document.createCategory(name, QStringLiteral("0")) == 1;
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            EntryList *list = created ? _document.entryList(name, month) : nullptr;
            const std::optional<QString> countLine = nextLine();
            const qint64 count = countLine ? entryCount(*countLine) : 0;
            for (qint64 j = 0; j < count; ++j) {
                std::optional<Entry> entry = readEntry();
                if (!entry)
                    break;
                if (!list)
                    continue;
                if (j == 0 && entry->desc == kEnvelopeDesc)
                    list->first() = std::move(*entry);
                else
                    list->append(std::move(*entry));
            }
            if (list && _options.sortData)
                sortItems(*list);
        }
    }

    std::optional<Entry> readEntry()
    {
        const std::optional<QString> amountLine = nextLine();
        if (!amountLine)
            return std::nullopt;
        const QChar separator = _version == kFileVersion1 ? u'\t' : u'-';
        QStringList amountParts = amountLine->split(separator);
        // An old file splits at "-", so tabs can remain; the current layout
        // cannot hold them there, so they become spaces as on a note.
        if (separator != u'\t') {
            for (QString &part : amountParts)
                part.replace(u'\t', u' ');
        }
        Entry entry;
        entry.amount = amountParts.first();
        entry.reconciled = _pool.take(amountParts.size() >= 2 ? amountParts[1] : QStringLiteral(" "));

        const QString dayLine = nextLine().value_or(QString());
        const qsizetype tab = dayLine.indexOf(u'\t');
        entry.day = _pool.take(tab < 0 ? dayLine : dayLine.left(tab));
        if (tab >= 0) {
            entry.note = dayLine.mid(tab + 1);
            entry.note.replace(u'\t', u' ');
        }
        entry.desc = nextLine().value_or(QString());
        return entry;
    }

    static void sortItems(EntryList &list)
    {
        // The envelope entry stays first; only the items after it are sorted.
        if (list.size() < 3)
            return;
        std::stable_sort(list.begin() + 1, list.end(), [](const Entry &a, const Entry &b) {
            return NumberText::intValue(a.day) < NumberText::intValue(b.day);
        });
    }

    BudgetDocument &_document;
    voLineArray &_lines;
    const Options &_options;
    QString _version;
    ShortTextPool _pool;
};

LoadResult load(BudgetDocument &document, voLineArray &lines, const Options &options,
                const QString &pathForRecents)
{
    const std::optional<QString> first = lines.getNextLine();
    if (!first)
        return LoadResult::NotFound;
    if (!NumberText::isValidNumber(*first) && *first != kFileVersion0 && *first != kFileVersion1)
        return LoadResult::NotABudgetFile;
    if (options.recents && !pathForRecents.isEmpty())
        options.recents->noteNewRecentDocument(pathForRecents);
    Reader(document, lines, options).read(*first);
    return LoadResult::Loaded;
}

} // namespace

LoadResult loadBytes(BudgetDocument &document, const QByteArray &bytes, const Options &options)
{
    voLineArray lines = voLineArray::fromBytes(bytes);
    return load(document, lines, options, QString());
}

LoadResult loadFile(BudgetDocument &document, const QString &path, Alerts &alerts, const Options &options)
{
    voLineArray lines(path);
    const LoadResult result = load(document, lines, options, path);
    if (result == LoadResult::NotFound)
        alerts.warning(Alerts::format(QStringLiteral("Source File %@ not found!\n"), path));
    else if (result == LoadResult::NotABudgetFile)
        alerts.warning(Alerts::format(
            QCoreApplication::translate("BudgetFileReader", "File %@ is not a budget file and was not opened.\n"), path));
    return result;
}

} // namespace BudgetFileReader
