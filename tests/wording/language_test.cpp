#include "wording/language.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

TEST(LanguageTest, RussianOnlyWhenTheFirstInterfaceLanguageIsRussian) {
    const std::pair<std::vector<std::string>, Language> cases[] = {
        {{"ru-RU", "ru"}, Language::Russian},
        {{"ru"}, Language::Russian},
        {{"ru_RU.UTF-8"}, Language::Russian},
        {{"en-US", "ru-RU"}, Language::English},
        {{"de-DE"}, Language::English},
        {{"C"}, Language::English},
        {{"rue"}, Language::English}, // another language whose code begins with "ru"
        {{}, Language::English},
    };
    for (const auto& [languages, expected] : cases)
        EXPECT_EQ(systemLanguage(languages), expected) << (languages.empty() ? "" : languages[0]);
}

TEST(LanguageTest, TheOptionBeatsTheStoredChoiceWhichBeatsTheSystem) {
    const std::vector<std::string> russianDesktop{"ru-RU"};
    EXPECT_EQ(chooseLanguage(Language::English, Language::Russian, russianDesktop),
              Language::English);
    EXPECT_EQ(chooseLanguage(std::nullopt, Language::English, russianDesktop), Language::English);
    EXPECT_EQ(chooseLanguage(std::nullopt, std::nullopt, russianDesktop), Language::Russian);
}

TEST(LanguageTest, TheOptionIsTakenOutOfTheArguments) {
    struct Case {
        std::vector<std::string> args, rest;
        std::optional<Language> language;
        bool error;
    };
    const Case cases[] = {
        {{"lumeris", "--lang", "en", "a.txt"}, {"lumeris", "a.txt"}, Language::English, false},
        {{"lumeris", "a.txt", "--lang=ru"}, {"lumeris", "a.txt"}, Language::Russian, false},
        {{"lumeris", "a.txt"}, {"lumeris", "a.txt"}, std::nullopt, false},
        {{"lumeris", "--lang", "de"}, {"lumeris"}, std::nullopt, true},
        {{"lumeris", "--lang"}, {"lumeris"}, std::nullopt, true},
    };
    for (Case c : cases) {
        const LanguageOption option = takeLanguageOption(c.args);
        EXPECT_EQ(c.args, c.rest);
        EXPECT_EQ(option.language, c.language);
        EXPECT_EQ(!option.error.empty(), c.error);
    }
}

} // namespace
} // namespace lumeris
