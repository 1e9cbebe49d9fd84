#pragma once

#include <QLocale>

/// The program's texts in the user's language: its own translation, built
/// into the program, and Qt's (so the standard buttons and panels follow).
namespace Translations {

/// Installs both translations for `locale` into the running application,
/// replacing any installed before. English, or a language without a
/// translation, leaves the texts as written. Answers whether the program's
/// own translation was found.
bool install(const QLocale &locale = QLocale());

} // namespace Translations
