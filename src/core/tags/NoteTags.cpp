#include "NoteTags.h"

#include <algorithm>

namespace NoteTags {

namespace {

constexpr char16_t kMark = u'#';

/// The code point at `at` (a surrogate pair read as one) and its length.
struct CodePoint
{
    char32_t value;
    qsizetype size;
};

CodePoint codePointAt(QStringView text, qsizetype at)
{
    const QChar c = text[at];
    if (c.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text[at + 1]), 2};
    return {c.unicode(), 1};
}

bool isLetterOrDigit(char32_t c)
{
    // A combining accent belongs to the letter before it ("café" decomposed).
    return QChar::isLetter(c) || QChar::isDigit(c) || QChar::isMark(c);
}

bool isTagCharacter(char32_t c)
{
    return isLetterOrDigit(c) || c == U'-' || c == U'_';
}

/// The code point that ends just before `at`.
char32_t codePointBefore(QStringView text, qsizetype at)
{
    const QChar c = text[at - 1];
    if (c.isLowSurrogate() && at >= 2 && text[at - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[at - 2], c);
    return c.unicode();
}

bool mayBeginTag(QStringView text, qsizetype at)
{
    return text[at] == kMark && (at == 0 || !isLetterOrDigit(codePointBefore(text, at)));
}

} // namespace

qsizetype tagCharactersEnd(QStringView text, qsizetype from)
{
    qsizetype at = from;
    while (at < text.size()) {
        const CodePoint point = codePointAt(text, at);
        if (!isTagCharacter(point.value))
            break;
        at += point.size;
    }
    return at;
}

QStringList of(QStringView note)
{
    QStringList tags;
    for (qsizetype at = 0; at < note.size(); ++at) {
        if (!mayBeginTag(note, at))
            continue;
        const qsizetype end = tagCharactersEnd(note, at + 1);
        if (end > at + 1) {
            const QString tag = note.mid(at, end - at).toString().toLower();
            if (!tags.contains(tag))
                tags << tag;
        }
        at = end - 1;
    }
    return tags;
}

QString tagOf(QStringView text)
{
    if (text.size() < 2 || text.front() != kMark || tagCharactersEnd(text, 1) != text.size())
        return {};
    return text.toString().toLower();
}

qsizetype typedTagStart(QStringView text, qsizetype cursor)
{
    qsizetype at = std::min(cursor, text.size());
    while (at > 0 && text[at - 1] != kMark) {
        const char32_t before = codePointBefore(text, at);
        if (!isTagCharacter(before))
            return -1;
        at -= QChar::requiresSurrogates(before) ? 2 : 1;
    }
    if (at == 0 || !mayBeginTag(text, at - 1))
        return -1;
    return at - 1;
}

} // namespace NoteTags
