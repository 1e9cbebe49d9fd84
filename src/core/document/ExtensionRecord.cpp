#include "ExtensionRecord.h"

namespace {

constexpr QStringView kRecordStart = u";@";

} // namespace

std::optional<ExtensionRecord> ExtensionRecord::fromLine(QStringView line)
{
    if (!line.startsWith(kRecordStart))
        return std::nullopt;
    const QList<QStringView> parts = line.sliced(kRecordStart.size()).split(u'\t');
    ExtensionRecord record;
    record.kind = parts.first().toString();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        std::optional<QString> field = unescaped(parts[i]);
        if (!field)
            return ExtensionRecord{record.kind, {}, line.toString()};
        record.fields.append(std::move(*field));
    }
    return record;
}

QString ExtensionRecord::toLine() const
{
    if (!verbatim.isEmpty())
        return verbatim;
    QString line = kRecordStart.toString() + kind;
    for (const QString &field : fields) {
        line += u'\t';
        line += escaped(field);
    }
    return line;
}

QString ExtensionRecord::escaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += u"\\\\"; break;
        case u'\t': out += u"\\t"; break;
        case u'\r': out += u"\\r"; break;
        case u'\n': out += u"\\n"; break;
        default: out += c;
        }
    }
    return out;
}

std::optional<QString> ExtensionRecord::unescaped(QStringView field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i].unicode()) {
        case u'\\': out += u'\\'; break;
        case u't': out += u'\t'; break;
        case u'r': out += u'\r'; break;
        case u'n': out += u'\n'; break;
        default: return std::nullopt;
        }
    }
    return out;
}
