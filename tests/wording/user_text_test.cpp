#include "wording/user_text.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

TEST(FillIn, ReplacesEachPlaceholderOnceInOnePass) {
    struct Case {
        const char* pattern;
        std::vector<std::string> args;
        const char* filled;
    };
    const Case cases[] = {
        {"Error in data, line %1", {"7"}, "Error in data, line 7"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1", {"100%2 %1"}, "100%2 %1"}, // a value is never filled in again
        {"%1 and %2", {"x"}, "x and %2"}, // no argument: the placeholder stays
        {"50% done, %", {"x"}, "50% done, %"},
        {"%0 %a", {"x"}, "%0 %a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillIn(c.pattern, c.args), c.filled) << c.pattern;
}

TEST(UserTextTest, ReadsAsWrittenAndComparesByWhatItSays) {
    const UserText jump = userText("Workflow", "Can not jump to %1").arg("b.txt");
    EXPECT_EQ(jump.context(), "Workflow");
    EXPECT_EQ(jump.source(), "Can not jump to %1");
    EXPECT_EQ(jump.plain(), "Can not jump to b.txt");
    EXPECT_EQ(jump, "Can not jump to b.txt");
    // A plain text is shown as it is, never looked up.
    const UserText plain("100% %1");
    EXPECT_TRUE(plain.context().empty());
    EXPECT_EQ(plain.plain(), "100% %1");
    EXPECT_TRUE(UserText().empty());
}

} // namespace
} // namespace lumeris
