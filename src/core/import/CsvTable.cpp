#include "CsvTable.h"

#include "StatementText.h"

#include <QHash>

namespace {

constexpr qsizetype kSampleRows = 50;

bool isBlank(const CsvRow &row)
{
    return std::all_of(row.cells.begin(), row.cells.end(), [](const QString &cell) { return cell.trimmed().isEmpty(); });
}

/// The number of fields most rows have, and how many have it.
std::pair<int, int> usualWidth(const QList<CsvRow> &rows)
{
    QHash<int, int> counts;
    std::pair<int, int> best{0, 0};
    for (const CsvRow &row : rows) {
        const int width = int(row.cells.size());
        const int count = ++counts[width];
        if (count > best.second || (count == best.second && width > best.first))
            best = {width, count};
    }
    return best;
}

/// The number of cells up to the last one that is not empty.
int usedWidth(const CsvRow &row)
{
    qsizetype width = row.cells.size();
    while (width > 0 && row.cells[width - 1].trimmed().isEmpty())
        --width;
    return int(width);
}

} // namespace

CsvTable CsvTable::read(QByteArrayView bytes)
{
    CsvTable table;
    table._encoding = StatementText::encodingOf(bytes);
    const QString text = StatementText::decode(bytes);

    // The delimiter that gives the first rows one width of more than one field.
    std::pair<int, int> best{0, 0};
    for (const QChar candidate : {u',', u';', u'\t'}) {
        CsvTable sample;
        sample.parse(text, candidate, kSampleRows);
        const std::pair<int, int> width = usualWidth(sample._rows);
        if (width.first > 1 && (width.second > best.second || (width.second == best.second && width.first > best.first))) {
            best = width;
            table._delimiter = candidate;
        }
    }
    table.parse(text, table._delimiter, -1);
    if (table._error.isEmpty())
        table.findTable();
    return table;
}

void CsvTable::parse(QStringView text, QChar delimiter, qsizetype maxRows)
{
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (maxRows < 0 || _rows.size() < maxRows)) {
        CsvRow row;
        row.line = line;
        for (bool rowDone = false; !rowDone;) {
            QString cell;
            if (i < n && text[i] == u'"') {
                const int quoteLine = line;
                ++i;
                for (;;) {
                    if (i >= n) {
                        _error = tr("The quoted field that begins on this line is never closed.");
                        _errorLine = quoteLine;
                        return;
                    }
                    if (text[i] == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"') {
                            cell += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= n || text[i + 1] != u'\n')))
                        ++line;
                    cell += text[i++];
                }
                if (i < n && text[i] != delimiter && text[i] != u'\r' && text[i] != u'\n') {
                    _error = tr("A quoted field is followed by more text before the next delimiter.");
                    _errorLine = line;
                    return;
                }
            } else {
                const qsizetype start = i;
                while (i < n && text[i] != delimiter && text[i] != u'\r' && text[i] != u'\n')
                    ++i;
                cell = text.sliced(start, i - start).toString();
            }
            row.cells.append(cell);
            if (i < n && text[i] == delimiter) {
                ++i;
                continue;
            }
            rowDone = true;
            if (i < n && text[i] == u'\r')
                ++i;
            if (i < n && text[i] == u'\n')
                ++i;
            ++line;
        }
        if (!isBlank(row))
            _rows.append(row);
    }
}

void CsvTable::findTable()
{
    _columnCount = usualWidth(_rows).first;
    // A delimiter at the end of every row adds a column that no row uses
    // and the header does not name; it must not set the header apart.
    int used = 0;
    for (const CsvRow &row : std::as_const(_rows)) {
        if (row.cells.size() == _columnCount)
            used = std::max(used, usedWidth(row));
    }
    // A header may also name a column that no row fills.
    const auto fits = [this, used](const CsvRow &row) {
        return row.cells.size() == _columnCount || (usedWidth(row) >= used && usedWidth(row) <= _columnCount);
    };
    qsizetype first = 0;
    while (first < _rows.size() && !fits(_rows[first]))
        ++first;
    // Within the table and after it, a wider row is a transaction whose
    // fields moved, not a closing balance.
    const int named = first < _rows.size() ? std::max(used, usedWidth(_rows[first])) : used;
    for (qsizetype i = first; i < _rows.size(); ++i) {
        const CsvRow &row = _rows[i];
        const bool moreCells = i > first && row.cells.size() > _columnCount && usedWidth(row) > used;
        if (usedWidth(row) > named || moreCells) {
            _error = tr("This line has %1 fields where the table has %2. A field that holds the delimiter (%3) "
                        "must be in double quotes.")
                         .arg(moreCells ? int(row.cells.size()) : usedWidth(row))
                         .arg(moreCells ? _columnCount : named)
                         .arg(_delimiter == u'\t' ? tr("a tab") : QStringLiteral("\"%1\"").arg(_delimiter));
            _errorLine = row.line;
            return;
        }
    }
    qsizetype end = _rows.size();
    while (end > first && !fits(_rows[end - 1]))
        --end;
    _rows = _rows.mid(first, end - first);
}
