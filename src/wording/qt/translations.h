// The window's language at start-up: Qt's own texts (file, print and message-box dialogs) from
// Qt's translations folder, and the program's English from the translation built into it. The
// user's choice for later runs is kept in the settings.
#pragma once

#include "wording/language.h"

#include <optional>
#include <string>
#include <vector>

class QCoreApplication;

namespace lumeris {

// Installs the translations of `language` into the application; a missing Qt translation leaves
// Qt's own texts in English.
void installTranslations(QCoreApplication& app, Language language);

// The user's interface languages, most preferred first.
std::vector<std::string> systemUiLanguages();

// The language the user chose for later runs, if any; and storing that choice.
std::optional<Language> storedLanguage();
void storeLanguage(Language language);

} // namespace lumeris
