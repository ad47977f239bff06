#include "view/arrowhead.h"
#include "view/grid_layers.h"
#include "view/label_text.h"
#include "view/tooltip_lines.h"

#include <gtest/gtest.h>
#include <numbers>

namespace lumeris {
namespace {

TEST(Arrowhead, PointsAlongTheLinkAsTheScreenShowsIt) {
    const ScreenPoint anchor{100, 50};
    // Rightward, leftward, downward (world y grows down) and upward links.
    EXPECT_EQ(arrowhead(anchor, 10, 0, SmallArrow)[0], (ScreenPoint{103, 50}));
    EXPECT_EQ(arrowhead(anchor, -10, 0, SmallArrow)[0], (ScreenPoint{97, 50}));
    EXPECT_EQ(arrowhead(anchor, 0, 10, SmallArrow)[0], (ScreenPoint{100, 53}));
    EXPECT_EQ(arrowhead(anchor, 0, -10, SmallArrow)[0], (ScreenPoint{100, 47}));
    const auto large = arrowhead(anchor, 10, 0, LargeArrow);
    EXPECT_EQ(large[0], (ScreenPoint{105, 50}));
    EXPECT_EQ(large[2], (ScreenPoint{99, 50})); // the notch
    const auto small = arrowhead(anchor, 10, 0, SmallArrow);
    EXPECT_EQ(small[1], (ScreenPoint{96, 53}));
    EXPECT_EQ(small[3], (ScreenPoint{96, 47}));
}

TEST(Arrowhead, BarbsMirrorEachOtherAcrossTheLink) {
    for (auto [dx, dy] : {std::pair{30, 40}, {-30, 40}, {30, -40}, {-30, -40}, {7, 1}}) {
        const auto head = arrowhead({0, 0}, dx, dy, SmallArrow);
        // The tip points the way the link runs on the screen (y down).
        EXPECT_GT(head[0].x * dx + head[0].y * dy, 0) << dx << "," << dy;
        // Both barbs lie behind the anchor, one on each side of the line.
        const long side1 = long(dx) * head[1].y - long(dy) * head[1].x;
        const long side3 = long(dx) * head[3].y - long(dy) * head[3].x;
        EXPECT_LT(side1 * side3, 0) << dx << "," << dy;
        EXPECT_LT(head[1].x * dx + head[1].y * dy, 0);
        EXPECT_LT(head[3].x * dx + head[3].y * dy, 0);
    }
}

TEST(Arrowhead, AngleFollowsTheQuadrants) {
    constexpr double pi = std::numbers::pi;
    EXPECT_NEAR(arrowAngle(1, -1), pi / 4, 1e-12);      // up and right
    EXPECT_NEAR(arrowAngle(-1, -1), 3 * pi / 4, 1e-12); // up and left
    EXPECT_NEAR(arrowAngle(-1, 1), 5 * pi / 4, 1e-12);  // down and left
    EXPECT_NEAR(arrowAngle(1, 1), 7 * pi / 4, 1e-12);   // down and right
    EXPECT_NEAR(arrowAngle(0, 5), 3 * pi / 2, 1e-12);
    EXPECT_NEAR(arrowAngle(-5, 0), pi, 1e-12);
    EXPECT_EQ(arrowAngle(0, 0), 0); // a link to itself points right
    // At 45 degrees the barbs' offsets are -0.7071 and -4.9497 across: rounded, not cut.
    const auto head = arrowhead({0, 0}, 1, -1, SmallArrow);
    EXPECT_EQ(head[1], (ScreenPoint{-1, 5}));
    EXPECT_EQ(head[3], (ScreenPoint{-5, 1}));
}

TEST(GridLayers, WeightsAndShadesFollowTheScale) {
    const auto fine = gridLayers(9, 4.0f);
    ASSERT_EQ(fine.size(), 8u); // i = 2 .. 9
    EXPECT_EQ(fine.front().spacing, 4);
    EXPECT_EQ(fine.front().grey, 252 - 4 * 3); // weight 1: trunc(1 * 4 * 0.8) = 3
    EXPECT_EQ(fine.back().spacing, 512);
    EXPECT_EQ(fine.back().grey, 0x30); // weight 16 at scale 4
    const auto normal = gridLayers(7, 1.0f);
    ASSERT_EQ(normal.size(), 6u); // i = 4 .. 9
    const int expected[] = {252, 248, 240, 240, 228, 204};
    for (std::size_t i = 0; i < normal.size(); ++i)
        EXPECT_EQ(normal[i].grey, expected[i]) << normal[i].spacing;
    EXPECT_EQ(gridLayers(2, 1 / 32.0f).size(), 1u);
    EXPECT_TRUE(gridLayers(1, 1 / 64.0f).empty());
    EXPECT_EQ(gridLayers(12, 32.0f).front().spacing, 4); // a file's large Scale
}

TEST(GridLayers, StartTakesTheSignOfTheEdge) {
    EXPECT_EQ(gridStart(100, 16), 96);
    EXPECT_EQ(gridStart(-100, 16), -96);
    EXPECT_EQ(gridStart(0, 512), 0);
    EXPECT_EQ(gridStart(-512, 512), -512);
}

TEST(TooltipLines, BreaksAfterTheLastBreakCharacterPastSixty) {
    std::string text(61, 'a');
    text[54] = ' '; // position 55
    auto lines = tooltipLines(text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], text.substr(0, 55));
    EXPECT_EQ(lines[1], text.substr(55));

