#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QStringList>

/// One record of a CSV file and the line it starts on.
struct CsvRow
{
    int line = 0;
    QStringList cells;
};

/// A CSV file as banks export it, read into rows: the delimiter (comma,
/// semicolon or tab) and the encoding (UTF-8, else Windows-1252) found from
/// the file, fields quoted as RFC 4180 has it (doubled quotes inside, line
/// breaks inside quotes). Blank lines are passed over, and so are lines
/// before the table that have another number of fields (an account
/// heading) and shorter ones after it (a closing balance). Empty fields
/// past the last column any row uses do not count. A row within or after
/// the table with more fields is refused: a field holding the delimiter
/// without quotes moved its columns.
class CsvTable final
{
    Q_DECLARE_TR_FUNCTIONS(CsvTable)

public:
    [[nodiscard]] static CsvTable read(QByteArrayView bytes);

    [[nodiscard]] const QList<CsvRow> &rows() const { return _rows; }
    [[nodiscard]] QChar delimiter() const { return _delimiter; }
    [[nodiscard]] QString encoding() const { return _encoding; }
    /// The number of fields of the table's rows.
    [[nodiscard]] int columnCount() const { return _columnCount; }
    /// Why the file could not be read; empty when it was.
    [[nodiscard]] QString error() const { return _error; }
    [[nodiscard]] int errorLine() const { return _errorLine; }

private:
    void parse(QStringView text, QChar delimiter, qsizetype maxRows);
    void findTable();

    QList<CsvRow> _rows;
    QChar _delimiter = u',';
    QString _encoding;
    int _columnCount = 0;
    QString _error;
    int _errorLine = 0;
};
