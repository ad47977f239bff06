// Which language the window speaks: Russian, its own, or English for everyone else. The choice
// for one run comes from `--lang`, else from the choice the user stored, else from the first of
// the user's interface languages.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumeris {

enum class Language { Russian, English };

// "ru" or "en".
const char* languageCode(Language language);
// The language of a code "ru" or "en"; nothing for any other.
std::optional<Language> languageNamed(std::string_view code);

// Russian when the first interface language ("ru", "ru-RU", "ru_RU.UTF-8", ...) is Russian,
// else English.
Language systemLanguage(const std::vector<std::string>& uiLanguages);

Language chooseLanguage(std::optional<Language> option, std::optional<Language> stored,
                        const std::vector<std::string>& uiLanguages);

struct LanguageOption {
    std::optional<Language> language; // given by --lang
    std::string error;                // not empty: the option was malformed
};

// Takes `--lang CODE` (or `--lang=CODE`) out of the arguments after the program's name.
LanguageOption takeLanguageOption(std::vector<std::string>& args);

} // namespace lumeris
