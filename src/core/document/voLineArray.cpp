#include "voLineArray.h"

#include "ExtensionRecord.h"
#include "platform/FileRead.h"

#include <QStringDecoder>

#include <cstring>

namespace {

// An editor may start a saved file with a byte order mark; it is no part of
// the first line.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

voLineArray::voLineArray(const QString &path)
{
    FileRead::Result contents = FileRead::whole(path);
    if (contents.ok()) {
        _fileValid = true;
        takeBytes(std::move(contents.bytes));
    } else if (contents.fault == FileRead::Fault::Missing) {
        _missing = true;
    } else {
        _readError = contents.message(path);
    }
}

void voLineArray::takeBytes(QByteArray bytes)
{
    _byteOrderMark = bytes.startsWith(kByteOrderMark);
    if (_byteOrderMark)
        bytes.remove(0, 3);
    _bytes = std::move(bytes);
}

QByteArray voLineArray::bytesAsRead() const
{
    return _byteOrderMark ? kByteOrderMark + _bytes : _bytes;
}

voLineArray voLineArray::fromBytes(QByteArray bytes)
{
    voLineArray reader;
    reader._fileValid = true;
    reader.takeBytes(std::move(bytes));
    return reader;
}

QByteArrayView voLineArray::lineAt(qsizetype start) const
{
    const char *data = _bytes.constData();
    const qsizetype size = _bytes.size();
    // A lone CR is an ordinary character; only CR LF ends a line.
    for (qsizetype i = start; i + 1 < size;) {
        const void *cr = std::memchr(data + i, '\r', std::size_t(size - 1 - i));
        if (!cr)
            break;
        i = static_cast<const char *>(cr) - data;
        if (data[i + 1] == '\n')
            return QByteArrayView(data + start, i - start);
        ++i;
    }
    return QByteArrayView(data + start, size - start);
}

std::optional<QByteArrayView> voLineArray::getNextLineBytes()
{
    while (!atEnd()) {
        const QByteArrayView line = lineAt(_getIndex);
        _getIndex += line.size() + 2;
        if (!line.startsWith(';'))
            return line;
    }
    return std::nullopt;
}

std::optional<QString> voLineArray::getNextLine()
{
    const std::optional<QByteArrayView> line = getNextLineBytes();
    if (!line)
        return std::nullopt;
    return decode(*line);
}

QString voLineArray::decode(QByteArrayView bytes)
{
    bool ascii = true;
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(bytes);
    // A U+FEFF that starts a field is the user's text, kept as typed.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

QStringList voLineArray::lines() const
{
    QStringList result;
    if (!_fileValid)
        return result;
    for (qsizetype start = 0; start <= _bytes.size();) {
        const QByteArrayView line = lineAt(start);
        result.append(decode(line));
        start += line.size() + 2;
    }
    return result;
}

QStringList voLineArray::extensionLines() const
{
    QStringList result;
    if (!_fileValid)
        return result;
    const QByteArray header = kExtensionHeader.toLatin1();
    // The header stands on a line of its own: at the very start or after a CR LF.
    qsizetype start = _bytes.startsWith(header + "\r\n") || _bytes == header ? 0 : -1;
    if (start < 0) {
        const qsizetype found = _bytes.indexOf("\r\n" + header);
        for (qsizetype at = found; at >= 0; at = _bytes.indexOf("\r\n" + header, at + 2)) {
            if (lineAt(at + 2).size() == header.size()) {
                start = at + 2;
                break;
            }
        }
    }
    if (start < 0)
        return result;
    for (start += header.size() + 2; start <= _bytes.size();) {
        const QByteArrayView line = lineAt(start);
        if (line.startsWith(";@"))
            result.append(decode(line));
        start += line.size() + 2;
    }
    return result;
}
