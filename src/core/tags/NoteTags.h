#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

/// The tags of a record's note: a word that begins with "#", followed by
/// letters, digits, "-" and "_" ("#holiday", "#trip-2026"). A "#" right after
/// a letter or digit begins none ("No#5"), so numbers and codes in a note stay
/// text. Tags are compared without regard to letter case and given in lower
/// case, the "#" included. They need nothing in the file: the note holds them.
namespace NoteTags {

/// The note's tags, each once, in the order they first appear.
[[nodiscard]] QStringList of(QStringView note);

/// The text as a tag in its lower-case form ("#Trip" gives "#trip"); empty
/// when the whole text is no tag ("#", "trip", "#a b").
[[nodiscard]] QString tagOf(QStringView text);

/// Where the tag being typed at `cursor` begins (its "#"), when the text
/// just before the cursor is "#" and tag characters only; -1 otherwise. The
/// note editor completes from there.
[[nodiscard]] qsizetype typedTagStart(QStringView text, qsizetype cursor);

/// Where the tag characters from `from` on end: the end of a tag whose
/// typing stopped at `from`.
[[nodiscard]] qsizetype tagCharactersEnd(QStringView text, qsizetype from);

} // namespace NoteTags
