#include "text/utf8_cp1251.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

TEST(Cp1251ToUtf8, EveryCharacterComesBackAndTheHoleBecomesAQuestionMark) {
    std::string every;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != 0x98)
            every += static_cast<char>(byte);
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(every)), every);
    EXPECT_EQ(cp1251ToUtf8("\xC2\xF2\xEE\xF0\xE0\xFF \xA8\xB8 \x98 \x88 \xB9"), "Вторая Ёё ? € №");
}

} // namespace
} // namespace lumeris
