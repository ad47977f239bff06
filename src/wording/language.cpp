#include "wording/language.h"

namespace lumeris {

const char* languageCode(Language language) {
    return language == Language::Russian ? "ru" : "en";
}

std::optional<Language> languageNamed(std::string_view code) {
    if (code == "ru")
        return Language::Russian;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

Language systemLanguage(const std::vector<std::string>& uiLanguages) {
    if (uiLanguages.empty())
        return Language::English;
    const std::string_view first = uiLanguages.front();
    const bool russian = first.substr(0, 2) == "ru" && (first.size() == 2 || first[2] == '-' ||
                                                        first[2] == '_' || first[2] == '.');
    return russian ? Language::Russian : Language::English;
}

Language chooseLanguage(std::optional<Language> option, std::optional<Language> stored,
                        const std::vector<std::string>& uiLanguages) {
    if (option)
        return *option;
    if (stored)
        return *stored;
    return systemLanguage(uiLanguages);
}

LanguageOption takeLanguageOption(std::vector<std::string>& args) {
    LanguageOption taken;
    for (std::size_t i = 1; i < args.size();) {
        std::string code;
        std::size_t words = 0;
        if (args[i] == "--lang") {
            words = i + 1 < args.size() ? 2 : 1;
            code = words == 2 ? args[i + 1] : "";
        } else if (args[i].starts_with("--lang=")) {
            words = 1;
            code = args[i].substr(7);
        } else {
            ++i;
            continue;
        }
        args.erase(args.begin() + long(i), args.begin() + long(i + words));
        taken.language = languageNamed(code);
        if (!taken.language)
            taken.error = "--lang takes ru or en, not '" + code + "'";
    }
    return taken;
}

} // namespace lumeris
