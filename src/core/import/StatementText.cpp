#include "StatementText.h"

#include <QStringDecoder>

namespace StatementText {

namespace {

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes); // decoding happens only when the result is taken
    return !decoder.hasError();
}

QByteArrayView withoutByteOrderMark(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    bytes = withoutByteOrderMark(bytes);
    if (isUtf8(bytes))
        return QString::fromUtf8(bytes);
    QStringDecoder windows("windows-1252");
    if (!windows.isValid())
        return QString::fromLatin1(bytes);
    return windows.decode(bytes);
}

QString encodingOf(QByteArrayView bytes)
{
    return isUtf8(withoutByteOrderMark(bytes)) ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
}

bool looksBinary(QByteArrayView bytes)
{
    const QByteArrayView start = bytes.first(std::min<qsizetype>(bytes.size(), 4096));
    int controls = 0;
    for (const char c : start) {
        if (c == '\0')
            return true;
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\n' && c != '\r' && c != '\t' && c != '\f')
            ++controls;
    }
    // Text has next to none; a stray one in a memo must not refuse the file.
    return controls > 8 && controls * 50 > start.size();
}

QString excerpt(QStringView text)
{
    constexpr qsizetype kLength = 40;
    return text.size() <= kLength ? text.toString() : text.first(kLength).toString() + QChar(0x2026);
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r')
            continue;
        lines.append(text.sliced(start, i - start).toString());
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start).toString());
    return lines;
}

} // namespace StatementText
