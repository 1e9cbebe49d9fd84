#include "StatementSource.h"

#include "CsvStatement.h"
#include "OfxReader.h"
#include "QifReader.h"
#include "StatementText.h"
#include "platform/FileRead.h"

#include <QFileInfo>
#include <QLocale>

namespace {

StatementFormat formatFromContent(QByteArrayView bytes)
{
    const QByteArray start = bytes.first(std::min<qsizetype>(bytes.size(), 4096)).toByteArray().trimmed().toUpper();
    if (start.startsWith("OFXHEADER") || start.contains("<OFX>") || (start.startsWith("<?XML") && start.contains("<?OFX")))
        return StatementFormat::Ofx;
    if (start.startsWith("\xEF\xBB\xBF!") || start.startsWith('!'))
        return StatementFormat::Qif;
    return StatementFormat::Csv;
}

} // namespace

StatementSource StatementSource::open(const QString &path, std::optional<StatementFormat> format)
{
    StatementSource source;
    source._path = path;
    FileRead::Result file = FileRead::whole(path, kMaxBytes);
    if (file.fault == FileRead::Fault::TooLarge) {
        source._error = source.message(tr("The file is %1, larger than any bank statement (at most %2).")
                                           .arg(QLocale().formattedDataSize(std::max(file.size, kMaxBytes + 1)),
                                                QLocale().formattedDataSize(kMaxBytes)),
                                       1);
        return source;
    }
    if (!file.ok()) {
        source._error = tr("\"%1\" could not be opened: %2").arg(QFileInfo(path).fileName(), file.message(path));
        return source;
    }
    source._bytes = std::move(file.bytes);
    if (source._bytes.trimmed().isEmpty()) {
        source._error = source.message(tr("The file is empty."), 0);
        return source;
    }
    if (StatementText::looksBinary(source._bytes)) {
        source._error = source.message(tr("This is not a bank statement: the file does not hold text."), 1);
        return source;
    }
    source._format = format.value_or(formatFromContent(source._bytes));
    StatementRead first;
    switch (source._format) {
    case StatementFormat::Ofx:
        source._ofx = OfxReader::read(source._bytes);
        first = source._ofx;
        break;
    case StatementFormat::Qif:
        first = QifReader::read(source._bytes);
        break;
    case StatementFormat::Csv:
        source._table = CsvTable::read(source._bytes);
        if (!source._table.error().isEmpty())
            first = StatementRead::failure(source._table.error(), source._table.errorLine());
        else if (source._table.rows().size() < (CsvStatement::hasHeader(source._table) ? 2 : 1))
            first = StatementRead::failure(tr("The statement holds no transactions."), 0);
        break;
    }
    if (first.ok() && source._format != StatementFormat::Csv && first.lines.isEmpty())
        first = StatementRead::failure(tr("The statement holds no transactions."), 0);
    if (!first.ok())
        source._error = source.failureMessage(first);
    return source;
}

std::optional<StatementFormat> StatementSource::formatFromName(QStringView name)
{
    if (name.compare(u"ofx", Qt::CaseInsensitive) == 0 || name.compare(u"qfx", Qt::CaseInsensitive) == 0)
        return StatementFormat::Ofx;
    if (name.compare(u"qif", Qt::CaseInsensitive) == 0)
        return StatementFormat::Qif;
    if (name.compare(u"csv", Qt::CaseInsensitive) == 0)
        return StatementFormat::Csv;
    return std::nullopt;
}

StatementRead StatementSource::read(const ReadChoices &choices) const
{
    switch (_format) {
    case StatementFormat::Ofx:
        return _ofx;
    case StatementFormat::Qif:
        return QifReader::read(_bytes, choices.dateOrder);
    case StatementFormat::Csv: {
        CsvMapping mapping = choices.csv;
        if (choices.dateOrder)
            mapping.dateOrder = choices.dateOrder;
        return CsvStatement::read(_table, mapping);
    }
    }
    return {};
}

QString StatementSource::failureMessage(const StatementRead &read) const
{
    return message(read.error, read.errorLine);
}

QString StatementSource::message(const QString &reason, int line) const
{
    const QString name = QFileInfo(_path).fileName();
    if (line <= 0)
        return tr("\"%1\" cannot be imported. %2").arg(name, reason);
    return tr("\"%1\" cannot be imported: reading stopped at line %2. %3").arg(name).arg(line).arg(reason);
}
