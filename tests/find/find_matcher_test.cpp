#include "find/find_matcher.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

// Windows-1251 bytes of the Cyrillic words used below.
const std::string Moscow = "\xCC\xEE\xF1\xEA\xE2\xE0"; // Москва
const std::string MOSCOW = "\xCC\xCE\xD1\xCA\xC2\xC0"; // МОСКВА
const std::string moscow = "\xEC\xEE\xF1\xEA\xE2\xE0"; // москва
const std::string Yozh = "\xA8\xE6";                   // Ёж
const std::string yozh = "\xB8\xE6";                   // ёж
const std::string Yeh = "\xC5\xE6";                    // Еж: Е is not Ё

struct Case {
    const char* what;
    std::string typed;
    std::string name, text, url;
    bool found;
};

class FindMatcher : public ::testing::TestWithParam<Case> {};

TEST_P(FindMatcher, MatchesEveryWordInNameTextOrAddress) {
    const Case& c = GetParam();
    Scheme scheme;
    CPoint* item = scheme.createItem(c.name, 0, 0);
    item->text = c.text;
    item->url = c.url;
    EXPECT_EQ(FindQuery(c.typed).matches(*item), c.found) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindMatcher,
    ::testing::Values(
        Case{"Latin case folded", "PUMP", "water pump", "", "", true},
        Case{"Cyrillic capitals find small letters", MOSCOW, moscow, "", "", true},
        Case{"Cyrillic small letters find capitals", moscow, "Go to " + Moscow, "", "", true},
        Case{"yo folds to its capital", yozh, Yozh, "", "", true},
        Case{"yo is not ye", yozh, Yeh, "", "", false},
        Case{"a word in the text", "valve", "Pump", "Check the VALVE first", "", true},
        Case{"a word in the address", "example.org", "Site", "", "http://Example.org/x", true},
        Case{"words spread over the fields", "pump example", "Pump", "", "www.example.org", true},
        Case{"every word is needed", "pump valve", "Pump", "", "", false},
        Case{"blanks and tabs separate words", "  pump\t\tone ", "one pump", "", "", true},
        Case{"a word is found inside another", "ump", "Pump", "", "", true},
        Case{"no words match nothing", " \t ", "Pump", "", "", false},
        Case{"a longer word than the field", "pumps", "pump", "", "", false},
        Case{"bytes above 0x7F are not Latin", "\xC0", "a", "", "", false}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(FindItems, ListsMatchesOldestFirst) {
    Scheme scheme;
    CPoint* first = scheme.createItem("pump one", 0, 0);
    scheme.createItem("valve", 0, 0);
    CPoint* third = scheme.createItem("PUMP two", 0, 0);
    const std::vector<CPoint*> found = findItems(scheme, FindQuery("pump"));
    EXPECT_EQ(found, (std::vector<CPoint*>{first, third}));
    EXPECT_TRUE(findItems(scheme, FindQuery("")).empty());
}

} // namespace
} // namespace lumeris
