#include "files/scheme_writer.h"
#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

namespace lumeris {
namespace {

TEST(Numbers, RealsHaveFourDecimalsRoundedHalfAwayFromZero) {
    EXPECT_EQ(formatReal(1), "1.0000");
    EXPECT_EQ(formatReal(1.0f / 32), "0.0313");
    EXPECT_EQ(formatReal(-1.0f / 32), "-0.0313");
    EXPECT_EQ(formatReal(1.0f / 128), "0.0078");
    EXPECT_EQ(formatReal(-0.25f), "-0.2500");
    EXPECT_EQ(formatReal(1.0f / 3), "0.3333");
    EXPECT_EQ(formatReal(0.5f), "0.5000");
    EXPECT_EQ(formatReal(123456.5f), "123456.5000");
}

TEST(Numbers, ValuesThatRoundToZeroAreWrittenWithoutSign) {
    EXPECT_EQ(formatReal(-0.00004f), "0.0000");
    EXPECT_EQ(formatReal(-0.0f), "0.0000");
    EXPECT_EQ(formatReal(0.00004f), "0.0000");
    EXPECT_EQ(formatReal(0.00006f), "0.0001");
}

TEST(Numbers, NonFiniteValuesAreWrittenSoThatTheyReadBack) {
    EXPECT_EQ(formatReal(NAN), "0.0000");
    const std::string huge = formatReal(INFINITY);
    EXPECT_EQ(huge, "340282346638528859811704183484516925440.0000");
    EXPECT_EQ(parseReal(huge), FLT_MAX);
    EXPECT_EQ(formatReal(-INFINITY), "-" + huge);
}

TEST(Numbers, IntegersTakeASignAndDigitsWithinThirtyTwoBits) {
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger("+7"), 7);
    EXPECT_EQ(parseInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseInteger("2147483647"), INT32_MAX);
    EXPECT_EQ(parseInteger("007"), 7);
    EXPECT_FALSE(parseInteger("2147483648"));
    EXPECT_FALSE(parseInteger("-2147483649"));
    EXPECT_FALSE(parseInteger(""));
    EXPECT_FALSE(parseInteger("-"));
    EXPECT_FALSE(parseInteger("+-1"));
    EXPECT_FALSE(parseInteger("1-2"));
}

TEST(Numbers, RealsTakeASignDigitsAndOnePoint) {
    EXPECT_EQ(parseReal("1."), 1.0f);
    EXPECT_EQ(parseReal(".5"), 0.5f);
    EXPECT_EQ(parseReal("-.5"), -0.5f);
    EXPECT_EQ(parseReal("+0.25"), 0.25f);
    EXPECT_EQ(parseReal("0.0078"), 0.0078f);
    EXPECT_FALSE(parseReal("1.2.3"));
    EXPECT_FALSE(parseReal("-"));
    EXPECT_FALSE(parseReal("."));
    EXPECT_FALSE(parseReal("--1"));
    EXPECT_FALSE(parseReal("1-"));
    EXPECT_FALSE(parseReal("1e5"));
    EXPECT_FALSE(parseReal("1" + std::string(40, '0') + ".0")); // beyond the float range
    EXPECT_EQ(parseReal("0." + std::string(60, '0') + "1"), 0.0f);
}

TEST(Numbers, WrittenRealsReadBackToTheSameText) {
    for (float v : {0.1f, -0.3333f, 1.0f / 32, 12345.678f, -1e-3f, 3e7f}) {
        const std::string text = formatReal(v);
        const auto back = parseReal(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(formatReal(*back), text);
    }
}

TEST(Numbers, WriterIgnoresACommaLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8"))
        GTEST_SKIP() << "no ru_RU.UTF-8 locale on this machine";
    Scheme scheme;
    CPoint* item = scheme.createItem("a", 0, 0);
    item->Value = -0.25f;
    ViewState view;
    view.Scale = 0.5f;
    const std::string bytes = saveBytes(scheme, view, Document{});
    const auto number = parseReal("1.5");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_NE(bytes.find("\t0.5000\tnone"), std::string::npos);
    EXPECT_NE(bytes.find("\t-0.2500\t1.0000\t0.0000\t"), std::string::npos);
    EXPECT_EQ(bytes.find(','), std::string::npos);
    EXPECT_EQ(number, 1.5f);
}

} // namespace
} // namespace lumeris