    std::string solid(61, 'b');
    solid[50] = '.'; // position 51: outside the last ten
    lines = tooltipLines(solid);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 60u);
    EXPECT_EQ(lines[1], "b");

    std::string marks(61, 'c');
    marks[52] = '-', marks[57] = '?'; // positions 53 and 58: the later wins
    EXPECT_EQ(tooltipLines(marks)[0].size(), 58u);
}

TEST(TooltipLines, CarriageReturnsEndLines) {
    EXPECT_EQ(tooltipLines("one\r\ntwo"), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(tooltipLines("x"), (std::vector<std::string>{"x"}));
    EXPECT_EQ(tooltipLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    // A lone carriage return keeps the character after it.
    EXPECT_EQ(tooltipLines("a\rbc"), (std::vector<std::string>{"a", "bc"}));
    // Every line of a long text stays within 61 characters and nothing is lost.
    std::string longText;
    for (int i = 0; i < 40; ++i)
        longText += "word" + std::to_string(i) + (i % 7 ? " " : "");
    std::string joined;
    for (const std::string& line : tooltipLines(longText)) {
        EXPECT_LE(line.size(), 61u);
        joined += line;
    }
    EXPECT_EQ(joined, longText);
}

TEST(LabelText, LinkLabelNamesTheEndsOffScreen) {
    EXPECT_EQ(linkLabel("Rain", false, "causes", "Flood", false), "Rain> causes >Flood");
    EXPECT_EQ(linkLabel("Rain", true, "causes", "Flood", true), "causes");
    EXPECT_EQ(linkLabel("", false, "", "Flood", false), " >Flood");
    EXPECT_EQ(linkLabel("Rain", false, "", "", false), "Rain> ");
}

TEST(LabelText, ValuesRoundHalfAwayFromZeroWithoutNegativeZero) {
    EXPECT_EQ(valueText(0.25f, 1, '.'), "0.3");
    EXPECT_EQ(valueText(-0.25f, 1, '.'), "-0.3");
    EXPECT_EQ(valueText(-0.04f, 1, '.'), "0.0");
    EXPECT_EQ(valueText(0.0f, 1, ','), "0,0");
    EXPECT_EQ(valueText(-0.5f, 3, '.'), "-0.500");
    EXPECT_EQ(valueText(1.0f, 3, '.'), "1.000");
    EXPECT_EQ(valueText(0.0625f, 3, '.'), "0.063");
}

TEST(LabelText, SizesFollowTheScale) {
    EXPECT_EQ(linkFontSize(1), 10);
    EXPECT_EQ(nameFontSize(1), 11);
    EXPECT_EQ(nameFontSize(4), 15); // 11 * 1.414
    EXPECT_EQ(nameFontSize(1 / 16.0f), 5);
    EXPECT_EQ(nameRise(1), 12);
    EXPECT_EQ(nameRise(4), 24);
    EXPECT_EQ(valueDrop(1), 4);
    EXPECT_EQ(valueDrop(0.25f), 1);
}

} // namespace
} // namespace lumeris
