#pragma once

#include <QByteArray>
#include <QString>

/// Appends the UTF-8 bytes of the text, without a line end.
inline void appendText(QByteArray &buffer, QStringView text)
{
    // ASCII, by far the most common text, goes in byte by byte without a
    // temporary buffer.
    const qsizetype start = buffer.size();
    buffer.resize(start + text.size());
    char *out = buffer.data() + start;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            buffer.truncate(start);
            buffer.append(text.toUtf8());
            return;
        }
        *out++ = char(c.unicode());
    }
}

/// Appends the UTF-8 bytes of the text and then CR LF, the data file's line end.
inline void appendString(QByteArray &buffer, QStringView text)
{
    appendText(buffer, text);
    buffer.append("\r\n", 2);
}
