#pragma once

#include "CsvMapping.h"
#include "CsvTable.h"
#include "StatementLine.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

enum class StatementFormat { Ofx, Qif, Csv };

/// The choices the user can make about how a statement is read.
struct ReadChoices
{
    /// The order of dates written with slashes; none: as the dates call for.
    std::optional<DateOrder> dateOrder;
    /// The columns of a CSV statement.
    CsvMapping csv;
};

/// A statement file: read once, its format found from its content (OFX
/// and QFX, QIF, otherwise CSV), then read into lines as often as the
/// choices change. A file that is no statement at all (empty, too large,
/// binary, a CSV with a broken quote) is refused when opened.
class StatementSource final
{
    Q_DECLARE_TR_FUNCTIONS(StatementSource)

public:
    /// No statement is anywhere near this large; a file that is would only
    /// hold the program up.
    static constexpr qint64 kMaxBytes = 32 * 1024 * 1024;

    /// Reads the file; `format` overrides what the content says.
    [[nodiscard]] static StatementSource open(const QString &path, std::optional<StatementFormat> format = {});
    /// "ofx", "qfx", "qif" or "csv" (any case), as the --format option and file names have it.
    [[nodiscard]] static std::optional<StatementFormat> formatFromName(QStringView name);

    [[nodiscard]] bool ok() const { return _error.isEmpty(); }
    /// Why the file cannot be imported, naming the file and the line where reading stopped.
    [[nodiscard]] QString error() const { return _error; }
    [[nodiscard]] QString path() const { return _path; }
    [[nodiscard]] StatementFormat format() const { return _format; }
    /// The table of a CSV statement.
    [[nodiscard]] const CsvTable &csvTable() const { return _table; }

    /// The statement's lines as read with the choices.
    [[nodiscard]] StatementRead read(const ReadChoices &choices) const;
    /// The message for a read that failed, in the form of error().
    [[nodiscard]] QString failureMessage(const StatementRead &read) const;

private:
    [[nodiscard]] QString message(const QString &reason, int line) const;

    QString _path;
    QByteArray _bytes;
    StatementFormat _format = StatementFormat::Csv;
    CsvTable _table;
    StatementRead _ofx;
    QString _error;
};
