#include "support/paths.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumeris {
namespace {

using test::readFile;
using test::ScratchDir;
using test::writeFile;

int layoutCli(const std::string& arguments) {
    return test::cliStatus("layout " + arguments);
}

// A scheme file with two unlinked items at the given places and Scale 0.2500.
std::string twoItems(int x1, int y1, int x2, int y2) {
    auto item = [](int id, int x, int y) {
        return std::to_string(id) + "\t" + std::to_string(x) + "\t" + std::to_string(y) +
               "\t1\t0.0000\t1.0000\t0.0000\t0\t1\tp\t\t\t\r\n";
    };
    return "Lumeris 1.5\r\n"
           "Items\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\r\n"
           "2\t0\t0\t0\t0\t0.2500\tnone\r\n"
           "Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl\tphoto\ttext\r\n" +
           item(1, x1, y1) + item(2, x2, y2) +
           "LinkFrom To\tValue\tAndOr\tName\r\n"
           "Views\r\n"
           "\r\n";
}

std::string format(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

TEST(CliLayout, StepsUseTheFileScaleAndTheCanvasWidth) {
    ScratchDir dir;
    writeFile(dir / "in.txt", twoItems(0, 0, 1, 0));
    const std::string args = (dir / "in.txt").string() + " -n 1 --width 800 --dump " +
                             (dir / "dump.txt").string() + " -o " + (dir / "out.txt").string();
    ASSERT_EQ(layoutCli(args), 0);
    // Items one unit apart: the newest moves first, at the speed limit of this canvas.
    const float L = std::sqrt(0.25f) * (800.0f / std::sqrt(3.0f + 10.0f)) * 2.0f;
    const float speed = std::trunc(10.0f * L) / 3.0f;
    const std::string dump = readFile(dir / "dump.txt");
    EXPECT_NE(dump.find("I 2 " + std::to_string(1 + static_cast<int>(speed)) + " 0 " +
                        format(speed) + " 0 0 0\n"),
              std::string::npos)
        << dump;
    EXPECT_NE(readFile(dir / "out.txt").find("\r\n2\t0\t0\t0\t0\t0.2500\tnone\r\n"),
              std::string::npos);
}

TEST(CliLayout, ItemsAtOnePointFarOutStayFinite) {
    ScratchDir dir;
    writeFile(dir / "in.txt", twoItems(90000, 90000, 90000, 90000));
    ASSERT_EQ(layoutCli((dir / "in.txt").string() + " -n 20 --dump " + (dir / "dump.txt").string() +
                        " >/dev/null"),
              0);
    const std::string dump = readFile(dir / "dump.txt");
    EXPECT_EQ(dump.find("nan"), std::string::npos) << dump;
    EXPECT_EQ(dump.find("inf"), std::string::npos) << dump;
}

TEST(CliLayout, ZeroStepsChangeNothingAndErrorsWriteNothing) {
    ScratchDir dir;
    writeFile(dir / "in.txt", twoItems(5, 6, 7, 8));
    ASSERT_EQ(layoutCli((dir / "in.txt").string() + " -n 0 --dump " + (dir / "dump.txt").string() +
                        " >/dev/null"),
              0);
    EXPECT_EQ(readFile(dir / "dump.txt"), "I 1 5 6 0 0 0 0\nI 2 7 8 0 0 0 0\n");

    writeFile(dir / "bad.txt", "Lumeris 9\r\n");
    const std::string out = (dir / "out.txt").string();
    EXPECT_EQ(layoutCli((dir / "bad.txt").string() + " -n 1 -o " + out + " 2>/dev/null"), 3);
    EXPECT_FALSE(std::filesystem::exists(out));
    for (const char* wrong : {" -n -1", "", " -n 2 --width", " -n 2 --speed 3"})
        EXPECT_EQ(layoutCli((dir / "in.txt").string() + wrong + " -o " + out + " 2>/dev/null"), 1)
            << wrong;
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace lumeris
