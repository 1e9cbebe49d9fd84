#include "voLineArray.h"

#include "platform/AtomicFile.h"

#include <QStringDecoder>

#include <cstring>

voLineArray::voLineArray(const QString &path)
{
    if (std::optional<QByteArray> contents = AtomicFile::read(path)) {
        _fileValid = true;
        _bytes = std::move(*contents);
        split();
    }
}

voLineArray voLineArray::fromBytes(QByteArray bytes)
{
    voLineArray reader;
    reader._fileValid = true;
    reader._bytes = std::move(bytes);
    reader.split();
    return reader;
}

void voLineArray::split()
{
    const char *data = _bytes.constData();
    const qsizetype size = _bytes.size();
    _lineStarts.reserve(std::size_t(size / 16 + 2));
    _lineStarts.push_back(0);
    for (qsizetype i = 0; i + 1 < size;) {
        const void *cr = std::memchr(data + i, '\r', std::size_t(size - 1 - i));
        if (!cr)
            break;
        i = static_cast<const char *>(cr) - data;
        if (data[i + 1] == '\n') {
            _lineStarts.push_back(i + 2);
            i += 2;
        } else {
            ++i;
        }
    }
    // Sentinel: the end of the last line, as if a CR LF followed it.
    _lineStarts.push_back(size + 2);
}

QString voLineArray::lineAt(std::size_t index) const
{
    const qsizetype start = _lineStarts[index];
    const qsizetype length = _lineStarts[index + 1] - 2 - start;
    const char *data = _bytes.constData() + start;
    bool ascii = true;
    for (qsizetype i = 0; i < length && ascii; ++i)
        ascii = static_cast<unsigned char>(data[i]) < 0x80;
    if (ascii)
        return QString::fromLatin1(data, length);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(data, length));
    if (utf8.hasError())
        return QString::fromLatin1(data, length);
    return text;
}

bool voLineArray::isComment(std::size_t index) const
{
    const qsizetype start = _lineStarts[index];
    return _lineStarts[index + 1] - 2 > start && _bytes.at(start) == ';';
}

std::optional<QString> voLineArray::getNextLine()
{
    const std::size_t count = _lineStarts.empty() ? 0 : _lineStarts.size() - 1;
    if (!_fileValid || _getIndex >= count)
        return std::nullopt;
    while (isComment(_getIndex)) {
        if (_getIndex + 1 >= count) {
            _getIndex = count;
            return std::nullopt;
        }
        ++_getIndex;
    }
    return lineAt(_getIndex++);
}

QStringList voLineArray::lines() const
{
    QStringList result;
    for (std::size_t i = 0; i + 1 < _lineStarts.size(); ++i)
        result.append(lineAt(i));
    return result;
}
