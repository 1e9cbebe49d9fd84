#pragma once

#include <QByteArray>
#include <QString>

/// Appends the UTF-8 bytes of the text and then CR LF, the data file's line end.
inline void appendString(QByteArray &buffer, QStringView text)
{
    buffer.append(text.toUtf8());
    buffer.append("\r\n", 2);
}
