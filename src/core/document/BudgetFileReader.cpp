#include "BudgetFileReader.h"

#include "BudgetFileWriter.h"
#include "Decimal.h"
#include "DocumentWriter.h"
#include "NumberText.h"
#include "platform/Alerts.h"
#include "platform/RecentDocuments.h"
#include "splits/SplitFile.h"
#include "voLineArray.h"

#include <QCoreApplication>
#include <QHashFunctions>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <limits>
#include <string>
#include <utility>
#include <vector>

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

/// Shares one copy of each text that repeats from entry to entry (days,
/// marks, payees, notes), so a large file does not hold a million copies of
/// "R". A small direct-mapped cache: a text that meets another in its slot
/// replaces it, which keeps every lookup to one probe.
class TextPool
{
public:
    /// Room in proportion to the text, so a small file does not pay for a large cache.
    explicit TextPool(qsizetype textBytes)
        : _slots(std::size_t(std::clamp<qsizetype>(textBytes / 32, 64, 4096)))
    {
    }

    QString take(QByteArrayView bytes)
    {
        if (bytes.isEmpty())
            return QString();
        if (bytes.size() > kMaxLength)
            return voLineArray::decode(bytes);
        Slot &slot = _slots[qHash(bytes) % _slots.size()];
        if (slot.key != bytes || slot.text.isNull())
            slot = {bytes, voLineArray::decode(bytes)};
        return slot.text;
    }

private:
    static constexpr qsizetype kMaxLength = 64;
    struct Slot
    {
        QByteArrayView key; // points into the line reader's bytes
        QString text;
    };
    std::vector<Slot> _slots;
};

