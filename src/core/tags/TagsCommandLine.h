#pragma once

#include <QString>

/// `orrinwick --tags FILE`: what was booked per tag and month, one line per
/// tag used in the year, in lower case and alphabetical order:
/// `#tag<TAB>jan<TAB>…<TAB>dec<TAB>total`, each figure the exact sum in its
/// shortest form ("0" for none), envelope entries left out.
namespace TagsCommandLine {

/// Answers the exit status: 1, with a message, when the file cannot be read.
[[nodiscard]] int run(const QString &path);

} // namespace TagsCommandLine
