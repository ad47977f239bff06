#include "support/paths.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::readFile;
using test::ScratchDir;

int generateCli(const std::string& arguments) {
    return test::cliStatus("generate " + arguments);
}

TEST(CliGenerate, DefaultStepsPlaceTheGridAtTheOrigin) {
    ScratchDir dir;
    const std::string out = (dir / "net.txt").string();
    ASSERT_EQ(generateCli("--rows 3 --cols 10 -o " + out), 0);
    const std::string text = readFile(out);
    EXPECT_NE(text.find("\r\n30\t200\t0\t0\t0\t1.0000\tnone\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n1\t64\t-64\t1\t1.0000\t1.0000\t0.0000\t0\t1\tn[1,1]\t"),
              std::string::npos);
    EXPECT_NE(text.find("\r\n30\t640\t-192\t1\t1.0000\t1.0000\t0.0000\t0\t1\tn[3,10]\t"),
              std::string::npos);
    // The first link made runs from n[1,1] to n[2,1].
    EXPECT_NE(text.find("LinkFrom To\tValue\tAndOr\tName\r\n1\t11\t1.0000\t"), std::string::npos);

    ASSERT_EQ(generateCli("--rows 1 --cols 5 --dx 10 --dy 20 -o " + out), 0);
    EXPECT_NE(readFile(out).find("\r\n5\t0\t0\t0\t0\t1.0000\tnone\r\n"), std::string::npos);
    EXPECT_NE(readFile(out).find("\r\n5\t50\t-20\t1\t"), std::string::npos);
}

TEST(CliGenerate, RandomValuesFollowTheSeed) {
    ScratchDir dir;
    const auto run = [&](const std::string& seed, const std::string& name) {
        EXPECT_EQ(generateCli("--rows 3 --cols 4 --random --seed " + seed + " -o " +
                              (dir / name).string()),
                  0);
        return readFile(dir / name);
    };
    const std::string a = run("11", "a.txt"), b = run("11", "b.txt"), c = run("12", "c.txt");
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    std::size_t ones = 0;
    for (std::size_t at = a.find("\t1.0000\t1.0000\t0.0000\t0\t1\tn["); at != std::string::npos;
         at = a.find("\t1.0000\t1.0000\t0.0000\t0\t1\tn[", at + 1))
        ++ones;
    EXPECT_LT(ones, 12u) << "random values are not all 1";
}

TEST(CliGenerate, WrongUsage) {
    for (const char* arguments : {"--cols 3", "--rows 3", "--rows x --cols 3",
                                  "--rows 3 --cols 3 --random", "--rows 3 --cols 3 extra"})
        EXPECT_EQ(generateCli(std::string(arguments) + " 2>/dev/null >/dev/null"), 1) << arguments;
}

} // namespace
} // namespace lumeris
