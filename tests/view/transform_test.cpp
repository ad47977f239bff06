#include "view/transform.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumeris {
namespace {

ViewState viewAt(std::int32_t x, std::int32_t y, float scale, int width = 800, int height = 600) {
    ViewState view;
    view.ScreenX = x;
    view.ScreenY = y;
    view.Scale = scale;
    view.CanvasWidth = width;
    view.CanvasHeight = height;
    return view;
}

TEST(Transform, ConvertsBothWaysAtOneToOne) {
    const ViewState view = viewAt(100, -40, 1.0f);
    EXPECT_EQ(ToScreenX(view, 150), 50);
    EXPECT_EQ(ToWorldX(view, 50), 150);
    EXPECT_EQ(ToScreenY(view, 0), 40);
    EXPECT_EQ(ToWorldY(view, 40), 0);
}

TEST(Transform, TruncatesOffsetAndCoordinateSeparately) {
    const ViewState view = viewAt(-3, -3, 0.5f);
    // trunc(1.5) + trunc(5.5); one truncation of (11 + 3) * 0.5 would give 7.
    EXPECT_EQ(ToScreenX(view, 11), 6);
    EXPECT_EQ(ToScreenY(view, 11), 6);
    // Toward zero on both sides of the origin.
    EXPECT_EQ(ToScreenX(view, -11), 1 - 5);
    EXPECT_EQ(ToWorldX(view, 3), 6 - 3);
    EXPECT_EQ(ToWorldX(view, -3), -6 - 3);
    // A fractional point (a link's third) is scaled before truncating.
    EXPECT_EQ(ToScreenX(view, 10.9f), 1 + 5);
}

TEST(Transform, ComputesInExtendedPrecision) {
    // 0.7f is 0.69999999: 10 * 0.7f is 6.9999999, which float arithmetic rounds to 7.
    EXPECT_EQ(ToScreenX(viewAt(0, 0, 0.7f), 10), 6);
    // 0.3f is 0.30000001: 3 / 0.3f is 9.9999996, which float arithmetic rounds to 10.
    EXPECT_EQ(ToWorldX(viewAt(0, 0, 0.3f), 3), 9);
}

TEST(Transform, OnScreenBoundsAreInclusive) {
    const ViewState view = viewAt(100, 200, 0.5f, 800, 600);
    EXPECT_TRUE(IsOnScreen(view, 100, 200));
    EXPECT_TRUE(IsOnScreen(view, 1700, 1400)); // 100 + 800 / 0.5, 200 + 600 / 0.5
    EXPECT_FALSE(IsOnScreen(view, 1700.5f, 1400));
    EXPECT_FALSE(IsOnScreen(view, 1700, 1400.5f));
    EXPECT_FALSE(IsOnScreen(view, 99.5f, 300));
    EXPECT_FALSE(IsOnScreen(view, 300, 199));
}

TEST(Transform, ExtremeScalesSaturateInsteadOfOverflowing) {
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    const ViewState huge = viewAt(0, 0, 1e30f);
    EXPECT_EQ(ToScreenX(huge, 5), highest);
    EXPECT_EQ(ToScreenX(huge, -5), lowest);
    const ViewState tiny = viewAt(highest, 0, 1e-30f);
    EXPECT_EQ(ToWorldX(tiny, 10), highest);
    EXPECT_EQ(truncToInt(std::numeric_limits<long double>::quiet_NaN()), 0);
    EXPECT_EQ(truncToInt(-2.9L), -2);
}

} // namespace
} // namespace lumeris