/// Has the system map the pages of a block that is about to be filled all at
/// once. A month's list in a large budget spans hundreds of kilobytes, which
/// its first writes would otherwise fault in page by page: on a virtual
/// machine that took a fifth of the load of 1,000,000 items. Only a hint; a
/// system without it faults the pages in as before.
void mapAtOnce(const void *begin, const void *end)
{
#ifdef MADV_POPULATE_WRITE
    static const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t from = (std::uintptr_t(begin) + page - 1) & ~(page - 1);
    const std::uintptr_t to = std::uintptr_t(end) & ~(page - 1);
    if (to > from)
        (void)::madvise(reinterpret_cast<void *>(from), to - from, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(begin);
    Q_UNUSED(end);
#endif
}

/// The part of a line before the first separator and, when there is a
/// separator, the part after it.
std::pair<QByteArrayView, std::optional<QByteArrayView>> splitAt(QByteArrayView line, char separator)
{
    const qsizetype at = line.indexOf(separator);
    if (at < 0)
        return {line, std::nullopt};
    return {line.first(at), line.sliced(at + 1)};
}

class Reader
{
public:
    Reader(BudgetDocument &document, voLineArray &lines, const Options &options)
        : _writer(document)
        , _lines(lines)
        , _options(options)
        , _pool(lines.byteCount())
    {
        const QList<CategoryRow> &rows = document.getCatArray();
        for (int row = kFirstCategoryRow; row < rows.size(); ++row)
            _names.insert(rows[row].desc);
    }

    void read(const QString &firstLine)
    {
        // A number as first line means a file without version line: the line is January's budget.
        const bool versionLine = !NumberText::isValidNumber(firstLine);
        _version1 = firstLine == kFileVersion1;
        readExtensions();
        std::optional<QString> current = versionLine ? nextText() : firstLine;
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            _writer.setBudget(month, current.value_or(QStringLiteral("0")));
            current = nextText();
        }
        while (current) {
            readCategory(*current);
            current = nextText();
        }
        _damagedSplits = _splits->finish(_writer);
        _writer.recalculate();
    }

    /// The extension records come first, so that what refers to entries can
    /// be resolved while they are read, before they are sorted.
    void readExtensions()
    {
        DocumentExtensions extensions;
        for (const QString &line : _lines.extensionLines()) {
            if (std::optional<ExtensionRecord> record = ExtensionRecord::fromLine(line))
                extensions.append(std::move(*record));
        }
        _splits.emplace(extensions);
        _writer.setExtensions(std::move(extensions));
    }

    /// The next data line. The empty line after the file's final CR LF is no
    /// data: a file cut short reads as missing values, not as empty ones.
    std::optional<QByteArrayView> nextLine()
    {
        const std::optional<QByteArrayView> line = _lines.getNextLineBytes();
        if (line && line->isEmpty() && _lines.atEnd())
            return std::nullopt;
        return line;
    }

    std::optional<QString> nextText()
    {
        const std::optional<QByteArrayView> line = nextLine();
        if (!line)
            return std::nullopt;
        return voLineArray::decode(*line);
    }

    /// How many categories without a name held entries, which are kept under a name of their own.
    [[nodiscard]] int unnamedCategories() const { return _unnamedCategories; }
    /// How many split records could not be resolved: their entries are read, unlinked.
    [[nodiscard]] int damagedSplits() const { return _damagedSplits; }

private:
    void readCategory(const QString &line)
    {
        if (line.isEmpty()) {
            readUnnamedCategory();
            return;
        }
        const QString name = uniqueName(line);
        _names.insert(name);
        _writer.appendCategory(name, QStringLiteral("0"));
        _splits->beginCategory(line);
        for (int month = 0; month < MonthTables::kMonthCount; ++month)
            readMonth(_writer.entryList(name, month), month);
    }

    /// A category whose name line is empty: dropping it would lose its
    /// entries at the next save, so one that holds any gets a name the user
    /// can see and change. One that holds nothing is left out, as before.
    void readUnnamedCategory()
    {
        MonthLists lists;
        bool holdsSomething = false;
        _splits->beginCategory(QString());
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            EntryList &list = lists[std::size_t(month)];
            list.append(Entry::envelope());
            readMonth(&list, month);
            holdsSomething = holdsSomething || list.size() > 1 || list.first().amount != Entry::envelope().amount;
        }
        if (!holdsSomething)
            return;
        const QString name = uniqueName(QCoreApplication::translate("BudgetFileReader", "Unnamed category"));
        _names.insert(name);
        _writer.appendCategory(name, QStringLiteral("0"));
        for (int month = 0; month < MonthTables::kMonthCount; ++month)
            *_writer.entryList(name, month) = std::move(lists[std::size_t(month)]);
        ++_unnamedCategories;
    }

    /// A name already in use gets a distinct one ("Food 2"), so both keep
    /// their entries. Each name's next number is remembered: a file of a
    /// million "Food" is read in linear time, not by counting up from 2 in
    /// every list of names.
    QString uniqueName(const QString &name)
    {
        if (!_names.contains(name))
            return name;
        int &number = _nextNumber.try_emplace(name, 2).first->second;
        QString candidate;
        do
            candidate = name + u' ' + QString::number(number++);
        while (_names.contains(candidate));
        return candidate;
    }

    /// Reads one month's entries into the list (none: read and dropped).
    void readMonth(EntryList *list, int month)
    {
        const std::optional<QString> countLine = nextText();
        const qint64 count = countLine ? entryCount(*countLine) : 0;
        if (_options.figuresOnly) {
            readMonthSum(list, month, count);
            return;
        }
        _items.clear();
        for (qint64 j = 0; j < count; ++j) {
            // Read in place: an entry moved is five strings rewritten.
            Entry &entry = _items.emplace_back();
            if (!readEntry(entry)) {
                _items.pop_back();
                break;
            }
            if (j == 0 && entry.desc == kEnvelopeDesc) {
                if (list)
                    list->first() = std::move(entry);
                _items.pop_back();
            } else if (!_splits->isEmpty()) {
                // By its place in the file, before the month is sorted.
                _splits->entryRead(month, j, entry, _writer);
            }
        }
        if (!list)
            return;
        // The items are gathered first so that the list is allocated once, at
        // its size, and each moves once, into its place.
        list->reserve(list->size() + qsizetype(_items.size()));
        mapAtOnce(list->data() + list->size(), list->data() + list->size() + qsizetype(_items.size()));
        if (_options.sortData && !sortKeysByDay()) {
            for (const quint64 key : _keys)
                list->append(std::move(_items[std::size_t(key & 0xffffffffu)]));
        } else {
            for (Entry &item : _items)
                list->append(std::move(item));
        }
    }

    /// Reads one month's entries, keeping the envelope entry and, when there
    /// are items, one entry whose amount is their sum.
    void readMonthSum(EntryList *list, int month, qint64 count)
    {
        Decimal sum;
        bool booked = false;
        for (qint64 j = 0; j < count; ++j) {
            // The first entry may be the envelope, and the split records
            // check the day and description of their parts: those are read whole.
            if (j == 0 || !_splits->isEmpty()) {
                Entry entry;
                if (!readEntry(entry))
                    break;
                if (j == 0 && entry.desc == kEnvelopeDesc) {
                    if (list)
                        list->first() = std::move(entry);
                    continue;
                }
                if (!_splits->isEmpty())
                    _splits->entryRead(month, j, entry, _writer);
                sum += Decimal::fromText(entry.amount);
                booked = true;
                continue;
            }
            const std::optional<QByteArrayView> amountLine = nextLine();
            if (!amountLine)
                break;
            sum += amountValue(splitAt(*amountLine, _version1 ? '\t' : '-').first);
            // The day and description lines, as readEntry() takes them.
            (void)nextLine();
            (void)nextLine();
            booked = true;
        }
        if (list && booked) {
            Entry total;
            total.amount = sum.toText();
            list->append(std::move(total));
        }
    }

    /// The amount's value as Decimal reads its decoded text. ASCII, the
    /// usual case, is widened into one buffer instead of a string per amount.
    Decimal amountValue(QByteArrayView amount)
    {
        _wide.resize(std::size_t(amount.size()));
        for (qsizetype i = 0; i < amount.size(); ++i) {
            const auto byte = static_cast<unsigned char>(amount[i]);
            if (byte >= 0x80)
                return Decimal::fromText(voLineArray::decode(amount));
            _wide[std::size_t(i)] = char16_t(byte);
        }
        return Decimal::fromText(QStringView(_wide.data(), qsizetype(_wide.size())));
    }

    /// Reads the next entry into `entry`; false when the lines have run out.
    bool readEntry(Entry &entry)
    {
        const std::optional<QByteArrayView> amountLine = nextLine();
        if (!amountLine)
            return false;
        const char separator = _version1 ? '\t' : '-';
        const auto [amount, afterAmount] = splitAt(*amountLine, separator);
        // Amounts are not shared: each is read at every recalculation, and
        // kept in file order they lie together in memory, which keeps that fast.
        entry.amount = voLineArray::decode(amount);
        entry.reconciled = afterAmount ? _pool.take(splitAt(*afterAmount, separator).first) : QStringLiteral(" ");
        if (!_version1) {
            // An old file splits at "-", so tabs can remain; the current layout
            // cannot hold them there, so they become spaces as on a note.
            entry.amount.replace(u'\t', u' ');
            entry.reconciled.replace(u'\t', u' ');
        }

        const auto [day, note] = splitAt(nextLine().value_or(QByteArrayView()), '\t');
        entry.day = _pool.take(day);
        if (note) {
            entry.note = _pool.take(*note);
            entry.note.replace(u'\t', u' ');
        }
        entry.desc = _pool.take(nextLine().value_or(QByteArrayView()));
        return true;
    }

    /// Puts the gathered items' order by day into the keys, file order kept
    /// among equal days; answers whether the items are in that order already.
    /// Each day is read once, not at every comparison; day and position go
    /// into one number, so equal days fall in file order by themselves.
    bool sortKeysByDay()
    {
        _keys.clear();
        for (std::size_t i = 0; i < _items.size(); ++i) {
            const auto day = quint64(quint32(NumberText::intValue(_items[i].day)) ^ 0x80000000u);
            _keys.push_back(day << 32 | i);
        }
        if (std::is_sorted(_keys.begin(), _keys.end()))
            return true;
        std::sort(_keys.begin(), _keys.end());
        return false;
    }

    const DocumentWriter _writer;
    voLineArray &_lines;
    const Options &_options;
    bool _version1 = false;
    TextPool _pool;
    std::vector<Entry> _items;  // one month's items before they go into the list
    std::vector<quint64> _keys; // their order by day
    std::u16string _wide;      // an amount's text, when only the figures are read
    std::unordered_set<QString> _names; // of the categories so far
    std::unordered_map<QString, int> _nextNumber;
    int _unnamedCategories = 0;
    std::optional<SplitFileReader> _splits;
    int _damagedSplits = 0;
};

/// What a load has to tell the user.
struct LoadNotes
{
    int unnamedCategories = 0;
    int damagedSplits = 0;
};

LoadResult load(BudgetDocument &document, voLineArray &lines, const Options &options,
                const QString &pathForRecents, LoadNotes *notes = nullptr)
{
    const std::optional<QString> first = lines.getNextLine();
    if (!first)
        return LoadResult::NotFound;
    if (!NumberText::isValidNumber(*first) && *first != kFileVersion0 && *first != kFileVersion1)
        return LoadResult::NotABudgetFile;
    if (options.recents && !pathForRecents.isEmpty())
        options.recents->noteNewRecentDocument(pathForRecents);
    Reader reader(document, lines, options);
    reader.read(*first);
    if (notes)
        *notes = {reader.unnamedCategories(), reader.damagedSplits()};
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
    if (lines.missing()) {
        if (options.warnWhenMissing)
            alerts.warning(QCoreApplication::translate("BudgetFileReader", "Source File %1 not found!\n").arg(path));
        return LoadResult::Missing;
    }
    if (options.bytesRead && lines.readError().isEmpty())
        options.bytesRead(lines.bytesAsRead());
    LoadNotes notes;
    const LoadResult result = load(document, lines, options, path, &notes);
    const int unnamedCategories = notes.unnamedCategories;
    if (unnamedCategories > 0)
        alerts.warning(QCoreApplication::translate("BudgetFileReader",
                                                   "File %1 has %n categories without a name. Their entries are kept "
                                                   "under \"%2\"; give it a name of your own with Rename.\n",
                                                   nullptr, unnamedCategories)
                           .arg(path, QCoreApplication::translate("BudgetFileReader", "Unnamed category")));
    if (notes.damagedSplits > 0)
        alerts.warning(QCoreApplication::translate("BudgetFileReader",
                                                   "File %1 has %n split transactions whose parts could not be "
                                                   "found. Their parts are kept as separate transactions.\n",
                                                   nullptr, notes.damagedSplits)
                           .arg(path));
    if (!lines.readError().isEmpty())
        alerts.warning(QCoreApplication::translate("BudgetFileReader", "File %1 was not opened: %2\n")
                           .arg(path, lines.readError()));
    else if (result == LoadResult::NotFound)
        alerts.warning(QCoreApplication::translate("BudgetFileReader", "Source File %1 not found!\n").arg(path));
    else if (result == LoadResult::NotABudgetFile)
        alerts.warning(QCoreApplication::translate("BudgetFileReader", "File %1 is not a budget file and was not opened.\n").arg(path));
    return result;
}

} // namespace BudgetFileReader
